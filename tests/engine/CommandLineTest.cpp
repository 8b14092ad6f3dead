// `orvexzip add`, `delete` and `extract`: a round trip through the real
// libraries, the count lines, messages and exit statuses.

#include "engine/common/CallRecords.h"
#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/Run.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace ziptest;
namespace fs = std::filesystem;

namespace {

void writeText(const std::string &path, const std::string &text)
{
    makeDirs(fs::path(path).parent_path());
    writeFile(path, text);
}

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeText(dir.file("src/readme.txt"), "read me\n");
        std::string big;
        for (int i = 0; i < 20000; ++i)
            big += "line " + std::to_string(i) + "\n";
        writeText(dir.file("src/docs/big.txt"), big);
    }
    TempDir dir;
};

}  // namespace

TEST_F(CommandLine, AddListExtractDeleteRoundTrip)
{
    RunResult added = runOrvexzip({"add", "a.zip", "--level", "6", "--recurse", "--paths", "src/"}, dir.path());
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(added.out, "2 files were added\n");  // src/readme.txt, src/docs/big.txt; folders uncounted

    const RunResult listed = runOrvexzip({"list", "a.zip"}, dir.path());
    EXPECT_NE(listed.out.find("src/docs/big.txt\t"), std::string::npos) << listed.out;

    if (haveProgram("unzip")) {
        const RunResult tested = run({"unzip", "-t", dir.file("a.zip")});
        EXPECT_EQ(tested.exitCode, 0) << tested.out;
    }

    const RunResult extracted = runOrvexzip({"extract", "a.zip", "--to", "out", "--paths"}, dir.path());
    ASSERT_EQ(extracted.exitCode, 0) << extracted.err;
    EXPECT_EQ(extracted.out, "2 file(s) were extracted\n");
    EXPECT_EQ(readFile(dir.file("out/src/docs/big.txt")), readFile(dir.file("src/docs/big.txt")));

    const RunResult flat = runOrvexzip({"extract", "a.zip", "--to", "flat", "src/readme.txt"}, dir.path());
    EXPECT_EQ(flat.out, "1 file(s) were extracted\n");
    EXPECT_TRUE(fs::exists(dir.file("flat/readme.txt")));

    const RunResult deleted = runOrvexzip({"delete", "a.zip", "src/readme.txt"}, dir.path());
    EXPECT_EQ(deleted.exitCode, 0) << deleted.err;
    EXPECT_EQ(deleted.out, "1 file(s) were Deleted\n");
    EXPECT_EQ(runOrvexzip({"list", "a.zip"}, dir.path()).out.find("readme"), std::string::npos);
}

TEST_F(CommandLine, AddIntoAFolderAndExtractRelativeToIt)
{
    const RunResult added = runOrvexzip({"add", "f.zip", "--folder", "docs/", "src/readme.txt"}, dir.path());
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_NE(runOrvexzip({"list", "f.zip"}, dir.path()).out.find("docs/readme.txt\t"), std::string::npos);
    const std::string before = readFile(dir.file("f.zip"));
    const RunResult refused = runOrvexzip({"add", "f.zip", "--folder", "../", "src/readme.txt"}, dir.path());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("folder"), std::string::npos) << refused.err;
    EXPECT_EQ(readFile(dir.file("f.zip")), before);

    const RunResult extracted =
        runOrvexzip({"extract", "f.zip", "--to", "out", "--paths", "--base-folder", "docs/"}, dir.path());
    ASSERT_EQ(extracted.exitCode, 0) << extracted.err;
    EXPECT_EQ(listTree(dir.file("out")), std::vector<std::string>{"readme.txt"});
}

TEST_F(CommandLine, ErrorsGoToStandardErrorAndSetTheExitStatus)
{
    // One missing source, or a folder without --recurse: reported, the
    // other added, exit 1.
    for (const char *notAdded : {"src/missing.txt", "src"}) {
        const RunResult added = runOrvexzip({"add", "b.zip", "src/readme.txt", notAdded}, dir.path());
        EXPECT_EQ(added.exitCode, 1) << notAdded;
        EXPECT_EQ(added.out, "1 files were added\n") << notAdded;
        EXPECT_NE(added.err.find(notAdded), std::string::npos) << added.err;
    }
    // The window's plain words come as the line under the error.
    const RunResult folder = runOrvexzip({"add", "b.zip", "src"}, dir.path());
    EXPECT_NE(folder.err.find("nothing\nThe folder src was not added: "), std::string::npos) << folder.err;

    const std::string before = readFile(dir.file("b.zip"));
    const RunResult deleted = runOrvexzip({"delete", "b.zip", "no-such-member"}, dir.path());
    EXPECT_EQ(deleted.exitCode, 1);
    EXPECT_EQ(deleted.out, "0 file(s) were Deleted\n");
    EXPECT_EQ(readFile(dir.file("b.zip")), before);

    // The component's own refusal.
    const RunResult noArchive = runOrvexzip({"delete", "none.zip", "x"}, dir.path());
    EXPECT_EQ(noArchive.exitCode, 1);
    EXPECT_NE(noArchive.err.find("Error - no zip file specified"), std::string::npos);
}

