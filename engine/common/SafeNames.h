#pragma once
// Which stored names and link targets may be written under an extraction's
// target directory. One set of rules for every format: the formats differ
// only in what `NameRules` says.

#include <string>
#include <string_view>
#include <vector>

namespace common {

// The components of `path`, split on '/', with empty and "." components
// dropped ("./a//b/" gives "a", "b"). ".." is kept: what it means is the
// caller's rule.
std::vector<std::string_view> pathComponents(std::string_view path);

struct NameRules {
    // '\' separates components too (names written on Windows).
    bool backslashSeparates = false;
    // A leading "/" or drive ("C:/") is stripped with a warning; otherwise
    // such a name is refused.
    bool stripRoot = false;
    // A name ending in a separator is a directory's, whatever the caller says.
    bool trailingSeparatorIsDirectory = false;
};

struct SafeName {
    std::vector<std::string> components;  // never empty, "." or ".."
    bool directory = false;
    std::string warning;  // set when the name was changed to make it safe
    std::string refusal;  // set when the entry must not be written

    bool refused() const { return !refusal.empty(); }
    std::string joined(size_t count) const;
    std::string joined() const { return joined(components.size()); }
};

// Refuses NUL bytes and any ".." component, and a name with nothing left
// once empty and "." components are dropped unless it is a directory's: no
// components and no refusal means the target directory itself ("./").
SafeName safeName(std::string_view stored, const NameRules &rules, bool directory = false);

// True when a symbolic link with this target, placed `depth` directories
// below the target directory, points inside it: relative, its ".." leading
// only and no more of them than `depth`. Named components after them may be
// links, but only ones that passed this same rule. Empty targets and NUL
// bytes are refused.
bool linkStaysInside(std::string_view target, size_t depth);

}  // namespace common
