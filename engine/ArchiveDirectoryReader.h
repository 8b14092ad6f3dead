#pragma once
// Builds the member list. An archive with a usable end record is listed as
// zipformat's MemberTable has it, the very list the extraction works from;
// only a file without one (cut short, or no archive) is listed by walking
// the local file headers from its first byte, stepping over each member's
// data by the sizes in its header.

#include "engine/ArchiveEntry.h"
#include "engine/ZipError.h"
#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/MemberTable.h"
#include "engine/zipformat/ZipRecords.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvex {

// The local headers and the central directory disagree. Raised after the
// members both agree on are in the list; the extraction reports the same
// disagreement itself, member by member.
class EArchiveDisagreement : public EZipError {
public:
    using EZipError::EZipError;
};

class ArchiveDirectoryReader {
public:
    // An empty name, a missing file and a directory do not count as archives.
    static bool archiveExists(const std::string &fileName);

    // Appends the archive's members. Throws EZipError with the entries met so
    // far left in `entries`, or EArchiveDisagreement with every agreed member
    // in it. The file is closed
    // before this returns, on success and on failure.
    // `progress` is told how far the read has got, and may throw to stop it
    // (a walk of local headers knows no total and reports 0 for it).
    static void read(const std::string &fileName, std::vector<ArchiveEntry> &entries,
                     const zipformat::ReadProgress &progress = {});

    // The same over bytes already open.
    static void read(const zipformat::RandomAccessSource &source, std::vector<ArchiveEntry> &entries,
                     const zipformat::ReadProgress &progress = {});

private:
    // What the central directory says about a member whose sizes were deferred.
    struct DeferredSizes {
        uint64_t packedSize = 0;
        uint64_t unpackedSize = 0;
        uint32_t crc = 0;
        bool zip64 = false;  // its record had a ZIP64 extra: the descriptor has 64-bit sizes
    };

    ArchiveDirectoryReader(const zipformat::RandomAccessSource &source, std::vector<ArchiveEntry> &entries);
    void scan(const zipformat::ReadProgress &progress);
    static bool listFromTable(const zipformat::RandomAccessSource &source, std::vector<ArchiveEntry> &entries,
                              const zipformat::ReadProgress &progress);
    void readMember(uint64_t headerOffset);
    void takeZip64Sizes(const zipformat::LocalHeader &header, ArchiveEntry &entry);
    const DeferredSizes *deferredSizes(uint64_t headerOffset);
    void skipDataDescriptor(const DeferredSizes &sizes);

    const zipformat::RandomAccessSource &source_;
    zipformat::BufferedReader in_;
    std::vector<ArchiveEntry> &entries_;
    // Read at the first member that needs it, then kept for the rest of the scan.
    std::optional<std::unordered_map<uint64_t, DeferredSizes>> centralDirectory_;
};

}  // namespace orvex
