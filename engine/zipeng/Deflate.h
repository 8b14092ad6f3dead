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

// A block of bytes that is not zero-filled when allocated. Large blocks are
// mapped on their own and asked for huge pages: a whole file read into fresh
// memory otherwise costs one page fault per 4 KiB, a tenth of an add's time.
class Buffer {
public:
    size_t size = 0;   // bytes in use; at most what was allocated

    Buffer() = default;
    explicit Buffer(size_t n);
    ~Buffer() { release(); }
    Buffer(Buffer &&other) noexcept { take(other); }
    Buffer &operator=(Buffer &&other) noexcept
    {
        if (this != &other) {
            release();
            take(other);
        }
        return *this;
    }
    Buffer(const Buffer &) = delete;
    Buffer &operator=(const Buffer &) = delete;

    uint8_t *data() { return bytes_; }
    const uint8_t *data() const { return bytes_; }
    std::span<const uint8_t> view() const { return {bytes_, size}; }

private:
    void release() noexcept;
    void take(Buffer &other) noexcept
    {
        bytes_ = other.bytes_;
        size = other.size;
        mapped_ = other.mapped_;
        other.bytes_ = nullptr;
        other.size = 0;
        other.mapped_ = 0;
    }

    uint8_t *bytes_ = nullptr;
    size_t mapped_ = 0;   // length of the mapping, 0 when from the heap
};

// The libdeflate level whose output is no larger than zlib's at this level
// (1 to 9), measured on text, source code and binaries.
int libdeflateLevel(int zipLevel);

// Deflates `input` whole. Returns a buffer shorter than the input, or an empty
// buffer (size 0) when deflating would not make it smaller.
Buffer deflateWhole(int zipLevel, std::span<const uint8_t> input);

// True when a few samples of an input of 64 KiB or more do not shrink at the
// fastest level: already-compressed data, which would be deflated only to be
// stored.
bool looksIncompressible(std::span<const uint8_t> input);

// Deflates one chunk of a larger member with zlib at `zipLevel`. `dictionary`
// is up to 32 KiB of the data just before the chunk (empty for the first);
// the last chunk ends the stream, the others end on a sync flush.
Buffer deflateChunk(int zipLevel, std::span<const uint8_t> dictionary, std::span<const uint8_t> input, bool last);

// CRC-32 as ZIP uses it; `crc` is 0 for a new checksum.
uint32_t crc32Update(uint32_t crc, std::span<const uint8_t> data);

}  // namespace zipeng
