#pragma once
// The editor's window captions and file dialog settings.

#include <QString>

namespace editor {

// "Noname": the name of a text not yet saved.
QString noName();
// Matches .txt in any case, as the dialogs did on a case-blind file system.
QString fileFilter();

// "Noname - " followed by the application's title.
QString creationCaption(const QString &applicationTitle);
// After New: "Orvex 97 Internal editor - Noname".
QString newFileCaption();
// After Open, Save As and opening a member: the prefix and the name's last
// component (the text after its last '/').
QString fileCaption(const QString &name);
QString lastComponent(const QString &name);

// Save As onto a file that exists: the full path, then " already exists. Replace it?".
QString replaceQuestion(const QString &path);
// Saving a text that the file's encoding cannot hold.
QString conversionQuestion(const QString &path, const QString &encodingName);

}  // namespace editor
