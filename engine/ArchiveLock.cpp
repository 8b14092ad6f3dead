#include "engine/ArchiveLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvex {

namespace {

std::string directoryOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Whether `path` still names what `fd` has open, or, for a directory lock,
// still names nothing.
bool stillCurrent(const std::string &path, int fd, bool onArchive)
{
    struct stat now {};
    if (::stat(path.c_str(), &now) != 0)
        return !onArchive && errno == ENOENT;
    if (!onArchive)
        return false;
    struct stat held {};
    return ::fstat(fd, &held) == 0 && held.st_dev == now.st_dev && held.st_ino == now.st_ino;
}

}  // namespace

ArchiveLock::~ArchiveLock()
{
    unlock();
}

void ArchiveLock::unlock()
{
    if (fd_ >= 0)
        ::close(fd_);  // closing the only descriptor releases the flock
    fd_ = -1;
}

ArchiveLock::Outcome ArchiveLock::lock(const std::string &archive, bool wait, const std::function<void()> &onWait,
                                       const std::function<bool()> &cancelled)
{
    unlock();
    bool announced = false;
    for (;;) {
        // O_NONBLOCK: a FIFO in the archive's place must not hang the open.
        int fd = ::open(archive.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        const bool onArchive = fd >= 0;
        if (!onArchive) {
            if (errno != ENOENT)
                return Locked;
            fd = ::open(directoryOf(archive).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd < 0)
                return Locked;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK) {
                ::close(fd);
                return Locked;  // no locks here (some network file systems)
            }
            if (!wait) {
                ::close(fd);
                return Busy;
            }
            if (!announced && onWait)
                onWait();
            announced = true;
            // A signal that came before the wait began does not interrupt it.
            if (cancelled && cancelled()) {
                ::close(fd);
                return Cancelled;
            }
            while (::flock(fd, LOCK_EX) != 0) {
                if (errno != EINTR) {
                    ::close(fd);
                    return Locked;
                }
                if (cancelled && cancelled()) {
                    ::close(fd);
                    return Cancelled;
                }
            }
        }
        if (stillCurrent(archive, fd, onArchive)) {
            fd_ = fd;
            return Locked;
        }
        ::close(fd);  // replaced (or created) meanwhile: lock what is there now
    }
}

}  // namespace orvex
