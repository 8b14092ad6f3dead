#include "platform/Locale.h"

#include <gtest/gtest.h>

#include <string>

using platform::RegionalSettings;

// The listing shows hours and minutes: a locale whose short time has seconds
// (the C locale's) loses them, with the separator that led to them.
TEST(RegionalSettings, ShortTimeHasHoursAndMinutesOnly)
{
    const QTime time(21, 7, 50);
    const struct {
        const char *locale;
        const char *shown;
    } cases[] = {
        {"C", "21:07"},     {"POSIX", "21:07"},   {"C.UTF-8", "21:07"}, {"en_US", "9:07\u202FPM"},
        {"de_DE", "21:07"}, {"fr_CA", "21 h 07"},
    };
    for (const auto &c : cases) {
        const RegionalSettings s = RegionalSettings::of(QLocale(QString::fromLatin1(c.locale)));
        QString shown = platform::formatShortTime(time, s);
        shown.replace(QChar(0x20), QChar(0x202F));  // the space before AM/PM differs between Qt's locale data
        EXPECT_EQ(shown, QString::fromUtf8(c.shown).replace(QChar(0x20), QChar(0x202F))) << c.locale;
    }
}

TEST(RegionalSettings, SecondsAreCutFromAnyTimePattern)
{
    const struct {
        const char *pattern;
        const char *cut;
    } cases[] = {
        {"HH:mm:ss", "HH:mm"},       {"h:mm:ss AP", "h:mm AP"},  {"AP h:mm:ss", "AP h:mm"},
        {"HH:mm:ss.zzz", "HH:mm"},   {"H.mm.ss", "H.mm"},        {"HH:mm", "HH:mm"},
        {"HH'h'mm'm'ss", "HH'h'mm"}, {"'s' HH:mm", "'s' HH:mm"}, {"h:mm:ss 'Uhr'", "h:mm 'Uhr'"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platform::withoutSeconds(QString::fromLatin1(c.pattern)), QString::fromLatin1(c.cut)) << c.pattern;
}

// What is written is written in the settings' own locale, not the default one.
TEST(RegionalSettings, WriteInTheirOwnLocale)
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    const RegionalSettings c = RegionalSettings::of(QLocale::c());
    EXPECT_EQ(platform::formatShortDate(QDate(2024, 3, 14), c), QStringLiteral("14 Mar 2024"));
    const RegionalSettings ar = RegionalSettings::of(QLocale(QStringLiteral("ar_EG")));
    EXPECT_EQ(platform::formatShortTime(QTime(9, 7), ar).front().digitValue(), 9);
    EXPECT_NE(platform::formatShortTime(QTime(9, 7), ar).front(), QLatin1Char('9'));
    QLocale::setDefault(QLocale::c());
}
