// The options: overwrite, update, freshen, directory names, file specifications;
// and what is restored: times and permission bits.

#include "support/ArchiveBuilder.h"
#include "support/Compress.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ziptest;

namespace {

constexpr time_t ArchiveTime = 1600000000;

Member stamped(const std::string &name, const std::string &content, time_t when = ArchiveTime)
{
    Member e = fileEntry(name, content);
    e.centralExtra = e.localExtra = extendedTimestamp(when);
    return e;
}

bool sameFile(const std::string &a, const std::string &b)
{
    const struct stat x = statOf(a), y = statOf(b);
    return x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

// The current directory is `path` for the scope's lifetime.
class InDirectory {
public:
    explicit InDirectory(const std::string &path) : previous_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (::chdir(path.c_str()) != 0)
            ADD_FAILURE() << "cannot enter " << path;
    }
    ~InDirectory()
    {
        if (::fchdir(previous_) != 0)
            ADD_FAILURE() << "cannot go back";
        ::close(previous_);
    }

private:
    int previous_;
};

class UnzengOptions : public ::testing::Test {
protected:
    std::string archive(const std::vector<Member> &entries)
    {
        const std::string path = files / ("a" + std::to_string(++count) + ".zip");
        writeFile(path, buildZip(entries));
        return path;
    }
    TempDir files;
    int count = 0;
};

TEST_F(UnzengOptions, OverwriteDecidesAboutExistingFilesAndLinks)
{
    const std::string zip = archive({fileEntry("a.txt", "new a"), fileEntry("b.txt", "new b")});
    for (bool overwrite : {false, true}) {
        SCOPED_TRACE(overwrite);
        TempDir box;
        makeDirs(box / "t");
        writeFile(box / "t/a.txt", "old a");
        writeFile(box / "victim", "victim");
        ASSERT_EQ(::symlink("../victim", (box / "t/b.txt").c_str()), 0);

        Options options;
        options.overwrite = overwrite;
        options.verbose = true;
        const CallResult out = extract(zip, box / "t", options);

        EXPECT_TRUE(out.errors().empty()) << out.dump();
        EXPECT_EQ(readFile(box / "victim"), "victim");  // never written through the link
        if (overwrite) {
            EXPECT_EQ(out.result, 2);
            EXPECT_EQ(readFile(box / "t/a.txt"), "new a");
            EXPECT_TRUE(S_ISREG(statOf(box / "t/b.txt").st_mode));  // the link itself was replaced
            EXPECT_EQ(readFile(box / "t/b.txt"), "new b");
        } else {
            EXPECT_EQ(out.result, 0);
            EXPECT_EQ(readFile(box / "t/a.txt"), "old a");
            EXPECT_TRUE(S_ISLNK(statOf(box / "t/b.txt").st_mode));
            bool told = false;
            for (const Callback &m : out.messages())
                told |= m.code == 0 && m.text == "skipping a.txt: it exists and is not overwritten";
            EXPECT_TRUE(told) << out.dump();
        }
        EXPECT_EQ(listTree(box / "t").size(), 2u);  // no temporary files
    }
}

TEST_F(UnzengOptions, UpdateAndFreshenCompareModificationTimes)
{
    const std::string zip =
        archive({stamped("older.txt", "archive"), stamped("newer.txt", "archive"), stamped("missing.txt", "archive")});
    struct Case {
        bool update, freshen, overwrite;
        int32_t result;
        bool olderReplaced, missingCreated;
    };
    for (const Case &c : {Case{true, false, true, 2, true, true}, Case{false, true, true, 1, true, false},
                          Case{true, false, false, 1, false, true}, Case{true, true, true, 2, true, true}}) {
        SCOPED_TRACE(testing::Message() << "update " << c.update << " freshen " << c.freshen << " overwrite "
                                        << c.overwrite);
        TempDir t;
        writeFile(t / "older.txt", "disk");
        setMtime(t / "older.txt", ArchiveTime - 100, false);
        writeFile(t / "newer.txt", "disk");
        setMtime(t / "newer.txt", ArchiveTime + 100, false);
        Options options;
        options.update = c.update;
        options.freshen = c.freshen;
        options.overwrite = c.overwrite;
        const CallResult out = extract(zip, t.path(), options);
        EXPECT_EQ(out.result, c.result) << out.dump();
        EXPECT_EQ(readFile(t / "older.txt"), c.olderReplaced ? "archive" : "disk");
        EXPECT_EQ(readFile(t / "newer.txt"), "disk");
        EXPECT_EQ(exists(t / "missing.txt"), c.missingCreated);
    }
    // unzip refuses "-f -n": freshening without overwriting could do nothing.
    TempDir t;
    Options options;
    options.freshen = true;
    const CallResult out = extract(zip, t.path(), options);
    EXPECT_EQ(out.result, 0);
    EXPECT_TRUE(out.hasError("freshen", 10)) << out.dump();
}

TEST_F(UnzengOptions, BaseDirectoryIsTheTargetWhateverTheCurrentDirectory)
{
    const std::string zip = archive({fileEntry("d/f.txt", "in d"), fileEntry("g.txt", "g", 0)});
    TempDir box;
    makeDirs(box / "target");
    makeDirs(box / "elsewhere");
    const InDirectory inside(box / "elsewhere");
    Options options;
    options.targetAsBase = true;
    const CallResult out = extract(zip, box / "target", options);
    EXPECT_EQ(out.result, 2) << out.dump();
    EXPECT_EQ(treeContents(box / "target"), (std::map<std::string, std::string>{{"d/f.txt", "in d"}, {"g.txt", "g"}}));
    EXPECT_TRUE(listTree(box / "elsewhere").empty());
    EXPECT_TRUE(sameFile(".", box / "elsewhere"));
}

TEST_F(UnzengOptions, ATargetThatCannotBeOpenedIsRefused)
{
    const std::string zip = archive({fileEntry("f.txt", "f")});
    TempDir box;
    makeDirs(box / "elsewhere");
    writeFile(box / "file", "x");
    const InDirectory inside(box / "elsewhere");
    const struct {
        const char *target;
        int error;
    } cases[] = {{"missing", ENOENT}, {"file", ENOTDIR}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.target);
        Options options;
        options.targetAsBase = true;
        const CallResult out = extract(zip, box / c.target, options);
        EXPECT_EQ(out.result, 0);
        ASSERT_EQ(out.errors().size(), 1u) << out.dump();
        EXPECT_EQ(out.errors()[0].code, 50);
        EXPECT_EQ(out.errors()[0].text,
                  "cannot open the target directory " + box / c.target + ": " + std::strerror(c.error));
        EXPECT_EQ(out.calls.back().action, ZipActionBatchEnd);
        EXPECT_EQ(listTree(box.path()), (std::vector<std::string>{"elsewhere/", "file"}));
    }
}

