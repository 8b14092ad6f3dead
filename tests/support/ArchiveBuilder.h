#pragma once
// Builds ZIP archives byte by byte, so that a test can make exactly the
// archive its case needs: streamed members, ZIP64 records, a stub in front,
// members sharing a header, headers that lie. The record functions are the
// builder's own pieces, for tests that lay out a file themselves (sparse
// files of gigabytes, say).

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace ziptest {

// 12:34:56 on 15 March 2024.
inline constexpr uint16_t SampleTime = (12 << 11) | (34 << 5) | (56 / 2);
inline constexpr uint16_t SampleDate = ((2024 - 1980) << 9) | (3 << 5) | 15;
inline constexpr uint32_t UnixFile = 0100644u << 16;
inline constexpr uint32_t UnixDirectory = (040755u << 16) | 0x10;
inline constexpr uint32_t UnixLink = 0120777u << 16;

void put16(std::string &out, uint16_t v);
void put32(std::string &out, uint32_t v);
void put64(std::string &out, uint64_t v);
uint32_t crc32Of(const std::string &data);

// One extra-field block.
std::string extraBlock(uint16_t id, const std::string &data);
// A ZIP64 block holding these values in order.
std::string zip64Block(std::initializer_list<uint64_t> values);
// An extended timestamp block with the modification time only.
std::string extendedTimestamp(int64_t modified);
// The Info-ZIP Unicode path field naming `utf8` for the stored name `stored`.
std::string unicodePathField(const std::string &stored, const std::string &utf8);

// The fields a local header and a directory record share, and the
// directory's own.
struct HeaderFields {
    std::string name;
    uint16_t madeBy = 0x031E;  // Unix, 3.0
    uint16_t versionNeeded = 20;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint16_t modTime = SampleTime;
    uint16_t modDate = SampleDate;
    uint32_t crc = 0;
    uint32_t packedSize = 0;
    uint32_t unpackedSize = 0;
    std::string extra;
    uint32_t externalAttributes = UnixFile;
    uint32_t offset = 0;
    std::string comment;  // the directory record's
};

std::string localRecord(const HeaderFields &h);  // without the data
std::string centralRecord(const HeaderFields &h);
// A bare end record; the archive holds nothing else when it is the whole file.
std::string endRecord(uint16_t entries = 0, uint32_t cdSize = 0, uint32_t cdOffset = 0,
                      const std::string &comment = {});
// The ZIP64 end record, written at `at`, and its locator.
std::string zip64EndRecords(uint64_t entries, uint64_t cdSize, uint64_t cdOffset, uint64_t at);

// A stored local header with these size fields and extra field and a made-up
// CRC; the data is not included.
std::string localHeader(const std::string &name, uint32_t packedSize, uint32_t unpackedSize, const std::string &extra);
// One whose sizes are in a ZIP64 block.
std::string zip64LocalHeader(const std::string &name, uint64_t size, const std::string &moreExtra = {});

// Writes head, then a hole of `holeLength` bytes that takes no disk space,
// then tail. False when the file system refuses.
bool writeSparseFile(const std::string &path, const std::string &head, uint64_t holeLength, const std::string &tail);

struct Member {
    std::string name;
    std::string data;                   // the member's content
    uint16_t method = 0;                // 8 and 93 compress `data`; others store it
    std::optional<std::string> packed;  // written as the data instead
    uint16_t flags = 0;
    uint16_t madeBy = 0x031E;
    uint32_t externalAttributes = UnixFile;
    uint16_t modTime = SampleTime;
    uint16_t modDate = SampleDate;
    std::string localExtra;    // more blocks for the local header
    std::string centralExtra;  // more blocks for the directory record
    std::string comment;       // the member's own, in the directory record

    // Sizes deferred to a data descriptor: flag bit 3, local sizes 0.
    bool deferred = false;
    bool descriptorSignature = true;
    // Local sizes 0xFFFFFFFF with a ZIP64 block; ZIP64 block in the central
    // directory; 64-bit sizes in the descriptor.
    bool zip64 = false;
    // Overrides of the above, for writers that disagree with themselves.
    std::optional<bool> centralZip64Extra;
    std::optional<bool> wideDescriptor;

    // Lies, written instead of the truth.
    std::optional<uint32_t> crc;           // both headers
    std::optional<uint64_t> unpackedSize;  // both headers
    std::optional<uint32_t> localPackedSize;
    std::optional<uint64_t> packedSize;  // the directory only
    std::optional<std::string> localName;
    std::optional<uint16_t> localMethod;
    // Points the directory record at the local header of member i (plus
    // offsetAdjust); no local header of its own is written.
    std::optional<size_t> shareHeaderOf;
    uint32_t offsetAdjust = 0;
    bool inCentralDirectory = true;
};

// A stored file.
Member stored(std::string name, std::string data);
// A stored file whose sizes follow its data, in a descriptor.
Member streamed(std::string name, std::string data);
Member fileEntry(const std::string &name, const std::string &content, uint16_t method = 8);
Member dirEntry(const std::string &name);
Member linkEntry(const std::string &name, const std::string &target);

// Encrypted members. Each takes a member made as usual (its method says how
// `data` is compressed) and returns it with the packed data encrypted, flag
// bit 0 set and the check values filled in. The header and salt bytes are
// fixed, so an archive builds the same every time.
// The traditional cipher; the header's check byte is the CRC's high byte, or
// with `deferred` the time's.
Member traditionalEncrypted(Member m, const std::string &password);
struct AesOptions {
    int strength = 3;                       // AES-256
    uint16_t vendorVersion = 2;             // AE-2: CRC fields 0
    std::optional<size_t> corruptDataAt{};  // flips this byte of the encrypted data (after the MAC)
    bool corruptMac = false;
    size_t truncateBy = 0;  // bytes cut from the end of the packed data
};
// WinZip AES: method 99, the real method in the 0x9901 field of both headers.
Member aesEncrypted(Member m, const std::string &password, const AesOptions &options = {});

struct Layout {
    std::vector<uint64_t> headerOffsets;  // file offsets of the local headers
    uint64_t centralDirectoryOffset = 0;  // file offset
    uint64_t endRecordOffset = 0;
};

class ArchiveBuilder {
public:
    std::string stub;                 // bytes before the archive
    bool offsetsIncludeStub = false;  // offsets adjusted for the stub, as zip -A does
    bool zip64EndRecord = false;
    std::string comment;
    std::string afterMembers;  // bytes between the last member and the directory
    std::vector<Member> members;

    ArchiveBuilder &add(Member m)
    {
        members.push_back(std::move(m));
        return *this;
    }
    std::string build(Layout *layout = nullptr) const;
    // Only the stub and the local headers with their data: no directory.
    std::string buildMembersOnly(Layout *layout = nullptr) const;
};

std::string buildZip(std::vector<Member> members);

}  // namespace ziptest
