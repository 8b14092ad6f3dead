#pragma once
// The desktop's Trash (the freedesktop.org one), through Qt.

#include <QString>

namespace platform {

// Moves `path` to the Trash; empty when it went, else why it could not.
// Where the user has no data folder for a Trash and none can be made, the
// file stays where it is.
QString moveToTrash(const QString &path);

}  // namespace platform
