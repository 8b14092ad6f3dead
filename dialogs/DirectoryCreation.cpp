#include "dialogs/DirectoryCreation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

namespace newdir {

QString ioErrorText(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return QCoreApplication::translate("newdir", "Path not found");
    case EACCES:
    case EPERM:
    case EROFS: return QCoreApplication::translate("newdir", "File access denied");
    case EEXIST: return QCoreApplication::translate("newdir", "File already exists");
    //: %1 is the system's error number.
    default: return QCoreApplication::translate("newdir", "I/O error %1").arg(error);
    }
}

QString nameProblem(const QString &name)
{
    if (name.contains(QLatin1Char('/')))
        return QCoreApplication::translate("newdir", "A folder name cannot contain \"/\": make one folder at a time");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        //: %1 is "." or "..".
        return QCoreApplication::translate("newdir", "\"%1\" is not a name for a new folder").arg(name);
    return {};
}

QString createOneLevel(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return ioErrorText(ENOENT);
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
        return ioErrorText(errno);
    return {};
}

QString createPath(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return ioErrorText(ENOENT);
    const QString clean = QDir::cleanPath(path);
    if (QFileInfo(clean).isDir())
        return {};
    if (const QString above = createPath(QFileInfo(clean).path()); !above.isEmpty())
        return above;
    return createOneLevel(clean);
}

}  // namespace newdir
