// Reading entries with their data for a caller that writes them elsewhere as
// they come. The reading's checks are those of a test (EntryData.h: cancel,
// progress, no data past an entry's declared size); what is written and
// under which names is the caller's to decide.
#include "engine/otherformats/ArchiveSource.h"
#include "engine/otherformats/EntryData.h"

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
        ArchiveSource source;
        std::string error;
        if (!source.open(path, options.password, error)) {
            keepProblem(options, result.problems, {{}, ProblemKind::Damaged, error});
            return result;
        }
        for (uint64_t index = 0;; ++index) {
            if (options.cancel && options.cancel->load()) {
                result.cancelled = true;
                break;
            }
            const ArchiveSource::Next next = source.next();
            if (next == ArchiveSource::Next::End)
                break;
            if (next == ArchiveSource::Next::Failed || source.isPlainZip()) {
                ++result.failed;
                keepProblem(options, result.problems,
                            source.isPlainZip()
                                ? Problem{{}, ProblemKind::Refused, "a ZIP archive is read by the ZIP engine"}
                                : source.failure());
                break;
            }
            if (next == ArchiveSource::Next::Unreadable) {
                ++result.failed;
                keepProblem(options, result.problems, source.unreadable());
                continue;
            }
            const Entry entry = source.describe();
            ++result.entries;
            if (!callbacks.begin(entry)) {
                if (!callbacks.end(true)) {
                    result.stopped = true;
                    break;
                }
                continue;
            }
            bool stopped = false;
            uint64_t at = 0;
            const DataResult data =
                readEntryData(source, index, entry, options, [&](const void *bytes, size_t size, uint64_t offset) {
                    if (!fillTo(callbacks, at, offset) || !callbacks.data(bytes, size)) {
                        stopped = true;
                        return std::optional<Problem>(Problem{entry.name, ProblemKind::Skipped, "stopped"});
                    }
                    at = offset + size;
                    return std::optional<Problem>();
                });
            if (stopped) {
                result.stopped = true;
                break;
            }
            bool complete = !data.cancelled && !data.problem;
            // A sparse entry may end in a hole.
            if (complete && entry.kind == EntryKind::File && entry.size && !fillTo(callbacks, at, *entry.size)) {
                result.stopped = true;
                break;
            }
            if (data.problem) {
                ++result.failed;
                keepProblem(options, result.problems, *data.problem);
            }
            if (!callbacks.end(complete)) {
                result.stopped = true;
                break;
            }
            if (data.cancelled) {
                result.cancelled = true;
                break;
            }
            if (data.fatal)
                break;
        }
    } catch (const std::bad_alloc &) {
        ++result.failed;
        keepProblem(options, result.problems, {{}, ProblemKind::Damaged, "out of memory"});
    }
    return result;
}

}  // namespace otherformats
