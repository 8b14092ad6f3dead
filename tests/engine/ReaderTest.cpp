// The member-list reader: the walk over local headers, its errors, and what
// the list holds after each.

#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/Run.h"

#include "engine/ArchiveDirectoryReader.h"
#include "engine/ZipEngine.h"
#include "engine/zipformat/MemberTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace ziptest;
using Names = std::vector<std::string>;

namespace {

ArchiveBuilder threeMembers()
{
    ArchiveBuilder b;
    b.add(stored("a.txt", "alpha")).add(stored("dir/", "")).add(stored("dir/b.bin", std::string(1000, 'b')));
    return b;
}

// File descriptors of this process that point at `path`.
int openDescriptorsOf(const std::string &path)
{
    int count = 0;
    const std::string canonical = std::filesystem::canonical(path).string();
    DIR *d = opendir("/proc/self/fd");
    while (dirent *e = readdir(d)) {
        char target[4096];
        const std::string link = std::string("/proc/self/fd/") + e->d_name;
        const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
        if (n > 0 && std::string(target, size_t(n)) == canonical)
            ++count;
    }
    closedir(d);
    return count;
}

// What ends a walk over local headers in a file without an end record: a
// central-directory signature and padding to an end record's length, which
// no end record search takes for one.
std::string noEndRecord()
{
    return std::string("PK\x01\x02", 4) + std::string(18, '\0');
}

const std::string NoEndRecordError = "Error 6 reading Zip file: no usable end of central directory record";

}  // namespace

TEST(ArchiveReader, ListsMembersInFileOrderWithTheirStoredFields)
{
    ArchiveBuilder b = threeMembers();
    b.members[2].method = 8;  // the reader does not look at the data
    b.members[2].packed = b.members[2].data;
    b.members[2].localExtra = extraBlock(0x5455, std::string("\x01\x00\x00\x00\x00", 5));
    Layout layout;
    const auto listing = listBytes(b.build(&layout));

    EXPECT_EQ(listing.error, "");
    EXPECT_EQ(listing.dirUpdates, 1);
    ASSERT_EQ(listing.names(), (Names{"a.txt", "dir/", "dir/b.bin"}));
    const ArchiveEntry &e = listing.entries[2];
    EXPECT_EQ(e.VersionNeeded, 20);
    EXPECT_EQ(e.Method, 8);
    EXPECT_EQ(e.ModTime, SampleTime);
    EXPECT_EQ(e.ModDate, SampleDate);
    EXPECT_EQ(e.DosDateTime(), (uint32_t(SampleDate) << 16) | SampleTime);
    EXPECT_EQ(+e.Crc, crc32Of(std::string(1000, 'b')));
    EXPECT_EQ(+e.PackedSize, 1000u);
    EXPECT_EQ(+e.UnpackedSize, 1000u);
    EXPECT_EQ(e.TruePackedSize, 1000u);
    EXPECT_EQ(e.TrueUnpackedSize, 1000u);
    EXPECT_EQ(e.NameLength, 9);
    EXPECT_EQ(e.ExtraLength, 9);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(listing.entries[size_t(i)].HeaderOffset, layout.headerOffsets[size_t(i)]);
}

TEST(ArchiveReader, EndRecordAloneIsAnEmptyArchive)
{
    const auto listing = listBytes(endRecord());
    EXPECT_EQ(listing.error, "");
    EXPECT_TRUE(listing.entries.empty());
    EXPECT_EQ(listing.dirUpdates, 1);
}

TEST(ArchiveReader, EmptyFileAndNonArchiveFailWithError1AndNoMembers)
{
    for (const std::string &bytes : {std::string(), std::string("just some text, no signature in here\n"),
                                     std::string(4096, '\0'), std::string("PK\x03")}) {
        const auto listing = listBytes(bytes);
        EXPECT_EQ(listing.error, "Error 1 reading Zip File") << bytes.size();
        EXPECT_TRUE(listing.entries.empty());
        EXPECT_EQ(listing.dirUpdates, 0);
    }
}

