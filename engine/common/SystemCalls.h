#pragma once
// The system calls through which both engine libraries change the disk:
// writes, truncation, fsync, renames, links and directory creation.
//
// In a normal build each is the plain call, inlined. Built with
// ORVEX_FAULT_INJECTION (tests only) they can be made to fail on purpose,
// so that tests can prove what a full disk, an I/O error or a crash at any
// one of them leaves behind. The plan comes from the environment, read when
// a FaultScope starts (once per library call, at the entry point):
//
//   ORVEX_FAULT=KIND:N[:ERRNO]
//     write:N        the N-th write-class call (write, pwrite,
//                    copy_file_range, ftruncate) fails, EIO by default
//     short-write:N  the N-th write-class call writes only half of what it
//                    was given (write, pwrite, copy_file_range of 2 bytes
//                    or more; otherwise it is not shortened)
//     rename:N       the N-th rename (rename, renameat, renameat2, and the
//                    linkat that stands in for renameat2) fails
//     mkdir:N        the N-th directory creation fails
//     symlink:N      the N-th symbolic link creation fails
//     sync:N         the N-th fsync fails
//     kill:N         SIGKILL just before the N-th call of any of the kinds
//                    above, counted together
//   ERRNO is a name (EIO, ENOSPC, EDQUOT, EFBIG, EROFS, EACCES, EPERM, EINTR,
//   EEXIST, EXDEV, EINVAL, ENOENT) or a number. N counts from 1. A plan that
//   cannot be read aborts the process: a mistyped plan must not pass for a
//   run without faults.
//
//   ORVEX_FAULT_TALLY=PATH
//     when the scope ends, PATH is overwritten with one "KIND COUNT" line per
//     kind (write, rename, mkdir, symlink, sync), "any COUNT" and
//     "fired COUNT": how many calls the library call made, and whether the
//     planned fault happened. Tests use it to learn the range to walk.
//
// The counters are atomic: the extraction library writes from several
// threads. One plan serves the whole process, so library calls made at the
// same time from several threads share it.

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace common::sys {

#if ORVEX_FAULT_INJECTION

ssize_t write(int fd, const void *data, size_t length);
ssize_t pwrite(int fd, const void *data, size_t length, off_t at);
ssize_t copyFileRange(int in, off_t *inOffset, int out, off_t *outOffset, size_t length, unsigned flags);
int ftruncate(int fd, off_t length);
int fsync(int fd);
int rename(const char *from, const char *to);
int renameat(int fromDir, const char *from, int toDir, const char *to);
int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned flags);
int linkat(int fromDir, const char *from, int toDir, const char *to, int flags);
int symlinkat(const char *target, int dir, const char *name);
int mkdirat(int dir, const char *name, mode_t mode);

// Reads the plan and starts the counts; the end writes the tally.
class FaultScope {
public:
    FaultScope();
    ~FaultScope();
    FaultScope(const FaultScope &) = delete;
    FaultScope &operator=(const FaultScope &) = delete;
};

#else

inline ssize_t write(int fd, const void *data, size_t length)
{
    return ::write(fd, data, length);
}
inline ssize_t pwrite(int fd, const void *data, size_t length, off_t at)
{
    return ::pwrite(fd, data, length, at);
}
inline ssize_t copyFileRange(int in, off_t *inOffset, int out, off_t *outOffset, size_t length, unsigned flags)
{
    return ::copy_file_range(in, inOffset, out, outOffset, length, flags);
}
inline int ftruncate(int fd, off_t length)
{
    return ::ftruncate(fd, length);
}
inline int fsync(int fd)
{
    return ::fsync(fd);
}
inline int rename(const char *from, const char *to)
{
    return ::rename(from, to);
}
inline int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    return ::renameat(fromDir, from, toDir, to);
}
inline int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned flags)
{
    return ::renameat2(fromDir, from, toDir, to, flags);
}
inline int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    return ::linkat(fromDir, from, toDir, to, flags);
}
inline int symlinkat(const char *target, int dir, const char *name)
{
    return ::symlinkat(target, dir, name);
}
inline int mkdirat(int dir, const char *name, mode_t mode)
{
    return ::mkdirat(dir, name, mode);
}

class FaultScope {
public:
    FaultScope() {}
};

#endif

}  // namespace common::sys
