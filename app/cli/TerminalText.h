#pragma once
// What orvexzip writes to the terminal: text from an archive made safe to
// show, and the rows of a listing.

#include "app/ListingText.h"

#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace cli {

// Member names from the archive reach the terminal in messages and listing
// rows. A control character in one could rewrite the screen or the title, a
// line break or separator could forge a line of output, and a bidirectional
// embedding, override or isolate could make the name show as another one.
// Each such character is shown as '?': C0 controls (a tab only in listing
// rows, where it would split a column), DEL, the C1 controls U+0080-U+009F and their raw
// bytes outside valid UTF-8 (0x9B alone starts an escape sequence on an
// 8-bit terminal), U+2028, U+2029, U+202A-U+202E and U+2066-U+2069.
// Other bytes pass unchanged, valid UTF-8 or not.
enum class Tabs { Keep, Replace };
std::string terminalText(std::string_view text, Tabs tabs = Tabs::Keep);

// The cells of a listing row, TAB-separated; a tab in a cell would split
// its column, so it is replaced too.
std::string rowText(const QStringList &cells);

// A name of printable ASCII shows as it is stored: it is its own display
// name, and nothing in it is hidden or replaced.
bool plainAscii(std::string_view text);

// The size and date cells of listing rows as terminal text. Values repeat
// over a large listing: each distinct one is converted once, up to a cap.
class TerminalCells {
public:
    explicit TerminalCells(ListingCellTexts &cells) : cells_(cells) {}
    const std::string &size(uint64_t value)
    {
        return remembered(sizes_, value, [&] { return cells_.size(value); });
    }
    const std::string &dateTime(uint32_t dosDateTime)
    {
        return remembered(dates_, dosDateTime, [&] { return cells_.dateTime(dosDateTime); });
    }

private:
    static constexpr size_t Remembered = 1 << 16;
    template <typename Key, typename Make>
    const std::string &remembered(std::unordered_map<Key, std::string> &texts, Key key, Make make)
    {
        if (const auto found = texts.find(key); found != texts.end())
            return found->second;
        std::string text = terminalText(make().toStdString(), Tabs::Replace);
        if (texts.size() < Remembered)
            return texts.emplace(key, std::move(text)).first->second;
        spare_ = std::move(text);
        return spare_;
    }
    ListingCellTexts &cells_;
    std::unordered_map<uint64_t, std::string> sizes_;
    std::unordered_map<uint32_t, std::string> dates_;
    std::string spare_;
};

}  // namespace cli
