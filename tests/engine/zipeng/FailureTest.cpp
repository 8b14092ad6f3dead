// Cancel, errors and bad input: the old archive stays byte for byte, no
// temporary file is left, the result is 0 and the batch still ends.

#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include "engine/zipeng/ErrorCodes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ziptest;

namespace {

class FailureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeDirs("work");
        writeFile("work/a.txt", textData(200000, 1));
        writeFile("work/b.txt", textData(300000, 2));
        writeFile("work/c.bin", randomData(300000, 3));
        ASSERT_EQ(callEngine("work/t.zip", {"work/a.txt"}).result, 1);
        ::chmod("work/t.zip", 0640);
        before_ = readFile("work/t.zip");
    }
    void expectUntouched(const CallResult &r)
    {
        EXPECT_EQ(r.result, 0) << r.dump();
        EXPECT_EQ(readFile("work/t.zip"), before_);
        EXPECT_EQ(listDir("work"), (std::vector<std::string>{"a.txt", "b.txt", "c.bin", "t.zip"}));
        ASSERT_FALSE(r.calls.empty());
        EXPECT_EQ(r.calls.back().action, ZipActionBatchEnd);
        EXPECT_EQ(r.count(ZipActionBatchEnd), 1);
    }
    ScratchDir dir;
    std::string before_;
};

}  // namespace

TEST_F(FailureTest, CancelAfterSomeSteps)
{
    for (const int level : {0, 6}) {
        for (const int steps : {1, 7, 12}) {
            SCOPED_TRACE("level " + std::to_string(level) + ", steps " + std::to_string(steps));
            Flags flags;
            flags.level = level;
            const CallResult r = callEngine("work/t.zip", {"work/b.txt", "work/c.bin", "work/a.txt"}, flags,
                                            [steps](const std::vector<Callback> &calls) {
                                                int n = 0;
                                                for (const Callback &c : calls)
                                                    n += c.action == ZipActionFileStep;
                                                return n >= steps;
                                            });
            expectUntouched(r);
            // Nothing after the cancelling step but messages and the end.
            int n = 0;
            for (const Callback &c : r.calls) {
                if (n >= steps) {
                    EXPECT_TRUE(c.action == ZipActionMessage || c.action == ZipActionBatchEnd) << c.action;
                }
                n += c.action == ZipActionFileStep;
            }
        }
    }
}

TEST_F(FailureTest, CancelDuringTheScan)
{
    const CallResult r =
        callEngine("work/t.zip", {"missing1", "work/b.txt", "missing2"}, {},
                   [](const std::vector<Callback> &calls) { return calls.back().action == ZipActionMessage; });
    expectUntouched(r);
    EXPECT_EQ(r.count(ZipActionFileBegin), 0);
}

TEST_F(FailureTest, AWriteErrorLeavesNothingBehind)
{
    // A file-size limit makes the writes fail part way, as a full disk would.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit low = saved;
    low.rlim_cur = 150000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &low), 0);
    Flags flags;
    flags.level = 0;
    const CallResult r = callEngine("work/t.zip", {"work/b.txt", "work/c.bin"}, flags);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    expectUntouched(r);
    ASSERT_FALSE(r.errors().empty()) << r.dump();
    EXPECT_EQ(r.errors().back().code, zipeng::WriteError);
}

TEST_F(FailureTest, AnArchiveThatIsNotAZipIsRefused)
{
    writeFile("work/t.zip", "this is not an archive, just text that is long enough to look for an end record");
    before_ = readFile("work/t.zip");
    const CallResult r = callEngine("work/t.zip", {"work/b.txt"});
    expectUntouched(r);
    ASSERT_EQ(r.errors().size(), 1u);
    EXPECT_EQ(r.errors()[0].code, zipeng::FormatError);

    // A truncated archive: the directory points past the end.
    ASSERT_EQ(callEngine("work/t.zip.new", {"work/a.txt", "work/b.txt"}).result, 2);
    std::string cut = readFile("work/t.zip.new");
    ::unlink("work/t.zip.new");
    cut.erase(100, 1000);
    writeFile("work/t.zip", cut);
    before_ = cut;
    expectUntouched(callEngine("work/t.zip", {"work/c.bin"}));
}

