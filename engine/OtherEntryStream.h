#pragma once
// An archive in another format than ZIP read entry by entry, with its data,
// for a writer that takes them as they come (engine/otherformats' stream):
// nothing of it reaches the disk.

#include "engine/ArchiveEvents.h"
#include "engine/EntryStream.h"

#include <optional>
#include <string>

namespace orvex {

// Problems are said through `events` in the ZIP extraction's words and codes
// (problemText, problemCode). A device, a FIFO or a socket is refused there
// and counted as failed: ZIP has no member for it. A hard link without data
// of its own is told as one, naming the entry it links to.
StreamOutcome readOtherEntries(const std::string &path, const std::optional<std::string> &password, EntrySink &sink,
                               ArchiveEvents &events);

}  // namespace orvex
