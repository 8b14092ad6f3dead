#include "engine/common/Directory.h"

#include "engine/common/SystemCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace common {

int openSearchableDirectory(const std::string &path, int accessMode)
{
    const int fd = ::open(path.c_str(), accessMode | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0 && ::faccessat(fd, ".", X_OK, AT_EACCESS) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

bool renameInto(int dir, const std::string &from, const std::string &to, bool replace)
{
    if (replace)
        return sys::renameat(dir, from.c_str(), dir, to.c_str()) == 0;
    if (sys::renameat2(dir, from.c_str(), dir, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without RENAME_NOREPLACE: a hard link fails just as well
    // when the name is taken.
    if (sys::linkat(dir, from.c_str(), dir, to.c_str(), 0) != 0)
        return false;
    ::unlinkat(dir, from.c_str(), 0);
    return true;
}

}  // namespace common
