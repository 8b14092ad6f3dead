// The archive component over an archive in another format than ZIP: what it
// lists, what it refuses, and Extract and Test raising the same events as for
// a ZIP archive.
#include "engine/OtherFormatMembers.h"
#include "engine/ZipEngine.h"
#include "engine/common/MessageCode.h"
#include "engine/otherformats/ConfinedProcess.h"
#include "support/Compress.h"
#include "support/Files.h"
#include "support/HandBuiltArchives.h"
#include "support/Run.h"
#include "support/TarBuilder.h"

#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace {

struct Heard {
    std::vector<std::pair<int, std::string>> messages;
    std::vector<std::string> notices;
    std::vector<std::string> begun;  // FileBegin names
    int steps = 0;
    bool batchEnded = false;
};

void listen(TZipEngine &engine, Heard &heard)
{
    engine.OnMessage = [&](TZipEngine &, int code, const std::string &text) {
        heard.messages.emplace_back(code, text);
    };
    engine.MessageSink = [&](const std::string &text) { heard.notices.push_back(text); };
    engine.OnProgress = [&](TZipEngine &, ProgressType type, const std::string &name, int32_t) {
        if (type == FileBegin)
            heard.begun.push_back(name);
        heard.steps += type == FileStep;
        heard.batchEnded = heard.batchEnded || type == BatchEnd;
    };
}

// a.txt (100 KB), dir/b.txt, dir/c.bin and the folder dir/, in a tar.xz.
class OtherFormatComponent : public ::testing::Test {
protected:
    void SetUp() override
    {
        ziptest::makeDirs(dir / "src/dir");
        ziptest::writeFile(dir / "src/a.txt", ziptest::textData(100000));
        ziptest::writeFile(dir / "src/dir/b.txt", "bee");
        ziptest::writeFile(dir / "src/dir/c.bin", ziptest::randomData(5000));
        ASSERT_EQ(ziptest::sh("tar -cJf ../sample.tar.xz a.txt dir", dir / "src"), 0);
        archive = dir / "sample.tar.xz";
        listen(engine, heard);
        engine.setZipFilename(archive);
    }
    std::string extractTo(const std::string &name, std::vector<std::string> specs, ExtrOpts options)
    {
        const std::string out = dir / name;
        ziptest::makeDirs(out);
        engine.ExtrBaseDir = out;
        engine.ExtrOptions = options;
        engine.FileSpecs = std::move(specs);
        engine.Extract();
        return out;
    }

    ziptest::TempDir dir;
    std::string archive;
    TZipEngine engine;
    Heard heard;
};

}  // namespace

TEST(OtherFormatMembers, StampsAreHeldToWhatDosFieldsCanSay)
{
    struct Case {
        int year;
        uint32_t expectedDate;  // the high half
    };
    const Case cases[] = {{1970, 1u << 5 | 1u},
                          {1979, 1u << 5 | 1u},
                          {2001, 21u << 9 | 6u << 5 | 15u},
                          {2200, 127u << 9 | 12u << 5 | 31u}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.year);
        struct tm local {};
        local.tm_year = c.year - 1900;
        local.tm_mon = 5;
        local.tm_mday = 15;
        local.tm_hour = 12;
        local.tm_isdst = -1;
        const uint32_t stamp = orvex::dosDateTimeOf(int64_t(::mktime(&local)));
        EXPECT_EQ(stamp >> 16, c.expectedDate);
    }
    EXPECT_EQ(orvex::dosDateTimeOf(0), 0u) << "no stored time stays visibly unknown";
}

TEST_F(OtherFormatComponent, ListsTheEntriesWithFoldersAndUnknownPackedSizes)
{
    EXPECT_FALSE(engine.ReadOnly()) << "a tar.xz is written as well as read";
    EXPECT_NE(engine.OtherFormat().find("xz"), std::string::npos) << engine.OtherFormat();
    std::map<std::string, uint64_t> sizes;
    for (int i = 0; i < engine.EntryCount(); ++i) {
        const ArchiveEntry &entry = engine.Entries(i);
        EXPECT_FALSE(entry.PackedSizeKnown);
        EXPECT_NE(entry.ModDate, 0) << entry.FileName;
        sizes[entry.FileName] = entry.TrueUnpackedSize;
    }
    const std::map<std::string, uint64_t> expected{
        {"a.txt", 100000}, {"dir/", 0}, {"dir/b.txt", 3}, {"dir/c.bin", 5000}};
    EXPECT_EQ(sizes, expected);

    // A ZIP archive read next is ours again, and writable.
    ASSERT_EQ(ziptest::sh("zip -q -r ../plain.zip a.txt", dir / "src"), 0);
    engine.setZipFilename(dir / "plain.zip");
    EXPECT_FALSE(engine.ReadOnly());
    EXPECT_TRUE(engine.Entries(0).PackedSizeKnown);
}

