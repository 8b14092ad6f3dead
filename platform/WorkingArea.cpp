#include "platform/WorkingArea.h"

#include "platform/PrivateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

const char *const RunPrefix = "run-";
const char *const LockName = ".lock";

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

std::string cannotCreateFolder(const QString &in, int error)
{
    //: %1 is a folder, %2 the system's reason
    return QCoreApplication::translate("platform", "Cannot create a folder in %1: %2")
        .arg(in, systemReason(error))
        .toStdString();
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Held while leftovers are removed and while a run folder is made and
// locked, so that a start never takes another start's new folder, not yet
// locked, for a leftover.
class DirectoryLock {
public:
    explicit DirectoryLock(int rootFd)
        : fd_(::openat(rootFd, LockName, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600))
    {
        while (fd_.get() >= 0 && ::flock(fd_.get(), LOCK_EX) != 0 && errno == EINTR) {
        }
    }

private:
    Descriptor fd_;
};

// A run folder whose lock nobody holds belongs to a run that has ended. One
// without a lock file was made by a run that died before it could lock it.
// When the lock cannot be tried at all, the folder is left alone.
bool abandoned(int runFd)
{
    const Descriptor lock(::openat(runFd, LockName, O_RDWR | O_CLOEXEC | O_NOFOLLOW));
    if (lock.get() < 0)
        return errno == ENOENT;
    return ::flock(lock.get(), LOCK_EX | LOCK_NB) == 0;
}

}  // namespace

WorkingArea::~WorkingArea()
{
    removeFolder(runFolder_);
    removeFolder(substituteRoot_);
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

QString WorkingArea::removeLeftovers(const QString &root)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(withoutFinalSlash(root)).constData(), &st) != 0 && errno == ENOENT)
        return {};  // nothing was ever left there
    QString refusal;
    const Descriptor rootFd(openPrivateFolder(root, refusal));
    if (rootFd.get() < 0)
        //: %1 is a folder, %2 says why it cannot be used ("is a link"), %3 the folder for temporary files
        return QCoreApplication::translate("platform",
                                           "The working folder %1 %2, so nothing in it is used or removed; this run "
                                           "keeps its copies of members in a new private folder under %3 instead.")
            .arg(withoutFinalSlash(root), refusal, QDir::tempPath());
    const DirectoryLock lock(rootFd.get());
    QStringList leftAlone;
    std::vector<std::string> entries;
    entryNamesAt(rootFd.get(), entries);
    for (const std::string &entryName : entries) {
        const QString name = QFile::decodeName(QByteArray::fromStdString(entryName));
        if (name == QLatin1String(LockName))
            continue;
        // The bytes as listed: a name that is not valid text would not
        // come back the same from QString.
        const QByteArray native = QByteArray::fromStdString(entryName);
        struct stat entry {};
        const bool runFolder = name.startsWith(QLatin1String(RunPrefix))
                               && ::fstatat(rootFd.get(), native.constData(), &entry, AT_SYMLINK_NOFOLLOW) == 0
                               && S_ISDIR(entry.st_mode);
        // Anything else is a copy an earlier version left loose here, which
        // no running instance owns, or a link, which goes itself.
        if (!runFolder) {
            removeEntryAt(rootFd.get(), entryName);
            continue;
        }
        const Descriptor runFd(
            ::openat(rootFd.get(), native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        const QString reason = runFd.get() < 0 ? QString::fromLocal8Bit(std::strerror(errno))
                                               : privateFolderRefusal(runFd.get());
        if (!reason.isEmpty())
            leftAlone << name + QLatin1Char(' ') + reason;
        else if (abandoned(runFd.get()))
            removeEntryAt(rootFd.get(), entryName);
    }
    if (leftAlone.isEmpty())
        return {};
    //: %1 is a folder; %2 lists the names in it, each with why it cannot be used ("run-x1 is a link; run-x2 ...")
    return QCoreApplication::translate("platform", "In the working folder %1, nothing of these is used or removed: %2.")
        .arg(withoutFinalSlash(root), leftAlone.join(QStringLiteral("; ")));
}

void WorkingArea::claimRunFolder()
{
    QString refusal;
    int rootFd = makePrivateFolder(root_, refusal);
    if (rootFd < 0) {
        // Never the unusable folder, nor anything in it: one of our own.
        QByteArray pattern = QFile::encodeName(QDir::tempPath() + QStringLiteral("/orvex97-work-XXXXXX"));
        if (!::mkdtemp(pattern.data())) {
            const int error = errno;
            //: %1 is the folder for temporary files, %2 the system's reason
            throw std::runtime_error(QCoreApplication::translate("platform", "Cannot create a working folder in %1: %2")
                                         .arg(QDir::tempPath(), systemReason(error))
                                         .toStdString());
        }
        substituteRoot_ = QFile::decodeName(pattern) + QLatin1Char('/');
        root_ = substituteRoot_;
        rootFd = openPrivateFolder(root_, refusal);
        if (rootFd < 0)
            //: %1 is a folder, %2 why it cannot be used
            throw std::runtime_error(QCoreApplication::translate("platform", "Cannot use the working folder %1: %2")
                                         .arg(root_, refusal)
                                         .toStdString());
    }
    const Descriptor root(rootFd);
    const DirectoryLock lock(root.get());
    QByteArray pattern = QFile::encodeName(root_ + QLatin1String(RunPrefix) + QStringLiteral("XXXXXX"));
    if (!::mkdtemp(pattern.data())) {
        const int error = errno;
        throw std::runtime_error(cannotCreateFolder(root_, error));
    }
    const QString folder = QFile::decodeName(pattern) + QLatin1Char('/');
    const Descriptor run(openPrivateFolder(folder, refusal));
    const int fd =
        run.get() < 0 ? -1 : ::openat(run.get(), LockName, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        removeFolder(folder);
        //: %1 is a folder, %2 the system's reason
        throw std::runtime_error(QCoreApplication::translate("platform", "Cannot lock %1: %2")
                                     .arg(folder, systemReason(error))
                                     .toStdString());
    }
    runFolder_ = folder;
    lockFd_ = fd;
}

QString WorkingArea::newFolder()
{
    if (runFolder_.isEmpty())
        claimRunFolder();
    QByteArray pattern = QFile::encodeName(runFolder_ + QStringLiteral("copy-XXXXXX"));
    if (!::mkdtemp(pattern.data())) {
        const int error = errno;
        throw std::runtime_error(cannotCreateFolder(runFolder_, error));
    }
    return QFile::decodeName(pattern) + QLatin1Char('/');
}

void WorkingArea::removeFolder(const QString &folder)
{
    removeTree(folder);
}

}  // namespace platform
