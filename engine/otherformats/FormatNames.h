#pragma once
// The file name extensions of the formats read here, for what only a name
// can tell: which archives an open dialog offers, and what a new archive
// must not be called, since only ZIP is written; and the names every reader
// gives entries: a lone compressed file's, and the longest taken.

#include <cstddef>
#include <string>
#include <vector>

namespace otherformats {

// "tar.gz", "7z", "iso" …, longest first where one ends another.
const std::vector<std::string> &extensions();

// The extension of `path` that names one of these formats, in the case
// the name has it ("tar.gz" for "x.TAR.GZ" gives "TAR.GZ"), or empty.
std::string formatExtension(const std::string &path);

// The name a lone compressed file's content gets: the file's own name
// without its compression suffix, or with ".out" when it has none.
std::string rawMemberName(const std::string &path);

// The longest entry name or link target read, in bytes: ZIP's limit, far
// past any path a file system takes. A name costs its length in every
// listing that holds it, and tar's long names run to a megabyte each, so a
// small archive of such names would take gigabytes to list.
inline constexpr size_t MaxNameLength = 65535;

}  // namespace otherformats
