#include "engine/common/ArchivePath.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace common {

std::string resolveArchivePath(const std::string &name)
{
    struct stat status {};
    if (::lstat(name.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return name;
    if (char *real = ::realpath(name.c_str(), nullptr)) {
        std::string resolved = real;
        std::free(real);
        return resolved;
    }
    // Dangling: follow it step by step, as the kernel would, to the name
    // that does not exist. A loop is left to fail when the archive is opened.
    std::string path = name;
    for (int hops = 0; hops < 40; ++hops) {
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        std::vector<char> target(size_t(status.st_size > 0 ? status.st_size : PATH_MAX) + 1);
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || size_t(n) >= target.size())
            return name;
        const std::string next(target.data(), size_t(n));
        if (next.front() == '/') {
            path = next;
        } else {
            const size_t slash = path.rfind('/');
            path = slash == std::string::npos ? next : path.substr(0, slash + 1) + next;
        }
    }
    return name;
}

}  // namespace common
