// The PPMd decoder (method 98) against what 7-Zip writes, whole and in the
// smallest pieces, and its refusals of bad headers and damaged streams.
#include "engine/unzeng/Decoders.h"
#include "engine/zipformat/ZipRecords.h"
#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/Run.h"

#include "DecodeInPieces.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <set>

namespace {

using namespace ziptest;

using ziptest::Decoded;

// `piece` 0 hands the whole input at once with an output buffer of the whole
// size; otherwise input and output go `piece` bytes at a time.
Decoded decode(const std::string &packed, uint64_t size, size_t piece = 0, unzeng::MemoryBudget *budget = nullptr)
{
    Decoded d;
    std::atomic<bool> cancel{false};
    unzeng::MemoryLease lease(budget, &cancel);
    auto decoder = unzeng::makeStreamDecoder(zipformat::MethodPpmd, 0, size, d.error, &lease);
    if (!decoder)
        return d;
    return ziptest::decodeInPieces(*decoder, packed, size, piece ? std::vector<size_t>{piece} : std::vector<size_t>{},
                                   piece);
}

struct Member {
    std::string packed;
    unsigned restoreMethod = 0;
};

// The member's compressed bytes, from an archive 7zz writes with `options`.
Member sevenZipPpmd(const TempDir &dir, const std::string &data, const std::vector<std::string> &options)
{
    const std::string source = dir.write("data", data), archive = dir / "a.zip";
    std::vector<std::string> args = {"7zz", "a", "-tzip", "-mm=PPMd"};
    args.insert(args.end(), options.begin(), options.end());
    args.insert(args.end(), {archive, source});
    EXPECT_EQ(run(args).exitCode, 0);
    const auto info = readArchive(archive);
    EXPECT_EQ(info.members.size(), 1u);
    if (info.members.size() != 1)
        return {};
    const auto &m = info.members[0];
    EXPECT_EQ(m.method, zipformat::MethodPpmd) << "7zz stored the data instead";
    Member member{m.packedData()};
    if (member.packed.size() >= 2)
        member.restoreMethod = uint8_t(member.packed[1]) >> 4;
    return member;
}

// Lines of words from a large random vocabulary: varied enough that a model
// of 1 MiB fills up again and again (textData repeats too much for that).
std::string variedText(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::string> words(3000);
    for (auto &w : words)
        for (size_t n = 2 + random() % 8; n; --n)
            w += char('a' + random() % 26);
    std::string text;
    while (text.size() < size) {
        for (size_t n = 3 + random() % 13; n; --n)
            text += words[random() % words.size()] + ' ';
        text.back() = '\n';
    }
    text.resize(size);
    return text;
}

// Binary data of every byte value, skewed enough that 7zz keeps it packed.
std::string skewedBinary(size_t size)
{
    std::mt19937 random(7);
    std::geometric_distribution<int> byte(0.02);
    std::string data(size, '\0');
    for (char &c : data)
        c = char(std::min(byte(random), 255));
    return data;
}

// Long runs drive a binary context's frequency to its cap; a marker byte
// after each random byte fills one context with all 256 symbols.
std::string runsAndMarkers()
{
    std::string data(60000, 'a');
    for (int i = 0; i < 20000; ++i)
        data += "ab";
    std::mt19937 random(3);
    for (int i = 0; i < 40000; ++i) {
        data += char(random() % 256);
        data += 'X';
    }
    return data;
}

TEST(PpmdDecoder, DecodesWhat7zzWritesWholeAndInTinyPieces)
{
    if (!haveProgram("7zz"))
        GTEST_SKIP() << "7zz is not installed";
    const std::string text = variedText(1u << 20, 5);
    struct Case {
        const char *name;
        std::string data;
        std::vector<std::string> options;
    };
    const Case cases[] = {
        {"order 2", text, {"-mo=2"}},
        {"order 6", text, {"-mo=6"}},
        {"order 8", text, {"-mo=8", "-mmem=16m"}},
        {"1 MiB, memory runs out, restart", text, {"-mx=5", "-mmem=1m"}},
        {"1 MiB, memory runs out, cut-off", text, {"-mx=9", "-mmem=1m"}},
        {"1 MiB, cut-off at order 6", text, {"-mx=9", "-mo=6", "-mmem=1m"}},
        {"order 16, repetitive text", textData(1u << 20, 2), {"-mo=16"}},
        {"binary of every byte value", skewedBinary(600000), {"-mo=4"}},
        {"runs and full contexts", runsAndMarkers(), {"-mo=3"}},
    };
    std::set<unsigned> restoreMethods;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const Member m = sevenZipPpmd(dir, c.data, c.options);
        restoreMethods.insert(m.restoreMethod);
        const Decoded whole = decode(m.packed, c.data.size());
        ASSERT_TRUE(whole.ok) << whole.error;
        EXPECT_TRUE(whole.data == c.data);
        // A byte at a time is slow on megabytes; a prefix shows the piecing.
        const size_t prefix = std::min<size_t>(c.data.size(), 200000);
        const Decoded pieces = decode(m.packed, prefix, 1);
        ASSERT_TRUE(pieces.ok) << pieces.error;
        EXPECT_TRUE(pieces.data == c.data.substr(0, prefix));
        // Seven bytes at a time over several restarts of a 1 MiB model.
        const size_t longer = std::min<size_t>(c.data.size(), 400000);
        const Decoded odd = decode(m.packed, longer, 7);
        ASSERT_TRUE(odd.ok) << odd.error;
        EXPECT_TRUE(odd.data == c.data.substr(0, longer));
    }
    // 7-Zip 26 restarts the model below level 7 and cuts it off from there;
    // both ways of running out of memory must have been decoded.
    EXPECT_EQ(restoreMethods, (std::set<unsigned>{0, 1}));
}

