// Large members deflated in pieces: the pieces joined form one deflate
// stream, the member reads back as it was, and a cancel stops the job without
// waiting for the pieces not yet deflated.

#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include "engine/zipeng/Deflate.h"
#include "engine/zipeng/IsalDeflate.h"
#include "engine/zipeng/ZipJob.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <functional>

#include <unistd.h>

using namespace ziptest;

namespace {

std::span<const uint8_t> bytesOf(const std::string &s)
{
    return {reinterpret_cast<const uint8_t *>(s.data()), s.size()};
}

// Inflates a raw deflate stream with zlib; nothing may follow its end.
std::optional<std::string> inflateAll(const std::string &stream, size_t expected)
{
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    std::string out(expected + 1, '\0');
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream.data()));
    z.avail_in = uInt(stream.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    const int result = inflate(&z, Z_FINISH);
    const bool whole = result == Z_STREAM_END && z.avail_in == 0;
    out.resize(out.size() - z.avail_out);
    inflateEnd(&z);
    if (!whole)
        return std::nullopt;
    return out;
}

// The first text of growing length whose deflated form (as one stream) ends
// with `used` bits of its last byte taken (0: all eight).
std::string textEndingWith(unsigned used, int level)
{
    for (size_t n = 3000; n < 6000; ++n) {
        const std::string text = textData(n, unsigned(n));
        const zipeng::Buffer whole = zipeng::deflatePiece(level, bytesOf(text), true);
        if (zipeng::findStreamTail(whole.view()).endBit % 8 == used)
            return text;
    }
    ADD_FAILURE() << "no text ends with " << used << " bits used";
    return {};
}

}  // namespace

TEST(Pieces, JoinedPiecesInflateToTheInput)
{
    const std::string noise = randomData(70000, 4);
    // libdeflate stores what does not shrink: the piece ends on a stored block.
    {
        const zipeng::Buffer stored = zipeng::deflatePiece(6, bytesOf(noise), true);
        const zipeng::StreamTail tail = zipeng::findStreamTail(stored.view());
        auto bit = [&](size_t i) { return (stored.data()[i / 8] >> (i % 8)) & 1; };
        const unsigned type = bit(tail.lastBlockBit + 1) | bit(tail.lastBlockBit + 2) << 1;
        ASSERT_EQ(type, 0u) << "libdeflate no longer stores noise; pick other data";
    }
    // Each level's own texts ending with so many bits of padding: the levels
    // use different libraries, which end their streams differently.
    struct Case {
        const char *what;
        std::function<std::vector<std::string>(int level)> pieces;
    };
    const Case cases[] = {
        {"ends on a byte boundary",
         [](int level) {
             return std::vector{textEndingWith(0, level), textData(5000, 1)};
         }},
        {"1 bit of padding",
         [](int level) {
             return std::vector{textEndingWith(7, level), textData(5000, 1)};
         }},
        {"2 bits of padding",
         [](int level) {
             return std::vector{textEndingWith(6, level), textData(5000, 1)};
         }},
        {"3 bits of padding",
         [](int level) {
             return std::vector{textEndingWith(5, level), textData(5000, 1)};
         }},
        {"7 bits of padding",
         [](int level) {
             return std::vector{textEndingWith(1, level), textData(5000, 1)};
         }},
        {"stored piece first and last",
         [&](int) {
             return std::vector{noise, textData(9000, 2), noise};
         }},
        {"empty last piece",
         [](int) {
             return std::vector<std::string>{textData(9000, 3), ""};
         }},
        {"empty piece between",
         [](int) {
             return std::vector<std::string>{textData(9000, 3), "", textData(100, 4)};
         }},
        {"empty only piece", [](int) { return std::vector<std::string>{""}; }},
        {"one byte pieces",
         [](int) {
             return std::vector<std::string>{"a", "b", "a"};
         }},
        {"many pieces",
         [](int) {
             std::vector<std::string> v;
             for (unsigned i = 0; i < 40; ++i)
                 v.push_back(textData(1000 + 37 * i, i));
             return v;
         }},
    };
    for (const Case &c : cases) {
        for (const int level : {1, 6, 9}) {
            SCOPED_TRACE(std::string(c.what) + ", level " + std::to_string(level));
            const std::vector<std::string> pieces = c.pieces(level);
            std::string input, joined;
            for (size_t i = 0; i < pieces.size(); ++i) {
                const zipeng::Buffer packed = zipeng::deflatePiece(level, bytesOf(pieces[i]), i + 1 == pieces.size());
                joined.append(reinterpret_cast<const char *>(packed.data()), packed.size);
                input += pieces[i];
            }
            const std::optional<std::string> back = inflateAll(joined, input.size());
            ASSERT_TRUE(back.has_value());
            EXPECT_TRUE(*back == input);
        }
    }
}

