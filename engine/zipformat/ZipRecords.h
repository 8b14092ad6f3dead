#pragma once
// The fixed records of a ZIP archive (PKWARE's APPNOTE.TXT) and the parsing of
// their bytes. Everything here works on bytes already in memory; reading them
// from a file is ByteSource.h's business, finding them CentralDirectory.h's.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zipformat {

using Bytes = std::span<const uint8_t>;

// Signatures, compared as 32-bit little-endian values.
inline constexpr uint32_t LocalHeaderSignature = 0x04034B50;
inline constexpr uint32_t CentralHeaderSignature = 0x02014B50;
inline constexpr uint32_t EndRecordSignature = 0x06054B50;
inline constexpr uint32_t Zip64EndRecordSignature = 0x06064B50;
inline constexpr uint32_t Zip64LocatorSignature = 0x07064B50;
inline constexpr uint32_t DataDescriptorSignature = 0x08074B50;

// Sizes of the fixed parts, signatures included.
inline constexpr size_t LocalHeaderSize = 30;
inline constexpr size_t CentralHeaderSize = 46;
inline constexpr size_t EndRecordSize = 22;
inline constexpr size_t Zip64EndRecordSize = 56;
inline constexpr size_t Zip64LocatorSize = 20;
inline constexpr size_t MaxCommentLength = 0xFFFF;

// General-purpose flag bits.
inline constexpr uint16_t FlagEncrypted = 1u << 0;
inline constexpr uint16_t FlagDataDescriptor = 1u << 3;  // CRC and sizes follow the data
inline constexpr uint16_t FlagUtf8 = 1u << 11;           // name and comment are UTF-8
// Traditional, strong and central-directory encryption.
inline constexpr uint16_t EncryptionFlags = 0x0001 | 0x0040 | 0x2000;

// Compression methods this program reads or writes. Unscoped, so that a
// stored 16-bit method field compares with them directly.
enum Method : uint16_t {
    MethodStored = 0,
    MethodShrunk = 1,
    MethodReduced1 = 2,  // Reduce with compression factors 1 to 4: methods 2 to 5
    MethodReduced4 = 5,
    MethodImploded = 6,
    MethodDeflated = 8,
    MethodDeflate64 = 9,
    MethodBzip2 = 12,
    MethodLzma = 14,
    MethodZstd = 93,
    MethodXz = 95,
    MethodPpmd = 98,
};

// Implode's general-purpose flags: an 8 KiB window (else 4 KiB), and a third
// Huffman tree for the literals (else they are stored as bytes).
inline constexpr uint16_t ImplodeLargeWindowFlag = 0x0002;
inline constexpr uint16_t ImplodeLiteralTreeFlag = 0x0004;

// Extra-field header ids.
inline constexpr uint16_t Zip64ExtraId = 0x0001;
inline constexpr uint16_t ExtendedTimestampId = 0x5455;

// A 32-bit (or 16-bit) field holding this value defers to the ZIP64 records.
inline constexpr uint32_t Zip64Marker32 = 0xFFFFFFFF;
inline constexpr uint16_t Zip64Marker16 = 0xFFFF;

// Whether `length` bytes from `start` end at or before `limit`, without a
// sum that could wrap.
inline bool fitsBefore(uint64_t start, uint64_t length, uint64_t limit)
{
    return start <= limit && length <= limit - start;
}

// ---- Extra fields --------------------------------------------------------

// One block of an extra field: a 2-byte id, a 2-byte length, that many bytes.
struct ExtraBlock {
    uint16_t id = 0;
    Bytes data;
};

// Walks the blocks of an extra field. A block whose declared length runs past
// the end of the field ends the walk: what follows cannot be trusted.
class ExtraFieldIterator {
public:
    explicit ExtraFieldIterator(Bytes extra) : rest_(extra) {}
    std::optional<ExtraBlock> next();

private:
    Bytes rest_;
};

// The first block with this id, if the field holds one that is intact.
std::optional<Bytes> findExtraBlock(Bytes extra, uint16_t id);

// The values of a ZIP64 extended-information block. A value is present only
// when its header field held the marker and the block is long enough for it;
// the block stores them in this order, each only if its field is marked.
struct Zip64Values {
    std::optional<uint64_t> unpackedSize;
    std::optional<uint64_t> packedSize;
    std::optional<uint64_t> headerOffset;
    std::optional<uint32_t> diskStart;
};

struct Zip64Wanted {
    bool unpackedSize = false;
    bool packedSize = false;
    bool headerOffset = false;
    bool diskStart = false;
};

Zip64Values parseZip64Block(Bytes block, Zip64Wanted wanted);

// A local header's ZIP64 block must carry both sizes when either is marked;
// a block of 16 bytes or more is read that way. A shorter block is read by the
// general rule, one value for each marked field.
Zip64Values parseLocalZip64Block(Bytes block, bool unpackedMarked, bool packedMarked);

// The extended-timestamp block (0x5455): Unix times, seconds since 1970, UTC.
// The flags byte says which times the writer meant to store; in a central
// header only the modification time is present, whatever the flags say.
struct ExtendedTimestamp {
    std::optional<int64_t> modified;
    std::optional<int64_t> accessed;
    std::optional<int64_t> created;
};

