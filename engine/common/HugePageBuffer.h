#pragma once
// A block of memory for bulk data. A block of a huge page or more is mapped
// directly and asked for huge pages, so that touching it the first time costs
// a few faults instead of thousands; smaller ones come from the heap.

#include <cstddef>
#include <cstdint>
#include <span>

namespace common {

class HugePageBuffer {
public:
    size_t size = 0;  // bytes in use; at most what was allocated

    HugePageBuffer() = default;
    // `n` bytes, all in use. Throws std::bad_alloc.
    explicit HugePageBuffer(size_t n);
    ~HugePageBuffer() { release(); }
    HugePageBuffer(HugePageBuffer &&other) noexcept { take(other); }
    HugePageBuffer &operator=(HugePageBuffer &&other) noexcept
    {
        if (this != &other) {
            release();
            take(other);
        }
        return *this;
    }
    HugePageBuffer(const HugePageBuffer &) = delete;
    HugePageBuffer &operator=(const HugePageBuffer &) = delete;

    uint8_t *data() { return bytes_; }
    const uint8_t *data() const { return bytes_; }
    std::span<const uint8_t> view() const { return {bytes_, size}; }

    // Room for at least `n` bytes, reused while it is large enough; the
    // contents are not kept. It grows by half again at least, so that a run
    // of ever larger requests does not allocate for each. Throws std::bad_alloc.
    uint8_t *reserve(size_t n);

private:
    void allocate(size_t n);
    void release() noexcept;
    void take(HugePageBuffer &other) noexcept;

    uint8_t *bytes_ = nullptr;
    size_t capacity_ = 0;
    bool mapped_ = false;
};

}  // namespace common
