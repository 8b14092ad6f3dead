#pragma once
// Calls the caller's callback. Every call happens on the thread that entered
// the library; once the callback has asked to stop, the request sticks.

#include "engine/common/CallRecords.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace common {

class Reporter {
public:
    // How a text goes out: names in it come from an archive or the disk.
    using TextFilter = std::string (*)(std::string_view text);

    struct Options {
        bool verbose = false;
        bool trace = false;                // implies verbose
        TextFilter nameText = nullptr;     // action 1's name; nothing: as it is
        TextFilter messageText = nullptr;  // action 4's text; nothing: as it is
        // What the callback throws is kept (see failure()) and taken as a
        // request to stop, rather than let through the library's frames.
        bool keepCallbackExceptions = false;
    };

    Reporter(EngineCallback callback, void *instance, const Options &options);
    ~Reporter();
    Reporter(const Reporter &) = delete;
    Reporter &operator=(const Reporter &) = delete;

    // Each returns true when the caller asked to stop (now or earlier).
    bool fileBegin(std::string_view name, uint64_t size);
    bool step();
    bool message(int32_t errorCode, std::string_view text);
    // Information shown only in verbose (or trace) mode.
    bool verbose(std::string_view text);
    bool trace(std::string_view text);
    // Asks whether to go on during a long step, but only once `quiet` has
    // passed since the last callback of any kind: the caller hears from us
    // about every tenth of a second, never more often than it needs.
    bool working(std::chrono::nanoseconds quiet);
    // Sent once; later calls do nothing.
    void batchEnd();

    bool cancelled() const { return cancelled_; }
    // Stops as the callback's request would (a cancel given another way).
    void cancel() { cancelled_ = true; }
    bool verboseOn() const { return verbose_; }
    bool traceOn() const { return trace_; }
    // What the callback threw, if it did and the options keep it.
    std::exception_ptr failure() const { return failure_; }

private:
    bool call(int32_t action, int32_t errorCode, int32_t size, std::string_view text);

    EngineCallback callback_;
    void *instance_;
    Options options_;
    bool verbose_;
    bool trace_;
    bool cancelled_ = false;
    bool ended_ = false;
    std::exception_ptr failure_;
    std::chrono::steady_clock::time_point lastCall_ = std::chrono::steady_clock::now();
    CallbackRecord *record_ = nullptr;  // grown to fit the longest text so far
    size_t capacity_ = 0;
};

}  // namespace common
