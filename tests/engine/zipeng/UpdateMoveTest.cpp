// Update, freshen, move and archive time.

#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include "engine/zipeng/ZipJob.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace ziptest;

namespace {

constexpr int64_t T0 = 1577872800;  // 2020-01-01 10:00:00 UTC

class UpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile("old.txt", "old\n");
        writeFile("same.txt", "same\n");
        setMtime("old.txt", T0);
        setMtime("same.txt", T0);
        ASSERT_EQ(callEngine("u.zip", {"old.txt", "same.txt"}).result, 2);
        writeFile("old.txt", "old, changed\n");
        setMtime("old.txt", T0 + 1);  // newer by one second: the extended timestamp tells
        setMtime("same.txt", T0);
        writeFile("new.txt", "new\n");
        before_ = readFile("u.zip");
    }
    ScratchDir dir;
    std::string before_;
};

}  // namespace

TEST_F(UpdateTest, UpdateReplacesNewerAndAddsNew)
{
    Flags flags;
    flags.update = true;
    const CallResult r = callEngine("u.zip", {"old.txt", "same.txt", "new.txt"}, flags);
    EXPECT_EQ(r.result, 2) << r.dump();
    EXPECT_EQ(r.begun(), (std::vector<std::string>{"old.txt", "new.txt"}));
    const ArchiveInfo info = readArchive("u.zip");
    EXPECT_EQ(info.names(), (std::vector<std::string>{"old.txt", "same.txt", "new.txt"}));
    EXPECT_EQ(info.find("old.txt")->crc, crc32Of("old, changed\n"));
}

TEST_F(UpdateTest, CancelWhileKeptMembersAreCopiedLeavesTheArchive)
{
    // Byte-sized copy blocks and no quiet interval: same.txt, kept, is copied
    // in many blocks, each followed by the question whether to go on.
    const Override<size_t> block(zipeng::tuning::copyBlock, 1);
    const Override<std::chrono::nanoseconds> quiet(zipeng::tuning::workingInterval, std::chrono::nanoseconds(0));
    Flags flags;
    flags.update = true;
    for (const int at : {1, 20}) {
        SCOPED_TRACE("cancelled at Working " + std::to_string(at));
        const CallResult r =
            callEngine("u.zip", {"old.txt", "same.txt", "new.txt"}, flags, cancelAt(ZipActionWorking, at));
        EXPECT_EQ(r.result, 0) << r.dump();
        EXPECT_EQ(readFile("u.zip"), before_);
        EXPECT_EQ(listDir("."), (std::vector<std::string>{"new.txt", "old.txt", "same.txt", "u.zip"}));
        EXPECT_EQ(r.calls.back().action, ZipActionBatchEnd);
    }
}

TEST_F(UpdateTest, FreshenReplacesNewerOnly)
{
    Flags flags;
    flags.freshen = true;
    const CallResult r = callEngine("u.zip", {"old.txt", "same.txt", "new.txt"}, flags);
    EXPECT_EQ(r.result, 1) << r.dump();
    EXPECT_EQ(readArchive("u.zip").names(), (std::vector<std::string>{"old.txt", "same.txt"}));

    // Nothing newer: the archive is not touched at all.
    const std::string now = readFile("u.zip");
    const int64_t stamp = T0 - 1000;
    setMtime("u.zip", stamp);
    const CallResult again = callEngine("u.zip", {"old.txt", "same.txt", "new.txt"}, flags);
    EXPECT_EQ(again.result, 0);
    EXPECT_EQ(again.errors().size(), 0u) << again.dump();
    EXPECT_EQ(readFile("u.zip"), now);
    EXPECT_EQ(mtimeOf("u.zip"), stamp);
}

TEST_F(UpdateTest, OlderSourcesDoNotReplace)
{
    setMtime("old.txt", T0 - 100);
    Flags flags;
    flags.update = true;
    EXPECT_EQ(callEngine("u.zip", {"old.txt", "same.txt"}, flags).result, 0);
    EXPECT_EQ(readFile("u.zip"), before_);
}

