#pragma once
// The user's regional settings, read from the default QLocale (the system's,
// unless a test pinned another with QLocale::setDefault).

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace platform {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

struct RegionalSettings {
    QLocale locale;           // month names, digits and AM/PM texts of what is written
    QString shortDateFormat;  // QLocale pattern, e.g. "M/d/yy"
    QString shortTimeFormat;  // QLocale pattern, hours and minutes only, e.g. "h:mm AP"
    DateOrder dateOrder = DateOrder::MonthDayYear;
    QChar dateSeparator = QLatin1Char('/');
    QChar timeSeparator = QLatin1Char(':');
    QChar decimalSeparator = QLatin1Char('.');
    QString amText = QStringLiteral("AM");
    QString pmText = QStringLiteral("PM");

    // The settings of the default locale.
    static RegionalSettings current();
    static RegionalSettings of(const QLocale &locale);
};

// `pattern` without its seconds (and fractions of a second), and without the
// separator that led to them: "HH:mm:ss" becomes "HH:mm".
QString withoutSeconds(const QString &pattern);

// The short date and short time of the settings, written in their locale.
QString formatShortDate(const QDate &date, const RegionalSettings &settings);
QString formatShortTime(const QTime &time, const RegionalSettings &settings);

}  // namespace platform
