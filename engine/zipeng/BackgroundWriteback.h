#pragma once
// Starts the disk writes of a file's finished ranges on a thread of its own.
// The one fsync at the end would otherwise find the whole archive still to be
// written; asking for the writeback as we go lets the disk work meanwhile. It
// runs beside the writer because asking can block until the disk's queue has
// room, which would stall a copy running at memory speed. Only a hint: write
// errors show at the fsync.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace zipeng {

class BackgroundWriteback {
public:
    explicit BackgroundWriteback(int fd) : fd_(fd) {}
    ~BackgroundWriteback() { stop(); }
    BackgroundWriteback(const BackgroundWriteback &) = delete;
    BackgroundWriteback &operator=(const BackgroundWriteback &) = delete;

    // Bytes before `end` are written; start sending them to the disk.
    void requestUpTo(uint64_t end);
    // Drops pending requests beyond a truncation.
    void truncatedAt(uint64_t end);
    // Waits for the thread; call before the file is synced or closed.
    void stop();

private:
    void run();

    int fd_;
    std::mutex mutex_;
    std::condition_variable wake_;
    uint64_t requested_ = 0;
    uint64_t started_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace zipeng