TEST_F(UpdateTest, FreshenWithoutArgumentsRefreshesTheWholeArchive)
{
    Flags flags;
    flags.freshen = true;
    const CallResult r = callEngine("u.zip", {}, flags);
    EXPECT_EQ(r.result, 1) << r.dump();
    EXPECT_EQ(readArchive("u.zip").find("old.txt")->crc, crc32Of("old, changed\n"));
}

TEST_F(UpdateTest, FreshenWithoutArgumentsUnderAFolderRefreshesOnlyTheMembersThere)
{
    Flags into;
    into.folder = "docs/";
    writeFile("old.txt", "old\n");
    setMtime("old.txt", T0);
    ASSERT_EQ(callEngine("u.zip", {"old.txt"}, into).result, 1);
    writeFile("old.txt", "old, changed\n");
    setMtime("old.txt", T0 + 1);
    into.freshen = true;
    const CallResult r = callEngine("u.zip", {}, into);
    EXPECT_EQ(r.result, 1) << r.dump();
    const ArchiveInfo info = readArchive("u.zip");
    EXPECT_EQ(info.find("docs/old.txt")->crc, crc32Of("old, changed\n"));
    EXPECT_EQ(info.find("old.txt")->crc, crc32Of("old\n")) << "a member outside the folder is left alone";
}

TEST_F(UpdateTest, UpdateComparesDosTimesWhenThereIsNoTimestamp)
{
    // An archive from a writer without extended timestamps (zip -X).
    ::unlink("u.zip");
    setMtime("old.txt", T0);
    runTool({"zip", "-q", "-X", "u.zip", "old.txt"});
    ASSERT_FALSE(readArchive("u.zip").members.at(0).unixTime);
    Flags flags;
    flags.freshen = true;
    setMtime("old.txt", T0);
    EXPECT_EQ(callEngine("u.zip", {"old.txt"}, flags).result, 0);
    setMtime("old.txt", T0 + 2);
    EXPECT_EQ(callEngine("u.zip", {"old.txt"}, flags).result, 1);
}

TEST(ArchiveTime, TheArchiveTakesTheNewestMembersTime)
{
    ScratchDir dir;
    writeFile("a", "a");
    writeFile("b", "b");
    setMtime("a", T0 + 500);
    setMtime("b", T0 + 100);
    Flags flags;
    flags.archiveTime = true;
    ASSERT_EQ(callEngine("t.zip", {"a", "b"}, flags).result, 2);
    EXPECT_EQ(mtimeOf("t.zip"), T0 + 500);
    // Kept members count too.
    writeFile("c", "c");
    setMtime("c", T0 + 200);
    ASSERT_EQ(callEngine("t.zip", {"c"}, flags).result, 1);
    EXPECT_EQ(mtimeOf("t.zip"), T0 + 500);
}

TEST(Move, SourcesGoOnlyAfterSuccess)
{
    ScratchDir dir;
    makeDirs("tree/inner");
    makeDirs("keep");
    writeFile("tree/f1", "1");
    writeFile("tree/inner/f2", "2");
    writeFile("keep/k1", "k1");
    writeFile("keep/k2", "k2");
    Flags flags;
    flags.move = true;
    flags.recurse = true;

    // A cancelled move deletes nothing.
    const CallResult cancelled = callEngine("m.zip", {"tree", "keep/k1"}, flags,
                                            [](const std::vector<Callback> &calls) { return calls.size() >= 3; });
    EXPECT_EQ(cancelled.result, 0);
    EXPECT_FALSE(exists("m.zip"));
    EXPECT_TRUE(exists("tree/inner/f2"));
    EXPECT_TRUE(exists("keep/k1"));

    const CallResult r = callEngine("m.zip", {"tree", "keep/k1"}, flags);
    EXPECT_EQ(r.result, 3) << r.dump();  // tree/f1, tree/inner/f2, keep/k1; the folders uncounted
    EXPECT_FALSE(exists("tree"));        // stored as entries and emptied: removed
    EXPECT_FALSE(exists("keep/k1"));
    EXPECT_TRUE(exists("keep/k2"));  // not added: stays, and so does its directory
    EXPECT_EQ(checkWithTools("m.zip"), "");
}

