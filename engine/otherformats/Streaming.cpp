// Reading entries with their data for a caller that writes them elsewhere as
// they come. The reading's checks are those of a test (EntryData.h: cancel,
// progress, no data past an entry's declared size); what is written and
// under which names is the caller's to decide.
#include "engine/otherformats/EntryData.h"
#include "engine/otherformats/EntryWalk.h"

#include <algorithm>
#include <array>
#include <new>

namespace otherformats {

namespace {

constexpr std::array<uint8_t, 65536> Zeros{};

// Zeros up to `to`, for a sparse entry's holes; false when the caller stopped.
bool fillTo(const StreamCallbacks &callbacks, uint64_t &at, uint64_t to)
{
    while (at < to) {
        const size_t n = size_t(std::min<uint64_t>(Zeros.size(), to - at));
        if (!callbacks.data(Zeros.data(), n))
            return false;
        at += n;
    }
    return true;
}

}  // namespace

StreamResult stream(const std::string &path, const ReadOptions &options, const StreamCallbacks &callbacks)
{
    StreamResult result;
    try {
        Problem problem;
        const std::unique_ptr<EntryCursor> cursor = openCursor(path, options, DataWanted::all(), problem);
        if (!cursor) {
            result.cancelled = cancelAsked(options);
            if (!result.cancelled)
                keepProblem(options, result.problems, problem);
            return result;
        }
        const WalkEnd end = walkEntries(*cursor, options, {}, result.problems, [&](uint64_t index, const Entry &entry) {
            ++result.entries;
            if (!callbacks.begin(entry)) {
                result.stopped = !callbacks.end(true);
                return result.stopped ? Visit::Stop : Visit::Next;
            }
            bool stopped = false;
            uint64_t at = 0;
            const DataResult data =
                readEntryData(*cursor, index, entry, options, [&](const void *bytes, size_t size, uint64_t offset) {
                    if (!fillTo(callbacks, at, offset) || !callbacks.data(bytes, size)) {
                        stopped = true;
                        return std::optional<Problem>(Problem{entry.name, ProblemKind::Skipped, "stopped"});
                    }
                    at = offset + size;
                    return std::optional<Problem>();
                });
            if (stopped) {
                result.stopped = true;
                return Visit::Stop;
            }
            const bool complete = !data.cancelled && !data.problem;
            // A sparse entry may end in a hole.
            if (complete && entry.kind == EntryKind::File && entry.size && !fillTo(callbacks, at, *entry.size)) {
                result.stopped = true;
                return Visit::Stop;
            }
            if (data.problem) {
                ++result.failed;
                keepProblem(options, result.problems, *data.problem);
            }
            if (!callbacks.end(complete)) {
                result.stopped = true;
                return Visit::Stop;
            }
            if (data.cancelled) {
                result.cancelled = true;
                return Visit::Stop;
            }
            return data.fatal ? Visit::Stop : Visit::Next;
        });
        result.failed += end.failed;
        result.cancelled = result.cancelled || end.cancelled;
    } catch (const std::bad_alloc &) {
        ++result.failed;
        keepProblem(options, result.problems, {{}, ProblemKind::Damaged, "out of memory"});
    }
    return result;
}

}  // namespace otherformats
