#pragma once
// An archive's entries read one after the other, each with its data in
// pieces, so that a reader can hand them to a writer without the disk in
// between and with no more than one piece of one entry in memory.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace orvex {

// HardLink: another name for an entry told before it, which linkTarget names.
enum class StreamEntryKind { File, Directory, Symlink, HardLink };

struct StreamEntry {
    std::string name;  // UTF-8, as the listing shows it; a folder's ends in '/'
    StreamEntryKind kind = StreamEntryKind::File;
    int64_t modified = 0;        // seconds since the epoch; 0 when not stored
    uint32_t modifiedNanos = 0;  // the fraction of that second, where the format keeps one
    uint32_t mode = 0;           // permission bits as stored; 0 when not stored
    // The owner as stored, where the format keeps one.
    std::optional<uint32_t> uid;
    std::optional<uint32_t> gid;
    std::string owner;
    std::string group;
    std::string linkTarget;        // a symbolic link's target
    std::optional<uint64_t> size;  // the data's size when the archive says it
};

// Told each entry in archive order, on the reading thread.
class EntrySink {
public:
    virtual ~EntrySink() = default;
    // An entry begins. False passes over its data (end is still told).
    virtual bool begin(const StreamEntry &entry) = 0;
    // The next piece of its data. False stops the whole read.
    virtual bool data(const void *bytes, size_t length) = 0;
    // Its data is complete, or (false) could not be read to the end, which
    // the reader has said through its events. False stops the whole read.
    virtual bool end(bool complete) = 0;
};

struct StreamOutcome {
    uint64_t entries = 0;  // entries told to the sink
    uint64_t failed = 0;   // entries whose data could not be read in full
    bool stopped = false;  // the sink or a stop request ended the read early
};

}  // namespace orvex
