#include "engine/zipeng/Deflate.h"

#include "engine/common/FileIo.h"
#include "engine/zipeng/IsalDeflate.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <new>
#include <optional>
#include <stdexcept>
#include <unistd.h>

namespace zipeng {

DeflateChoice deflateChoice(int zipLevel)
{
    // zlib level -> the fastest libdeflate level that compresses at least as
    // well. Over binaries and documents libdeflate wins at the same number,
    // but on C sources and headers its 5, 6 and 7 come out about 0.1% larger
    // than zlib's, hence the step up there. Its 8 already beats zlib's 9 by
    // 0.3% or more on headers, text, binaries and shared libraries, where
    // its 9 would gain another 0.1% at a fifth more time.
    static constexpr int map[10] = {0, 1, 2, 3, 4, 6, 7, 8, 8, 8};
    // igzip's 2, with blocks of 8K tokens (see IsalDeflate.cpp), deflates
    // at about twice the speed of its 3. It is 1.6-3.2% smaller than zlib's
    // 1 on text and source code and 0.8% larger on machine code and
    // generated binaries, so a tree of shared libraries alone comes out
    // larger than zip -1's; with any real share of text (C headers, a
    // developer's tree, the bench corpus) it is smaller: by 0.3% on the
    // corpus, the narrowest of the three. Its 3 gained 0.2-2.3% more at
    // twice the time; its 1 is 2.5% larger than zlib's 1 on machine code.
    // At 2 and 3, libdeflate beats zlib at the same number and igzip's best
    // does not, so they stay with libdeflate.
    if (zipLevel <= 1)
        return {DeflateChoice::Isal, 2};
    return {DeflateChoice::Libdeflate, map[zipLevel > 9 ? 9 : zipLevel]};
}

namespace {

// One compressor per worker thread and level, kept while the thread lives:
// sampling at level 1 between files at another level would otherwise free
// and allocate (and fault in) the larger compressor each time.
struct CompressorCache {
    std::array<libdeflate_compressor *, 13> byLevel{};
    ~CompressorCache()
    {
        for (libdeflate_compressor *compressor : byLevel)
            if (compressor)
                libdeflate_free_compressor(compressor);
    }
    libdeflate_compressor *get(int level)
    {
        libdeflate_compressor *&compressor = byLevel.at(size_t(level));
        if (!compressor)
            compressor = libdeflate_alloc_compressor(level);
        if (!compressor)
            throw std::bad_alloc();
        return compressor;
    }
};

thread_local CompressorCache compressors;

// Deflates `input` as one complete raw stream into `out` with the library
// chosen for the level. Returns the bytes written, or 0 when `capacity` is not
// enough. Whole members and pieces both come through here, so that what any
// library writes can be judged in one place.
size_t deflateStream(const DeflateChoice &choice, std::span<const uint8_t> input, uint8_t *out, size_t capacity)
{
    if (choice.library == DeflateChoice::Isal)
        return IsalDeflater::forThread(choice.level).deflate(input, out, capacity);
    return libdeflate_deflate_compress(compressors.get(choice.level), input.data(), input.size(), out, capacity);
}

// Whether Windows' own extractor could refuse what the library writes, so
// that its output must be walked. igzip pads a distance code used by no
// match, or by one distance, to two 1-bit codes as zlib does, and its longer
// codes are complete (zlib's inflate, which igzip's output is made for,
// refuses any other incomplete code); libdeflate before 1.19 leaves an
// empty distance code in a block without matches.
bool mayBeRefusedByWindows(const DeflateChoice &choice)
{
    return choice.library != DeflateChoice::Isal;
}

// Room enough for `n` bytes deflated. igzip, too, stores what does not
// shrink, in blocks of up to 64 KiB with 5 bytes of header each; its bound
// is not documented, so deflatePiece doubles the room should it ever fall
// short.
size_t deflateBound(const DeflateChoice &choice, size_t n)
{
    if (choice.library == DeflateChoice::Isal)
        return n + 5 * (n / 65535 + 2) + 1024;
    return libdeflate_deflate_compress_bound(compressors.get(choice.level), n);
}

// zlib's raw deflate into at most `room` bytes of a buffer `spare` bytes
// larger; an empty buffer when it does not fit. zlib gives every block's
// distance code at least two codes, which is what Windows' own extractor
// needs, so it redoes the rare output of the others that extractor would
// refuse (libdeflate's for a block without matches).
Buffer zlibDeflate(int zipLevel, std::span<const uint8_t> input, size_t room, size_t spare = 0)
{
    z_stream z{};
    if (deflateInit2(&z, std::clamp(zipLevel, 1, 9), Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::bad_alloc();
    Buffer out(room + spare);
    z.next_out = out.data();
    z.avail_out = uInt(std::min<size_t>(room, UINT_MAX));
    size_t fed = 0;
    int status = Z_OK;
    while (status == Z_OK) {
        // zlib counts in 32 bits: a larger input goes in in parts.
        if (z.avail_in == 0 && fed < input.size()) {
            const size_t part = std::min<size_t>(input.size() - fed, UINT_MAX);
            z.next_in = const_cast<Bytef *>(input.data() + fed);
            z.avail_in = uInt(part);
            fed += part;
        }
        const size_t produced = size_t(z.next_out - out.data());
        if (z.avail_out == 0 && produced < room)
            z.avail_out = uInt(std::min<size_t>(room - produced, UINT_MAX));
        status = deflate(&z, fed == input.size() ? Z_FINISH : Z_NO_FLUSH);
        if (status == Z_BUF_ERROR || (status == Z_OK && size_t(z.next_out - out.data()) == room))
            break;
    }
    const size_t written = size_t(z.next_out - out.data());
    deflateEnd(&z);
    if (status != Z_STREAM_END)
        return {};
    out.size = written;
    return out;
}

}  // namespace

Buffer deflateWhole(int zipLevel, std::span<const uint8_t> input)
{
    if (input.size() < 2)
        return {};
    Buffer out(input.size() - 1);
    // Room for less than the input only: output that would not fit is output
    // that would not shrink the data, reported as 0.
    const DeflateChoice choice = deflateChoice(zipLevel);
    const size_t written = deflateStream(choice, input, out.data(), out.size);
    if (written == 0)
        return {};
    out.size = written;
    if (mayBeRefusedByWindows(choice) && refusedByWindows(out.view()))
        return zlibDeflate(zipLevel, input, input.size() - 1);
    return out;
}

namespace {

// Saving less than 0.5% of the samples: storing loses next to nothing.
template <typename Sample>
bool samplesBarelyShrink(size_t count, size_t sampleSize, Sample sample)
{
    libdeflate_compressor *compressor = compressors.get(1);
    Buffer out(sampleSize + 1024);
    const size_t sampled = count * sampleSize;
    size_t packed = 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t written = libdeflate_deflate_compress(compressor, sample(i), sampleSize, out.data(), out.size);
        packed += written == 0 ? sampleSize : written;
        // Decided once even the rest stored whole could not reach the mark:
        // text decides at its first sample.
        if ((packed + (count - 1 - i) * sampleSize) * 1000 < sampled * 995)
            return false;
    }
    return packed * 1000 >= sampled * 995;
}

}  // namespace

bool looksIncompressible(std::span<const uint8_t> input)
{
    // Samples of 8 KiB, four from a medium input (already-compressed
    // documents, pictures and packages are mostly that size) and eight from
    // one of 1 MiB or more: at most 64 KiB, which at level 1 costs about a
    // twentieth of deflating a 1 MiB file (larger samples made sampling a
    // third of the work there). Below 64 KiB deflating it whole costs little.
    const size_t sampleSize = 8u << 10;
    const size_t samples = input.size() >= (1u << 20) ? 8 : 4;
    if (input.size() < samples * sampleSize * 2)
        return false;
    return samplesBarelyShrink(
        samples, sampleSize, [&](size_t i) { return input.data() + (input.size() - sampleSize) / (samples - 1) * i; });
}

bool looksIncompressible(int fd, uint64_t size)
{
    // Eight samples, of 8 KiB as for whole files, of 64 KiB from a file of
    // 64 MiB or more, where they cost next to nothing.
    const size_t sampleSize = size >= (64u << 20) ? 64u << 10 : 8u << 10;
    constexpr size_t samples = 8;
    if (size < samples * sampleSize * 2)
        return false;
    Buffer gathered(samples * sampleSize);
    for (size_t i = 0; i < samples; ++i) {
        const uint64_t at = (size - sampleSize) / (samples - 1) * i;
        if (common::preadFull(fd, gathered.data() + i * sampleSize, sampleSize, at).got != sampleSize)
            return false;  // the reading proper will tell what is wrong
    }
    return samplesBarelyShrink(samples, sampleSize, [&](size_t i) { return gathered.data() + i * sampleSize; });
}

size_t pieceSize(int zipLevel)
{
    // As large as a cancel can wait for (about a tenth of a second): files
    // within one piece are deflated whole, which is cheapest. Measured on C
    // headers on this 2-core class of machine with the other core busy:
    // libdeflate's levels 1-3 deflate 4 MiB in about 50-90 ms, 4-7 2 MiB in
    // 40-80 ms, 8 and 9 1 MiB in 70-150 ms. Smaller pieces at 8 and 9 would
    // be quicker to wait for, but each piece starts without the text before
    // it, and at 512 KiB that made the member larger than zip's.
    // igzip is quicker still.
    const DeflateChoice choice = deflateChoice(zipLevel);
    if (choice.library == DeflateChoice::Isal || choice.level <= 3)
        return 4u << 20;
    return choice.level <= 7 ? 2u << 20 : 1u << 20;
}

Buffer deflatePiece(int zipLevel, std::span<const uint8_t> input, bool last)
{
    const DeflateChoice choice = deflateChoice(zipLevel);
    // igzip ends a piece that is not the last with a sync flush of its own,
    // and its codes need no check: nothing to walk.
    const bool isal = choice.library == DeflateChoice::Isal;
    Buffer out;
    size_t written = 0;
    for (size_t room = deflateBound(choice, input.size()); written == 0; room *= 2) {
        if (room > 2 * input.size() + (1u << 20))
            throw std::runtime_error("deflate output exceeds its bound");
        out = Buffer(room + 5);  // 5 more for the closing stored block
        written = isal ? IsalDeflater::forThread(choice.level).deflate(input, out.data(), room, last)
                       : deflateStream(choice, input, out.data(), room);
    }
    out.size = written;
    if (isal)
        return out;
    // The last piece needs no tail, only the check.
    std::optional<StreamTail> tail;
    if (!last)
        tail = findStreamTail(out.view());
    if (tail ? tail->refusedByWindows : refusedByWindows(out.view())) {
        out = zlibDeflate(zipLevel, input, size_t(compressBound(uLong(input.size()))), 5);
        if (out.size == 0)
            throw std::runtime_error("deflate output exceeds its bound");
        if (tail)
            tail = findStreamTail(out.view());
    }
    if (last)
        return out;
    uint8_t *bytes = out.data();
    bytes[tail->lastBlockBit / 8] &= uint8_t(~(1u << (tail->lastBlockBit % 8)));
    size_t n = (tail->endBit + 7) / 8;
    const unsigned used = unsigned(tail->endBit % 8);
    if (used != 0)
        bytes[n - 1] &= uint8_t((1u << used) - 1);  // the padding becomes the stored block's header
    if (used == 0 || used > 5)
        bytes[n++] = 0;  // no room for its 3 bits in the last byte
    static constexpr uint8_t emptyStored[4] = {0x00, 0x00, 0xFF, 0xFF};
    std::memcpy(bytes + n, emptyStored, sizeof emptyStored);
    out.size = n + sizeof emptyStored;
    return out;
}

uint32_t crc32Update(uint32_t crc, std::span<const uint8_t> data)
{
    return libdeflate_crc32(crc, data.data(), data.size());
}

}  // namespace zipeng
