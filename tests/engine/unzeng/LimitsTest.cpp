// What an archive can make the extraction spend: decoder memory declared in
// a member's own header, directory depth, disk space.

#include "support/ArchiveBuilder.h"
#include "support/Compress.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>

using namespace ziptest;

namespace {

void put32(std::string &out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += char(v >> (8 * i));
}

// Method 14 data for `content` whose header declares a `dictionary`-byte
// dictionary; the stream itself was made with a small one, which any larger
// dictionary decodes just as well.
std::string lzmaDeclaring(const std::string &content, uint32_t dictionary)
{
    std::string packed = zipLzma(content, false);
    std::string size;
    put32(size, dictionary);
    packed.replace(5, 4, size);
    return packed;
}

// A zstd frame for `content` whose header declares a window of 2^27 bytes
// instead of the frame's own small size.
std::string zstdDeclaringLargeWindow(const std::string &content)
{
    const std::string frame = zstdCompress(content);
    // A small input gives a single-segment frame with a one-byte size: the
    // descriptor goes, a window byte (2^(10+17)) comes in its place.
    const auto descriptor = uint8_t(frame.at(4));
    EXPECT_EQ(descriptor & 0xE3, 0x20) << "zstd laid out the frame header differently";
    return frame.substr(0, 4) + char(descriptor & 0x1F) + char(17 << 3) + frame.substr(6);
}

// An xz stream for `content` whose block header declares a 128 MiB
// dictionary (LZMA2 dictionary code 30); the header's CRC is made again.
std::string xzDeclaringLargeDictionary(const std::string &content)
{
    std::string xz = xzCompress(content);
    const size_t header = 12, headerSize = (uint8_t(xz.at(header)) + 1) * 4;
    const size_t filter = xz.find("\x21\x01", header + 2);  // LZMA2, one property byte
    EXPECT_LT(filter, header + headerSize) << "no LZMA2 filter in the first block header";
    xz[filter + 2] = char(30);
    std::string crc;
    put32(crc, crc32Of(xz.substr(header, headerSize - 4)));
    xz.replace(header + headerSize - 4, 4, crc);
    return xz;
}

Member packedEntry(const std::string &name, const std::string &content, uint16_t method, const std::string &packed)
{
    Member e = fileEntry(name, content, 0);
    e.method = method;
    e.packed = packed;
    return e;
}

class UnzengLimits : public ::testing::Test {
protected:
    // A decoder memory limit of 8 MiB, each decoder's share 2 MiB.
    void SetUp() override { ::setenv("ORVEX_UNZENG_MEMORY_MIB", "8", 1); }
    void TearDown() override { ::unsetenv("ORVEX_UNZENG_MEMORY_MIB"); }

    CallResult run(const std::vector<Member> &entries, const Options &options = {})
    {
        const std::string archive = files / "a.zip";
        writeFile(archive, buildZip(entries));
        return extract(archive, target.path(), options);
    }

