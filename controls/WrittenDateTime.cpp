#include "controls/WrittenDateTime.h"

#include "controls/ConversionText.h"

#include <memory>
#include <vector>

namespace gridlogic::detail {

namespace {

// The program's own date-time texts, read back with the very patterns that
// wrote them (RegionalSettings: short date, two blanks, short time), so that
// month names, other digits and the marks some locales put around the
// separators read as they were written, whatever the locale.

struct PatternPart {
    enum Kind { Literal, Day, DayName, Month, MonthName, Year, Hour, Hour12, Minute, Second, Fraction, Marker };
    Kind kind = Literal;
    int digits = 0;  // exactly this many; 0: one or two
    QString text;    // of a literal
};

// A QLocale date or time pattern as parts; false for one this reader does
// not know (a time zone, an odd count of letters).
bool splitPattern(const QString &pattern, std::vector<PatternPart> *parts)
{
    const auto literal = [parts](const QString &text) {
        if (parts->empty() || parts->back().kind != PatternPart::Literal)
            parts->push_back({PatternPart::Literal, 0, QString()});
        parts->back().text += text;
    };
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) {
            // Quoted text; two quotes stand for one.
            if (i + 1 < pattern.size() && pattern[i + 1] == QLatin1Char('\'')) {
                literal(QStringLiteral("'"));
                i += 2;
                continue;
            }
            qsizetype close = pattern.indexOf(QLatin1Char('\''), i + 1);
            if (close < 0)
                close = pattern.size();
            literal(pattern.mid(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        qsizetype n = 1;
        while (i + n < pattern.size() && pattern[i + n] == c)
            ++n;
        using K = PatternPart::Kind;
        const int two = n == 2 ? 2 : 0;
        switch (c.unicode()) {
        case u'd':
            if (n > 4)
                return false;
            parts->push_back(n >= 3 ? PatternPart{K::DayName, 0, {}} : PatternPart{K::Day, two, {}});
            break;
        case u'M':
            if (n > 4)
                return false;
            parts->push_back(n >= 3 ? PatternPart{K::MonthName, 0, {}} : PatternPart{K::Month, two, {}});
            break;
        case u'y':
            if (n != 2 && n != 4)
                return false;
            parts->push_back({K::Year, int(n), {}});
            break;
        case u'h':
        case u'H':
            if (n > 2)
                return false;
            // 'h' counts to 12 only with a marker, so it is read as such then.
            parts->push_back({c == u'h' ? K::Hour12 : K::Hour, two, {}});
            break;
        case u'm':
        case u's':
            if (n > 2)
                return false;
            parts->push_back({c == u'm' ? K::Minute : K::Second, two, {}});
            break;
        case u'z':
            if (n != 1 && n != 3)
                return false;
            parts->push_back({K::Fraction, int(n), {}});
            break;
        case u'a':
        case u'A':
            // "AP", "ap", "A" and "a" all stand for the marker.
            if (n > 1)
                return false;
            parts->push_back({K::Marker, 0, {}});
            if (i + 1 < pattern.size() && (pattern[i + 1] == QLatin1Char('p') || pattern[i + 1] == QLatin1Char('P')))
                ++i;
            break;
        case u't': return false;
        default: literal(pattern.mid(i, n)); break;
        }
        i += n;
    }
    return true;
}

// Both patterns of the settings as parts, with the names they can need;
// made once per locale and pattern pair, as the grid converts a whole column
// with the same settings.
struct WrittenForm {
    QLocale locale;
    QString dateFormat, timeFormat, amText, pmText;
    bool dateKnown = false, timeKnown = false;
    std::vector<PatternPart> date, time, dateTime;
    std::vector<std::pair<QString, int>> monthNames, dayNames, markers;

    bool sameAs(const platform::RegionalSettings &r) const
    {
        return dateFormat == r.shortDateFormat && timeFormat == r.shortTimeFormat && amText == r.amText
               && pmText == r.pmText && locale == r.locale;
    }

    explicit WrittenForm(const platform::RegionalSettings &r)
        : locale(r.locale), dateFormat(r.shortDateFormat), timeFormat(r.shortTimeFormat), amText(r.amText),
          pmText(r.pmText)
    {
        dateKnown = splitPattern(dateFormat, &date);
        timeKnown = splitPattern(timeFormat, &time);
        if (dateKnown && timeKnown) {
            dateTime = date;
            dateTime.push_back({PatternPart::Literal, 0, QStringLiteral("  ")});
            dateTime.insert(dateTime.end(), time.begin(), time.end());
        }
        for (int m = 1; m <= 12; ++m)
            for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat, QLocale::NarrowFormat}) {
                monthNames.emplace_back(locale.monthName(m, format), m);
                monthNames.emplace_back(locale.standaloneMonthName(m, format), m);
            }
        for (int d = 1; d <= 7; ++d)
            for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                dayNames.emplace_back(locale.dayName(d, format), d);
                dayNames.emplace_back(locale.standaloneDayName(d, format), d);
            }
        markers = {{r.amText, 1},
                   {r.pmText, 2},
                   {locale.amText(), 1},
                   {locale.pmText(), 2},
                   {QStringLiteral("AM"), 1},
                   {QStringLiteral("PM"), 2}};
    }
};

