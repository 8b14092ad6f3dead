#pragma once
// ZIP stores every number little-endian. These read and write them byte by
// byte, so they work whatever the host's byte order and need no alignment.

#include <cstdint>

namespace zipformat {

inline uint16_t le16(const uint8_t *p)
{
    return uint16_t(p[0] | (p[1] << 8));
}

inline uint32_t le32(const uint8_t *p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

inline uint64_t le64(const uint8_t *p)
{
    return uint64_t(le32(p)) | (uint64_t(le32(p + 4)) << 32);
}

inline void putLe16(uint8_t *p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

inline void putLe32(uint8_t *p, uint32_t v)
{
    putLe16(p, uint16_t(v));
    putLe16(p + 2, uint16_t(v >> 16));
}

inline void putLe64(uint8_t *p, uint64_t v)
{
    putLe32(p, uint32_t(v));
    putLe32(p + 4, uint32_t(v >> 32));
}

}  // namespace zipformat
