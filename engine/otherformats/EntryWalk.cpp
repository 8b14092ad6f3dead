#include "engine/otherformats/EntryWalk.h"

#include "engine/otherformats/EntryData.h"

namespace otherformats {

WalkEnd walkEntries(ArchiveSource &source, const ReadOptions &options, const WalkRules &rules,
                    std::vector<Problem> &problems,
                    const std::function<Visit(uint64_t index, const Entry &entry)> &visit)
{
    WalkEnd end;
    const bool all = !rules.chosen;
    for (uint64_t index = 0;;) {
        if (options.cancel && options.cancel->load()) {
            end.cancelled = true;
            return end;
        }
        const ArchiveSource::Next next = source.next();
        if (next == ArchiveSource::Next::End)
            return end;
        if (next == ArchiveSource::Next::Failed || source.isPlainZip()) {
            keepProblem(options, problems,
                        source.isPlainZip()
                            ? Problem{{}, ProblemKind::Refused, "a ZIP archive is read by the ZIP engine"}
                            : source.failure());
            if (rules.failureCounts)
                ++end.failed;
            return end;
        }
        if (next == ArchiveSource::Next::Unreadable) {
            if (all) {
                ++end.failed;
                keepProblem(options, problems, source.unreadable());
            }
            continue;
        }
        const uint64_t current = index++;
        if (!all && !rules.chosen(current))
            continue;
        if (visit(current, source.describe()) == Visit::Stop)
            return end;
    }
}

}  // namespace otherformats
