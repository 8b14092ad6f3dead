#include "engine/zipformat/Utf8.h"

#include <cstdint>

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
            low = 0xA0;   // no overlong forms
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
        const size_t n = utf8SequenceLength(text, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

}  // namespace zipformat
