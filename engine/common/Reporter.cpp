#include "engine/common/Reporter.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

namespace common {

Reporter::Reporter(EngineCallback callback, void *instance, const Options &options)
    : callback_(callback), instance_(instance), options_(options), verbose_(options.verbose || options.trace),
      trace_(options.trace)
{
}

Reporter::~Reporter()
{
    std::free(record_);
}

bool Reporter::call(int32_t action, int32_t errorCode, int32_t size, std::string_view text)
{
    if (!callback_ || failure_)
        return cancelled_;
    const size_t needed = offsetof(CallbackRecord, Text) + text.size() + 1;
    if (needed > capacity_) {
        void *grown = std::realloc(record_, needed);
        if (!grown)
            throw std::bad_alloc();
        record_ = static_cast<CallbackRecord *>(grown);
        capacity_ = needed;
    }
    std::memset(record_, 0, offsetof(CallbackRecord, Text));
    record_->Instance = instance_;
    record_->Action = action;
    record_->ErrorCode = errorCode;
    record_->FileSize = size;
    if (!text.empty())
        std::memcpy(record_->Text, text.data(), text.size());
    record_->Text[text.size()] = '\0';
    try {
        if (callback_(record_) == 1)
            cancelled_ = true;
    } catch (...) {
        if (!options_.keepCallbackExceptions)
            throw;
        failure_ = std::current_exception();
        cancelled_ = true;
    }
    // From the answer, not the call: a slow callback does not eat the interval.
    lastCall_ = std::chrono::steady_clock::now();
    return cancelled_;
}

bool Reporter::fileBegin(std::string_view name, uint64_t size)
{
    const int32_t clamped = size > uint64_t(INT32_MAX) ? INT32_MAX : int32_t(size);
    if (options_.nameText)
        return call(ZipActionFileBegin, 0, clamped, options_.nameText(name));
    return call(ZipActionFileBegin, 0, clamped, name);
}

bool Reporter::step()
{
    return call(ZipActionFileStep, 0, 0, {});
}

bool Reporter::message(int32_t errorCode, std::string_view text)
{
    if (options_.messageText)
        return call(ZipActionMessage, errorCode, 0, options_.messageText(text));
    return call(ZipActionMessage, errorCode, 0, text);
}

bool Reporter::working(std::chrono::nanoseconds quiet)
{
    if (cancelled_ || std::chrono::steady_clock::now() - lastCall_ < quiet)
        return cancelled_;
    return call(ZipActionWorking, 0, 0, {});
}

bool Reporter::verbose(std::string_view text)
{
    return verbose_ ? message(0, text) : cancelled_;
}

bool Reporter::trace(std::string_view text)
{
    return trace_ ? message(0, text) : cancelled_;
}

void Reporter::batchEnd()
{
    if (ended_)
        return;
    ended_ = true;
    call(ZipActionBatchEnd, 0, 0, {});
}

}  // namespace common
