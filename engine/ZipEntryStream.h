#pragma once
// A ZIP archive's members read one after the other for a writer that takes
// them as they come: libunzeng's test decodes (and decrypts) each member on
// this thread and hands its data over under the name the listing shows, and
// each member's time, mode and kind come from the archive's member list.

#include "engine/ArchiveEvents.h"
#include "engine/EntryStream.h"
#include "engine/common/CallRecords.h"

#include <string>

namespace orvex {

// Members refused (a damaged one, a wrong or missing password, a method not
// decoded) are said through `events` and counted as failed; folders and
// links are told with no data. `nameCharset` as the component's NameCharset.
// A mode the archive does not give is 0644 for a file (0444 when DOS marks
// it read-only), 0755 for a folder.
// `unzip` is libunzeng's entry point (or a test's stand-in).
StreamOutcome readZipEntries(const std::string &path, const std::string &nameCharset,
                             int32_t (*unzip)(UnzipCallRecord *record), EntrySink &sink, ArchiveEvents &events);

}  // namespace orvex
