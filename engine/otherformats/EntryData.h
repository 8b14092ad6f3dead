#pragma once
// Reading the current entry's data to its end, for a test or into a file,
// with the checks every reader shares: cancel, progress, and no more and no
// less data than the entry declared, when it declares a size.

#include "engine/otherformats/EntryCursor.h"

#include <functional>
#include <optional>

namespace otherformats {

struct DataResult {
    std::optional<Problem> problem;  // the entry failed
    bool fatal = false;              // and nothing more of the archive can be read
    bool cancelled = false;
    uint64_t end = 0;  // one past the last byte given out (sparse data has holes)
};

// Takes each block at its offset in the entry; a problem stops the entry.
using DataSink = std::function<std::optional<Problem>(const void *data, size_t size, uint64_t offset)>;

// Keeps `problem` with the others and tells the caller of it at once.
void keepProblem(const ReadOptions &options, std::vector<Problem> &problems, Problem problem);

// Whether the caller has asked to stop.
inline bool cancelAsked(const ReadOptions &options)
{
    return (options.cancel && options.cancel->load()) || (options.stopAsked && options.stopAsked());
}

DataResult readEntryData(EntryCursor &cursor, uint64_t index, const Entry &entry, const ReadOptions &options,
                         const DataSink &sink);

}  // namespace otherformats
