// libFuzzer target: one whole extraction through libunzeng.so, directory
// names on and overwrite on, into a fresh scratch directory. Afterwards
// nothing may lie beside the scratch directory, no link in it may lead out
// of it, no temporary file may be left, and it may not hold more bytes than
// the central directory declares (or, without one, the local headers the
// library walks instead). Any of these aborts, which libFuzzer reports as a
// crash with the input saved.
//
// The scratch tree lives under $TMPDIR (scripts/fuzz points it at tmpfs):
//   $TMPDIR/fuzz_extract.XXXXXX/      this process's base, removed at exit
//       sentinel/                     must hold only "out" afterwards
//           out/                      the extraction's current directory

#include "ScratchTree.h"
#include "engine/common/CallRecords.h"
#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/LocalHeaderWalk.h"
#include "engine/zipformat/NameCharset.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <set>
#include <string>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Inputs that declare more output than this are not extracted: decoding
// them would cost seconds each and fill memory-backed disk. The library
// writes no more than a member declares, which the check below holds it to.
constexpr uint64_t MaxDeclaredOutput = 16ull << 20;
// A backstop should that promise fail: no file may grow past this.
constexpr rlim_t MaxFileSize = 256ull << 20;

std::string basePath;
int baseFd = -1;
int startFd = -1;  // libFuzzer's working directory, for its relative paths
int archiveFd = -1;
std::string archivePath;

using scratch_tree::fault;
using scratch_tree::namesIn;

void onFileTooLarge(int)
{
    static const char message[] = "fuzz_extract: a file grew past the backstop size\n";
    ssize_t ignored = ::write(2, message, sizeof message - 1);
    (void)ignored;
    std::abort();
}

// Opens the directory `name`, which must be all that `dirFd` holds; `what`
// names it in the fault.
int soleDirectory(int dirFd, const char *name, const std::string &what)
{
    if (namesIn(dirFd) != std::vector<std::string>{name})
        fault("something was written beside " + what);
    const int fd = ::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        fault(what + " is gone or was replaced");
    return fd;
}

bool looksTemporary(const std::string &name)
{
    return name.size() == 23 && name.compare(0, 7, ".orvex-") == 0
           && name.find_first_not_of("0123456789abcdef", 7) == std::string::npos;
}

struct TreeFacts {
    uint64_t fileBytes = 0;
};

// Checks the tree below `rootFd` and removes it.
TreeFacts checkAndRemove(int rootFd, const std::set<std::string> &storedLeaves)
{
    TreeFacts facts;
    scratch_tree::checkAndRemove(rootFd, [&](const std::string &name, const struct stat &st) {
        facts.fileBytes += uint64_t(st.st_size);
        if (looksTemporary(name) && !storedLeaves.count(name))
            fault("temporary file " + name + " was left behind");
    });
    return facts;
}

int32_t onCallback(CallbackRecord *record)
{
    // Every text must be a terminated string; ASan checks the walk.
    volatile size_t length = std::strlen(record->Text);
    (void)length;
    return 0;
}

// Encrypted members get a password on the first question, none after, so
// the decryption paths and a wrong password are both reached.
int32_t onPassword(void *, const char *member, int32_t attempt, char *buffer, int32_t bufferSize,
                   int32_t *passwordLength)
{
    volatile size_t length = std::strlen(member);
    (void)length;
    if (attempt > 1 || bufferSize < 6)
        return PasswordNone;
    std::memcpy(buffer, "secret", 6);
    *passwordLength = 6;
    return PasswordGiven;
}

