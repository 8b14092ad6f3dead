#pragma once
// The two ways a member is deflated: whole in memory with libdeflate (fast,
// and at least as small as zlib at the same level), and in chunks with zlib
// for members too large to hold, where each chunk is primed with the 32 KiB
// before it and ends on a sync flush, so that the chunks joined in order form
// one valid deflate stream and can be compressed on several threads.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace zipeng {

// A block of bytes that is not zero-filled when allocated.
struct Buffer {
    std::unique_ptr<uint8_t[]> bytes;
    size_t size = 0;

    Buffer() = default;
    explicit Buffer(size_t n) : bytes(n ? new uint8_t[n] : nullptr), size(n) {}
    uint8_t *data() { return bytes.get(); }
    const uint8_t *data() const { return bytes.get(); }
    std::span<const uint8_t> view() const { return {bytes.get(), size}; }
};

// The libdeflate level whose output is no larger than zlib's at this level
// (1 to 9), measured on text, source code and binaries.
int libdeflateLevel(int zipLevel);

// Deflates `input` whole. Returns a buffer shorter than the input, or an empty
// buffer (size 0) when deflating would not make it smaller.
Buffer deflateWhole(int zipLevel, std::span<const uint8_t> input);

// True when a few samples of a large input do not shrink at the fastest
// level: already-compressed data, which would be deflated only to be stored.
bool looksIncompressible(std::span<const uint8_t> input);

// Deflates one chunk of a larger member with zlib at `zipLevel`. `dictionary`
// is up to 32 KiB of the data just before the chunk (empty for the first);
// the last chunk ends the stream, the others end on a sync flush.
Buffer deflateChunk(int zipLevel, std::span<const uint8_t> dictionary, std::span<const uint8_t> input, bool last);

// CRC-32 as ZIP uses it; `crc` is 0 for a new checksum.
uint32_t crc32Update(uint32_t crc, std::span<const uint8_t> data);

}  // namespace zipeng
