#include "controls/CellConversion.h"

#include <QDate>

#include <charconv>
#include <memory>
#include <string>
#include <vector>

namespace gridlogic {

ConversionSettings ConversionSettings::current()
{
    ConversionSettings s;
    s.regional = platform::RegionalSettings::current();
    s.currentYear = QDate::currentDate().year();
    return s;
}

namespace {

// Newer locale data puts a narrow or a no-break space before AM/PM; both
// count as blanks like the plain space.
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

int digitOf(QChar c)
{
    return c.isDigit() ? c.digitValue() : -1;
}

bool sameLetter(QChar a, QChar b)
{
    if (isBlank(a) && isBlank(b))
        return true;
    return a.toCaseFolded() == b.toCaseFolded();
}

constexpr double kSecondsPerDay = 86400.0;
// Day 0 is 30 December 1899, so day counts match the usual spreadsheet epoch.
constexpr qint64 kJulianDayOfDayZero = 2415019;

class Scanner {
public:
    explicit Scanner(QStringView text) : m_text(text) {}

    qsizetype pos() const { return m_pos; }
    void setPos(qsizetype p) { m_pos = p; }
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_pos]; }
    void skip() { ++m_pos; }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    bool restOfTextIsBlank()
    {
        skipBlanks();
        return atEnd();
    }

    // Blanks, then at least one digit. Large values saturate; every caller
    // range-checks them afterwards.
    bool number(int *value)
    {
        const qsizetype start = m_pos;
        skipBlanks();
        const qsizetype first = m_pos;
        long long v = 0;
        while (!atEnd() && digitOf(m_text[m_pos]) >= 0) {
            if (v < 100000000)
                v = v * 10 + digitOf(m_text[m_pos]);
            ++m_pos;
        }
        if (m_pos == first) {
            m_pos = start;
            return false;
        }
        *value = int(v);
        return true;
    }

    bool separator(QChar sep)
    {
        const qsizetype start = m_pos;
        skipBlanks();
        if (!atEnd() && m_text[m_pos] == sep) {
            ++m_pos;
            return true;
        }
        m_pos = start;
        return false;
    }