TEST(OtherFormatComponentIso, TheRootIsNoRowAndFoldersHaveNoSize)
{
    struct Case {
        const char *tool;
        const char *command;  // run in the folder holding src/
    };
    const Case cases[] = {
        {"bsdtar", "bsdtar --format=iso9660 -cf a.iso -C src ."},
        {"xorriso", "xorriso -as mkisofs -quiet -R -o a.iso src 2>/dev/null"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command);
        if (!ziptest::haveProgram(c.tool))
            continue;
        ziptest::TempDir dir;
        ziptest::makeDirs(dir / "src/d");
        ziptest::writeFile(dir / "src/d/f.txt", "eff");
        ASSERT_EQ(ziptest::sh(c.command, dir.path()), 0);
        TZipEngine engine;
        engine.setZipFilename(dir / "a.iso");
        std::map<std::string, std::pair<bool, uint64_t>> rows;  // name: size known, size
        for (int i = 0; i < engine.EntryCount(); ++i)
            rows[engine.Entries(i).FileName] = {engine.Entries(i).UnpackedSizeKnown,
                                                engine.Entries(i).TrueUnpackedSize};
        const std::map<std::string, std::pair<bool, uint64_t>> expected{{"d/", {true, 0}}, {"d/f.txt", {true, 3}}};
        EXPECT_EQ(rows, expected);
        // Without the root's entry the members are still found by their place.
        engine.FileSpecs = {"d/f.txt"};
        engine.Test();
        EXPECT_EQ(engine.LastResult, 1);
        EXPECT_EQ(engine.LastTestFailures, 0);
    }
}

TEST_F(OtherFormatComponent, AddAndDeleteChangeATarAndRefuseAFormatOnlyRead)
{
    ziptest::writeFile(dir / "new.txt", "new");
    engine.FileSpecs = {dir / "new.txt"};
    engine.Add();
    EXPECT_EQ(engine.LastResult, 1);
    engine.FileSpecs = {"a.txt", "dir/*.bin"};
    engine.Delete();
    EXPECT_EQ(engine.LastResult, 2);
    std::vector<std::string> names;
    for (const ArchiveEntry &entry : engine.EntryList())
        names.push_back(entry.FileName);
    EXPECT_EQ(names, (std::vector<std::string>{"dir/", "dir/b.txt", "new.txt"}));
    EXPECT_NE(engine.OtherFormat().find("xz"), std::string::npos) << engine.OtherFormat();

    const std::string cpio = dir / "only-read.cpio";
    ziptest::writeFile(cpio, ziptest::newcCpio({{"a.txt", "alpha"}}));
    engine.setZipFilename(cpio);
    engine.FileSpecs = {dir / "new.txt"};
    engine.Add();
    engine.FileSpecs = {"a.txt"};
    engine.Delete();
    ASSERT_EQ(heard.notices.size(), 2u);
    EXPECT_NE(heard.notices[0].find("read-only"), std::string::npos) << heard.notices[0];
    EXPECT_EQ(engine.LastResult, 0);
    EXPECT_TRUE(engine.FileSpecs.empty()) << "a refused operation must not leave its list for the next";
    EXPECT_EQ(ziptest::readFile(cpio), ziptest::newcCpio({{"a.txt", "alpha"}}));
}

