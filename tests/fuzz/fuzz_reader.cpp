// libFuzzer target: the member-list reader over arbitrary bytes, read from a
// file by name as the program does. The same bytes read from memory must give
// the same list and the same outcome, unless their end record says they are
// one disk of several: the file is then a part of a split archive, whose
// other parts are looked for beside it, which memory has no notion of.

#include "engine/ArchiveDirectoryReader.h"
#include "engine/ZipError.h"
#include "engine/zipformat/SplitParts.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

struct Result {
    std::vector<ArchiveEntry> entries;
    std::string error;
};

template <typename Source>
Result readAll(const Source &source)
{
    Result r;
    try {
        orvex::ArchiveDirectoryReader::read(source, r.entries);
    } catch (const EZipError &e) {
        r.error = e.what();
    }
    return r;
}

bool sameEntry(const ArchiveEntry &a, const ArchiveEntry &b)
{
    return a.FileName == b.FileName && a.HeaderOffset == b.HeaderOffset && a.TruePackedSize == b.TruePackedSize
           && a.TrueUnpackedSize == b.TrueUnpackedSize && a.Crc == b.Crc && a.GeneralFlags == b.GeneralFlags;
}

[[noreturn]] void fault(const char *what)
{
    std::fprintf(stderr, "fuzz_reader: %s\n", what);
    std::abort();
}

// One anonymous in-memory file for the whole run, rewritten for each input.
int archiveFd = -1;
std::string archivePath;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (archiveFd < 0) {
        archiveFd = ::memfd_create("fuzz_reader.zip", MFD_CLOEXEC);
        if (archiveFd < 0)
            fault("memfd_create failed");
        archivePath = "/proc/self/fd/" + std::to_string(archiveFd);
    }
    if (::ftruncate(archiveFd, 0) != 0 || (size && ::pwrite(archiveFd, data, size, 0) != ssize_t(size)))
        fault("cannot write the input");

    const Result fromFile = readAll(archivePath);
    const zipformat::MemorySource memory({data, size});
    const Result fromMemory = readAll(memory);
    if (const auto disks = zipformat::endRecordDisks(memory); disks && (disks->thisDisk || disks->directoryDisk))
        return 0;

    if (fromFile.error != fromMemory.error || fromFile.entries.size() != fromMemory.entries.size())
        fault("reading the file and reading memory disagree");
    for (size_t i = 0; i < fromFile.entries.size(); ++i) {
        const ArchiveEntry &e = fromFile.entries[i];
        if (!sameEntry(e, fromMemory.entries[i]))
            fault("reading the file and reading memory disagree on an entry");
        // Every entry is a local header inside the file.
        if (e.HeaderOffset >= size)
            fault("an entry's header offset is outside the file");
        (void)e.DisplayName();
    }
    return 0;
}
