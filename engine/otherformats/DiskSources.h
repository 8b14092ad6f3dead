#pragma once
// The files an add names, found on the disk as tar finds them: a symbolic
// link is stored as the link, never followed, and a device, FIFO or socket
// is never opened. Each item keeps what lstat said of it.

#include <sys/stat.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace otherformats {

struct DiskItem {
    std::string path;  // as given or joined from it; relative ones are under the base
    std::string name;  // stored: relative, '/' between components, a folder's ending in '/'
    struct stat status {};
    std::string linkTarget;  // a symbolic link's
};

struct DiskScan {
    int base = -1;                                   // the folder relative paths are found in (a descriptor)
    bool dirNames = true;                            // false: bare names, no folder entries
    bool recurse = false;                            // what is below a folder named
    std::optional<std::pair<dev_t, ino_t>> archive;  // never added
    // The archive's folder every name is stored in ("docs/", checked by
    // the caller); no entry is made for it. Empty: the archive's top.
    std::string folder;
};

enum class ScanNote {
    Missing,         // an argument names nothing
    NothingMatched,  // a pattern matched nothing, or a folder adds nothing
    Skipped,         // not a file, folder or link; or the archive itself
    NoName,          // nothing to store it as ("/", "..")
    Twice,           // the same stored name again; the first is kept
};

// `note` hears each problem as it arises; `stop` is asked between items.
std::vector<DiskItem> scanDisk(const std::vector<std::string> &arguments, const DiskScan &scan,
                               const std::function<void(ScanNote, const std::string &)> &note,
                               const std::function<bool()> &stop);

// A path made into a stored name: no leading '/', no "." or empty
// components; empty when a ".." leaves nothing safe to store.
std::string storedNameOf(const std::string &path);

}  // namespace otherformats