TEST_F(OtherFormatComponent, ExtractHonoursSelectionFoldersAndOverwriteAndReportsAsForZip)
{
    // Selected by stored name and by pattern, without folders.
    const std::string flat = extractTo("flat", {"a.txt", "dir/*.bin", "missing"}, ExtrOpts{});
    EXPECT_EQ(ziptest::listTree(flat), (std::vector<std::string>{"a.txt", "c.bin"}));
    EXPECT_EQ(engine.LastResult, 2);
    EXPECT_EQ(heard.begun, (std::vector<std::string>{"a.txt", "dir/c.bin"}));
    EXPECT_EQ(heard.steps, 3) << "one step per whole 32 KiB of a 100,000-byte file";
    EXPECT_TRUE(heard.batchEnded);
    ASSERT_FALSE(heard.messages.empty());
    EXPECT_EQ(heard.messages.front(),
              std::make_pair(int(unzeng::CodeNotMatched), std::string("caution: filename not matched:  missing")));

    // Everything with folders; a second time keeps the files unless told.
    const std::string tree = extractTo("tree", {}, ExtrOpts{ExtrDirNames});
    EXPECT_EQ(ziptest::readFile(tree + "/dir/b.txt"), "bee");
    ziptest::writeFile(tree + "/dir/b.txt", "mine");
    heard.messages.clear();
    extractTo("tree", {"dir/b.txt"}, ExtrOpts{ExtrDirNames});
    EXPECT_EQ(ziptest::readFile(tree + "/dir/b.txt"), "mine");
    ASSERT_EQ(heard.messages.size(), 1u);
    EXPECT_EQ(heard.messages[0], std::make_pair(int(unzeng::CodeInfo),
                                                std::string("skipping dir/b.txt: it exists and is not overwritten")));
    extractTo("tree", {"dir/b.txt"}, ExtrOpts{ExtrDirNames, ExtrOverWrite});
    EXPECT_EQ(ziptest::readFile(tree + "/dir/b.txt"), "bee");
}

TEST_F(OtherFormatComponent, UpdateAndFreshenReplaceOnlyOlderFilesAndFreshenAddsNone)
{
    // What `tar -C src -cf x .` writes: every name begins with "./".
    ASSERT_EQ(ziptest::sh("tar -cJf ../dotted.tar.xz .", dir / "src"), 0);
    // The entries were stamped now; files dated 2001 are older, 2100 newer.
    struct Case {
        ExtrOptsEnum option;
        int64_t fileTime;
        const char *expectedB;  // dir/b.txt afterwards
        bool expectA;           // a.txt, which did not exist, written
    };
    const Case cases[] = {{ExtrUpdate, 1000000000, "bee", true},
                          {ExtrUpdate, 4102444800, "mine", true},
                          {ExtrFreshen, 1000000000, "bee", false},
                          {ExtrFreshen, 4102444800, "mine", false}};
    int n = 0;
    for (const std::string prefix : {"", "./"}) {
        engine.setZipFilename(prefix.empty() ? archive : dir / "dotted.tar.xz");
        for (const Case &c : cases) {
            SCOPED_TRACE(n);
            const std::string out = dir / ("u" + std::to_string(n++));
            ziptest::makeDirs(out + "/dir");
            ziptest::writeFile(out + "/dir/b.txt", "mine");
            ziptest::setMtime(out + "/dir/b.txt", c.fileTime);
            engine.ExtrBaseDir = out;
            engine.ExtrOptions = ExtrOpts{ExtrDirNames, c.option};
            engine.FileSpecs = {prefix + "a.txt", prefix + "dir/b.txt"};
            engine.Extract();
            EXPECT_EQ(ziptest::readFile(out + "/dir/b.txt"), c.expectedB);
            EXPECT_EQ(ziptest::exists(out + "/a.txt"), c.expectA);
        }
    }
}

TEST_F(OtherFormatComponent, PrivateCopiesAreForTheUserAloneWhateverTheStoredModes)
{
    ASSERT_EQ(::chmod((dir / "src/dir/c.bin").c_str(), 0755), 0);
    ASSERT_EQ(ziptest::sh("tar -czf ../modes.tgz dir", dir / "src"), 0);
    engine.setZipFilename(dir / "modes.tgz");
    const std::string out = extractTo("private", {"dir/c.bin"}, ExtrOpts{ExtrDirNames, ExtrOverWrite, ExtrPrivate});
    EXPECT_EQ(ziptest::statOf(out + "/dir/c.bin").st_mode & 07777, 0600u);
    EXPECT_EQ(ziptest::statOf(out + "/dir").st_mode & 07777, 0700u);
}