std::optional<ExtendedTimestamp> parseExtendedTimestamp(Bytes block);
// The extended-timestamp block of a record's extra field, read.
std::optional<ExtendedTimestamp> findExtendedTimestamp(Bytes extra);

// ---- Local and central file headers --------------------------------------

// What every record of a member states alike, whatever the width of its
// sizes: from "version needed" to the CRC, in the headers' order.
struct MemberFields {
    uint16_t versionNeeded = 0;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint16_t modTime = 0;
    uint16_t modDate = 0;
    uint32_t crc = 0;
};

// The fields both headers hold, in the same order: from "version needed" to
// the extra field's length (26 bytes). The central header has them after
// "version made by", the local header right after its signature.
struct HeaderFields : MemberFields {
    uint32_t storedPackedSize = 0;  // as stored; 0xFFFFFFFF defers to the ZIP64 block
    uint32_t storedUnpackedSize = 0;
    uint16_t nameLength = 0;
    uint16_t extraLength = 0;
};

// The fixed 30 bytes of a local header. The name and the extra field follow.
struct LocalHeader : HeaderFields {
    // Fixed part, name and extra field: where the member's data starts.
    uint64_t recordSize() const { return LocalHeaderSize + uint64_t(nameLength) + extraLength; }
};

// Nothing when `bytes` is shorter than 30 bytes or has no local signature.
std::optional<LocalHeader> parseLocalHeader(Bytes bytes);

// Writes the 26 bytes of shared fields at `p`, as both headers store them.
inline constexpr size_t HeaderFieldsSize = 26;
void putHeaderFields(uint8_t *p, const HeaderFields &h);

// The sizes a local header gives: its 32-bit fields, or the values of the
// ZIP64 block of `extra` (its extra field) where a field holds the marker.
struct LocalSizes {
    uint64_t packedSize = 0;
    uint64_t unpackedSize = 0;
};
LocalSizes localSizes(const LocalHeader &header, Bytes extra);

// ---- Data descriptor -----------------------------------------------------

// An optional signature, the CRC, then both sizes: 8 bytes each for a ZIP64
// member, else 4.
inline constexpr size_t MaxDataDescriptorSize = 24;

struct DescriptorValues {
    uint32_t crc = 0;
    uint64_t packedSize = 0;
    uint64_t unpackedSize = 0;
};

// The length of the data descriptor at the start of `bytes` (up to 24 bytes
// of what follows a member's data). The layout whose CRC and both sizes
// agree with `expected` wins, the width `zip64` says tried first; when none
// agrees, the signature and `zip64` decide.
size_t dataDescriptorLength(Bytes bytes, const DescriptorValues &expected, bool zip64);
// The same, but nothing when no layout agrees.
std::optional<size_t> agreeingDataDescriptorLength(Bytes bytes, const DescriptorValues &expected, bool zip64);

struct CentralHeader : HeaderFields {
    uint16_t versionMadeBy = 0;
    uint16_t diskStart16 = 0;
    uint16_t internalAttributes = 0;
    uint32_t externalAttributes = 0;
    uint32_t storedHeaderOffset = 0;
    Bytes name;
    Bytes extra;
    Bytes comment;

    // Resolved through the ZIP64 block where the stored field holds the marker.
    bool hasZip64Extra = false;
    uint64_t packedSize = 0;
    uint64_t unpackedSize = 0;
    uint64_t headerOffset = 0;  // relative to the archive's start, not the file's
    uint32_t diskStart = 0;

    size_t recordSize = 0;  // fixed part, name, extra and comment
};

// Parses the record at the start of `bytes`. Nothing when the signature does
// not match or the record runs past the end of `bytes`.
std::optional<CentralHeader> parseCentralHeader(Bytes bytes);

// ---- End records ---------------------------------------------------------

struct EndRecord {
    uint16_t diskNumber = 0;
    uint16_t centralDirectoryDisk = 0;
    uint16_t entriesOnDisk = 0;
    uint16_t entries = 0;
    uint32_t centralDirectorySize = 0;
    uint32_t centralDirectoryOffset = 0;
    uint16_t commentLength = 0;

    // Any field holding its marker says the ZIP64 end record has the real value.
    bool needsZip64() const;
};

// The fixed 22 bytes of an end record, signature included.
std::optional<EndRecord> parseEndRecord(Bytes bytes);

struct Zip64Locator {
    uint32_t endRecordDisk = 0;
    uint64_t endRecordOffset = 0;  // relative to the archive's start
    uint32_t totalDisks = 0;
};

std::optional<Zip64Locator> parseZip64Locator(Bytes bytes);

struct Zip64EndRecord {
    uint64_t recordSize = 0;  // as stored: the bytes after this field
    uint16_t versionMadeBy = 0;
    uint16_t versionNeeded = 0;
    uint32_t diskNumber = 0;
    uint32_t centralDirectoryDisk = 0;
    uint64_t entriesOnDisk = 0;
    uint64_t entries = 0;
    uint64_t centralDirectorySize = 0;
    uint64_t centralDirectoryOffset = 0;
};

// The fixed 56 bytes of a ZIP64 end record, signature included.
std::optional<Zip64EndRecord> parseZip64EndRecord(Bytes bytes);

}  // namespace zipformat
