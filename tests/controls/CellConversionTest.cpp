#include "controls/CellConversion.h"

#include <QDate>
#include <QLocale>

#include <gtest/gtest.h>

#include <cfloat>

using namespace gridlogic;

namespace {

// Pins a locale for one test and puts the previous default back afterwards.
class Conversion : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(saved_); }

    static ConversionSettings in(const char *locale, int year = 2024)
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        ConversionSettings s = ConversionSettings::current();
        s.currentYear = year;
        return s;
    }

    static double day(int y, int m, int d) { return double(QDate(1899, 12, 30).daysTo(QDate(y, m, d))); }
    static double hm(int h, int m, int s = 0) { return (h * 3600 + m * 60 + s) / 86400.0; }

    static bool number(const char16_t *text, const ConversionSettings &s, long double *v = nullptr)
    {
        return TextToNumber(QStringView(text), s, v);
    }

private:
    QLocale saved_;
};

}  // namespace

TEST_F(Conversion, NumbersAcceptSignDecimalsExponentAndBlanks)
{
    const ConversionSettings us = in("en_US");
    const struct {
        const char16_t *text;
        long double value;
    } good[] = {
        {u"42", 42}, {u"  -17  ", -17}, {u"+3", 3},      {u"1.5", 1.5L},      {u".5", 0.5L},
        {u"5.", 5},  {u"1e3", 1000},    {u"1E+3", 1000}, {u"2.5e-2", 0.025L}, {u"\u00A012\u202F", 12},
    };
    for (const auto &g : good) {
        long double v = -1;
        EXPECT_TRUE(number(g.text, us, &v)) << QString::fromUtf16(g.text).toStdString();
        EXPECT_EQ(v, g.value) << QString::fromUtf16(g.text).toStdString();
    }
    for (const char16_t *bad : {u"", u"   ", u"1,000", u"1.2.3", u"e5", u"1e", u"$5", u"12a", u".", u"+", u"1 000",
                                u"- 1", u"0x10", u"inf", u"nan"})
        EXPECT_FALSE(number(bad, us)) << QString::fromUtf16(bad).toStdString();
}

TEST_F(Conversion, NumbersUseTheRegionalDecimalSeparator)
{
    const ConversionSettings de = in("de_DE");
    long double v = 0;
    EXPECT_TRUE(number(u"1,5", de, &v));
    EXPECT_EQ(v, 1.5L);
    EXPECT_FALSE(number(u"1.5", de));
}

TEST_F(Conversion, NumbersCoverTheExtendedRangeAndNoFurther)
{
    const ConversionSettings us = in("en_US");
    long double v = 0;
    ASSERT_TRUE(number(u"1e4000", us, &v));  // beyond a double, within 80 bits
    EXPECT_GT(v, (long double)DBL_MAX);
    EXPECT_TRUE(number(u"-1.1e4932", us));
    EXPECT_FALSE(number(u"1e5000", us));
    EXPECT_FALSE(number(u"-1e5000", us));
    EXPECT_FALSE(number(u"12345678901234567890e4920", us));
    ASSERT_TRUE(number(u"1e-5000", us, &v));  // too small is zero, not a failure
    EXPECT_EQ(v, 0.0L);
}

TEST_F(Conversion, DatesFollowTheRegionalOrder)
{
    double d = 0;
    const ConversionSettings us = in("en_US");
    ASSERT_TRUE(TextToDateTime(u"1/5/2024", us, &d));
    EXPECT_EQ(d, day(2024, 1, 5));
    ASSERT_TRUE(TextToDateTime(u"1/5", us, &d));  // two numbers: the current year
    EXPECT_EQ(d, day(2024, 1, 5));
    ASSERT_TRUE(TextToDateTime(u" 2 / 29 / 24 ", us, &d));  // blanks around numbers and separators
    EXPECT_EQ(d, day(2024, 2, 29));

    const ConversionSettings gb = in("en_GB");
    ASSERT_TRUE(TextToDateTime(u"05/01/2024", gb, &d));
    EXPECT_EQ(d, day(2024, 1, 5));

    const ConversionSettings ja = in("ja_JP");  // year-month-day
    ASSERT_TRUE(TextToDateTime(u"2024/01/05", ja, &d));
    EXPECT_EQ(d, day(2024, 1, 5));
    ASSERT_TRUE(TextToDateTime(u"1/5", ja, &d));
    EXPECT_EQ(d, day(2024, 1, 5));

    const ConversionSettings de = in("de_DE");
    ASSERT_TRUE(TextToDateTime(u"05.01.24", de, &d));
    EXPECT_EQ(d, day(2024, 1, 5));
}

