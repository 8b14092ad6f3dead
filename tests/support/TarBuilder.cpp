#include "support/TarBuilder.h"

#include <algorithm>
#include <cstring>

namespace ziptest {

namespace {

constexpr size_t Block = 512;

// Zero-padded octal digits and a NUL, filling the field.
void putOctal(char *field, size_t width, uint64_t value)
{
    field[width - 1] = '\0';
    for (size_t i = width - 1; i-- > 0; value >>= 3)
        field[i] = char('0' + (value & 7));
}

}  // namespace

std::string tarArchive(const std::vector<TarEntry> &entries)
{
    std::string out;
    for (const TarEntry &e : entries) {
        char header[Block] = {};
        std::memcpy(header, e.name.data(), std::min<size_t>(e.name.size(), 100));
        putOctal(header + 100, 8, e.mode);
        putOctal(header + 108, 8, 1000);
        putOctal(header + 116, 8, 1000);
        putOctal(header + 124, 12, e.kind == TarEntry::File ? e.data.size() : 0);
        putOctal(header + 136, 12, uint64_t(e.modified));
        header[156] = e.kind;
        std::memcpy(header + 157, e.linkTarget.data(), std::min<size_t>(e.linkTarget.size(), 100));
        std::memcpy(header + 257, "ustar", 6);
        std::memcpy(header + 263, "00", 2);
        std::memset(header + 148, ' ', 8);
        unsigned sum = 0;
        for (const char c : header)
            sum += static_cast<unsigned char>(c);
        putOctal(header + 148, 7, sum);
        out.append(header, Block);
        if (e.kind == TarEntry::File) {
            out += e.data;
            out.append((Block - e.data.size() % Block) % Block, '\0');
        }
    }
    out.append(2 * Block, '\0');
    return out;
}

}  // namespace ziptest
