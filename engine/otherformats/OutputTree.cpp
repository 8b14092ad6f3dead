#include "engine/otherformats/OutputTree.h"

#include "engine/common/SystemCalls.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>

namespace otherformats {

OutputTree::OutputTree(common::UniqueFd root, mode_t folderMode) : root_(std::move(root)), folderMode_(folderMode)
{
    std::random_device random;
    key_ = (uint64_t(random()) << 32) ^ random();
}

common::UniqueFd OutputTree::open(const std::vector<std::string> &components, size_t count, bool create,
                                  std::string &error)
{
    common::UniqueFd dir(::fcntl(root_.get(), F_DUPFD_CLOEXEC, 0));
    if (!dir) {
        error = std::string("cannot open the target directory: ") + std::strerror(errno);
        return dir;
    }
    std::string path;
    for (size_t i = 0; i < count && i < components.size(); ++i) {
        const std::string &part = components[i];
        path += (path.empty() ? "" : "/") + part;
        // O_NOFOLLOW: a link in the way fails here rather than be followed.
        const auto openPart = [&] {
            return common::UniqueFd(::openat(dir.get(), part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        };
        // Opened before it is made: by the time most entries come, their
        // directories exist, and a mkdirat failing with EEXIST on each
        // component of each entry was a system call per component for nothing.
        common::UniqueFd next = openPart();
        if (!next && errno == ENOENT && create) {
            const bool madeNow = common::sys::mkdirat(dir.get(), part.c_str(), folderMode_) == 0;
            if (!madeNow && errno != EEXIST) {
                error = "cannot make the directory " + path + ": " + std::strerror(errno);
                return {};
            }
            next = openPart();
            if (struct stat st{}; madeNow && next && ::fstat(next.get(), &st) == 0)
                made_.emplace(st.st_dev, st.st_ino);
        }
        if (!next) {
            const int err = errno;
            if (err == ELOOP || err == ENOTDIR)
                error = path + " is a link or not a directory";
            else
                error = "cannot open the directory " + path + ": " + std::strerror(err);
            return {};
        }
        dir = std::move(next);
    }
    return dir;
}

bool OutputTree::made(int dir) const
{
    struct stat st {};
    return ::fstat(dir, &st) == 0 && made_.count({st.st_dev, st.st_ino}) != 0;
}

std::string OutputTree::temporaryName()
{
    char name[64];
    std::snprintf(name, sizeof name, ".orvex-%016llx-%llu.tmp", static_cast<unsigned long long>(key_),
                  static_cast<unsigned long long>(++counter_));
    return name;
}

TemporaryName::~TemporaryName()
{
    if (!kept_)
        ::unlinkat(dir_, name_.c_str(), 0);
}

}  // namespace otherformats
