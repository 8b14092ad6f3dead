#pragma once
// Where "Extract here" puts an archive's members. They are extracted into a
// hidden folder of their own beside the result first; then one top entry (a
// folder, or a lone file) moves out as it is, and several stay together in
// a folder named after the archive, so that an archive of loose files never
// spills over the user's folder. Nothing already there is ever replaced: a
// taken name gets " (2)", " (3)" ….

#include <QString>

namespace extract_placement {

// Renames `from` to `to` unless something is there already: false, with
// errno EEXIST then, or the system's reason.
bool moveWithoutReplacing(const QString &from, const QString &to);

// Makes the hidden folder inside `parent` to extract into; empty with
// `error` set when it cannot be made.
QString makeStaging(const QString &parent, QString &error);

// `name` numbered for the n-th try (n >= 2): "photos (2)", "notes (2).txt"
// for a file (the number goes before its extensions).
QString numberedName(const QString &name, int n, bool isFolder);

// Moves what `staging` (from makeStaging) holds into its parent as said
// above, with `folderName` for several entries, and removes `staging`.
// Returns the path of the file or folder made; empty when there was nothing
// to move or, with `error` set, when the move failed (staging then stays,
// its contents intact).
QString settle(const QString &staging, const QString &folderName, QString &error);

}  // namespace extract_placement
