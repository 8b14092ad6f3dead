#pragma once
// Well-formed UTF-8, as names with general flag bit 11 must be, and names
// made safe to show.

#include <cstddef>
#include <string>
#include <string_view>

namespace zipformat {

// Length of the well-formed UTF-8 sequence starting at text[at], 0 if there
// is none (overlong forms, surrogates and values above U+10FFFF included).
size_t utf8SequenceLength(std::string_view text, size_t at);

bool isValidUtf8(std::string_view text);

// Text made safe to show on one line: ASCII control characters, C1
// controls (U+0080-U+009F, and the raw bytes 0x80-0x9F where they are not
// part of a UTF-8 sequence), the line and paragraph separators U+2028/2029
// and the bidirectional controls U+202A-202E and U+2066-2069 each become '?',
// a NUL byte `nulAs`. Everything else, other bytes that are not UTF-8
// included, is kept: names stored in other encodings stay as they are.
std::string printableText(std::string_view text, std::string_view nulAs = "?");

}  // namespace zipformat
