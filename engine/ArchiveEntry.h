#pragma once
// One member of the archive as the listing shows it: the fixed fields of its
// local file header (the date and time are the central record's, which the
// extraction gives the file), its name, and the sizes the listing reports.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#pragma pack(push, 1)
// The 26 bytes after a local-header signature, field for field.
struct ArchiveEntryHeader {
    uint16_t VersionNeeded = 0, GeneralFlags = 0, Method = 0, ModTime = 0, ModDate = 0;
    uint32_t Crc = 0, PackedSize = 0, UnpackedSize = 0;
    uint16_t NameLength = 0, ExtraLength = 0;
};
#pragma pack(pop)
static_assert(sizeof(ArchiveEntryHeader) == 26);

struct ArchiveEntry : ArchiveEntryHeader {
    // Formats other than ZIP may not give a member's sizes; the listing then
    // leaves the cell empty. (These fit in the header's padding.)
    bool PackedSizeKnown = true;
    bool UnpackedSizeKnown = true;
    std::string FileName;  // stored bytes, up to the first NUL
    // The real sizes: from the ZIP64 extra field, or from the central directory
    // when the local header deferred them to a data descriptor; otherwise the
    // stored 32-bit values.
    uint64_t TruePackedSize = 0;
    uint64_t TrueUnpackedSize = 0;
    uint64_t HeaderOffset = 0;  // file offset of the local header

    // The name decoded from the archive's code page when it needs one (see
    // needsCodePage); filled in when the directory is read, empty otherwise.
    std::string DecodedName;

    // UTF-8: the name as stored when general flag bit 11 says UTF-8 or the bytes
    // are valid UTF-8, else DecodedName, or code page 437 (the ZIP default)
    // when nothing decoded it.
    std::string DisplayName() const;
    // No UTF-8 flag and no well-formed UTF-8: the bytes are in some code page.
    bool needsCodePage() const;
    uint32_t DosDateTime() const { return (uint32_t(ModDate) << 16) | ModTime; }
    // General flag bit 0, or the method that stands for WinZip's AES.
    bool Encrypted() const { return (GeneralFlags & 1u) != 0 || Method == 99; }
};

// A member's own comment, kept beside the list for the few members that have
// one: a string in every entry would cost a million-member listing 32 MB.
struct MemberComment {
    std::size_t entry = 0;  // index into the member list
    std::string text;       // stored bytes
};

namespace orvex {
// Each byte as its code page 437 character, in UTF-8.
std::string cp437ToUtf8(const std::string &bytes);
// Fills DecodedName for the entries that need a code page: `codePage`, or
// for "" and "auto" the one guessed over all of them, so that the listing
// reads the names as the extraction writes them.
void decodeEntryNames(std::vector<ArchiveEntry> &entries, const std::string &codePage);
}  // namespace orvex
