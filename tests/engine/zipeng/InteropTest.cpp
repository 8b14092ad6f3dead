// Archives the reference tools must accept: ZIP64 by member count, and
// archives of other writers changed by us.

#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace ziptest;

TEST(Interop, Zip64ForMoreThan65535Members)
{
    ScratchDir dir;
    makeDirs("many");
    constexpr int Files = 65545;
    char name[32];
    for (int i = 0; i < Files; ++i) {
        std::snprintf(name, sizeof name, "many/f%05d", i);
        const int fd = ::open(name, O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        ASSERT_GE(fd, 0);
        if (i % 1000 == 0) {
            ASSERT_EQ(::write(fd, "data", 4), 4);
        }
        ::close(fd);
    }
    Flags flags;
    flags.recurse = true;
    CallResult r = callEngine("many.zip", {"many"}, flags);
    ASSERT_EQ(r.result, Files) << r.dump();  // the folder many/ uncounted
    ArchiveInfo info = readArchive("many.zip");
    EXPECT_TRUE(info.ok);
    EXPECT_TRUE(info.zip64End);
    EXPECT_EQ(info.members.size(), size_t(Files + 1));
    for (const ArchiveMember &m : info.members)
        ASSERT_FALSE(m.centralZip64) << m.name;  // no member needs it
    EXPECT_EQ(checkWithTools("many.zip", false, false), "");

    // 65535 members still need them (the count field would hold the marker);
    // fewer do not.
    flags = {};
    flags.remove = true;
    r = callEngine("many.zip", {"many/f0000?", "many/"}, flags);
    EXPECT_EQ(r.result, 10);  // the folder many/ uncounted
    info = readArchive("many.zip");
    EXPECT_EQ(info.members.size(), 65535u);
    EXPECT_TRUE(info.zip64End);
    r = callEngine("many.zip", {"many/f0001?"}, flags);
    info = readArchive("many.zip");
    EXPECT_EQ(info.members.size(), size_t(Files - 20));
    EXPECT_FALSE(info.zip64End);
    const RunResult test = runTool({"unzip", "-tq", "many.zip"});  // the quickest of the tools
    EXPECT_EQ(test.exitCode, 0) << test.out;
}

TEST(Interop, AddingToArchivesOfOtherWriters)
{
    ScratchDir dir;
    writeFile("a.txt", textData(40000, 1));
    writeFile("b.bin", randomData(5000, 2));
    writeFile("new.txt", textData(1000, 3));
    ASSERT_EQ(runTool({"7zz", "a", "-tzip", "-bd", "seven.zip", "a.txt", "b.bin"}).exitCode, 0);
    ASSERT_EQ(runTool({"bsdtar", "-a", "-cf", "libarchive.zip", "a.txt", "b.bin"}).exitCode, 0);
    ASSERT_EQ(runTool({"zip", "-q", "info.zip", "a.txt", "b.bin"}).exitCode, 0);
    ASSERT_EQ(runTool({"sh", "-c", "echo 'the comment' | zip -q -z info.zip"}).exitCode, 0);
    // An archive with data in front of it, as a self-extractor has.
    writeFile("stub.zip", "#!/bin/sh\necho stub\nexit 0\n" + readFile("info.zip"));
    runTool({"zip", "-q", "-A", "stub.zip"});
    for (const std::string archive : {"seven.zip", "libarchive.zip", "info.zip", "stub.zip"}) {
        SCOPED_TRACE(archive);
        const ArchiveInfo before = readArchive(archive);
        ASSERT_EQ(before.members.size(), 2u);
        const CallResult r = callEngine(archive, {"new.txt"});
        ASSERT_EQ(r.result, 1) << r.dump();
        const ArchiveInfo after = readArchive(archive);
        ASSERT_EQ(after.names(), (std::vector<std::string>{"a.txt", "b.bin", "new.txt"}));
        for (const std::string name : {"a.txt", "b.bin"})
            EXPECT_EQ(after.find(name)->record, before.find(name)->record) << name;
        EXPECT_EQ(checkWithTools(archive, archive == "stub.zip"), "");
    }
    EXPECT_EQ(readFile("stub.zip").substr(0, 9), "#!/bin/sh");
    const char *script = "import zipfile\nassert zipfile.ZipFile('info.zip').comment == b'the comment'\n";
    const RunResult comment = runTool({"python3", "-c", script});
    EXPECT_EQ(comment.exitCode, 0) << comment.out;
}

// A member of 4 GiB and more: the ZIP64 sizes in both headers, and ZIP64
// offsets for what follows it. Writing and checking it takes minutes and
// 8 GiB of disk, so it runs only on request (--gtest_also_run_disabled_tests).
TEST(Interop, DISABLED_MemberOf4GiB)
{
    ScratchDir dir;
    const int fd = ::open("huge.bin", O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, (off_t(1) << 32) + 12345), 0);  // sparse zeros
    ASSERT_EQ(::pwrite(fd, "end", 3, (off_t(1) << 32) + 12000), 3);
    ::close(fd);
    writeFile("small.txt", "small");
    Flags flags;
    flags.level = 0;  // stored, so that the archive itself passes 4 GiB
    const CallResult r = callEngine("huge.zip", {"small.txt", "huge.bin", "small.txt"}, flags);
    ASSERT_EQ(r.result, 2) << r.dump();
    const ArchiveInfo info = readArchive("huge.zip");
    EXPECT_EQ(info.find("huge.bin")->unpackedSize, (uint64_t(1) << 32) + 12345);
    EXPECT_TRUE(info.find("huge.bin")->centralZip64);
    writeFile("after.txt", "after");
    ASSERT_EQ(callEngine("huge.zip", {"after.txt"}, flags).result, 1);  // its offset needs ZIP64
    EXPECT_TRUE(readArchive("huge.zip").find("after.txt")->centralZip64);
    EXPECT_EQ(checkWithTools("huge.zip"), "");
}