// A private copy written back replaces its member with the member's own
// permissions, not the copy's 0600; a plain add takes the file's.
TEST_F(OtherFormatComponent, AWriteBackKeepsTheMembersModeAndAPlainAddTakesTheFiles)
{
    ASSERT_EQ(::chmod((dir / "src/dir/c.bin").c_str(), 0755), 0);
    ASSERT_EQ(ziptest::sh("tar -czf ../modes.tgz dir", dir / "src"), 0);
    engine.setZipFilename(dir / "modes.tgz");
    const std::string copy = extractTo("private", {"dir/c.bin"}, ExtrOpts{ExtrDirNames, ExtrOverWrite, ExtrPrivate});
    for (const bool keep : {true, false}) {
        SCOPED_TRACE(keep);
        orvex::AddRequest request = engine.addRequest();
        request.specs = {"dir/c.bin"};
        request.baseDirectory = copy;
        request.options = AddOpts{AddDirNames};
        request.keepMemberModes = keep;
        engine.Add(request, engine.events());
        ASSERT_EQ(engine.LastResult, 1);
        ASSERT_EQ(ziptest::sh("mkdir -p private-out && tar -xzf modes.tgz -C private-out dir/c.bin", dir.path()), 0);
        EXPECT_EQ(ziptest::statOf(dir / "private-out/dir/c.bin").st_mode & 0777, keep ? 0755u : 0600u);
    }
}

TEST_F(OtherFormatComponent, TestCountsFailuresOfADamagedArchiveAndAReadFailureKeepsWhatWasRead)
{
    // Cut inside a.txt's data: its header lists, nothing after it does.
    ASSERT_EQ(
        ziptest::sh("tar -czf ../whole.tgz a.txt dir && tar -cf - a.txt dir | head -c 60000 > ../cut.tar", dir / "src"),
        0);
    engine.setZipFilename(dir / "whole.tgz");
    engine.Test();
    EXPECT_EQ(engine.LastResult, 3);  // the files; dir/ is not counted
    EXPECT_EQ(engine.LastTestFailures, 0);
    engine.FileSpecs = {"dir/*.txt"};
    engine.Test();
    EXPECT_EQ(engine.LastResult, 1) << "the selected members alone";

    // Listing a cut archive throws after the entries before the cut.
    try {
        engine.setZipFilename(dir / "cut.tar");
        ADD_FAILURE() << "a cut archive read without an error";
    } catch (const EZipError &error) {
        const std::string text = error.what();
        EXPECT_TRUE(text.starts_with("Error reading ") && text.find(" archive: ") != std::string::npos) << text;
    }
    EXPECT_EQ(engine.ZipFilename(), dir / "cut.tar");
    EXPECT_TRUE(engine.ReadOnly());
    heard.messages.clear();
    engine.Test();
    EXPECT_EQ(engine.LastTestFailures, 1);
    ASSERT_FALSE(heard.messages.empty());
    EXPECT_TRUE(unzeng::isMemberFailure(heard.messages.back().first)) << heard.messages.back().second;
}

TEST_F(OtherFormatComponent, ACancelledReadKeepsTheArchiveBefore)
{
    engine.OnReadProgress = [](TZipEngine &sender, int64_t, int64_t, int64_t) { sender.Cancel = true; };
    ziptest::makeDirs(dir / "many");
    ASSERT_EQ(ziptest::sh(": > f && yes f | head -n 4100 | tar -cf ../many.tar -T -", dir / "many"), 0);
    EXPECT_THROW(engine.setZipFilename(dir / "many.tar"), EReadCancelled);
    EXPECT_EQ(engine.ZipFilename(), archive);
    EXPECT_EQ(engine.EntryCount(), 4);
    EXPECT_FALSE(engine.Cancel);
}

TEST_F(OtherFormatComponent, ANameTooLongForAnyFileSystemIsRefusedByNameAndTheRestListed)
{
    ASSERT_EQ(ziptest::sh("python3 -c \"import tarfile, io\n"
                          "with tarfile.open('long.tar', 'w', format=tarfile.GNU_FORMAT) as t:\n"
                          "    for name in ('long/' + 'a' * 70000, 'ok.txt'):\n"
                          "        info = tarfile.TarInfo(name)\n"
                          "        info.size = 2\n"
                          "        t.addfile(info, io.BytesIO(b'hi'))\n\"",
                          dir.path()),
              0);
    try {
        engine.setZipFilename(dir / "long.tar");
        ADD_FAILURE() << "the long name passed unsaid";
    } catch (const EZipError &error) {
        const std::string text = error.what();
        EXPECT_NE(text.find("long/aaa"), std::string::npos) << text;
        EXPECT_LT(text.size(), 1000u);
    }
    ASSERT_EQ(engine.EntryCount(), 1);
    EXPECT_EQ(engine.Entries(0).FileName, "ok.txt");
}

