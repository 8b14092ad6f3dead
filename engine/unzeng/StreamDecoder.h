#pragma once
// What every decoder shares: the streaming interface, and the memory budget
// that the decoders of one extraction draw from.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace unzeng {

// The memory the decoders of one extraction may hold together. The codecs
// size their windows from the member's own header (an LZMA or xz dictionary
// of up to 4 GiB, a zstd window), so a small hostile archive could otherwise
// make every worker allocate gigabytes. A decoder needing at most a share
// (the limit over MaxSharers) gets it at once; one needing more waits until
// it can decode alone; one needing more than the whole limit is refused.
class MemoryBudget {
public:
    static constexpr uint64_t MaxSharers = 4;
    // A quarter of physical memory, at most 2 GiB; ORVEX_UNZENG_MEMORY_MIB
    // in the environment can lower it.
    static uint64_t defaultLimit();

    explicit MemoryBudget(uint64_t limit) : limit_(limit) {}
    uint64_t limit() const { return limit_; }
    uint64_t share() const { return limit_ / MaxSharers; }

    enum Grant { Granted, TooLarge, Cancelled };
    // Waits until `bytes` fit. With `alone`, set when it had to wait for
    // every other decoder to finish.
    Grant acquire(uint64_t bytes, const std::atomic<bool> &cancel, bool &alone);
    void release(uint64_t bytes);
    // Wakes the waiting decoders so they see a cancel.
    void interrupt();

private:
    const uint64_t limit_;
    std::mutex mutex_;
    std::condition_variable changed_;
    uint64_t used_ = 0;
    bool exclusive_ = false;  // a decoder above its share holds or awaits the whole limit
};

// One decoder's part of a MemoryBudget, given back when it ends. Without a
// budget every request up to the default limit is granted.
class MemoryLease {
public:
    MemoryLease(MemoryBudget *budget, const std::atomic<bool> *cancel) : budget_(budget), cancel_(cancel) {}
    ~MemoryLease() { reset(); }
    MemoryLease(const MemoryLease &) = delete;
    MemoryLease &operator=(const MemoryLease &) = delete;

    // Makes sure `bytes` are held (a decoder's need only grows). False with
    // `error` set when it cannot be.
    bool growTo(uint64_t bytes, std::string &error);
    uint64_t held() const { return held_; }
    bool wasAlone() const { return alone_; }
    void reset();

private:
    MemoryBudget *budget_;
    const std::atomic<bool> *cancel_;
    uint64_t held_ = 0;
    bool alone_ = false;
};

// One codec's streaming state. decode() consumes from `in` and produces into
// `out`, advancing both pointers and shrinking both lengths.
class StreamDecoder {
public:
    enum Status { More, End, Failed };
    virtual ~StreamDecoder() = default;
    // `lastInput`: no input follows what is passed now.
    virtual Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool lastInput) = 0;
    const std::string &error() const { return error_; }
    // The lease this decoder was made with, when no one else keeps it.
    void keep(std::unique_ptr<MemoryLease> lease) { ownLease_ = std::move(lease); }

protected:
    Status fail(std::string message)
    {
        error_ = std::move(message);
        return Failed;
    }
    std::string error_;

private:
    std::unique_ptr<MemoryLease> ownLease_;  // destroyed after the derived decoder's state
};

}  // namespace unzeng
