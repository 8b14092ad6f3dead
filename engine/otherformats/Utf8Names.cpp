#include "engine/otherformats/Utf8Names.h"

namespace otherformats {

Utf8Names::Utf8Names()
{
    const locale_t current = uselocale(locale_t(0));
    locale_t base = duplocale(current);
    if (base == locale_t(0))
        return;
    utf8_ = newlocale(LC_CTYPE_MASK, "C.UTF-8", base);
    if (utf8_ == locale_t(0)) {
        freelocale(base);
        return;
    }
    previous_ = uselocale(utf8_);
}

Utf8Names::~Utf8Names()
{
    if (utf8_ == locale_t(0))
        return;
    uselocale(previous_);
    freelocale(utf8_);
}

}  // namespace otherformats
