// Adding files: stored names (against the real zip), headers, replacing,
// repeated names, missing files, callbacks, and the streaming path.

#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include "engine/zipeng/ErrorCodes.h"
#include "engine/zipeng/ZipJob.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <glob.h>
#include <sys/stat.h>

using namespace ziptest;

namespace {

std::string lastComponentOf(const std::string &path)
{
    return path.substr(path.rfind('/') + 1);
}

std::vector<std::string> sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

// The stored names the real zip gives for these arguments, with
// patterns expanded as a shell would before zip sees them.
std::vector<std::string> namesFromZip(const std::vector<std::string> &args, const Flags &flags)
{
    const std::string archive = "reference.zip";
    ::unlink(archive.c_str());
    std::vector<std::string> argv = {"zip", "-q"};
    if (!flags.dirNames)
        argv.push_back("-j");
    if (flags.recurse)
        argv.push_back("-r");
    if (flags.forceDos)
        argv.push_back("-k");
    argv.push_back(archive);
    for (const std::string &arg : args) {
        glob_t g{};
        if (::glob(arg.c_str(), GLOB_NOCHECK, nullptr, &g) == 0)
            for (size_t i = 0; i < g.gl_pathc; ++i)
                argv.emplace_back(g.gl_pathv[i]);
        ::globfree(&g);
    }
    runTool(argv);
    std::vector<std::string> names = readArchive(archive).names();
    ::unlink(archive.c_str());
    return sorted(names);
}

std::vector<std::string> namesFromEngine(const std::vector<std::string> &args, const Flags &flags)
{
    const std::string archive = "ours.zip";
    ::unlink(archive.c_str());
    const CallResult r = callEngine(archive, args, flags);
    std::vector<std::string> names = readArchive(archive).names();
    ::unlink(archive.c_str());
    EXPECT_EQ(r.result, filesAmong(names)) << r.dump();  // folders are not counted
    return sorted(names);
}

class AddTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile("a.txt", "alpha\n");
        writeFile("b.c", "int b;\n");
        writeFile(".hidden", "h\n");
        makeDirs("d1/sub");
        makeDirs("empty");
        writeFile("d1/x.txt", "x\n");
        writeFile("d1/sub/y.txt", "y\n");
        writeFile("d1/\xC3\xBCn\xC3\xAF.txt", "u\n");
    }
    ScratchDir dir;
};

}  // namespace

TEST_F(AddTest, StoredNamesMatchZipForEveryOptionCombination)
{
    const std::string absoluteFile = dir / "d1/x.txt";
    const std::string absoluteDir = dir / "d1";
    const std::vector<std::vector<std::string>> argLists = {
        {"d1"},         {"d1/"},       {"d1/*"},  {"*.txt"}, {"d1/x.txt", "a.txt"},
        {absoluteFile}, {absoluteDir}, {"empty"}, {"."},     {"d1/s*"},
    };
    for (const bool dirNames : {true, false}) {
        for (const bool recurse : {false, true}) {
            for (const auto &args : argLists) {
                Flags flags;
                flags.dirNames = dirNames;
                flags.recurse = recurse;
                EXPECT_EQ(namesFromEngine(args, flags), namesFromZip(args, flags))
                    << "dirNames " << dirNames << " recurse " << recurse << " arg " << args[0];
            }
        }
    }
}

TEST_F(AddTest, NamesNeverClimbOutOfTheArchive)
{
    // zip stores these as given ("../", "./", "//"); such names would lead an
    // extractor out of its directory or create junk components.
    makeDirs("inner");
    const CallResult r = callEngine("out.zip", {"../" + lastComponentOf(dir.path()) + "/a.txt", "d1/./x.txt",
                                                "d1//sub/../sub/y.txt", "inner/../b.c"});
    EXPECT_EQ(r.result, 4) << r.dump();
    EXPECT_EQ(sorted(readArchive("out.zip").names()),
              sorted({lastComponentOf(dir.path()) + "/a.txt", "d1/x.txt", "d1/sub/y.txt", "b.c"}));
}

