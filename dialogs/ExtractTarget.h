#pragma once
// Where an extraction goes, apart from the dialog that chooses it: a typed
// folder read and checked, the folder named after the archive, and whether
// an archive's members want one.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

namespace extract_target {

// A typed folder made absolute and clean, with a trailing '/'; "~" at its
// start is the home folder. Empty when it is not a full path: a relative one
// would land wherever the process happens to be.
QString typedFolder(const QString &typed);

// Why the folder `folder` (from typedFolder) cannot take an extraction, or
// empty when it can: it, or a folder on the way to it, is something else
// than a folder. A folder that does not exist yet can: it is made.
QString folderProblem(const QString &folder);

// The archive's file name without its archive and compression extensions:
// "photos.tar.gz" gives "photos", "backup.zip" gives "backup". A name that
// is nothing but extensions stays as it is.
QString archiveFolderName(const QString &archivePath);

// True when every member lies under one and the same top folder ("top/…" or
// the folder's own entry "top/"): such an archive brings its own folder.
// `nameAt` gives the name of member 0 to count - 1; the walk stops at the
// first member outside the folder.
bool membersUnderOneFolder(qsizetype count, const std::function<std::string(qsizetype)> &nameAt);
bool membersUnderOneFolder(const std::vector<std::string> &names);

// The folder below `target` (ending in '/') to extract into: `name`, or,
// while that name is taken by something other than a folder, "name (2)",
// "name (3)" …. An existing folder of the name is used as it is. Ends in '/'.
QString folderBelow(const QString &target, const QString &name);

}  // namespace extract_target
