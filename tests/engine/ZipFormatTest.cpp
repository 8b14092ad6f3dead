// The shared ZIP structures: extra fields, end-record location, the walk over
// the central directory, the buffered reader.

#include "ArchiveBuilder.h"

#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/ZipRecords.h"

#include <gtest/gtest.h>

using namespace zipformat;
using namespace ziptest;

namespace {

Bytes bytesOf(const std::string &s)
{
    return Bytes(reinterpret_cast<const uint8_t *>(s.data()), s.size());
}

Member stored(std::string name, std::string data)
{
    Member m;
    m.name = std::move(name);
    m.data = std::move(data);
    return m;
}

}  // namespace

TEST(ExtraField, WalksBlocksAndStopsAtOneThatRunsPastTheEnd)
{
    std::string field = extraBlock(0x5455, "12345") + extraBlock(0x7875, "") + extraBlock(0x0001, "12345678");
    field += std::string("\x01\x00\x10\x00" "short", 9);   // declares 16 bytes, holds 5
    ExtraFieldIterator it(bytesOf(field));
    std::vector<uint16_t> ids;
    while (auto b = it.next())
        ids.push_back(b->id);
    EXPECT_EQ(ids, (std::vector<uint16_t>{0x5455, 0x7875, 0x0001}));

    EXPECT_EQ(findExtraBlock(bytesOf(field), 0x0001)->size(), 8u);
    EXPECT_FALSE(findExtraBlock(bytesOf(field), 0x9999));
    EXPECT_FALSE(findExtraBlock(bytesOf(std::string("\x01\x00\x08", 3)), 0x0001));
}

TEST(ExtraField, Zip64ValuesFollowTheMarkedFieldsInOrder)
{
    std::string data;
    put64(data, 111);
    put64(data, 222);
    put64(data, 333);
    put32(data, 7);
    const Bytes all = bytesOf(data);

    auto v = parseZip64Block(all, {.unpackedSize = true, .packedSize = true, .headerOffset = true, .diskStart = true});
    EXPECT_EQ(v.unpackedSize, 111u);
    EXPECT_EQ(v.packedSize, 222u);
    EXPECT_EQ(v.headerOffset, 333u);
    EXPECT_EQ(v.diskStart, 7u);

    // Only the header offset marked: it is the first value.
    v = parseZip64Block(all, {.headerOffset = true});
    EXPECT_FALSE(v.unpackedSize);
    EXPECT_EQ(v.headerOffset, 111u);

    // Too short for what is marked: the values that fit, none made up.
    v = parseZip64Block(all.first(12), {.unpackedSize = true, .packedSize = true});
    EXPECT_EQ(v.unpackedSize, 111u);
    EXPECT_FALSE(v.packedSize);

    // A local block holds both sizes, even when only one is marked.
    v = parseLocalZip64Block(all.first(16), false, true);
    EXPECT_FALSE(v.unpackedSize);
    EXPECT_EQ(v.packedSize, 222u);
    v = parseLocalZip64Block(all.first(8), false, true);
    EXPECT_EQ(v.packedSize, 111u);
}

TEST(ExtraField, ExtendedTimestampInLocalAndCentralForm)
{
    std::string local("\x07", 1);
    put32(local, 1700000000);
    put32(local, 1700000100);
    put32(local, 0xFFFFFFFF);
    auto t = parseExtendedTimestamp(bytesOf(local));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->modified, 1700000000);
    EXPECT_EQ(t->accessed, 1700000100);
    EXPECT_EQ(t->created, -1);

    // The central form keeps the local flags but carries the modification time only.
    t = parseExtendedTimestamp(bytesOf(local.substr(0, 5)));
    EXPECT_EQ(t->modified, 1700000000);
    EXPECT_FALSE(t->accessed);

    // Access time alone.
    std::string accessOnly("\x02", 1);
    put32(accessOnly, 42);
    t = parseExtendedTimestamp(bytesOf(accessOnly));
    EXPECT_FALSE(t->modified);
    EXPECT_EQ(t->accessed, 42);

    EXPECT_FALSE(parseExtendedTimestamp({}));
}

TEST(CentralDirectory, LocatesAndWalksAPlainArchive)
{
    ArchiveBuilder b;
    b.add(stored("a", "1")).add(stored("b", "22"));
    b.comment = "hello";
    Layout layout;
    const std::string bytes = b.build(&layout);
    const MemorySource source(bytesOf(bytes));
    const auto loc = locateCentralDirectory(source);
    ASSERT_TRUE(loc);
    EXPECT_EQ(loc->endRecordOffset, layout.endRecordOffset);
    EXPECT_EQ(loc->fileOffset(), layout.centralDirectoryOffset);
    EXPECT_EQ(loc->entries, 2u);
    EXPECT_EQ(loc->commentLength, 5);
    EXPECT_EQ(loc->archiveStart, 0u);
    EXPECT_FALSE(loc->zip64EndRecordOffset);

    CentralDirectoryReader reader(source, *loc);
    auto first = reader.next();
    ASSERT_TRUE(first);
    EXPECT_EQ(std::string(first->name.begin(), first->name.end()), "a");
    EXPECT_EQ(first->headerOffset, layout.headerOffsets[0]);
    auto second = reader.next();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->packedSize, 2u);
    EXPECT_EQ(second->crc, crc32Of("22"));
    EXPECT_FALSE(reader.next());
}

