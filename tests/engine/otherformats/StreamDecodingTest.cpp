// Compressed tarballs decoded on the reader's own decoding thread against
// the same bytes through libarchive's filters: the same entries and data,
// the same verdict, and damage told where libarchive's filter lets it pass.
#include "engine/otherformats/ArchiveSource.h"
#include "engine/otherformats/Confinement.h"

#include "support/Compress.h"
#include "support/Files.h"
#include "support/TarBuilder.h"

#include <archive.h>
#include <bzlib.h>
#include <gtest/gtest.h>
#include <lzma.h>
#include <zlib.h>

#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace otherformats;

namespace {

// Text that packs well and noise that does not, in entries across several
// of the decoding thread's blocks.
std::string content()
{
    std::vector<ziptest::TarEntry> entries;
    uint32_t seed = 12345;
    for (int i = 0; i < 24; ++i) {
        std::string data;
        for (size_t n = 0; n < 40000u + 20000u * unsigned(i % 5); ++n) {
            seed = seed * 1103515245u + 12345u;
            data += i % 2 ? char(seed >> 24) : char('a' + (n * 7 + size_t(i)) % 26);
        }
        ziptest::TarEntry entry;
        entry.name = "d/f" + std::to_string(i);
        entry.data = std::move(data);
        entries.push_back(std::move(entry));
    }
    return ziptest::tarArchive(entries);
}

std::string gzipped(const std::string &in)
{
    z_stream z{};
    deflateInit2(&z, 6, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, uLong(in.size())), '\0');
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.data()));
    z.avail_in = uInt(in.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// Several blocks, as `xz -T2` writes, or one.
std::string xzed(const std::string &in, uint64_t blockSize = 0)
{
    lzma_stream s = LZMA_STREAM_INIT;
    lzma_mt mt{};
    mt.threads = 2;
    mt.block_size = blockSize;
    mt.preset = 1;
    mt.check = LZMA_CHECK_CRC64;
    if (lzma_stream_encoder_mt(&s, &mt) != LZMA_OK)
        return {};
    std::string out(in.size() + in.size() / 2 + 4096, '\0');
    s.next_in = reinterpret_cast<const uint8_t *>(in.data());
    s.avail_in = in.size();
    s.next_out = reinterpret_cast<uint8_t *>(out.data());
    s.avail_out = out.size();
    while (lzma_code(&s, LZMA_FINISH) == LZMA_OK) {
    }
    out.resize(s.total_out);
    lzma_end(&s);
    return out;
}

std::string bzipped(const std::string &in)
{
    std::string out(in.size() + in.size() / 100 + 600, '\0');
    auto length = unsigned(out.size());
    BZ2_bzBuffToBuffCompress(out.data(), &length, const_cast<char *>(in.data()), unsigned(in.size()), 9, 0, 0);
    out.resize(length);
    return out;
}

// Each half of `in` a stream of its own, one after the other.
std::string twoStreams(const std::string &in, std::string (*pack)(const std::string &))
{
    return pack(in.substr(0, in.size() / 2)) + pack(in.substr(in.size() / 2));
}

std::string flipped(std::string bytes, size_t fromEnd)
{
    bytes[bytes.size() - fromEnd] = char(bytes[bytes.size() - fromEnd] ^ 1);
    return bytes;
}

struct Reading {
    std::vector<std::string> names;
    std::string data;
    bool whole = false;
    std::string filter;
};

Reading readAll(const std::string &path, bool onAThread)
{
    Reading r;
    ArchiveSource source;
    source.decodeOnAThread(onAThread);
    std::string error;
    if (!source.open(path, std::nullopt, error))
        return r;
    r.filter = source.filterName();
    for (;;) {
        const ArchiveSource::Next next = source.next();
        if (next == ArchiveSource::Next::End)
            r.whole = true;
        if (next == ArchiveSource::Next::End || next == ArchiveSource::Next::Failed)
            return r;
        if (next == ArchiveSource::Next::Unreadable)
            continue;
        r.names.push_back(source.describe().name);
        char buffer[65536];
        la_ssize_t got;
        while ((got = archive_read_data(source.handle(), buffer, sizeof buffer)) > 0)
            r.data.append(buffer, size_t(got));
        if (got < 0)
            return r;
    }
}

bool startsWith(const std::vector<std::string> &longer, const std::vector<std::string> &shorter)
{
    return longer.size() >= shorter.size() && std::equal(shorter.begin(), shorter.end(), longer.begin());
}

}  // namespace

