#pragma once
// The desktop's applications for a file, as its menus know them: the
// .desktop files under each data directory's applications/ folder, the MIME
// types they declare, the user's default in mimeapps.list, and the command
// line an entry's Exec key makes for one file. Qt has no chooser of its own,
// so Open with… builds its list from here.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace platform {

struct DesktopApplication {
    QString id;  // the desktop file id: "org.gnome.eog.desktop"
    QString name;
    QString exec;  // the Exec key, unescaped
    QString tryExec;
    QStringList mimeTypes;
    bool noDisplay = false;
    bool hidden = false;
    bool isDefault = false;  // the user's default for the type (applicationsFor)
};

// The [Desktop Entry] group of a desktop file's `text`, as application `id`;
// nothing when the file is no application or has no Exec.
std::optional<DesktopApplication> parseDesktopEntry(const QString &text, const QString &id);

// The program and its arguments that Exec line `exec` gives for `file`: %f
// and %F become the file's path, %u and %U its file: URL, %% a percent sign;
// the other field codes go. Without a file code the path is appended. Empty
// when the line is empty or its quoting is broken.
QStringList commandLine(const QString &exec, const QString &file);

// $XDG_DATA_HOME then $XDG_DATA_DIRS, with their defaults.
QStringList dataDirectories();
// $XDG_CONFIG_HOME then $XDG_CONFIG_DIRS, with their defaults.
QStringList configDirectories();

// The MIME type of the file at `path`, then the types it derives from.
QStringList mimeTypesOf(const QString &path);

// The applications that declare one of `mimeTypes` (most specific first), in
// the applications/ folders of `dataDirectories`: an id found in an earlier
// folder hides the same id in later ones; hidden entries, entries not for
// menus and entries whose TryExec program is missing are left out. The
// default of mimeapps.list (in `configDirectories`, then in each
// applications/ folder) comes first, the rest by name.
std::vector<DesktopApplication> applicationsFor(const QStringList &mimeTypes, const QStringList &dataDirectories,
                                                const QStringList &configDirectories);

}  // namespace platform