TEST_F(AddTest, ForceDosNamesAndAttributesMatchZip)
{
    makeDirs("Long Directory.name/sub.dir.x");
    writeFile("Long Directory.name/sub.dir.x/VeryLongFileName.text.md", "z");
    writeFile("a b+c;d=e[f].txt", "q");
    writeFile("x.y.z.tar.gz", "u");
    writeFile("readonly.txt", "r");
    ::chmod("readonly.txt", 0444);
    Flags flags;
    flags.forceDos = true;
    flags.recurse = true;
    const std::vector<std::string> args = {"Long Directory.name", "a b+c;d=e[f].txt", ".hidden",
                                           "x.y.z.tar.gz",        "readonly.txt",     "a.txt"};
    EXPECT_EQ(namesFromEngine(args, flags), namesFromZip(args, flags));

    callEngine("ours.zip", args, flags);
    runTool({"zip", "-q", "-r", "-k", "theirs.zip", "Long Directory.name", "a b+c;d=e[f].txt", ".hidden",
             "x.y.z.tar.gz", "readonly.txt", "a.txt"});
    const ArchiveInfo ours = readArchive("ours.zip"), theirs = readArchive("theirs.zip");
    ASSERT_EQ(ours.members.size(), theirs.members.size());
    for (const ArchiveMember &m : theirs.members) {
        const ArchiveMember *o = ours.find(m.name);
        ASSERT_TRUE(o) << m.name;
        EXPECT_EQ(o->versionMadeBy >> 8, 0) << m.name;  // MS-DOS
        EXPECT_EQ(o->versionMadeBy >> 8, m.versionMadeBy >> 8) << m.name;
        EXPECT_EQ(o->externalAttributes, m.externalAttributes) << m.name;
    }
    EXPECT_EQ(checkWithTools("ours.zip"), "");
}

TEST_F(AddTest, HeadersCarryModeTimesAndUtf8LikeZip)
{
    ::chmod("a.txt", 0640);
    setMtime("a.txt", 1577872801);  // an odd second
    setMtime("d1", 1577872900);
    const std::vector<std::string> args = {"a.txt", "d1", "d1/\xC3\xBCn\xC3\xAF.txt"};
    ASSERT_EQ(callEngine("ours.zip", args).result, 2);  // d1/ is no file
    runTool({"zip", "-q", "theirs.zip", "a.txt", "d1", "d1/\xC3\xBCn\xC3\xAF.txt"});
    const ArchiveInfo ours = readArchive("ours.zip"), theirs = readArchive("theirs.zip");
    for (const std::string name : {"a.txt", "d1/", "d1/\xC3\xBCn\xC3\xAF.txt"}) {
        const ArchiveMember *o = ours.find(name), *t = theirs.find(name);
        ASSERT_TRUE(o && t) << name;
        EXPECT_EQ(o->versionMadeBy, (3 << 8) | 30) << name;
        EXPECT_EQ(o->externalAttributes, t->externalAttributes) << name;
        EXPECT_EQ(o->modDate, t->modDate) << name;
        EXPECT_EQ(o->modTime, t->modTime) << name;
        EXPECT_EQ(o->unixTime, t->unixTime) << name;
        EXPECT_EQ(o->versionNeeded, 10) << name;
        EXPECT_EQ(o->method, 0) << name;  // too small to shrink
    }
    EXPECT_EQ(ours.find("a.txt")->externalAttributes >> 16, S_IFREG | 0640u);
    EXPECT_EQ(ours.find("a.txt")->flags & (1u << 11), 0);
    EXPECT_NE(ours.find("d1/\xC3\xBCn\xC3\xAF.txt")->flags & (1u << 11), 0);
    EXPECT_EQ(ours.find("d1/")->externalAttributes & 0x10, 0x10u);
    EXPECT_EQ(ours.find("a.txt")->unixTime, 1577872801);
}

