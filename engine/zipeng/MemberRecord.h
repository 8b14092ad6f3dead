#pragma once
// The values of one member's headers, as the new archive writes them and as
// the old archive's central directory gives them.

#include "engine/zipformat/ZipRecords.h"

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

}  // namespace zipeng
