#pragma once
// Temporary files, running external programs, and reading an archive through
// the component, for the engine tests.

#include "engine/ZipEngine.h"

#include <string>
#include <vector>

namespace ziptest {

// A fresh directory under $TMPDIR, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }
    // Writes `bytes` to `name` and returns the full path.
    std::string write(const std::string &name, const std::string &bytes) const;

private:
    std::string path_;
};

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program found on PATH with `args` (args[0] is the program), with
// `env` added to the environment, and waits for it.
RunResult run(const std::vector<std::string> &args, const std::vector<std::string> &env = {},
              const std::string &workingDirectory = {});
bool haveProgram(const std::string &name);

// What a read left behind.
struct Listing {
    std::vector<ArchiveEntry> entries;
    std::string error;     // empty when the read succeeded
    int dirUpdates = 0;    // times OnDirUpdate was raised

    std::vector<std::string> names() const;
};

Listing listArchive(const std::string &path);

}  // namespace ziptest
