#pragma once
// The directory a library works under through the *at calls.

#include <string>

namespace common {

// Opens `path` as a directory, with `accessMode` (O_RDONLY, or O_PATH when
// only lookups are needed), and refuses one without search permission:
// nothing could be found or made under it, so it is better refused once, up
// front, than member by member. -1 with errno set on failure.
int openSearchableDirectory(const std::string &path, int accessMode);

// Renames `from` to `to` within `dir`. Without `replace` an existing `to`
// is left alone and the call fails with EEXIST. False with errno set.
bool renameInto(int dir, const std::string &from, const std::string &to, bool replace);

}  // namespace common
