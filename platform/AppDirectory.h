#pragma once
// The program's private working directory, where a member is put while it is
// edited or run, and the paths of members inside it.

#include <QString>

namespace platform {

// $XDG_CACHE_HOME/orvex97/work/ (or ~/.cache/orvex97/work/), with its
// trailing '/', without creating anything.
QString appDirectoryPath();

// Creates the directory `path` (and its parents) with mode 0700, or sets an
// existing one to 0700. Throws std::runtime_error when it cannot, or when
// `path` is a link.
void createPrivateDirectory(const QString &path);

// The same directory, created with mode 0700 when missing (and set to 0700
// when it exists). Throws std::runtime_error when it cannot be made.
QString AppDirectory();

// The stored name of a member as a path relative to the working directory:
// '\' read as '/', leading '/' and "." components dropped. Empty when the name
// would leave the directory (a ".." component) or names no file.
QString workingCopyName(const QString &storedName);

// `path` relative to `directory` when it lies inside it, else empty.
QString relativeToDirectory(const QString &directory, const QString &path);

}  // namespace platform