TEST(Pieces, WholeMembersInflateToTheInputOrAreLeftToBeStored)
{
    struct Case {
        const char *what;
        std::string input;
        bool shrinks;
    };
    const Case cases[] = {
        {"two bytes", "ab", false},
        {"a run", std::string(100000, 'x'), true},
        {"text", textData(300000, 5), true},
        {"literals only", textWithoutRepeats(26), true},
        {"literals only, short", textWithoutRepeats(12).substr(0, 300), true},
        {"noise", randomData(100000, 6), false},
    };
    for (const Case &c : cases) {
        for (const int level : {1, 6}) {
            SCOPED_TRACE(std::string(c.what) + ", level " + std::to_string(level));
            const zipeng::Buffer packed = zipeng::deflateWhole(level, bytesOf(c.input));
            ASSERT_EQ(packed.size > 0, c.shrinks);
            if (!c.shrinks)
                continue;
            EXPECT_LT(packed.size, c.input.size());
            const std::optional<std::string> back =
                inflateAll(std::string(reinterpret_cast<const char *>(packed.data()), packed.size), c.input.size());
            ASSERT_TRUE(back.has_value());
            EXPECT_TRUE(*back == c.input);
        }
    }
}

TEST(Pieces, IgzipFedInSlicesWritesOneStreamOrLeavesItOpen)
{
    // Inputs over 4 GiB reach igzip in slices; small slices take the same path.
    const std::string input = textData(150000, 7) + randomData(50000, 7) + textData(20000, 8);
    for (const size_t slice : {size_t(1), size_t(4093), size_t(1) << 20}) {
        SCOPED_TRACE("slice " + std::to_string(slice));
        zipeng::IsalDeflater deflater(3, slice);
        std::string out(input.size() + 4096, '\0');
        const size_t written = deflater.deflate(bytesOf(input), reinterpret_cast<uint8_t *>(out.data()), out.size());
        ASSERT_GT(written, 0u);
        out.resize(written);
        const std::optional<std::string> back = inflateAll(out, input.size());
        ASSERT_TRUE(back.has_value());
        EXPECT_TRUE(*back == input);
        EXPECT_EQ(deflater.deflate(bytesOf(input), reinterpret_cast<uint8_t *>(out.data()), written - 1), 0u);

        // Left open with a sync flush, the stream goes on in the next one.
        std::string open(input.size() + 4096, '\0');
        open.resize(deflater.deflate(bytesOf(input), reinterpret_cast<uint8_t *>(open.data()), open.size(), false));
        ASSERT_GT(open.size(), 4u);
        EXPECT_EQ(open.substr(open.size() - 4), std::string("\0\0\xFF\xFF", 4));
        const std::string joined = inflateAll(open + out, 2 * input.size()).value_or("");
        EXPECT_TRUE(joined == input + input);
    }
}

namespace {

class PiecesTest : public ::testing::Test {
protected:
    ScratchDir dir;
    // Pieces of 16 KiB, so that small files are deflated in many of them.
    Override<size_t> piece_{zipeng::tuning::streamChunk, 16u << 10};
};

}  // namespace

