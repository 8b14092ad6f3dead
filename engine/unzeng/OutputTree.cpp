#include "engine/unzeng/OutputTree.h"

#include "engine/zipformat/SystemCalls.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace unzeng {

namespace {

std::string describe(int err)
{
    return std::strerror(err);
}

uint64_t mix(uint64_t x)
{
    // splitmix64's finaliser: consecutive counters give unrelated names.
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

}  // namespace

Directory::~Directory()
{
    if (fd_ >= 0)
        ::close(fd_);
}

OutputTree::OutputTree(int rootFd) : root_(std::make_shared<Directory>(rootFd))
{
    std::random_device device;
    nameKey_ = (uint64_t(device()) << 32) ^ device() ^ uint64_t(::getpid());
}

DirectoryRef OutputTree::open(const std::vector<std::string> &components, size_t count, bool create,
                              std::string &error)
{
    // Only a bounded number of directories stay open between members.
    if (cache_.size() > 128)
        cache_.clear();
    DirectoryRef current = root_;
    std::string path;
    for (size_t i = 0; i < count && i < components.size(); ++i) {
        if (i)
            path += '/';
        path += components[i];
        if (auto hit = cache_.find(path); hit != cache_.end()) {
            current = hit->second;
            continue;
        }
        const char *name = components[i].c_str();
        int fd = ::openat(current->fd(), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT && create) {
            if (zipformat::sys::mkdirat(current->fd(), name, 0777) == 0)
                created_.insert(path);
            else if (errno != EEXIST) {
                error = "cannot create directory " + path + ": " + describe(errno);
                return nullptr;
            }
            fd = ::openat(current->fd(), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        }
        if (fd < 0) {
            const int err = errno;
            if (err == ELOOP || err == ENOTDIR) {
                struct stat st {};
                const bool link = ::fstatat(current->fd(), name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode);
                error = path + (link ? " is a symbolic link; nothing is written through it" : " is not a directory");
            } else {
                error = "cannot open directory " + path + ": " + describe(err);
            }
            return nullptr;
        }
        current = std::make_shared<Directory>(fd);
        cache_.emplace(path, current);
    }
    return current;
}

std::string OutputTree::temporaryName()
{
    char name[32];
    std::snprintf(name, sizeof name, ".orvex-%016llx",
                  static_cast<unsigned long long>(mix(nameKey_ ^ mix(nameCounter_.fetch_add(1)))));
    return name;
}

bool writeAll(int fd, const void *data, size_t length)
{
    auto *p = static_cast<const uint8_t *>(data);
    while (length > 0) {
        const ssize_t n = zipformat::sys::write(fd, p, length);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        p += n;
        length -= size_t(n);
    }
    return true;
}

bool renameInto(int dir, const std::string &from, const std::string &to, bool replace)
{
    if (replace)
        return zipformat::sys::renameat(dir, from.c_str(), dir, to.c_str()) == 0;
    if (zipformat::sys::renameat2(dir, from.c_str(), dir, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without RENAME_NOREPLACE: a hard link fails just as well
    // when the name is taken.
    if (zipformat::sys::linkat(dir, from.c_str(), dir, to.c_str(), 0) != 0)
        return false;
    ::unlinkat(dir, from.c_str(), 0);
    return true;
}

unsigned currentUmask()
{
    if (FILE *f = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (std::fgets(line, sizeof line, f))
            if (std::sscanf(line, "Umask: %o", &mask) == 1) {
                found = true;
                break;
            }
        std::fclose(f);
        if (found)
            return mask & 0777;
    }
    // Without /proc the only way is to set it and put it back.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask & 0777;
}

}  // namespace unzeng
