#include "engine/zipeng/Deflate.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <stdexcept>
#include <sys/mman.h>

namespace zipeng {

namespace {
constexpr size_t HugePage = 2u << 20;
constexpr size_t MapThreshold = 4u << 20;
}  // namespace

Buffer::Buffer(size_t n) : size(n)
{
    if (n == 0)
        return;
    if (n >= MapThreshold) {
        const size_t length = (n + HugePage - 1) / HugePage * HugePage;
        void *p = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED)
            throw std::bad_alloc();
        ::madvise(p, length, MADV_HUGEPAGE);   // a hint; without it, small pages
        bytes_ = static_cast<uint8_t *>(p);
        mapped_ = length;
        return;
    }
    bytes_ = new uint8_t[n];
}

void Buffer::release() noexcept
{
    if (mapped_)
        ::munmap(bytes_, mapped_);
    else
        delete[] bytes_;
    bytes_ = nullptr;
    mapped_ = 0;
    size = 0;
}

int libdeflateLevel(int zipLevel)
{
    // zlib level -> the fastest libdeflate level that compresses at least as
    // well. Over binaries and documents libdeflate wins at the same number,
    // but on C sources and headers its 5, 6 and 7 come out about 0.1% larger
    // than zlib's, hence the step up there.
    static constexpr int map[10] = {0, 1, 2, 3, 4, 6, 7, 8, 8, 9};
    if (zipLevel < 1)
        return 1;
    return map[zipLevel > 9 ? 9 : zipLevel];
}

namespace {

// One compressor per worker thread and level; workers live for one call.
struct CompressorCache {
    int level = -1;
    libdeflate_compressor *compressor = nullptr;
    ~CompressorCache()
    {
        if (compressor)
            libdeflate_free_compressor(compressor);
    }
    libdeflate_compressor *get(int wanted)
    {
        if (level != wanted) {
            if (compressor)
                libdeflate_free_compressor(compressor);
            compressor = libdeflate_alloc_compressor(wanted);
            if (!compressor)
                throw std::bad_alloc();
            level = wanted;
        }
        return compressor;
    }
};

struct ZlibCache {
    int level = -1;
    z_stream stream{};
    bool open = false;
    ~ZlibCache()
    {
        if (open)
            deflateEnd(&stream);
    }
    z_stream &get(int wanted)
    {
        if (open && level != wanted) {
            deflateEnd(&stream);
            open = false;
        }
        if (!open) {
            stream = z_stream{};
            if (deflateInit2(&stream, wanted, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
                throw std::bad_alloc();
            open = true;
            level = wanted;
        } else if (deflateReset(&stream) != Z_OK) {
            throw std::runtime_error("deflateReset failed");
        }
        // At 9 there is no higher level to make up for the chunk boundaries;
        // longer match chains do (a reset restores the level's own values).
        if (wanted == 9)
            deflateTune(&stream, 32, 258, 258, 8192);
        return stream;
    }
};

thread_local CompressorCache compressors;
thread_local ZlibCache zlibStreams;

}  // namespace

Buffer deflateWhole(int zipLevel, std::span<const uint8_t> input)
{
    if (input.size() < 2)
        return {};
    libdeflate_compressor *compressor = compressors.get(libdeflateLevel(zipLevel));
    Buffer out(input.size() - 1);
    // Room for less than the input only: output that would not fit is output
    // that would not shrink the data, and libdeflate then reports 0.
    const size_t written = libdeflate_deflate_compress(compressor, input.data(), input.size(), out.data(), out.size);
    if (written == 0)
        return {};
    out.size = written;
    return out;
}

bool looksIncompressible(std::span<const uint8_t> input)
{
    // Eight samples of 64 KiB from a large input, four of 8 KiB from a
    // medium one (already-compressed documents, pictures and packages are
    // mostly that size); below 64 KiB deflating it whole costs little.
    const bool large = input.size() >= (1u << 20);
    const size_t sampleSize = large ? 64u << 10 : 8u << 10;
    const size_t samples = large ? 8 : 4;
    if (input.size() < samples * sampleSize * 2)
        return false;
    libdeflate_compressor *compressor = compressors.get(1);
    Buffer out(sampleSize + 1024);
    size_t sampled = 0, packed = 0;
    for (size_t i = 0; i < samples; ++i) {
        const size_t at = (input.size() - sampleSize) / (samples - 1) * i;
        const size_t written =
            libdeflate_deflate_compress(compressor, input.data() + at, sampleSize, out.data(), out.size);
        sampled += sampleSize;
        packed += written == 0 ? sampleSize : written;
    }
    // Saving less than 0.5% of the samples: storing loses next to nothing.
    return packed * 1000 >= sampled * 995;
}

Buffer deflateChunk(int zipLevel, std::span<const uint8_t> dictionary, std::span<const uint8_t> input, bool last)
{
    z_stream &z = zlibStreams.get(zipLevel < 1 ? 1 : zipLevel > 9 ? 9 : zipLevel);
    if (!dictionary.empty()
        && deflateSetDictionary(&z, dictionary.data(), uInt(dictionary.size())) != Z_OK)
        throw std::runtime_error("deflateSetDictionary failed");

    // A sync flush may add a few bytes beyond the bound; grow when needed.
    Buffer out(deflateBound(&z, uLong(input.size())) + 64);
    size_t produced = 0;
    const uint8_t *in = input.data();
    size_t inLeft = input.size();
    const int flush = last ? Z_FINISH : Z_SYNC_FLUSH;
    for (;;) {
        const uInt feed = uInt(std::min<size_t>(inLeft, UINT_MAX / 2));
        z.next_in = const_cast<Bytef *>(in);
        z.avail_in = feed;
        z.next_out = out.data() + produced;
        const size_t room = std::min<size_t>(out.size - produced, UINT_MAX / 2);
        z.avail_out = uInt(room);
        const int result = deflate(&z, feed == inLeft ? flush : Z_NO_FLUSH);
        in += feed - z.avail_in;
        inLeft -= feed - z.avail_in;
        produced += room - z.avail_out;
        if (result == Z_STREAM_ERROR)
            throw std::runtime_error("deflate failed");
        const bool done = inLeft == 0 && (last ? result == Z_STREAM_END : z.avail_out != 0);
        if (done)
            break;
        if (produced == out.size) {
            Buffer grown(out.size * 2);
            std::memcpy(grown.data(), out.data(), produced);
            out = std::move(grown);
        }
    }
    out.size = produced;
    return out;
}

uint32_t crc32Update(uint32_t crc, std::span<const uint8_t> data)
{
    return libdeflate_crc32(crc, data.data(), data.size());
}

}  // namespace zipeng
