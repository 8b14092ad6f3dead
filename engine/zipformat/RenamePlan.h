#pragma once
// Renaming members: which members a rename takes (one member, or a folder
// and everything under it by prefix), the names they get, and why a rename
// must not be written at all (a name that would escape the extraction's
// target, or two members that would share a name). The window checks a
// rename with it before it asks the library, and the library checks it
// again against the archive as it finds it.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zipformat {

// Why `name` must not be written as a member's new name; empty when it may.
// The extraction's own rule (no NUL, nothing absolute, no ".."), and besides
// what the extraction would quietly change: a drive prefix, '\', empty and
// "." components, and a name longer than a header holds.
std::string refusedNewName(std::string_view name);

struct RenamePlan {
    // Each member renamed: its index among the names planned over, and its
    // new name; in archive order.
    std::vector<std::pair<size_t, std::string>> renamed;
    // Why nothing may be renamed; empty when the plan holds.
    std::string refusal;
    // The old name named no member (refusal says so).
    bool missing = false;

    bool refused() const { return !refusal.empty(); }
};

// Plans renaming `from` to `to` among `names` (every member's stored name, in
// archive order). `from` is a member's stored name, or a folder's ending in
// '/': then every member whose name begins with it is renamed by that prefix,
// and `to` is a folder's name too (its '/' added when missing). A plan with
// nothing renamed and no refusal: the name is unchanged.
RenamePlan planRename(const std::vector<std::string> &names, std::string_view from, std::string_view to);

}  // namespace zipformat
