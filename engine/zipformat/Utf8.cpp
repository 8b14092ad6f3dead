#include "engine/zipformat/Utf8.h"

#include <cstdint>
#include <string>

namespace zipformat {

size_t utf8SequenceLength(std::string_view text, size_t at)
{
    const auto byte = [&](size_t i) { return uint8_t(text[i]); };
    const uint8_t lead = byte(at);
    if (lead < 0x80)
        return 1;
    size_t length;
    uint8_t low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;  // no overlong forms
        if (lead == 0xED)
            high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() - at < length)
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    return length;
}

bool isValidUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        if (uint8_t(text[i]) < 0x80) {  // most names are ASCII throughout
            ++i;
            continue;
        }
        const size_t n = utf8SequenceLength(text, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::string printableText(std::string_view text, std::string_view nulAs)
{
    std::string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const uint8_t c = uint8_t(text[i]);
        if (c == 0) {
            shown += nulAs;
            ++i;
            continue;
        }
        if (c < 0x80) {
            shown += c < 0x20 || c == 0x7F ? '?' : char(c);
            ++i;
            continue;
        }
        const size_t length = utf8SequenceLength(text, i);
        if (length == 0) {
            // A lone byte: 0x80-0x9F are C1 controls to a terminal that reads Latin-1.
            shown += c < 0xA0 ? '?' : char(c);
            ++i;
            continue;
        }
        char32_t code = length == 2 ? c & 0x1F : length == 3 ? c & 0x0F : c & 0x07;
        for (size_t k = 1; k < length; ++k)
            code = (code << 6) | (uint8_t(text[i + k]) & 0x3F);
        const bool hidden = code <= 0x9F || code == 0x2028 || code == 0x2029 || (code >= 0x202A && code <= 0x202E)
                            || (code >= 0x2066 && code <= 0x2069);
        if (hidden)
            shown += '?';
        else
            shown.append(text.substr(i, length));
        i += length;
    }
    return shown;
}

}  // namespace zipformat
