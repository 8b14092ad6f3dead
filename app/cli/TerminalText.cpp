#include "app/cli/TerminalText.h"

#include "engine/zipformat/Utf8.h"

#include <algorithm>

namespace cli {

namespace {

bool hiddenCodePoint(char32_t c, Tabs tabs)
{
    if (c == '\t')
        return tabs == Tabs::Replace;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E)
           || (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::string terminalText(std::string_view text, Tabs tabs)
{
    std::string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = zipformat::utf8SequenceLength(text, i);
        if (length == 0) {  // a raw byte of a name that is not UTF-8
            shown += lead >= 0x80 && lead <= 0x9F ? '?' : char(lead);
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (hiddenCodePoint(c, tabs))
            shown += '?';
        else
            shown.append(text.substr(i, length));
        i += length;
    }
    return shown;
}

std::string rowText(const QStringList &cells)
{
    std::string row;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            row += '\t';
        row += terminalText(cells[i].toStdString(), Tabs::Replace);
    }
    return row;
}

bool plainAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

}  // namespace cli
