// Archives written by other tools: what Info-ZIP's zip and Python's zipfile
// write, the reader must list as they list it.

#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace ziptest;

namespace {

// Name, compressed size and uncompressed size of every member, one per line,
// in central-directory order, as Python's zipfile sees them.
std::string pythonListing(const std::string &archive)
{
    const auto r = run({"python3", "-c",
                        "import sys, zipfile\n"
                        "for i in zipfile.ZipFile(sys.argv[1]).infolist():\n"
                        "    sys.stdout.buffer.write(i.orig_filename.encode('utf-8') + b'|%d|%d\\n' % "
                        "(i.compress_size, i.file_size))\n",
                        archive});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return r.out;
}

std::string ourListing(const Listing &listing)
{
    std::string out;
    for (const auto &e : listing.entries)
        out +=
            e.DisplayName() + "|" + std::to_string(e.TruePackedSize) + "|" + std::to_string(e.TrueUnpackedSize) + "\n";
    return out;
}

void makeTree(const TempDir &dir)
{
    std::filesystem::create_directories(dir.file("tree/sub/deeper"));
    dir.write("tree/small.txt", "small\n");
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "line " + std::to_string(i) + " of a text that compresses well\n";
    dir.write("tree/sub/large.txt", text);
    std::string noise;
    uint32_t x = 1;
    for (int i = 0; i < 70000; ++i)
        noise += char((x = x * 1664525u + 1013904223u) >> 24);
    dir.write("tree/sub/deeper/noise.bin", noise);
    dir.write("tree/empty", "");
}

#define REQUIRE_PROGRAMS(...)           \
    for (const char *p : {__VA_ARGS__}) \
        if (!haveProgram(p))            \
            GTEST_SKIP() << p << " not found";

}  // namespace

TEST(Interop, InfoZipArchiveWrittenToAFile)
{
    REQUIRE_PROGRAMS("zip", "python3");
    TempDir dir;
    makeTree(dir);
    const auto r = run({"zip", "-q", "-r", "out.zip", "tree"}, {}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto listing = listArchive(dir.file("out.zip"));
    EXPECT_EQ(listing.error, "");
    EXPECT_EQ(listing.entries.size(), 7u);
    EXPECT_EQ(ourListing(listing), pythonListing(dir.file("out.zip")));
}

TEST(Interop, InfoZipArchiveStreamedToAPipe)
{
    // Written to stdout zip cannot seek back: every member defers its sizes
    // to a data descriptor.
    REQUIRE_PROGRAMS("zip", "python3", "sh");
    TempDir dir;
    makeTree(dir);
    const auto r = run({"sh", "-c", "zip -q -r - tree | cat > streamed.zip"}, {}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto listing = listArchive(dir.file("streamed.zip"));
    EXPECT_EQ(listing.error, "");
    ASSERT_FALSE(listing.entries.empty());
    EXPECT_TRUE(listing.entries[1].GeneralFlags & 0x08);
    EXPECT_EQ(ourListing(listing), pythonListing(dir.file("streamed.zip")));

    // The same behind a self-extractor stub, offsets not adjusted.
    std::ifstream in(dir.file("streamed.zip"), std::ios::binary);
    const std::string archive((std::istreambuf_iterator<char>(in)), {});
    const std::string stub = std::string("#!/bin/sh\necho this is a stub\nexit 0\n") + std::string(3, '#');
    ASSERT_EQ(stub.size() % 4, 0u);
    const auto withStub = listArchive(dir.write("sfx.zip", stub + archive));
    EXPECT_EQ(withStub.error, "");
    EXPECT_EQ(ourListing(withStub), ourListing(listing));
}

TEST(Interop, PythonStreamedMembersWithZip64Descriptors)
{
    REQUIRE_PROGRAMS("python3");
    TempDir dir;
    // An unseekable target makes zipfile use data descriptors; force_zip64
    // gives 64-bit sizes there while the directory has no ZIP64 block.
    const auto r = run({"python3", "-c",
                        "import sys, zipfile\n"
                        "class Pipe:\n"
                        "    def __init__(self, f): self.f = f\n"
                        "    def write(self, b): return self.f.write(b)\n"
                        "    def flush(self): self.f.flush()\n"
                        "with open(sys.argv[1], 'wb') as f:\n"
                        "    with zipfile.ZipFile(Pipe(f), 'w', zipfile.ZIP_DEFLATED) as z:\n"
                        "        for i, name in enumerate(['one.txt', 'caf\\u00e9/two.txt', 'three.bin']):\n"
                        "            with z.open(name, 'w', force_zip64=(i != 1)) as m:\n"
                        "                m.write((name * (100 * i + 1)).encode())\n"
                        "        z.writestr('stored', b'PK\\x03\\x04PK\\x07\\x08', zipfile.ZIP_STORED)\n",
                        dir.file("py.zip")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto listing = listArchive(dir.file("py.zip"));
    EXPECT_EQ(listing.error, "");
    ASSERT_EQ(listing.entries.size(), 4u);
    EXPECT_EQ(listing.entries[1].DisplayName(), "caf\xC3\xA9/two.txt");
    EXPECT_EQ(ourListing(listing), pythonListing(dir.file("py.zip")));
}