TEST_F(CommandLine, BadUsageExitsWithTwo)
{
    EXPECT_EQ(runOrvexzip({"add", "a.zip"}, dir.path()).exitCode, 2);
    EXPECT_EQ(runOrvexzip({"add", "a.zip", "--level", "12", "src/readme.txt"}, dir.path()).exitCode, 2);
    EXPECT_EQ(runOrvexzip({"add", "a.zip", "--fast", "src/readme.txt"}, dir.path()).exitCode, 2);
    EXPECT_EQ(runOrvexzip({"delete", "a.zip"}, dir.path()).exitCode, 2);
    EXPECT_EQ(runOrvexzip({"extract"}, dir.path()).exitCode, 2);
    EXPECT_EQ(runOrvexzip({"frobnicate", "a.zip"}, dir.path()).exitCode, 2);
    EXPECT_FALSE(fs::exists(dir.file("a.zip")));

    // Asked for, the usage is the output; given bad usage, it is the error.
    for (const char *help : {"--help", "-h"}) {
        const RunResult asked = runOrvexzip({help}, dir.path());
        EXPECT_EQ(asked.exitCode, 0) << help;
        EXPECT_NE(asked.out.find("orvexzip extract ARCHIVE"), std::string::npos) << help;
        EXPECT_EQ(asked.err, "") << help;
    }
    const RunResult bad = runOrvexzip({"frobnicate"}, dir.path());
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("orvexzip extract ARCHIVE"), std::string::npos);
}

TEST_F(CommandLine, ControlCharactersInMessagesNeverReachTheTerminal)
{
    // A member name from a hostile archive shows up in messages; its escape
    // sequences (clear the screen, set the window title) must not be sent.
    ASSERT_EQ(runOrvexzip({"add", "c.zip", "src/readme.txt"}, dir.path()).exitCode, 0);
    const RunResult deleted = runOrvexzip({"delete", "c.zip",
                                           "\x1b[2J\x1b]0;owned\x07"
                                           "x",
                                           "caf\xc3\xa9\xc2\x9b"
                                           "1m"},
                                          dir.path());
    EXPECT_EQ(deleted.exitCode, 1);
    EXPECT_EQ(deleted.err.find('\x1b'), std::string::npos) << deleted.err;
    EXPECT_EQ(deleted.err.find('\x07'), std::string::npos) << deleted.err;
    EXPECT_EQ(deleted.err.find("\xc2\x9b"), std::string::npos) << deleted.err;
    EXPECT_NE(deleted.err.find("?[2J?]0;owned?x"), std::string::npos) << deleted.err;
    EXPECT_NE(deleted.err.find("caf\xc3\xa9?1m"), std::string::npos) << deleted.err;  // UTF-8 kept
}

