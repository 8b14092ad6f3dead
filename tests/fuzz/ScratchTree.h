#pragma once
// What the extraction fuzz targets share: the check of the scratch tree an
// extraction wrote, and its removal. A fault aborts, which libFuzzer reports
// as a crash with the input saved.

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace scratch_tree {

// The target's name, which starts each fault's line.
inline const char *targetName = "fuzz";

[[noreturn]] inline void fault(const std::string &what)
{
    std::fprintf(stderr, "%s: %s\n", targetName, what.c_str());
    std::abort();
}

inline std::vector<std::string> namesIn(int dirFd)
{
    std::vector<std::string> names;
    const int fd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        fault(std::string("cannot open a scratch directory: ") + std::strerror(errno));
    DIR *dir = ::fdopendir(fd);
    while (const dirent *e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

// Whether a link `depth` directories below the scratch root, pointing at
// `target`, stays inside it when read component by component.
inline bool linkStaysInside(size_t depth, const std::string &target)
{
    if (target.empty() || target[0] == '/')
        return false;
    long level = long(depth);
    size_t at = 0;
    while (at <= target.size()) {
        const size_t slash = std::min(target.find('/', at), target.size());
        const std::string component = target.substr(at, slash - at);
        if (component == "..") {
            if (--level < 0)
                return false;
        } else if (!component.empty() && component != ".") {
            ++level;
        }
        at = slash + 1;
    }
    return true;
}

// Checks the tree below `rootFd` and removes it, holding one descriptor at a
// time: a hostile archive can nest directories deeper than the descriptor
// limit or PATH_MAX allow. A link must stay inside, and nothing but files,
// directories and links may exist; each file is shown to `onFile` first.
inline void checkAndRemove(int rootFd, const std::function<void(const std::string &name, const struct stat &)> &onFile)
{
    struct Frame {
        std::string name;                  // in its parent; empty for the root
        std::vector<std::string> pending;  // entries not yet visited
    };
    int current = ::openat(rootFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::vector<Frame> frames;
    frames.push_back({"", namesIn(current)});
    while (!frames.empty()) {
        Frame &frame = frames.back();
        if (frame.pending.empty()) {
            const std::string name = frame.name;
            frames.pop_back();
            if (frames.empty())
                break;
            const int parent = ::openat(current, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (parent < 0)
                fault("cannot go back up the scratch tree");
            ::close(current);
            current = parent;
            if (::unlinkat(current, name.c_str(), AT_REMOVEDIR) != 0)
                fault("cannot remove scratch directory " + name + ": " + std::strerror(errno));
            continue;
        }
        const std::string name = frame.pending.back();
        frame.pending.pop_back();
        struct stat st {};
        if (::fstatat(current, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            fault("cannot stat " + name);
        if (S_ISDIR(st.st_mode)) {
            ::fchmodat(current, name.c_str(), 0700, 0);
            const int child = ::openat(current, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child < 0)
                fault("cannot enter scratch directory " + name);
            ::close(current);
            current = child;
            frames.push_back({name, namesIn(current)});
            continue;
        }
        if (S_ISLNK(st.st_mode)) {
            std::string target(size_t(st.st_size) + 1, '\0');
            const ssize_t n = ::readlinkat(current, name.c_str(), target.data(), target.size());
            target.resize(size_t(std::max<ssize_t>(n, 0)));
            if (!linkStaysInside(frames.size() - 1, target))
                fault("link " + name + " -> " + target + " leads out of the target directory");
        } else if (S_ISREG(st.st_mode)) {
            onFile(name, st);
        } else {
            fault("something other than a file, directory or link was made: " + name);
        }
        if (::unlinkat(current, name.c_str(), 0) != 0)
            fault("cannot remove " + name);
    }
    ::close(current);
}

}  // namespace scratch_tree
