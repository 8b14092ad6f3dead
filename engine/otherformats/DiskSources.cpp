#include "engine/otherformats/DiskSources.h"

#include "engine/common/SafeNames.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <unistd.h>
#include <unordered_set>

namespace otherformats {

namespace {

std::string join(const std::string &directory, const std::string &name)
{
    return directory.empty() || directory.back() == '/' ? directory + name : directory + '/' + name;
}

// Sorted, so that the archive's order does not depend on the file system's.
bool listDirectory(int base, const std::string &directory, std::vector<std::string> &names)
{
    const int fd = ::openat(base, directory.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    errno = 0;
    while (const dirent *entry = ::readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    const int error = errno;
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    errno = error;
    return error == 0;
}

std::string readLink(int base, const std::string &path)
{
    std::string target(4096, '\0');
    const ssize_t n = ::readlinkat(base, path.c_str(), target.data(), target.size());
    target.resize(n > 0 ? size_t(n) : 0);
    return target;
}

class Scanner {
public:
    Scanner(const DiskScan &scan, const std::function<void(ScanNote, const std::string &)> &note,
            const std::function<bool()> &stop)
        : scan_(scan), note_(note), stop_(stop)
    {
    }

    void argument(const std::string &arg)
    {
        struct stat status {};
        if (::fstatat(scan_.base, arg.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
            add(arg, status);
            return;
        }
        const int error = errno;
        const size_t slash = arg.rfind('/');
        const std::string prefix = slash == std::string::npos ? "" : arg.substr(0, slash + 1);
        const std::string pattern = arg.substr(prefix.size());
        if (pattern.find_first_of("*?[") == std::string::npos) {
            note_(ScanNote::Missing, "Cannot add " + arg + ": " + std::strerror(error));
            return;
        }
        std::vector<std::string> names;
        if (!listDirectory(scan_.base, prefix.empty() ? "." : prefix, names)) {
            note_(ScanNote::Missing, "Cannot add " + arg + ": " + std::strerror(errno));
            return;
        }
        bool matched = false;
        for (const std::string &name : names) {
            // As a shell expands it: a leading dot must be matched explicitly.
            if (::fnmatch(pattern.c_str(), name.c_str(), FNM_PERIOD) != 0)
                continue;
            matched = true;
            if (::fstatat(scan_.base, (prefix + name).c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0)
                add(prefix + name, status);
        }
        if (!matched)
            note_(ScanNote::NothingMatched, "Nothing matches " + arg);
    }

    std::vector<DiskItem> items;

private:
    void add(const std::string &path, const struct stat &status)
    {
        if (stop_())
            return;
        if (S_ISDIR(status.st_mode)) {
            if (scan_.dirNames)
                keep(path, status, true);
            else if (!scan_.recurse)
                note_(ScanNote::NothingMatched,
                      "Skipped directory " + path + ": without directory names or recursion it adds nothing");
            if (scan_.recurse)
                walk(path);
            return;
        }
        if (!S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode)) {
            note_(ScanNote::Skipped, "Skipped " + path + ": not a regular file, directory or link");
            return;
        }
        if (S_ISREG(status.st_mode) && scan_.archive
            && *scan_.archive == std::pair<dev_t, ino_t>{status.st_dev, status.st_ino}) {
            note_(ScanNote::Skipped, "Skipped " + path + ": it is the archive being written");
            return;
        }
        keep(path, status, false);
    }

    void walk(const std::string &directory)
    {
        std::vector<std::string> names;
        if (!listDirectory(scan_.base, directory, names)) {
            note_(ScanNote::Missing, "Cannot read the directory " + directory + ": " + std::strerror(errno));
            return;
        }
        for (const std::string &name : names) {
            const std::string path = join(directory, name);
            struct stat status {};
            if (::fstatat(scan_.base, path.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
                note_(ScanNote::Missing, "Cannot add " + path + ": " + std::strerror(errno));
                continue;
            }
            add(path, status);
        }
    }

    void keep(const std::string &path, const struct stat &status, bool directory)
    {
        std::string name = storedNameOf(path);
        if (!scan_.dirNames && !name.empty())
            name = name.substr(name.rfind('/') == std::string::npos ? 0 : name.rfind('/') + 1);
        if (name.empty()) {
            if (!directory)  // "." and "/" add what is below them, and no entry of their own
                note_(ScanNote::NoName, "Cannot add " + path + ": it gives no name to store");
            return;
        }
        if (directory)
            name += '/';
        if (!scan_.folder.empty())
            name = common::nameInFolder(scan_.folder, name);
        if (!names_.insert(name).second) {
            note_(ScanNote::Twice, "The name " + name + " is given twice; the first is kept");
            return;
        }
        DiskItem item{path, std::move(name), status, {}};
        if (S_ISLNK(status.st_mode))
            item.linkTarget = readLink(scan_.base, path);
        items.push_back(std::move(item));
    }

    const DiskScan &scan_;
    const std::function<void(ScanNote, const std::string &)> &note_;
    const std::function<bool()> &stop_;
    std::unordered_set<std::string> names_;
};

}  // namespace

std::string storedNameOf(const std::string &path)
{
    std::vector<std::string> parts;
    size_t at = 0;
    while (at <= path.size()) {
        const size_t slash = std::min(path.find('/', at), path.size());
        const std::string part = path.substr(at, slash - at);
        if (part == "..")
            return {};
        if (!part.empty() && part != ".")
            parts.push_back(part);
        at = slash + 1;
    }
    std::string name;
    for (const std::string &part : parts)
        name += (name.empty() ? "" : "/") + part;
    return name;
}

std::vector<DiskItem> scanDisk(const std::vector<std::string> &arguments, const DiskScan &scan,
                               const std::function<void(ScanNote, const std::string &)> &note,
                               const std::function<bool()> &stop)
{
    Scanner scanner(scan, note, stop);
    for (const std::string &arg : arguments) {
        if (stop())
            break;
        if (arg.empty())
            note(ScanNote::Missing, "An empty file argument was skipped");
        else
            scanner.argument(arg);
    }
    return std::move(scanner.items);
}

}  // namespace otherformats
