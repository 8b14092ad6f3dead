#pragma once
// Builds the member list by walking the local file headers from the first
// byte of the archive, stepping over each member's data by the sizes in its
// header. The central directory is consulted only for members whose header
// defers the sizes to a data descriptor.

#include "engine/ArchiveEntry.h"
#include "engine/zipformat/ByteSource.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvex {

class ArchiveDirectoryReader {
public:
    // An empty name, a missing file and a directory do not count as archives.
    static bool archiveExists(const std::string &fileName);

    // Appends one entry per local header met, in file order. Throws EZipError
    // with the entries met so far left in `entries`. The file is closed
    // before this returns, on success and on failure.
    static void read(const std::string &fileName, std::vector<ArchiveEntry> &entries);

    // The same over bytes already open.
    static void read(const zipformat::RandomAccessSource &source, std::vector<ArchiveEntry> &entries);

private:
    // What the central directory says about a member whose sizes were deferred.
    struct DeferredSizes {
        uint64_t packedSize = 0;
        uint64_t unpackedSize = 0;
        uint32_t crc = 0;
        bool zip64 = false;   // its record had a ZIP64 extra: the descriptor has 64-bit sizes
    };

    ArchiveDirectoryReader(const zipformat::RandomAccessSource &source, std::vector<ArchiveEntry> &entries);
    void scan();
    void readMember(uint64_t headerOffset);
    void takeZip64Sizes(ArchiveEntry &entry);
    const DeferredSizes *deferredSizes(uint64_t headerOffset);
    void skipDataDescriptor(const DeferredSizes &sizes);

    const zipformat::RandomAccessSource &source_;
    zipformat::BufferedReader in_;
    std::vector<ArchiveEntry> &entries_;
    // Read at the first member that needs it, then kept for the rest of the scan.
    std::optional<std::unordered_map<uint64_t, DeferredSizes>> centralDirectory_;
};

}  // namespace orvex
