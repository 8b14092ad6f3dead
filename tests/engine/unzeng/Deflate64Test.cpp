// The Deflate64 decoder on streams 7-Zip writes, on zlib's raw deflate (read
// the same way as long as no match is 258 long), and on streams built bit by
// bit, each breaking or stretching the format in one place.
#include "engine/unzeng/Deflate64Decoder.h"

#include "engine/unzeng/Decoders.h"

#include "support/ArchiveReading.h"
#include "support/Compress.h"
#include "support/Files.h"
#include "support/Run.h"

#include "DecodeInPieces.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ziptest::Decoded;

Decoded decode(const std::string &packed, size_t size, const std::vector<size_t> &pieces = {}, size_t outSpace = 0)
{
    return ziptest::decodeInPieces(*unzeng::makeDeflate64Decoder(), packed, size, pieces, outSpace);
}

// The raw data of the one member of a ZIP file that 7-Zip wrote, when it
// used Deflate64 (it stores what does not shrink).
std::string memberData(const std::string &zipPath)
{
    const auto info = ziptest::readArchive(zipPath);
    if (!info.ok || info.members.size() != 1 || info.members[0].method != 9)
        return {};
    const auto &m = info.members[0];
    return m.packedData();
}

std::string repeated(const std::string &part, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i)
        s += part;
    return s;
}

TEST(Deflate64, StreamsFrom7ZipDecodeWholeAndInAnyPieces)
{
    if (!ziptest::haveProgram("7zz"))
        GTEST_SKIP() << "7zz is not installed";
    std::string mixed;
    for (unsigned i = 1; i <= 12; ++i)
        mixed += ziptest::textData(150000, i) + ziptest::randomData(30000, i) + mixed.substr(mixed.size() / 3, 70000);
    struct Case {
        const char *name;
        std::string data;
    } cases[] = {
        // Matches from 60000 back: distance code 31. (7-Zip's matches stop
        // at 257 bytes; length code 285 has hand-built cases below.)
        {"far repeats", repeated(ziptest::randomData(60000, 7), 4) + std::string(100000, 'x')},
        // The random part goes into stored blocks.
        {"incompressible, then text", ziptest::randomData(300000, 3) + ziptest::textData(100000, 3)},
        {"mixed", mixed},
    };
    const ziptest::TempDir dir;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string zip = dir / (std::string(c.name) + ".zip");
        ziptest::writeFile(dir / "data", c.data);
        ASSERT_EQ(ziptest::run({"7zz", "a", "-tzip", "-mm=Deflate64", zip, dir / "data"}).exitCode, 0);
        const std::string packed = memberData(zip);
        ASSERT_FALSE(packed.empty());

        const Decoded whole = decode(packed, c.data.size());
        EXPECT_TRUE(whole.ok) << whole.error;
        EXPECT_TRUE(whole.data == c.data);
        const Decoded pieces = decode(packed, c.data.size(), {1, 5, 2, 13, 64, 3, 4096, 1}, 7);
        EXPECT_TRUE(pieces.ok) << pieces.error;
        EXPECT_TRUE(pieces.data == c.data);
        if (c.data.size() < 400000) {
            const Decoded byteByByte = decode(packed, c.data.size(), {1}, 1);
            EXPECT_TRUE(byteByByte.ok) << byteByByte.error;
            EXPECT_TRUE(byteByByte.data == c.data);
        }
    }
}

TEST(Deflate64, PlainDeflateWithoutLength258DecodesTheSame)
{
    // Word salad repeats no 258-byte run, so zlib never sends length code 285.
    const std::string data = ziptest::textData(1500000, 9) + ziptest::randomData(100000, 9);
    const std::string packed = ziptest::rawDeflate(data, 9);
    EXPECT_TRUE(decode(packed, data.size()).data == data);
    EXPECT_TRUE(decode(packed, data.size(), {3, 1, 17}, 5).data == data);
}

