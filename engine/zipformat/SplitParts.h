#pragma once
// Which files make up the split archive a path belongs to, by their names
// alone. Info-ZIP's `zip -s` writes name.z01, name.z02, ... and last
// name.zip, each a disk that the archive's records number; 7-Zip's -v cuts
// one ordinary archive into name.zip.001, name.zip.002, ... by bytes.
// Whether the parts are there is the opener's business (ArchiveFile).

#include "engine/zipformat/ByteSource.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zipformat {

struct SplitParts {
    enum class Kind {
        Single,  // one ordinary file
        Disks,   // numbered disks; the last part holds the end record
        Pieces,  // one archive cut into pieces by bytes
    };
    Kind kind = Kind::Single;
    std::vector<std::string> paths;  // in order; one for a single file
    size_t opened = 0;               // which of them the caller named
    uint32_t directoryDisk = 0;      // Disks: where the central directory starts
};

// The disks an end record at the end of `source` names: its own and the one
// where the central directory starts (the ZIP64 records' when the end record
// defers to them). Nothing when no end record is found.
struct EndRecordDisks {
    uint32_t thisDisk = 0;
    uint32_t directoryDisk = 0;
};
std::optional<EndRecordDisks> endRecordDisks(const RandomAccessSource &source);

// More disks than this are taken as a damaged record rather than a set whose
// parts would all have to be looked for.
inline constexpr uint32_t MaxSplitParts = 65535;

SplitParts findSplitParts(const std::string &path);

}  // namespace zipformat
