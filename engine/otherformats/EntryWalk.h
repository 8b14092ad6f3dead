#pragma once
// The walk every reading of an archive's entries shares (a test, an
// extraction, a stream): a cancel heard between entries, the archive's own
// failure and a plain ZIP ending the walk, an entry whose header cannot be
// read said and passed over, and each readable entry numbered as list()
// numbers it.

#include "engine/otherformats/EntryCursor.h"

#include <functional>
#include <vector>

namespace otherformats {

struct WalkRules {
    // Whether to visit the entry of list()'s index; unset: every entry. An
    // entry whose header cannot be read has no index to be chosen by, so it
    // is said only when all are wanted.
    std::function<bool(uint64_t index)> chosen{};
    // The archive's failure (or a plain ZIP) counts as a failed entry.
    bool failureCounts = true;
};

struct WalkEnd {
    uint64_t failed = 0;  // what the walk itself said: unreadable headers, the archive's failure
    bool cancelled = false;
};

enum class Visit { Next, Stop };

WalkEnd walkEntries(EntryCursor &cursor, const ReadOptions &options, const WalkRules &rules,
                    std::vector<Problem> &problems,
                    const std::function<Visit(uint64_t index, const Entry &entry)> &visit);

// What a walk over `selection` (list()'s indices; empty: all) reads the data of.
DataWanted dataFor(const std::vector<uint64_t> &selection);

}  // namespace otherformats