TEST(CentralDirectory, EndRecordSignatureInsideTheCommentIsNotTaken)
{
    ArchiveBuilder b;
    b.add(stored("a", "1"));
    // A whole fake end record in the comment, with an empty comment of its own.
    b.comment = "before " + endRecord(9, 0, 0) + " after";
    Layout layout;
    const std::string bytes = b.build(&layout);
    const auto loc = locateCentralDirectory(MemorySource(bytesOf(bytes)));
    ASSERT_TRUE(loc);
    EXPECT_EQ(loc->endRecordOffset, layout.endRecordOffset);
    EXPECT_EQ(loc->entries, 1u);

    // With bytes after the comment there is no exact fit; the fake record
    // comes first from the end but points at no directory.
    const std::string withTrailer = bytes + "junk";
    const auto trailing = locateCentralDirectory(MemorySource(bytesOf(withTrailer)));
    ASSERT_TRUE(trailing);
    EXPECT_EQ(trailing->endRecordOffset, layout.endRecordOffset);
}

TEST(CentralDirectory, Zip64RecordsAreResolved)
{
    ArchiveBuilder b;
    Member m = stored("z", "zz");
    m.zip64 = true;
    b.add(m);
    b.zip64EndRecord = true;
    Layout layout;
    const std::string bytes = b.build(&layout);
    const MemorySource source(bytesOf(bytes));
    const auto loc = locateCentralDirectory(source);
    ASSERT_TRUE(loc);
    EXPECT_EQ(loc->entries, 1u);
    EXPECT_EQ(loc->fileOffset(), layout.centralDirectoryOffset);
    CentralDirectoryReader reader(source, *loc);
    const auto record = reader.next();
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->hasZip64Extra);
    EXPECT_EQ(record->storedPackedSize, 0xFFFFFFFFu);
    EXPECT_EQ(record->packedSize, 2u);
    EXPECT_EQ(record->unpackedSize, 2u);

    // Markers in the end record but no ZIP64 record to resolve them.
    std::string broken = bytes;
    const size_t locator = layout.endRecordOffset - 20;
    broken[locator] = 'X';
    EXPECT_FALSE(locateCentralDirectory(MemorySource(bytesOf(broken))));
}

TEST(CentralDirectory, DamagedDirectoriesEndTheWalkOrAreNotFound)
{
    EXPECT_FALSE(locateCentralDirectory(MemorySource(bytesOf(""))));
    EXPECT_FALSE(locateCentralDirectory(MemorySource(bytesOf(std::string(21, '\0')))));
    // The directory claims more bytes than lie before the end record.
    EXPECT_FALSE(locateCentralDirectory(MemorySource(bytesOf(endRecord(1, 100, 0)))));

    ArchiveBuilder b;
    b.add(stored("a", "1")).add(stored("b", "2"));
    Layout layout;
    std::string bytes = b.build(&layout);
    // The second record's name length now runs past the directory.
    const size_t second = bytes.find(std::string("PK\x01\x02", 4), layout.centralDirectoryOffset + 4);
    bytes[second + 28] = '\x7F';
    const MemorySource source(bytesOf(bytes));
    const auto loc = locateCentralDirectory(source);
    ASSERT_TRUE(loc);
    CentralDirectoryReader reader(source, *loc);
    EXPECT_TRUE(reader.next());
    EXPECT_FALSE(reader.next());
    EXPECT_FALSE(reader.next());
}

TEST(BufferedReader, ReadsAcrossRefillsAndNeverPastTheEnd)
{
    std::string data;
    for (int i = 0; i < 1000; ++i)
        data += char('a' + i % 26);
    const MemorySource source(bytesOf(data));
    BufferedReader in(source, 64);

    char buf[200];
    ASSERT_EQ(in.read(buf, 50), 50u);
    ASSERT_EQ(in.read(buf, 100), 100u);   // crosses a refill
    EXPECT_EQ(std::string(buf, 100), data.substr(50, 100));
    EXPECT_EQ(in.skip(10), 160u);
    ASSERT_EQ(in.read(buf, 3), 3u);
    EXPECT_EQ(std::string(buf, 3), data.substr(160, 3));
    EXPECT_EQ(in.seek(5), 5u);             // back into what was read before
    ASSERT_EQ(in.read(buf, 4), 4u);
    EXPECT_EQ(std::string(buf, 4), data.substr(5, 4));

    EXPECT_EQ(in.seek(995), 995u);
    EXPECT_EQ(in.read(buf, 10), 5u);
    EXPECT_EQ(in.read(buf, 1), 0u);
    EXPECT_EQ(in.seek(5000), 1000u);
    EXPECT_EQ(in.seek(10), 10u);
    EXPECT_EQ(in.skip(~0ull), 1000u);
}
