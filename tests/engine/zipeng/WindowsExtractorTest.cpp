// Windows' own ZIP extractor refuses a member with a dynamic block whose
// distance code is empty, or incomplete beyond a single one-bit code. Every
// block header of every member written is read here: zlib says where each
// block starts, and the header is decoded on its own, bit by bit.

#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"

#include "engine/zipeng/Deflate.h"
#include "engine/zipeng/JobOptions.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

using namespace ziptest;

namespace {

// Where each block of a raw deflate stream starts, in bits, as zlib's
// inflate stops there with Z_BLOCK.
std::vector<size_t> blockStarts(const std::string &stream)
{
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        throw std::bad_alloc();
    std::vector<uint8_t> sink(64u << 10);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream.data()));
    z.avail_in = uInt(stream.size());
    std::vector<size_t> starts{0};
    for (;;) {
        z.next_out = sink.data();
        z.avail_out = uInt(sink.size());
        const int status = inflate(&z, Z_BLOCK);
        if (status == Z_STREAM_END)
            break;
        if (status != Z_OK) {
            inflateEnd(&z);
            throw std::runtime_error("not a deflate stream");
        }
        if ((z.data_type & 128) && !(z.data_type & 64))
            starts.push_back(size_t(z.total_in) * 8 - size_t(z.data_type & 63));
    }
    inflateEnd(&z);
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    return starts;
}

class Bits {
public:
    Bits(const std::string &s, size_t bit) : s_(s), bit_(bit) {}
    unsigned take(unsigned n)
    {
        unsigned v = 0;
        for (unsigned i = 0; i < n; ++i, ++bit_)
            v |= unsigned((uint8_t(s_.at(bit_ / 8)) >> (bit_ % 8)) & 1) << i;
        return v;
    }

private:
    const std::string &s_;
    size_t bit_;
};

// A canonical code's next symbol, its code read a bit at a time.
unsigned decode(Bits &in, const std::vector<uint8_t> &lengths)
{
    int code = 0, first = 0;
    for (unsigned len = 1; len <= 15; ++len) {
        code |= int(in.take(1));
        int index = 0;
        for (size_t s = 0; s < lengths.size(); ++s) {
            if (lengths[s] != len)
                continue;
            if (code - first == index)
                return unsigned(s);
            ++index;
        }
        first = (first + index) << 1;
        code <<= 1;
    }
    throw std::runtime_error("bad code");
}

// The distance code lengths of the dynamic block whose header is at `bit`.
std::optional<std::vector<uint8_t>> distanceLengths(const std::string &stream, size_t bit)
{
    Bits in(stream, bit);
    if ((in.take(3) >> 1) != 2)
        return std::nullopt;
    const unsigned literals = in.take(5) + 257, distances = in.take(5) + 1, codeLengthCodes = in.take(4) + 4;
    static const unsigned order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    std::vector<uint8_t> codeLengthLengths(19);
    for (unsigned i = 0; i < codeLengthCodes; ++i)
        codeLengthLengths[order[i]] = uint8_t(in.take(3));
    std::vector<uint8_t> lengths;
    while (lengths.size() < literals + distances) {
        const unsigned symbol = decode(in, codeLengthLengths);
        if (symbol < 16)
            lengths.push_back(uint8_t(symbol));
        else if (symbol == 16)
            lengths.insert(lengths.end(), 3 + in.take(2), lengths.back());
        else
            lengths.insert(lengths.end(), symbol == 17 ? 3 + in.take(3) : 11 + in.take(7), 0);
    }
    return std::vector<uint8_t>(lengths.begin() + literals, lengths.end());
}

// Complete, or one code of one bit.
bool windowsAccepts(const std::vector<uint8_t> &lengths)
{
    int used = 0, oneBit = 0;
    double kraft = 0;
    for (const uint8_t length : lengths) {
        used += length > 0;
        oneBit += length == 1;
        kraft += length > 0 ? 1.0 / double(1u << length) : 0;
    }
    return used == 1 ? oneBit == 1 : kraft == 1.0;
}

// Letters in which no three follow each other twice: nothing for deflate to
// match, yet few enough symbols that Huffman coding pays.
std::string noRepeats()
{
    std::string text;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z'; ++b)
            for (char c = 'a'; c <= 'z'; c = char(c + 5))
                text += {a, b, c};
    return text;
}

}  // namespace

TEST(WindowsExtractor, NoMemberWrittenHasADistanceCodeItRefuses)
{
    ScratchDir dir;
    const std::string letters = noRepeats();
    const std::map<std::string, std::string> tree{
        {"t.h", "#ifndef GENERATED_T_H\n#define GENERATED_T_H\n/* generated: do not edit */\nextern int alpha;\n"
                "extern long beta(void);\nstruct gamma { short d; char e[4]; };\n#endif /* GENERATED_T_H */\n"},
        {"tiny.txt", "ab"},
        {"short.txt", letters.substr(0, 300)},
        {"letters.txt", letters},
        {"text.txt", textData(300000, 1)},
        {"noise.bin", randomData(70000, 2)},
        {"mixed.bin", textData(40000, 3) + letters + randomData(20000, 4) + letters.substr(500)},
    };
    std::vector<std::string> names;
    for (const auto &[name, content] : tree) {
        writeFile(name, content);
        names.push_back(name);
    }
    // Whole, and in pieces of 16 KiB as large files go.
    for (const size_t piece : {size_t(0), size_t(16u << 10)}) {
        std::optional<Override<size_t>> pieces;
        if (piece)
            pieces.emplace(zipeng::tuning::streamChunk, piece);
        for (const int level : {1, 6, 9}) {
            const std::string archive = "w" + std::to_string(level) + "-" + std::to_string(piece) + ".zip";
            Flags flags;
            flags.level = level;
            ASSERT_EQ(callEngine(archive, names, flags).result, int(names.size()));
            for (const ArchiveMember &member : readArchive(archive).members) {
                if (member.method != 8)
                    continue;
                const std::string data = member.packedData();
                for (const size_t start : blockStarts(data)) {
                    const auto lengths = distanceLengths(data, start);
                    EXPECT_TRUE(!lengths || windowsAccepts(*lengths))
                        << member.name << " at level " << level << (piece ? " in pieces" : "") << ", block at bit "
                        << start;
                }
            }
        }
    }
}
