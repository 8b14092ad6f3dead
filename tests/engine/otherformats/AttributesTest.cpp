// What an extracted file keeps of its entry besides the data: a sparse
// file's holes.
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
