#include "support/HandBuiltArchives.h"

#include "support/ArchiveBuilder.h"

#include <cstdint>
#include <cstdio>

namespace ziptest {

namespace {

void putLittle(std::string &out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i, value >>= 8)
        out += char(value & 0xFF);
}

}  // namespace

std::string vint(uint64_t value)
{
    std::string out;
    do {
        out += char((value & 0x7F) | (value > 0x7F ? 0x80 : 0));
        value >>= 7;
    } while (value != 0);
    return out;
}

std::string rar5Header(const std::string &fields)
{
    const std::string sized = vint(fields.size()) + fields;
    std::string out;
    putLittle(out, crc32Of(sized), 4);
    return out + sized;
}

std::string empty7z()
{
    // Next header's offset, size and CRC-32, all zero: there is none.
    std::string next;
    putLittle(next, 0, 8);
    putLittle(next, 0, 8);
    putLittle(next, 0, 4);
    std::string out("7z\xBC\xAF\x27\x1C\x00\x04", 8);
    putLittle(out, crc32Of(next), 4);
    return out + next;
}

std::string rar5Archive(const std::vector<Rar5Entry> &entries)
{
    std::string out("Rar!\x1A\x07\x01\x00", 8);
    out += rar5Header(vint(1) + vint(0) + vint(0));  // main: no flags, no volume
    for (const Rar5Entry &e : entries) {
        // File header with a data area of 0 bytes; file flags, unpacked size,
        // attributes, compression (stored), host (Windows), the name.
        const uint64_t attributes = e.directory ? 0x10 : 0x20;
        out += rar5Header(vint(2) + vint(2) + vint(0) + vint(e.directory ? 1 : 0) + vint(0) + vint(attributes) + vint(0)
                          + vint(0) + vint(e.name.size()) + e.name);
    }
    return out + rar5Header(vint(5) + vint(0) + vint(0));  // end of archive
}

std::string newcCpio(const std::vector<CpioEntry> &entries)
{
    std::string out;
    auto pad = [&out] { out.resize((out.size() + 3) / 4 * 4, '\0'); };
    auto entry = [&](const std::string &name, const std::string &data, unsigned mode, unsigned inode) {
        // inode, mode, uid, gid, links, mtime, size, 4 device numbers, name size, check
        const uint64_t fields[] = {inode, mode, 0, 0, 1, 1600000000, data.size(), 0, 0, 0, 0, name.size() + 1, 0};
        out += "070701";
        for (const uint64_t field : fields) {
            char hex[9];
            std::snprintf(hex, sizeof hex, "%08llX", static_cast<unsigned long long>(field));
            out += hex;
        }
        out += name + '\0';
        pad();
        out += data;
        pad();
    };
    unsigned inode = 0;
    for (const CpioEntry &e : entries)
        entry(e.name, e.data, e.mode, ++inode);
    entry("TRAILER!!!", {}, 0, 0);
    return out;
}

}  // namespace ziptest
