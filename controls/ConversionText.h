#pragma once
// Character rules and day arithmetic shared by the free-form readers of
// CellConversion.cpp and the readers of the program's own texts in
// WrittenDateTime.cpp.

#include <QChar>
#include <QDate>

namespace gridlogic::detail {

// Newer locale data puts a narrow or a no-break space before AM/PM; both
// count as blanks like the plain space.
inline bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

inline int digitOf(QChar c)
{
    return c.isDigit() ? c.digitValue() : -1;
}

inline bool sameLetter(QChar a, QChar b)
{
    if (isBlank(a) && isBlank(b))
        return true;
    return a.toCaseFolded() == b.toCaseFolded();
}

constexpr double SecondsPerDay = 86400.0;
// Day 0 is 30 December 1899, so day counts match the usual spreadsheet epoch.
constexpr qint64 JulianDayOfDayZero = 2415019;

// A two-digit year is the one nearest to today: within the 100 years from 50
// years back. Taking the current century outright would put a listing's
// "3/1/98" after "3/1/24".
inline int nearestYear(int twoDigits, int currentYear)
{
    int year = twoDigits + currentYear / 100 * 100;
    if (year >= currentYear + 50)
        year -= 100;
    else if (year < currentYear - 50)
        year += 100;
    return year;
}

inline double dayNumber(const QDate &date)
{
    return double(date.toJulianDay() - JulianDayOfDayZero);
}

}  // namespace gridlogic::detail
