#pragma once
// Scratch directories and files for tests.

#include <cstdint>
#include <map>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace ziptest {

// A fresh directory under $TMPDIR, removed with everything in it, read-only
// parts too, without following links.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }
    std::string operator/(const std::string &name) const { return file(name); }
    // Writes `bytes` to `name` and returns the full path.
    std::string write(const std::string &name, const std::string &bytes) const;

private:
    std::string path_;
};

// A TempDir that is also the current directory for its lifetime.
class ScratchDir : public TempDir {
public:
    ScratchDir();
    ~ScratchDir();

private:
    std::string previous_;
};

std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &bytes);
void makeDirs(const std::string &path);
bool exists(const std::string &path);  // without following a final link
void setMtime(const std::string &path, int64_t seconds, bool followLinks = true);
int64_t mtimeOf(const std::string &path);
struct stat statOf(const std::string &path);                // of a link itself; zeros when missing
std::vector<std::string> listDir(const std::string &path);  // sorted, without . and ..

// Every entry below `root`, relative, sorted; directories end in '/', links
// are "name -> target". Does not follow links.
std::vector<std::string> listTree(const std::string &root);
// Files and links only, with their contents (a link's is "link:" and its target).
std::map<std::string, std::string> treeContents(const std::string &root);

// Compressible text of `size` bytes; `seed` varies it.
std::string textData(size_t size, unsigned seed = 1);
std::string randomData(size_t size, unsigned seed = 1);
// Text in which no three bytes in a row come twice (a de Bruijn sequence of
// `letters` letters, `letters` cubed bytes long): deflate finds no match in
// it, yet its few letters shrink.
std::string textWithoutRepeats(unsigned letters);

}  // namespace ziptest