TEST(ArchiveReader, ArchiveCutAfterLastMemberDataFailsWithError3KeepingEveryMember)
{
    const auto listing = listBytes(threeMembers().buildMembersOnly());
    EXPECT_EQ(listing.error, "Error 3 reading Zip file");
    EXPECT_EQ(listing.names(), (Names{"a.txt", "dir/", "dir/b.bin"}));
    EXPECT_EQ(listing.dirUpdates, 0);
}

TEST(ArchiveReader, DataMustEndAtLeast22BytesBeforeTheEnd)
{
    ArchiveBuilder b;
    b.add(stored("one", "1111")).add(stored("two", "2222"));
    const std::string members = b.buildMembersOnly();

    // Data ending exactly 22 bytes before the end is walked through.
    auto listing = listBytes(members + noEndRecord());
    EXPECT_EQ(listing.error, NoEndRecordError);
    EXPECT_EQ(listing.names(), (Names{"one", "two"}));

    // One byte further and the last member is the last record listed.
    b.members[1].localPackedSize = 5;
    listing = listBytes(b.buildMembersOnly() + noEndRecord());
    EXPECT_EQ(listing.error, "Error 3 reading Zip file");
    EXPECT_EQ(listing.names(), (Names{"one", "two"}));
}

TEST(ArchiveReader, WhatStaysListedAfterEachError)
{
    ArchiveBuilder b;
    b.add(stored("first", "1")).add(stored("second", "22"));
    const std::string good = b.buildMembersOnly();
    const std::string third = ArchiveBuilder().add(stored("third-with-a-longer-name", "333")).buildMembersOnly();

    // Header cut short (after the 22 bytes that the member before needs):
    // the half-read member is not listed.
    auto listing = listBytes(good + third.substr(0, 24));
    EXPECT_EQ(listing.error, "Error 2 reading Zip file");
    EXPECT_EQ(listing.names(), (Names{"first", "second"}));

    // Name cut short: the same.
    listing = listBytes(good + third.substr(0, 35));
    EXPECT_EQ(listing.error, "Error 2 reading Zip file");
    EXPECT_EQ(listing.names(), (Names{"first", "second"}));

    // Zeros instead of a directory: stepped through to the end.
    listing = listBytes(good + std::string(40, '\0'));
    EXPECT_EQ(listing.error, "Error 1 reading Zip File");
    EXPECT_EQ(listing.names(), (Names{"first", "second"}));
    EXPECT_EQ(listing.dirUpdates, 0);
}

TEST(ArchiveReader, NamesThatAreNoArchiveGiveAnEmptyListWithoutUpdate)
{
    TempDir dir;
    const std::string archive = dir.write("t.zip", threeMembers().build());
    TZipEngine engine;
    int updates = 0;
    engine.OnDirUpdate = [&](TZipEngine &sender) {
        EXPECT_EQ(&sender, &engine);
        ++updates;
    };
    engine.setZipFilename(archive);
    ASSERT_EQ(engine.EntryCount(), 3);

    for (const std::string &name : {dir.file("missing.zip"), dir.path(), std::string()}) {
        engine.setZipFilename(archive);
        updates = 0;
        engine.setZipFilename(name);
        EXPECT_EQ(engine.ZipFilename(), name);
        EXPECT_EQ(engine.EntryCount(), 0) << name;
        EXPECT_EQ(updates, 0) << name;
    }
    EXPECT_THROW(engine.Entries(0), std::out_of_range);
}

TEST(ArchiveReader, SettingTheSameNameReadsAgain)
{
    TempDir dir;
    const std::string archive = dir.write("t.zip", threeMembers().build());
    TZipEngine engine;
    int updates = 0;
    engine.OnDirUpdate = [&](TZipEngine &) { ++updates; };
    engine.setZipFilename(archive);
    EXPECT_EQ(engine.EntryCount(), 3);

    dir.write("t.zip", ArchiveBuilder().add(stored("only", "x")).build());
    engine.setZipFilename(archive);
    EXPECT_EQ(updates, 2);
    ASSERT_EQ(engine.EntryCount(), 1);
    EXPECT_EQ(engine.Entries(0).FileName, "only");
}

