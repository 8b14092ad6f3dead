#pragma once
// Folders that hold copies of members, which may be the plaintext of
// encrypted ones: checked before anything in them is used, and removed
// without ever following a link. A path ending in '/' makes the system follow
// a link at its end, so every check here opens the folder itself with
// O_NOFOLLOW and works from that descriptor.

#include <QString>
#include <string>
#include <vector>

namespace platform {

// `path` without the slashes at its end ("/" stays).
QString withoutFinalSlash(const QString &path);

// Appends the names in the folder open on `dirFd`, "." and ".." left out;
// false when it cannot be read.
bool entryNamesAt(int dirFd, std::vector<std::string> &names);

// Why the folder open on `fd` may not hold private copies: not this user's,
// or open to others (its mode is not 0700); empty when it may.
QString privateFolderRefusal(int fd);

// Opens `path` (with or without a final '/') as a directory without
// following a link at its end; -1 with `refusal` saying why when it is a
// link, no directory, missing or not private. Links in the folders above it
// are followed, as anywhere else.
int openPrivateFolder(const QString &path, QString &refusal);

// Creates `path` with mode 0700 (its parents as needed) when it does not
// exist, then opens it as openPrivateFolder does. An existing folder is
// never changed.
int makePrivateFolder(const QString &path, QString &refusal);

// Removes the entry `name` (its bytes as listed) of the folder open on `dirFd` and, when it is a
// folder, everything in it. Links are removed, never followed; a folder
// without write permission (a member's own mode) is opened up first. False
// when something could not be removed.
bool removeEntryAt(int dirFd, const std::string &name);

// The same for a path, with or without a final '/'. True for an empty path
// and for one that does not exist.
bool removeTree(const QString &path);

}  // namespace platform
