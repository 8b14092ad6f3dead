// What the reference tools write is extracted byte for byte, with its
// directories, links, permission bits and times.

#include "support/ArchiveBuilder.h"
#include "support/Compress.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ziptest;

namespace {

constexpr time_t SourceTime = 1588748890;  // 2020-05-06, an even second

// A small tree with what archives carry: text, binary, empty, nested,
// an empty directory, a non-ASCII name, modes, a link.
void makeSourceTree(const std::string &root)
{
    makeDirs(root + "/sub/deeper");
    makeDirs(root + "/emptydir");
    writeFile(root + "/plain.txt", textData(200000, 11));
    writeFile(root + "/random.bin", randomData(300000, 12));
    writeFile(root + "/empty.txt", "");
    writeFile(root + "/sub/deeper/note.md", "# note\n");
    writeFile(root + "/h\xC3\xA9llo w\xC3\xB6rld \xE2\x9C\x93.txt", "utf-8 name\n");
    writeFile(root + "/exec.sh", "#!/bin/sh\necho hi\n");
    ::chmod((root + "/exec.sh").c_str(), 0755);
    writeFile(root + "/ro.txt", "read only\n");
    ::chmod((root + "/ro.txt").c_str(), 0444);
    ASSERT_EQ(::symlink("sub/deeper/note.md", (root + "/link").c_str()), 0);
    for (const std::string &entry : listTree(root))
        if (!entry.ends_with('/') && entry.find(" -> ") == std::string::npos)
            setMtime(root + "/" + entry, SourceTime, false);
}

// Same files, links, directories; for regular files the same permission
// bits and, when `times`, the same modification time.
void expectSameTree(const std::string &source, const std::string &extracted, bool times = true)
{
    EXPECT_EQ(listTree(extracted), listTree(source));
    EXPECT_TRUE(treeContents(extracted) == treeContents(source));
    for (const std::string &entry : listTree(source)) {
        if (entry.ends_with('/') || entry.find(" -> ") != std::string::npos)
            continue;
        const struct stat a = statOf(source + "/" + entry), b = statOf(extracted + "/" + entry);
        EXPECT_EQ(a.st_mode & 07777, b.st_mode & 07777) << entry;
        if (times) {
            EXPECT_EQ(a.st_mtime, b.st_mtime) << entry;
        }
    }
}

class UnzengInterop : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeDirs(work / "src");
        makeDirs(work / "out");
        makeSourceTree(work / "src");
    }
    std::string src() const { return work / "src"; }
    std::string out() const { return work / "out"; }

    TempDir work;
};

TEST_F(UnzengInterop, InfoZipAtEveryLevelAndZip64)
{
    ASSERT_TRUE(haveProgram("zip"));
    for (const char *level : {"-0", "-6", "-9", "-6 -fz"}) {  // -fz: ZIP64 records throughout
        SCOPED_TRACE(level);
        const std::string archive = work / (std::string("z") + level + ".zip");
        ASSERT_EQ(sh(std::string("zip -q -r -y ") + level + " '" + archive + "' .", src()), 0);
        TempDir target;
        const CallResult result = extract(archive, target.path());
        EXPECT_TRUE(result.errors().empty()) << result.dump();
        expectSameTree(src(), target.path());
        EXPECT_EQ(result.result, 8);  // 7 files and the link; directories do not count
    }
}

TEST_F(UnzengInterop, InfoZipStreamingWithDataDescriptors)
{
    ASSERT_TRUE(haveProgram("zip"));
    const std::string archive = work / "streamed.zip";
    // Into a pipe, which is not seekable; zip cannot stream a link that way.
    ::unlink((src() + "/link").c_str());
    ASSERT_EQ(sh("zip -q -r - . | cat > '" + archive + "'", src()), 0);
    // Streaming leaves the sizes to a descriptor after each member's data.
    ASSERT_EQ(sh("python3 -c \"import zipfile,sys; z=zipfile.ZipFile(sys.argv[1]); "
                 "sys.exit(0 if any(i.flag_bits & 8 for i in z.infolist()) else 1)\" '"
                 + archive + "'"),
              0);
    CallResult result = extract(archive, out());
    EXPECT_TRUE(result.errors().empty()) << result.dump();
    expectSameTree(src(), out());

    const std::string piped = work / "stdin.zip";
    ASSERT_EQ(sh("zip -q '" + piped + "' - < plain.txt", src()), 0);
    TempDir target;
    result = extract(piped, target.path());
    EXPECT_EQ(result.result, 1) << result.dump();
    EXPECT_EQ(readFile(target / "-"), readFile(src() + "/plain.txt"));
}

