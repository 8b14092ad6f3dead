#include "engine/otherformats/EntryData.h"

#include <archive.h>
#include <archive_entry.h>

namespace otherformats {

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
        if (status == ARCHIVE_EOF)
            return result;
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