    // 0 for no marker, 1 for AM, 2 for PM. The longest matching candidate
    // wins, so a regional "a.m." is not read as "A" followed by junk.
    int marker(const platform::RegionalSettings &regional)
    {
        const qsizetype start = m_pos;
        skipBlanks();
        const struct {
            QString text;
            int kind;
        } candidates[] = {
            {regional.amText, 1},
            {regional.pmText, 2},
            {QStringLiteral("AM"), 1},
            {QStringLiteral("PM"), 2},
        };
        int best = 0;
        qsizetype bestLength = 0;
        for (const auto &c : candidates) {
            const qsizetype n = c.text.size();
            if (n == 0 || n <= bestLength || m_pos + n > m_text.size())
                continue;
            bool match = true;
            for (qsizetype i = 0; i < n && match; ++i)
                match = sameLetter(m_text[m_pos + i], c.text[i]);
            if (match) {
                best = c.kind;
                bestLength = n;
            }
        }
        if (best == 0) {
            m_pos = start;
            return 0;
        }
        m_pos += bestLength;
        return best;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

// A two-digit year is the one nearest to today: within the 100 years from 50
// years back. Taking the current century outright would put a listing's
// "3/1/98" after "3/1/24".
int nearestYear(int twoDigits, int currentYear)
{
    int year = twoDigits + currentYear / 100 * 100;
    if (year >= currentYear + 50)
        year -= 100;
    else if (year < currentYear - 50)
        year += 100;
    return year;
}

double dayNumber(const QDate &date)
{
    return double(date.toJulianDay() - kJulianDayOfDayZero);
}

bool scanTime(Scanner &sc, const ConversionSettings &settings, double *fraction)
{
    const QChar sep = settings.regional.timeSeparator;
    const int prefixMarker = sc.marker(settings.regional);
    int hour = 0, minute = 0, second = 0;
    if (!sc.number(&hour))
        return false;
    if (sc.separator(sep)) {
        if (!sc.number(&minute))
            return false;
        if (sc.separator(sep) && !sc.number(&second))
            return false;
    }
    const int marker = prefixMarker != 0 ? prefixMarker : sc.marker(settings.regional);
    if (marker != 0) {
        if (hour < 1 || hour > 12)
            return false;
        if (hour == 12)
            hour = 0;
        if (marker == 2)
            hour += 12;
    }
    if (hour > 23 || minute > 59 || second > 59)
        return false;
    *fraction = (hour * 3600 + minute * 60 + second) / kSecondsPerDay;
    return true;
}

bool scanDate(Scanner &sc, const ConversionSettings &settings, double *days)
{
    const QChar sep = settings.regional.dateSeparator;
    int a = 0, b = 0, c = 0;
    if (!sc.number(&a) || !sc.separator(sep) || !sc.number(&b))
        return false;
    // Some regional formats end the date with the separator ("yy. M. d.").
    const bool endsWithSeparator = settings.regional.shortDateFormat.trimmed().endsWith(sep);
    bool three = false;
    const qsizetype afterTwo = sc.pos();
    if (sc.separator(sep)) {
        if (sc.number(&c)) {
            three = true;
            const qsizetype afterThree = sc.pos();
            if (!endsWithSeparator || !sc.separator(sep))
                sc.setPos(afterThree);
        } else if (!endsWithSeparator) {
            return false;
        }
    } else {
        sc.setPos(afterTwo);
    }

    int year = settings.currentYear, month = 0, day = 0;
    switch (settings.regional.dateOrder) {
    case platform::DateOrder::MonthDayYear:
        month = a, day = b;
        if (three)
            year = c;
        break;
    case platform::DateOrder::DayMonthYear:
        day = a, month = b;
        if (three)
            year = c;
        break;
    case platform::DateOrder::YearMonthDay:
        if (three)
            year = a, month = b, day = c;
        else
            month = a, day = b;
        break;
    }
    if (three && year < 100)
        year = nearestYear(year, settings.currentYear);
    if (year < 1 || year > 9999)
        return false;
    const QDate date(year, month, day);
    if (!date.isValid())
        return false;
    *days = dayNumber(date);
    return true;
}

// ---------------------------------------------------------------------------
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
        case u't':
            return false;
        default:
            literal(pattern.mid(i, n));
            break;
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
        markers = {{r.amText, 1}, {r.pmText, 2}, {locale.amText(), 1}, {locale.pmText(), 2},
                   {QStringLiteral("AM"), 1}, {QStringLiteral("PM"), 2}};
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
        if (part.kind == PatternPart::MonthName || part.kind == PatternPart::DayName || part.kind == PatternPart::Marker) {
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
        case PatternPart::Hour12: f->hour = value; f->twelveHours = true; break;
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
    *fraction = (f.hour * 3600 + f.minute * 60 + f.second) / kSecondsPerDay;
    return true;
}

// The text as the program writes a date with a time, or a date alone.
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

// The text as the program writes a time of day.
bool readWrittenTime(QStringView text, const ConversionSettings &settings, double *days)
{
    const WrittenForm &form = writtenForm(settings.regional);
    ReadFields f;
    return form.timeKnown && readParts(text, form.time, form, &f) && timeOfDay(f, days);
}

}  // namespace

bool TextToNumber(QStringView text, const ConversionSettings &settings, long double *value)
{
    Scanner sc(text);
    sc.skipBlanks();
    std::string ascii;  // the number rewritten for from_chars, which wants '.' and no '+'
    ascii.reserve(std::size_t(text.size()) + 2);
    if (sc.peek() == QLatin1Char('+')) {
        sc.skip();
    } else if (sc.peek() == QLatin1Char('-')) {
        ascii += '-';
        sc.skip();
    }
    std::string intDigits, fracDigits;
    while (!sc.atEnd() && digitOf(sc.peek()) >= 0) {
        intDigits += char('0' + digitOf(sc.peek()));
        sc.skip();
    }
    if (!sc.atEnd() && sc.peek() == settings.regional.decimalSeparator) {
        sc.skip();
        while (!sc.atEnd() && digitOf(sc.peek()) >= 0) {
            fracDigits += char('0' + digitOf(sc.peek()));
            sc.skip();
        }
    }
    if (intDigits.empty() && fracDigits.empty())
        return false;
    ascii += intDigits.empty() ? std::string("0") : intDigits;
    if (!fracDigits.empty())
        ascii += '.' + fracDigits;

    long long exponent = 0;
    if (sc.peek() == QLatin1Char('e') || sc.peek() == QLatin1Char('E')) {
        sc.skip();
        bool negative = false;
        if (sc.peek() == QLatin1Char('+') || sc.peek() == QLatin1Char('-')) {
            negative = sc.peek() == QLatin1Char('-');
            sc.skip();
        }
        std::string expDigits;
        while (!sc.atEnd() && digitOf(sc.peek()) >= 0) {
            const int d = digitOf(sc.peek());
            expDigits += char('0' + d);
            if (exponent < 1000000000)
                exponent = exponent * 10 + d;
            sc.skip();
        }
        if (expDigits.empty())
            return false;
        if (negative)
            exponent = -exponent;
        ascii += 'e';
        if (negative)
            ascii += '-';
        ascii += expDigits;
    }
    if (!sc.restOfTextIsBlank())
        return false;

    long double v = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: too large fails, too small is zero.
        const std::size_t firstNonZero = intDigits.find_first_not_of('0');
        long long magnitude;
        if (firstNonZero != std::string::npos) {
            magnitude = (long long)(intDigits.size() - firstNonZero) - 1 + exponent;
        } else {
            const std::size_t f = fracDigits.find_first_not_of('0');
            magnitude = f == std::string::npos ? 0 : -(long long)(f + 1) + exponent;
        }
        if (magnitude > 0)
            return false;
        v = ascii[0] == '-' ? -0.0L : 0.0L;
    } else if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) {
        return false;
    }
    if (value)
        *value = v;
    return true;
}

bool TextToDateTime(QStringView text, const ConversionSettings &settings, double *days)
{
    double written = 0;
    if (readWrittenDateTime(text, settings, &written)) {
        if (days)
            *days = written;
        return true;
    }
    Scanner sc(text);
    double date = 0;
    if (!scanDate(sc, settings, &date))
        return false;
    double fraction = 0;
    if (!sc.restOfTextIsBlank()) {
        if (!scanTime(sc, settings, &fraction) || !sc.restOfTextIsBlank())
            return false;
    }
    if (days)
        *days = date + fraction;
    return true;
}

bool TextToTime(QStringView text, const ConversionSettings &settings, double *days)
{
    double written = 0;
    if (readWrittenTime(text, settings, &written)) {
        if (days)
            *days = written;
        return true;
    }
    Scanner sc(text);
    double fraction = 0;
    if (!scanTime(sc, settings, &fraction) || !sc.restOfTextIsBlank())
        return false;
    if (days)
        *days = fraction;
    return true;
}

}  // namespace gridlogic