TEST(BaseDirectory, RelativeArgumentsAreReadRefreshedAndMovedThere)
{
    ScratchDir dir;
    makeDirs("base/d");
    makeDirs("d");
    writeFile("base/d/f", "under the base\n");
    setMtime("base/d/f", T0);
    writeFile("d/f", "in the current directory\n");  // the same relative name, older
    setMtime("d/f", T0 - 100);
    Flags flags;
    flags.base = dir / "base";

    const CallResult added = callEngine("a.zip", {"d/f"}, flags);
    ASSERT_EQ(added.result, 1) << added.dump();
    EXPECT_EQ(readArchive("a.zip").names(), std::vector<std::string>{"d/f"});
    EXPECT_EQ(readArchive("a.zip").find("d/f")->crc, crc32Of("under the base\n"));

    // Freshening the whole archive looks there too.
    writeFile("base/d/f", "changed under the base\n");
    setMtime("base/d/f", T0 + 10);
    flags.freshen = true;
    const CallResult refreshed = callEngine("a.zip", {}, flags);
    EXPECT_EQ(refreshed.result, 1) << refreshed.dump();
    EXPECT_EQ(readArchive("a.zip").find("d/f")->crc, crc32Of("changed under the base\n"));

    flags.freshen = false;
    flags.move = true;
    const CallResult moved = callEngine("a.zip", {"d/f"}, flags);
    EXPECT_EQ(moved.result, 1) << moved.dump();
    EXPECT_FALSE(exists("base/d/f"));
    EXPECT_EQ(readFile("d/f"), "in the current directory\n");
}

TEST(Move, NothingReachedThroughASymbolicLinkIsDeleted)
{
    ScratchDir dir;
    makeDirs("elsewhere/deep");
    writeFile("elsewhere/e1", "e1");
    writeFile("elsewhere/deep/e2", "e2");
    writeFile("target.txt", "t");
    makeDirs("tree");
    writeFile("tree/own", "own");
    ASSERT_EQ(::symlink("../elsewhere", "tree/dirlink"), 0);
    ASSERT_EQ(::symlink("../target.txt", "tree/filelink"), 0);
    ASSERT_EQ(::symlink("elsewhere", "toplink"), 0);
    Flags flags;
    flags.move = true;
    flags.recurse = true;
    for (const std::string arg : {"tree", "toplink/"}) {
        SCOPED_TRACE(arg);
        ::unlink("m.zip");
        const CallResult r = callEngine("m.zip", {arg}, flags);
        EXPECT_GT(r.result, 0) << r.dump();
        EXPECT_TRUE(r.errors().empty()) << r.dump();
        EXPECT_EQ(readFile("elsewhere/deep/e2"), "e2");
    }
    // Added all the same, as before.
    EXPECT_EQ(readArchive("m.zip").names(),
              (std::vector<std::string>{"toplink/", "toplink/deep/", "toplink/deep/e2", "toplink/e1"}));
    EXPECT_EQ(readFile("elsewhere/e1"), "e1");
    EXPECT_EQ(readFile("target.txt"), "t");
    EXPECT_EQ(listDir("tree"), (std::vector<std::string>{"dirlink", "filelink"}));  // tree/own went
}

TEST(Move, WithoutDirectoryEntriesDirectoriesStay)
{
    ScratchDir dir;
    makeDirs("z/y");
    writeFile("z/y/a", "a");
    Flags flags;
    flags.move = true;
    flags.recurse = true;
    flags.dirNames = false;
    EXPECT_EQ(callEngine("m.zip", {"z"}, flags).result, 1);
    EXPECT_FALSE(exists("z/y/a"));
    EXPECT_TRUE(exists("z/y"));
}
