#include "engine/common/HugePageBuffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <new>

namespace common {

namespace {
constexpr size_t HugePage = 2u << 20;
constexpr size_t SmallestReserve = 64u << 10;
}  // namespace

HugePageBuffer::HugePageBuffer(size_t n)
{
    allocate(n);
    size = n;
}

void HugePageBuffer::allocate(size_t n)
{
    if (n == 0)
        return;
    if (n >= HugePage) {
        const size_t length = (n + HugePage - 1) / HugePage * HugePage;
        void *p = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED)
            throw std::bad_alloc();
        ::madvise(p, length, MADV_HUGEPAGE);  // a hint; without it, small pages
        bytes_ = static_cast<uint8_t *>(p);
        capacity_ = length;
        mapped_ = true;
        return;
    }
    bytes_ = new uint8_t[n];
    capacity_ = n;
}

uint8_t *HugePageBuffer::reserve(size_t n)
{
    if (bytes_ && n <= capacity_)
        return bytes_;
    const size_t capacity = std::max({n, capacity_ + capacity_ / 2, SmallestReserve});
    release();
    allocate(capacity);
    return bytes_;
}

void HugePageBuffer::release() noexcept
{
    if (mapped_)
        ::munmap(bytes_, capacity_);
    else
        delete[] bytes_;
    bytes_ = nullptr;
    capacity_ = 0;
    mapped_ = false;
    size = 0;
}

void HugePageBuffer::take(HugePageBuffer &other) noexcept
{
    bytes_ = other.bytes_;
    capacity_ = other.capacity_;
    mapped_ = other.mapped_;
    size = other.size;
    other.bytes_ = nullptr;
    other.capacity_ = 0;
    other.mapped_ = false;
    other.size = 0;
}

}  // namespace common
