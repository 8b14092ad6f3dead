// What an extracted file or folder keeps of its entry besides the data: a
// sparse file's holes, a folder's time.
#include "OtherFormatsTesting.h"

#include "support/ArchiveBuilder.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace otherformats;
using namespace otherformats_test;

namespace {

std::string readAt(const std::string &path, uint64_t offset, size_t length)
{
    std::string bytes(length, '\1');
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const ssize_t got = fd < 0 ? -1 : ::pread(fd, bytes.data(), length, off_t(offset));
    if (fd >= 0)
        ::close(fd);
    bytes.resize(got < 0 ? 0 : size_t(got));
    return bytes;
}

}  // namespace

TEST(OtherFormatsAttributes, SparseEntryLargerThanTheDiskExtractsWithItsHoles)
{
    if (!ziptest::haveProgram("tar"))
        GTEST_SKIP() << "tar makes the archives";
    ziptest::TempDir dir;
    // Larger than the free space, which the holes take none of; a few bytes
    // at the start and 1 GiB in, a hole at the end.
    struct statvfs disk {};
    ASSERT_EQ(::statvfs(dir.path().c_str(), &disk), 0);
    const uint64_t size = (uint64_t(disk.f_bavail) * disk.f_frsize >> 30 << 30) + (2ull << 30);
    constexpr uint64_t tailAt = 1ull << 30;
    ASSERT_TRUE(ziptest::writeSparseFile(dir / "sparse", "head", tailAt - 4, "tail"));
    ASSERT_EQ(::truncate((dir / "sparse").c_str(), off_t(size)), 0);
    for (const char *format : {"gnu", "posix"}) {
        SCOPED_TRACE(format);
        const std::string archive = dir / (std::string(format) + ".tar");
        ASSERT_TRUE(make(std::string("tar -S --format=") + format + " -cf " + archive + " sparse", dir.path()));
        ziptest::TempDir target;
        ExtractOptions options;
        options.target = target.path();
        const ExtractResult result = extract(archive, options);
        EXPECT_TRUE(result.problems.empty()) << result.problems.front().text;
        const std::string file = target / "sparse";
        const struct stat written = ziptest::statOf(file);
        EXPECT_EQ(uint64_t(written.st_size), size);
        EXPECT_LT(uint64_t(written.st_blocks) * 512, 1u << 20);
        EXPECT_EQ(readAt(file, 0, 4), "head");
        EXPECT_EQ(readAt(file, tailAt, 4), "tail");
        EXPECT_EQ(readAt(file, size - 4, 4), std::string(4, '\0'));
    }
}

TEST(OtherFormatsAttributes, FoldersThisRunMakesGetTheirStoredTimesAfterTheirContents)
{
    ziptest::TempDir dir;
    ziptest::makeDirs(dir / "d/sub");
    ziptest::writeFile(dir / "d/sub/f.txt", "f");
    ziptest::writeFile(dir / "d/g.txt", "g");
    ziptest::setMtime(dir / "d/sub", 1000000000);
    ziptest::setMtime(dir / "d", 1100000000);
    struct Case {
        const char *entries;  // in the archive's order
        bool existing;        // d is in the target beforehand, and keeps its own time
    };
    const Case cases[] = {
        {"d d/sub d/sub/f.txt d/g.txt", false},
        {"d/sub/f.txt d/sub d/g.txt d", false},
        {"d d/sub d/sub/f.txt d/g.txt", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.entries);
        ASSERT_TRUE(make(std::string("tar --no-recursion -cf a.tar ") + c.entries, dir.path()));
        ziptest::TempDir target;
        if (c.existing)
            ziptest::makeDirs(target / "d");
        ExtractOptions options;
        options.target = target.path();
        EXPECT_EQ(extract(dir / "a.tar", options).placed, 2u);
        EXPECT_EQ(ziptest::mtimeOf(target / "d/sub"), 1000000000);
        EXPECT_EQ(ziptest::mtimeOf(target / "d") == 1100000000, !c.existing);
    }
}
