#pragma once
// The target directory as this library writes into it: every directory is
// opened one component at a time relative to its parent's descriptor and
// never through a link, so nothing an archive names, nor a link it or anyone
// else left in the target, can lead a write outside.

#include "engine/common/Directory.h"
#include "engine/common/UniqueFd.h"

#include <cstdint>
#include <set>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace otherformats {

class OutputTree {
public:
    // Folders it makes get `folderMode` (less the umask).
    explicit OutputTree(common::UniqueFd root, mode_t folderMode = 0777);

    // The directory of the first `count` components, made when missing and
    // `create` is set. An invalid descriptor with `error` set when a
    // component is a link, not a directory, or cannot be made or opened.
    common::UniqueFd open(const std::vector<std::string> &components, size_t count, bool create, std::string &error);

    // Whether this tree made the directory open at `dir`.
    bool made(int dir) const;

    // A name for a temporary file no entry can know beforehand, so no entry
    // can be named like another's temporary file.
    std::string temporaryName();

private:
    common::UniqueFd root_;
    mode_t folderMode_;
    uint64_t key_;
    uint64_t counter_ = 0;
    // The directories made, by device and inode: a path each would take the
    // square of a deep tree's depth.
    std::set<std::pair<dev_t, ino_t>> made_;
};

// A temporary name in a directory, removed on the way out unless kept, so
// that a cancel, a failure or an exception from a caller's callback leaves no
// temporary file behind.
class TemporaryName {
public:
    TemporaryName(int dir, std::string name) : dir_(dir), name_(std::move(name)) {}
    ~TemporaryName();
    TemporaryName(const TemporaryName &) = delete;
    TemporaryName &operator=(const TemporaryName &) = delete;

    const std::string &name() const { return name_; }
    void keep() { kept_ = true; }

private:
    int dir_;
    std::string name_;
    bool kept_ = false;
};

using common::renameInto;

}  // namespace otherformats
