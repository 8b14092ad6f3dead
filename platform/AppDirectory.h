#pragma once
// The program's private working directory, where a member is put while it is
// edited or run, and the paths of members inside it.

#include <QString>

namespace platform {

// $XDG_CACHE_HOME/orvex97/work/ (or ~/.cache/orvex97/work/), with its
// trailing '/', without creating anything.
QString appDirectoryPath();

// The same directory, created with mode 0700 when missing. Throws
// std::runtime_error when it cannot be made or is not private.
QString AppDirectory();

// The stored name of a member as a path relative to the working directory:
// '\' read as '/', leading '/' and "." components dropped. Empty when the name
// would leave the directory (a ".." component) or names no file.
QString workingCopyName(const QString &storedName);

// `path` relative to `directory` when it lies inside it, else empty.
QString relativeToDirectory(const QString &directory, const QString &path);

}  // namespace platform