TEST(ArchiveReader, FileIsClosedBeforeDirUpdateAndAfterAFailure)
{
    TempDir dir;
    const std::string good = dir.write("good.zip", threeMembers().build());
    const std::string bad = dir.write("bad.zip", threeMembers().buildMembersOnly());
    TZipEngine engine;
    int openDuringUpdate = -1;
    engine.OnDirUpdate = [&](TZipEngine &sender) { openDuringUpdate = openDescriptorsOf(sender.ZipFilename()); };
    engine.setZipFilename(good);
    EXPECT_EQ(openDuringUpdate, 0);
    EXPECT_THROW(engine.setZipFilename(bad), EZipError);
    EXPECT_EQ(openDescriptorsOf(bad), 0);
}

TEST(ArchiveReader, UnreadableOrSpecialFilesCannotBeOpened)
{
    TempDir dir;
    // A FIFO would never end; it must fail at once rather than wait for a writer.
    const std::string fifo = dir.file("pipe.zip");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    auto listing = listArchive(fifo);
    EXPECT_EQ(listing.error, "Cannot open file " + fifo);
    EXPECT_TRUE(listing.entries.empty());
    EXPECT_EQ(listing.dirUpdates, 0);

    if (geteuid() != 0) {  // root reads anything
        const std::string locked = dir.write("locked.zip", endRecord());
        chmod(locked.c_str(), 0);
        EXPECT_EQ(listArchive(locked).error, "Cannot open file " + locked);
    }
}

TEST(ArchiveReader, StubBeforeTheArchiveIsPassedOverWhereverItEnds)
{
    ArchiveBuilder b;
    b.add(stored("ab", "1234"));
    // 16 bytes put the header on a 4-byte step, 5 bytes between two.
    for (const std::string &stub : {std::string("#!/bin/sh\nexit\n!"), std::string("MZ\x90\x00\x03", 5)}) {
        b.stub = stub;
        const auto listing = listBytes(b.build());
        EXPECT_EQ(listing.error, "") << stub.size();
        EXPECT_EQ(listing.names(), Names{"ab"}) << stub.size();
    }
}

TEST(ArchiveReader, NameEndsAtItsFirstZeroByte)
{
    const auto listing = listBytes(ArchiveBuilder().add(stored(std::string("abc\0def", 7), "x")).build());
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0].FileName, "abc");
    EXPECT_EQ(listing.entries[0].NameLength, 7);
}

TEST(ArchiveReader, ALocalHeaderOutsideTheDirectoryIsNotListedButReported)
{
    ArchiveBuilder b = threeMembers();
    b.members[1].inCentralDirectory = false;
    Layout layout;
    const auto listing = listBytes(b.build(&layout));
    EXPECT_EQ(listing.names(), (Names{"a.txt", "dir/b.bin"}));
    EXPECT_NE(listing.error.find("1 local header (the first at offset " + std::to_string(layout.headerOffsets[1])
                                 + ") belongs to no entry"),
              std::string::npos)
        << listing.error;
}

// ---- Names longer than 256 bytes ----------------------------------------

TEST(ArchiveReader, LongNamesAreReadWhole)
{
    const std::string name300 = std::string(296, 'n') + ".txt";
    const std::string name65535 = std::string(65535, 'L');
    ArchiveBuilder b;
    b.add(stored(name300, "x")).add(stored(name65535, "yy")).add(stored("after", "z"));
    const auto listing = listBytes(b.build());
    EXPECT_EQ(listing.error, "");
    ASSERT_EQ(listing.entries.size(), 3u);
    EXPECT_EQ(listing.entries[0].FileName, name300);
    EXPECT_EQ(listing.entries[1].FileName, name65535);
    EXPECT_EQ(listing.entries[1].NameLength, 65535);
    EXPECT_EQ(listing.entries[2].FileName, "after");
}

// ---- Sizes deferred to a data descriptor ---------------------------------

