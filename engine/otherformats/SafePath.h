#pragma once
// Which entry names and link targets may be written under the target
// directory. Stricter than for ZIP: an archive from these formats has no
// habit of absolute names worth keeping, so they are refused, not stripped.

#include <string>
#include <string_view>
#include <vector>

namespace otherformats {

struct OutputName {
    std::vector<std::string> components;  // never empty, "." or ".."
    std::string refusal;                  // set when the entry must not be written

    bool refused() const { return !refusal.empty(); }
    std::string joined() const;
};

// Refuses absolute names, any ".." component, NUL bytes and names with
// nothing left once empty and "." components are dropped ("./" is the
// target itself, which a directory entry may name: no components, no refusal
// when `directory`).
OutputName outputName(std::string_view stored, bool directory);

// True when a symbolic link with this target, placed `depth` directories
// below the target directory, points inside it: relative, its ".." leading
// only and no more of them than `depth`. Named components after them may be
// links, but only ones that passed this same rule.
bool linkStaysInside(std::string_view target, size_t depth);

}  // namespace otherformats
