#include "support/EngineCalls.h"

#include <algorithm>

namespace ziptest {

std::vector<std::string> CallResult::begun() const
{
    std::vector<std::string> names;
    for (const Callback &c : calls)
        if (c.action == ZipActionFileBegin)
            names.push_back(c.text);
    return names;
}

std::vector<Callback> CallResult::messages() const
{
    std::vector<Callback> list;
    for (const Callback &c : calls)
        if (c.action == ZipActionMessage)
            list.push_back(c);
    return list;
}

std::vector<Callback> CallResult::errors() const
{
    std::vector<Callback> list;
    for (const Callback &c : calls)
        if (c.action == ZipActionMessage && c.code > 0)
            list.push_back(c);
    return list;
}

int CallResult::count(int32_t action) const
{
    return static_cast<int>(
        std::count_if(calls.begin(), calls.end(), [&](const Callback &c) { return c.action == action; }));
}

bool CallResult::hasError(const std::string &fragment, int32_t code) const
{
    const auto all = errors();
    return std::any_of(all.begin(), all.end(), [&](const Callback &e) {
        return e.text.find(fragment) != std::string::npos && (code < 0 || e.code == code);
    });
}

std::string CallResult::dump() const
{
    std::string text = "result " + std::to_string(result) + "\n";
    for (const Callback &c : calls) {
        if (c.action == ZipActionFileStep)
            continue;
        text += "  action " + std::to_string(c.action) + " code " + std::to_string(c.code) + " size "
                + std::to_string(c.size) + " [" + c.text + "]\n";
    }
    return text;
}

CancelRule cancelAt(int32_t action, int n)
{
    return [action, n](const std::vector<Callback> &calls) {
        return calls.back().action == action
               && std::count_if(calls.begin(), calls.end(), [&](const Callback &c) { return c.action == action; }) == n;
    };
}

CancelRule cancelWhen(std::function<bool(const Callback &)> rule)
{
    return [rule = std::move(rule)](const std::vector<Callback> &calls) { return rule(calls.back()); };
}

int32_t CallRecorder::callback(CallbackRecord *record)
{
    auto *recorder = static_cast<CallRecorder *>(record->Instance);
    recorder->calls.push_back(
        {record->Action, record->ErrorCode, record->FileSize, record->Text, std::this_thread::get_id()});
    return recorder->cancel_ && recorder->cancel_(recorder->calls) ? 1 : 0;
}

}  // namespace ziptest