// Bits as a deflate stream holds them: values low bit first, Huffman codes
// (written as '0'/'1' text) first bit first.
struct Bits {
    std::string bytes;
    unsigned used = 0;  // bits used in the last byte

    Bits &put(uint32_t value, unsigned n)
    {
        for (unsigned i = 0; i < n; ++i) {
            if (used % 8 == 0)
                bytes += '\0';
            bytes.back() = char(uint8_t(bytes.back()) | ((value >> i) & 1) << (used % 8));
            used = (used + 1) % 8;
        }
        return *this;
    }
    Bits &code(const char *text)
    {
        for (; *text; ++text)
            put(*text == '1', 1);
        return *this;
    }
    Bits &align()
    {
        used = 0;
        return *this;
    }
};

// A final dynamic block's header up to its code lengths: `litLens`
// literal/length codes, `distances` distance codes, and a code-length code in which 0, 1
// and 2 are "00", "01" and "10", 16 is "110" and 18 is "111".
Bits dynamicHeader(unsigned distances, unsigned litLens = 257)
{
    Bits b;
    b.put(1, 1).put(2, 2).put(litLens - 257, 5).put(distances - 1, 5).put(18 - 4, 4);
    // In the order they are sent: 16 17 18 0 8 7 9 6 10 5 11 4 12 3 13 2 14 1.
    for (unsigned length : {3, 0, 3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2})
        b.put(length, 3);
    return b;
}

Bits &zeros(Bits &b, unsigned n)
{
    for (; n >= 11; n -= std::min(n, 138u))
        b.code("111").put(std::min(n, 138u) - 11, 7);
    for (; n > 0; --n)
        b.code("00");
    return b;
}

// Literal/length lengths 'a' 1, end of block 2, length 3 (code 257) 2; the
// codes are then "0", "10" and "11".
Bits literalAndLength(unsigned distances)
{
    Bits b = dynamicHeader(distances, 258);
    zeros(b, 'a').code("01");
    return zeros(b, 255 - 'a').code("10").code("10");
}

// A fixed block's codes: 'a' and 285 are 8 bits, 256 and 257 are 7,
// distance codes 5.
constexpr const char *FixedA = "10010001", *FixedEnd = "0000000", *FixedLength3 = "0000001",
                     *FixedLength285 = "11000101";

