#pragma once
// Finding the end record (and the ZIP64 end record) at the end of a file, and
// walking the central directory it points to.

#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/ZipRecords.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zipformat {

struct CentralDirectoryLocation {
    uint64_t endRecordOffset = 0;                  // file offset of the end record
    std::optional<uint64_t> zip64EndRecordOffset;  // file offset, when the archive has one
    uint64_t entries = 0;
    uint64_t size = 0;          // bytes of the central directory, as recorded
    uint64_t storedOffset = 0;  // as recorded: relative to the archive's start
    uint16_t commentLength = 0;
    // File offset the archive's own offsets count from. Above 0 when data was
    // put in front of an archive (a self-extractor stub) without adjusting them.
    uint64_t archiveStart = 0;

    uint64_t fileOffset() const { return archiveStart + storedOffset; }
    // Where the directory's records must end: the (ZIP64) end record.
    uint64_t directoryEnd() const { return zip64EndRecordOffset.value_or(endRecordOffset); }
    // The most entries the directory's bytes can hold, whatever its count says.
    uint64_t entryCapacity() const;
};

// Searches the last 64 KiB + 22 bytes for the end record. Prefers a record
// whose comment ends exactly at the end of the file, the first of them when
// a comment holds a whole archive of its own, and takes only one that points
// at a central directory, so that a signature inside a comment is not
// mistaken for it. A recorded directory size that does not fit is not held
// against a directory found where the record says it starts. Nothing when
// there is no usable one.
std::optional<CentralDirectoryLocation> locateCentralDirectory(const RandomAccessSource &source);

// The file offsets of the end-record signatures in the last 64 KiB + 22
// bytes, in the order the search above tries them: those whose comment ends
// exactly at the end of the file, earliest first, then from the end
// backwards those with bytes after their comment.
std::vector<uint64_t> endRecordCandidates(const RandomAccessSource &source);

// Reads the central-directory records one after the other.
class CentralDirectoryReader {
public:
    CentralDirectoryReader(const RandomAccessSource &source, const CentralDirectoryLocation &location);

    // The next record; its name, extra and comment stay valid until the next
    // call. Nothing after the last record, or at the first one that is cut
    // short or carries the wrong signature. Records are read on up to the end
    // record even past the recorded size, which writers get wrong; bytesRead()
    // tells the caller whether that happened.
    std::optional<CentralHeader> next();
    uint64_t bytesRead() const { return read_; }

private:
    BufferedReader reader_;
    uint64_t end_ = 0;
    uint64_t read_ = 0;
    std::vector<uint8_t> record_;
};

}  // namespace zipformat