void removeBase()
{
    if (baseFd < 0)
        return;
    checkAndRemove(baseFd, {});
    ::close(baseFd);
    ::rmdir(basePath.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    scratch_tree::targetName = "fuzz_extract";
    const char *tmp = std::getenv("TMPDIR");
    std::string parent = tmp && *tmp ? tmp : (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    std::string pattern = parent + "/fuzz_extract.XXXXXX";
    if (!::mkdtemp(pattern.data()))
        fault("cannot create the scratch base in " + parent);
    basePath = pattern;
    baseFd = ::open(basePath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    startFd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    archiveFd = ::memfd_create("fuzz_extract.zip", MFD_CLOEXEC);
    if (baseFd < 0 || startFd < 0 || archiveFd < 0)
        fault("cannot set up the scratch base");
    archivePath = "/proc/self/fd/" + std::to_string(archiveFd);
    std::atexit(removeBase);

    std::signal(SIGXFSZ, onFileTooLarge);
    rlimit limit{MaxFileSize, MaxFileSize};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // What the central directory declares, read the way the library reads it,
    // or without one what the local headers do.
    uint64_t declared = 0;
    std::set<std::string> storedLeaves;
    auto declare = [&](uint64_t unpackedSize, const std::string &name) {
        declared += std::min<uint64_t>(unpackedSize, MaxDeclaredOutput + 1);
        const size_t cut = name.find_last_of("/\\");
        const std::string leaf = cut == std::string::npos ? name : name.substr(cut + 1);
        storedLeaves.insert(leaf);
        // A name from another system's code page lands decoded.
        for (const std::string &codePage : zipformat::nameCodePages())
            storedLeaves.insert(zipformat::decodeName(leaf, codePage));
        return declared <= MaxDeclaredOutput;
    };
    const zipformat::MemorySource source({data, size});
    if (const auto location = zipformat::locateCentralDirectory(source)) {
        zipformat::CentralDirectoryReader reader(source, *location);
        while (const auto h = reader.next())
            if (!declare(h->unpackedSize, std::string(reinterpret_cast<const char *>(h->name.data()), h->name.size())))
                return -1;  // not kept in the corpus either
    } else {
        for (const zipformat::TableMember &m : zipformat::walkLocalHeaders(source).members)
            if (!declare(m.unpackedSize, m.name))
                return -1;
    }

    if (::ftruncate(archiveFd, 0) != 0 || (size && ::pwrite(archiveFd, data, size, 0) != ssize_t(size)))
        fault("cannot write the input");
    if (::mkdirat(baseFd, "sentinel", 0700) != 0 || ::mkdir((basePath + "/sentinel/out").c_str(), 0700) != 0)
        fault("cannot create the scratch directory");

    auto record = std::make_unique<UnzipCallRecord>();
    std::memset(record.get(), 0, sizeof *record);
    record->Version = EngineInterfaceVersion;
    record->Callback = &onCallback;
    record->TraceFlag = 1;
    record->VerboseFlag = 1;
    record->Constant40 = 1;
    record->DirNamesFlag = 1;
    record->OverwriteFlag = 1;
    record->ArchiveName = archivePath.c_str();
    record->Constant72 = 7;
    record->Password = &onPassword;

    if (::chdir((basePath + "/sentinel/out").c_str()) != 0)
        fault("cannot enter the scratch directory");
    orvex_unzeng_call(record.get());
    if (::fchdir(startFd) != 0)
        fault("cannot leave the scratch directory");

    const int sentinelFd = soleDirectory(baseFd, "sentinel", "the sentinel directory");
    const int outFd = soleDirectory(sentinelFd, "out", "the target directory");
    const TreeFacts facts = checkAndRemove(outFd, storedLeaves);
    ::close(outFd);
    if (::unlinkat(sentinelFd, "out", AT_REMOVEDIR) != 0)
        fault("cannot remove the target directory");
    ::close(sentinelFd);
    if (::unlinkat(baseFd, "sentinel", AT_REMOVEDIR) != 0)
        fault("cannot remove the sentinel directory");

    if (facts.fileBytes > declared)
        fault("the extraction wrote " + std::to_string(facts.fileBytes) + " bytes, more than the "
              + std::to_string(declared) + " declared");
    return 0;
}