TEST(PpmdDecoder, EmptyAndOneByteMembersDecode)
{
    const Decoded empty = decode("", 0);
    EXPECT_TRUE(empty.ok) << empty.error;
    EXPECT_EQ(empty.data, "");
    if (!haveProgram("7zz"))
        GTEST_SKIP() << "7zz is not installed";
    // 7zz stores a lone byte, so the first byte of a longer stream stands in.
    TempDir dir;
    const Member m = sevenZipPpmd(dir, "Qwerty qwerty qwerty qwerty qwerty qwerty", {});
    const Decoded one = decode(m.packed, 1, 1);
    EXPECT_TRUE(one.ok) << one.error;
    EXPECT_EQ(one.data, "Q");
}

TEST(PpmdDecoder, BadHeadersAndTooMuchMemoryAreRefused)
{
    unzeng::MemoryBudget budget(8u << 20);
    struct Case {
        uint16_t header;
        bool smallBudget;
        const char *message;
    };
    const Case cases[] = {
        {0x0050, false, "unsupported PPMd parameters: model order 1"},
        {0x2055, false, "restoration method 2 (freezing the model) is not supported"},
        {0x3055, false, "unknown restoration method 3"},
        {0xF055, false, "unknown restoration method 15"},
        {0x00F5, true, "more than the 8 MiB allowed"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.header);
        std::string packed = {char(c.header & 0xFF), char(c.header >> 8), 0, 0, 0, 0, 0, 0};
        const Decoded d = decode(packed, 10, 0, c.smallBudget ? &budget : nullptr);
        EXPECT_FALSE(d.ok);
        EXPECT_NE(d.error.find(c.message), std::string::npos) << d.error;
    }
    // Order 16 with 256 MiB is the largest header there is.
    const Decoded largest = decode(std::string{char(0xFF), 0x0F, 0, 0, 0, 0, 0, 0}, 1);
    EXPECT_TRUE(largest.ok) << largest.error;
}

TEST(PpmdDecoder, DamagedStreamsFailWithoutHarm)
{
    if (!haveProgram("7zz"))
        GTEST_SKIP() << "7zz is not installed";
    TempDir dir;
    const std::string text = textData(200000, 3);
    const Member m = sevenZipPpmd(dir, text, {"-mo=6"});

    const Decoded cut = decode(m.packed.substr(0, m.packed.size() / 2), text.size());
    EXPECT_FALSE(cut.ok);
    EXPECT_NE(cut.error.find("ends too early"), std::string::npos) << cut.error;
    EXPECT_FALSE(decode(m.packed.substr(0, 4), text.size(), 1).ok);

    const Decoded longer = decode(m.packed, text.size() + 100);
    EXPECT_FALSE(longer.ok);
    EXPECT_NE(longer.error.find("declared size"), std::string::npos) << longer.error;

    // Noise after a sound header, and a sound stream with bytes flipped: an
    // error or wrong bytes, never a crash or a hang.
    std::mt19937 random(11);
    for (int round = 0; round < 20; ++round) {
        std::string noise = randomData(5000, unsigned(round) + 1);
        noise[0] = char(0x75 + round % 10);
        noise[1] = char(round % 2 ? 0x10 : 0x00);
        const Decoded d = decode(noise, 100000, round % 3 ? 0 : 5);
        EXPECT_TRUE(!d.ok || d.data.size() == 100000);
        std::string flipped = m.packed;
        for (int k = 0; k < 5; ++k)
            flipped[2 + random() % (flipped.size() - 2)] ^= char(1 + random() % 255);
        const Decoded f = decode(flipped, text.size());
        EXPECT_TRUE(!f.ok || f.data != text);
    }
}

}  // namespace
