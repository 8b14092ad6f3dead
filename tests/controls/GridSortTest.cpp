#include "controls/GridSort.h"

#include "app/ListingText.h"
#include "platform/Locale.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <stdexcept>

using namespace gridlogic;

namespace {

class GridSort : public ::testing::Test {
protected:
    void SetUp() override { settings = in("en_US"); }
    void TearDown() override { QLocale::setDefault(saved_); }

    static ConversionSettings in(const char *locale)
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        ConversionSettings s = ConversionSettings::current();
        s.currentYear = 2024;
        return s;
    }

    static std::vector<TSortedListEntry> entries(const QStringList &texts)
    {
        std::vector<TSortedListEntry> list;
        for (int i = 0; i < texts.size(); ++i)
            list.push_back({texts[i], i + 1});  // as if row 0 were the title row
        return list;
    }

    QStringList sorted(const QStringList &texts, TSortMode mode, TSortOrder order = soAscending,
                       bool caseSensitive = false)
    {
        std::vector<TSortedListEntry> list = entries(texts);
        TSortOptions options;
        options.Mode = mode;
        options.Order = order;
        options.CaseSensitive = caseSensitive;
        SortEntries(list, options, settings);
        QStringList out;
        for (const auto &e : list)
            out.append(texts[e.SourceRow - 1]);  // the original text, not the folded one
        return out;
    }

    static std::vector<int> rows(const std::vector<TSortedListEntry> &list)
    {
        std::vector<int> out;
        for (const auto &e : list)
            out.push_back(e.SourceRow);
        return out;
    }

    ConversionSettings settings;

private:
    QLocale saved_;
};

}  // namespace

TEST_F(GridSort, DetectionPicksTheFirstKindEveryTextFits)
{
    EXPECT_EQ(DetectSortMode({"12", "9", "100"}, settings), smNumber);
    EXPECT_EQ(DetectSortMode({"10", "abc", "2"}, settings), smText);
    EXPECT_EQ(DetectSortMode({"1", "", "2"}, settings), smText);  // one empty cell makes it text
    EXPECT_EQ(DetectSortMode({"9:07", "21:00", "12"}, settings), smTime);
    EXPECT_EQ(DetectSortMode({"1/5/24", "12/31/23 9:07 PM", "1/5"}, settings), smDateTime);
    EXPECT_EQ(DetectSortMode({"1/5/24", "9:07"}, settings), smText);
    EXPECT_EQ(DetectSortMode({}, settings), smNumber);
}

// The main window's Date/Time column, as FillGrid writes it, under regional
// settings made from each locale as the program makes them (so that no
// system locale needs to be installed).
TEST_F(GridSort, ListingDateTimeColumnSortsChronologicallyUnderEveryLocale)
{
    const auto dos = [](int y, int mo, int d, int h, int mi, int s = 0) {
        return uint32_t((y - 1980) << 9 | mo << 5 | d) << 16 | uint32_t(h << 11 | mi << 5 | s / 2);
    };
    // In time order: midnight and noon for the twelve-hour clocks, two-digit
    // years on both sides of 2000, text order unlike time order everywhere.
    const uint32_t stamps[] = {
        dos(1980, 1, 1, 0, 0), dos(1999, 12, 31, 23, 58), dos(2023, 11, 2, 9, 20), dos(2024, 1, 5, 0, 30),
        dos(2024, 1, 5, 9, 7), dos(2024, 1, 5, 12, 30),   dos(2024, 1, 5, 21, 7),  dos(2024, 3, 14, 9, 20, 50),
    };
    const int shuffled[] = {7, 2, 0, 6, 3, 1, 5, 4};
    for (const char *name : {"C", "C.UTF-8", "POSIX", "en_US", "en_GB", "de_DE", "ja_JP", "ar_EG", "bg_BG"}) {
        ConversionSettings s;
        s.regional = platform::RegionalSettings::of(QLocale(QString::fromLatin1(name)));
        s.currentYear = 2026;
        settings = s;
        QStringList texts, chronological;
        for (const uint32_t stamp : stamps)
            chronological.append(listingDateTimeText(stamp, s.regional));
        for (const int i : shuffled)
            texts.append(chronological[i]);
        const std::string shown = name + std::string(": ") + texts.join(u'|').toStdString();
        EXPECT_EQ(DetectSortMode(texts, s), smDateTime) << shown;
        EXPECT_EQ(sorted(texts, smDateTime), chronological) << shown;
        QStringList descending = chronological;
        std::reverse(descending.begin(), descending.end());
        EXPECT_EQ(sorted(texts, smDateTime, soDescending, true), descending) << shown;
    }
}