TEST_F(FailureTest, NoDirectoryForTheArchive)
{
    const CallResult r = callEngine("nowhere/t.zip", {"work/b.txt"});
    EXPECT_EQ(r.result, 0);
    ASSERT_EQ(r.errors().size(), 1u) << r.dump();
    EXPECT_EQ(r.errors()[0].code, zipeng::TempFileError);
    EXPECT_FALSE(exists("nowhere"));
}

TEST_F(FailureTest, ABaseDirectoryThatCannotBeOpenedIsRefused)
{
    const struct {
        const char *base;
        int error;
    } cases[] = {{"missing", ENOENT}, {"work/a.txt", ENOTDIR}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.base);
        Flags flags;
        flags.base = dir / c.base;
        // work/b.txt is there in the current directory: taking it from there would change the archive.
        const CallResult r = callEngine("work/t.zip", {"work/b.txt"}, flags);
        expectUntouched(r);
        ASSERT_EQ(r.errors().size(), 1u) << r.dump();
        EXPECT_EQ(r.errors()[0].code, zipeng::OpenError);
        EXPECT_EQ(r.errors()[0].text, "Cannot open the base directory " + *flags.base + ": " + std::strerror(c.error));
        EXPECT_EQ(listDir(dir.path()), std::vector<std::string>{"work"});
    }
}

TEST_F(FailureTest, ReadOnlyDirectory)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "directory permissions do not bind root";
    ::chmod("work", 0555);
    const CallResult r = callEngine("work/t.zip", {"work/b.txt"});
    ::chmod("work", 0755);
    expectUntouched(r);
}

TEST_F(FailureTest, PermissionsSurviveAndNewArchivesFollowTheUmask)
{
    ASSERT_EQ(callEngine("work/t.zip", {"work/b.txt"}).result, 1);
    struct stat st {};
    ASSERT_EQ(::stat("work/t.zip", &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    const mode_t mask = ::umask(027);
    const CallResult r = callEngine("new.zip", {"work/b.txt"});
    ::umask(mask);
    ASSERT_EQ(r.result, 1);
    ASSERT_EQ(::stat("new.zip", &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(FailureTest, ALinkToTheArchiveStaysALink)
{
    ASSERT_EQ(::symlink("work/t.zip", "link.zip"), 0);
    ASSERT_EQ(callEngine("link.zip", {"work/b.txt"}).result, 1);
    struct stat st {};
    ASSERT_EQ(::lstat("link.zip", &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(readArchive("work/t.zip").names(), (std::vector<std::string>{"work/a.txt", "work/b.txt"}));
}

TEST_F(FailureTest, ALinkThatPointsNowhereYetStaysALink)
{
    makeDirs("links/deeper");
    struct Case {
        const char *link;
        const char *target;  // as stored in the link
        const char *created;
    };
    const Case cases[] = {
        {"dangling.zip", "links/new1.zip", "links/new1.zip"},
        {"links/deeper/rel.zip", "../new2.zip", "links/new2.zip"},  // relative to the link's directory
        {"chain.zip", "dangling.zip", "links/new1.zip"},            // through another link
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.link);
        ::unlink("links/new1.zip");
        ASSERT_EQ(::symlink(c.target, c.link), 0);
        const CallResult r = callEngine(c.link, {"work/b.txt"});
        ASSERT_EQ(r.result, 1) << r.dump();
        struct stat st {};
        ASSERT_EQ(::lstat(c.link, &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
        EXPECT_EQ(readArchive(c.created).names(), std::vector<std::string>{"work/b.txt"});
    }
}

TEST_F(FailureTest, UnusableRecords)
{
    // Without a callback the job still runs.
    const auto record = bareAddRecord("quiet.zip", "work/b.txt");
    EXPECT_EQ(orvex_zipeng_call(record.get()), 1);
    EXPECT_EQ(orvex_zipeng_call(nullptr), 0);
    record->Version = 109;
    record->ArchiveName = "other.zip";
    EXPECT_EQ(orvex_zipeng_call(record.get()), 0);
    EXPECT_FALSE(exists("other.zip"));

    // No archive name, no arguments: a message, nothing done.
    CallResult r = callEngine("", {"work/b.txt"});
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.errors().size(), 1u);
    EXPECT_EQ(callEngine("work/t.zip", {}).result, 0);
    EXPECT_EQ(readFile("work/t.zip"), before_);
}
