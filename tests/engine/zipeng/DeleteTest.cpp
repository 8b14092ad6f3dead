// Deleting members by name and pattern.

#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include "engine/zipeng/ErrorCodes.h"
#include "engine/zipeng/ZipJob.h"

#include <gtest/gtest.h>

using namespace ziptest;

namespace {

class DeleteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeDirs("d1/sub");
        writeFile("d1/x.txt", textData(70000, 1));
        writeFile("d1/sub/y.txt", "y");
        writeFile("a.txt", "a");
        writeFile("b.c", textData(5000, 2));
        Flags flags;
        flags.recurse = true;
        ASSERT_EQ(callEngine("t.zip", {"d1", "a.txt", "b.c"}, flags).result, 4);  // d1/ and d1/sub/ uncounted
        before_ = readArchive("t.zip");
        bytes_ = readFile("t.zip");
    }
    CallResult remove(const std::vector<std::string> &args, CancelRule cancel = {})
    {
        Flags flags;
        flags.remove = true;
        flags.recurse = true;  // a delete passes the other add flags; they change nothing
        flags.move = true;
        return callEngine("t.zip", args, flags, std::move(cancel));
    }
    ScratchDir dir;
    ArchiveInfo before_;
    std::string bytes_;
};

}  // namespace

TEST_F(DeleteTest, ByNameAndPatternLikeZip)
{
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> left;
    };
    // What `zip -d` leaves for the same arguments.
    const Case cases[] = {
        {{"a.txt"}, {"d1/", "d1/sub/", "d1/sub/y.txt", "d1/x.txt", "b.c"}},
        {{"d1"}, {"d1/sub/", "d1/sub/y.txt", "d1/x.txt", "a.txt", "b.c"}},
        {{"d1/"}, {"d1/sub/", "d1/sub/y.txt", "d1/x.txt", "a.txt", "b.c"}},
        {{"d1/*"}, {"a.txt", "b.c"}},
        {{"*.txt"}, {"d1/", "d1/sub/", "b.c"}},
        {{"*/x.txt", "b.?"}, {"d1/", "d1/sub/", "d1/sub/y.txt", "a.txt"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args[0]);
        writeFile("t.zip", bytes_);
        const CallResult r = remove(c.args);
        // Every member deleted is reported; only files are counted.
        EXPECT_EQ(r.count(ZipActionFileBegin), int(before_.members.size() - c.left.size())) << r.dump();
        EXPECT_EQ(r.result, before_.files() - filesAmong(c.left));
        const ArchiveInfo after = readArchive("t.zip");
        EXPECT_EQ(after.names(), c.left);
        for (const ArchiveMember &m : after.members)
            EXPECT_EQ(m.record, before_.find(m.name)->record) << m.name;
        if (&c == &cases[3]) {  // one is enough for the full set of tools
            EXPECT_EQ(checkWithTools("t.zip"), "");
        } else {
            const RunResult test = runTool({"unzip", "-tq", "t.zip"});
            EXPECT_EQ(test.exitCode, 0) << test.out;
        }

        writeFile("zipd.zip", bytes_);
        std::vector<std::string> argv = {"zip", "-q", "-d", "zipd.zip"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        runTool(argv);
        EXPECT_EQ(readArchive("zipd.zip").names(), c.left);
    }
    EXPECT_TRUE(exists("a.txt"));  // the move flag means nothing to a delete
}

TEST(Delete, AMemberNameIsNeverTakenAsAPattern)
{
    // zip -d would take "a[1].txt" as a pattern and delete a1.txt too.
    ScratchDir dir;
    for (const std::string name : {"a[1].txt", "a1.txt", "b*.txt", "bb.txt"})
        writeFile(name, name);
    ASSERT_EQ(callEngine("t.zip", {"a[1].txt", "a1.txt", "b*.txt", "bb.txt"}).result, 4);
    Flags flags;
    flags.remove = true;
    EXPECT_EQ(callEngine("t.zip", {"a[1].txt", "b*.txt"}, flags).result, 2);
    EXPECT_EQ(readArchive("t.zip").names(), (std::vector<std::string>{"a1.txt", "bb.txt"}));
    EXPECT_EQ(callEngine("t.zip", {"a[0-9].txt"}, flags).result, 1);  // no such member: a pattern
    EXPECT_EQ(readArchive("t.zip").names(), (std::vector<std::string>{"bb.txt"}));
}

TEST_F(DeleteTest, UnmatchedArgumentsAreReported)
{
    CallResult r = remove({"nothere", "a.txt"});
    EXPECT_EQ(r.result, 1);
    ASSERT_EQ(r.errors().size(), 1u) << r.dump();
    EXPECT_EQ(r.errors()[0].code, zipeng::NothingMatched);
    EXPECT_NE(r.errors()[0].text.find("nothere"), std::string::npos);

    const std::string now = readFile("t.zip");
    r = remove({"nothere*"});
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(readFile("t.zip"), now);
}

TEST_F(DeleteTest, DeletingEveryMemberLeavesAnEmptyArchive)
{
    const CallResult r = remove({"*"});
    EXPECT_EQ(r.result, 4);  // the files, without d1/ and d1/sub/
    EXPECT_EQ(readFile("t.zip").size(), 22u);
    EXPECT_TRUE(readArchive("t.zip").ok);
    EXPECT_EQ(runTool({"python3", "-c", "import zipfile;assert zipfile.ZipFile('t.zip').namelist()==[]"}).exitCode, 0);
}

TEST_F(DeleteTest, CancelAtAMemberLeavesTheArchive)
{
    const CallResult r =
        remove({"*.txt"}, [](const std::vector<Callback> &calls) { return calls.back().action == ZipActionFileBegin; });
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(readFile("t.zip"), bytes_);
    EXPECT_EQ(listDir("."), (std::vector<std::string>{"a.txt", "b.c", "d1", "t.zip"}));
    EXPECT_EQ(r.calls.back().action, ZipActionBatchEnd);
}

TEST_F(DeleteTest, CancelWhileKeptMembersAreCopiedOrJustBeforeTheReplaceLeavesTheArchive)
{
    // Small copy blocks and no quiet interval: the library asks whether to go
    // on after every block of the kept members and once before the rename.
    const Override<size_t> block(zipeng::tuning::copyBlock, 512);
    const Override<std::chrono::nanoseconds> quiet(zipeng::tuning::workingInterval, std::chrono::nanoseconds(0));
    // What the new archive holds so far, each time the library asks.
    std::vector<size_t> written;
    const CallResult whole = remove({"a.txt"}, [&](const std::vector<Callback> &calls) {
        if (calls.back().action == ZipActionWorking)
            for (const std::string &name : listDir("."))
                if (name.rfind(".zipeng-", 0) == 0)
                    written.push_back(readFile(name).size());
        return false;
    });
    ASSERT_EQ(whole.result, 1) << whole.dump();
    const int asked = whole.count(ZipActionWorking);
    ASSERT_GT(asked, 20);
    ASSERT_EQ(written.size(), size_t(asked));
    // The last question comes when the new archive is complete, just before it replaces the old.
    EXPECT_EQ(whole.calls.rbegin()[1].action, ZipActionWorking);
    EXPECT_EQ(written.back(), readFile("t.zip").size());
    EXPECT_LT(written.rbegin()[1], written.back());
    for (const int at : {1, asked / 2, asked}) {
        SCOPED_TRACE("cancelled at Working " + std::to_string(at) + " of " + std::to_string(asked));
        writeFile("t.zip", bytes_);
        const CallResult r = remove({"a.txt"}, cancelAt(ZipActionWorking, at));
        EXPECT_EQ(r.result, 0) << r.dump();
        EXPECT_EQ(readFile("t.zip"), bytes_);
        EXPECT_EQ(listDir("."), (std::vector<std::string>{"a.txt", "b.c", "d1", "t.zip"}));
        EXPECT_EQ(r.count(ZipActionWorking), at);
        EXPECT_EQ(r.calls.back().action, ZipActionBatchEnd);
    }
}

TEST(Delete, FromAMissingArchive)
{
    ScratchDir dir;
    Flags flags;
    flags.remove = true;
    const CallResult r = callEngine("none.zip", {"a"}, flags);
    EXPECT_EQ(r.result, 0);
    ASSERT_EQ(r.errors().size(), 1u);
    EXPECT_EQ(r.errors()[0].code, zipeng::MissingArchive);
    EXPECT_FALSE(exists("none.zip"));
}

TEST(Delete, KeptMembersOfOtherWritersAreCopiedByteForByte)
{
    // zip writing to a pipe and Python writing to an unseekable stream both
    // put data descriptors after the data.
    ScratchDir dir;
    writeFile("a.txt", textData(30000, 1));
    writeFile("b.txt", textData(20000, 2));
    writeFile("c.txt", "c");
    ASSERT_EQ(runTool({"sh", "-c", "zip -q - a.txt b.txt c.txt | cat > piped.zip"}).exitCode, 0);
    const char *script = "import zipfile, io\n"
                         "class Sink(io.RawIOBase):\n"
                         "    def __init__(self): self.data = bytearray()\n"
                         "    def writable(self): return True\n"
                         "    def write(self, b): self.data += b; return len(b)\n"
                         "s = Sink()\n"
                         "with zipfile.ZipFile(s, 'w', zipfile.ZIP_DEFLATED) as z:\n"
                         "    z.writestr('p1.txt', 'hello ' * 5000)\n"
                         "    z.writestr('p2.txt', 'world ' * 10)\n"
                         "open('py.zip', 'wb').write(s.data)\n";
    ASSERT_EQ(runTool({"python3", "-c", script}).exitCode, 0);
    for (const std::string archive : {"piped.zip", "py.zip"}) {
        SCOPED_TRACE(archive);
        const ArchiveInfo before = readArchive(archive);
        ASSERT_NE(before.members.at(0).flags & 8, 0);
        Flags flags;
        flags.remove = true;
        ASSERT_EQ(callEngine(archive, {before.members.at(1).name}, flags).result, 1);
        const ArchiveInfo after = readArchive(archive);
        ASSERT_EQ(after.members.size(), before.members.size() - 1);
        for (const ArchiveMember &m : after.members)
            EXPECT_EQ(m.record, before.find(m.name)->record) << m.name;
        EXPECT_EQ(checkWithTools(archive), "");
    }
}
