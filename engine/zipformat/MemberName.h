#pragma once
// How a ZIP member's stored name is read as a path below the target
// directory; the rules themselves are engine/common/SafeNames.h.

#include "engine/common/SafeNames.h"

namespace zipformat {

// Archives written on Windows separate with '\'. unzip has always extracted
// "/x" and "C:/x" as "x", and archives rely on it, so such a name is made
// relative rather than refused. A name ending in a separator is a directory
// entry: ZIP has no other mark of one.
inline constexpr common::NameRules MemberNameRules{
    .backslashSeparates = true, .stripRoot = true, .trailingSeparatorIsDirectory = true};

}  // namespace zipformat
