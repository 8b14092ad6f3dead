#pragma once
// Where a change of an archive is written.

#include <string>

namespace common {

// A symbolic link named as the archive is followed, so that the link stays
// and the file it points to is the one replaced. A link that points nowhere
// yet is followed too: the new archive is created where it points.
std::string resolveArchivePath(const std::string &name);

}  // namespace common