TEST_F(UnzengOptions, WithoutDirectoryNamesEverythingLandsFlat)
{
    const std::string zip =
        archive({dirEntry("d1/"), fileEntry("d1/a.txt", "a"), fileEntry("d2/deep/b.txt", "b"), dirEntry("empty/"),
                 fileEntry("d1/same", "first"), fileEntry("d2/same", "second")});
    TempDir t;
    Options options;
    options.dirNames = false;
    CallResult out = extract(zip, t.path(), options);
    EXPECT_EQ(listTree(t.path()), (std::vector<std::string>{"a.txt", "b.txt", "same"})) << out.dump();
    EXPECT_EQ(readFile(t / "same"), "first");  // no overwriting: the second one is skipped
    EXPECT_EQ(out.result, 3);

    // Overwriting replaces what was there before, never what this same
    // extraction wrote: the second "same" is skipped, named with the first.
    options.overwrite = true;
    out = extract(zip, t.path(), options);
    EXPECT_EQ(readFile(t / "same"), "first");
    EXPECT_EQ(out.result, 3);
    EXPECT_TRUE(out.hasError("skipping d2/same: d1/same was extracted to the same file same")) << out.dump();
}

TEST_F(UnzengOptions, SpecificationsAreNamesOrPatterns)
{
    const std::string zip = archive({fileEntry("a.txt", "a"), fileEntry("docs/b.txt", "b"), fileEntry("docs/c.md", "c"),
                                     fileEntry("x[1].txt", "x")});
    struct Case {
        std::vector<std::string> specs;
        std::vector<std::string> tree;
        std::vector<std::string> unmatched;
    };
    for (const Case &c : {
             Case{{}, {"a.txt", "docs/", "docs/b.txt", "docs/c.md", "x[1].txt"}, {}},
             Case{{"docs/c.md"}, {"docs/", "docs/c.md"}, {}},
             Case{{"*.txt"}, {"a.txt", "docs/", "docs/b.txt", "x[1].txt"}, {}},  // '*' crosses '/'
             Case{{"x[1].txt", "docs/?.md"}, {"docs/", "docs/c.md", "x[1].txt"}, {}},
             Case{{"nothing*", "a.txt", "gone.txt"}, {"a.txt"}, {"nothing*", "gone.txt"}},
         }) {
        SCOPED_TRACE(testing::PrintToString(c.specs));
        TempDir t;
        Options options;
        options.specs = c.specs;
        const CallResult out = extract(zip, t.path(), options);
        EXPECT_EQ(listTree(t.path()), c.tree) << out.dump();
        std::vector<std::string> unmatched;
        for (const Callback &e : out.errors()) {
            EXPECT_EQ(e.code, 11) << e.text;
            unmatched.push_back(e.text);
        }
        std::vector<std::string> expected;
        for (const std::string &fileSpec : c.unmatched)
            expected.push_back("caution: filename not matched:  " + fileSpec);
        EXPECT_EQ(unmatched, expected);
    }
}

