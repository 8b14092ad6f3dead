#include "engine/unzeng/StreamDecoder.h"

#include <algorithm>
#include <cstdlib>
#include <unistd.h>

namespace unzeng {

namespace {

std::string mebibytes(uint64_t bytes)
{
    return std::to_string((bytes >> 20) + ((bytes & ((1u << 20) - 1)) != 0)) + " MiB";
}

}  // namespace

uint64_t MemoryBudget::defaultLimit()
{
    uint64_t limit = uint64_t(2) << 30;
    const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0)
        limit = std::min(limit, uint64_t(pages) * uint64_t(pageSize) / 4);
    if (const char *text = std::getenv("ORVEX_UNZENG_MEMORY_MIB")) {
        char *end = nullptr;
        const unsigned long long mib = std::strtoull(text, &end, 10);
        if (end != text && *end == '\0' && mib > 0 && mib < (limit >> 20))
            limit = uint64_t(mib) << 20;
    }
    return limit;
}

MemoryBudget::Grant MemoryBudget::acquire(uint64_t bytes, const std::atomic<bool> &cancel, bool &alone)
{
    alone = false;
    if (bytes > limit_)
        return TooLarge;
    std::unique_lock lock(mutex_);
    if (bytes <= share()) {
        changed_.wait(lock, [&] { return cancel.load() || (!exclusive_ && used_ + bytes <= limit_); });
    } else {
        // First in line for the whole limit, then wait for the others to end.
        changed_.wait(lock, [&] { return cancel.load() || !exclusive_; });
        if (!cancel.load()) {
            exclusive_ = true;
            changed_.wait(lock, [&] { return cancel.load() || used_ == 0; });
            if (cancel.load()) {
                exclusive_ = false;
                changed_.notify_all();
            }
            alone = true;
        }
    }
    if (cancel.load())
        return Cancelled;
    used_ += bytes;
    return Granted;
}

void MemoryBudget::release(uint64_t bytes)
{
    std::lock_guard lock(mutex_);
    used_ -= std::min(bytes, used_);
    if (bytes > share())
        exclusive_ = false;
    changed_.notify_all();
}

void MemoryBudget::interrupt()
{
    std::lock_guard lock(mutex_);
    changed_.notify_all();
}

bool MemoryLease::growTo(uint64_t bytes, std::string &error)
{
    if (bytes <= held_)
        return true;
    const uint64_t limit = budget_ ? budget_->limit() : MemoryBudget::defaultLimit();
    if (bytes > limit) {
        error = "it needs " + mebibytes(bytes) + " of memory to decode, more than the " + mebibytes(limit) + " allowed";
        return false;
    }
    if (!budget_) {
        held_ = bytes;
        return true;
    }
    // Whatever is held goes back first: no decoder waits while holding
    // memory another one waits for.
    reset();
    bool alone = false;
    if (budget_->acquire(bytes, *cancel_, alone) != MemoryBudget::Granted) {
        error = "the extraction was cancelled";
        return false;
    }
    held_ = bytes;
    alone_ = alone_ || alone;
    return true;
}

void MemoryLease::reset()
{
    if (budget_ && held_)
        budget_->release(held_);
    held_ = 0;
}

}  // namespace unzeng
