#pragma once
// Helpers for the compression library's tests: a scratch directory that is
// also the current directory, one call of the library with every callback
// recorded, a reader for what the archive holds, and the reference tools.

#include "engine/common/CallRecords.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace enginetest {

// A fresh directory under the system's temporary directory, made the current
// directory for the test's lifetime and removed afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    const std::string &path() const { return path_; }
    std::string operator/(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
    std::string previous_;
};

void writeFile(const std::string &path, const std::string &content);
std::string readFile(const std::string &path);
void makeDirs(const std::string &path);
void setMtime(const std::string &path, int64_t seconds);
int64_t mtimeOf(const std::string &path);
bool exists(const std::string &path);
std::vector<std::string> listDir(const std::string &path);   // sorted, without . and ..
// Compressible text of about `size` bytes; `seed` varies it.
std::string textData(size_t size, unsigned seed = 1);
std::string randomData(size_t size, unsigned seed = 1);

struct Flags {
    int level = 6;
    bool dirNames = true;     // false sets DropDirNamesFlag
    bool recurse = false;
    bool forceDos = false;
    bool move = false;
    bool update = false;
    bool freshen = false;
    bool archiveTime = false;
    bool remove = false;
    bool verbose = false;
    bool trace = false;
    std::optional<std::string> base;   // BaseDirectory; none leaves it null
};

struct Callback {
    int32_t action = 0;
    int32_t code = 0;
    int32_t size = 0;
    std::string text;
    std::thread::id thread;
};

struct CallResult {
    int32_t result = 0;
    std::vector<Callback> calls;

    std::vector<std::string> begun() const;               // texts of action 1, in order
    std::vector<Callback> messages() const;               // action 4
    std::vector<Callback> errors() const;                 // action 4 with code > 0
    int count(int32_t action) const;
    std::string dump() const;                             // for failure output
};

// Decides the callback's answer from the calls so far (the current one last).
using CancelRule = std::function<bool(const std::vector<Callback> &)>;

// Calls the library once, as the archive component would.
CallResult callEngine(const std::string &archive, const std::vector<std::string> &args, const Flags &flags = {},
                      CancelRule cancel = {});

// One member as the central directory describes it.
struct Member {
    std::string name;
    uint16_t madeBy = 0;
    uint16_t versionNeeded = 0;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    uint32_t crc = 0;
    uint64_t packedSize = 0;
    uint64_t unpackedSize = 0;
    uint32_t externalAttributes = 0;
    uint64_t offset = 0;
    bool centralZip64 = false;
    std::vector<uint8_t> extra;
    std::optional<int64_t> unixTime;
    std::string record;       // raw bytes from its local header to the end of its data (and descriptor)
};

struct ArchiveInfo {
    bool ok = false;
    bool zip64End = false;
    std::vector<Member> members;
    std::vector<std::string> names() const;
    const Member *find(const std::string &name) const;
};

ArchiveInfo readArchive(const std::string &path);

struct ToolResult {
    int status = -1;
    std::string output;   // stdout and stderr together
};

ToolResult runTool(const std::vector<std::string> &argv);

// Runs unzip -t, 7zz t, bsdtar -tf / -xOf and Python's testzip on the
// archive; an empty string when all accept it without a warning, else what
// they said. With `stub`, 7-Zip's warning about data in front of the archive
// (a self-extractor's stub) is accepted; without `extract` bsdtar only lists.
// The point is that what we write, the tools people use read cleanly, so
// their verdicts are asserted; the words looked for are those of Debian 12's
// UnZip 6.0 (6.0-28+deb12u1), 7-Zip 26.02 (7zip 22.01+really26.02),
// bsdtar 3.6.2 and Python 3.11.
std::string checkWithTools(const std::string &archive, bool stub = false, bool extract = true);

uint32_t crcOf(const std::string &data);

// Gives a setting of the library (zipeng::tuning) another value for one
// test and puts the old one back afterwards.
template <typename T>
class Override {
public:
    Override(T &setting, T value) : setting_(setting), saved_(setting) { setting_ = value; }
    ~Override() { setting_ = saved_; }
    Override(const Override &) = delete;
    Override &operator=(const Override &) = delete;

private:
    T &setting_;
    T saved_;
};

// Cancels at the n-th callback of this action (1 for the first).
CancelRule cancelAt(int32_t action, int n);

}  // namespace enginetest
