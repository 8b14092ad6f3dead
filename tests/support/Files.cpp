#include "support/Files.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace ziptest {

namespace {

// Makes every directory below `path` writable, so that the removal can go
// through what a test made read-only; links are not followed.
void unlockTree(const std::string &path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return;
    ::chmod(path.c_str(), 0700);
    for (const std::string &name : listDir(path))
        unlockTree(path + "/" + name);
}

void walk(const std::string &root, const std::string &relative, std::vector<std::string> &out)
{
    for (const std::string &name : listDir(relative.empty() ? root : root + "/" + relative)) {
        const std::string rel = relative.empty() ? name : relative + "/" + name;
        const std::string full = root + "/" + rel;
        struct stat st {};
        ::lstat(full.c_str(), &st);
        if (S_ISDIR(st.st_mode)) {
            out.push_back(rel + "/");
            walk(root, rel, out);
        } else if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = ::readlink(full.c_str(), target, sizeof target);
            out.push_back(rel + " -> " + std::string(target, static_cast<size_t>(std::max<ssize_t>(n, 0))));
        } else {
            out.push_back(rel);
        }
    }
}

}  // namespace

TempDir::TempDir()
{
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/orvex-test-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir()
{
    unlockTree(path_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);  // does not follow links
}

std::string TempDir::write(const std::string &name, const std::string &bytes) const
{
    const std::string p = file(name);
    writeFile(p, bytes);
    return p;
}

ScratchDir::ScratchDir()
{
    char cwd[4096];
    previous_ = ::getcwd(cwd, sizeof cwd) ? cwd : "/";
    if (::chdir(path().c_str()) != 0)
        throw std::runtime_error("chdir failed");
}

ScratchDir::~ScratchDir()
{
    [[maybe_unused]] const int ignored = ::chdir(previous_.c_str());
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void makeDirs(const std::string &path)
{
    std::error_code ignored;
    std::filesystem::create_directories(path, ignored);
}

bool exists(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

void setMtime(const std::string &path, int64_t seconds, bool followLinks)
{
    const struct timespec times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, followLinks ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
        throw std::runtime_error("utimensat failed on " + path);
}

int64_t mtimeOf(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int64_t>(st.st_mtime) : -1;
}

struct stat statOf(const std::string &path)
{
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

std::vector<std::string> listDir(const std::string &path)
{
    std::vector<std::string> names;
    if (DIR *dir = ::opendir(path.c_str())) {
        while (const dirent *e = ::readdir(dir))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                names.emplace_back(e->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> listTree(const std::string &root)
{
    std::vector<std::string> out;
    walk(root, "", out);
    std::sort(out.begin(), out.end());
    return out;
}

std::map<std::string, std::string> treeContents(const std::string &root)
{
    std::map<std::string, std::string> out;
    for (const std::string &entry : listTree(root)) {
        if (entry.ends_with('/'))
            continue;
        const size_t arrow = entry.find(" -> ");
        if (arrow != std::string::npos)
            out[entry.substr(0, arrow)] = "link:" + entry.substr(arrow + 4);
        else
            out[entry] = readFile(root + "/" + entry);
    }
    return out;
}

std::string textData(size_t size, unsigned seed)
{
    static const char *words[] = {"archive ", "member ", "deflate ", "header ", "central ", "directory ",
                                  "local ",   "zip ",    "record ",  "offset ", "size ",    "\n"};
    std::mt19937 random(seed);
    std::string text;
    text.reserve(size + 16);
    while (text.size() < size)
        text += words[random() % 12];
    text.resize(size);
    return text;
}

std::string randomData(size_t size, unsigned seed)
{
    std::mt19937_64 random(seed);
    std::string data(size, '\0');
    for (size_t i = 0; i < size; i += 8) {
        const uint64_t v = random();
        std::memcpy(&data[i], &v, std::min<size_t>(8, size - i));
    }
    return data;
}

std::string textWithoutRepeats(unsigned letters)
{
    // The standard construction from Lyndon words, for words of three.
    std::string out;
    unsigned a[7] = {};
    auto walk = [&](auto &self, unsigned t, unsigned p) -> void {
        if (t > 3) {
            if (3 % p == 0)
                for (unsigned i = 1; i <= p; ++i)
                    out += char('a' + a[i]);
            return;
        }
        a[t] = a[t - p];
        self(self, t + 1, p);
        for (unsigned j = a[t - p] + 1; j < letters; ++j) {
            a[t] = j;
            self(self, t + 1, t);
        }
    };
    walk(walk, 1, 1);
    return out;
}

}  // namespace ziptest