TEST(ArchiveReader, DeferredSizesComeFromTheCentralDirectory)
{
    // Stored data holding what looks like a descriptor and a whole local
    // header, on a 4-byte step: stepping through it would list a phantom.
    std::string fake = ArchiveBuilder().add(stored("phantom", "boo")).buildMembersOnly();
    std::string tricky = std::string("PK\x07\x08", 4) + "crc!" + fake + std::string(2, 'p');

    for (const bool signature : {true, false}) {
        ArchiveBuilder b;
        Member m1 = streamed("streamed.bin", tricky);
        m1.descriptorSignature = signature;
        Member m3 = streamed("empty-streamed", "");
        m3.descriptorSignature = signature;
        b.add(m1).add(stored("plain.txt", "plain")).add(m3).add(stored("last", "!"));
        const auto listing = listBytes(b.build());
        EXPECT_EQ(listing.error, "") << signature;
        ASSERT_EQ(listing.names(), (Names{"streamed.bin", "plain.txt", "empty-streamed", "last"})) << signature;
        const ArchiveEntry &e = listing.entries[0];
        EXPECT_EQ(+e.PackedSize, 0u);  // as stored
        EXPECT_EQ(+e.UnpackedSize, 0u);
        EXPECT_EQ(+e.Crc, 0u);
        EXPECT_EQ(e.TruePackedSize, tricky.size());
        EXPECT_EQ(e.TrueUnpackedSize, tricky.size());
    }
}

TEST(ArchiveReader, Zip64DescriptorsAndEndRecords)
{
    ArchiveBuilder b;
    Member m = streamed("big-streamed", std::string(37, 'q'));
    m.zip64 = true;
    b.add(m).add(stored("after", "a"));
    b.zip64EndRecord = true;
    auto listing = listBytes(b.build());
    EXPECT_EQ(listing.error, "");
    ASSERT_EQ(listing.names(), (Names{"big-streamed", "after"}));
    EXPECT_EQ(+listing.entries[0].PackedSize, 0xFFFFFFFFu);
    EXPECT_EQ(listing.entries[0].TruePackedSize, 37u);

    // A writer that puts 64-bit sizes in the descriptor but no ZIP64 block in
    // the directory (Python's zipfile with force_zip64 on a stream); and one
    // that does the opposite.
    for (const bool centralZip64 : {false, true}) {
        b.members[0].centralZip64Extra = centralZip64;
        b.members[0].wideDescriptor = !centralZip64;
        listing = listBytes(b.build());
        EXPECT_EQ(listing.error, "");
        EXPECT_EQ(listing.names(), (Names{"big-streamed", "after"}));
    }
}

TEST(ArchiveReader, DeferredSizesWithAStubInFront)
{
    for (const bool adjusted : {false, true}) {
        ArchiveBuilder b;
        b.stub = std::string(8, 'S');
        b.offsetsIncludeStub = adjusted;
        b.comment = "comment with PK\x05\x06 inside";
        b.add(streamed("s1", std::string("PK\x03\x04", 4) + "trap")).add(stored("s2", "two"));
        for (const bool zip64End : {false, true}) {
            b.zip64EndRecord = zip64End;
            const auto listing = listBytes(b.build());
            EXPECT_EQ(listing.error, "") << adjusted << zip64End;
            EXPECT_EQ(listing.names(), (Names{"s1", "s2"})) << adjusted << zip64End;
            EXPECT_EQ(listing.entries.at(0).TruePackedSize, 8u);
        }
    }
}

TEST(ArchiveReader, DeferredMemberWithoutDirectoryRecordIsReportedOrSteppedThrough)
{
    ArchiveBuilder b;
    Member m = streamed("orphan", std::string(12, 'o'));
    m.inCentralDirectory = false;
    // Data and descriptor run a multiple of 4 bytes, so the stepping that
    // starts at the data lands on the next header.
    b.add(m).add(stored("next", "n"));
    auto listing = listBytes(b.build());
    EXPECT_NE(listing.error.find("belongs to no entry of the central directory"), std::string::npos) << listing.error;
    EXPECT_EQ(listing.names(), (Names{"next"}));

    // No directory at all: the stepping runs to the end of the file.
    listing = listBytes(b.buildMembersOnly());
    EXPECT_EQ(listing.error, "Error 3 reading Zip file");
    EXPECT_EQ(listing.names(), (Names{"orphan", "next"}));
}