TEST_F(AddTest, SymbolicLinksAreStoredAsTheirTargets)
{
    ASSERT_EQ(::symlink("a.txt", "link.txt"), 0);
    ASSERT_EQ(::symlink("d1", "dirlink"), 0);
    ASSERT_EQ(::symlink("d1/..", "d1/sub/loop"), 0);  // a loop when followed
    Flags flags;
    flags.recurse = true;
    const CallResult r = callEngine("out.zip", {"link.txt", "dirlink", "d1"}, flags);
    const ArchiveInfo info = readArchive("out.zip");
    ASSERT_TRUE(info.find("link.txt"));
    EXPECT_EQ(info.find("link.txt")->crc, crc32Of("alpha\n"));
    EXPECT_EQ(info.find("link.txt")->externalAttributes >> 16 & S_IFMT, unsigned(S_IFREG));
    EXPECT_TRUE(info.find("dirlink/x.txt"));
    EXPECT_TRUE(info.find("d1/sub/y.txt"));
    EXPECT_EQ(r.result, info.files());
    EXPECT_EQ(checkWithTools("out.zip"), "");
}

TEST_F(AddTest, ReplacesAnExistingMemberInPlaceAndCopiesTheOthers)
{
    writeFile("c.txt", textData(50000));
    ASSERT_EQ(callEngine("out.zip", {"a.txt", "b.c", "c.txt"}).result, 3);
    const ArchiveInfo before = readArchive("out.zip");
    writeFile("b.c", "int b = 2; /* changed */\n");
    const CallResult r = callEngine("out.zip", {"b.c", "d1/x.txt"});
    EXPECT_EQ(r.result, 2) << r.dump();
    const ArchiveInfo after = readArchive("out.zip");
    EXPECT_EQ(after.names(), (std::vector<std::string>{"a.txt", "b.c", "c.txt", "d1/x.txt"}));
    EXPECT_EQ(after.find("b.c")->crc, crc32Of("int b = 2; /* changed */\n"));
    EXPECT_EQ(after.find("a.txt")->record, before.find("a.txt")->record);
    EXPECT_EQ(after.find("c.txt")->record, before.find("c.txt")->record);
    EXPECT_EQ(checkWithTools("out.zip"), "");
}

TEST_F(AddTest, RepeatedStoredNamesKeepTheFirst)
{
    makeDirs("d2");
    writeFile("d2/x.txt", "another x\n");
    Flags flags;
    flags.dirNames = false;
    CallResult r = callEngine("out.zip", {"d1/x.txt", "d2/x.txt"}, flags);
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(readArchive("out.zip").find("x.txt")->crc, crc32Of("x\n"));
    ASSERT_EQ(r.errors().size(), 1u) << r.dump();
    EXPECT_NE(r.errors()[0].text.find("x.txt"), std::string::npos);

    // The same file named twice is only information.
    r = callEngine("same.zip", {"a.txt", "./a.txt"});
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.errors().size(), 0u) << r.dump();
    EXPECT_EQ(r.messages().size(), 1u) << r.dump();
}

TEST_F(AddTest, MissingAndSpecialSourcesAreReportedAndTheRestAdded)
{
    ASSERT_EQ(::mkfifo("fifo", 0600), 0);
    ASSERT_EQ(::symlink("nowhere", "dangling"), 0);
    const CallResult r = callEngine("out.zip", {"a.txt", "nothere.txt", "fifo", "dangling", "no*match", "b.c"});
    EXPECT_EQ(r.result, 2) << r.dump();
    EXPECT_EQ(readArchive("out.zip").names(), (std::vector<std::string>{"a.txt", "b.c"}));
    const auto errors = r.errors();
    ASSERT_EQ(errors.size(), 4u) << r.dump();
    EXPECT_NE(errors[0].text.find("nothere.txt"), std::string::npos);
    EXPECT_EQ(errors[0].code, zipeng::OpenError);
    EXPECT_NE(errors[1].text.find("fifo"), std::string::npos);
    EXPECT_NE(errors[2].text.find("dangling"), std::string::npos);
    EXPECT_EQ(errors[3].code, zipeng::NothingMatched);
}

TEST_F(AddTest, TheArchiveNeverAddsItself)
{
    ASSERT_EQ(callEngine("self.zip", {"a.txt"}).result, 1);
    Flags flags;
    flags.recurse = true;
    const CallResult r = callEngine("self.zip", {"."}, flags);
    const ArchiveInfo info = readArchive("self.zip");
    EXPECT_FALSE(info.find("self.zip"));
    EXPECT_TRUE(info.find("d1/sub/y.txt"));
    EXPECT_EQ(checkWithTools("self.zip"), "");
    EXPECT_GT(r.result, 5);
}

