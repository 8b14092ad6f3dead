// Detection, listing and testing: reading an archive without writing.
#include "engine/otherformats/ArchiveSource.h"
#include "engine/otherformats/EntryData.h"
#include "engine/otherformats/EntryWalk.h"

#include <archive.h>
#include <archive_entry.h>

#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace otherformats {

namespace {

// A file that begins with a ZIP record is one for our ZIP engine. Said
// without libarchive, whose ZIP reader would first read the whole central
// directory: seconds for a million members, before every listing.
bool beginsAsZip(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    char head[4] = {};
    const bool whole = ::pread(fd, head, sizeof head, 0) == ssize_t(sizeof head);
    ::close(fd);
    // A local header, an empty archive's end record, a split archive's marker.
    return whole
           && (std::memcmp(head, "PK\x03\x04", 4) == 0 || std::memcmp(head, "PK\x05\x06", 4) == 0
               || std::memcmp(head, "PK\x07\x08", 4) == 0);
}

}  // namespace

Detection detect(const std::string &path)
{
    Detection result;
    // A FIFO or a device would be waited on or read without end; the ZIP
    // reader refuses them with its own words.
    if (struct stat status{}; ::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return result;
    if (beginsAsZip(path)) {
        result.verdict = Verdict::Zip;
        result.format = "ZIP";
        result.filter = "none";
        return result;
    }
    try {
        ArchiveSource source;
        if (!source.open(path, std::nullopt, result.error))
            return result;
        const ArchiveSource::Next next = source.next();
        result.format = source.formatName();
        result.filter = source.filterName();
        if (next == ArchiveSource::Next::Failed)
            result.error = source.error();
        if (source.headerRefused()) {
            // A cpio whose first header is refused: its listing says why.
            result.verdict = Verdict::Other;
            result.format = "cpio";
            return result;
        }
        if (archive_format(source.handle()) == 0)
            return result;
        if (source.isZip())
            // A compressed ZIP is no file our ZIP engine opens; libarchive reads it.
            result.verdict = result.filter == "none" ? Verdict::Zip : Verdict::Other;
        else if (source.isRaw())
            // Without a compression the "raw" format is any file at all.
            result.verdict = result.filter == "none" ? Verdict::NotArchive : Verdict::Other;
        else if (next == ArchiveSource::Next::End && source.onlyZeros())
            // A block of zeros reads as an empty tar archive: a file with
            // nothing in it is no archive of anything. An archive with no
            // entries (an empty 7z, a tar of only a volume label) is one.
            result.verdict = Verdict::NotArchive;
        else
            result.verdict = Verdict::Other;
    } catch (const std::bad_alloc &) {
        result = {};
        result.error = "out of memory";
    }
    return result;
}

Listing list(const std::string &path, const ReadOptions &options)
{
    Listing listing;
    try {
        ArchiveSource source;
        std::string error;
        if (!source.open(path, options.password, error)) {
            listing.problems.push_back({{}, ProblemKind::Damaged, error});
            return listing;
        }
        for (;;) {
            if (options.cancel && options.cancel->load()) {
                listing.cancelled = true;
                break;
            }
            const ArchiveSource::Next next = source.next();
            listing.format = source.formatName();
            if (next == ArchiveSource::Next::End) {
                listing.complete = true;
                break;
            }
            if (next == ArchiveSource::Next::Failed) {
                listing.problems.push_back(source.failure());
                break;
            }
            if (next == ArchiveSource::Next::Unreadable) {
                listing.problems.push_back(source.unreadable());
                continue;
            }
            if (source.isPlainZip()) {
                listing.problems.push_back({{}, ProblemKind::Refused, "a ZIP archive is read by the ZIP engine"});
                break;
            }
            listing.entries.push_back(source.describe());
            const Entry &entry = listing.entries.back();
            listing.hasEncrypted = listing.hasEncrypted || entry.encrypted;
            if (options.progress)
                options.progress({listing.entries.size() - 1, entry.name, 0, source.bytesRead(), source.size()});
        }
    } catch (const std::bad_alloc &) {
        listing.complete = false;
        listing.problems.push_back({{}, ProblemKind::Damaged, "out of memory"});
    }
    return listing;
}

TestResult test(const std::string &path, const ReadOptions &options, const std::vector<uint64_t> &selection)
{
    TestResult result;
    const std::unordered_set<uint64_t> chosen(selection.begin(), selection.end());
    try {
        ArchiveSource source;
        std::string error;
        if (!source.open(path, options.password, error)) {
            keepProblem(options, result.problems, {{}, ProblemKind::Damaged, error});
            return result;
        }
        const WalkEnd end =
            walkEntries(source, options,
                        {.chosen = chosen.empty() ? std::function<bool(uint64_t)>()
                                                  : [&chosen](uint64_t index) { return chosen.count(index) != 0; },
                         .failureCounts = false},
                        result.problems, [&](uint64_t index, const Entry &entry) {
                            // A folder holds no data to test, and some
                            // formats' readers refuse to read its data.
                            if (entry.kind == EntryKind::Directory)
                                return Visit::Next;
                            const DataResult data = readEntryData(source, index, entry, options, {});
                            if (data.cancelled) {
                                result.cancelled = true;
                                return Visit::Stop;
                            }
                            if (data.problem) {
                                ++result.failed;
                                keepProblem(options, result.problems, *data.problem);
                            } else {
                                ++result.passed;
                            }
                            return data.fatal ? Visit::Stop : Visit::Next;
                        });
        result.failed += end.failed;
        result.cancelled = result.cancelled || end.cancelled;
    } catch (const std::bad_alloc &) {
        keepProblem(options, result.problems, {{}, ProblemKind::Damaged, "out of memory"});
    }
    return result;
}

}  // namespace otherformats