// What a name becomes on the terminal, in messages and in `list` rows alike:
// characters that steer the terminal, break a line or reorder the text are
// shown as '?', their neighbours are not.
TEST_F(CommandLine, NamesCannotForgeOrHideOutput)
{
    struct Case {
        std::string name;
        std::string shown;
        bool inArchive;  // a raw byte outside UTF-8 only comes from the command line
    };
    const Case cases[] = {
        {"line\nbreak", "line?break", true},
        {"carriage\rreturn", "carriage?return", true},
        {"esc\x1b[2J", "esc?[2J", true},
        {"del\x7f", "del?", true},
        {"nel\xc2\x85", "nel?", true},  // U+0085
        {"csi\xc2\x9b"
         "1m",
         "csi?1m", true},                       // U+009B
        {"c1-last\xc2\x9f", "c1-last?", true},  // U+009F
        {"raw-csi\x9b"
         "1m",
         "raw-csi?1m", false},  // 0x9B alone
        {"raw-c1\x80", "raw-c1?", false},
        {"ls\xe2\x80\xa8", "ls?", true},                  // U+2028
        {"ps\xe2\x80\xa9", "ps?", true},                  // U+2029
        {"lre\xe2\x80\xaa", "lre?", true},                // U+202A
        {"rlo\xe2\x80\xaetxt.exe", "rlo?txt.exe", true},  // U+202E
        {"lri\xe2\x81\xa6", "lri?", true},                // U+2066
        {"pdi\xe2\x81\xa9", "pdi?", true},                // U+2069
        // Kept: letters, a no-break space, the neighbours of the ranges above.
        {"caf\xc3\xa9\xc2\xa0", "caf\xc3\xa9\xc2\xa0", true},     // U+00E9 U+00A0
        {"near\xe2\x80\xa7\xe2\x80\xaf\xe2\x81\xa5\xe2\x81\xaa",  // U+2027 U+202F U+2065 U+206A
         "near\xe2\x80\xa7\xe2\x80\xaf\xe2\x81\xa5\xe2\x81\xaa", true},
        {"raw-latin\xe9", "raw-latin\xe9", false},
    };

    ArchiveBuilder builder;
    std::vector<std::string> names;
    for (const Case &c : cases) {
        names.push_back(c.name);
        if (c.inArchive) {
            Member m;
            m.name = c.name;
            m.data = "x";
            m.flags = 0x800;  // UTF-8 names
            builder.add(m);
        }
    }
    dir.write("names.zip", builder.build());

    // Messages: names that are not members, so that each is reported.
    std::vector<std::string> deleteArgs{"delete", "names.zip"};
    for (const Case &c : cases)
        deleteArgs.push_back("no-" + c.name);
    const RunResult deleted = runOrvexzip(deleteArgs, dir.path());
    const RunResult listed = runOrvexzip({"list", "names.zip"}, dir.path());
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_NE(deleted.err.find("no-" + c.shown), std::string::npos) << deleted.err;
        if (c.inArchive) {
            EXPECT_NE(listed.out.find("\n" + c.shown + "\t"), std::string::npos) << listed.out;
        }
        if (c.name != c.shown) {
            EXPECT_EQ(deleted.err.find(c.name), std::string::npos);
            EXPECT_EQ(listed.out.find(c.name), std::string::npos);
        }
    }
    const auto lines = [](const std::string &text) { return std::count(text.begin(), text.end(), '\n'); };
    EXPECT_EQ(lines(listed.out),
              1 + std::count_if(std::begin(cases), std::end(cases), [](const Case &c) { return c.inArchive; }));
}

