#pragma once
// What an archive holds, read back two ways: record by record through the
// shared ZIP structures (readArchive), and as the archive component lists it
// (listArchive).

#include "engine/ZipEngine.h"
#include "engine/zipformat/ZipRecords.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ziptest {

// One member as the central directory describes it: the record's fixed
// fields as stored, and what the ZIP64 block makes of them.
struct ArchiveMember : zipformat::HeaderFields {
    std::string name;
    uint16_t versionMadeBy = 0;
    uint32_t externalAttributes = 0;
    uint64_t packedSize = 0;
    uint64_t unpackedSize = 0;
    uint64_t offset = 0;  // in the file
    bool centralZip64 = false;
    std::vector<uint8_t> extra;
    std::optional<int64_t> unixTime;
    std::string record;  // raw bytes from its local header to the end of its data (and descriptor)
    // Its stored data (compressed, encrypted as written): `record` past the local header.
    std::string packedData() const;
};

struct ArchiveInfo {
    bool ok = false;
    bool zip64End = false;
    std::vector<ArchiveMember> members;
    std::vector<std::string> names() const;
    const ArchiveMember *find(const std::string &name) const;
    // The members that are no folder: what the libraries count.
    int files() const;
};

// The names among `names` that are no folder (no trailing '/').
int filesAmong(const std::vector<std::string> &names);

ArchiveInfo readArchive(const std::string &path);

// What the component's read left behind.
struct Listing {
    std::vector<ArchiveEntry> entries;
    std::string error;   // empty when the read succeeded
    int dirUpdates = 0;  // times OnDirUpdate was raised

    std::vector<std::string> names() const;
};

Listing listArchive(const std::string &path);
// The same through an engine the caller goes on using.
Listing listArchive(TZipEngine &engine, const std::string &path);
// Lists these bytes, written to a scratch file.
Listing listBytes(const std::string &bytes);

}  // namespace ziptest