TEST_F(Conversion, TwoDigitYearsAreTheNearestOnes)
{
    double d = 0;
    const ConversionSettings us2024 = in("en_US", 2024);
    ASSERT_TRUE(TextToDateTime(u"1/5/24", us2024, &d));
    EXPECT_EQ(d, day(2024, 1, 5));
    ASSERT_TRUE(TextToDateTime(u"1/5/80", us2024, &d));  // a DOS-era date, not 2080
    EXPECT_EQ(d, day(1980, 1, 5));
    ASSERT_TRUE(TextToDateTime(u"1/5/73", us2024, &d));
    EXPECT_EQ(d, day(2073, 1, 5));
    ASSERT_TRUE(TextToDateTime(u"1/5/74", us2024, &d));
    EXPECT_EQ(d, day(1974, 1, 5));
    ASSERT_TRUE(TextToDateTime(u"1/5/24", in("en_US", 1999), &d));
    EXPECT_EQ(d, day(2024, 1, 5));
    ASSERT_TRUE(TextToDateTime(u"1/5/0024", us2024, &d));  // the value counts, not the digits
    EXPECT_EQ(d, day(2024, 1, 5));
}

TEST_F(Conversion, DatesRejectImpossibleDaysAndOtherText)
{
    const ConversionSettings us = in("en_US");
    for (const char16_t *bad : {u"13/5/24", u"2/30/24", u"2/29/23", u"0/5/24", u"1/0/24", u"9:07", u"9:07 PM", u"",
                                u"  ", u"1/5/24 junk", u"1-5-24", u"1/5/2024/7", u"12", u"1//5"})
        EXPECT_FALSE(TextToDateTime(QStringView(bad), us)) << QString::fromUtf16(bad).toStdString();
    EXPECT_TRUE(TextToDateTime(u"2/29/24", us));
}

TEST_F(Conversion, DateTimesAddTheTimeOfDay)
{
    double d = 0;
    ASSERT_TRUE(TextToDateTime(u"1/5/24  9:07 PM", in("en_US"), &d));
    EXPECT_DOUBLE_EQ(d, day(2024, 1, 5) + hm(21, 7));
    ASSERT_TRUE(TextToDateTime(u"05.01.24  21:07:30", in("de_DE"), &d));
    EXPECT_DOUBLE_EQ(d, day(2024, 1, 5) + hm(21, 7, 30));
    // Regional formats that end the date with its separator and put the marker first.
    ASSERT_TRUE(TextToDateTime(u"24. 1. 5.  \uC624\uD6C4 9:07", in("ko_KR"), &d));
    EXPECT_DOUBLE_EQ(d, day(2024, 1, 5) + hm(21, 7));
    EXPECT_FALSE(TextToDateTime(u"1/5/24  25:00", in("en_US")));
}

TEST_F(Conversion, TimesWithAndWithoutMarkers)
{
    const ConversionSettings us = in("en_US");
    const struct {
        const char16_t *text;
        double value;
    } good[] = {
        {u"9:07", hm(9, 7)},          {u"21:07:30", hm(21, 7, 30)}, {u"9", hm(9, 0)},        {u"9:07 PM", hm(21, 7)},
        {u"12:00 AM", hm(0, 0)},      {u"12:30 PM", hm(12, 30)},    {u"12 am", hm(0, 0)},    {u"11:59 pm", hm(23, 59)},
        {u"9:07\u202FPM", hm(21, 7)}, {u"9:07\u00A0AM", hm(9, 7)},  {u" 9 : 07 ", hm(9, 7)}, {u"PM 9:07", hm(21, 7)},
    };
    for (const auto &g : good) {
        double v = -1;
        EXPECT_TRUE(TextToTime(QStringView(g.text), us, &v)) << QString::fromUtf16(g.text).toStdString();
        EXPECT_DOUBLE_EQ(v, g.value) << QString::fromUtf16(g.text).toStdString();
    }
    for (const char16_t *bad :
         {u"13:00 PM", u"0:30 AM", u"24:00", u"9:60", u"9:07:60", u"9:", u"", u"  ", u"9:07 PM junk", u"1/5/24", u"PM"})
        EXPECT_FALSE(TextToTime(QStringView(bad), us)) << QString::fromUtf16(bad).toStdString();

    // The regional marker counts too, in any case.
    double v = 0;
    ASSERT_TRUE(TextToTime(u"\uC624\uD6C4 9:07", in("ko_KR"), &v));
    EXPECT_DOUBLE_EQ(v, hm(21, 7));
    ASSERT_TRUE(TextToTime(u"9:07 P.M.", in("nl_NL"), &v));
    EXPECT_DOUBLE_EQ(v, hm(21, 7));
}
