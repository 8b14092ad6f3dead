// The header records: ZIP64 fields appear exactly when a value does not fit.
// Checked through the shared parser, so both sides agree on the layout.

#include "engine/zipeng/OutputArchive.h"
#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/ZipRecords.h"

#include <gtest/gtest.h>

using namespace zipeng;
using namespace zipformat;

namespace {

MemberRecord sample(uint64_t packed, uint64_t unpacked, uint64_t offset)
{
    MemberRecord r;
    r.name = "big.bin";
    r.versionMadeBy = (3 << 8) | 30;
    r.versionNeeded = VersionDeflated;
    r.method = 8;
    r.crc = 0x12345678;
    r.packedSize = packed;
    r.unpackedSize = unpacked;
    r.localOffset = offset;
    r.extra = {0x55, 0x54, 5, 0, 1, 1, 2, 3, 4};
    return r;
}

}  // namespace

TEST(CentralRecord, Zip64OnlyForTheValuesThatNeedIt)
{
    struct Case {
        uint64_t packed, unpacked, offset;
        size_t zip64Length;
    };
    const Case cases[] = {
        {100, 200, 300, 0},
        {0xFFFFFFFE, 0xFFFFFFFE, 0xFFFFFFFE, 0},
        {100, 0xFFFFFFFF, 300, 8},  // the marker value itself needs ZIP64
        {0x100000000, 0x200000000, 300, 16},
        {100, 200, 0x300000000, 8},
        {0x100000000, 0x200000000, 0x300000000, 24},
    };
    for (const Case &c : cases) {
        std::vector<uint8_t> bytes;
        appendCentralRecord(bytes, sample(c.packed, c.unpacked, c.offset));
        const auto h = parseCentralHeader(bytes);
        ASSERT_TRUE(h);
        EXPECT_EQ(h->recordSize, bytes.size());
        EXPECT_EQ(h->packedSize, c.packed);
        EXPECT_EQ(h->unpackedSize, c.unpacked);
        EXPECT_EQ(h->headerOffset, c.offset);
        EXPECT_EQ(h->hasZip64Extra, c.zip64Length != 0);
        EXPECT_EQ(h->versionNeeded, c.zip64Length ? VersionZip64 : VersionDeflated);
        if (c.zip64Length) {
            EXPECT_EQ(findExtraBlock(h->extra, Zip64ExtraId)->size(), c.zip64Length);
        }
        // The other blocks follow unchanged.
        ASSERT_TRUE(findExtraBlock(h->extra, ExtendedTimestampId));
        EXPECT_EQ(parseExtendedTimestamp(*findExtraBlock(h->extra, ExtendedTimestampId))->modified, 0x04030201);
    }
}

TEST(LocalHeader, Zip64SizesWherePatchingExpectsThem)
{
    const MemberRecord r = sample(0x100000001, 0x100000002, 0);
    const std::vector<uint8_t> wide = buildLocalHeader(r, true);
    EXPECT_EQ(le32(&wide[18]), Zip64Marker32);
    EXPECT_EQ(le32(&wide[22]), Zip64Marker32);
    const Bytes extra(wide.data() + 30 + r.name.size(), le16(&wide[28]));
    const Zip64Values v = parseLocalZip64Block(*findExtraBlock(extra, Zip64ExtraId), true, true);
    EXPECT_EQ(v.unpackedSize, 0x100000002u);
    EXPECT_EQ(v.packedSize, 0x100000001u);
    EXPECT_EQ(le64(&wide[localZip64ValuesOffset(r)]), 0x100000002u);
}

TEST(EndRecords, Zip64ExactlyWhenNeeded)
{
    const std::vector<uint8_t> comment = {'h', 'i'};
    const auto small = buildEndRecords(0xFFFE, 1000, 2000, comment);
    EXPECT_EQ(small.size(), EndRecordSize + 2);
    EXPECT_EQ(parseEndRecord(small)->entries, 0xFFFE);

    for (const auto &[entries, offset, size] : {std::tuple<uint64_t, uint64_t, uint64_t>{0xFFFF, 1000, 2000},
                                                {5, 0x100000000, 2000},
                                                {5, 1000, 0xFFFFFFFF}}) {
        const auto end = buildEndRecords(entries, offset, size, comment);
        ASSERT_EQ(end.size(), Zip64EndRecordSize + Zip64LocatorSize + EndRecordSize + 2);
        const auto record = parseZip64EndRecord(end);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->entries, entries);
        EXPECT_EQ(record->centralDirectoryOffset, offset);
        EXPECT_EQ(record->centralDirectorySize, size);
        const auto locator = parseZip64Locator(Bytes(end).subspan(Zip64EndRecordSize));
        ASSERT_TRUE(locator);
        EXPECT_EQ(locator->endRecordOffset, offset + size);
        EXPECT_TRUE(parseEndRecord(Bytes(end).subspan(Zip64EndRecordSize + Zip64LocatorSize))->needsZip64());
    }
}
