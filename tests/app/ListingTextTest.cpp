#include "app/ListingSummary.h"
#include "app/ListingText.h"

#include <QLocale>
#include <gtest/gtest.h>

#include "QStringPrinter.h"

namespace {

uint32_t dos(int year, int month, int day, int hour, int minute, int second)
{
    const uint32_t date = uint32_t((year - 1980) << 9 | month << 5 | day);
    const uint32_t time = uint32_t(hour << 11 | minute << 5 | second / 2);
    return date << 16 | time;
}

std::string conversionError(uint32_t value)
{
    try {
        dosDateTimeToDateTime(value);
    } catch (const EConvertError &error) {
        return error.what();
    }
    return "no error";
}

class PinnedLocale : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

}  // namespace

TEST(DosDateTime, ConvertsEveryField)
{
    EXPECT_EQ(dosDateTimeToDateTime(dos(1980, 1, 1, 0, 0, 0)), QDateTime(QDate(1980, 1, 1), QTime(0, 0)));
    EXPECT_EQ(dosDateTimeToDateTime(dos(2107, 12, 31, 23, 59, 58)), QDateTime(QDate(2107, 12, 31), QTime(23, 59, 58)));
    EXPECT_EQ(dosDateTimeToDateTime(dos(2024, 2, 29, 12, 30, 10)), QDateTime(QDate(2024, 2, 29), QTime(12, 30, 10)));
}

TEST(DosDateTime, RejectsImpossibleDatesBeforeTimes)
{
    EXPECT_EQ(conversionError(0), "Invalid argument to date encode");
    EXPECT_EQ(conversionError(dos(2023, 2, 29, 0, 0, 0)), "Invalid argument to date encode");
    EXPECT_EQ(conversionError(dos(2023, 13, 1, 0, 0, 0)), "Invalid argument to date encode");
    // Both wrong: the date is checked first.
    EXPECT_EQ(conversionError(dos(2023, 4, 31, 24, 0, 0)), "Invalid argument to date encode");
    EXPECT_EQ(conversionError(dos(2023, 4, 30, 24, 0, 0)), "Invalid argument to time encode");
    EXPECT_EQ(conversionError(dos(2023, 4, 30, 1, 60, 0)), "Invalid argument to time encode");
    // Seconds field 30 means 60 seconds.
    EXPECT_EQ(conversionError(dos(2023, 4, 30, 1, 0, 0) | 30), "Invalid argument to time encode");
}

TEST_F(PinnedLocale, DateColumnIsShortDateTwoBlanksShortTime)
{
    const QDateTime midnight(QDate(1980, 1, 1), QTime(0, 0));
    const QString expected = QLocale().toString(midnight.date(), QLocale::ShortFormat) + "  "
                             + QLocale().toString(midnight.time(), QLocale::ShortFormat);
    EXPECT_EQ(formatListingDateTime(midnight), expected);
    EXPECT_TRUE(formatListingDateTime(midnight).startsWith("1/1/80  12:00"));
}

TEST_F(PinnedLocale, RowShowsTrueSizesUnsigned)
{
    ArchiveEntry entry{};
    entry.FileName = "big.bin";
    entry.ModDate = uint16_t(dos(2000, 6, 15, 0, 0, 0) >> 16);
    entry.ModTime = uint16_t(dos(2000, 6, 15, 13, 45, 0));
    entry.PackedSize = 0xFFFFFFFFu;
    entry.UnpackedSize = 0xFFFFFFFFu;
    entry.TruePackedSize = 3000000000ull;
    entry.TrueUnpackedSize = 5368709120ull;
    const QStringList row = listingRow(entry);
    ASSERT_EQ(row.size(), 4);
    EXPECT_EQ(row[0], "big.bin");
    EXPECT_EQ(row[1], "3000000000");
    EXPECT_EQ(row[2], "5368709120");
    EXPECT_TRUE(row[3].startsWith("6/15/00  1:45"));
}

// The listing shows an impossible date or time as "?" and keeps the other
// cells; the conversion itself still refuses it.
TEST_F(PinnedLocale, RowShowsAQuestionMarkForAnImpossibleDateOrTime)
{
    for (const uint32_t value :
         {0u, dos(2023, 13, 1, 0, 0, 0), dos(2023, 4, 30, 31, 0, 0), dos(2023, 2, 29, 1, 0, 0)}) {
        ArchiveEntry entry{};
        entry.FileName = "x";
        entry.ModDate = uint16_t(value >> 16);
        entry.ModTime = uint16_t(value & 0xFFFF);
        entry.TruePackedSize = 7;
        const QStringList row = listingRow(entry);
        EXPECT_EQ(row, (QStringList{"x", "7", "0", "?"})) << value;
    }
}

