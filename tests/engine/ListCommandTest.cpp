// `orvexzip list`: the grid's four columns as text and whether a member is
// encrypted, and how it ends.

#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/Run.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <gtest/gtest.h>

using namespace ziptest;

namespace {

const std::string Header = "File Name\tCompr Size\tUncmpr Size\tDate/Time\tencrypted\n";

RunResult orvexzip(const std::vector<std::string> &args)
{
    return runOrvexzip(args, {}, {"LC_ALL=C", "LANG=C", "LC_TIME=C"});
}

// What the C locale makes of the builder's sample time stamp: its short date,
// and hours and minutes, as the window's Date/Time column shows them.
std::string sampleDateTime()
{
    const QLocale c = QLocale::c();
    return (c.toString(QDate(2024, 3, 15), c.dateFormat(QLocale::ShortFormat)) + QStringLiteral("  ")
            + c.toString(QTime(12, 34, 56), QStringLiteral("HH:mm")))
        .toStdString();
}

std::string row(const std::string &name, uint64_t packed, uint64_t unpacked, bool encrypted = false)
{
    return name + "\t" + std::to_string(packed) + "\t" + std::to_string(unpacked) + "\t" + sampleDateTime() + "\t"
           + (encrypted ? "yes" : "") + "\n";
}

}  // namespace

TEST(ListCommand, PrintsTheGridColumnsOfEveryMember)
{
    TempDir dir;
    ArchiveBuilder b;
    Member packed = stored("packed.txt", "xyz");
    packed.method = 8;
    packed.packed = packed.data;
    b.add(stored("dir/", ""))
        .add(stored("\x84rger.txt", "12345"))
        .add(streamed("streamed.bin", std::string(1234, 's')))
        .add(packed);
    const auto r = orvexzip({"list", dir.write("t.zip", b.build())});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, Header + row("dir/", 0, 0) + row("\xC3\xA4rger.txt", 5, 5) + row("streamed.bin", 1234, 1234)
                         + row("packed.txt", 3, 3));
}

TEST(ListCommand, TheFifthColumnSaysWhichMembersAreEncrypted)
{
    TempDir dir;
    Member flagged = stored("flagged", "abc");  // the traditional cipher's flag
    flagged.flags = 1;
    Member aes = stored("aes", "abcd");  // method 99 alone
    aes.method = 99;
    ArchiveBuilder b;
    b.add(stored("plain", "ab")).add(flagged).add(aes);
    const auto r = orvexzip({"list", dir.write("t.zip", b.build())});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, Header + row("plain", 2, 2) + row("flagged", 3, 3, true) + row("aes", 4, 4, true));
}

// add --encrypt takes the password from a file, never from the command line,
// and the listing then tells the encrypted member from the plain one.
TEST(ListCommand, AddEncryptedThenList)
{
    TempDir dir;
    writeFile(dir.file("plain.txt"), "plain\n");
    writeFile(dir.file("secret.txt"), std::string(1000, 's'));
    writeFile(dir.file("password"), "secret\n");
    const std::string archive = dir.file("t.zip");
    ASSERT_EQ(runOrvexzip({"add", archive, "plain.txt"}, dir.path()).exitCode, 0);
    const RunResult added =
        runOrvexzip({"add", archive, "--encrypt", "--password-file", "password", "secret.txt"}, dir.path());
    EXPECT_EQ(added.exitCode, 0) << added.err;
    const ArchiveInfo info = readArchive(archive);
    ASSERT_EQ(info.names(), (std::vector<std::string>{"plain.txt", "secret.txt"}));
    const auto r = orvexzip({"list", archive});
    const std::vector<std::string> rows = [&] {
        std::vector<std::string> out;
        for (size_t at = 0, end; (end = r.out.find('\n', at)) != std::string::npos; at = end + 1)
            out.push_back(r.out.substr(at, end - at));
        return out;
    }();
    ASSERT_EQ(rows.size(), 3u) << r.out;
    EXPECT_TRUE(rows[1].starts_with("plain.txt\t") && rows[1].ends_with("\t")) << rows[1];
    EXPECT_TRUE(rows[2].starts_with("secret.txt\t") && rows[2].ends_with("\tyes")) << rows[2];
    if (haveProgram("7zz")) {  // the password without its line break; 7-Zip 22.01 or later assumed
        const RunResult test = run({"7zz", "t", "-psecret", archive});
        EXPECT_EQ(test.exitCode, 0) << test.out;
    }

    // Without a password there is nothing to encrypt with: bad usage, nothing added.
    const std::string before = readFile(archive);
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"add", archive, "--encrypt", "secret.txt"},
          std::vector<std::string>{"add", archive, "--encrypt", "--password-file", "missing", "secret.txt"}}) {
        const RunResult refused = runOrvexzip(args, dir.path());
        EXPECT_EQ(refused.exitCode, 2) << refused.err;
        EXPECT_FALSE(refused.err.empty());
        EXPECT_TRUE(readFile(archive) == before);
    }
}

