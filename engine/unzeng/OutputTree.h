#pragma once
// The target directory tree: directories are opened one component at a time
// without following links, and everything is created relative to a
// directory descriptor, so no write can leave the tree through a link.

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace unzeng {

// An open directory; closed when the last user lets go.
class Directory {
public:
    explicit Directory(int fd) : fd_(fd) {}
    ~Directory();
    Directory(const Directory &) = delete;
    Directory &operator=(const Directory &) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};
using DirectoryRef = std::shared_ptr<Directory>;

class OutputTree {
public:
    // Takes over `rootFd`, the target directory.
    explicit OutputTree(int rootFd);

    DirectoryRef root() const { return root_; }

    // Opens (and with `create`, makes) the directory given by the first
    // `count` components. Nothing with `error` set when a component is a link,
    // a file, or cannot be made.
    DirectoryRef open(const std::vector<std::string> &components, size_t count, bool create, std::string &error);

    // Whether this object created the directory at `path` (joined components).
    bool created(const std::string &path) const { return created_.count(path) != 0; }

    // A fresh name for a temporary file, unguessable from the archive, so a
    // member cannot be named like another member's temporary file.
    std::string temporaryName();

private:
    DirectoryRef root_;
    std::unordered_map<std::string, DirectoryRef> cache_;
    std::unordered_set<std::string> created_;
    uint64_t nameKey_ = 0;
    std::atomic<uint64_t> nameCounter_{0};
};

// Writes all of `data`, retrying short writes. False with errno set.
bool writeAll(int fd, const void *data, size_t length);

// Renames `from` to `to` within `dir`. Without `replace` an existing `to`
// is left alone and the call fails with EEXIST.
bool renameInto(int dir, const std::string &from, const std::string &to, bool replace);

// The process's umask, read without changing it.
unsigned currentUmask();

}  // namespace unzeng
