#include "engine/unzeng/Reporter.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace unzeng {

namespace {

// Length of the well-formed UTF-8 sequence at `s[i]` and its code point; 0
// when the bytes there are no such sequence.
size_t utf8Sequence(const std::string &s, size_t i, uint32_t &codePoint)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    size_t length;
    uint32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

// Characters that end a line, steer a terminal or reorder the text around
// them: a member name holding one could forge a line of its own in a log,
// or hide what follows it.
bool misleading(uint32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E)
           || (c >= 0x2066 && c <= 0x2069);
}

// A message as the caller sees it: the names inside it are the archive's,
// so what could pass for a line break or a control sequence becomes '?'.
// Bytes of other encodings (CP437 names) stay, except raw 0x80-0x9F, the C1
// controls of 8-bit terminals.
std::string harmless(const std::string &text)
{
    std::string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\0') {
            shown += "\\0";   // the record's text would end here
            ++i;
            continue;
        }
        uint32_t codePoint = c;
        size_t length = c < 0x80 ? 1 : utf8Sequence(text, i, codePoint);
        if (length == 0) {   // not UTF-8: one byte of some other encoding
            length = 1;
            codePoint = c;
        }
        if (misleading(codePoint))
            shown += '?';
        else
            shown.append(text, i, length);
        i += length;
    }
    return shown;
}

}  // namespace

bool Reporter::call(int32_t action, int32_t code, int32_t size, const std::string &text)
{
    if (!callback_ || failure_)
        return !cancelled_;
    // The record's text ends at its first NUL: one inside a member's name
    // would cut the message short, before the reason.
    std::string shown;
    if (action == ZipActionMessage) {
        shown = harmless(text);
    } else {
        shown.reserve(text.size());
        for (const char c : text) {
            if (c == '\0')
                shown += "\\0";
            else
                shown += c;
        }
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