TEST(ArchiveReader, DeferredMemberWhoseDirectorySizeRunsOutOfTheFile)
{
    ArchiveBuilder b;
    b.add(streamed("liar", "data"));
    std::string bytes = b.build();
    // Make the directory claim 2 GiB for the member.
    const size_t cd = bytes.find(std::string("PK\x01\x02", 4));
    bytes[cd + 20 + 3] = '\x7F';
    const auto listing = listBytes(bytes);
    EXPECT_NE(listing.error.find("skipping liar: its data runs into the central directory"), std::string::npos)
        << listing.error;
    EXPECT_TRUE(listing.names().empty());
}

// ---- ZIP64 sizes in the local header -------------------------------------

TEST(ArchiveReader, Zip64LocalSizesOfA5GiBMember)
{
    TempDir dir;
    const uint64_t fiveGiB = 5ull << 30;
    const std::string header =
        zip64LocalHeader("huge.bin", fiveGiB, extraBlock(0x5455, std::string("\x01\0\0\0\0", 5)));
    const std::string tail = ArchiveBuilder().add(stored("after", "a")).buildMembersOnly() + noEndRecord();
    // The data is a hole: the file has its full length but takes no space.
    const std::string path = dir.file("huge.zip");
    ASSERT_TRUE(writeSparseFile(path, header, fiveGiB, tail));

    const auto listing = listArchive(path);
    EXPECT_EQ(listing.error, NoEndRecordError);
    ASSERT_EQ(listing.names(), (Names{"huge.bin", "after"}));
    const ArchiveEntry &e = listing.entries[0];
    EXPECT_EQ(+e.PackedSize, 0xFFFFFFFFu);
    EXPECT_EQ(+e.UnpackedSize, 0xFFFFFFFFu);
    EXPECT_EQ(e.TruePackedSize, 5368709120u);
    EXPECT_EQ(e.TrueUnpackedSize, 5368709120u);
    EXPECT_EQ(listing.entries[1].HeaderOffset, header.size() + fiveGiB);
}

TEST(ArchiveReader, BrokenZip64BlocksAreReadSafely)
{
    struct Case {
        const char *what;
        std::string extra;
        std::string error;
        uint64_t truePacked;
    };
    std::string overlong;
    put16(overlong, 0x0001);
    put16(overlong, 16);  // declares 16 bytes, holds 8
    put64(overlong, 4);
    const Case cases[] = {
        {"block runs past the field", overlong, "Error 3 reading Zip file", 0xFFFFFFFF},
        {"block too short for a value", extraBlock(0x0001, "abc"), "Error 3 reading Zip file", 0xFFFFFFFF},
        {"size beyond any file", zip64Block({~0ull, ~0ull}), "Error 3 reading Zip file", ~0ull},
        {"one value for two marked fields", zip64Block({4}), "Error 3 reading Zip file", 0xFFFFFFFF},
        {"both values", zip64Block({4, 4}), NoEndRecordError, 4},
    };
    for (const Case &c : cases) {
        const auto listing = listBytes(localHeader("m", ~0u, ~0u, c.extra) + "data" + noEndRecord());
        EXPECT_EQ(listing.error, c.error) << c.what;
        ASSERT_EQ(listing.entries.size(), 1u) << c.what;
        EXPECT_EQ(listing.entries[0].TruePackedSize, c.truePacked) << c.what;
    }

    // An extra field that runs past the end of the file.
    const std::string cut = localHeader("m", ~0u, ~0u, zip64Block({1, 1}) + std::string(200, 'x')).substr(0, 60);
    const auto listing = listBytes(cut);
    EXPECT_EQ(listing.error, "Error 3 reading Zip file");
    EXPECT_EQ(listing.entries.size(), 1u);
}

// ---- Damaged archives -----------------------------------------------------