    TempDir files, target;
};

TEST_F(UnzengLimits, DecodersThatNeedMoreMemoryThanAllowedAreRefused)
{
    // Each needs more than 8 MiB, but only because its header says so.
    Member lzma = packedEntry("lzma.bin", "", 14, lzmaDeclaring("abc", 0xE0000000u));
    lzma.unpackedSize = 16u << 20;  // the dictionary is capped at the size, still above the limit
    const std::vector<Member> hungry = {
        lzma, packedEntry("xz.bin", "xz data", 95, xzDeclaringLargeDictionary("xz data")),
        packedEntry("zstd.bin", "zstd data", 93, zstdDeclaringLargeWindow("zstd data"))};
    std::vector<Member> entries = hungry;
    // Modest needs of the same methods decode.
    entries.push_back(packedEntry("small.bin", "fine", 14, zipLzma("fine", false)));
    entries.push_back(packedEntry("small.xz", "xz fine", 95, xzCompress("xz fine")));
    entries.push_back(packedEntry("small.zst", "zstd fine", 93, zstdCompress("zstd fine")));
    const CallResult out = run(entries);

    EXPECT_EQ(listTree(target.path()), (std::vector<std::string>{"small.bin", "small.xz", "small.zst"})) << out.dump();
    EXPECT_EQ(out.result, 3);
    for (const Member &e : hungry)
        EXPECT_TRUE(out.hasError(e.name + ": it needs ", 2)) << e.name << "\n" << out.dump();
    EXPECT_TRUE(out.hasError("of memory to decode, more than the 8 MiB allowed", 2)) << out.dump();
}

TEST_F(UnzengLimits, ADecoderNeedingMoreThanItsShareRunsAlone)
{
    // 4 MiB of dictionary: above the 2 MiB share, within the 8 MiB limit.
    const std::string big(4u << 20, 'z');
    Options verbose;
    verbose.verbose = true;
    const std::string packed = lzmaDeclaring(big, 4u << 20);
    // Two of them in a row: the second waits for the first, the small ones
    // for neither.
    const CallResult out =
        run({packedEntry("first.bin", "1", 14, zipLzma("1", false)), packedEntry("big.bin", big, 14, packed),
             packedEntry("big2.bin", big, 14, packed), packedEntry("last.bin", "2", 14, zipLzma("2", false))},
            verbose);

    EXPECT_EQ(out.result, 4) << out.dump();
    EXPECT_EQ(readFile(target / "big.bin"), big);
    EXPECT_EQ(readFile(target / "big2.bin"), big);
    std::vector<std::string> alone;
    for (const Callback &e : out.messages())
        if (e.text.find("decoded alone") != std::string::npos)
            alone.push_back(e.text.substr(0, e.text.find(':')));
    EXPECT_EQ(alone, (std::vector<std::string>{"big.bin", "big2.bin"})) << out.dump();
}

// Reads `leaf` at the bottom of `depth` directories named "d", one level at
// a time: the whole path is longer than the system takes at once.
std::string readAtDepth(const std::string &root, size_t depth, const std::string &leaf)
{
    int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY);
    for (size_t i = 0; i < depth && fd >= 0; ++i) {
        const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    if (fd < 0)
        return "(missing)";
    const int file = ::openat(fd, leaf.c_str(), O_RDONLY);
    ::close(fd);
    std::string content(64, '\0');
    const ssize_t n = file < 0 ? -1 : ::read(file, content.data(), content.size());
    if (file >= 0)
        ::close(file);
    return n < 0 ? "(unreadable)" : content.substr(0, size_t(n));
}

TEST_F(UnzengLimits, ThousandsOfNestedDirectoriesExtractWithFewOpenFiles)
{
    constexpr size_t Depth = 3000;
    std::vector<Member> entries;
    std::string path;
    for (size_t i = 0; i < Depth; ++i) {
        path += "d/";
        entries.push_back(dirEntry(path));
        entries.back().externalAttributes = (040700u << 16) | 0x10;
    }
    entries.push_back(fileEntry(path + "bottom.txt", "deep"));
    entries.push_back(fileEntry("d/d/beside.txt", "shallow"));
    const std::string archive = files / "deep.zip";
    writeFile(archive, buildZip(entries));

    // Far fewer descriptors than directories: the depth must not cost one each.
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &previous), 0);
    rlimit lowered = previous;
    lowered.rlim_cur = std::min<rlim_t>(previous.rlim_cur, 256);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    const CallResult out = extract(archive, target.path());
    ::setrlimit(RLIMIT_NOFILE, &previous);

    EXPECT_TRUE(out.errors().empty()) << out.dump();
    EXPECT_EQ(out.result, 2);
    EXPECT_EQ(readAtDepth(target.path(), Depth, "bottom.txt"), "deep");
    EXPECT_EQ(readAtDepth(target.path(), 2, "beside.txt"), "shallow");
    // rm walks the tree by descriptor; TempDir's clean-up by whole paths
    // would take seconds at this depth.
    sh("rm -rf d", target.path());
}

TEST_F(UnzengLimits, AMemberLargerThanTheFreeSpaceIsSkippedBeforeWriting)
{
    // A petabyte declared in a Zip64 field; the data is one byte.
    Member huge = fileEntry("huge.bin", "x", 8);
    huge.unpackedSize = 0xFFFFFFFFu;
    std::string zip64 = {char(1), char(0), char(8), char(0)};
    put32(zip64, 0);
    put32(zip64, 1u << 18);  // 2^50 bytes
    huge.centralExtra = huge.localExtra = zip64;
    const CallResult out = run({huge, fileEntry("after.txt", "after")});

    EXPECT_TRUE(out.hasError("huge.bin: not enough free space to extract it: 1125899906842624 bytes needed", 50))
        << out.dump();
    EXPECT_EQ(out.errors().size(), 1u) << out.dump();
    EXPECT_EQ(listTree(target.path()), std::vector<std::string>{"after.txt"});
    EXPECT_EQ(out.result, 1);
}

}  // namespace