TEST(StreamDecoding, ReadsAsLibarchivesFiltersDoAndTellsTheDamageTheyMiss)
{
    const std::string tar = content();
    const std::string gz = gzipped(tar), xz = xzed(tar), zst = ziptest::zstdCompress(tar), bz2 = bzipped(tar);
    enum Expect {
        Same,          // entries, data and verdict alike
        AtLeastAsFar,  // both stop at the damage; ours gives all that libarchive's gave, maybe more
        Whole          // bytes after the last stream left alone, whether or not libarchive read into them
    };
    const struct {
        const char *name;
        std::string bytes;
        Expect expect;
    } cases[] = {
        {"a.tar.gz", gz, Same},
        {"members.tar.gz", twoStreams(tar, gzipped), Same},
        {"garbage-after.tar.gz", gz + "garbage", Same},
        {"zeros-after.tar.gz", gz + std::string(1000, '\0'), Same},
        {"member-head-then-garbage.tar.gz", gz + "\x1f\x8b\x08garbage", Same},
        {"cut.tar.gz", gz.substr(0, gz.size() * 6 / 10), AtLeastAsFar},
        {"a.tar.xz", xz, Same},
        {"blocks.tar.xz", xzed(tar, 256 * 1024), Same},
        {"streams-and-padding.tar.xz",
         twoStreams(tar, [](const std::string &s) { return xzed(s); }) + std::string(8, '\0'), Same},
        {"garbage-after.tar.xz", xz + "garbage", Whole},
        {"cut.tar.xz", xz.substr(0, xz.size() * 6 / 10), AtLeastAsFar},
        {"a.tar.zst", zst, Same},
        {"frames.tar.zst", twoStreams(tar, ziptest::zstdCompress), Same},
        {"garbage-after.tar.zst", zst + "garbage", AtLeastAsFar},
        {"cut.tar.zst", zst.substr(0, zst.size() * 6 / 10), AtLeastAsFar},
        {"a.tar.bz2", bz2, Same},
        {"streams.tar.bz2", twoStreams(tar, bzipped), Same},
        {"cut.tar.bz2", bz2.substr(0, bz2.size() * 6 / 10), AtLeastAsFar},
        {"lone.txt.gz", gzipped("lone text\n"), Same},
    };
    ziptest::TempDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.write(c.name, c.bytes);
        const Reading ours = readAll(path, true), theirs = readAll(path, false);
        EXPECT_EQ(ours.filter, theirs.filter);
        if (c.expect == Same) {
            EXPECT_EQ(ours.whole, theirs.whole);
            EXPECT_EQ(ours.names, theirs.names);
            EXPECT_TRUE(ours.data == theirs.data);
        } else {
            EXPECT_EQ(ours.whole, c.expect == Whole);
            EXPECT_FALSE(theirs.whole && c.expect == AtLeastAsFar);
            EXPECT_TRUE(startsWith(ours.names, theirs.names)) << ours.names.size() << " " << theirs.names.size();
            EXPECT_TRUE(ours.data.substr(0, theirs.data.size()) == theirs.data);
        }
    }
}

// A gzip trailer whose CRC or length does not match the data: libarchive's
// filter never looks, and passed such a tarball as whole.
TEST(StreamDecoding, AGzipWhoseTrailerDisagreesWithItsDataIsDamaged)
{
    const std::string tar = content(), gz = gzipped(tar);
    ziptest::TempDir dir;
    for (const size_t fromEnd : {size_t(8), size_t(2)}) {  // the CRC, the length
        SCOPED_TRACE(fromEnd);
        const std::string path = dir.write("t.tar.gz", flipped(gz, fromEnd));
        const Reading ours = readAll(path, true);
        EXPECT_FALSE(ours.whole);
        EXPECT_TRUE(ours.data == readAll(path, false).data);
    }
}

// The reader may start threads for its decoders, but no second process, and
// clone3 (whose flags a filter cannot see) answers as missing, so that the C
// library falls back on clone.
TEST(StreamDecoding, TheConfinedReaderMayStartThreadsButNoProcess)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (!confineThisProcess({.memoryBytes = 0, .cpuSeconds = 30}))
            ::_exit(10);
        bool ran = false;
        std::thread([&ran] { ran = true; }).join();
        if (!ran)
            ::_exit(11);
        if (::fork() != -1 || errno != EPERM)
            ::_exit(12);
        if (::syscall(SYS_clone3, nullptr, 0) != -1 || errno != ENOSYS)
            ::_exit(13);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