namespace {

ArchiveBuilder variedArchive()
{
    ArchiveBuilder b;
    // Deferred data and descriptors run a multiple of 4 bytes and hold no
    // signature: where the directory is cut off, stepping through them still
    // lands on the next header.
    Member unsigned_ = streamed("deferred-nosig", "abcd");
    unsigned_.descriptorSignature = false;
    Member z64 = stored("zip64", "sixty-four");
    z64.zip64 = true;
    Member z64d = streamed("zip64-deferred", "wide");
    z64d.zip64 = true;
    b.add(stored("plain", "hello"))
        .add(streamed("deferred", "no signature in here"))
        .add(unsigned_)
        .add(z64)
        .add(z64d)
        .add(stored(std::string(300, 'L'), "long"));
    b.stub = "STUB";
    b.zip64EndRecord = true;
    b.comment = "the end";
    return b;
}

bool isReaderError(const std::string &m)
{
    return m == "Error 1 reading Zip File" || m == "Error 2 reading Zip file" || m == "Error 3 reading Zip file"
           || m == "Error 4 reading Zip file" || m == "Error 5 reading Zip file" || m == NoEndRecordError
           || m.starts_with("The local headers and the central directory disagree; ");
}

// Reads `bytes` from an exactly sized heap block, so that a read past the end
// would leave it, and checks that the outcome is one the reader can give.
void expectOrderlyRead(const std::vector<uint8_t> &bytes, const std::string &what)
{
    std::vector<ArchiveEntry> entries;
    try {
        orvex::ArchiveDirectoryReader::read(zipformat::MemorySource(bytes), entries);
    } catch (const EZipError &e) {
        EXPECT_TRUE(isReaderError(e.what())) << what << ": " << e.what();
    }
    for (const auto &e : entries) {
        EXPECT_LE(e.HeaderOffset + 30 + e.FileName.size(), bytes.size()) << what;
        EXPECT_LE(e.FileName.size(), e.NameLength) << what;
    }
}

}  // namespace

TEST(ArchiveReader, CutAtEveryOffsetListsAPrefixAndNeverCrashes)
{
    const std::string full = variedArchive().build();
    const Names all = {"plain", "deferred", "deferred-nosig", "zip64", "zip64-deferred", std::string(300, 'L')};
    for (size_t cut = 0; cut <= full.size(); ++cut) {
        const std::vector<uint8_t> bytes(full.begin(), full.begin() + std::ptrdiff_t(cut));
        std::vector<ArchiveEntry> entries;
        std::string error;
        try {
            orvex::ArchiveDirectoryReader::read(zipformat::MemorySource(bytes), entries);
        } catch (const EZipError &e) {
            error = e.what();
            ASSERT_TRUE(isReaderError(error)) << cut << ": " << error;
        }
        // The data holds no signature on a 4-byte step, so a cut archive lists
        // its first members and nothing made up.
        ASSERT_LE(entries.size(), all.size()) << cut;
        for (size_t i = 0; i < entries.size(); ++i)
            ASSERT_EQ(entries[i].FileName, all[i]) << cut;
        if (cut == full.size()) {
            EXPECT_EQ(error, "");
        } else if (error.empty()) {
            EXPECT_EQ(entries.size(), all.size()) << cut;  // only a cut in the directory can succeed
        }
    }
}

TEST(ArchiveReader, CorruptedBytesNeverCrash)
{
    const std::string full = variedArchive().build();
    uint32_t seed = 12345;
    auto random = [&] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> bytes(full.begin(), full.end());
        for (int k = 0; k < 1 + round % 4; ++k) {
            const uint32_t r = random();
            bytes[r % bytes.size()] = (r & 0x100) ? 0xFF : uint8_t(random());
        }
        expectOrderlyRead(bytes, "round " + std::to_string(round));
    }
}

// ---- Local headers of many members, read in large pieces -----------------