TEST_F(PiecesTest, MembersInPiecesReadBackWithTheirStepsInOrder)
{
    writeFile("a.txt", textData(600000, 1));
    writeFile("b.txt", textData(12000, 2));  // within one piece: deflated whole
    writeFile("c.bin", textData(100000, 3) + randomData(200000, 3));
    for (const int level : {1, 9}) {
        SCOPED_TRACE("level " + std::to_string(level));
        Flags flags;
        flags.level = level;
        const std::string archive = "p" + std::to_string(level) + ".zip";
        const uint64_t piecesBefore = zipeng::tuning::piecesDeflated;
        const CallResult r = callEngine(archive, {"a.txt", "b.txt", "c.bin"}, flags);
        ASSERT_EQ(r.result, 3) << r.dump();
        EXPECT_GE(zipeng::tuning::piecesDeflated - piecesBefore, 600000u / (16u << 10));
        std::vector<std::pair<std::string, int>> files;  // name, steps
        for (const Callback &c : r.calls) {
            if (c.action == ZipActionFileBegin)
                files.emplace_back(c.text, 0);
            else if (c.action == ZipActionFileStep)
                ++files.at(files.size() - 1).second;
        }
        EXPECT_EQ(files, (std::vector<std::pair<std::string, int>>{
                             {"a.txt", 600000 / 32768}, {"b.txt", 0}, {"c.bin", 300000 / 32768}}));
        EXPECT_EQ(checkWithTools(archive), "");
        const ArchiveInfo info = readArchive(archive);
        for (const char *name : {"a.txt", "b.txt", "c.bin"}) {
            EXPECT_EQ(info.find(name)->method, 8) << name;
            EXPECT_EQ(info.find(name)->crc, crc32Of(readFile(name))) << name;
            EXPECT_TRUE(runTool({"unzip", "-p", archive, name}).out == readFile(name)) << name;
        }
        EXPECT_LT(info.find("a.txt")->packedSize, 600000u / 3);
    }
}

TEST_F(PiecesTest, CancelAtTheFirstStepLeavesTheArchiveAndTheRemainingPiecesUndone)
{
    writeFile("first.txt", "first\n");
    ASSERT_EQ(callEngine("t.zip", {"first.txt"}).result, 1);
    const std::string before = readFile("t.zip");
    writeFile("large.txt", textData(2u << 20, 5));  // 128 pieces
    const uint64_t piecesBefore = zipeng::tuning::piecesDeflated;
    const CallResult r = callEngine("t.zip", {"large.txt"}, {}, cancelAt(ZipActionFileStep, 1));
    EXPECT_EQ(r.result, 0) << r.dump();
    EXPECT_EQ(readFile("t.zip"), before);
    EXPECT_EQ(listDir("."), (std::vector<std::string>{"first.txt", "large.txt", "t.zip"}));
    EXPECT_EQ(r.calls.back().action, ZipActionBatchEnd);
    // Only the pieces already handed to the workers were deflated.
    EXPECT_LT(zipeng::tuning::piecesDeflated - piecesBefore, 64u);
}

TEST_F(PiecesTest, ManyLargeFilesInARowKeepTheirOwnPieces)
{
    // The pieces of the next files are read and deflated while the writer
    // joins this one's; noise is deflated too, found not to shrink and
    // stored again while those of the files after it are under way.
    std::vector<std::string> names, contents;
    for (int i = 0; i < 24; ++i) {
        names.push_back("f" + std::to_string(i));
        contents.push_back(i % 3 == 2 ? randomData(40000 + size_t(i), unsigned(i))
                                      : textData(40000 + size_t(i), unsigned(i)));
        writeFile(names.back(), contents.back());
    }
    for (const int level : {1, 9}) {
        SCOPED_TRACE("level " + std::to_string(level));
        Flags flags;
        flags.level = level;
        const std::string archive = "many" + std::to_string(level) + ".zip";
        const CallResult r = callEngine(archive, names, flags);
        ASSERT_EQ(r.result, int(names.size())) << r.dump();
        EXPECT_EQ(r.begun(), names);
        EXPECT_EQ(checkWithTools(archive), "");
        const ArchiveInfo info = readArchive(archive);
        ASSERT_EQ(info.names(), names);
        for (size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(info.members[i].crc, crc32Of(contents[i])) << names[i];
            EXPECT_EQ(info.members[i].unpackedSize, contents[i].size()) << names[i];
            EXPECT_EQ(info.members[i].method, i % 3 == 2 ? 0 : 8) << names[i];
        }
    }
}

