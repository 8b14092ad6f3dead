// Detection, listing and testing: reading an archive without writing.
#include "engine/otherformats/ConfinedCursor.h"
#include "engine/otherformats/EntryData.h"
#include "engine/otherformats/EntryWalk.h"
#include "engine/otherformats/SevenZipCursor.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <new>
#include <optional>
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

// What a tar reader would look at: whether the field where a tar header
// keeps its checksum holds only what one may hold. libarchive takes a file
// that begins with 7z's signature for a 7z unless its first block passes as
// a tar header, whose reader then bids higher.
bool mayBeTarHeader(const std::string &path)
{
    constexpr off_t checksumAt = 148;
    char field[8] = {};
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return true;
    const bool whole = ::pread(fd, field, sizeof field, checksumAt) == ssize_t(sizeof field);
    ::close(fd);
    return whole && std::all_of(std::begin(field), std::end(field), [](char c) {
               return c == ' ' || c == '\0' || (c >= '0' && c <= '7');
           });
}

// What detect() says without a reader: nothing for a file that is not a
// regular one (a FIFO or a device would be waited on or read without end;
// the ZIP reader refuses them with its own words), ZIP for a ZIP. None when
// libarchive is to look.
std::optional<Detection> seenWithoutReader(const std::string &path)
{
    if (struct stat status{}; ::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return Detection{};
    if (beginsAsZip(path))
        return Detection{Verdict::Zip, "ZIP", "none", {}, false};
    return std::nullopt;
}

// A reading that failed before its first entry, as a cursor: list() says
// of it what it says of a reader that could not open the archive.
class FailedOpening final : public EntryCursor {
public:
    explicit FailedOpening(Problem problem) : problem_(std::move(problem)) {}
    Next next() override { return Next::Failed; }
    const Entry &entry() const override { return entry_; }
    EntryLayout layout() const override { return {}; }
    Problem unreadable() const override { return problem_; }
    Problem failure() const override { return problem_; }
    bool isPlainZip() const override { return false; }
    std::string formatName() const override { return {}; }
    uint64_t bytesRead() const override { return 0; }
    uint64_t size() const override { return 0; }
    DataStep readBlock() override { return {}; }

private:
    Problem problem_;
    Entry entry_;
};

// A 7z that 7-Zip's program reads: its listing run is the listing's reader,
// kept whether it lists or fails. When it lists, or says the names are
// encrypted, that run says what libarchive's detection would (a 7z,
// uncompressed), and the header is decoded once; otherwise libarchive
// looks, as detect() does. None when that program does not read it.
std::optional<Sighting> seenBySevenZip(const std::string &path, const ReadOptions &options)
{
    if (!readBySevenZip(path))
        return std::nullopt;
    Problem problem;
    bool couldNotRun = false;
    std::shared_ptr<EntryCursor> cursor =
        SevenZipCursor::open(sevenZipProgram(), path, options, DataWanted::none(), problem, &couldNotRun);
    if (couldNotRun)
        return std::nullopt;
    const bool listed = cursor != nullptr;
    const bool namesLocked = !listed && problem.kind == ProblemKind::Encrypted && problem.entry.empty();
    if (!listed)
        cursor = std::make_shared<FailedOpening>(problem);
    if ((listed || namesLocked) && !mayBeTarHeader(path))
        return Sighting{{Verdict::Other, "7-Zip", "none", {}, false}, std::move(cursor)};
    return Sighting{detectConfined(path, options), std::move(cursor)};
}

// The entries `cursor` gives, as list() tells them.
Listing listWith(EntryCursor &cursor, const ReadOptions &options)
{
    Listing listing;
    for (;;) {
        if (cancelAsked(options)) {
            listing.cancelled = true;
            break;
        }
        const EntryCursor::Next next = cursor.next();
        listing.format = cursor.formatName();
        if (next == EntryCursor::Next::End) {
            listing.complete = true;
            break;
        }
        if (next == EntryCursor::Next::Failed) {
            listing.cancelled = cancelAsked(options);
            if (!listing.cancelled)
                listing.problems.push_back(cursor.failure());
            break;
        }
        if (next == EntryCursor::Next::Unreadable) {
            listing.problems.push_back(cursor.unreadable());
            continue;
        }
        if (cursor.isPlainZip()) {
            listing.problems.push_back({{}, ProblemKind::Refused, "a ZIP archive is read by the ZIP engine"});
            break;
        }
        listing.entries.push_back(cursor.entry());
        const Entry &entry = listing.entries.back();
        listing.hasEncrypted = listing.hasEncrypted || entry.encrypted;
        if (options.listed)
            options.listed(entry);
        if (options.progress)
            options.progress({listing.entries.size() - 1, entry.name, 0, cursor.bytesRead(), cursor.size()});
    }
    return listing;
}

}  // namespace

Detection detect(const std::string &path, const ReadOptions &options)
{
    if (std::optional<Detection> seen = seenWithoutReader(path))
        return *seen;
    return detectConfined(path, options);
}

Sighting detectForListing(const std::string &path, const ReadOptions &options)
{
    if (std::optional<Detection> seen = seenWithoutReader(path))
        return {*seen, nullptr};
    if (std::optional<Sighting> seen = seenBySevenZip(path, options)) {
        // What is not an archive of ours is not listed.
        if (seen->detection.verdict != Verdict::Other || seen->detection.stopped)
            seen->listing.reset();
        return std::move(*seen);
    }
    auto reader = std::make_shared<ConfinedCursor>();
    Sighting sighting{reader->look(path, options), nullptr};
    Problem problem;
    if (sighting.detection.verdict == Verdict::Other && !sighting.detection.stopped && reader->listOn(problem))
        sighting.listing = std::move(reader);
    return sighting;
}

Listing list(const std::string &path, const ReadOptions &options)
{
    return list(path, options, nullptr);
}

Listing list(const std::string &path, const ReadOptions &options, std::shared_ptr<EntryCursor> reader)
{
    Listing listing;
    try {
        if (reader) {
            reader->heed(options);
        } else {
            Problem problem;
            reader = openCursor(path, options, DataWanted::none(), problem);
            if (!reader) {
                listing.cancelled = cancelAsked(options);
                if (!listing.cancelled)
                    listing.problems.push_back(problem);
                return listing;
            }
        }
        listing = listWith(*reader, options);
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
