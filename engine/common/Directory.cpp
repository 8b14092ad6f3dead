#include "engine/common/Directory.h"

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

}  // namespace common
