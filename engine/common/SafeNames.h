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

// A folder of the archive an extraction is made relative to, split as the
// format splits its names (`rules`, less any stripping of a root): refused
// when absolute or holding "..". No components: no such folder.
SafeName baseFolderName(std::string_view folder, NameRules rules);

// Places a made-safe name relative to the base folder `base` (its
// components): a name below it loses them. False for the folder's own entry,
// which makes nothing there; any other name is left as it is. Only whole
// components are compared, so what was refused stays refused and a link's
// depth is counted at the place it is made.
bool placeUnder(SafeName &name, const std::vector<std::string> &base);

// Why `folder` cannot be the folder of the archive that added files are
// stored in: it must be relative, '/' between its components, with no
// empty, "." or ".." component, no '\' and no NUL byte. Empty when it can;
// "" is the archive's top and the final '/' may be left out.
std::string folderNameProblem(std::string_view folder);

// `name` stored in `folder` (one that folderNameProblem accepts).
std::string nameInFolder(std::string_view folder, std::string_view name);

}  // namespace common
