#include "engine/otherformats/EntryData.h"

namespace otherformats {

void keepProblem(const ReadOptions &options, std::vector<Problem> &problems, Problem problem)
{
    problems.push_back(std::move(problem));
    if (options.problem)
        options.problem(problems.back());
}

DataResult readEntryData(EntryCursor &cursor, uint64_t index, const Entry &entry, const ReadOptions &options,
                         const DataSink &sink)
{
    DataResult result;
    uint64_t produced = 0;
    for (;;) {
        if (cancelAsked(options)) {
            result.cancelled = true;
            return result;
        }
        const DataStep step = cursor.readBlock();
        if (step.kind == DataStep::Kind::End) {
            // A reader may end an entry early without an error (a member
            // spanning into a volume that is not there, a compressed ISO
            // file cut short): the declared size says it is not all there.
            if (const auto required = cursor.layout().requiredEnd; required && result.end < *required)
                result.problem =
                    Problem{entry.name, ProblemKind::Damaged,
                            "the data ends after " + std::to_string(result.end)
                                + " bytes, short of its declared size of " + std::to_string(*entry.size) + " bytes"};
            return result;
        }
        if (step.kind == DataStep::Kind::Failed) {
            // A reader stopped by the caller's cancel is no failure of the entry.
            result.cancelled = cancelAsked(options);
            if (!result.cancelled)
                result.problem = step.problem;
            result.fatal = step.fatal;
            return result;
        }
        // A size the entry declared is a promise; data beyond it is not
        // written, so a small-looking entry cannot become a large file.
        if (entry.size && (step.offset > *entry.size || step.size > *entry.size - step.offset)) {
            result.problem =
                Problem{entry.name, ProblemKind::Limit,
                        "the data runs past its declared size of " + std::to_string(*entry.size) + " bytes"};
            return result;
        }
        if (sink && step.size > 0)
            if (auto problem = sink(step.data, step.size, step.offset)) {
                result.problem = std::move(problem);
                return result;
            }
        produced += step.size;
        if (step.offset + step.size > result.end)
            result.end = step.offset + step.size;
        if (options.progress)
            options.progress({index, entry.name, produced, cursor.bytesRead(), cursor.size()});
    }
}

}  // namespace otherformats
