#include "dialogs/DirectoryCreation.h"

#include <QFile>
#include <cerrno>
#include <sys/stat.h>

namespace newdir {

QString ioErrorText(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Path not found");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("File access denied");
    default:
        return QStringLiteral("I/O error %1").arg(error);
    }
}

QString createOneLevel(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return ioErrorText(ENOENT);
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
        return ioErrorText(errno);
    return {};
}

}  // namespace newdir
