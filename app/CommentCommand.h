#pragma once
// View > Archive comment…: the current archive's comment, shown as text and,
// for an archive that can be written, edited and written back.

#include <QString>
#include <functional>
#include <string>

class ArchiveSession;
class QWidget;
class TZipEngine;

namespace comment_command {

// Shows the comment window-modal over `parent` without waiting for it. A
// changed comment is handed to `changed` as the bytes to store once the
// window has closed; nothing is written from inside the window.
void show(ArchiveSession &session, QWidget *parent, const std::function<void(const std::string &bytes)> &changed);

// Writes `bytes` as the comment of `archive`, if it is still the current one,
// with the usual rewrite to a new file inside the operation frame.
void write(ArchiveSession &session, const QString &archive, const std::string &bytes);

// The member's own comment as text; empty when it has none.
QString memberComment(const TZipEngine &engine, int entry);

}  // namespace comment_command
