#include "platform/PrivateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Why `native` could not be opened as a folder, in words.
QString openFailure(const QByteArray &native, int error)
{
    struct stat st {};
    if (::lstat(native.constData(), &st) == 0) {
        //: Why a folder cannot be used; follows the folder's name ("The working folder /x is a link")
        if (S_ISLNK(st.st_mode))
            return QCoreApplication::translate("platform", "is a link");
        //: Why a folder cannot be used; follows the folder's name
        if (!S_ISDIR(st.st_mode))
            return QCoreApplication::translate("platform", "is not a folder");
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

// Opens the folder `name` of `parentFd` to empty it: never through a link,
// and opened up first when its own mode keeps its owner out.
int openFolderToEmpty(int parentFd, const char *name)
{
    constexpr int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::openat(parentFd, name, flags);
    // AT_SYMLINK_NOFOLLOW: a link put there meanwhile is refused, not followed.
    if (fd < 0 && errno == EACCES && ::fchmodat(parentFd, name, 0700, AT_SYMLINK_NOFOLLOW) == 0)
        fd = ::openat(parentFd, name, flags);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && (st.st_mode & 0700) != 0700)
        ::fchmod(fd, 0700);
    return fd;
}

// Removes what in the folder open on `fd` is no folder and returns the
// names of its folders on the same file system, still to be emptied.
std::vector<std::string> removeFilesIn(int fd, dev_t device, bool &ok)
{
    std::vector<std::string> folders;
    std::vector<std::string> names;
    if (!entryNamesAt(fd, names)) {
        ok = false;
        return folders;
    }
    for (std::string &name : names) {
        struct stat st {};
        if (::fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = ok && errno == ENOENT;
        } else if (!S_ISDIR(st.st_mode)) {
            if (::unlinkat(fd, name.c_str(), 0) != 0 && errno != ENOENT)
                ok = false;
        } else if (st.st_dev != device) {
            ok = false;  // something mounted here is not ours to empty
        } else {
            folders.push_back(std::move(name));
        }
    }
    return folders;
}

}  // namespace

QString withoutFinalSlash(const QString &path)
{
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/')))
        trimmed.chop(1);
    return trimmed;
}

bool entryNamesAt(int dirFd, std::vector<std::string> &names)
{
    // A descriptor of its own: closedir() closes the one it reads.
    const int listing = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return false;
    }
    while (const dirent *entry = ::readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    ::closedir(dir);
    return true;
}

QString privateFolderRefusal(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    //: Why a folder cannot be used; follows the folder's name
    if (!S_ISDIR(st.st_mode))
        return QCoreApplication::translate("platform", "is not a folder");
    //: Why a folder cannot be used; follows the folder's name
    if (st.st_uid != ::geteuid())
        return QCoreApplication::translate("platform", "belongs to another user");
    //: Why a folder cannot be used; follows the folder's name. %1 is its octal permission mode, such as 0755
    if ((st.st_mode & 07777) != 0700)
        return QCoreApplication::translate("platform", "has mode %1, not 0700")
            .arg(st.st_mode & 07777, 4, 8, QLatin1Char('0'));
    return {};
}

int openPrivateFolder(const QString &path, QString &refusal)
{
    const QByteArray native = QFile::encodeName(withoutFinalSlash(path));
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        refusal = openFailure(native, errno);
        return -1;
    }
    refusal = privateFolderRefusal(fd);
    if (refusal.isEmpty())
        return fd;
    ::close(fd);
    return -1;
}

int makePrivateFolder(const QString &path, QString &refusal)
{
    const QByteArray native = QFile::encodeName(withoutFinalSlash(path));
    const QString parent = QFileInfo(QFile::decodeName(native)).path();
    if (!QDir().mkpath(parent)) {
        //: Why a folder cannot be used; follows the folder's name. %1 is the folder that would hold it
        refusal =
            QCoreApplication::translate("platform", "cannot be made: its folder %1 cannot be created").arg(parent);
        return -1;
    }
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        const int error = errno;
        //: Why a folder cannot be used; follows the folder's name. %1 is the system's reason
        refusal = QCoreApplication::translate("platform", "cannot be made: %1")
                      .arg(QString::fromLocal8Bit(std::strerror(error)));
        return -1;
    }
    return openPrivateFolder(path, refusal);
}

bool removeEntryAt(int dirFd, const std::string &name)
{
    struct stat st {};
    if (::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(st.st_mode))
        return ::unlinkat(dirFd, name.c_str(), 0) == 0 || errno == ENOENT;
    int current = openFolderToEmpty(dirFd, name.c_str());
    if (current < 0)
        return false;
    // One folder is open at a time, however deep the tree: a member's path
    // may nest thousands of folders, more than a process may hold open.
    // Each level keeps its name and the folders in it still to be emptied.
    struct Level {
        std::string name;
        std::vector<std::string> folders;
    };
    bool ok = true;
    const dev_t device = st.st_dev;
    std::vector<Level> levels;
    levels.push_back({name, removeFilesIn(current, device, ok)});
    while (levels.size() > 1 || !levels.back().folders.empty()) {
        Level &level = levels.back();
        if (!level.folders.empty()) {
            std::string child = std::move(level.folders.back());
            level.folders.pop_back();
            const int childFd = openFolderToEmpty(current, child.c_str());
            if (childFd < 0) {
                ok = false;
                continue;
            }
            ::close(current);
            current = childFd;
            levels.push_back({std::move(child), removeFilesIn(current, device, ok)});
            continue;
        }
        // ".." of a folder entered without following a link is the folder
        // it was entered from.
        const int parentFd = ::openat(current, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(current);
        if (parentFd < 0)
            return false;
        if (::unlinkat(parentFd, level.name.c_str(), AT_REMOVEDIR) != 0)
            ok = false;
        current = parentFd;
        levels.pop_back();
    }
    ::close(current);
    if (::unlinkat(dirFd, name.c_str(), AT_REMOVEDIR) != 0 && errno != ENOENT)
        ok = false;
    return ok;
}

bool removeTree(const QString &path)
{
    if (path.isEmpty())
        return true;
    const QString native = withoutFinalSlash(path);
    const QFileInfo info(native);
    const int parent = ::open(QFile::encodeName(info.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0)
        return errno == ENOENT;
    const bool removed = removeEntryAt(parent, QFile::encodeName(info.fileName()).toStdString());
    ::close(parent);
    return removed;
}

}  // namespace platform
