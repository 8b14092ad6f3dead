#pragma once
// The values of one member's headers, as the new archive writes them and as
// the old archive's central directory gives them.

#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/ZipRecords.h"

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace zipeng {

// Values of a member's headers. The ZIP64 block is not kept here: it is
// added to the headers exactly when a value does not fit its field.
struct MemberRecord : zipformat::MemberFields {
    std::string name;
    uint16_t versionMadeBy = 0;
    uint64_t packedSize = 0;
    uint64_t unpackedSize = 0;
    uint16_t internalAttributes = 0;
    uint32_t externalAttributes = 0;
    std::vector<uint8_t> extra;  // other extra blocks, as they go in both headers
    std::vector<uint8_t> comment;
    uint64_t localOffset = 0;
};

inline constexpr uint16_t VersionStored = 10;
inline constexpr uint16_t VersionDeflated = 20;
inline constexpr uint16_t VersionZip64 = 45;
inline constexpr uint16_t MadeByUnix = (3 << 8) | 30;  // Unix, 3.0

// The 0x5455 block with the modification time alone, as both headers of a
// new member carry it; none for a time the field cannot hold.
inline std::vector<uint8_t> extendedTimestampBlock(int64_t modified)
{
    if (modified < INT32_MIN || modified > INT32_MAX)
        return {};
    std::vector<uint8_t> block(9);
    zipformat::putLe16(&block[0], zipformat::ExtendedTimestampId);
    zipformat::putLe16(&block[2], 5);
    block[4] = 1;  // modification time only
    zipformat::putLe32(&block[5], uint32_t(int32_t(modified)));
    return block;
}

}  // namespace zipeng
