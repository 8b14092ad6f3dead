#pragma once
// File > Save as ZIP…: writes the open archive's members, of whatever format,
// into a new ZIP archive with our engine, the add dialog's compression level
// and, when the user asks, a password. The open archive is left as it was;
// the new one is opened once it is complete.

#include <QString>
#include <functional>

class ArchiveSession;
class QWidget;

namespace save_as_zip {

// The name offered: the archive's own, its archive extensions ("tar.gz",
// "7z", "zip") replaced by ".zip", with " (copy)" when that is the archive
// itself.
QString suggestedName(const QString &archive);

// `open` makes an archive current and lists it; it is given the new archive
// once written, else the one that was open.
void run(ArchiveSession &session, QWidget *parent, int level, const std::function<void(const QString &)> &open);

}  // namespace save_as_zip
