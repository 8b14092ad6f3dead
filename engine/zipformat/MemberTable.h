#pragma once
// The one member list of an archive: what the listing shows and what the
// extraction writes. It is the central directory's, each entry checked
// against its local header, so that a crafted archive cannot show the user
// one set of files and hand over another. Where the two disagree, the member
// (or the archive) carries a message, and the member is neither listed nor
// extracted.

#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/ZipRecords.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zipformat {

inline constexpr uint16_t UnicodePathId = 0x7075;

// The shared fields (flags among them) are the central record's.
struct TableMember : MemberFields {
    std::string storedName;  // the central record's name bytes
    // The name it is listed and extracted under: the Info-ZIP Unicode path
    // field's when that field belongs to this name, else storedName.
    std::string name;
    uint16_t versionMadeBy = 0;
    // The local header's own fields, as stored; all 0 when it could not be read.
    LocalHeader local;
    uint32_t storedPackedSize = 0;  // 32-bit fields as the central record holds them
    uint32_t storedUnpackedSize = 0;
    uint32_t externalAttributes = 0;
    uint64_t packedSize = 0;
    uint64_t unpackedSize = 0;
    uint64_t headerOffset = 0;  // file offset of the local header
    uint32_t disk = 0;          // the disk of a split archive it starts on
    uint64_t dataOffset = 0;    // file offset of the data; valid when problem is empty
    std::vector<uint8_t> centralExtra;
    std::vector<uint8_t> localExtra;

    // Set: neither listed nor extracted, for this reason.
    std::string problem;
};

struct MemberTable {
    CentralDirectoryLocation location;
    std::vector<TableMember> members;  // central-directory order
    // The members' comments, the non-empty ones only, by index in `members`.
    std::vector<std::pair<std::size_t, std::string>> comments;
    // Disagreements that concern the archive rather than one member.
    std::vector<std::string> damage;

    // Everything the listing has to say: the archive's damage, then each
    // refused member as "skipping NAME: reason". Empty when the local
    // headers and the directory agree throughout.
    std::vector<std::string> messages() const;
};

// Told every few thousand members how far a read has got: `members` is the
// count the end record gives, `done` of `total` the work so far. It may throw
// to stop the read; the exception leaves readMemberTable.
using ReadProgress = std::function<void(uint64_t members, uint64_t done, uint64_t total)>;

// Nothing when the file has no usable end record.
std::optional<MemberTable> readMemberTable(const RandomAccessSource &source, const ReadProgress &progress = {});

// The Unicode path field's name, if `extra` holds one whose CRC is that of
// `storedName` and whose text is well-formed UTF-8 without NUL.
std::optional<std::string> unicodePathName(Bytes extra, const std::string &storedName);

uint32_t crc32Of(const void *data, size_t length);

// Which of `spans` (a member's local header and data, [start, end) in the
// file) overlap another's: entries sharing bytes are how a small archive
// expands to an enormous output. Both members of an overlap are marked.
std::vector<bool> overlappingSpans(const std::vector<std::pair<uint64_t, uint64_t>> &spans);

}  // namespace zipformat
