#pragma once
// Well-formed UTF-8, as names with general flag bit 11 must be.

#include <cstddef>
#include <string_view>

namespace zipformat {

// Length of the well-formed UTF-8 sequence starting at text[at], 0 if there
// is none (overlong forms, surrogates and values above U+10FFFF included).
size_t utf8SequenceLength(std::string_view text, size_t at);

bool isValidUtf8(std::string_view text);

}  // namespace zipformat
