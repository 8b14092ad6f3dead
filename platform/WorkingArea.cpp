#include "platform/WorkingArea.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

const QString RunPrefix = QStringLiteral("run-");
const QString LockName = QStringLiteral(".lock");

std::filesystem::path nativePath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Held while leftovers are removed and while a run folder is made and
// locked, so that a start never takes another start's new folder, not yet
// locked, for a leftover.
class DirectoryLock {
public:
    explicit DirectoryLock(const QString &root)
        : fd_(::open(QFile::encodeName(root + LockName).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600))
    {
        while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~DirectoryLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    DirectoryLock(const DirectoryLock &) = delete;
    DirectoryLock &operator=(const DirectoryLock &) = delete;

private:
    int fd_;
};

// A run folder whose lock nobody holds belongs to a run that has ended. One
// without a lock file was made by a run that died before it could lock it.
// When the lock cannot be tried at all, the folder is left alone.
bool abandoned(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder + QLatin1Char('/') + LockName).constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return errno == ENOENT;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

}  // namespace

WorkingArea::~WorkingArea()
{
    removeFolder(runFolder_);
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

void WorkingArea::removeLeftovers(const QString &root)
{
    const QFileInfo rootInfo(root);
    if (!rootInfo.isDir() || rootInfo.isSymLink())
        return;
    const DirectoryLock lock(root);
    const QFileInfoList entries =
        QDir(root).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (name == LockName)
            continue;
        const bool runFolder = name.startsWith(RunPrefix) && entry.isDir() && !entry.isSymLink();
        // Anything else is a copy an earlier version left loose here, which
        // no running instance owns.
        if (!runFolder || abandoned(entry.filePath()))
            removeFolder(entry.filePath());
    }
}

void WorkingArea::claimRunFolder()
{
    createPrivateDirectory(root_);
    const DirectoryLock lock(root_);
    QByteArray pattern = QFile::encodeName(root_ + RunPrefix + QStringLiteral("XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("Cannot create a folder in " + root_.toStdString() + ": " + std::strerror(errno));
    const QString folder = QFile::decodeName(pattern) + QLatin1Char('/');
    const int fd = ::open(QFile::encodeName(folder + LockName).constData(),
                          O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        removeFolder(folder);
        throw std::runtime_error("Cannot lock " + folder.toStdString() + ": " + std::strerror(error));
    }
    runFolder_ = folder;
    lockFd_ = fd;
}

QString WorkingArea::newFolder()
{
    if (runFolder_.isEmpty())
        claimRunFolder();
    QByteArray pattern = QFile::encodeName(runFolder_ + QStringLiteral("copy-XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("Cannot create a folder in " + runFolder_.toStdString() + ": " + std::strerror(errno));
    return QFile::decodeName(pattern) + QLatin1Char('/');
}

void WorkingArea::removeFolder(const QString &folder)
{
    if (folder.isEmpty())
        return;
    const std::filesystem::path path = nativePath(folder);
    std::error_code error;
    // remove_all removes a link, never what it points to.
    if (std::filesystem::remove_all(path, error) != static_cast<std::uintmax_t>(-1) && !error)
        return;
    // A folder without write permission (a member's own mode, kept by an
    // earlier version) keeps its contents: open every folder up and retry.
    error.clear();
    if (std::filesystem::is_directory(std::filesystem::symlink_status(path, error))) {
        ::chmod(path.c_str(), 0700);
        for (auto it = std::filesystem::recursive_directory_iterator(path, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
            if (it->is_directory(error) && !it->is_symlink(error))
                ::chmod(it->path().c_str(), 0700);
    }
    std::filesystem::remove_all(path, error);
}

}  // namespace platform