TEST_F(UnzengOptions, ANameThatIsAlsoAPatternSelectsOnlyItsMember)
{
    // Names picked in the listing come back as specifications; "x[1].txt"
    // must not drag "x1.txt" along.
    const std::string zip = archive({fileEntry("x[1].txt", "bracket"), fileEntry("x1.txt", "plain")});
    TempDir t;
    Options options;
    options.specs = {"x[1].txt"};
    const CallResult out = extract(zip, t.path(), options);
    EXPECT_EQ(listTree(t.path()), std::vector<std::string>{"x[1].txt"}) << out.dump();
    options.specs = {"x[0-9].txt"};  // no member has that name: a pattern
    TempDir u;
    extract(zip, u.path(), options);
    EXPECT_EQ(listTree(u.path()), std::vector<std::string>{"x1.txt"});
}

TEST_F(UnzengOptions, PrivateCopiesAreTheUsersAloneAndNeverExecutable)
{
    Member setuid = fileEntry("bin/setuid", "s");
    setuid.externalAttributes = 0104755u << 16;
    Member shared = fileEntry("shared.txt", "t");
    shared.externalAttributes = 0100666u << 16;
    Member directory = dirEntry("open/");
    directory.externalAttributes = (040777u << 16) | 0x10;
    TempDir t;
    Options options;
    options.privateCopies = true;
    const CallResult out =
        extract(archive({setuid, shared, directory, fileEntry("deep/er/x", "x")}), t.path(), options);
    ASSERT_EQ(out.result, 3) << out.dump();
    for (const char *file : {"bin/setuid", "shared.txt", "deep/er/x"})
        EXPECT_EQ(statOf(t / file).st_mode & 07777, 0600u) << file;
    for (const char *folder : {"bin", "open", "deep", "deep/er"})
        EXPECT_EQ(statOf(t / folder).st_mode & 07777, 0700u) << folder;
}

TEST_F(UnzengOptions, TimesAndPermissionBitsAreRestored)
{
    Member setuid = stamped("setuid", "s", 1234567890);
    setuid.externalAttributes = 0104755u << 16;
    Member sticky = fileEntry("sticky", "s");
    sticky.externalAttributes = 0103640u << 16;
    Member privateFile = fileEntry("private", "p");
    privateFile.externalAttributes = 0100600u << 16;
    Member dos = fileEntry("dos.txt", "d");  // made on FAT: no Unix mode, DOS time only
    dos.madeBy = 0x0014;
    dos.externalAttributes = 0x20;
    Member directory = dirEntry("dir/");
    directory.externalAttributes = (040750u << 16) | 0x10;
    directory.centralExtra = directory.localExtra = extendedTimestamp(1500000000);
    Member existing = dirEntry("mine/");
    existing.externalAttributes = (040777u << 16) | 0x10;
    const std::string zip =
        archive({setuid, sticky, privateFile, dos, directory, fileEntry("dir/inner", "i"), existing});

    TempDir t;
    makeDirs(t / "mine");
    ::chmod((t / "mine").c_str(), 0700);
    const CallResult out = extract(zip, t.path());
    ASSERT_EQ(out.result, 5) << out.dump();
    EXPECT_EQ(statOf(t / "mine").st_mode & 07777, 0700u);  // a directory that was there keeps its mode

    const mode_t mask = ::umask(022);
    ::umask(mask);
    EXPECT_EQ(statOf(t / "setuid").st_mode & 07777, 0755u);
    EXPECT_EQ(statOf(t / "sticky").st_mode & 07777, 0640u);
    EXPECT_EQ(statOf(t / "private").st_mode & 07777, 0600u);
    EXPECT_EQ(statOf(t / "dos.txt").st_mode & 07777, 0644u & ~mask);
    EXPECT_EQ(statOf(t / "dir").st_mode & 07777, 0750u);

    EXPECT_EQ(statOf(t / "setuid").st_mtime, 1234567890);
    EXPECT_EQ(statOf(t / "dir").st_mtime, 1500000000);  // set after its contents were written
    tm local{};
    local.tm_year = 2024 - 1900;  // the builder's sample time stamp
    local.tm_mon = 2;
    local.tm_mday = 15;
    local.tm_hour = 12;
    local.tm_min = 34;
    local.tm_sec = 56;
    local.tm_isdst = -1;
    EXPECT_EQ(statOf(t / "dos.txt").st_mtime, std::mktime(&local));
}

}  // namespace