TEST_F(GridSort, NumbersAndTextsInBothDirections)
{
    EXPECT_EQ(sorted({"12", "9", "100"}, smNumber), QStringList({"9", "12", "100"}));
    EXPECT_EQ(sorted({"12", "9", "100"}, smNumber, soDescending), QStringList({"100", "12", "9"}));
    EXPECT_EQ(sorted({"10", "abc", "2"}, smText), QStringList({"10", "2", "abc"}));
    EXPECT_EQ(sorted({"b", "", "a"}, smText), QStringList({"", "a", "b"}));
    EXPECT_EQ(sorted({"abc", "ab"}, smText), QStringList({"ab", "abc"}));
}

TEST_F(GridSort, TextsCompareAsUtf8Bytes)
{
    // U+FF5E sorts before U+1F600 by code point (and UTF-8 bytes) but after it in UTF-16.
    EXPECT_LT(CompareTextBytes(QString(QChar(0xFF5E)), QStringLiteral("\U0001F600")), 0);
    EXPECT_EQ(sorted({"\u00E9", "z", "Z"}, smText, soAscending, true), QStringList({"Z", "z", "\u00E9"}));
}

TEST_F(GridSort, CaseFoldingTouchesOnlyAsciiLetters)
{
    EXPECT_EQ(UpperCaseAscii("stra\u00DFe \u00E4x"), QString("STRA\u00DFE \u00E4X"));
    // Folded, apple and APPLE tie and keep their order, whichever comes first.
    EXPECT_EQ(sorted({"apple", "APPLE"}, smText), QStringList({"apple", "APPLE"}));
    EXPECT_EQ(sorted({"APPLE", "apple"}, smText), QStringList({"APPLE", "apple"}));
    EXPECT_EQ(sorted({"apple", "APPLE"}, smText, soDescending), QStringList({"apple", "APPLE"}));
    EXPECT_EQ(sorted({"apple", "APPLE"}, smText, soAscending, true), QStringList({"APPLE", "apple"}));
    // Letters outside a-z keep their case: U+00C4 (C3 84) before U+00E4 (C3 A4).
    EXPECT_EQ(sorted({"\u00E4", "\u00C4"}, smText), QStringList({"\u00C4", "\u00E4"}));
}

TEST_F(GridSort, EqualKeysKeepTheirOrderInBothDirections)
{
    std::vector<TSortedListEntry> list = {{"2", 1}, {"1", 2}, {"2", 3}, {"1", 4}, {"2", 5}};
    TSortOptions options;
    options.Mode = smNumber;
    auto copy = list;
    SortEntries(copy, options, settings);
    EXPECT_EQ(rows(copy), std::vector<int>({2, 4, 1, 3, 5}));
    options.Order = soDescending;
    copy = list;
    SortEntries(copy, options, settings);
    EXPECT_EQ(rows(copy), std::vector<int>({1, 3, 5, 2, 4}));
    // A text that fails the forced conversion ties with everything.
    EXPECT_EQ(sorted({"x", "y", "w"}, smNumber), QStringList({"x", "y", "w"}));
}

TEST_F(GridSort, MatchesAStableSortOnRandomKeys)
{
    std::mt19937 random(97);
    for (int round = 0; round < 20; ++round) {
        QStringList texts;
        const int n = 1 + int(random() % 300);
        for (int i = 0; i < n; ++i)
            texts.append(QString::number(int(random() % 20) - 5));  // many equal keys
        for (TSortOrder order : {soAscending, soDescending}) {
            std::vector<TSortedListEntry> list = entries(texts);
            TSortOptions options;
            options.Mode = smNumber;
            options.Order = order;
            SortEntries(list, options, settings);
            // Equal keys must come in source-row order, so compare rows, not just texts.
            std::vector<TSortedListEntry> reference = entries(texts);
            std::stable_sort(reference.begin(), reference.end(), [order](const auto &a, const auto &b) {
                return order == soAscending ? a.Text.toInt() < b.Text.toInt() : a.Text.toInt() > b.Text.toInt();
            });
            EXPECT_EQ(rows(list), rows(reference));
        }
    }
}