TEST_F(OtherFormatComponent, NoEntriesIsAnEmptyArchiveAndAStreamOfZerosIsOneFile)
{
    ziptest::TarEntry label;
    label.name = "Backup 1";
    label.kind = ziptest::TarEntry::VolumeLabel;
    const std::string zeros(65536, '\0');
    struct Case {
        const char *file;
        std::string bytes;
        const char *format;                  // what the format is called
        std::vector<std::string> rows;       // as listed
        int tested;                          // files that pass the test
        std::vector<std::string> extracted;  // the tree written
    };
    const Case cases[] = {
        {"empty.7z", ziptest::empty7z(), "7-Zip", {}, 0, {}},
        {"empty.rar", ziptest::rar5Archive({}), "RAR5", {}, 0, {}},
        {"label.tar", ziptest::tarArchive({label}), "tar", {}, 0, {}},
        {"zeros.xz", ziptest::xzCompress(zeros), "raw (xz)", {"zeros"}, 1, {"zeros"}},
        // A folder holds no data: test passes over it rather than fail to read it.
        {"folders.rar",
         ziptest::rar5Archive({{"folder", true}, {"folder/empty.txt", false}}),
         "RAR5",
         {"folder/", "folder/empty.txt"},
         1,
         {"folder/", "folder/empty.txt"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        ziptest::writeFile(dir / c.file, c.bytes);
        heard.messages.clear();
        EXPECT_NO_THROW(engine.setZipFilename(dir / c.file));
        EXPECT_EQ(engine.OtherFormat(), c.format);
        std::vector<std::string> rows;
        for (int i = 0; i < engine.EntryCount(); ++i)
            rows.push_back(engine.Entries(i).FileName);
        EXPECT_EQ(rows, c.rows);

        engine.FileSpecs = {};
        engine.Test();
        EXPECT_EQ(engine.LastResult, c.tested);
        EXPECT_EQ(engine.LastTestFailures, 0);
        const std::string out = extractTo(std::string("out-") + c.file, {}, ExtrOpts{ExtrDirNames});
        EXPECT_EQ(engine.LastResult, c.tested);
        EXPECT_EQ(ziptest::listTree(out), c.extracted);
        EXPECT_TRUE(heard.messages.empty()) << heard.messages.front().second;
    }
    EXPECT_EQ(ziptest::readFile(dir / "out-zeros.xz/zeros"), zeros);
}

// Testing or extracting every member of a compressed tar reads it once:
// its listing would decode the whole stream too. Any other archive is
// listed first, as setZipFilename lists it.
TEST_F(OtherFormatComponent, AWholeTestOrExtractOfACompressedTarReadsItOnce)
{
    ASSERT_EQ(ziptest::sh("tar -cf ../plain.tar a.txt dir", dir / "src"), 0);
    for (const bool compressed : {true, false}) {
        SCOPED_TRACE(compressed ? "tar.xz" : "tar");
        TZipEngine fresh;
        const uint64_t before = otherformats::childrenStarted();
        EXPECT_EQ(fresh.setZipFilenameForAll(compressed ? archive : dir / "plain.tar"), !compressed);
        EXPECT_EQ(fresh.EntryCount(), compressed ? 0 : 4);
        EXPECT_NE(fresh.OtherFormat().find("tar"), std::string::npos) << fresh.OtherFormat();
        fresh.Test();
        EXPECT_EQ(fresh.LastResult, 3);
        if (compressed) {
            EXPECT_EQ(otherformats::childrenStarted() - before, 2u) << "one reader to detect, one to test";
        }
        fresh.ExtrBaseDir = dir / (compressed ? "out-xz" : "out-tar");
        ziptest::makeDirs(fresh.ExtrBaseDir);
        fresh.ExtrOptions = {ExtrDirNames};
        fresh.Extract();
        EXPECT_EQ(ziptest::readFile(fresh.ExtrBaseDir + "/dir/b.txt"), "bee");
    }
}
