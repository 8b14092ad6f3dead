// Each format read end to end: what the peer tools write, we list and
// extract back to the same tree; the RAR fixtures give the contents their
// README records.
#include "OtherFormatsTesting.h"

#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace otherformats;
using namespace otherformats_test;

namespace {

constexpr int64_t ModifiedAt = 1500000000;

// A small tree with what each format must carry: nested folders, an empty
// one, text, binary data, a link, a hard link, a stored time, a name that
// is not ASCII.
void makeSourceTree(const std::string &root)
{
    ziptest::makeDirs(root + "/src/docs/empty");
    ziptest::writeFile(root + "/src/docs/notes.txt", ziptest::textData(200000));
    ziptest::writeFile(root + "/src/data.bin", ziptest::randomData(70000));
    ziptest::writeFile(root + "/src/docs/\u00e9t\u00e9.txt", "summer");
    ASSERT_EQ(::symlink("docs/notes.txt", (root + "/src/link").c_str()), 0);
    ASSERT_EQ(::link((root + "/src/data.bin").c_str(), (root + "/src/hard").c_str()), 0);
    ziptest::setMtime(root + "/src/docs/notes.txt", ModifiedAt);
}

ExtractOptions extractInto(const std::string &target)
{
    ExtractOptions options;
    options.target = target;
    return options;
}

}  // namespace

TEST(OtherFormats, EveryFormatListsAndExtractsBackToTheSameTree)
{
    struct Case {
        const char *tool;
        const char *archive;
        const char *command;  // run in the folder holding src/
    };
    const Case cases[] = {
        {"tar", "a.tar.gz", "tar -czf a.tar.gz src"},
        {"tar", "a.tar.xz", "tar -cJf a.tar.xz src"},
        {"zstd", "a.tar.zst", "tar --zstd -cf a.tar.zst src"},
        {"bzip2", "a.tar.bz2", "tar -cjf a.tar.bz2 src"},
        {"lz4", "a.tar.lz4", "tar -I lz4 -cf a.tar.lz4 src"},
        {"bsdtar", "a.cpio", "bsdtar --format=newc -cf a.cpio src"},
        {"bsdtar", "a.iso", "bsdtar --format=iso9660 -cf a.iso src"},
        {"xorriso", "b.iso", "xorriso -as mkisofs -quiet -R -graft-points -o b.iso /src=src 2>/dev/null"},
        {"7zz", "a.7z", "7zz a -snl -ms=on -m0=lzma2 a.7z src"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.archive);
        if (!ziptest::haveProgram(c.tool)) {
            std::printf("skipped %s: %s is not installed\n", c.archive, c.tool);
            continue;
        }
        ziptest::TempDir dir;
        makeSourceTree(dir.path());
        ASSERT_TRUE(make(c.command, dir.path()));
        const std::string archive = dir / c.archive;
        EXPECT_EQ(detect(archive).verdict, Verdict::Other);

        const Listing listing = list(archive);
        EXPECT_TRUE(listing.complete);
        std::map<std::string, Entry> byName;
        for (const Entry &entry : listing.entries)
            if (const size_t at = entry.name.find("src/"); at != std::string::npos)
                byName[entry.name.substr(at)] = entry;
        ASSERT_TRUE(byName.count("src/docs/notes.txt"));
        EXPECT_EQ(byName["src/docs/notes.txt"].size.value_or(0), 200000u);
        EXPECT_EQ(byName["src/docs/notes.txt"].modified, ModifiedAt);
        EXPECT_EQ(byName["src/link"].kind, EntryKind::Symlink);
        EXPECT_EQ(byName["src/link"].linkTarget, "docs/notes.txt");

        ziptest::TempDir target;
        const ExtractResult result = extract(archive, extractInto(target.path()));
        EXPECT_TRUE(result.problems.empty()) << result.problems.front().text;
        EXPECT_EQ(result.placed, 5u);
        EXPECT_EQ(ziptest::treeContents(target / "src"), ziptest::treeContents(dir / "src"));
        EXPECT_EQ(ziptest::mtimeOf(target / "src/docs/notes.txt"), ModifiedAt);
        EXPECT_TRUE(ziptest::exists(target / "src/docs/empty"));
    }
}