TEST_F(AddTest, CallbacksComeInOrderOnTheCallingThread)
{
    writeFile("big.txt", textData(100000));   // 3 steps
    writeFile("mid.bin", randomData(40000));  // 1 step
    writeFile("zero.txt", "");
    Flags flags;
    flags.verbose = true;
    const CallResult r = callEngine("out.zip", {"zero.txt", "big.txt", "empty", "mid.bin", "missing"}, flags);
    ASSERT_EQ(r.result, 3) << r.dump();  // the folder "empty" is no file
    const std::thread::id me = std::this_thread::get_id();
    for (const Callback &c : r.calls)
        EXPECT_EQ(c.thread, me);
    ASSERT_FALSE(r.calls.empty());
    EXPECT_EQ(r.calls.back().action, ZipActionBatchEnd);
    EXPECT_EQ(r.count(ZipActionBatchEnd), 1);

    // Each file: its begin, then exactly size/32768 steps before anything else begins.
    std::vector<std::pair<std::string, int>> files;  // name, steps
    std::vector<int32_t> sizes;
    for (const Callback &c : r.calls) {
        if (c.action == ZipActionFileBegin) {
            files.emplace_back(c.text, 0);
            sizes.push_back(c.size);
        } else if (c.action == ZipActionFileStep) {
            ASSERT_FALSE(files.empty()) << "a step before any file";
            ++files.back().second;
        }
    }
    ASSERT_EQ(files.size(), 4u);
    EXPECT_EQ(files[0], (std::pair<std::string, int>{"zero.txt", 0}));
    EXPECT_EQ(files[1], (std::pair<std::string, int>{"big.txt", 3}));
    EXPECT_EQ(files[2], (std::pair<std::string, int>{"empty/", 0}));
    EXPECT_EQ(files[3], (std::pair<std::string, int>{"mid.bin", 1}));
    EXPECT_EQ(sizes, (std::vector<int32_t>{0, 100000, 0, 40000}));
    // The missing file is reported before the first file begins.
    EXPECT_EQ(r.calls.front().action, ZipActionMessage);
    EXPECT_GT(r.calls.front().code, 0);
}

TEST_F(AddTest, LevelsGiveValidArchives)
{
    writeFile("text1.txt", textData(300000, 1));
    writeFile("text2.txt", textData(200000, 2));
    writeFile("noise.bin", randomData(100000));
    writeFile("zero.txt", "");
    writeFile("one.txt", "1");
    const std::vector<std::string> args = {
        "text1.txt", "text2.txt", "noise.bin", "zero.txt", "one.txt", "empty", "d1/\xC3\xBCn\xC3\xAF.txt"};
    for (const int level : {0, 1, 6, 9}) {
        SCOPED_TRACE("level " + std::to_string(level));
        Flags flags;
        flags.level = level;
        const std::string ours = "ours" + std::to_string(level) + ".zip";
        ASSERT_EQ(callEngine(ours, args, flags).result, 6);  // the folder "empty" is no file
        EXPECT_EQ(checkWithTools(ours), "");
        const ArchiveInfo info = readArchive(ours);
        EXPECT_EQ(info.find("text1.txt")->method, level == 0 ? 0 : 8);
        EXPECT_EQ(info.find("text1.txt")->crc, crc32Of(readFile("text1.txt")));
        EXPECT_EQ(info.find("noise.bin")->method, 0);  // deflate would not shrink it
        EXPECT_EQ(info.find("zero.txt")->method, 0);
        EXPECT_FALSE(info.zip64End);
        for (const ArchiveMember &m : info.members)
            EXPECT_FALSE(m.centralZip64) << m.name;
    }
}

