// libFuzzer target: formats other than ZIP through engine/otherformats, as
// the program reads them: detection, the listing, the test and a whole
// extraction with overwrite on, into a fresh scratch directory, under an
// output budget so that a bomb stays cheap. Afterwards nothing may lie beside
// the scratch directory, no link in it may lead out of it, no temporary file
// may be left, nothing but files, directories and links may exist, no file
// may carry a set-id bit, and the files' data may not take more than the
// budget.
// Any of these aborts, which libFuzzer reports as a crash with the input
// saved.
//
// The scratch tree lives under $TMPDIR (scripts/fuzz points it at tmpfs):
//   $TMPDIR/fuzz_other_formats.XXXXXX/   this process's base, removed at exit
//       input                            the archive, rewritten per input
//       sentinel/                        must hold only "out" afterwards
//           out/                         the extraction's target

#include "ScratchTree.h"
#include "engine/otherformats/OtherFormats.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Enough for every seed and most of what grows from them; a bomb stops here.
constexpr uint64_t OutputBudget = 16ull << 20;
// A backstop should the budget fail: no file may grow past this. Past it a
// write fails rather than kill the process, since a sparse entry may rightly
// end in a hole of any size; the bytes the files hold tell a broken budget.
constexpr rlim_t MaxFileSize = 256ull << 20;

std::string basePath;
std::string inputPath;
int baseFd = -1;

using scratch_tree::fault;
using scratch_tree::namesIn;

// The library's temporary names: ".orvex-" 16 hex digits "-" a count ".tmp".
// An entry may be named like one, but never with the library's own key,
// which it cannot know; any such name left behind is a fault.
bool looksTemporary(const std::string &name)
{
    if (name.size() < 7 + 16 + 1 + 1 + 4 || name.compare(0, 7, ".orvex-") != 0
        || name.compare(name.size() - 4, 4, ".tmp") != 0 || name[23] != '-')
        return false;
    const std::string key = name.substr(7, 16), count = name.substr(24, name.size() - 28);
    return key.find_first_not_of("0123456789abcdef") == std::string::npos
           && count.find_first_not_of("0123456789") == std::string::npos;
}

// Checks the tree below `rootFd` and removes it. Returns the bytes its files
// hold: each file once however many names it has, and not its holes.
uint64_t checkAndRemove(int rootFd, const std::set<std::string> &storedLeaves)
{
    uint64_t fileBytes = 0;
    std::set<ino_t> counted;
    scratch_tree::checkAndRemove(rootFd, [&](const std::string &name, const struct stat &st) {
        if (counted.insert(st.st_ino).second)
            fileBytes += std::min(uint64_t(st.st_size), uint64_t(st.st_blocks) * 512);
        if (st.st_mode & (S_ISUID | S_ISGID))
            fault("file " + name + " carries a set-id bit");
        if (looksTemporary(name) && !storedLeaves.count(name))
            fault("temporary file " + name + " was left behind");
    });
    return fileBytes;
}

void removeBase()
{
    if (baseFd < 0)
        return;
    checkAndRemove(baseFd, {});
    ::close(baseFd);
    ::rmdir(basePath.c_str());
}

// Every text the library hands out must be a terminated string; ASan checks
// the walk.
void touch(const std::string &text)
{
    volatile size_t length = std::strlen(text.c_str());
    (void)length;
}

void touch(const std::vector<otherformats::Problem> &problems)
{
    for (const otherformats::Problem &p : problems) {
        touch(p.entry);
        touch(p.text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    scratch_tree::targetName = "fuzz_other_formats";
    const char *tmp = std::getenv("TMPDIR");
    std::string parent = tmp && *tmp ? tmp : (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    std::string pattern = parent + "/fuzz_other_formats.XXXXXX";
    if (!::mkdtemp(pattern.data()))
        fault("cannot create the scratch base in " + parent);
    basePath = pattern;
    inputPath = basePath + "/input";
    baseFd = ::open(basePath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (baseFd < 0)
        fault("cannot set up the scratch base");
    std::atexit(removeBase);

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{MaxFileSize, MaxFileSize};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A real file: libarchive seeks in some formats, and detect() looks at
    // what the path names.
    const int input = ::openat(baseFd, "input", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (input < 0 || (size && ::write(input, data, size) != ssize_t(size)) || ::close(input) != 0)
        fault("cannot write the input");

    // Every reading goes through the confined reader process, as the
    // program's do; limits well inside libFuzzer's own per-input timeout.
    otherformats::ReadOptions read;
    read.limits = {.memoryBytes = 512ull << 20, .quiet = std::chrono::milliseconds(1000), .cpuSeconds = 5};
    const otherformats::Detection detection = otherformats::detect(inputPath, read);
    touch(detection.format);
    touch(detection.filter);
    touch(detection.error);

    const otherformats::Listing listing = otherformats::list(inputPath, read);
    std::set<std::string> storedLeaves;
    for (const otherformats::Entry &entry : listing.entries) {
        touch(entry.name);
        touch(entry.linkTarget);
        const size_t cut = entry.name.find_last_of('/');
        storedLeaves.insert(cut == std::string::npos ? entry.name : entry.name.substr(cut + 1));
    }
    touch(listing.problems);

    const otherformats::TestResult tested = otherformats::test(inputPath, read);
    touch(tested.problems);

    if (::mkdirat(baseFd, "sentinel", 0700) != 0 || ::mkdir((basePath + "/sentinel/out").c_str(), 0700) != 0)
        fault("cannot create the scratch directory");
    otherformats::ExtractOptions options;
    options.read = read;
    options.target = basePath + "/sentinel/out";
    options.overwrite = otherformats::Overwrite::Always;
    options.outputBudget = OutputBudget;
    const otherformats::ExtractResult extracted = otherformats::extract(inputPath, options);
    touch(extracted.problems);

    const int sentinelFd = ::openat(baseFd, "sentinel", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (sentinelFd < 0)
        fault("the sentinel directory is gone or was replaced");
    if (namesIn(sentinelFd) != std::vector<std::string>{"out"})
        fault("something was written beside the target directory");
    const int outFd = ::openat(sentinelFd, "out", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (outFd < 0)
        fault("the target directory is gone or was replaced");
    const uint64_t fileBytes = checkAndRemove(outFd, storedLeaves);
    ::close(outFd);
    if (::unlinkat(sentinelFd, "out", AT_REMOVEDIR) != 0)
        fault("cannot remove the target directory");
    ::close(sentinelFd);
    if (::unlinkat(baseFd, "sentinel", AT_REMOVEDIR) != 0)
        fault("cannot remove the sentinel directory");
    if (namesIn(baseFd) != std::vector<std::string>{"input"})
        fault("something was written beside the sentinel directory");

    if (fileBytes > OutputBudget)
        fault("the extraction wrote " + std::to_string(fileBytes) + " bytes, past the budget of "
              + std::to_string(OutputBudget));
    return 0;
}
