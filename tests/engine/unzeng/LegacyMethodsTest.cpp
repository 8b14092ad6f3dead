// The PKZIP 1.x decoders (Shrink, Reduce, Implode): archives of other
// writers, our encoders' output in every variant, whole and in the smallest
// pieces, and damaged streams.
#include "engine/unzeng/Decoders.h"
#include "engine/zipformat/ZipRecords.h"
#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/LegacyEncoders.h"
#include "support/Run.h"

#include "DecodeInPieces.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

using namespace ziptest;

// `inPiece` 0 hands the whole input at once; `outPiece` is the output buffer.
Decoded decode(uint16_t method, uint16_t flags, const std::string &packed, uint64_t size, size_t inPiece = 0,
               size_t outPiece = 1 << 16)
{
    Decoded d;
    auto decoder = unzeng::makeStreamDecoder(method, flags, size, d.error);
    if (!decoder)
        return d;
    return decodeInPieces(*decoder, packed, size, inPiece ? std::vector<size_t>{inPiece} : std::vector<size_t>{},
                          outPiece);
}

struct Variant {
    const char *name;
    uint16_t method;
    uint16_t flags;
    std::function<std::string(const std::string &)> encode;
};

const std::vector<Variant> &variants()
{
    static const std::vector<Variant> all = {
        {"shrink", 1, 0, [](const std::string &d) { return shrink(d); }},
        {"shrink, cleared often", 1, 0, [](const std::string &d) { return shrink(d, 40); }},
        {"reduce 1", 2, 0, [](const std::string &d) { return reduce(d, 1); }},
        {"reduce 2", 3, 0, [](const std::string &d) { return reduce(d, 2); }},
        {"reduce 3", 4, 0, [](const std::string &d) { return reduce(d, 3); }},
        {"reduce 4", 5, 0, [](const std::string &d) { return reduce(d, 4); }},
        {"implode 4K", 6, implodeFlags(false, false), [](const std::string &d) { return implode(d, false, false); }},
        {"implode 4K literals", 6, implodeFlags(false, true),
         [](const std::string &d) { return implode(d, false, true); }},
        {"implode 8K", 6, implodeFlags(true, false), [](const std::string &d) { return implode(d, true, false); }},
        {"implode 8K literals", 6, implodeFlags(true, true),
         [](const std::string &d) { return implode(d, true, true); }},
    };
    return all;
}

std::string everyByteValue()
{
    std::string s;
    for (unsigned i = 0; i < 4096; ++i)
        s.push_back(char(i < 256 ? i : (i * 167 + i / 256) & 0xFF));
    return s;
}

TEST(LegacyMethods, ArchivesOfOtherWritersDecodeToTheirText)
{
    const std::string dir = std::string(ORVEX_TEST_DATA_DIR) + "/../../data/legacy-methods/";
    const std::string expected = readFile(dir + "expected-first.txt");
    ASSERT_EQ(expected.size(), 1092u);
    for (const char *name : {"shrink.zip", "reduce.zip", "implode.zip"}) {
        SCOPED_TRACE(name);
        const ArchiveInfo info = readArchive(dir + name);
        ASSERT_TRUE(info.ok);
        ASSERT_EQ(info.members.size(), 1u);
        const ArchiveMember &m = info.members[0];
        const std::string packed = m.packedData();
        for (size_t piece : {0, 1}) {
            const Decoded d = decode(m.method, m.flags, packed, m.unpackedSize, piece, piece ? 1 : 1 << 16);
            EXPECT_TRUE(d.ok) << d.error;
            EXPECT_EQ(d.data, expected);
            EXPECT_EQ(crc32Of(d.data), m.crc);
        }
    }
}

