// The tar.gz compression: members that any gunzip reads as one stream, the
// tar inside exactly the plain one, and a failing file stops it.

#include "engine/otherformats/ArchiveWriter.h"
#include "engine/otherformats/GzipMembers.h"
#include "tests/support/Files.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

using otherformats::GzipMembers;

// Decodes gzip members one after another, as gunzip does; counts them.
// `ok` false when a member is damaged or there is none.
struct Gunzipped {
    std::string bytes;
    int members = 0;
    bool ok = false;
};

Gunzipped gunzip(const std::string &in)
{
    Gunzipped out;
    size_t at = 0;
    while (at < in.size()) {
        z_stream z{};
        if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
            return out;
        z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.data() + at));
        z.avail_in = uInt(in.size() - at);
        int r = Z_OK;
        char buffer[65536];
        while (r == Z_OK) {
            z.next_out = reinterpret_cast<Bytef *>(buffer);
            z.avail_out = sizeof buffer;
            r = inflate(&z, Z_NO_FLUSH);
            out.bytes.append(buffer, sizeof buffer - z.avail_out);
        }
        at = in.size() - z.avail_in;
        inflateEnd(&z);
        if (r != Z_STREAM_END)
            return out;
        ++out.members;
    }
    out.ok = out.members > 0;
    return out;
}

TEST(GzipMembers, EveryStreamReadsBackWholeInMembersOfTheBlockSize)
{
    constexpr size_t block = GzipMembers::BlockBytes;
    struct Case {
        size_t size;
        unsigned threads;
        int members;
    };
    const Case cases[] = {
        {0, 2, 1},  // still a gzip file
        {1000, 1, 1}, {block, 2, 1}, {3 * block + 4567, 2, 4}, {5 * block, 1, 5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.size);
        // Text and random bytes in turns, written in pieces of odd sizes.
        std::string input = ziptest::textData(c.size / 2, 3) + ziptest::randomData(c.size - c.size / 2, 4);
        std::string out;
        GzipMembers gzip(6, c.threads, [&](const void *data, size_t length) {
            out.append(static_cast<const char *>(data), length);
            return 0;
        });
        for (size_t at = 0; at < input.size(); at += 100003)
            ASSERT_TRUE(gzip.write(input.data() + at, std::min<size_t>(100003, input.size() - at)));
        ASSERT_TRUE(gzip.finish());
        const Gunzipped back = gunzip(out);
        ASSERT_TRUE(back.ok);
        EXPECT_EQ(back.members, c.members);
        EXPECT_TRUE(back.bytes == input);
    }
}

TEST(GzipMembers, AFailingSinkStopsItWithItsErrorAndGetsNothingMore)
{
    int calls = 0;
    GzipMembers gzip(6, 2, [&](const void *, size_t) {
        ++calls;
        return ENOSPC;
    });
    const std::string input = ziptest::randomData(GzipMembers::BlockBytes);
    bool accepted = true;
    for (int i = 0; i < 6 && accepted; ++i)
        accepted = gzip.write(input.data(), input.size());
    EXPECT_FALSE(accepted && gzip.finish());
    EXPECT_EQ(gzip.error(), ENOSPC);
    EXPECT_EQ(calls, 1);
}

// What a writer of `format` puts in a file for the same three entries.
std::string written(const ziptest::TempDir &dir, otherformats::WriteFormat format)
{
    const std::string path = dir / "out";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    EXPECT_GE(fd, 0);
    std::string error;
    auto writer = otherformats::ArchiveWriter::open(fd, {.format = format, .level = 6, .threads = 2}, error);
    EXPECT_TRUE(writer) << error;
    const std::string data = ziptest::textData(3 * GzipMembers::BlockBytes, 5);
    bool takesData = false;
    otherformats::WriteEntry folder;
    folder.name = "dir/";
    folder.kind = otherformats::EntryKind::Directory;
    folder.mode = 0755;
    otherformats::WriteEntry file;
    file.name = "dir/a.txt";
    file.size = data.size();
    file.mode = 0644;
    file.modified = 1700000000;
    EXPECT_TRUE(writer->begin(folder, takesData) && writer->endEntry());
    EXPECT_TRUE(writer->begin(file, takesData) && takesData);
    EXPECT_TRUE(writer->write(data.data(), data.size()) && writer->endEntry() && writer->finish()) << writer->error();
    EXPECT_EQ(writer->written(), uint64_t(::lseek(fd, 0, SEEK_END)));
    writer.reset();
    ::close(fd);
    return ziptest::readFile(path);
}

TEST(GzipMembers, ATarGzHoldsExactlyThePlainTar)
{
    ziptest::TempDir dir;
    using otherformats::Compression;
    using otherformats::Container;
    const std::string tar = written(dir, {Container::Tar, Compression::None});
    const Gunzipped back = gunzip(written(dir, {Container::Tar, Compression::Gzip}));
    ASSERT_TRUE(back.ok);
    EXPECT_GT(back.members, 1);
    EXPECT_TRUE(back.bytes == tar);
}

}  // namespace
