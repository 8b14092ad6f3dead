#include "controls/DelimitedText.h"

namespace gridlogic {

namespace {

constexpr char16_t EscapeBase = 0xDC00;  // byte b >= 0x80 that is not UTF-8 -> U+DC00 + b

// Length of the valid UTF-8 sequence at p, or 0 when the byte there does not
// start one. Overlong forms, encoded surrogates and values above U+10FFFF are
// not valid.
int sequenceLength(const unsigned char *p, qsizetype left, char32_t *cp)
{
    const unsigned char b0 = p[0];
    if (b0 < 0x80) {
        *cp = b0;
        return 1;
    }
    int n;
    char32_t v;
    char32_t min;
    if (b0 >= 0xC2 && b0 <= 0xDF)
        n = 2, v = b0 & 0x1F, min = 0x80;
    else if (b0 >= 0xE0 && b0 <= 0xEF)
        n = 3, v = b0 & 0x0F, min = 0x800;
    else if (b0 >= 0xF0 && b0 <= 0xF4)
        n = 4, v = b0 & 0x07, min = 0x10000;
    else
        return 0;
    if (left < n)
        return 0;
    for (int i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        v = (v << 6) | (p[i] & 0x3F);
    }
    if (v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF))
        return 0;
    *cp = v;
    return n;
}

}  // namespace

QString DecodeBytes(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n && p[i] < 0x80)
        ++i;
    if (i == n)
        return QString::fromLatin1(bytes.data(), n);

    QString out;
    out.reserve(n);
    out.append(QLatin1StringView(bytes.data(), i));
    while (i < n) {
        char32_t cp;
        const int len = sequenceLength(p + i, n - i, &cp);
        if (len == 0) {
            out.append(QChar(char16_t(EscapeBase + p[i])));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            out.append(QChar(QChar::highSurrogate(cp)));
            out.append(QChar(QChar::lowSurrogate(cp)));
        } else {
            out.append(QChar(char16_t(cp)));
        }
        i += len;
    }
    return out;
}

QByteArray EncodeText(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out.append(char(c));
        } else if (c < 0x800) {
            out.append(char(0xC0 | (c >> 6)));
            out.append(char(0x80 | (c & 0x3F)));
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            const char32_t cp = QChar::surrogateToUcs4(c, text[i + 1].unicode());
            ++i;
            out.append(char(0xF0 | (cp >> 18)));
            out.append(char(0x80 | ((cp >> 12) & 0x3F)));
            out.append(char(0x80 | ((cp >> 6) & 0x3F)));
            out.append(char(0x80 | (cp & 0x3F)));
        } else if (c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF) {
            out.append(char(c - EscapeBase));  // a byte carried through from a file
        } else if (QChar::isSurrogate(c)) {
            out.append("\xEF\xBF\xBD");  // a lone surrogate has no UTF-8 form
        } else {
            out.append(char(0xE0 | (c >> 12)));
            out.append(char(0x80 | ((c >> 6) & 0x3F)));
            out.append(char(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

QList<QByteArray> SplitLines(QByteArrayView data)
{
    const qsizetype nul = data.indexOf('\0');
    if (nul >= 0)
        data = data.first(nul);
    QList<QByteArray> lines;
    const qsizetype n = data.size();
    qsizetype p = 0;
    while (p < n) {
        const qsizetype start = p;
        while (p < n && data[p] != '\r' && data[p] != '\n')
            ++p;
        lines.append(data.sliced(start, p - start).toByteArray());
        if (p < n && data[p] == '\r')
            ++p;
        if (p < n && data[p] == '\n')
            ++p;
    }
    return lines;
}

QList<QByteArray> SplitFields(QByteArrayView line, QByteArrayView delimiter)
{
    QList<QByteArray> fields;
    if (delimiter.isEmpty()) {
        fields.append(line.toByteArray());
        return fields;
    }
    qsizetype start = 0;
    for (;;) {
        const qsizetype at = line.indexOf(delimiter, start);
        if (at < 0)
            break;
        fields.append(line.sliced(start, at - start).toByteArray());
        start = at + delimiter.size();
    }
    fields.append(line.sliced(start).toByteArray());
    return fields;
}

std::vector<QStringList> ParseDelimited(QByteArrayView data, QChar delimiter)
{
    const QByteArray delim = EncodeText(QStringView(&delimiter, 1));
    const QList<QByteArray> lines = SplitLines(data);
    std::vector<QStringList> rows;
    rows.reserve(std::size_t(lines.size()));
    for (const QByteArray &line : lines) {
        QStringList fields;
        for (const QByteArray &f : SplitFields(line, delim))
            fields.append(DecodeBytes(f));
        rows.push_back(std::move(fields));
    }
    return rows;
}

void AppendDelimitedLine(QByteArray &out, const QStringList &fields, QChar delimiter)
{
    const QByteArray delim = EncodeText(QStringView(&delimiter, 1));
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out.append(delim);
        out.append(EncodeText(fields[i]));
    }
    out.append("\r\n");
}

}  // namespace gridlogic
