#include "engine/unzeng/OutputTree.h"

#include "engine/common/SystemCalls.h"

#include <algorithm>
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

constexpr size_t OpenLimit = 128;
constexpr size_t CheckpointSpacing = 64;
constexpr int DirectoryFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

}  // namespace

struct OutputTree::Node {
    Node *parent = nullptr;
    std::string name;
    size_t depth = 0;
    bool created = false;
    DirectoryRef dir;                    // set while kept open
    std::list<Node *>::iterator openAt;  // its place in open_, while kept open
    std::unordered_map<std::string, std::unique_ptr<Node>> children;
};

Directory::~Directory()
{
    if (fd_ >= 0)
        ::close(fd_);
}

OutputTree::OutputTree(int rootFd, mode_t directoryMode)
    : directoryMode_(directoryMode), root_(std::make_shared<Directory>(rootFd)), rootNode_(std::make_unique<Node>())
{
    rootNode_->dir = root_;
    std::random_device device;
    nameKey_ = (uint64_t(device()) << 32) ^ device() ^ uint64_t(::getpid());
}

OutputTree::~OutputTree()
{
    // One level at a time: a tree thousands of directories deep would
    // otherwise be freed by as many nested destructor calls.
    std::vector<std::unique_ptr<Node>> pending;
    auto detachChildren = [&pending](Node &node) {
        for (auto &entry : node.children)
            pending.push_back(std::move(entry.second));
        node.children.clear();
    };
    detachChildren(*rootNode_);
    while (!pending.empty()) {
        std::unique_ptr<Node> node = std::move(pending.back());
        pending.pop_back();
        detachChildren(*node);
    }
}

bool OutputTree::created(const Node *node)
{
    return node && node->created;
}

size_t OutputTree::depth(const Node *node)
{
    return node ? node->depth : 0;
}

std::string OutputTree::pathOf(const Node *node)
{
    std::vector<const std::string *> names;
    for (; node && node->parent; node = node->parent)
        names.push_back(&node->name);
    std::string path;
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        if (!path.empty())
            path += '/';
        path += **it;
    }
    return path;
}

void OutputTree::keepOpen(Node *node, const DirectoryRef &dir)
{
    if (node == rootNode_.get())
        return;
    if (node->dir) {
        open_.splice(open_.begin(), open_, node->openAt);
        return;
    }
    node->dir = dir;
    open_.push_front(node);
    node->openAt = open_.begin();
    while (open_.size() > OpenLimit) {
        open_.back()->dir.reset();
        open_.pop_back();
    }
}

DirectoryRef OutputTree::descend(Node *parent, const DirectoryRef &parentDir, const std::string &name, bool create,
                                 std::string &error, Node *&child)
{
    auto pathHere = [&] { return parent->parent ? pathOf(parent) + "/" + name : name; };
    int fd = ::openat(parentDir->fd(), name.c_str(), DirectoryFlags);
    bool made = false;
    if (fd < 0 && errno == ENOENT && create) {
        if (common::sys::mkdirat(parentDir->fd(), name.c_str(), directoryMode_) == 0)
            made = true;
        else if (errno != EEXIST) {
            error = "cannot create directory " + pathHere() + ": " + describe(errno);
            return nullptr;
        }
        fd = ::openat(parentDir->fd(), name.c_str(), DirectoryFlags);
    }
    if (fd < 0) {
        const int err = errno;
        if (err == ELOOP || err == ENOTDIR) {
            struct stat st {};
            const bool link = ::fstatat(parentDir->fd(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0
                              && S_ISLNK(st.st_mode);
            error = pathHere() + (link ? " is a symbolic link; nothing is written through it" : " is not a directory");
        } else {
            error = "cannot open directory " + pathHere() + ": " + describe(err);
        }
        return nullptr;
    }
    auto dir = std::make_shared<Directory>(fd);
    std::unique_ptr<Node> &slot = parent->children[name];
    if (!slot) {
        slot = std::make_unique<Node>();
        slot->parent = parent;
        slot->name = name;
        slot->depth = parent->depth + 1;
    }
    slot->created = slot->created || made;
    child = slot.get();
    if (child->depth % CheckpointSpacing == 0)
        keepOpen(child, dir);
    return dir;
}

DirectoryRef OutputTree::open(Node *node, std::string &error)
{
    if (node->dir) {
        keepOpen(node, node->dir);
        return node->dir;
    }
    // From the nearest directory still open (the target at worst), one level
    // at a time, as when it was first opened.
    std::vector<Node *> way;
    Node *from = node;
    for (; !from->dir; from = from->parent)
        way.push_back(from);
    DirectoryRef current = from->dir;
    for (auto it = way.rbegin(); it != way.rend(); ++it) {
        Node *child = nullptr;
        current = descend((*it)->parent, current, (*it)->name, false, error, child);
        if (!current)
            return nullptr;
    }
    keepOpen(node, current);
    return current;
}

DirectoryRef OutputTree::open(const std::vector<std::string> &components, size_t count, bool create, std::string &error,
                              Node **found)
{
    count = std::min(count, components.size());
    // The directories met before are followed by name, the rest opened (or
    // made) one component at a time without following links.
    Node *node = rootNode_.get();
    size_t i = 0;
    for (; i < count; ++i) {
        auto hit = node->children.find(components[i]);
        if (hit == node->children.end())
            break;
        node = hit->second.get();
    }
    DirectoryRef current = open(node, error);
    if (!current)
        return nullptr;
    for (; i < count; ++i) {
        Node *child = nullptr;
        current = descend(node, current, components[i], create, error, child);
        if (!current)
            return nullptr;
        node = child;
    }
    keepOpen(node, current);
    if (found)
        *found = node;
    return current;
}

std::string OutputTree::temporaryName()
{
    char name[32];
    std::snprintf(name, sizeof name, ".orvex-%016llx",
                  static_cast<unsigned long long>(mix(nameKey_ ^ mix(nameCounter_.fetch_add(1)))));
    return name;
}

}  // namespace unzeng
