#include "engine/zipformat/NameCharset.h"

#include "engine/zipformat/Utf8.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>

namespace zipformat {

namespace {

// Our numbers and the names glibc's iconv knows them by.
struct CodePageName {
    const char *number;
    const char *iconvName;
};
constexpr CodePageName CodePageNames[] = {
    {"437", "IBM437"}, {"850", "IBM850"}, {"852", "IBM852"}, {"866", "IBM866"}, {"737", "CP737"},
    {"932", "CP932"},  {"936", "CP936"},  {"949", "CP949"},  {"950", "CP950"},  {"1252", "CP1252"},
};

const char *iconvNameOf(std::string_view codePage)
{
    for (const CodePageName &c : CodePageNames)
        if (codePage == c.number)
            return c.iconvName;
    return "IBM437";
}

// The code points of well-formed UTF-8 (iconv's output always is).
std::vector<char32_t> codePoints(std::string_view text)
{
    std::vector<char32_t> out;
    for (size_t i = 0; i < text.size();) {
        const size_t n = std::max<size_t>(utf8SequenceLength(text, i), 1);
        const auto lead = uint8_t(text[i]);
        char32_t c = n == 1 ? lead : char32_t(lead & (0xFF >> (n + 1)));
        for (size_t k = 1; k < n; ++k)
            c = (c << 6) | (uint8_t(text[i + k]) & 0x3F);
        out.push_back(c);
        i += n;
    }
    return out;
}

bool isAsciiLetter(char32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isCyrillicLetter(char32_t c)
{
    return c >= 0x0400 && c <= 0x045F;
}

bool looksCyrillic(std::string_view utf8)
{
    bool latin = false, cyrillic = false;
    for (const char32_t c : codePoints(utf8)) {
        if (c >= 0x80 && !isCyrillicLetter(c))
            return false;
        if (isAsciiLetter(c)) {
            latin = true;
        } else if (isCyrillicLetter(c)) {
            cyrillic = true;
        } else {
            latin = cyrillic = false;  // a word ends
            continue;
        }
        if (latin && cyrillic)
            return false;
    }
    return true;
}

bool looksJapanese(std::string_view utf8)
{
    for (const char32_t c : codePoints(utf8)) {
        const bool fits = c < 0x80 || (c >= 0x3000 && c <= 0x30FF)  // CJK punctuation, Hiragana, Katakana
                          || (c >= 0x3400 && c <= 0x4DBF)           // CJK ideographs
                          || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF)
                          || (c >= 0xFF01 && c <= 0xFF60)  // full-width forms
                          || (c >= 0xFFE0 && c <= 0xFFE6);
        if (!fits)
            return false;
    }
    return true;
}

// Judged on the bytes: GB2312's hanzi rows are a byte range, not a range of
// code points.
bool looksGb2312Hanzi(std::string_view bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = uint8_t(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 >= bytes.size() || lead < 0xB0 || lead > 0xF7)
            return false;
        const auto trail = uint8_t(bytes[i + 1]);
        if (trail < 0xA1 || trail > 0xFE)
            return false;
        i += 2;
    }
    return true;
}

}  // namespace

const std::vector<std::string> &nameCodePages()
{
    static const std::vector<std::string> pages = [] {
        std::vector<std::string> out;
        for (const CodePageName &c : CodePageNames)
            out.emplace_back(c.number);
        return out;
    }();
    return pages;
}

bool isNameCodePage(std::string_view codePage)
{
    const auto &pages = nameCodePages();
    return std::find(pages.begin(), pages.end(), codePage) != pages.end();
}

bool isAutoCodePage(std::string_view codePage)
{
    constexpr std::string_view word = "auto";
    return codePage.empty()
           || std::equal(codePage.begin(), codePage.end(), word.begin(), word.end(),
                         [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

bool nameNeedsCodePage(std::string_view name, bool utf8Flag)
{
    return !utf8Flag && !isValidUtf8(name);
}

IconvHandle::IconvHandle(std::string_view codePage) : handle_(::iconv_open("UTF-8", iconvNameOf(codePage))) {}

IconvHandle::~IconvHandle()
{
    if (usable())
        ::iconv_close(handle_);
}

std::optional<std::string> IconvHandle::convert(std::string_view bytes)
{
    if (!usable())
        return std::nullopt;
    ::iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // a failed name may have left a shift state
    std::string input(bytes);
    // No code page here needs more than 4 bytes of UTF-8 per input byte.
    std::string out(bytes.size() * 4 + 4, '\0');
    char *in = input.data();
    size_t inLeft = input.size();
    char *to = out.data();
    size_t outLeft = out.size();
    if (::iconv(handle_, &in, &inLeft, &to, &outLeft) == size_t(-1) || inLeft != 0)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

NameDecoder::NameDecoder(std::string_view codePage) : chosen_(codePage), fallback_("437") {}

std::string NameDecoder::decode(std::string_view bytes)
{
    if (auto text = chosen_.convert(bytes))
        return std::move(*text);
    if (auto text = fallback_.convert(bytes))
        return std::move(*text);
    // Only when iconv lacks 437 altogether: show the bytes as they are.
    return std::string(bytes);
}

std::string decodeName(std::string_view bytes, std::string_view codePage)
{
    return NameDecoder(codePage).decode(bytes);
}

std::string guessNameCodePage(const std::vector<std::string> &names)
{
    if (names.empty())
        return "437";
    struct Candidate {
        const char *codePage;
        bool (*looksRight)(std::string_view decoded, std::string_view bytes);
    };
    const Candidate candidates[] = {
        {"866", [](std::string_view decoded, std::string_view) { return looksCyrillic(decoded); }},
        {"932", [](std::string_view decoded, std::string_view) { return looksJapanese(decoded); }},
        {"936", [](std::string_view, std::string_view bytes) { return looksGb2312Hanzi(bytes); }},
    };
    std::string found;
    int fitting = 0;
    for (const Candidate &candidate : candidates) {
        IconvHandle converter(candidate.codePage);
        const bool fits = std::all_of(names.begin(), names.end(), [&](const std::string &name) {
            const auto decoded = converter.convert(name);
            return decoded && candidate.looksRight(*decoded, name);
        });
        if (fits) {
            found = candidate.codePage;
            ++fitting;
        }
    }
    return fitting == 1 ? found : "437";
}

std::string chooseNameCodePage(std::string_view requested, const std::vector<std::string> &names)
{
    if (isAutoCodePage(requested))
        return guessNameCodePage(names);
    return isNameCodePage(requested) ? std::string(requested) : "437";
}

}  // namespace zipformat
