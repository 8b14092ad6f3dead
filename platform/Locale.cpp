#include "platform/Locale.h"

#include <QLocale>

namespace platform {

namespace {

DateOrder orderOf(const QString &pattern)
{
    const qsizetype d = pattern.indexOf(QLatin1Char('d'));
    const qsizetype m = pattern.indexOf(QLatin1Char('M'));
    const qsizetype y = pattern.indexOf(QLatin1Char('y'));
    if (y >= 0 && (d < 0 || y < d) && (m < 0 || y < m))
        return DateOrder::YearMonthDay;
    if (d >= 0 && m >= 0 && d < m)
        return DateOrder::DayMonthYear;
    return DateOrder::MonthDayYear;
}

// The first character between two fields of a pattern that is not a letter,
// not a blank and not a quote.
QChar separatorOf(const QString &pattern, QChar fallback)
{
    for (QChar c : pattern)
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    return fallback;
}

}  // namespace

RegionalSettings RegionalSettings::current()
{
    const QLocale locale;
    RegionalSettings s;
    s.shortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    s.shortTimeFormat = locale.timeFormat(QLocale::ShortFormat);
    s.dateOrder = orderOf(s.shortDateFormat);
    s.dateSeparator = separatorOf(s.shortDateFormat, QLatin1Char('/'));
    s.timeSeparator = separatorOf(s.shortTimeFormat, QLatin1Char(':'));
    const QString decimal = locale.decimalPoint();
    s.decimalSeparator = decimal.isEmpty() ? QLatin1Char('.') : decimal.front();
    if (!locale.amText().isEmpty())
        s.amText = locale.amText();
    if (!locale.pmText().isEmpty())
        s.pmText = locale.pmText();
    return s;
}

QString formatShortDate(const QDate &date, const RegionalSettings &settings)
{
    return QLocale().toString(date, settings.shortDateFormat);
}

QString formatShortTime(const QTime &time, const RegionalSettings &settings)
{
    return QLocale().toString(time, settings.shortTimeFormat);
}

}  // namespace platform
