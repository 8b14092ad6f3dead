#include "engine/unzeng/Reporter.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace unzeng {

bool Reporter::call(int32_t action, int32_t code, int32_t size, const std::string &text)
{
    if (!callback_ || failure_)
        return !cancelled_;
    // The record's text ends at its first NUL: one inside a member's name
    // would cut the message short, before the reason.
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        if (c == '\0')
            shown += "\\0";
        else
            shown += c;
    }
    // The record is allocated to fit its text.
    const size_t bytes = offsetof(CallbackRecord, Text) + shown.size() + 1;
    std::unique_ptr<void, decltype(&std::free)> memory(std::calloc(1, bytes), &std::free);
    if (!memory)
        throw std::bad_alloc();
    auto *record = static_cast<CallbackRecord *>(memory.get());
    record->Instance = instance_;
    record->Action = action;
    record->ErrorCode = code;
    record->FileSize = size;
    std::memcpy(record->Text, shown.c_str(), shown.size() + 1);
    try {
        if (callback_(record) == 1)
            cancelled_ = true;
    } catch (...) {
        failure_ = std::current_exception();
        cancelled_ = true;
    }
    return !cancelled_;
}

bool Reporter::fileBegin(const std::string &name, uint64_t size)
{
    return call(ZipActionFileBegin, 0, int32_t(std::min<uint64_t>(size, INT32_MAX)), name);
}

bool Reporter::step()
{
    return call(ZipActionFileStep, 0, 0, std::string());
}

bool Reporter::message(int32_t code, const std::string &text)
{
    return call(ZipActionMessage, code, 0, text);
}

void Reporter::batchEnd()
{
    call(ZipActionBatchEnd, 0, 0, std::string());
}

}  // namespace unzeng
