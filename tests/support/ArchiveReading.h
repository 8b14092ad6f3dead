#pragma once
// What an archive holds, read back two ways: record by record through the
// shared ZIP structures (readArchive), and as the archive component lists it
// (listArchive).

#include "engine/ZipEngine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ziptest {

// One member as the central directory describes it.
struct ArchiveMember {
    std::string name;
    uint16_t madeBy = 0;
    uint16_t versionNeeded = 0;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    uint32_t crc = 0;
    uint64_t packedSize = 0;
    uint64_t unpackedSize = 0;
    uint32_t externalAttributes = 0;
    uint64_t offset = 0;
    bool centralZip64 = false;
    std::vector<uint8_t> extra;
    std::optional<int64_t> unixTime;
    std::string record;   // raw bytes from its local header to the end of its data (and descriptor)
};

struct ArchiveInfo {
    bool ok = false;
    bool zip64End = false;
    std::vector<ArchiveMember> members;
    std::vector<std::string> names() const;
    const ArchiveMember *find(const std::string &name) const;
};

ArchiveInfo readArchive(const std::string &path);

// What the component's read left behind.
struct Listing {
    std::vector<ArchiveEntry> entries;
    std::string error;     // empty when the read succeeded
    int dirUpdates = 0;    // times OnDirUpdate was raised

    std::vector<std::string> names() const;
};

Listing listArchive(const std::string &path);

}  // namespace ziptest