TEST(OtherFormats, RarFixturesExtractToTheirRecordedContents)
{
    const std::string fixtures = ORVEX_RAR_FIXTURES;
    ASSERT_TRUE(ziptest::exists(fixtures)) << fixtures;
    struct Case {
        const char *archive;
        std::map<std::string, std::string> files;  // name -> SHA-256, from the fixtures' README
    };
    const Case cases[] = {
        {"test_read_format_rar.rar",
         {{"testdir/test.txt", "5a5f16e01faf8adf92eb4499a2d3e93010c4b41dbb7f698f4a8466d9f58e6dd2"},
          {"test.txt", "5a5f16e01faf8adf92eb4499a2d3e93010c4b41dbb7f698f4a8466d9f58e6dd2"}}},
        {"test_read_format_rar5_compressed.rar",
         {{"test.bin", "588870a2dade35c2650fbb7898c9a9c7f21fce7c281198604e8d0c9737f2c375"}}},
        {"test_read_format_rar5_solid.rar",
         {{"test3.bin", "5e621f2b6ce8fed758c3df8221f994eda55d1e432c7cc4349c34a30ec2e1c43d"},
          {"test.bin", "588870a2dade35c2650fbb7898c9a9c7f21fce7c281198604e8d0c9737f2c375"},
          {"test1.bin", "7d89f86f9f69d744ffff3fc043e15bf89fc3ffc134ffcbb31d164a99bb8b67b0"},
          {"test2.bin", "f81e6fceeeab366306b23466bf6bb3aac2875e0906dc20a8652be0696ceb15a2"},
          {"test5.bin", "b0622b648b174abd9c5f3965155bbcc82c642f997ab8949add0a8632bf94e636"},
          {"test6.bin", "0b79ce23670b7c2e5a0d4b62f0de7b0c745522be9ed6a9ec70da6991c2f010f2"},
          {"test4.bin", "2627f40180217252956edb9a426e8d3e344adaf89019d3bccbe04f6c3416dcdd"}}},
        {"test_read_format_rar5_stored.rar",
         {{"helloworld.txt", "fef9ad8cf601b43f76c6320075f62267c6e5c0a526d750a70b80c919a4a0aad8"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.archive);
        const std::string archive = fixtures + "/" + c.archive;
        EXPECT_EQ(detect(archive).verdict, Verdict::Other);
        const TestResult tested = test(archive);
        EXPECT_EQ(tested.failed, 0u);
        ziptest::TempDir target;
        const ExtractResult result = extract(archive, extractInto(target.path()));
        EXPECT_EQ(result.failed, 0u);
        for (const auto &[name, sha] : c.files)
            EXPECT_EQ(sha256Of(target / name), sha) << name;
    }
    ziptest::TempDir target;
    extract(fixtures + "/test_read_format_rar.rar", extractInto(target.path()));
    EXPECT_EQ(ziptest::treeContents(target.path())["testlink"], "link:test.txt");
}

TEST(OtherFormats, LoneCompressedFileIsOneEntryNamedWithoutItsSuffix)
{
    ziptest::TempDir dir;
    const std::string text = ziptest::textData(50000);
    ziptest::writeFile(dir / "notes.txt", text);
    ASSERT_TRUE(make("gzip notes.txt", dir.path()));
    const Listing listing = list(dir / "notes.txt.gz");
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0].name, "notes.txt");
    EXPECT_FALSE(listing.entries[0].size);

    ziptest::TempDir target;
    const ExtractResult result = extract(dir / "notes.txt.gz", extractInto(target.path()));
    EXPECT_EQ(result.placed, 1u);
    EXPECT_EQ(ziptest::readFile(target / "notes.txt"), text);
}