TEST_F(AddTest, LargeIncompressibleDataIsStoredWithoutLosingCompressibleData)
{
    // Large inputs are sampled before deflating: noise is stored straight away,
    // but a file that is noise only in part must still be deflated.
    writeFile("noise.bin", randomData(3 << 20, 5));
    writeFile("mixed.bin", randomData(256 << 10, 6) + textData(3 << 20, 7));
    // The same for the medium sizes of most compressed documents.
    writeFile("noise-medium.bin", randomData(200 << 10, 8));
    writeFile("mixed-medium.bin", randomData(20 << 10, 9) + textData(200 << 10, 10));
    writeFile("text-medium.txt", textData(70 << 10, 11));
    Flags flags;
    flags.level = 6;
    ASSERT_EQ(callEngine("big.zip",
                         {"noise.bin", "mixed.bin", "noise-medium.bin", "mixed-medium.bin", "text-medium.txt"}, flags)
                  .result,
              5);
    EXPECT_EQ(checkWithTools("big.zip"), "");
    const ArchiveInfo info = readArchive("big.zip");
    EXPECT_EQ(info.find("noise.bin")->method, 0);
    EXPECT_EQ(info.find("mixed.bin")->method, 8);
    EXPECT_LT(info.find("mixed.bin")->packedSize, uint64_t(2 << 20));
    EXPECT_EQ(info.find("noise-medium.bin")->method, 0);
    EXPECT_EQ(info.find("mixed-medium.bin")->method, 8);
    EXPECT_LT(info.find("mixed-medium.bin")->packedSize, uint64_t(120 << 10));
    EXPECT_EQ(info.find("text-medium.txt")->method, 8);
}

TEST_F(AddTest, ArchivesAreNoLargerThanZipsAtTheSameLevel)
{
    // Real text: the system's C headers, which the build needs anyway.
    // (Synthetic text of a dozen repeated words is not a fair sample: on it
    // libdeflate's levels fall behind zlib's.)
    glob_t g{};
    ASSERT_EQ(::glob("/usr/include/*.h", 0, nullptr, &g), 0);
    std::vector<std::string> files;
    size_t total = 0;
    for (size_t i = 0; i < g.gl_pathc && total < 1500000; ++i) {
        const std::string content = readFile(g.gl_pathv[i]);
        const std::string name = "h" + std::to_string(i) + ".h";
        writeFile(name, content);
        files.push_back(name);
        total += content.size();
    }
    ::globfree(&g);
    ASSERT_GT(total, 500000u);
    for (int level = 1; level <= 9; ++level) {
        Flags flags;
        flags.level = level;
        const std::string ours = "ours" + std::to_string(level) + ".zip";
        const std::string theirs = "zip" + std::to_string(level) + ".zip";
        ASSERT_EQ(callEngine(ours, files, flags).result, int(files.size()));
        std::vector<std::string> argv = {"zip", "-q", "-X", "-" + std::to_string(level), theirs};
        argv.insert(argv.end(), files.begin(), files.end());
        ASSERT_EQ(runTool(argv).exitCode, 0);
        // zip -X leaves out its extra fields; ours carry a timestamp (18
        // bytes a member), so compare the compressed data.
        uint64_t oursPacked = 0, theirsPacked = 0;
        for (const ArchiveMember &m : readArchive(ours).members)
            oursPacked += m.packedSize;
        for (const ArchiveMember &m : readArchive(theirs).members)
            theirsPacked += m.packedSize;
        EXPECT_LE(oursPacked, theirsPacked) << "level " << level;
    }
}