namespace {

// Several megabytes of small members with a large one now and then, and
// local headers now and then longer than their directory records: the
// reads of the local headers cut the file at many different places.
// `localNameDiffers` picks the members whose local header names another file.
ArchiveBuilder manySmallMembers(const std::function<bool(size_t)> &localNameDiffers)
{
    ArchiveBuilder b;
    for (size_t i = 0; i < 60000; ++i) {
        Member m = stored("m" + std::to_string(i), std::string(i % 2000 == 0 ? 100000 : i % 7, 'x'));
        if (i % 13 == 0)
            m.localExtra = extraBlock(0xCAFE, std::string(300 + i % 11, 'e'));
        if (localNameDiffers(i))
            m.localName = "M" + std::to_string(i);
        b.add(m);
    }
    return b;
}

// A file cut short after its directory was read: reads that start past
// the cut find nothing, as they would after the file was truncated.
class TruncatedLater final : public zipformat::RandomAccessSource {
public:
    explicit TruncatedLater(const std::string &bytes) : bytes_(bytes) {}
    uint64_t size() const override { return bytes_.size(); }
    size_t readAt(uint64_t offset, void *buffer, size_t n) const override
    {
        const uint64_t end = std::min<uint64_t>(cut, bytes_.size());
        if (offset >= end)
            return 0;
        n = size_t(std::min<uint64_t>(n, end - offset));
        std::memcpy(buffer, bytes_.data() + offset, n);
        return n;
    }
    uint64_t cut = UINT64_MAX;

private:
    const std::string &bytes_;
};

}  // namespace

TEST(MemberTable, EveryLocalHeaderIsCheckedWhereverTheReadsCutTheFile)
{
    // Between the two archives, every member's local header disagrees once.
    for (const size_t odd : {0, 1}) {
        SCOPED_TRACE(odd);
        const auto listing = listBytes(manySmallMembers([&](size_t i) { return i % 2 == odd; }).build());
        ASSERT_EQ(listing.entries.size(), 30000u);
        for (size_t k = 0; k < listing.entries.size(); ++k)
            ASSERT_EQ(listing.entries[k].FileName, "m" + std::to_string(2 * k + 1 - odd));
        EXPECT_NE(listing.error.find("skipping m" + std::to_string(59998 + odd) + ": its local header names it"),
                  std::string::npos);
    }
}

TEST(MemberTable, HeadersPastTheEndOfAFileTruncatedWhileReadAreRefused)
{
    Layout layout;
    const std::string bytes = manySmallMembers([](size_t) { return false; }).build(&layout);
    struct Case {
        size_t firstLost;  // the member whose local header the cut reaches
        uint64_t into;     // how far into that header the file still goes
    };
    for (const Case c : {Case{0, 0}, Case{20000, 0}, Case{20000, 12}, Case{40001, 30 + 2}, Case{59999, 30 + 5}}) {
        SCOPED_TRACE(c.firstLost);
        SCOPED_TRACE(c.into);
        TruncatedLater source(bytes);
        // Cut once the directory has been read, as the local headers' pass begins.
        const auto table = zipformat::readMemberTable(source, [&](uint64_t members, uint64_t done, uint64_t) {
            if (done >= members)
                source.cut = layout.headerOffsets[c.firstLost] + c.into;
        });
        ASSERT_TRUE(table);
        ASSERT_EQ(table->members.size(), layout.headerOffsets.size());
        for (size_t i = 0; i < table->members.size(); ++i)
            ASSERT_EQ(table->members[i].problem.empty(), i < c.firstLost) << i << ": " << table->members[i].problem;
    }
}

TEST(MemberTable, HeadersCutBetweenThePiecesOfASplitArchiveAreReadWhole)
{
    Layout layout;
    const std::string bytes = manySmallMembers([](size_t) { return false; }).build(&layout);
    // The first cut of each set lies in a local header's fixed part, or in its name.
    for (const uint64_t into : {uint64_t(9), uint64_t(30 + 3)}) {
        SCOPED_TRACE(into);
        TempDir dir;
        const uint64_t piece = layout.headerOffsets[5000] + into;
        for (uint64_t at = 0, n = 1; at < bytes.size(); at += piece, ++n) {
            char suffix[8];
            std::snprintf(suffix, sizeof suffix, ".%03u", unsigned(n));
            writeFile(dir / ("v.zip" + std::string(suffix)), bytes.substr(at, piece));
        }
        const auto listing = listArchive(dir / "v.zip.001");
        EXPECT_EQ(listing.error, "");
        EXPECT_EQ(listing.entries.size(), layout.headerOffsets.size());
    }
}