TEST(ListCommand, Zip64SizesAreShownInFull)
{
    TempDir dir;
    const uint64_t fiveGiB = 5ull << 30;
    const std::string path = dir.file("huge.zip");
    const std::string local = zip64LocalHeader("huge.bin", fiveGiB);
    // Its directory record, with the sizes in a ZIP64 block, then the ZIP64
    // end record, its locator and the end record.
    HeaderFields h;
    h.name = "huge.bin";
    h.versionNeeded = 45;
    h.packedSize = h.unpackedSize = 0xFFFFFFFF;
    h.extra = zip64Block({fiveGiB, fiveGiB});
    std::string tail = centralRecord(h);
    const uint64_t directoryOffset = local.size() + fiveGiB;
    tail += zip64EndRecords(1, tail.size(), directoryOffset, directoryOffset + tail.size());
    tail += endRecord(1, 0xFFFFFFFF, 0xFFFFFFFF);
    ASSERT_TRUE(writeSparseFile(path, local, fiveGiB, tail));
    const auto r = orvexzip({"list", path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, Header + row("huge.bin", 5368709120u, 5368709120u));
}

TEST(ListCommand, ControlCharactersCannotSplitARow)
{
    TempDir dir;
    const std::string name = "two\nlines\tand tab\r\xC2\x85\xE2\x80\xA8.";
    const auto r = orvexzip({"list", dir.write("t.zip", ArchiveBuilder().add(stored(name, "x")).build())});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, Header + row("two?lines?and tab???.", 1, 1));
}

TEST(ListCommand, ReadErrorListsWhatWasReadThenFails)
{
    TempDir dir;
    ArchiveBuilder b;
    b.add(stored("first", "1")).add(stored("second", "22"));
    const auto r = orvexzip({"list", dir.write("cut.zip", b.buildMembersOnly())});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, Header + row("first", 1, 1) + row("second", 2, 2));
    EXPECT_EQ(r.err, "Error 3 reading Zip file\nThe archive is damaged; the members listed could be read.\n");

    const auto empty = orvexzip({"list", dir.write("empty.zip", "")});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.out, Header);
    EXPECT_EQ(empty.err, "Error 1 reading Zip File\nempty.zip is not a ZIP archive.\n");
}

TEST(ListCommand, ImpossibleDateOrTimeIsShownAsAQuestionMark)
{
    TempDir dir;
    struct Case {
        uint16_t date, time;
    } cases[] = {
        {0, SampleTime},                                     // month 0
        {((2001 - 1980) << 9) | (2 << 5) | 29, SampleTime},  // 29 February 2001
        {SampleDate, 24 << 11},
        {SampleDate, (23 << 11) | (60 << 5)},
    };
    for (const Case &c : cases) {
        Member bad = stored("bad", "b");
        bad.modDate = c.date;
        bad.modTime = c.time;
        ArchiveBuilder b;
        b.add(stored("good", "g")).add(bad).add(stored("after", "n"));
        const auto r = orvexzip({"list", dir.write("t.zip", b.build())});
        EXPECT_EQ(r.exitCode, 0) << c.date << ' ' << c.time;
        EXPECT_EQ(r.out, Header + row("good", 1, 1) + "bad\t1\t1\t?\t\n" + row("after", 1, 1));
        EXPECT_EQ(r.err, "");
    }
}

TEST(ListCommand, BadUsageAndMissingArchives)
{
    for (const auto &args : std::vector<std::vector<std::string>>{{}, {"lst", "x.zip"}, {"list"}, {"list", "a", "b"}}) {
        const auto r = orvexzip(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("orvexzip list ARCHIVE"), std::string::npos) << r.err;
    }
    TempDir dir;
    for (const std::string &name : {dir.file("missing.zip"), dir.path()}) {
        const auto r = orvexzip({"list", name});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(name), std::string::npos);
    }
}

TEST(ListCommand, NamesFromOtherSystemsAreReadInTheCodePageChosenOrGuessed)
{
    TempDir dir;
    ArchiveBuilder b;
    b.add(stored("\xAE\xE2\xE7\xF1\xE2.txt", "r"));  // "отчёт.txt" in 866
    const std::string archive = dir.write("r.zip", b.build());
    const std::string russian = "\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82.txt";
    const struct {
        std::vector<std::string> options;
        std::string name;
    } cases[] = {
        {{}, russian},
        {{"--charset", "auto"}, russian},
        {{"--charset", "866"}, russian},
        {{"--charset", "437"}, "\xC2\xAB\xCE\x93\xCF\x84\xC2\xB1\xCE\x93.txt"},  // «Γτ±Γ.txt
    };
    for (const auto &c : cases) {
        std::vector<std::string> args{"list", archive};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto r = orvexzip(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, Header + row(c.name, 1, 1)) << (c.options.empty() ? "" : c.options[1]);
    }
}

TEST(ListCommand, AnUnknownCharsetIsBadUsageThatNamesTheValidOnes)
{
    TempDir dir;
    const std::string archive = dir.write("e.zip", ArchiveBuilder().add(stored("a.txt", "a")).build());
    for (const char *command : {"list", "extract"}) {
        const auto r = orvexzip({command, archive, "--charset", "utf-7"});
        EXPECT_EQ(r.exitCode, 2) << command;
        EXPECT_EQ(r.out, "") << command;
        for (const char *valid : {"auto", "437", "866", "932", "1252"})
            EXPECT_NE(r.err.find(valid), std::string::npos) << command << ": " << r.err;
    }
}
