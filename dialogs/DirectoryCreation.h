#pragma once
// Making the new directory that the extract dialog asks for by name, and
// the typed folder an extraction goes into.

#include <QString>

namespace newdir {

// Creates `path`, one level only: its parent must exist. Empty on success,
// else the reason in the runtime's words ("File access denied", "Path not
// found", otherwise "I/O error" and the system's error number). A relative
// path is refused as not found: it would land wherever the process happens
// to be.
QString createOneLevel(const QString &path);

// Creates `path` with every missing folder above it, one level at a time,
// so that a failure names its reason as createOneLevel does. Empty on
// success, and when the folder exists already.
QString createPath(const QString &path);

// Why `name` cannot be a new folder's name, or empty when it can: one level,
// so no "/", and not "." or "..", which name folders that exist.
QString nameProblem(const QString &name);

// The reason for a failed file-system call with error number `error`.
QString ioErrorText(int error);

}  // namespace newdir
