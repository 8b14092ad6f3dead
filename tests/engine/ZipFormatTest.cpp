// The shared ZIP structures: headers, data descriptors, DOS times, UTF-8,
// extra fields, end-record location, the walk over the central directory,
// the buffered reader, Deflate's canonical codes.

#include "support/ArchiveBuilder.h"

#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/CanonicalCode.h"
#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/DosTime.h"
#include "engine/zipformat/Utf8.h"
#include "engine/zipformat/ZipRecords.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace zipformat;
using namespace ziptest;

namespace {

Bytes bytesOf(const std::string &s)
{
    return Bytes(reinterpret_cast<const uint8_t *>(s.data()), s.size());
}

// The time zone for the length of a test, so that local times are known.
class TimeZone {
public:
    explicit TimeZone(const char *zone)
    {
        if (const char *saved = std::getenv("TZ"))
            saved_ = saved;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZone()
    {
        if (saved_)
            ::setenv("TZ", saved_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> saved_;
};

}  // namespace

TEST(Headers, LocalAndCentralHeaderReadTheFieldsTheyShareAlike)
{
    Member m = stored("dir/name.txt", "hello");
    m.flags = FlagUtf8;
    m.localExtra = extraBlock(0x7875, "ab");
    Layout layout;
    const std::string zip = ArchiveBuilder().add(m).build(&layout);
    const auto local = parseLocalHeader(bytesOf(zip).subspan(layout.headerOffsets[0]));
    const auto central = parseCentralHeader(bytesOf(zip).subspan(layout.centralDirectoryOffset));
    ASSERT_TRUE(local);
    ASSERT_TRUE(central);
    for (const zipformat::HeaderFields *h : {static_cast<const zipformat::HeaderFields *>(&*local),
                                             static_cast<const zipformat::HeaderFields *>(&*central)}) {
        EXPECT_EQ(h->flags, FlagUtf8);
        EXPECT_EQ(h->method, MethodStored);
        EXPECT_EQ(h->modTime, SampleTime);
        EXPECT_EQ(h->modDate, SampleDate);
        EXPECT_EQ(h->crc, ziptest::crc32Of("hello"));
        EXPECT_EQ(h->storedPackedSize, 5u);
        EXPECT_EQ(h->storedUnpackedSize, 5u);
        EXPECT_EQ(h->nameLength, 12u);
    }
    EXPECT_EQ(local->extraLength, m.localExtra.size());
    EXPECT_EQ(local->recordSize(), 30u + 12u + m.localExtra.size());
    // The data follows the record.
    EXPECT_EQ(zip.substr(layout.headerOffsets[0] + local->recordSize(), 5), "hello");
}

TEST(Headers, LocalHeaderThatIsCutOrMisnamedIsNotRead)
{
    const std::string header = localHeader("a", 1, 1, "");
    EXPECT_TRUE(parseLocalHeader(bytesOf(header)));
    EXPECT_FALSE(parseLocalHeader(bytesOf(header.substr(0, 29))));
    std::string central = header;
    central[2] = 0x01, central[3] = 0x02;  // a central header's signature
    EXPECT_FALSE(parseLocalHeader(bytesOf(central)));
}

TEST(Headers, LocalSizesComeFromTheZip64BlockOnlyForMarkedFields)
{
    constexpr uint32_t M = Zip64Marker32;
    constexpr uint64_t Big = uint64_t(5) << 32;
    struct Case {
        uint32_t packedField, unpackedField;
        std::string extra;
        uint64_t packed, unpacked;
    };
    const Case cases[] = {
        {5, 7, "", 5, 7},
        {5, 7, zip64Block({Big, Big}), 5, 7},                      // unmarked fields ignore the block
        {M, M, zip64Block({Big + 7, Big + 5}), Big + 5, Big + 7},  // unpacked first, then packed
        {M, 7, zip64Block({Big}), Big, 7},                         // one value: the marked field's
        {M, 7, zip64Block({1, Big}), Big, 7},                      // a full block keeps both places
        {M, M, "", M, M},                                          // marked without a block
        {M, 7, extraBlock(0x0001, "1234"), M, 7},                  // a block too short for the value
    };
    for (const Case &c : cases) {
        LocalHeader h;
        h.storedPackedSize = c.packedField;
        h.storedUnpackedSize = c.unpackedField;
        const LocalSizes sizes = localSizes(h, bytesOf(c.extra));
        EXPECT_EQ(sizes.packedSize, c.packed) << c.packedField << " " << c.unpackedField << " " << c.extra.size();
        EXPECT_EQ(sizes.unpackedSize, c.unpacked) << c.packedField << " " << c.unpackedField << " " << c.extra.size();
    }
}

TEST(DataDescriptor, TheLayoutWhoseCrcAndBothSizesAgreeWins)
{
    auto narrow = [](uint32_t crc, uint32_t packed, uint32_t unpacked) {
        std::string d;
        put32(d, crc), put32(d, packed), put32(d, unpacked);
        return d;
    };
    auto wide = [](uint32_t crc, uint64_t packed, uint64_t unpacked) {
        std::string d;
        put32(d, crc), put64(d, packed), put64(d, unpacked);
        return d;
    };
    const std::string sig("PK\x07\x08", 4);
    const std::string next("PK\x03\x04"
                           "following header",
                           20);
    struct Case {
        std::string bytes;
        bool zip64;
        size_t length;
        uint32_t crc = 0x11223344;
    };
    const Case cases[] = {
        {sig + narrow(0x11223344, 5, 7) + next, false, 16},
        {narrow(0x11223344, 5, 7) + next, false, 12},
        {sig + wide(0x11223344, 5, 7) + next, true, 24},
        {wide(0x11223344, 5, 7) + next, true, 20},
        // The width the caller expects is only tried first.
        {sig + narrow(0x11223344, 5, 7) + next, true, 16},
        {sig + wide(0x11223344, 5, 7), false, 24},
        // A CRC that reads as the signature.
        {narrow(0x08074B50, 5, 7) + next, false, 12, 0x08074B50},
        // Only CRC and packed size agree: no layout is taken on that, so the
        // expected width and the signature decide.
        {sig + narrow(0x11223344, 5, 8) + next, true, 24},
        {narrow(0x11223344, 5, 8) + next, true, 20},
        // Nothing agrees, or the file ends: the same defaults.
        {sig + narrow(0, 0, 0), false, 16},
        {sig, true, 24},
        {"", false, 12},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case &c = cases[i];
        const Bytes bytes = bytesOf(c.bytes).first(std::min(c.bytes.size(), MaxDataDescriptorSize));
        EXPECT_EQ(dataDescriptorLength(bytes, {c.crc, 5, 7}, c.zip64), c.length) << "case " << i;
    }
}

TEST(DosTime, FieldsAndWhetherTheyNameARealMoment)
{
    auto date = [](int y, int mo, int d) { return uint16_t(((y - 1980) << 9) | (mo << 5) | d); };
    auto time = [](int h, int mi, int s) { return uint16_t((h << 11) | (mi << 5) | (s / 2)); };
    struct Case {
        uint16_t time, date;
        bool validDate, validTime;
    };
    const Case cases[] = {
        {time(12, 34, 56), date(2024, 3, 15), true, true},
        {time(23, 59, 58), date(2107, 12, 31), true, true},
        {time(0, 0, 0), date(1980, 1, 1), true, true},
        {0, date(2024, 2, 29), true, true},
        {0, date(2023, 2, 29), false, true},
        {0, date(2000, 2, 29), true, true},
        {0, date(2100, 2, 29), false, true},
        {0, date(2024, 4, 31), false, true},
        {0, date(2024, 0, 1), false, true},
        {0, date(2024, 13, 1), false, true},
        {0, date(2024, 1, 0), false, true},
        {time(24, 0, 0), date(2024, 1, 1), true, false},
        {time(0, 60, 0), date(2024, 1, 1), true, false},
        {uint16_t(30), date(2024, 1, 1), true, false},  // 60 seconds
        {time(31, 63, 0), 0, false, false},
    };
    for (const Case &c : cases) {
        const DosFields f = decodeDosFields({c.time, c.date});
        EXPECT_EQ(f.validDate(), c.validDate) << f.year << "-" << f.month << "-" << f.day;
        EXPECT_EQ(f.validTime(), c.validTime) << f.hour << ":" << f.minute << ":" << f.second;
    }
    const DosFields sample = decodeDosFields({SampleTime, SampleDate});
    EXPECT_EQ((std::vector<int>{sample.year, sample.month, sample.day, sample.hour, sample.minute, sample.second}),
              (std::vector<int>{2024, 3, 15, 12, 34, 56}));
}

TEST(DosTime, LocalTimeRoundsUpAndClampsToTheYearsTheFieldsHold)
{
    const TimeZone utc("UTC");
    const int64_t t = 1577872800;  // 2020-01-01 10:00:00
    struct Case {
        int64_t unixTime;
        uint16_t time, date;
        int64_t back;  // what the DOS form reads as
    };
    const Case cases[] = {
        {t, 10 << 11, (40 << 9) | (1 << 5) | 1, t},
        {t + 1, (10 << 11) | 1, (40 << 9) | (1 << 5) | 1, t + 2},                            // odd seconds round up
        {0, 0, (1 << 5) | 1, 315532800},                                                     // before 1980
        {5000000000, (23 << 11) | (59 << 5) | 29, (127 << 9) | (12 << 5) | 31, 4354819198},  // after 2107
    };
    for (const Case &c : cases) {
        const DosDateTime dos = unixTimeToDos(c.unixTime);
        EXPECT_EQ(dos.time, c.time) << c.unixTime;
        EXPECT_EQ(dos.date, c.date) << c.unixTime;
        EXPECT_EQ(dosToUnixTime(dos), c.back) << c.unixTime;
    }
    // Impossible fields carry over: month 13 of 2019 is January 2020.
    EXPECT_EQ(dosToUnixTime({10 << 11, (39 << 9) | (13 << 5) | 1}), t);
    // The local time zone counts.
    const TimeZone east("UTC-2");
    EXPECT_EQ(dosToUnixTime({12 << 11, (40 << 9) | (1 << 5) | 1}), t);
}

TEST(Utf8, WellFormedOnly)
{
    struct Case {
        std::string text;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"plain", true},
        {"\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80", true},
        {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
        {"\xC3", false},             // cut short
        {"\xE2\x82", false},
        {"\xC0\xAF", false},  // overlong
        {"\xE0\x9F\xBF", false},
        {"\xF0\x8F\xBF\xBF", false},
        {"\xED\xA0\x80", false},      // surrogate
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"\xF5\x80\x80\x80", false},
        {"\x80", false},  // continuation without a lead
        {"latin1 \xE9t\xE9", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(isValidUtf8(c.text), c.valid) << testing::PrintToString(c.text);
}

TEST(Utf8, PrintableTextHidesWhatCouldForgeOrReorderALine)
{
    struct Case {
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"dir/name.txt", "dir/name.txt"},
        {"a\nb\rc\td\x1B[2J\x7F", "a?b?c?d?[2J?"},
        {"\xC2\x85 \xC2\x9F \xC2\xA0", "? ? \xC2\xA0"},                      // C1 controls, then NBSP
        {"\x85 \x9F \xE9t\xE9", "? ? \xE9t\xE9"},                            // lone bytes: C1 hidden, Latin-1 kept
        {"\xE2\x80\xA8\xE2\x80\xA9", "??"},                                  // line and paragraph separators
        {"\xE2\x80\xAAx\xE2\x80\xAEy\xE2\x81\xA6z\xE2\x81\xA9", "?x?y?z?"},  // embeddings, isolates
        {"\xE2\x80\xA7\xE2\x80\xAF\xE2\x81\xA5", "\xE2\x80\xA7\xE2\x80\xAF\xE2\x81\xA5"},  // their neighbours
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(printableText(c.text), c.shown) << testing::PrintToString(c.text);
    const std::string withNul("a\0b", 3);
    EXPECT_EQ(printableText(withNul), "a?b");
    EXPECT_EQ(printableText(withNul, "\\0"), "a\\0b");
}

TEST(ExtraField, WalksBlocksAndStopsAtOneThatRunsPastTheEnd)
{
    std::string field = extraBlock(0x5455, "12345") + extraBlock(0x7875, "") + extraBlock(0x0001, "12345678");
    field += std::string("\x01\x00\x10\x00"
                         "short",
                         9);  // declares 16 bytes, holds 5
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
    ASSERT_EQ(in.read(buf, 100), 100u);  // crosses a refill
    EXPECT_EQ(std::string(buf, 100), data.substr(50, 100));
    EXPECT_EQ(in.skip(10), 160u);
    ASSERT_EQ(in.read(buf, 3), 3u);
    EXPECT_EQ(std::string(buf, 3), data.substr(160, 3));
    EXPECT_EQ(in.seek(5), 5u);  // back into what was read before
    ASSERT_EQ(in.read(buf, 4), 4u);
    EXPECT_EQ(std::string(buf, 4), data.substr(5, 4));

    EXPECT_EQ(in.seek(995), 995u);
    EXPECT_EQ(in.read(buf, 10), 5u);
    EXPECT_EQ(in.read(buf, 1), 0u);
    EXPECT_EQ(in.seek(5000), 1000u);
    EXPECT_EQ(in.seek(10), 10u);
    EXPECT_EQ(in.skip(~0ull), 1000u);
}

TEST(CanonicalCode, CodeLengthsAreCheckedAgainstTheCodeSpace)
{
    struct Case {
        std::vector<uint8_t> lengths;
        bool overSubscribed;
        bool incomplete;
        bool singleOrNone;  // the incomplete codes encoders send for one distance or none
    };
    const Case cases[] = {
        {{1, 1}, false, false, false},   {{2, 2, 2, 2}, false, false, false}, {{1, 2, 3, 3}, false, false, false},
        {{1, 1, 1}, true, false, false}, {{1, 2, 2, 2}, true, false, false},  {{0, 0, 0}, false, true, true},
        {{0, 1, 0}, false, true, true},  {{0, 2}, false, true, false},        {{1, 2}, false, true, false},
        {{1, 2, 3}, false, true, false},
    };
    for (const Case &c : cases) {
        const CodeLengthCounts counts = countCodeLengths(c.lengths.data(), unsigned(c.lengths.size()));
        const std::string label = ::testing::PrintToString(c.lengths);
        EXPECT_EQ(counts.overSubscribed, c.overSubscribed) << label;
        if (c.overSubscribed)
            continue;
        EXPECT_EQ(counts.incomplete, c.incomplete) << label;
        EXPECT_EQ(counts.incomplete && counts.singleOrNone(), c.singleOrNone) << label;
    }
}

TEST(CanonicalCode, SymbolsTakeCodesByLengthThenValue)
{
    // RFC 1951's example: A to H with lengths 3,3,3,3,3,2,4,4 get F=00,
    // A=010 ... E=110, G=1110, H=1111.
    const uint8_t lengths[] = {3, 3, 3, 3, 3, 2, 4, 4, 0};
    const CodeLengthCounts counts = countCodeLengths(lengths, 9);
    ASSERT_EQ(counts.used, 8u);
    EXPECT_EQ(counts.longest, 4u);
    std::vector<uint16_t> sorted(counts.used);
    sortByCode(lengths, 9, counts, sorted.data());
    EXPECT_EQ(sorted, (std::vector<uint16_t>{5, 0, 1, 2, 3, 4, 6, 7}));
    // The stream sends G's 1110 first bit first, so it reads as 0111.
    EXPECT_EQ(reversedCode(0b1110, 4), 0b0111u);
    EXPECT_EQ(reversedCode(0b010, 3), 0b010u);
}
