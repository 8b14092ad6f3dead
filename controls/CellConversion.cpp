#include "controls/CellConversion.h"

#include "controls/ConversionText.h"
#include "controls/WrittenDateTime.h"

#include <QDate>

#include <charconv>
#include <memory>
#include <string>
#include <vector>

namespace gridlogic {

namespace {

using detail::dayNumber;
using detail::digitOf;
using detail::isBlank;
using detail::nearestYear;
using detail::sameLetter;
using detail::SecondsPerDay;

class Scanner {
public:
    explicit Scanner(QStringView text) : text_(text) {}

    qsizetype pos() const { return pos_; }
    void setPos(qsizetype p) { pos_ = p; }
    bool atEnd() const { return pos_ >= text_.size(); }
    QChar peek() const { return atEnd() ? QChar() : text_[pos_]; }
    void skip() { ++pos_; }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(text_[pos_]))
            ++pos_;
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
        const qsizetype start = pos_;
        skipBlanks();
        const qsizetype first = pos_;
        long long v = 0;
        while (!atEnd() && digitOf(text_[pos_]) >= 0) {
            if (v < 100000000)
                v = v * 10 + digitOf(text_[pos_]);
            ++pos_;
        }
        if (pos_ == first) {
            pos_ = start;
            return false;
        }
        *value = int(v);
        return true;
    }

    bool separator(QChar sep)
    {
        const qsizetype start = pos_;
        skipBlanks();
        if (!atEnd() && text_[pos_] == sep) {
            ++pos_;
            return true;
        }
        pos_ = start;
        return false;
    }

    // 0 for no marker, 1 for AM, 2 for PM. The longest matching candidate
    // wins, so a regional "a.m." is not read as "A" followed by junk.
    int marker(const platform::RegionalSettings &regional)
    {
        const qsizetype start = pos_;
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
            if (n == 0 || n <= bestLength || pos_ + n > text_.size())
                continue;
            bool match = true;
            for (qsizetype i = 0; i < n && match; ++i)
                match = sameLetter(text_[pos_ + i], c.text[i]);
            if (match) {
                best = c.kind;
                bestLength = n;
            }
        }
        if (best == 0) {
            pos_ = start;
            return 0;
        }
        pos_ += bestLength;
        return best;
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

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
    *fraction = (hour * 3600 + minute * 60 + second) / SecondsPerDay;
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

// A date, then optionally a time, in the regional date order.
bool scanDateTime(QStringView text, const ConversionSettings &settings, double *days)
{
    Scanner sc(text);
    double date = 0;
    double fraction = 0;
    if (!scanDate(sc, settings, &date))
        return false;
    if (!sc.restOfTextIsBlank() && (!scanTime(sc, settings, &fraction) || !sc.restOfTextIsBlank()))
        return false;
    *days = date + fraction;
    return true;
}

bool scanTimeOfDay(QStringView text, const ConversionSettings &settings, double *days)
{
    Scanner sc(text);
    return scanTime(sc, settings, days) && sc.restOfTextIsBlank();
}

// Stores what `read` gives only when it succeeds and the caller asked for it.
template <typename Read>
bool readInto(double *out, Read read)
{
    double value = 0;
    if (!read(&value))
        return false;
    if (out)
        *out = value;
    return true;
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
    return readInto(days, [&](double *value) {
        return detail::readWrittenDateTime(text, settings, value) || scanDateTime(text, settings, value);
    });
}

bool TextToTime(QStringView text, const ConversionSettings &settings, double *days)
{
    return readInto(days, [&](double *value) {
        return detail::readWrittenTime(text, settings, value) || scanTimeOfDay(text, settings, value);
    });
}

}  // namespace gridlogic
