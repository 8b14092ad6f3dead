#pragma once
// The user's regional settings, read from the default QLocale (the system's,
// unless a test pinned another with QLocale::setDefault).

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace platform {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

struct RegionalSettings {
    QString shortDateFormat;   // QLocale pattern, e.g. "M/d/yy"
    QString shortTimeFormat;   // QLocale pattern, e.g. "h:mm AP"
    DateOrder dateOrder = DateOrder::MonthDayYear;
    QChar dateSeparator = QLatin1Char('/');
    QChar timeSeparator = QLatin1Char(':');
    QChar decimalSeparator = QLatin1Char('.');
    QString amText = QStringLiteral("AM");
    QString pmText = QStringLiteral("PM");

    static RegionalSettings current();
};

// The short date and short time of the user's settings.
QString formatShortDate(const QDate &date, const RegionalSettings &settings);
QString formatShortTime(const QTime &time, const RegionalSettings &settings);

}  // namespace platform
