#pragma once
// The two ways a member is deflated: whole in memory, and in pieces for
// larger members. Level 1 is deflated with ISA-L's igzip, the others with
// libdeflate: each the fastest that is at least as small as zlib at the
// same level on trees of text and binaries (see deflateChoice). Each piece is a deflate stream of its own, compressed
// on any worker; all but the last are turned into a stream that does not end and stops on a byte boundary, so that the
// pieces joined in order form one valid deflate stream. A piece is small enough to compress in a few hundredths of a
// second, which bounds what a cancel has to wait for.

#include "engine/common/HugePageBuffer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace zipeng {

// Output and input blocks: large ones are mapped with huge pages.
using Buffer = common::HugePageBuffer;

// The library and its level whose output is no larger than zlib's at this
// zip level (1 to 9), measured on trees of text, source code and binaries.
struct DeflateChoice {
    enum Library { Libdeflate, Isal } library;
    int level;
};
DeflateChoice deflateChoice(int zipLevel);

// Deflates `input` whole. Returns a buffer shorter than the input, or an empty
// buffer (size 0) when deflating would not make it smaller.
Buffer deflateWhole(int zipLevel, std::span<const uint8_t> input);

// True when a few samples of an input of 64 KiB or more do not shrink at the
// fastest level: already-compressed data, which would be deflated only to be
// stored.
bool looksIncompressible(std::span<const uint8_t> input);

// The same judgement from samples read from a file of `size` bytes at its
// current offset 0 (pread: the offset does not move).
bool looksIncompressible(int fd, uint64_t size);

// Bytes of input in one piece at this level: at the higher levels a piece
// takes longer per byte, so it is smaller.
size_t pieceSize(int zipLevel);

// Deflates one piece of a larger member. The last piece ends the stream; any
// other has the final bit of its last block cleared and is followed by an
// empty stored block (three zero bits, padding to the byte, 00 00 FF FF), so
// that the next piece starts on a byte boundary.
Buffer deflatePiece(int zipLevel, std::span<const uint8_t> input, bool last);

// Bit positions in a complete raw deflate stream: where its last block's
// header begins and where the stream ends; and whether Windows' own ZIP
// extractor would refuse it (a block's distance code empty, or incomplete
// beyond a single one-bit code). Throws std::runtime_error when the stream is
// damaged or has bytes after its end. Only the codes are decoded, so a
// distance reaching back before the start of the stream goes unnoticed.
struct StreamTail {
    size_t lastBlockBit = 0;
    size_t endBit = 0;
    bool refusedByWindows = false;
};
StreamTail findStreamTail(std::span<const uint8_t> stream);

// The same answer for a complete stream, quicker when it is one block.
bool refusedByWindows(std::span<const uint8_t> stream);

// CRC-32 as ZIP uses it; `crc` is 0 for a new checksum.
uint32_t crc32Update(uint32_t crc, std::span<const uint8_t> data);

}  // namespace zipeng