TEST(LegacyMethods, EveryVariantRoundTripsWholeAndInTinyPieces)
{
    const std::string text = textData(30000, 7);
    const std::vector<std::pair<const char *, std::string>> samples = {
        {"empty", ""},
        {"one byte", "x"},
        {"two bytes", "ab"},
        {"text", text},
        {"runs",
         std::string(5000, 'a') + std::string(300, '\x90') + std::string(4000, '\0') + "xyz" + std::string(700, 'a')},
        {"every byte value", everyByteValue()},
        // Fills Shrink's table, so the clears it forces are used.
        {"noise", randomData(40000, 3)},
    };
    for (const Variant &v : variants())
        for (const auto &[what, data] : samples) {
            SCOPED_TRACE(std::string(v.name) + ", " + what);
            const std::string packed = v.encode(data);
            if (data == text) {
                EXPECT_LT(packed.size(), data.size());
            }
            for (const auto &[in, out] : {std::pair<size_t, size_t>{0, 1 << 16}, {1, 1}, {7, 5}}) {
                const Decoded d = decode(v.method, v.flags, packed, data.size(), in, out);
                ASSERT_TRUE(d.ok) << d.error << " (pieces " << in << "/" << out << ")";
                ASSERT_TRUE(d.data == data) << "pieces " << in << "/" << out;
            }
        }
}

// UnZip 6.0 reads Shrink and Implode (not Reduce): an independent check that
// our encoders write what PKZIP's decoders read.
TEST(LegacyMethods, UnzipAcceptsOurShrinkAndImplodeOutput)
{
    if (!haveProgram("unzip"))
        GTEST_SKIP() << "unzip is not installed";
    const std::string text = textData(40000, 11), noise = randomData(40000, 5);
    ArchiveBuilder builder;
    int n = 0;
    for (const Variant &v : variants()) {
        if (v.method != 1 && v.method != 6)
            continue;
        for (const std::string *data : {&text, &noise}) {
            Member m = fileEntry("m" + std::to_string(n++), *data, v.method);
            m.packed = v.encode(*data);
            m.flags = v.flags;
            builder.add(m);
        }
    }
    TempDir dir;
    const RunResult r = run({"unzip", "-t", dir.write("legacy.zip", builder.build())});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
}

// Bytes before the start of the output read as zeros, as in PKZIP.
TEST(LegacyMethods, MatchesBeforeTheStartOfTheOutputCopyZeros)
{
    LsbBitWriter reduced;
    for (int set = 0; set < 256; ++set)
        reduced.put(0, 6);
    for (unsigned byte : {144u, 1u, 9u, unsigned('y')})  // DLE, length 4, distance 10
        reduced.put(byte, 8);
    const Decoded r = decode(2, 0, reduced.finish(), 5);
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.data, std::string(4, '\0') + "y");

    // Two trees of 64 six-bit codes: symbol s has code 63 - s.
    LsbBitWriter imploded;
    for (int tree = 0; tree < 2; ++tree)
        for (unsigned byte : {3u, 0xF5u, 0xF5u, 0xF5u, 0xF5u})
            imploded.put(byte, 8);
    imploded.put(0, 1);
    imploded.put(5, 6);           // distance 6 ...
    imploded.putReversed(63, 6);  // ... with high bits 0
    imploded.putReversed(62, 6);  // length 1 + 2
    imploded.put(1, 1);
    imploded.put('y', 8);
    const Decoded i = decode(6, 0, imploded.finish(), 4);
    EXPECT_TRUE(i.ok) << i.error;
    EXPECT_EQ(i.data, std::string(3, '\0') + "y");
}

std::string bits(std::initializer_list<std::pair<unsigned, unsigned>> values)
{
    LsbBitWriter w;
    for (const auto &[value, width] : values)
        w.put(value, width);
    return w.finish();
}

std::string reduceSets(unsigned firstSetCount, unsigned lastSetCount)
{
    LsbBitWriter w;
    w.put(firstSetCount, 6);
    for (int set = 254; set > 0; --set)
        w.put(0, 6);
    w.put(lastSetCount, 6);
    for (unsigned k = 0; k < lastSetCount; ++k)
        w.put('a' + k, 8);
    return w.finish();
}

std::string implodeTrees(std::initializer_list<unsigned> lengthTree, std::initializer_list<unsigned> distanceTree)
{
    std::string s;
    for (const auto &tree : {lengthTree, distanceTree})
        for (unsigned byte : tree)
            s.push_back(char(byte));
    return s;
}