TEST_F(PiecesTest, AFileCutShortWhileItsPiecesAreReadKeepsWhatWasRead)
{
    // The pieces are read ahead of the writer, so some were read in full
    // before the cut and the rest come up short or empty.
    const std::string original = textData(600000, 4);
    for (const int level : {1, 9}) {
        SCOPED_TRACE("level " + std::to_string(level));
        writeFile("a.txt", original);
        writeFile("b.txt", original);
        Flags flags;
        flags.level = level;
        const std::string archive = "cut" + std::to_string(level) + ".zip";
        const CallResult r = callEngine(archive, {"a.txt", "b.txt"}, flags, cancelWhen([](const Callback &c) {
                                            if (c.action == ZipActionFileBegin && c.text == "a.txt") {
                                                EXPECT_EQ(::truncate("a.txt", 100000), 0);
                                            }
                                            return false;
                                        }));
        ASSERT_EQ(r.result, 2) << r.dump();
        const auto messages = r.messages();
        EXPECT_TRUE(std::any_of(messages.begin(), messages.end(), [](const Callback &m) {
            return m.text.find("a.txt became shorter") == 0;
        })) << r.dump();
        EXPECT_EQ(checkWithTools(archive), "");
        const std::string kept = runTool({"unzip", "-p", archive, "a.txt"}).out;
        EXPECT_GE(kept.size(), 100000u);
        EXPECT_LT(kept.size(), original.size());
        EXPECT_TRUE(kept == original.substr(0, kept.size()));
        EXPECT_EQ(readArchive(archive).find("a.txt")->crc, crc32Of(kept));
        EXPECT_TRUE(runTool({"unzip", "-p", archive, "b.txt"}).out == original);
    }
}

TEST_F(PiecesTest, LargeTextInPiecesIsNoLargerThanZipsAtTheSameLevel)
{
    // The pieces of each level's own size, on real text: the system's C
    // headers, as in AddTest. Each piece starts without the text before it,
    // which must cost less than libdeflate gains over zlib.
    const Override<size_t> ownSize(zipeng::tuning::streamChunk, 0);
    std::string text;
    for (const char *headers : {"/usr/include", "/usr/include/linux", "/usr/include/x86_64-linux-gnu/bits"}) {
        const RunResult list = runTool({"sh", "-c", std::string("cat ") + headers + "/*.h"});
        text += list.out;
    }
    ASSERT_GT(text.size(), 1u << 20);
    // Two pieces at the largest piece size; repeats lie beyond deflate's window.
    const std::string once = text;
    while (text.size() < (8u << 20) + 1)
        text += once;
    text.resize((8u << 20) + 1);
    writeFile("headers.txt", text);
    for (const int level : {1, 6, 9}) {
        Flags flags;
        flags.level = level;
        const std::string ours = "ours" + std::to_string(level) + ".zip";
        const std::string theirs = "zip" + std::to_string(level) + ".zip";
        const uint64_t piecesBefore = zipeng::tuning::piecesDeflated;
        ASSERT_EQ(callEngine(ours, {"headers.txt"}, flags).result, 1);
        EXPECT_GE(zipeng::tuning::piecesDeflated - piecesBefore, 2u) << "level " << level;
        ASSERT_EQ(runTool({"zip", "-q", "-X", "-" + std::to_string(level), theirs, "headers.txt"}).exitCode, 0);
        EXPECT_LE(readArchive(ours).members.at(0).packedSize, readArchive(theirs).members.at(0).packedSize)
            << "level " << level;
    }
}
