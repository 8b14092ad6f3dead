#pragma once
// The target directory tree: directories are opened one component at a time
// without following links, and everything is created relative to a
// directory descriptor, so no write can leave the tree through a link.

#include "engine/common/Directory.h"

#include <atomic>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <sys/types.h>

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
    // A directory this object has opened or made, kept by name for the whole
    // run; the pointer stays valid as long as the tree.
    struct Node;

    // Takes over `rootFd`, the target directory.
    // Directories made on the way get `directoryMode` (less the umask).
    explicit OutputTree(int rootFd, mode_t directoryMode = 0777);
    ~OutputTree();

    DirectoryRef root() const { return root_; }

    // Opens (and with `create`, makes) the directory given by the first
    // `count` components; `node`, when given, receives its handle. Nothing
    // with `error` set when a component is a link, a file, or cannot be made.
    DirectoryRef open(const std::vector<std::string> &components, size_t count, bool create, std::string &error,
                      Node **node = nullptr);
    // Opens again a directory met before, without creating anything.
    DirectoryRef open(Node *node, std::string &error);

    // Whether this object made the directory.
    static bool created(const Node *node);
    // How many components below the target the directory is (the target: 0).
    static size_t depth(const Node *node);

    // A fresh name for a temporary file, unguessable from the archive, so a
    // member cannot be named like another member's temporary file.
    std::string temporaryName();

private:
    DirectoryRef descend(Node *parent, const DirectoryRef &parentDir, const std::string &name, bool create,
                         std::string &error, Node *&child);
    void keepOpen(Node *node, const DirectoryRef &dir);
    static std::string pathOf(const Node *node);

    mode_t directoryMode_;
    DirectoryRef root_;
    std::unique_ptr<Node> rootNode_;
    // Only a bounded number of directories stay open between members: the
    // last ones used, and every CheckpointSpacing-th level on the way to
    // them, so reaching a deep directory again opens a few levels, not all.
    std::list<Node *> open_;
    uint64_t nameKey_ = 0;
    std::atomic<uint64_t> nameCounter_{0};
};

using common::renameInto;

}  // namespace unzeng
