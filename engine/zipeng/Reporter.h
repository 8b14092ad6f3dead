#pragma once
// Calls the caller's callback. Every call happens on the thread that entered
// the library; once the callback has asked to stop, the request sticks.
// Texts go out through printableText(), so that no name in them can break a
// line or turn text around.

#include "engine/zipformat/CallRecords.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace zipeng {

class Reporter {
public:
    Reporter(EngineCallback callback, void *instance, bool verbose, bool trace);
    ~Reporter();
    Reporter(const Reporter &) = delete;
    Reporter &operator=(const Reporter &) = delete;

    // Each returns true when the caller asked to stop (now or earlier).
    bool fileBegin(std::string_view name, uint64_t size);
    bool step();
    bool message(int32_t errorCode, std::string_view text);
    // Information shown only in verbose (or trace) mode.
    bool verbose(std::string_view text);
    // Asks whether to go on during a long step, but only once `quiet` has
    // passed since the last callback of any kind: the caller hears from us
    // about every tenth of a second, never more often than it needs.
    bool working(std::chrono::nanoseconds quiet);
    bool trace(std::string_view text);
    // Sent once; later calls do nothing.
    void batchEnd();

    bool cancelled() const { return cancelled_; }
    bool verboseOn() const { return verbose_; }
    bool traceOn() const { return trace_; }

private:
    bool call(int32_t action, int32_t errorCode, int32_t size, std::string_view text);

    EngineCallback callback_;
    void *instance_;
    bool verbose_;
    bool trace_;
    bool cancelled_ = false;
    bool ended_ = false;
    std::chrono::steady_clock::time_point lastCall_ = std::chrono::steady_clock::now();
    CallbackRecord *record_ = nullptr;   // grown to fit the longest text so far
    size_t capacity_ = 0;
};

// Steps of progress a file of this many bytes is worth: one per 32 KiB.
inline uint64_t stepsFor(uint64_t bytes)
{
    return bytes / 32768;
}

}  // namespace zipeng
