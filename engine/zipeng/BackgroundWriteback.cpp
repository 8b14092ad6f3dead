#include "engine/zipeng/BackgroundWriteback.h"

#include <algorithm>
#include <fcntl.h>
#include <system_error>

namespace zipeng {

void BackgroundWriteback::requestUpTo(uint64_t end)
{
    {
        std::lock_guard lock(mutex_);
        if (stopping_ || end <= requested_)
            return;
        requested_ = end;
        if (!thread_.joinable()) {
            try {
                thread_ = std::thread([this] { run(); });
            } catch (const std::system_error &) {
                return;  // no thread: the fsync does it all
            }
        }
    }
    wake_.notify_one();
}

void BackgroundWriteback::truncatedAt(uint64_t end)
{
    std::lock_guard lock(mutex_);
    requested_ = std::min(requested_, end);
    started_ = std::min(started_, end);
}

void BackgroundWriteback::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void BackgroundWriteback::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || requested_ > started_; });
        if (stopping_)
            return;
        const uint64_t from = started_, to = requested_;
        started_ = to;
        lock.unlock();
        ::sync_file_range(fd_, off_t(from), off_t(to - from), SYNC_FILE_RANGE_WRITE);
        lock.lock();
    }
}

}  // namespace zipeng