TEST_F(UnzengInterop, PythonZipfileMethodsAndZip64)
{
    const std::string archive = work / "py.zip";
    const std::string script = R"(
import sys, zipfile
src, dst = sys.argv[1], sys.argv[2]
plain = open(src + '/plain.txt', 'rb').read()
rnd = open(src + '/random.bin', 'rb').read()
with zipfile.ZipFile(dst, 'w') as z:
    for name, method in (('stored', zipfile.ZIP_STORED), ('deflated', zipfile.ZIP_DEFLATED),
                         ('bzip2', zipfile.ZIP_BZIP2), ('lzma', zipfile.ZIP_LZMA)):
        z.writestr(name + '/plain.txt', plain, compress_type=method)
        z.writestr(name + '/random.bin', rnd, compress_type=method)
        z.writestr(name + '/empty.txt', b'', compress_type=method)
    with z.open('zip64/forced.txt', 'w', force_zip64=True) as f:
        f.write(plain)
)";
    writeFile(work / "make.py", script);
    ASSERT_EQ(sh("python3 '" + work / "make.py" + "' '" + src() + "' '" + archive + "'"), 0);

    const CallResult result = extract(archive, out());
    EXPECT_TRUE(result.errors().empty()) << result.dump();
    EXPECT_EQ(result.result, 13);
    const std::string plain = readFile(src() + "/plain.txt"), random = readFile(src() + "/random.bin");
    for (const char *method : {"stored", "deflated", "bzip2", "lzma"}) {
        EXPECT_EQ(readFile(out() + "/" + method + "/plain.txt"), plain) << method;
        EXPECT_EQ(readFile(out() + "/" + method + "/random.bin"), random) << method;
        EXPECT_TRUE(exists(out() + "/" + method + "/empty.txt")) << method;
    }
    EXPECT_EQ(readFile(out() + "/zip64/forced.txt"), plain);
}

TEST_F(UnzengInterop, SevenZipMethods)
{
    if (!haveProgram("7zz"))
        GTEST_SKIP() << "7zz is not installed";
    const std::string plain = readFile(src() + "/plain.txt"), random = readFile(src() + "/random.bin");
    for (const char *method : {"xz", "lzma", "bzip2", "zstd"}) {
        SCOPED_TRACE(method);
        const std::string archive = work / (std::string(method) + ".zip");
        if (sh(std::string("7zz a -tzip -mm=") + method + " '" + archive + "' plain.txt random.bin >/dev/null 2>&1",
               src())
            != 0) {
            // This 7-Zip cannot write the method into a ZIP; the byte-built test covers it.
            continue;
        }
        TempDir target;
        const CallResult result = extract(archive, target.path());
        EXPECT_TRUE(result.errors().empty()) << result.dump();
        EXPECT_EQ(readFile(target / "plain.txt"), plain);
        EXPECT_EQ(readFile(target / "random.bin"), random);
    }
}

TEST_F(UnzengInterop, ByteBuiltZstdAndLzmaMembers)
{
    // No tool here writes these two forms: zstd, and LZMA without an end
    // marker (its size known from the header only).
    const std::string text = textData(500000, 5);
    Member lzmaMarked = fileEntry("marked.txt", text, 14);
    lzmaMarked.packed = zipLzma(text, true);
    lzmaMarked.flags = 2;
    Member lzmaBare = fileEntry("bare.txt", text, 14);
    lzmaBare.packed = zipLzma(text, false);
    Member lzmaLying = lzmaBare;
    lzmaLying.name = "lying.txt";
    lzmaLying.unpackedSize = 1000;
    const std::string archive = work / "bytes.zip";
    writeFile(archive,
              buildZip({fileEntry("a.txt", text, 93), fileEntry("e.txt", "", 93), lzmaMarked, lzmaBare, lzmaLying}));
    const CallResult result = extract(archive, out());
    EXPECT_EQ(result.result, 4) << result.dump();
    EXPECT_EQ(readFile(out() + "/a.txt"), text);
    EXPECT_TRUE(exists(out() + "/e.txt"));
    EXPECT_EQ(readFile(out() + "/marked.txt"), text);
    EXPECT_EQ(readFile(out() + "/bare.txt"), text);
    EXPECT_TRUE(result.hasError("lying.txt:", 2));
    EXPECT_FALSE(exists(out() + "/lying.txt"));
}

TEST_F(UnzengInterop, GitArchive)
{
    if (!haveProgram("git"))
        GTEST_SKIP() << "git is not installed";
    const std::string repo = work / "repo";
    makeDirs(repo + "/lib");
    writeFile(repo + "/README", "readme\n");
    writeFile(repo + "/lib/code.c", textData(40000, 9));
    writeFile(repo + "/run.sh", "#!/bin/sh\n");
    ::chmod((repo + "/run.sh").c_str(), 0755);
    ASSERT_EQ(::symlink("lib/code.c", (repo + "/code-link").c_str()), 0);
    ASSERT_EQ(sh("git init -q . && git add . && git -c user.name=t -c user.email=t@example.org commit -qm init"
                 " && git archive --format=zip -o ../git.zip HEAD",
                 repo),
              0);
    const CallResult result = extract(work / "git.zip", out());
    EXPECT_TRUE(result.errors().empty()) << result.dump();
    EXPECT_EQ(listTree(out()),
              (std::vector<std::string>{"README", "code-link -> lib/code.c", "lib/", "lib/code.c", "run.sh"}));
    EXPECT_EQ(readFile(out() + "/lib/code.c"), readFile(repo + "/lib/code.c"));
    EXPECT_EQ(statOf(out() + "/run.sh").st_mode & 0777, 0755u);
}

}  // namespace