TEST_F(AddTest, LevelOneIsNoLargerThanZipsOnAVariedTree)
{
    if (!haveProgram("zip"))
        GTEST_SKIP() << "zip is not installed";
    writeFile("text.txt", textData(300000, 3));
    writeFile("noise.bin", randomData(200000, 4));
    writeFile("norepeat-26.txt", textWithoutRepeats(26));
    writeFile("norepeat-12.txt", textWithoutRepeats(12).substr(0, 1000));
    for (int i = 0; i < 20; ++i)
        writeFile("tiny" + std::to_string(i), std::string(size_t(i), char('a' + i % 3)));
    // Real machine code: the system's smaller shared libraries.
    glob_t g{};
    ASSERT_EQ(::glob("/usr/lib/x86_64-linux-gnu/lib*.so.*", 0, nullptr, &g), 0);
    size_t binaries = 0;
    for (size_t i = 0; i < g.gl_pathc && binaries < (3u << 20); ++i) {
        const std::string content = readFile(g.gl_pathv[i]);
        if (content.size() < (64u << 10) || content.size() > (1u << 20))
            continue;
        writeFile("lib" + std::to_string(i) + ".so", content);
        binaries += content.size();
    }
    ::globfree(&g);
    ASSERT_GT(binaries, 1u << 20);
    // Real text over more than one piece, so that a piece boundary is crossed.
    std::string headers;
    ASSERT_EQ(::glob("/usr/include/*.h", 0, nullptr, &g), 0);
    for (size_t i = 0; i < g.gl_pathc && headers.size() < (5u << 20); ++i)
        headers += readFile(g.gl_pathv[i]);
    ::globfree(&g);
    while (headers.size() < (5u << 20))
        headers += headers;
    writeFile("headers.txt", headers);

    Flags flags;
    flags.level = 1;
    flags.recurse = true;
    ASSERT_GT(callEngine("ours.zip", {"."}, flags).result, 0);
    EXPECT_EQ(checkWithTools("ours.zip"), "");
    ASSERT_EQ(runTool({"zip", "-q", "-X", "-r", "-1", "theirs.zip", ".", "-x", "ours.zip"}).exitCode, 0);
    // Compressed data only: the headers' extra fields differ (see above).
    uint64_t oursPacked = 0, theirsPacked = 0;
    const ArchiveInfo ours = readArchive("ours.zip"), theirs = readArchive("theirs.zip");
    for (const ArchiveMember &m : ours.members)
        oursPacked += m.packedSize;
    for (const ArchiveMember &m : theirs.members)
        theirsPacked += m.packedSize;
    EXPECT_EQ(ours.names().size(), theirs.names().size());
    RecordProperty("zip_packed", std::to_string(theirsPacked));
    RecordProperty("orvexzip_packed", std::to_string(oursPacked));
    EXPECT_LE(oursPacked, theirsPacked);
}

namespace {

// Lowers the size limit of the in-memory path so that small files take the
// streaming path, in several chunks.
class StreamingTest : public AddTest {
protected:
    void SetUp() override
    {
        AddTest::SetUp();
        savedLimit_ = zipeng::tuning::wholeFileLimit;
        savedChunk_ = zipeng::tuning::streamChunk;
        zipeng::tuning::wholeFileLimit = 256 << 10;
        zipeng::tuning::streamChunk = 64 << 10;
    }
    void TearDown() override
    {
        zipeng::tuning::wholeFileLimit = savedLimit_;
        zipeng::tuning::streamChunk = savedChunk_;
    }
    uint64_t savedLimit_ = 0;
    size_t savedChunk_ = 0;
};

}  // namespace

TEST_F(StreamingTest, LargeMembersAreDeflatedInChunksOrStored)
{
    writeFile("large.txt", textData(1500000, 7));
    writeFile("noise.bin", randomData(600000, 3));
    writeFile("small.txt", textData(10000, 5));
    for (const int level : {0, 1, 9}) {
        SCOPED_TRACE("level " + std::to_string(level));
        Flags flags;
        flags.level = level;
        const std::string archive = "stream" + std::to_string(level) + ".zip";
        const CallResult r = callEngine(archive, {"large.txt", "noise.bin", "small.txt"}, flags);
        ASSERT_EQ(r.result, 3) << r.dump();
        EXPECT_EQ(r.count(ZipActionFileStep), 1500000 / 32768 + 600000 / 32768);
        EXPECT_EQ(checkWithTools(archive), "");
        const ArchiveInfo info = readArchive(archive);
        EXPECT_EQ(info.find("large.txt")->method, level ? 8 : 0);
        EXPECT_LT(info.find("large.txt")->packedSize, level ? 700000u : 1500001u);
        EXPECT_EQ(info.find("large.txt")->crc, crc32Of(readFile("large.txt")));
        EXPECT_EQ(info.find("noise.bin")->method, 0);
        EXPECT_EQ(info.find("noise.bin")->packedSize, 600000u);
        EXPECT_EQ(info.find("noise.bin")->crc, crc32Of(readFile("noise.bin")));
        const std::string extracted = runTool({"unzip", "-p", archive, "large.txt"}).out;
        EXPECT_TRUE(extracted == readFile("large.txt"));
    }
}
