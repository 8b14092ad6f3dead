#include "app/NameFilter.h"

#include <algorithm>

namespace {

char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

bool isAscii(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Whether `name` holds `lower` (ASCII, lower case) in any case. A non-ASCII
// character of the name never equals an ASCII one folded, except for the
// Kelvin sign and the long s, which Qt's folding maps to k and s.
bool containsAsciiLower(QStringView name, const QString &lower)
{
    const qsizetype last = name.size() - lower.size();
    const char16_t *hay = name.utf16();
    const char16_t *needle = QStringView(lower).utf16();
    auto same = [](char16_t c, char16_t wanted) {
        if (c < 0x80)
            return asciiLower(c) == wanted;
        return QChar(c).toCaseFolded().unicode() == wanted;
    };
    for (qsizetype at = 0; at <= last; ++at) {
        if (!same(hay[at], needle[0]))
            continue;
        qsizetype i = 1;
        while (i < lower.size() && same(hay[at + i], needle[i]))
            ++i;
        if (i == lower.size())
            return true;
    }
    return false;
}

}  // namespace

NameFilter::NameFilter(const QString &text) : text_(text)
{
    wildcards_ = text.contains(u'*') || text.contains(u'?');
    if (!wildcards_) {
        if (isAscii(text))
            asciiLower_ = text.toLower();
        return;
    }
    // Unanchored: the text may match anywhere in the name, as without wildcards.
    QString expression;
    for (const QChar c : text) {
        if (c == u'*')
            expression += QLatin1String(".*");
        else if (c == u'?')
            expression += u'.';
        else
            expression += QRegularExpression::escape(QString(c));
    }
    pattern_ = QRegularExpression(expression, QRegularExpression::CaseInsensitiveOption
                                                  | QRegularExpression::DotMatchesEverythingOption
                                                  | QRegularExpression::UseUnicodePropertiesOption);
    pattern_.optimize();
}

bool NameFilter::matches(QStringView name) const
{
    if (text_.isEmpty())
        return true;
    if (!asciiLower_.isEmpty())
        return containsAsciiLower(name, asciiLower_);
    if (!wildcards_)
        return name.contains(text_, Qt::CaseInsensitive);
    return pattern_.match(name).hasMatch();
}

bool NameFilter::narrows(const NameFilter &wider) const
{
    if (wider.isEmpty())
        return true;
    return !wildcards_ && !wider.wildcards_ && text_.contains(wider.text_, Qt::CaseInsensitive);
}