const WrittenForm &writtenForm(const platform::RegionalSettings &regional)
{
    thread_local std::unique_ptr<WrittenForm> cached;
    if (!cached || !cached->sameAs(regional))
        cached = std::make_unique<WrittenForm>(regional);
    return *cached;
}

struct ReadFields {
    int year = -1, month = -1, day = -1;
    int hour = 0, minute = 0, second = 0, marker = 0;
    bool twelveHours = false;
};

// The longest of `names` (ignoring case) at `pos`: its value, or 0.
int longestName(QStringView text, qsizetype *pos, const std::vector<std::pair<QString, int>> &names)
{
    int best = 0;
    qsizetype bestLength = 0;
    for (const auto &[name, value] : names) {
        const qsizetype n = name.size();
        if (n == 0 || n <= bestLength || *pos + n > text.size())
            continue;
        bool match = true;
        for (qsizetype k = 0; k < n && match; ++k)
            match = sameLetter(text[*pos + k], name[k]);
        if (match) {
            best = value;
            bestLength = n;
        }
    }
    *pos += bestLength;
    return best;
}

bool readParts(QStringView text, const std::vector<PatternPart> &parts, const WrittenForm &form, ReadFields *f)
{
    qsizetype pos = 0;
    for (const PatternPart &part : parts) {
        if (part.kind == PatternPart::Literal) {
            if (pos + part.text.size() > text.size())
                return false;
            for (qsizetype k = 0; k < part.text.size(); ++k, ++pos)
                if (!sameLetter(text[pos], part.text[k]))
                    return false;
            continue;
        }
        if (part.kind == PatternPart::MonthName || part.kind == PatternPart::DayName
            || part.kind == PatternPart::Marker) {
            const auto &names = part.kind == PatternPart::MonthName ? form.monthNames
                                : part.kind == PatternPart::DayName ? form.dayNames
                                                                    : form.markers;
            const int value = longestName(text, &pos, names);
            if (value == 0)
                return false;
            if (part.kind == PatternPart::MonthName)
                f->month = value;
            else if (part.kind == PatternPart::Marker)
                f->marker = value;
            continue;
        }
        const int most = part.digits != 0 ? part.digits : 2;
        const int least = part.digits != 0 ? part.digits : 1;
        int value = 0, count = 0;
        while (count < most && pos < text.size() && digitOf(text[pos]) >= 0) {
            value = value * 10 + digitOf(text[pos]);
            ++pos;
            ++count;
        }
        if (count < least)
            return false;
        switch (part.kind) {
        case PatternPart::Day: f->day = value; break;
        case PatternPart::Month: f->month = value; break;
        case PatternPart::Year: f->year = part.digits == 2 ? -100 - value : value; break;
        case PatternPart::Hour: f->hour = value; break;
        case PatternPart::Hour12:
            f->hour = value;
            f->twelveHours = true;
            break;
        case PatternPart::Minute: f->minute = value; break;
        case PatternPart::Second: f->second = value; break;
        default: break;
        }
    }
    return pos == text.size();
}

bool timeOfDay(ReadFields f, double *fraction)
{
    if (f.twelveHours && f.marker != 0) {
        if (f.hour < 1 || f.hour > 12)
            return false;
        f.hour = f.hour % 12 + (f.marker == 2 ? 12 : 0);
    }
    if (f.hour > 23 || f.minute > 59 || f.second > 59)
        return false;
    *fraction = (f.hour * 3600 + f.minute * 60 + f.second) / SecondsPerDay;
    return true;
}

}  // namespace

bool readWrittenDateTime(QStringView text, const ConversionSettings &settings, double *days)
{
    const WrittenForm &form = writtenForm(settings.regional);
    if (!form.dateKnown)
        return false;
    ReadFields f;
    if (!(form.timeKnown && readParts(text, form.dateTime, form, &f))) {
        f = ReadFields();
        if (!readParts(text, form.date, form, &f))
            return false;
    }
    int year = f.year;
    if (year <= -100)
        year = nearestYear(-100 - year, settings.currentYear);
    else if (year < 0)
        year = settings.currentYear;
    if (year < 1 || year > 9999)
        return false;
    const QDate date(year, f.month, f.day);
    double fraction = 0;
    if (!date.isValid() || !timeOfDay(f, &fraction))
        return false;
    *days = dayNumber(date) + fraction;
    return true;
}

bool readWrittenTime(QStringView text, const ConversionSettings &settings, double *days)
{
    const WrittenForm &form = writtenForm(settings.regional);
    ReadFields f;
    return form.timeKnown && readParts(text, form.time, form, &f) && timeOfDay(f, days);
}

}  // namespace gridlogic::detail
