#include "platform/AppDirectory.h"

#include "platform/PrivateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <stdexcept>
#include <unistd.h>

namespace platform {

QString appDirectoryPath()
{
    // A relative XDG_CACHE_HOME is invalid and must be ignored.
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return QDir::cleanPath(cache + QStringLiteral("/orvex97/work")) + QLatin1Char('/');
}

QString AppDirectory()
{
    const QString path = appDirectoryPath();
    QString refusal;
    const int fd = makePrivateFolder(path, refusal);
    if (fd < 0)
        //: %1 is a folder; %2 says why it cannot be used ("is a link")
        throw std::runtime_error(
            QCoreApplication::translate("platform", "Cannot use directory %1: it %2").arg(path, refusal).toStdString());
    ::close(fd);
    return path;
}

QString workingCopyName(const QString &storedName)
{
    QString name = storedName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList parts;
    for (const QString &part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String(".."))
            return {};
        parts.append(part);
    }
    // A directory entry ("docs/") is no file to edit or run.
    if (parts.isEmpty() || name.endsWith(QLatin1Char('/')))
        return {};
    return parts.join(QLatin1Char('/'));
}

QString relativeToDirectory(const QString &directory, const QString &path)
{
    if (directory.isEmpty() || !path.startsWith(directory) || path.size() == directory.size())
        return {};
    const QString rest = path.mid(directory.size());
    return workingCopyName(rest) == rest ? rest : QString();
}

}  // namespace platform
