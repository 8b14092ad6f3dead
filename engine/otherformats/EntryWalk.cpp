#include "engine/otherformats/EntryWalk.h"

#include "engine/otherformats/EntryData.h"

namespace otherformats {

WalkEnd walkEntries(EntryCursor &cursor, const ReadOptions &options, const WalkRules &rules,
                    std::vector<Problem> &problems,
                    const std::function<Visit(uint64_t index, const Entry &entry)> &visit)
{
    WalkEnd end;
    const bool all = !rules.chosen;
    for (uint64_t index = 0;;) {
        if (cancelAsked(options)) {
            end.cancelled = true;
            return end;
        }
        const EntryCursor::Next next = cursor.next();
        if (next == EntryCursor::Next::End)
            return end;
        if (next == EntryCursor::Next::Failed && cancelAsked(options)) {
            end.cancelled = true;
            return end;
        }
        if (next == EntryCursor::Next::Failed || cursor.isPlainZip()) {
            keepProblem(options, problems,
                        next != EntryCursor::Next::Failed
                            ? Problem{{}, ProblemKind::Refused, "a ZIP archive is read by the ZIP engine"}
                            : cursor.failure());
            if (rules.failureCounts)
                ++end.failed;
            return end;
        }
        if (next == EntryCursor::Next::Unreadable) {
            if (all) {
                ++end.failed;
                keepProblem(options, problems, cursor.unreadable());
            }
            continue;
        }
        const uint64_t current = index++;
        if (!all && !rules.chosen(current))
            continue;
        if (visit(current, cursor.entry()) == Visit::Stop)
            return end;
    }
}

DataWanted dataFor(const std::vector<uint64_t> &selection)
{
    if (selection.empty())
        return DataWanted::all();
    return {DataWanted::Kind::Chosen, {selection.begin(), selection.end()}, true};
}

}  // namespace otherformats