// Repeated values share one text; past the remembered count, texts are still right.
TEST_F(PinnedLocale, CellTextsOfManyRowsMatchTheSingleRowTexts)
{
    const auto settings = platform::RegionalSettings::current();
    ListingCellTexts cells(settings);
    const uint32_t stamp = dos(2000, 6, 15, 13, 45, 0);
    EXPECT_EQ(cells.dateTime(stamp), listingDateTimeText(stamp, settings));
    EXPECT_EQ(cells.dateTime(stamp).constData(), cells.dateTime(stamp).constData());
    EXPECT_EQ(cells.dateTime(0), "?");
    for (uint64_t value = 0; value < 70000; ++value)
        ASSERT_EQ(cells.size(value), QString::number(value));
    EXPECT_EQ(cells.size(69999), "69999");
    EXPECT_EQ(cells.size(5368709120ull), "5368709120");
}

// A name cannot take two lines of the grid; other characters stay as they are.
TEST(ListingName, LineAndParagraphBreaksShowAsQuestionMarks)
{
    const struct {
        const char *stored;
        const char *shown;
    } cases[] = {
        {"a\nb", "a?b"},
        {"a\r\nb", "a??b"},
        {"a\xE2\x80\xA8"
         "b\xE2\x80\xA9"
         "c",
         "a?b?c"},  // U+2028, U+2029
        {"a\xC2\x85"
         "b",
         "a?b"},  // NEL
        {"d\xC3\xA9j\xC3\xA0 vu\tok", "d\xC3\xA9j\xC3\xA0 vu\tok"},
    };
    for (const auto &c : cases) {
        ArchiveEntry entry{};
        entry.FileName = c.stored;
        EXPECT_EQ(listingName(entry), QString::fromUtf8(c.shown)) << c.stored;
    }
}

namespace {

ArchiveEntry sized(const std::string &name, uint64_t packed, uint64_t unpacked)
{
    ArchiveEntry entry;
    entry.FileName = name;
    entry.TruePackedSize = packed;
    entry.TrueUnpackedSize = unpacked;
    return entry;
}

}  // namespace

// Folders that exist only in members' names count once with the folder
// entries; the sizes are the files' alone.
TEST(ListingSummary, CountsFilesAndEveryFolderOnce)
{
    ArchiveEntry unknownPacked = sized("c/d.txt", 0, 1);
    unknownPacked.PackedSizeKnown = false;
    using orvex::countArchive, orvex::countChosen, orvex::ListingCounts;
    const std::vector<ArchiveEntry> entries{sized("a/", 0, 0), sized("a/b/c.txt", 1000, 3000), sized("a/x.txt", 24, 48),
                                            sized("top.txt", 0, 0), unknownPacked};
    const ListingCounts all = countArchive(entries);
    EXPECT_EQ(all.members, 4);
    EXPECT_EQ(all.folders, 3);  // a/, a/b/, c/
    EXPECT_EQ(all.size, 3049u);
    EXPECT_FALSE(all.packedKnown);

    const ListingCounts chosen = countChosen(entries, {0, 2, -1, 99});
    EXPECT_EQ(chosen.members, 1);
    EXPECT_EQ(chosen.folders, 1);
    EXPECT_EQ(chosen.packed, 24u);
    EXPECT_TRUE(chosen.packedKnown);
}

TEST(ListingSummary, SaysCountsInWordsAndSizesReadably)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates), german(QLocale::German, QLocale::Germany);
    struct Case {
        orvex::ListingCounts counts;
        QLocale locale;
        QString text;
    } cases[] = {
        {{1, 0, 12288, 4198, true, true}, english, "1 member, 0 folders, 12.0 kB (4.1 kB packed)"},
        {{2500, 1, 1572864, 0, true, false}, english, "2,500 members, 1 folder, 1.5 MB"},
        {{2500, 3, 1572864, 1024, true, true}, german, "2.500 members, 3 folders, 1,5 MB (1,0 kB packed)"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(summaryText(c.counts, c.locale), c.text);
}

TEST(ListingSummary, RatioIsThePackedShareAndEmptyWhereItMeansNothing)
{
    ArchiveEntry unknown = sized("u", 5, 10);
    unknown.UnpackedSizeKnown = false;
    struct Case {
        ArchiveEntry entry;
        QString ratio;
    } cases[] = {
        {sized("a.txt", 38, 100), "38"},
        {sized("b.bin", 103, 100), "103"},
        {sized("c", 0, 0), ""},
        {sized("d/", 0, 0), ""},
        {unknown, ""},
        {sized("e", 2, 3), "67"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ratioText(c.entry), c.ratio) << c.entry.FileName;
}
