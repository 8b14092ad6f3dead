#include "platform/AppDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>

namespace platform {

QString appDirectoryPath()
{
    // A relative XDG_CACHE_HOME is invalid and must be ignored.
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return QDir::cleanPath(cache + QStringLiteral("/orvex97/work")) + QLatin1Char('/');
}

void createPrivateDirectory(const QString &path)
{
    const QString directory = path.endsWith(QLatin1Char('/')) ? path.chopped(1) : path;
    const QString parent = QFileInfo(directory).path();
    const QByteArray native = QFile::encodeName(directory);
    if (!QDir().mkpath(parent))
        throw std::runtime_error("Cannot create directory " + parent.toStdString());
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        throw std::runtime_error("Cannot create directory " + path.toStdString() + ": " + std::strerror(errno));
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        throw std::runtime_error("Cannot create directory " + path.toStdString());
    // Members may be private: only the user reads what is being edited.
    if ((st.st_mode & 07777) != 0700)
        ::chmod(native.constData(), 0700);
}

QString AppDirectory()
{
    const QString path = appDirectoryPath();
    createPrivateDirectory(path);
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
