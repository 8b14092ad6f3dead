#pragma once
// Turns the file arguments of an add into the list of things to store:
// files and directories, each with the path to read and its stored name.

#include "engine/zipeng/Reporter.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zipeng {

struct SourceItem {
    std::string path;  // as given, or joined from it: relative ones are under ScanOptions::base
    std::string name;  // stored name; a directory's ends with '/'
    bool directory = false;
    struct stat status {};  // links followed
    // The first symbolic link on the way from the argument's last component
    // down to it (that component included), or empty. A move leaves what it
    // reached through a link alone: that is someone else's tree.
    std::string link;
};

struct ScanOptions {
    bool dropDirNames = false;  // bare file names, no directory entries
    bool recurse = false;
    bool forceDos = false;
    std::optional<std::pair<dev_t, ino_t>> archive;  // the archive itself is never added
    int base = AT_FDCWD;                             // the directory relative paths are looked up in
    std::string folder;  // the archive's folder every stored name is made in (checked); empty: its top
};

// Messages go to the reporter as they arise; a callback's request to stop
// throws Cancelled.
class SourceScan {
public:
    SourceScan(const ScanOptions &options, Reporter &reporter);

    // A file, a directory, or a pattern with '*', '?' or '[' in its last
    // component (tried as a pattern only when no such file exists).
    void addArgument(std::string_view arg);
    // A member's stored name read as a path, for refreshing a whole archive:
    // under the folder, relative to it; a member elsewhere is left alone.
    void addMemberName(std::string_view name);

    std::vector<SourceItem> items;
    // Told of each item as it is added, so that its work can start while the
    // scan goes on.
    std::function<void(size_t index)> onItem;

private:
    using Identity = std::pair<dev_t, ino_t>;

    void addPath(const std::string &path, const struct stat &status, std::vector<Identity> &ancestors,
                 const std::string &link);
    void walk(const std::string &directory, std::vector<Identity> &ancestors, const std::string &link);
    // `link` when it is set, else `path` when that is a symbolic link itself.
    std::string linkOnTheWay(const std::string &path, const std::string &link) const;
    void addItem(SourceItem item);
    std::string storedName(const std::string &path, bool directory) const;
    void report(int32_t code, const std::string &text);

    ScanOptions options_;
    Reporter &reporter_;
    std::unordered_map<std::string, size_t> byName_;
};

// True when the last component of `arg` holds a wildcard character.
bool isPattern(std::string_view arg);

}  // namespace zipeng
