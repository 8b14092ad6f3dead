#pragma once
// Builds ZIP archives byte by byte, so that tests can make exactly the
// archive a case needs: streamed members, ZIP64 records, a stub in front,
// headers that lie.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ziptest {

// 12:34:56 on 15 March 2024.
inline constexpr uint16_t SampleTime = (12 << 11) | (34 << 5) | (56 / 2);
inline constexpr uint16_t SampleDate = ((2024 - 1980) << 9) | (3 << 5) | 15;

void put16(std::string &out, uint16_t v);
void put32(std::string &out, uint32_t v);
void put64(std::string &out, uint64_t v);
uint32_t crc32Of(const std::string &data);

// One extra-field block.
std::string extraBlock(uint16_t id, const std::string &data);
// A ZIP64 block holding these values in order.
std::string zip64Block(std::initializer_list<uint64_t> values);

// A bare end record; the archive holds nothing else when it is the whole file.
std::string endRecord(uint16_t entries = 0, uint32_t cdSize = 0, uint32_t cdOffset = 0,
                      const std::string &comment = {});

// A stored local header with these size fields and extra field; the data is
// not included.
std::string localHeader(const std::string &name, uint32_t packedSize, uint32_t unpackedSize, const std::string &extra);
// One whose sizes are in a ZIP64 block.
std::string zip64LocalHeader(const std::string &name, uint64_t size, const std::string &moreExtra = {});

// Writes head, then a hole of `holeLength` bytes that takes no disk space,
// then tail. False when the file system refuses.
bool writeSparseFile(const std::string &path, const std::string &head, uint64_t holeLength, const std::string &tail);

struct Member {
    std::string name;
    std::string data;               // stored bytes of the member
    uint16_t method = 0;
    uint16_t flags = 0;
    uint16_t modTime = SampleTime;
    uint16_t modDate = SampleDate;
    std::string localExtra;         // more blocks for the local header

    // Sizes deferred to a data descriptor: flag bit 3, local sizes 0.
    bool deferred = false;
    bool descriptorSignature = true;
    // Local sizes 0xFFFFFFFF with a ZIP64 block; ZIP64 block in the central
    // directory; 64-bit sizes in the descriptor.
    bool zip64 = false;
    // Overrides of the above, for writers that disagree with themselves.
    std::optional<bool> centralZip64Extra;
    std::optional<bool> wideDescriptor;

    std::optional<uint32_t> localPackedSize;   // written instead of the real one
    bool inCentralDirectory = true;
};

struct Layout {
    std::vector<uint64_t> headerOffsets;   // file offsets of the local headers
    uint64_t centralDirectoryOffset = 0;   // file offset
    uint64_t endRecordOffset = 0;
};

class ArchiveBuilder {
public:
    std::string stub;                  // bytes before the archive
    bool offsetsIncludeStub = false;   // offsets adjusted for the stub, as zip -A does
    bool zip64EndRecord = false;
    std::string comment;
    std::string afterMembers;          // bytes between the last member and the directory
    std::vector<Member> members;

    ArchiveBuilder &add(Member m)
    {
        members.push_back(std::move(m));
        return *this;
    }
    std::string build(Layout *layout = nullptr) const;
    // Only the stub and the local headers with their data: no directory.
    std::string buildMembersOnly(Layout *layout = nullptr) const;

private:
    std::string localPart(const Member &m) const;
    std::string centralRecord(const Member &m, uint64_t offset) const;
};

}  // namespace ziptest
