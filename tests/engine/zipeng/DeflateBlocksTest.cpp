// findStreamTail walks a deflate stream's blocks without inflating it; zlib,
// inflating with a stop at each block boundary, tells where they really are.

#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include "engine/zipeng/Deflate.h"

#include <gtest/gtest.h>

#include <libdeflate.h>
#include <zlib.h>

#include <climits>
#include <memory>
#include <stdexcept>

using namespace ziptest;

namespace {

std::span<const uint8_t> bytesOf(const std::string &s)
{
    return {reinterpret_cast<const uint8_t *>(s.data()), s.size()};
}

// inflate() with Z_BLOCK stops at each block boundary and then reports in
// data_type the unused bits of the last byte it took (+64 once the final
// block has been read, +128 at a boundary).
zipeng::StreamTail zlibStreamTail(const std::string &stream)
{
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        throw std::bad_alloc();
    struct Ender {
        z_stream &z;
        ~Ender() { inflateEnd(&z); }
    } ender{z};
    constexpr uInt sinkSize = 64u << 10;
    const std::unique_ptr<uint8_t[]> sink(new uint8_t[sinkSize]);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream.data()));
    z.avail_in = uInt(stream.size());
    size_t blockStart = 0;
    for (;;) {
        z.next_out = sink.get();
        z.avail_out = sinkSize;
        if (inflate(&z, Z_BLOCK) != Z_OK)
            throw std::runtime_error("zlib: does not end");
        if (!(z.data_type & 128))
            continue;
        const size_t at = size_t(z.total_in) * 8 - size_t(z.data_type & 63);
        if (z.data_type & 64) {
            if ((at + 7) / 8 != stream.size())
                throw std::runtime_error("zlib: bytes after the end");
            return {blockStart, at};
        }
        blockStart = at;
    }
}

std::string libdeflate(int level, const std::string &input)
{
    libdeflate_compressor *c = libdeflate_alloc_compressor(level);
    if (!c)
        throw std::bad_alloc();
    std::string out(libdeflate_deflate_compress_bound(c, input.size()), '\0');
    out.resize(libdeflate_deflate_compress(c, input.data(), input.size(), out.data(), out.size()));
    libdeflate_free_compressor(c);
    return out;
}

std::string repeatedWords(size_t size)
{
    static const char *const words[] = {"archive ",     "member ", "deflate ", "the ",   "of ",    "piece\n",
                                        "compression ", "a ",      "stored ",  "block ", "header "};
    std::string s;
    unsigned x = 12345;
    while (s.size() < size) {
        x = x * 1103515245u + 12345u;
        s += words[(x >> 16) % std::size(words)];
    }
    s.resize(size);
    return s;
}

// Deflate bits, first bit lowest; Huffman codes go in from their top bit.
struct BitWriter {
    std::string bytes;
    unsigned used = 8;
    void put(unsigned value, unsigned n)
    {
        for (unsigned i = 0; i < n; ++i) {
            if (used == 8) {
                bytes += '\0';
                used = 0;
            }
            bytes.back() = char(uint8_t(bytes.back()) | ((value >> i) & 1u) << used++);
        }
    }
    void code(unsigned value, unsigned n)
    {
        for (unsigned i = n; i-- > 0;)
            put(value >> i, 1);
    }
};

}  // namespace

TEST(DeflateBlocks, TailOfLibdeflateOutputIsWhereZlibFindsIt)
{
    const std::string text = repeatedWords(1u << 20);
    struct Input {
        const char *what;
        std::string data;
    };
    const Input inputs[] = {
        {"empty", ""},
        {"one byte", "x"},
        {"short text", "the quick brown fox jumps over the lazy dog, the lazy dog"},
        {"1 MiB of words", text},
        {"random", randomData(300000, 7)},
        {"text and random", text.substr(0, 200000) + randomData(100000, 8) + text.substr(0, 150000)},
        {"runs of one byte", std::string(400000, 'a') + std::string(70000, '\0') + std::string(3, 'b')},
    };
    for (const Input &in : inputs) {
        for (int level = 0; level <= 12; ++level) {
            SCOPED_TRACE(std::string(in.what) + ", level " + std::to_string(level));
            const std::string stream = libdeflate(level, in.data);
            ASSERT_FALSE(stream.empty());
            const zipeng::StreamTail expected = zlibStreamTail(stream);
            const zipeng::StreamTail got = zipeng::findStreamTail(bytesOf(stream));
            EXPECT_EQ(got.lastBlockBit, expected.lastBlockBit);
            EXPECT_EQ(got.endBit, expected.endBit);
        }
    }
}

TEST(DeflateBlocks, DamagedStreamsThrow)
{
    const std::string dynamic = libdeflate(6, repeatedWords(100000));
    const std::string stored = libdeflate(0, "stored bytes");
    auto crafted = [](auto write) {
        BitWriter w;
        write(w);
        w.put(0, 16);  // room for whatever is read next
        return w.bytes;
    };
    // A final dynamic block of 257 literal/length and 1 distance symbols
    // whose first four code length codes have these lengths.
    auto codeLengthCodes = [&](std::vector<unsigned> lengths) {
        return crafted([&](BitWriter &w) {
            w.put(1, 1);
            w.put(2, 2);
            w.put(0, 14);
            for (const unsigned len : lengths)
                w.put(len, 3);
        });
    };
    struct Case {
        const char *what;
        std::string stream;
    };
    const Case cases[] = {
        {"empty", ""},
        {"truncated to one byte", dynamic.substr(0, 1)},
        {"truncated in the code lengths", dynamic.substr(0, 20)},
        {"truncated halfway", dynamic.substr(0, dynamic.size() / 2)},
        {"last byte missing", dynamic.substr(0, dynamic.size() - 1)},
        {"stored block cut short", stored.substr(0, stored.size() - 1)},
        {"bytes after the final block", dynamic + '\0'},
        {"block type 3", std::string(1, '\x07') + std::string(8, '\0')},
        {"stored length and complement disagree", std::string("\x01\x05\x00\xfb\xff", 5) + "hello"},
        {"non-final block then nothing", std::string("\x00\x00\x00\xff\xff", 5)},
        {"fixed block, length symbol 286", crafted([](BitWriter &w) {
             w.put(1, 1);
             w.put(1, 2);
             w.code(0xC6, 8);
         })},
        {"fixed block, distance symbol 30", crafted([](BitWriter &w) {
             w.put(1, 1);
             w.put(1, 2);
             w.code('a' + 0x30, 8);  // a literal, so that only the symbol is wrong
             w.code(1, 7);           // length 3
             w.code(30, 5);
         })},
        {"over-subscribed code length code", codeLengthCodes({1, 1, 1, 0})},
        {"incomplete code length code", codeLengthCodes({1, 0, 2, 0})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        // zlib agrees the stream is broken, so the case tests what it says.
        EXPECT_THROW(zlibStreamTail(c.stream), std::runtime_error);
        EXPECT_THROW(zipeng::findStreamTail(bytesOf(c.stream)), std::runtime_error);
    }
}
