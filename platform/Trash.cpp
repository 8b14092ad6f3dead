#include "platform/Trash.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace platform {

namespace {

// Qt 6.4 makes the home Trash only inside an existing data folder, and
// without one moves the file into "files" under the current directory; a
// desktop session always has the folder, a fresh account may not.
bool haveHomeTrashFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return !data.isEmpty() && QDir().mkpath(data) && QFileInfo(data).isDir();
}

// Trash folders are "Trash" in the data folder, or ".Trash/UID" and
// ".Trash-UID" at the top of another file system; each keeps its files in
// "files".
bool liesInATrash(const QString &path)
{
    const QStringList parts = QFileInfo(path).absoluteFilePath().split(QLatin1Char('/'));
    const qsizetype n = parts.size();
    return n >= 4 && parts[n - 2] == QLatin1String("files")
           && (parts[n - 3] == QLatin1String("Trash") || parts[n - 3].startsWith(QLatin1String(".Trash-"))
               || parts[n - 4] == QLatin1String(".Trash"));
}

}  // namespace

QString moveToTrash(const QString &path)
{
    if (!haveHomeTrashFolder())
        //: Why a file was not moved to the Trash
        return QCoreApplication::translate("platform", "there is no folder for a Trash");
    QFile file(path);
    if (!file.moveToTrash())
        return file.errorString();
    // Qt names where the file went; anywhere but a Trash, it comes back.
    if (liesInATrash(file.fileName()))
        return {};
    QFile::rename(file.fileName(), path);
    //: Why a file was not moved to the Trash
    return QCoreApplication::translate("platform", "the Trash could not be found");
}

}  // namespace platform
