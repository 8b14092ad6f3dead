#pragma once
// libarchive converts names through the calling thread's locale, and a
// process that never called setlocale() is in "C", where 7z's UTF-16 names
// come out empty and a tar writer finds no form for a non-ASCII name. For
// as long as it lives, this gives the thread a UTF-8 character type (the
// rest of its locale unchanged), then puts its own back.

#include <locale.h>

namespace otherformats {

class Utf8Names {
public:
    Utf8Names();
    ~Utf8Names();
    Utf8Names(const Utf8Names &) = delete;
    Utf8Names &operator=(const Utf8Names &) = delete;

private:
    locale_t utf8_ = locale_t(0);
    locale_t previous_ = locale_t(0);
};

}  // namespace otherformats