TEST(LegacyMethods, DamagedStreamsFailWithAReason)
{
    const std::initializer_list<unsigned> full = {3, 0xF5, 0xF5, 0xF5, 0xF5};
    struct Case {
        const char *what;
        uint16_t method;
        std::string stream;
        const char *message;
    };
    const std::vector<Case> cases = {
        {"undefined code", 1, bits({{'a', 9}, {300, 9}}), "invalid shrunk data: code 300 is not defined"},
        {"undefined first code", 1, bits({{300, 9}}), "starts with code 300"},
        {"code size 14", 1,
         bits({{'a', 9},
               {256, 9},
               {1, 9},
               {256, 10},
               {1, 10},
               {256, 11},
               {1, 11},
               {256, 12},
               {1, 12},
               {256, 13},
               {1, 13}}),
         "the code size grows past 13 bits"},
        {"unknown escape", 1, bits({{'a', 9}, {256, 9}, {3, 9}}), "unknown escape code 3"},
        {"code made from itself", 1, bits({{'a', 9}, {'b', 9}, {257, 9}, {256, 9}, {2, 9}, {'c', 9}}),
         "code 257 would extend itself"},
        {"shrunk data cut short", 1, bits({{'a', 9}, {'b', 9}}), "invalid shrunk data: the data ends too early"},
        {"oversized follower set", 2, reduceSets(40, 0), "invalid reduced data: a follower set holds 40 bytes"},
        {"index past its set", 2, reduceSets(0, 3) + bits({{0, 1}, {3, 2}}), "follower index 3 is beyond its set of 3"},
        {"reduced data cut short", 2, reduceSets(0, 0) + "a", "invalid reduced data: the data ends too early"},
        {"tree of 80 lengths", 6, implodeTrees({4, 0xF5, 0xF5, 0xF5, 0xF5, 0xF5}, full),
         "invalid imploded data: a tree gives more than 64 bit lengths"},
        {"tree of 48 lengths", 6, implodeTrees({2, 0xF5, 0xF5, 0xF5}, full), "a tree gives 48 bit lengths for 64"},
        {"oversubscribed tree", 6, implodeTrees({3, 0xF4, 0xF4, 0xF4, 0xF4}, full),
         "a tree's bit lengths do not form a code"},
        // Two seven-bit codes and 62 six-bit ones leave 111111 unused.
        {"code outside its tree", 6,
         implodeTrees(full, {4, 0x16, 0xF5, 0xF5, 0xF5, 0xD5}) + bits({{0, 1}, {0, 6}, {0xFFFF, 16}}),
         "a match code is not in its tree"},
        {"imploded data cut short", 6, implodeTrees(full, full) + bits({{1, 1}, {'a', 8}}),
         "invalid imploded data: the data ends too early"},
    };
    for (const Case &c : cases)
        for (size_t piece : {0, 1}) {
            SCOPED_TRACE(std::string(c.what) + (piece ? ", bytewise" : ""));
            const Decoded d = decode(c.method, 0, c.stream, 20, piece, piece ? 1 : 1 << 16);
            EXPECT_FALSE(d.ok);
            EXPECT_NE(d.error.find(c.message), std::string::npos) << d.error;
        }
}

// Damage anywhere ends in a result or an error, never a crash or a hang;
// the sanitizer build is where this counts.
TEST(LegacyMethods, CorruptedStreamsEndCleanly)
{
    const std::string data = textData(6000, 2);
    std::mt19937 random(97);
    for (const Variant &v : variants()) {
        const std::string packed = v.encode(data);
        for (int round = 0; round < 60; ++round) {
            std::string damaged = packed;
            for (int k = 0; k < 1 + round % 4; ++k)
                damaged[random() % damaged.size()] = char(random());
            if (round % 5 == 0)
                damaged.resize(random() % damaged.size());
            const Decoded d = decode(v.method, v.flags, damaged, data.size() + round % 3, round % 2 ? 3 : 0);
            EXPECT_TRUE(d.ok || !d.error.empty()) << v.name;
        }
    }
}

}  // namespace
