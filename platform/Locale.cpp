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

QString withoutSeconds(const QString &pattern)
{
    // Walks the pattern's fields, skipping quoted text, and remembers where
    // the last field before the seconds ended.
    qsizetype lastFieldEnd = 0;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) {
            const qsizetype close = pattern.indexOf(QLatin1Char('\''), i + 1);
            i = close < 0 ? pattern.size() : close + 1;
            continue;
        }
        if (c == QLatin1Char('s')) {
            qsizetype end = i;
            while (end < pattern.size() && pattern[end] == QLatin1Char('s'))
                ++end;
            // Fractions of a second go with the seconds: "ss.zzz".
            if (end + 1 < pattern.size() && !pattern[end].isLetter() && pattern[end + 1] == QLatin1Char('z'))
                ++end;
            while (end < pattern.size() && pattern[end] == QLatin1Char('z'))
                ++end;
            return withoutSeconds(pattern.left(lastFieldEnd) + pattern.mid(end));
        }
        ++i;
        if (c.isLetter())
            lastFieldEnd = i;
    }
    return pattern;
}

RegionalSettings RegionalSettings::current()
{
    return of(QLocale());
}

RegionalSettings RegionalSettings::of(const QLocale &locale)
{
    RegionalSettings s;
    s.locale = locale;
    s.shortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    // The listing shows hours and minutes, also where the locale's short
    // format has seconds (the C locale's "HH:mm:ss").
    s.shortTimeFormat = withoutSeconds(locale.timeFormat(QLocale::ShortFormat));
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
    return settings.locale.toString(date, settings.shortDateFormat);
}

QString formatShortTime(const QTime &time, const RegionalSettings &settings)
{
    return settings.locale.toString(time, settings.shortTimeFormat);
}

}  // namespace platform