TEST_F(CommandLine, ExtractWritesNamesFromOtherSystemsDecodedAndFindsThemByEitherName)
{
    ArchiveBuilder b;
    b.add(stored("\xAE\xE2\xE7\xF1\xE2.txt", "report")).add(stored("caf\x82.txt", "menu"));
    const std::string archive = dir.write("o.zip", b.build());
    const std::string russian = "\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82.txt";  // отчёт.txt
    // Chosen: the Russian name is read as 866, "caf\x82" with it.
    auto r = runOrvexzip({"extract", archive, "--to", dir.file("ru"), "--charset", "866", "\xAE\xE2\xE7\xF1\xE2.txt"},
                         dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(listTree(dir.file("ru")), std::vector<std::string>{russian});
    EXPECT_EQ(readFile(dir.file("ru/" + russian)), "report");
    // Guessed: two systems' names in one archive read as 437.
    r = runOrvexzip({"extract", archive, "--to", dir.file("auto"), "caf\xC3\xA9.txt"}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(listTree(dir.file("auto")), std::vector<std::string>{"caf\xC3\xA9.txt"});
}

TEST_F(CommandLine, TestPrintsBadMembersAndThePassedCountAndWritesNothing)
{
    Member bad = fileEntry("dir/bad.txt", "bad data");
    bad.crc = 1;
    const std::string text(40000, 't');
    writeFile(dir.file("t.zip"), buildZip({fileEntry("good.txt", text), dirEntry("dir/"), bad,
                                           fileEntry("dir/also-good.txt", "fine", 0)}));
    writeFile(dir.file("good.zip"), buildZip({fileEntry("good.txt", text), dirEntry("dir/")}));
    writeFile(dir.file("not.zip"), "no archive at all, just text long enough to be searched for an end record");
    const std::vector<std::string> before = listTree(dir.path());

    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string out;
        std::vector<std::string> errorFragments;  // one line each
    } cases[] = {
        {{"test", "good.zip"}, 0, "1 file(s) passed the test\n", {}},  // dir/ is no file
        {{"test", "t.zip"},
         1,
         "2 file(s) passed the test\n",
         {"dir/bad.txt: bad CRC", "dir/bad.txt: its data is damaged"}},
        {{"test", "t.zip", "good.txt", "dir/also-good.txt"}, 0, "2 file(s) passed the test\n", {}},
        {{"test", "t.zip", "dir/*"},
         1,
         "1 file(s) passed the test\n",
         {"dir/bad.txt: bad CRC", "dir/bad.txt: its data is damaged"}},
        {{"test", "not.zip"}, 1, "", {"reading Zip File", "not.zip is not a ZIP archive."}},
        {{"test", "missing.zip"}, 1, "", {"No such archive: missing.zip"}},
        {{"test"}, 2, "", {}},
        {{"test", "t.zip", "--to", "x"}, 2, "", {}},
    };
    for (const auto &c : cases) {
        const RunResult result = runOrvexzip(c.args, dir.path());
        SCOPED_TRACE(c.args.size() > 1 ? c.args[1] : c.args[0]);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_EQ(result.out, c.out);
        if (c.exitCode == 2)
            continue;
        std::vector<std::string> lines;
        std::istringstream err(result.err);
        for (std::string line; std::getline(err, line);)
            lines.push_back(line);
        ASSERT_EQ(lines.size(), c.errorFragments.size()) << result.err;
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_NE(lines[i].find(c.errorFragments[i]), std::string::npos) << lines[i];
    }
    EXPECT_EQ(listTree(dir.path()), before);
}

// An archive cut short: test and extract take the members its local headers
// lead to, name the one cut off alike, and fail.
TEST_F(CommandLine, TestAndExtractOfACutArchiveTakeTheWholeMembersAndNameTheCutOne)
{
    const std::string text(40000, 't');
    ArchiveBuilder builder;
    builder.add(fileEntry("good.txt", text)).add(fileEntry("cut.txt", textData(50000, 2)));
    Layout layout;
    const std::string whole = builder.build(&layout);
    writeFile(dir.file("cut.zip"), whole.substr(0, layout.headerOffsets[1] + 100));

    for (const auto &[args, out] :
         {std::pair<std::vector<std::string>, std::string>{{"test", "cut.zip"}, "1 file(s) passed the test\n"},
          {{"extract", "cut.zip", "--to", "out"}, "1 file(s) were extracted\n"}}) {
        const RunResult result = runOrvexzip(args, dir.path());
        EXPECT_EQ(result.exitCode, 1) << result.err;
        EXPECT_EQ(result.out, out);
        EXPECT_NE(result.err.find("\nskipping cut.txt: the archive ends too early"), std::string::npos) << result.err;
    }
    EXPECT_EQ(listTree(dir.file("out")), std::vector<std::string>{"good.txt"});
    EXPECT_EQ(readFile(dir.file("out/good.txt")), text);
}

// --password-file: the first line's bytes are the password, NULs included,
// up to MaxPasswordLength; the bytes before a NUL are a wrong password. What
// add writes with the longest, extract and test read. One byte more is
// refused by both, naming the file without showing it, and nothing is written.
TEST_F(CommandLine, APasswordFileGivesItsWholeLineUpToTheLimit)
{
    const std::string longest(size_t(MaxPasswordLength), 'k');
    const struct {
        std::string line;
        std::string shorter;  // a password file that must not open the member
    } cases[] = {
        {std::string("\0pw\n", 4), "\n"},
        {std::string("ab\0cd\n", 6), "ab\n"},
        {longest + "\r\n", longest.substr(1) + "\n"},
    };
    int n = 0;
    for (const auto &c : cases) {
        const std::string archive = "e" + std::to_string(++n) + ".zip";
        SCOPED_TRACE(archive);
        dir.write("pw", c.line);
        const RunResult added =
            runOrvexzip({"add", archive, "--encrypt", "--password-file", "pw", "src/readme.txt"}, dir.path());
        ASSERT_EQ(added.exitCode, 0) << added.err;
        const RunResult listed = runOrvexzip({"list", archive}, dir.path());
        EXPECT_NE(listed.out.find("readme.txt\t"), std::string::npos) << listed.out;
        EXPECT_TRUE(listed.out.ends_with("\tyes\n")) << listed.out;
        const RunResult extracted =
            runOrvexzip({"extract", archive, "--to", archive + ".out", "--password-file", "pw"}, dir.path());
        EXPECT_EQ(extracted.exitCode, 0) << extracted.err;
        EXPECT_EQ(readFile(dir.file(archive + ".out/readme.txt")), "read me\n");
        dir.write("shorter", c.shorter);
        const RunResult wrong = runOrvexzip({"test", archive, "--password-file", "shorter"}, dir.path());
        EXPECT_EQ(wrong.exitCode, 1);
        EXPECT_NE(wrong.err.find("readme.txt: wrong password"), std::string::npos) << wrong.err;
    }

    dir.write("pw-past", std::string(size_t(MaxPasswordLength) + 1, 'q') + "\n");
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"add", "past.zip", "--encrypt", "--password-file", "pw-past", "src/readme.txt"},
          std::vector<std::string>{"extract", "e1.zip", "--to", "past", "--password-file", "pw-past"}}) {
        SCOPED_TRACE(args[0]);
        const RunResult refused = runOrvexzip(args, dir.path());
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_NE(refused.err.find("pw-past is longer than"), std::string::npos) << refused.err;
        EXPECT_EQ(refused.err.find("qqq"), std::string::npos) << refused.err;
    }
    EXPECT_FALSE(fs::exists(dir.file("past.zip")));
    EXPECT_FALSE(fs::exists(dir.file("past")));
}
