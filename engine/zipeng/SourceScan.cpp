#include "engine/zipeng/SourceScan.h"

#include "engine/common/SafeNames.h"
#include "engine/zipeng/ErrorCodes.h"
#include "engine/zipeng/Names.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fnmatch.h>
#include <unistd.h>

namespace zipeng {

namespace {

constexpr size_t MaxNameLength = 0xFFFF;

std::string join(const std::string &directory, const std::string &name)
{
    if (directory.empty())
        return name;
    return directory.back() == '/' ? directory + name : directory + '/' + name;
}

struct DirEntry {
    std::string name;
    // False when the directory says what it is and it is no symbolic link:
    // one lstat fewer per file on the way.
    bool mayBeLink = true;
    bool operator<(const DirEntry &other) const { return name < other.name; }
};

// The entries of a directory, sorted so that the archive's order does not
// depend on the file system's. False with errno set when it cannot be read.
bool listDirectory(int base, const std::string &directory, std::vector<DirEntry> &entries)
{
    const int fd = ::openat(base, directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return false;
    }
    errno = 0;
    while (const dirent *entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            entries.push_back({std::move(name), entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN});
    }
    const int error = errno;
    ::closedir(dir);
    std::sort(entries.begin(), entries.end());
    errno = error;
    return error == 0;
}

}  // namespace

bool isPattern(std::string_view arg)
{
    const size_t slash = arg.rfind('/');
    const std::string_view last = slash == std::string_view::npos ? arg : arg.substr(slash + 1);
    return last.find_first_of("*?[") != std::string_view::npos;
}

SourceScan::SourceScan(const ScanOptions &options, Reporter &reporter) : options_(options), reporter_(reporter) {}

void SourceScan::report(int32_t code, const std::string &text)
{
    if (reporter_.message(code, text))
        throw Cancelled{};
}

std::string SourceScan::storedName(const std::string &path, bool directory) const
{
    std::string name = relativeName(path);
    if (options_.dropDirNames)
        name = std::string(lastComponent(name));
    if (options_.forceDos && !name.empty())
        name = dosName(name);
    if (directory && !name.empty())
        name += '/';
    // The folder is the archive's, as it stands: not put in DOS form.
    if (!options_.folder.empty() && !name.empty())
        name = common::nameInFolder(options_.folder, name);
    return name;
}

void SourceScan::addArgument(std::string_view argView)
{
    const std::string arg(argView);
    if (arg.empty()) {
        report(BadParameters, "An empty file argument was skipped");
        return;
    }
    std::vector<Identity> ancestors;
    struct stat status {};
    if (::fstatat(options_.base, arg.c_str(), &status, 0) == 0) {
        addPath(arg, status, ancestors, linkOnTheWay(arg, {}));
        return;
    }
    const int error = errno;
    if (!isPattern(arg)) {
        report(OpenError, "Cannot add " + arg + ": " + std::strerror(error));
        return;
    }

    const size_t slash = arg.rfind('/');
    const std::string prefix = slash == std::string::npos ? "" : arg.substr(0, slash + 1);
    const std::string pattern = arg.substr(prefix.size());
    std::vector<DirEntry> entries;
    if (!listDirectory(options_.base, prefix.empty() ? "." : prefix, entries)) {
        report(OpenError, "Cannot add " + arg + ": " + std::strerror(errno));
        return;
    }
    bool matched = false;
    for (const DirEntry &entry : entries) {
        const std::string &name = entry.name;
        // As a shell expands it: a leading dot must be matched explicitly.
        if (::fnmatch(pattern.c_str(), name.c_str(), FNM_PERIOD) != 0)
            continue;
        matched = true;
        const std::string path = prefix + name;
        if (::fstatat(options_.base, path.c_str(), &status, 0) != 0) {
            report(OpenError, "Cannot add " + path + ": " + std::strerror(errno));
            continue;
        }
        addPath(path, status, ancestors, linkOnTheWay(path, {}));
    }
    if (!matched)
        report(NothingMatched, "Nothing matches " + arg);
}

void SourceScan::addMemberName(std::string_view memberName)
{
    if (memberName.empty() || memberName.back() == '/')
        return;
    std::string_view path = memberName;
    if (!options_.folder.empty()) {
        const std::string folder = common::nameInFolder(options_.folder, "");
        if (!path.starts_with(folder))
            return;
        path.remove_prefix(folder.size());
    }
    // The name comes from the archive: it may only lead where extracting it could.
    if (const std::string why = unsafeSourceName(path); !why.empty()) {
        report(OpenError,
               "Kept " + std::string(memberName) + " as it is: its name is not read as a path on disk (" + why + ")");
        return;
    }
    SourceItem item;
    item.path = std::string(path);
    if (::fstatat(options_.base, item.path.c_str(), &item.status, 0) != 0 || !S_ISREG(item.status.st_mode))
        return;
    item.name = std::string(memberName);
    // No user named this path: every component counts.
    for (size_t slash = item.path.find('/'); item.link.empty() && slash != std::string::npos;
         slash = item.path.find('/', slash + 1))
        item.link = linkOnTheWay(item.path.substr(0, slash), {});
    item.link = linkOnTheWay(item.path, item.link);
    addItem(std::move(item));
}

std::string SourceScan::linkOnTheWay(const std::string &path, const std::string &link) const
{
    if (!link.empty())
        return link;
    // "dirlink/" names the link too, though the lookup would follow it.
    std::string own = path;
    while (own.size() > 1 && own.back() == '/')
        own.pop_back();
    struct stat status {};
    if (::fstatat(options_.base, own.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(status.st_mode))
        return own;
    return {};
}

void SourceScan::addPath(const std::string &path, const struct stat &status, std::vector<Identity> &ancestors,
                         const std::string &link)
{
    if (S_ISREG(status.st_mode)) {
        if (options_.archive && *options_.archive == Identity{status.st_dev, status.st_ino}) {
            if (reporter_.verbose("Skipped " + path + ": it is the archive being written"))
                throw Cancelled{};
            return;
        }
        SourceItem item{path, storedName(path, false), false, status, link};
        if (item.name.empty()) {
            report(BadParameters, "Cannot add " + path + ": it gives no name to store");
            return;
        }
        addItem(std::move(item));
        return;
    }
    if (!S_ISDIR(status.st_mode)) {
        report(OpenError, "Skipped " + path + ": not a regular file or directory");
        return;
    }
    const Identity identity{status.st_dev, status.st_ino};
    if (std::find(ancestors.begin(), ancestors.end(), identity) != ancestors.end()) {
        report(InfoCode, "Skipped " + path + ": it leads back to a directory that is being added");
        return;
    }
    if (!options_.dropDirNames) {
        SourceItem item{path, storedName(path, true), true, status, link};
        if (!item.name.empty())
            addItem(std::move(item));
    } else if (!options_.recurse) {
        // Something asked for is not added: an error, not a note to pass by.
        report(NothingMatched, "Skipped directory " + path + ": without directory names or recursion it adds nothing");
    }
    if (options_.recurse) {
        ancestors.push_back(identity);
        walk(path, ancestors, link);
        ancestors.pop_back();
    }
}

void SourceScan::walk(const std::string &directory, std::vector<Identity> &ancestors, const std::string &link)
{
    std::vector<DirEntry> entries;
    if (!listDirectory(options_.base, directory, entries)) {
        report(ReadError, "Cannot read the directory " + directory + ": " + std::strerror(errno));
        return;
    }
    for (const DirEntry &entry : entries) {
        const std::string path = join(directory, entry.name);
        struct stat status {};
        if (::fstatat(options_.base, path.c_str(), &status, 0) != 0) {
            report(OpenError, "Cannot add " + path + ": " + std::strerror(errno));
            continue;
        }
        addPath(path, status, ancestors, entry.mayBeLink ? linkOnTheWay(path, link) : link);
    }
}

void SourceScan::addItem(SourceItem item)
{
    if (item.name.size() > MaxNameLength) {
        report(EntryTooLarge, "Cannot add " + item.path + ": its name is too long for a ZIP archive");
        return;
    }
    const auto [it, inserted] = byName_.emplace(item.name, items.size());
    if (inserted) {
        items.push_back(std::move(item));
        if (onItem)
            onItem(items.size() - 1);
        return;
    }
    const SourceItem &first = items[it->second];
    const bool sameFile = first.status.st_dev == item.status.st_dev && first.status.st_ino == item.status.st_ino;
    report(sameFile ? InfoCode : BadParameters,
           "The name " + item.name + " is given twice (" + first.path + ", " + item.path + "); the first is kept");
}

}  // namespace zipeng