TEST(OtherFormats, CompressedZipIsListedAndExtractedHere)
{
    if (!ziptest::haveProgram("zip"))
        GTEST_SKIP() << "zip is not installed";
    ziptest::TempDir dir;
    makeSourceTree(dir.path());
    // Read as it streams, with no central directory to say which entry is a
    // link: the tree without its links.
    ASSERT_TRUE(make("zip -qr a.zip src/docs src/data.bin && gzip a.zip", dir.path()));
    const std::string archive = dir / "a.zip.gz";
    EXPECT_EQ(detect(archive).verdict, Verdict::Other);
    const Listing listing = list(archive);
    EXPECT_TRUE(listing.complete);
    EXPECT_EQ(listing.entries.size(), 5u) << "src/docs/, its two files, empty/ and data.bin";

    ziptest::TempDir target;
    const ExtractResult result = extract(archive, extractInto(target.path()));
    EXPECT_TRUE(result.problems.empty()) << result.problems.front().text;
    EXPECT_EQ(result.placed, 3u);
    EXPECT_EQ(ziptest::treeContents(target / "src/docs"), ziptest::treeContents(dir / "src/docs"));
    EXPECT_EQ(ziptest::readFile(target / "src/data.bin"), ziptest::readFile(dir / "src/data.bin"));
    EXPECT_EQ(ziptest::mtimeOf(target / "src/docs/notes.txt"), ModifiedAt);
}

TEST(OtherFormats, DetectionGoesByContentAndLeavesZipToItsOwnEngine)
{
    ziptest::TempDir dir;
    ziptest::writeFile(dir / "plain.gz", ziptest::textData(3000));  // a name that lies
    ziptest::writeFile(dir / "f.txt", ziptest::textData(3000));
    ASSERT_TRUE(make("python3 -c \"import zipfile; zipfile.ZipFile('z.tar', 'w').write('f.txt')\"", dir.path()));
    ASSERT_TRUE(make("tar -czf tarball.zip f.txt && bsdtar --format=ar -cf package.txt f.txt", dir.path()));
    struct Case {
        const char *file;
        Verdict verdict;
    };
    const Case cases[] = {
        {"plain.gz", Verdict::NotArchive}, {"z.tar", Verdict::Zip},          {"tarball.zip", Verdict::Other},
        {"package.txt", Verdict::Other},   {"missing", Verdict::NotArchive},
    };
    for (const Case &c : cases)
        EXPECT_EQ(detect(dir / c.file).verdict, c.verdict) << c.file;
}

TEST(OtherFormats, SelectedEntriesOnlyAndFlatWhenAsked)
{
    ziptest::TempDir dir;
    makeSourceTree(dir.path());
    ASSERT_TRUE(make("tar -czf a.tgz src/docs/notes.txt src/data.bin", dir.path()));
    const Listing listing = list(dir / "a.tgz");
    ASSERT_EQ(listing.entries.size(), 2u);
    ExtractOptions options = extractInto(dir / "out");
    ziptest::makeDirs(options.target);
    options.keepFolders = false;
    options.selection = {0};
    const ExtractResult result = extract(dir / "a.tgz", options);
    EXPECT_EQ(result.placed, 1u);
    EXPECT_EQ(ziptest::listTree(options.target), std::vector<std::string>{"notes.txt"});
}

TEST(OtherFormats, FirstEntryAtANameKeepsItAndExistingFilesFollowTheOverwriteChoice)
{
    ziptest::TempDir dir;
    // a.txt twice: "first", then "second" appended.
    ASSERT_TRUE(make("printf first > a.txt && tar -cf a.tar a.txt && printf second > a.txt && tar -rf a.tar a.txt",
                     dir.path()));
    struct Case {
        Overwrite overwrite;
        bool existing;  // a.txt holding "old" in the target beforehand
        bool answer;    // to the question under Ask
        const char *expected;
    };
    const Case cases[] = {
        {Overwrite::Never, false, false, "first"}, {Overwrite::Never, true, false, "old"},
        {Overwrite::Always, true, false, "first"}, {Overwrite::Ask, true, false, "old"},
        {Overwrite::Ask, true, true, "first"},
    };
    for (const Case &c : cases) {
        ziptest::TempDir target;
        if (c.existing)
            ziptest::writeFile(target / "a.txt", "old");
        ExtractOptions options = extractInto(target.path());
        options.overwrite = c.overwrite;
        options.askOverwrite = [&](const std::string &) { return c.answer; };
        const ExtractResult result = extract(dir / "a.tar", options);
        EXPECT_EQ(ziptest::readFile(target / "a.txt"), c.expected);
        EXPECT_EQ(result.failed, 0u);
        EXPECT_EQ(ziptest::listTree(target.path()), std::vector<std::string>{"a.txt"});
    }
}