TEST(Deflate64, HandBuiltEdgeStreamsDecode)
{
    const struct {
        const char *name;
        Bits bits;
        std::string expected;
    } cases[] = {
        {"a match reaching back to the very first byte",
         Bits().put(1, 1).put(1, 2).code(FixedA).code(FixedLength3).code("00000").code(FixedEnd), "aaaa"},
        {"one distance code of one bit", literalAndLength(1).code("01").code("0").code("11").code("0").code("10"),
         "aaaa"},
        {"no distance code in a block of literals",
         [] {
             Bits b = dynamicHeader(1);
             zeros(b, 'a').code("01");
             return zeros(b, 255 - 'a').code("01").code("00").code("0").code("1");
         }(),
         "a"},
        // 7-Zip never sends it (its matches stop at 257 bytes).
        {"length code 285 and its 16 bits",
         Bits().put(1, 1).put(1, 2).code(FixedA).code(FixedLength285).put(997, 16).code("00000").code(FixedEnd),
         std::string(1001, 'a')},
        {"the longest match",
         Bits().put(1, 1).put(1, 2).code(FixedA).code(FixedLength285).put(65535, 16).code("00000").code(FixedEnd),
         std::string(65539, 'a')},
        {"nothing but an end of block", Bits().put(1, 1).put(1, 2).code(FixedEnd), ""},
        {"an empty stored block, then a fixed one",
         Bits().put(0, 3).align().put(0, 16).put(0xFFFF, 16).put(1, 1).put(1, 2).code(FixedA).code(FixedEnd), "a"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Decoded whole = decode(c.bits.bytes, c.expected.size());
        EXPECT_TRUE(whole.ok) << whole.error;
        EXPECT_EQ(whole.data, c.expected);
        EXPECT_EQ(decode(c.bits.bytes, c.expected.size(), {1}, 1).data, c.expected);
    }
}

TEST(Deflate64, BytesAfterTheLastBlockAreLeftUnread)
{
    const std::string text = ziptest::textData(5000, 2);
    for (const std::string &stream :
         {Bits().put(1, 1).put(1, 2).code(FixedA).code(FixedEnd).bytes, ziptest::rawDeflate(text)}) {
        const std::string withTail = stream + "tail";
        auto decoder = unzeng::makeDeflate64Decoder();
        const auto *in = reinterpret_cast<const uint8_t *>(withTail.data());
        size_t inLength = withTail.size();
        std::string out(text.size(), '\0');
        auto *o = reinterpret_cast<uint8_t *>(out.data());
        size_t outLength = out.size();
        EXPECT_EQ(decoder->decode(in, inLength, o, outLength, true), unzeng::StreamDecoder::End);
        EXPECT_EQ(inLength, 4u);
    }
}

TEST(Deflate64, BrokenStreamsFailCleanly)
{
    Bits overSubscribedLengths = dynamicHeader(1);
    for (int i = 0; i < 258; ++i)
        overSubscribedLengths.code("01");
    Bits overSubscribedPrecode = Bits().put(1, 1).put(2, 2).put(0, 14);
    for (int i = 0; i < 4; ++i)
        overSubscribedPrecode.put(1, 3);
    const std::string text = ziptest::textData(50000, 4);
    const std::string deflated = ziptest::rawDeflate(text);

    const struct {
        const char *name;
        std::string stream;
        size_t size;
        const char *error;
    } cases[] = {
        {"distance code 30 at the start", Bits().put(1, 1).put(1, 2).code(FixedLength3).code("11110").put(0, 14).bytes,
         3, "before the start"},
        {"a distance one past the start",
         Bits().put(1, 1).put(1, 2).code(FixedA).code(FixedLength3).code("00001").code(FixedEnd).bytes, 4,
         "before the start"},
        {"block type 3", Bits().put(1, 1).put(3, 2).put(0, 8).bytes, 1, "invalid type 3"},
        {"stored length and complement disagree", Bits().put(1, 3).align().put(5, 16).put(5, 16).bytes + "abcde", 5,
         "complement"},
        {"the code-length code over-subscribed", overSubscribedPrecode.bytes, 1, "code-length code is over"},
        {"a repeat before any length", dynamicHeader(1).code("110").put(0, 2).bytes, 1, "nothing before it"},
        {"repeats past the last length",
         [] {
             Bits b = dynamicHeader(1);
             return zeros(b.code("01"), 258).bytes;
         }(),
         1, "past the end"},
        {"no end-of-block code",
         [] {
             Bits b = dynamicHeader(1);
             return zeros(b, 258).bytes;
         }(),
         1, "no end-of-block"},
        {"literal/length lengths over-subscribed", overSubscribedLengths.bytes, 1, "literal/length code is over"},
        {"literal/length lengths incomplete",
         [] {
             Bits b = dynamicHeader(1);
             zeros(b, 'a').code("10");
             return zeros(b, 255 - 'a').code("10").code("00").bytes;
         }(),
         1, "literal/length code is incomplete"},
        {"a match in a block without distance codes", literalAndLength(1).code("00").code("0").code("11").bytes, 4,
         "invalid distance code"},
        {"fixed literal/length code 286", Bits().put(1, 1).put(1, 2).code("11000110").bytes, 1,
         "invalid literal/length code"},
        {"deflate data cut short", deflated.substr(0, deflated.size() / 2), text.size(), "ends too early"},
        {"no block at all", "", 1, "ends too early"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto &pieces : {std::vector<size_t>{}, std::vector<size_t>{1}}) {
            const Decoded d = decode(c.stream, c.size, pieces, pieces.empty() ? 0 : 1);
            EXPECT_FALSE(d.ok);
            EXPECT_NE(d.error.find(c.error), std::string::npos) << d.error;
        }
    }
}

}  // namespace
