#include "engine/otherformats/EntryData.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>

namespace otherformats {

namespace {

// Where a complete entry's data must reach: its declared size, less a hole
// its sparse map leaves at the end, which no block covers. Holes within are
// skipped by the blocks' offsets and need nothing here. None for an entry
// with no size, or one whose size is not its data's (a folder's extent, a
// symbolic link's target).
std::optional<uint64_t> requiredEnd(archive_entry *e, const Entry &entry)
{
    const bool holdsData = entry.kind == EntryKind::File
                           || (entry.kind == EntryKind::HardLink && entry.size.value_or(0) > 0);
    if (!entry.size || !holdsData)
        return std::nullopt;
    if (archive_entry_sparse_reset(e) <= 0)
        return entry.size;
    uint64_t last = 0;
    la_int64_t offset = 0, length = 0;
    while (archive_entry_sparse_next(e, &offset, &length) == ARCHIVE_OK)
        if (offset >= 0 && length > 0)
            last = std::max(last, uint64_t(offset) + uint64_t(length));
    return std::min(last, *entry.size);
}

}  // namespace

void keepProblem(const ReadOptions &options, std::vector<Problem> &problems, Problem problem)
{
    problems.push_back(std::move(problem));
    if (options.problem)
        options.problem(problems.back());
}

DataResult readEntryData(ArchiveSource &source, uint64_t index, const Entry &entry, const ReadOptions &options,
                         const DataSink &sink)
{
    DataResult result;
    archive *a = source.handle();
    uint64_t produced = 0;
    for (;;) {
        if (options.cancel && options.cancel->load()) {
            result.cancelled = true;
            return result;
        }
        const void *block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int status = archive_read_data_block(a, &block, &size, &offset);
        if (status == ARCHIVE_EOF) {
            // A reader may end an entry early without an error (a member
            // spanning into a volume that is not there, a compressed ISO
            // file cut short): the declared size says it is not all there.
            if (const auto required = requiredEnd(source.current(), entry); required && result.end < *required)
                result.problem =
                    Problem{entry.name, ProblemKind::Damaged,
                            "the data ends after " + std::to_string(result.end)
                                + " bytes, short of its declared size of " + std::to_string(*entry.size) + " bytes"};
            return result;
        }
        if (status == ARCHIVE_RETRY)
            continue;
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
            // An entry that says it is encrypted and fails is reported as
            // such: the user can do something about a password.
            const bool encrypted = entry.encrypted || archive_entry_is_data_encrypted(source.current());
            result.problem = Problem{entry.name, encrypted ? ProblemKind::Encrypted : ProblemKind::Damaged,
                                     (encrypted ? "encrypted: " : "") + source.error()};
            result.fatal = status == ARCHIVE_FATAL;
            return result;
        }
        if (offset < 0) {
            result.problem = Problem{entry.name, ProblemKind::Damaged, "the data has a negative offset"};
            result.fatal = true;
            return result;
        }
        const uint64_t at = uint64_t(offset);
        // A size the entry declared is a promise; data beyond it is not
        // written, so a small-looking entry cannot become a large file.
        if (entry.size && (at > *entry.size || size > *entry.size - at)) {
            result.problem =
                Problem{entry.name, ProblemKind::Limit,
                        "the data runs past its declared size of " + std::to_string(*entry.size) + " bytes"};
            return result;
        }
        if (sink && size > 0)
            if (auto problem = sink(block, size, at)) {
                result.problem = std::move(problem);
                return result;
            }
        produced += size;
        if (at + size > result.end)
            result.end = at + size;
        if (options.progress)
            options.progress({index, entry.name, produced, source.bytesRead(), source.size()});
    }
}

}  // namespace otherformats
