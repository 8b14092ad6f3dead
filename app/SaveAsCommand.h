#pragma once
// File > Save as…: writes the open archive's members, of whatever format,
// into a new archive in the format its name gives (ZIP, tar and its
// compressions, 7z), with the add dialog's compression level and, for ZIP
// when the user asks, a password. The open archive is left as it was;
// the new one is opened once it is complete.

#include <QString>
#include <functional>

class ArchiveSession;
class QWidget;

namespace save_as {

// The name offered: the archive's own, its archive extensions ("tar.gz",
// "7z", "zip") replaced by ".zip", with " (copy)" when that is the archive
// itself.
QString suggestedName(const QString &archive);

// `open` makes an archive current and lists it; it is given the new archive
// once written, else the one that was open.
void run(ArchiveSession &session, QWidget *parent, int level, const std::function<void(const QString &)> &open);

}  // namespace save_as