TEST_F(GridSort, UserComparisonDecidesAndSeesFoldedTexts)
{
    std::vector<TSortedListEntry> list = {{"ccc", 1}, {"a", 2}, {"bb", 3}, {"dd", 4}};
    TSortOptions options;
    options.Mode = smUser;
    QStringList seen;
    options.Compare = [&seen](const QString &a, const QString &b) {
        seen << a << b;
        return int(a.size() - b.size());
    };
    SortEntries(list, options, settings);
    EXPECT_EQ(rows(list), std::vector<int>({2, 3, 4, 1}));  // by length, bb before dd by row
    EXPECT_TRUE(seen.contains("CCC"));
    EXPECT_FALSE(seen.contains("ccc"));
}

TEST_F(GridSort, ThrowingComparisonLeavesTheOrder)
{
    std::vector<TSortedListEntry> list = {{"b", 1}, {"a", 2}, {"c", 3}};
    TSortOptions options;
    options.Mode = smUser;
    options.CaseSensitive = true;
    options.Compare = [](const QString &, const QString &) -> int { throw std::runtime_error("no"); };
    EXPECT_THROW(SortEntries(list, options, settings), std::runtime_error);
    EXPECT_EQ(rows(list), std::vector<int>({1, 2, 3}));
}

TEST_F(GridSort, InconsistentComparisonStillGivesAPermutation)
{
    QStringList texts;
    for (int i = 0; i < 2000; ++i)
        texts.append(QString::number(i));
    std::vector<TSortedListEntry> list = entries(texts);
    TSortOptions options;
    options.Mode = smUser;
    unsigned state = 1;
    options.Compare = [&state](const QString &, const QString &) {  // answers at random
        state = state * 1103515245u + 12345u;
        return int((state >> 16) % 3) - 1;
    };
    SortEntries(list, options, settings);
    std::vector<int> r = rows(list);
    std::sort(r.begin(), r.end());
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(r[std::size_t(i)], i + 1);
}

TEST_F(GridSort, LargePresortedReversedAndEqualInputs)
{
    const int n = 100000;
    QStringList up, down, same;
    for (int i = 0; i < n; ++i) {
        up.append(QString::number(i));
        down.append(QString::number(n - i));
        same.append(QStringLiteral("k"));
    }
    for (const QStringList *texts : {&up, &down, &same}) {
        for (TSortMode mode : {smNumber, smText}) {
            std::vector<TSortedListEntry> list = entries(*texts);
            TSortOptions options;
            options.Mode = mode;
            SortEntries(list, options, settings);
            ASSERT_EQ(list.size(), std::size_t(n));
            for (int i = 1; i < n; ++i)
                ASSERT_LE(CompareEntries(list[std::size_t(i - 1)], list[std::size_t(i)], options, settings), 0);
        }
    }
}

// McIlroy's adversary ("A Killer Adversary for Quicksort") decides the order of
// items lazily so that any quicksort picks bad pivots. The sort must still
// finish in O(n log n) comparisons.
TEST_F(GridSort, AdversarialInputDoesNotGoQuadratic)
{
    const int n = 20000;
    std::vector<int> value(std::size_t(n), n);  // n = "gas", not yet decided
    int solid = 0, candidate = -1;
    long long comparisons = 0;
    QStringList texts;
    for (int i = 0; i < n; ++i)
        texts.append(QString::number(i));
    TSortOptions options;
    options.Mode = smUser;
    options.Compare = [&](const QString &a, const QString &b) {
        const int x = a.toInt(), y = b.toInt();
        ++comparisons;
        if (value[std::size_t(x)] == n && value[std::size_t(y)] == n)
            value[std::size_t(x == candidate ? x : y)] = solid++;
        if (value[std::size_t(x)] == n)
            candidate = x;
        else if (value[std::size_t(y)] == n)
            candidate = y;
        return value[std::size_t(x)] - value[std::size_t(y)];
    };
    std::vector<TSortedListEntry> list = entries(texts);
    SortEntries(list, options, settings);
    EXPECT_LT(comparisons, 30LL * n * std::bit_width(unsigned(n)));
    for (int i = 1; i < n; ++i)
        ASSERT_LT(value[std::size_t(list[std::size_t(i - 1)].Text.toInt())],
                  value[std::size_t(list[std::size_t(i)].Text.toInt())]);
}
