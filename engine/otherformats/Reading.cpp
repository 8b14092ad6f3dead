// Detection, listing and testing: reading an archive without writing.
#include "engine/otherformats/ConfinedCursor.h"
#include "engine/otherformats/EntryData.h"
#include "engine/otherformats/EntryWalk.h"

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

Detection detect(const std::string &path, const ReadOptions &options)
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
    return detectConfined(path, options);
}

Listing list(const std::string &path, const ReadOptions &options)
{
    Listing listing;
    try {
        Problem problem;
        const std::unique_ptr<EntryCursor> cursor = openCursor(path, options, DataWanted::none(), problem);
        if (!cursor) {
            listing.cancelled = cancelAsked(options);
            if (!listing.cancelled)
                listing.problems.push_back(problem);
            return listing;
        }
        for (;;) {
            if (cancelAsked(options)) {
                listing.cancelled = true;
                break;
            }
            const EntryCursor::Next next = cursor->next();
            listing.format = cursor->formatName();
            if (next == EntryCursor::Next::End) {
                listing.complete = true;
                break;
            }
            if (next == EntryCursor::Next::Failed) {
                listing.cancelled = cancelAsked(options);
                if (!listing.cancelled)
                    listing.problems.push_back(cursor->failure());
                break;
            }
            if (next == EntryCursor::Next::Unreadable) {
                listing.problems.push_back(cursor->unreadable());
                continue;
            }
            if (cursor->isPlainZip()) {
                listing.problems.push_back({{}, ProblemKind::Refused, "a ZIP archive is read by the ZIP engine"});
                break;
            }
            listing.entries.push_back(cursor->entry());
            const Entry &entry = listing.entries.back();
            listing.hasEncrypted = listing.hasEncrypted || entry.encrypted;
            if (options.listed)
                options.listed(entry);
            if (options.progress)
                options.progress({listing.entries.size() - 1, entry.name, 0, cursor->bytesRead(), cursor->size()});
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
        Problem problem;
        // A test keeps no data: the reader says where each block goes, not what it holds.
        DataWanted wanted = dataFor(selection);
        wanted.bytes = false;
        const std::unique_ptr<EntryCursor> cursor = openCursor(path, options, wanted, problem);
        if (!cursor) {
            result.cancelled = cancelAsked(options);
            if (!result.cancelled)
                keepProblem(options, result.problems, problem);
            return result;
        }
        const WalkEnd end =
            walkEntries(*cursor, options,
                        {.chosen = chosen.empty() ? std::function<bool(uint64_t)>()
                                                  : [&chosen](uint64_t index) { return chosen.count(index) != 0; },
                         .failureCounts = false},
                        result.problems, [&](uint64_t index, const Entry &entry) {
                            // A folder holds no data to test, and some
                            // formats' readers refuse to read its data.
                            if (entry.kind == EntryKind::Directory)
                                return Visit::Next;
                            const DataResult data = readEntryData(*cursor, index, entry, options, {});
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
