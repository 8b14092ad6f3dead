#pragma once
// Member names from other systems: archives written on DOS and Windows store
// names without the UTF-8 flag in the writer's OEM code page (Russian
// Windows in 866, Japanese in 932, ...). This turns such names into UTF-8
// through glibc's iconv, for the listing and the extraction alike, and
// guesses the code page of an archive when the user did not choose one.
//
// The guess ("Auto") is made once per archive over all of its names that
// need a code page, so that one archive's names are read alike. It is 437,
// the code page ZIP names default to, unless exactly one of 866, 932 and 936
// decodes every such name and the results look like words:
//   866  every non-ASCII character is a Cyrillic letter (U+0400-U+045F) and
//        no word (a run of letters) mixes Latin and Cyrillic letters;
//   932  every non-ASCII character is Hiragana, Katakana, a CJK ideograph,
//        CJK punctuation (U+3000-U+303F) or a full-width form; half-width
//        katakana, which DOS-era bytes of other pages often look like, is not;
//   936  every byte pair is a GB2312 hanzi (lead 0xB0-0xF7, trail 0xA1-0xFE).
// Names that two of them read as words stay 437: a wrong guess would put the
// files on disk under names nobody wrote.

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zipformat {

// The code pages a user may choose, by their usual numbers.
const std::vector<std::string> &nameCodePages();
bool isNameCodePage(std::string_view codePage);
// "" and "auto" (any case) ask for the guess.
bool isAutoCodePage(std::string_view codePage);

// Whether a stored name is in a code page at all: it carries no UTF-8 flag
// and is not well-formed UTF-8 (many writers store UTF-8 without the flag).
bool nameNeedsCodePage(std::string_view name, bool utf8Flag);

// One iconv conversion from a code page to UTF-8, closed with the object.
class IconvHandle {
public:
    explicit IconvHandle(std::string_view codePage);
    ~IconvHandle();
    IconvHandle(const IconvHandle &) = delete;
    IconvHandle &operator=(const IconvHandle &) = delete;

    bool usable() const { return handle_ != iconv_t(-1); }
    // The bytes in UTF-8, or nothing when they are no text of this code page.
    std::optional<std::string> convert(std::string_view bytes);

private:
    iconv_t handle_;
};

// Decodes the names of one archive with one code page, keeping the
// conversions open between names.
class NameDecoder {
public:
    // An unknown code page decodes as 437.
    explicit NameDecoder(std::string_view codePage);
    // A name the code page cannot read is shown as 437, which reads every byte.
    std::string decode(std::string_view bytes);

private:
    IconvHandle chosen_;
    IconvHandle fallback_;
};

// The bytes decoded from `codePage`, falling back to 437 for this name.
std::string decodeName(std::string_view bytes, std::string_view codePage);

// The Auto choice over the names that need a code page.
std::string guessNameCodePage(const std::vector<std::string> &names);

// The code page to read an archive with: the one requested, or the guess
// over `names` for "" and "auto"; an unknown request reads as 437.
std::string chooseNameCodePage(std::string_view requested, const std::vector<std::string> &names);

}  // namespace zipformat
