#include "app/ExtractPlacement.h"

#include "platform/PrivateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace extract_placement {

namespace {

// The mode a new folder gets from the user's umask: the staging folder was
// private while it filled.
void giveUsualFolderMode(const QString &folder)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(folder).constData(), 0777 & ~mask);
}

}  // namespace

bool moveWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without RENAME_NOREPLACE: a hard link of a file fails
    // on an existing name as well; a folder is checked first.
    struct stat st {};
    if (::lstat(target.constData(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(source.constData(), target.constData()) == 0;
}

QString makeStaging(const QString &parent, QString &error)
{
    QByteArray pattern = QFile::encodeName(QDir(parent).filePath(QStringLiteral(".orvex97-extract-XXXXXX")));
    if (::mkdtemp(pattern.data()) == nullptr) {
        const int failure = errno;
        //: %1 is a folder's path, %2 the system's reason
        error = QCoreApplication::translate("extract_placement", "Cannot make a folder in %1: %2")
                    .arg(parent, QString::fromLocal8Bit(std::strerror(failure)));
        return {};
    }
    return QFile::decodeName(pattern);
}

QString numberedName(const QString &name, int n, bool isFolder)
{
    // A name on disk, the same in every language.
    const QString number = QStringLiteral(" (%1)").arg(n);
    // ".bashrc" has no extension; "notes.tar.gz" has ".tar.gz".
    const qsizetype dot = isFolder ? -1 : name.indexOf(QLatin1Char('.'), 1);
    return dot < 0 ? name + number : name.left(dot) + number + name.mid(dot);
}

QString settle(const QString &staging, const QString &folderName, QString &error)
{
    const QDir dir(staging);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    const QString parent = QFileInfo(staging).absolutePath();
    if (entries.isEmpty()) {
        platform::removeTree(staging);
        return {};
    }
    const bool alone = entries.size() == 1;
    const QString source = alone ? dir.filePath(entries.front()) : staging;
    const QString name = alone ? entries.front() : folderName;
    const QFileInfo info(source);
    const bool isFolder = info.isDir() && !info.isSymLink();
    for (int n = 1; n < 10000; ++n) {
        const QString target = QDir(parent).filePath(n == 1 ? name : numberedName(name, n, isFolder));
        if (moveWithoutReplacing(source, target)) {
            if (alone)
                ::rmdir(QFile::encodeName(staging).constData());
            else
                giveUsualFolderMode(target);
            return target;
        }
        if (errno != EEXIST && errno != ENOTEMPTY) {
            const int failure = errno;
            //: %1 and %2 are paths, %3 the system's reason
            error = QCoreApplication::translate("extract_placement", "Cannot move %1 to %2: %3")
                        .arg(source, target, QString::fromLocal8Bit(std::strerror(failure)));
            return {};
        }
    }
    //: %1 is a file or folder name, %2 the folder it was to go in
    error = QCoreApplication::translate("extract_placement", "Every name for %1 in %2 is taken").arg(name, parent);
    return {};
}

}  // namespace extract_placement
