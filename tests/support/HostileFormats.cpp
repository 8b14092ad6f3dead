#include "support/HostileFormats.h"

#include "support/HandBuiltArchives.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <utility>
#include <zlib.h>

namespace ziptest {

namespace {

void putLittle(std::string &out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i, value >>= 8)
        out += char(value & 0xFF);
}

// A field wider than 8 bytes is zeros before the value.
void putBig(std::string &out, uint64_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out += char(i < 8 ? (value >> (8 * i)) & 0xFF : 0);
}

// ISO 9660 writes most numbers twice, little-endian then big-endian.
std::string both32(uint32_t value)
{
    std::string out;
    putLittle(out, value, 4);
    putBig(out, value, 4);
    return out;
}

std::string both16(uint16_t value)
{
    std::string out;
    putLittle(out, value, 2);
    putBig(out, value, 2);
    return out;
}

void place(std::string &image, size_t at, const std::string &bytes)
{
    image.replace(at, bytes.size(), bytes);
}

// ---- ISO 9660 ----

constexpr size_t Sector = 2048;

std::string directoryRecord(uint32_t extent, uint32_t size, bool directory, const std::string &name,
                            const std::string &systemUse = {})
{
    std::string body = std::string(1, '\0') + both32(extent) + both32(size);
    body += std::string("\x50\x01\x01\x00\x00\x00\x00", 7);  // 1980-01-01, UTC
    body += char(directory ? 2 : 0);
    body += std::string(2, '\0') + both16(1) + char(name.size()) + name;
    if (name.size() % 2 == 0)
        body += '\0';
    body += systemUse;
    std::string record = char(body.size() + 1) + body;
    if (record.size() % 2 != 0)
        record += '\0';
    record[0] = char(record.size());
    return record;
}

// A system use entry: signature, length, version 1, the data.
std::string susp(const char *signature, const std::string &data)
{
    return std::string(signature, 2) + char(4 + data.size()) + '\1' + data;
}

std::string continuation(uint32_t block, uint32_t offset, uint32_t length)
{
    return susp("CE", both32(block) + both32(offset) + both32(length));
}

// ---- gzip ----

// Data that is a head, a period repeated `count` times and a tail: how each
// layer of the nested gzip is held, since the inner ones are far too big
// to be written out.
struct Periodic {
    std::string head;
    std::string period;
    uint64_t count = 0;
    std::string tail;

    uint64_t size() const { return head.size() + period.size() * count + tail.size(); }
};

uint32_t crcOf(uint32_t crc, const std::string &bytes)
{
    return uint32_t(crc32(crc, reinterpret_cast<const Bytef *>(bytes.data()), uInt(bytes.size())));
}

uint32_t crcOf(const Periodic &data)
{
    // The period's CRC-32 doubled up through the count's bits.
    uint32_t repeated = 0, power = crcOf(0, data.period);
    uint64_t powerLength = data.period.size(), repeatedLength = 0;
    for (uint64_t n = data.count; n != 0; n >>= 1) {
        if (n & 1) {
            repeated = uint32_t(crc32_combine64(repeated, power, z_off64_t(powerLength)));
            repeatedLength += powerLength;
        }
        power = uint32_t(crc32_combine64(power, power, z_off64_t(powerLength)));
        powerLength *= 2;
    }
    uint32_t crc = crcOf(0, data.head);
    crc = uint32_t(crc32_combine64(crc, repeated, z_off64_t(repeatedLength)));
    return crcOf(crc, data.tail);
}

class BitWriter {
public:
    void put(uint32_t value, int bits)
    {
        for (int i = 0; i < bits; ++i)
            putBit((value >> i) & 1);
    }
    // Huffman codes go in from their most significant bit.
    void putCode(uint32_t code, int bits)
    {
        for (int i = bits - 1; i >= 0; --i)
            putBit((code >> i) & 1);
    }
    uint64_t bitCount() const { return bytes_.size() * 8 + used_; }
    // The whole bytes so far, leaving a partial one in place.
    std::string takeBytes() { return std::exchange(bytes_, {}); }
    std::string finish()
    {
        if (used_ != 0)
            bytes_ += char(partial_);
        used_ = 0;
        partial_ = 0;
        return takeBytes();
    }

private:
    void putBit(uint32_t bit)
    {
        partial_ = uint8_t(partial_ | (bit << used_));
        if (++used_ == 8) {
            bytes_ += char(partial_);
            partial_ = 0;
            used_ = 0;
        }
    }
    std::string bytes_;
    uint8_t partial_ = 0;
    int used_ = 0;
};

// Deflate's fixed Huffman code for a literal byte.
void putLiteral(BitWriter &w, uint8_t byte)
{
    if (byte < 144)
        w.putCode(0x30 + byte, 8);
    else
        w.putCode(0x190 + (byte - 144u), 9);
}

// A copy of 258 bytes from `distance` back: length symbol 285, then the
// distance's five-bit code and its extra bits.
void putCopy(BitWriter &w, uint32_t distance)
{
    w.putCode(0xC5, 8);
    uint32_t code = 0, base = 1, extra = 0;
    while (true) {
        const uint32_t span = 1u << extra;
        if (distance < base + span)
            break;
        base += span;
        ++code;
        if (code >= 4 && code % 2 == 0)
            ++extra;
    }
    w.putCode(code, 5);
    w.put(distance - base, int(extra));
}

int copyBits(uint32_t distance)
{
    BitWriter w;
    putCopy(w, distance);
    return int(w.bitCount());
}

// One gzip member holding `in`, in a single block of fixed codes: the head
// and one period as literals, the repeats as copies of 258 bytes one period
// back, the tail as literals. Eight copies fill a whole number of bytes, so
// the member is itself a head, a period and a tail.
Periodic gzipOf(const Periodic &in)
{
    Periodic out;
    out.head = std::string("\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x03", 10);
    BitWriter w;
    w.put(1, 1);  // the last block
    w.put(1, 2);  // fixed codes
    for (char c : in.head)
        putLiteral(w, uint8_t(c));
    uint64_t copies = 0, rest = 0;
    if (in.count > 0) {
        for (char c : in.period)
            putLiteral(w, uint8_t(c));
        const uint64_t repeated = (in.count - 1) * in.period.size();
        copies = repeated / 258;
        rest = repeated % 258;
    }
    const uint32_t distance = uint32_t(in.period.size());
    const int bits = copies > 0 ? copyBits(distance) : 0;
    uint64_t lead = 0;
    while (copies >= 8 && lead < copies && (w.bitCount() + lead * uint64_t(bits)) % 8 != 0)
        ++lead;
    for (uint64_t i = 0; i < lead; ++i)
        putCopy(w, distance);
    copies -= lead;
    out.head += w.takeBytes();
    if (copies >= 8 && w.bitCount() == 0) {
        BitWriter eight;
        for (int i = 0; i < 8; ++i)
            putCopy(eight, distance);
        out.period = eight.finish();
        out.count = copies / 8;
        copies %= 8;
    }
    for (uint64_t i = 0; i < copies; ++i)
        putCopy(w, distance);
    if (in.count > 0) {
        const uint64_t copied = (in.count - 1) * in.period.size() - rest;
        for (uint64_t i = 0; i < rest; ++i)
            putLiteral(w, uint8_t(in.period[(copied + i) % in.period.size()]));
    }
    for (char c : in.tail)
        putLiteral(w, uint8_t(c));
    w.putCode(0, 7);  // end of block
    out.tail = w.finish();
    putLittle(out.tail, crcOf(in), 4);
    putLittle(out.tail, in.size() & 0xFFFFFFFF, 4);
    return out;
}

std::string written(const Periodic &data)
{
    if (data.size() > (64u << 20))
        throw std::length_error("a layer too big to write out");
    std::string out = data.head;
    for (uint64_t i = 0; i < data.count; ++i)
        out += data.period;
    return out + data.tail;
}

// A ustar header; a size past the octal field's reach goes in base 256.
std::string tarHeader(const std::string &name, char type, uint64_t size)
{
    std::string h(512, '\0');
    place(h, 0, name);
    place(h, 100, "0000644");
    place(h, 108, "0000000");
    place(h, 116, "0000000");
    if (size < (1ull << 33)) {
        char octal[13];
        std::snprintf(octal, sizeof octal, "%011llo", static_cast<unsigned long long>(size));
        place(h, 124, octal);
    } else {
        std::string field(1, '\x80');
        putBig(field, size, 11);
        place(h, 124, field);
    }
    place(h, 136, "00000000000");
    h[156] = type;
    place(h, 257,
          std::string("ustar\0"
                      "00",
                      8));
    place(h, 148, std::string(8, ' '));
    unsigned sum = 0;
    for (char c : h)
        sum += uint8_t(c);
    char checksum[8];
    std::snprintf(checksum, sizeof checksum, "%06o", sum);
    place(h, 148, std::string(checksum, 7));
    return h;
}

}  // namespace

std::string isoContinuingIntoItself()
{
    // Sectors 0-15 left empty, the primary volume descriptor, the set's
    // terminator, the path tables, the root folder, the continuation area,
    // the file's byte; a reader wants at least 24 sectors to take it for an
    // image.
    constexpr uint32_t Root = 20, Area = 21, Data = 22, Sectors = 24;
    std::string image(Sectors * Sector, '\0');

    const std::string rockRidge =
        susp("SP", std::string("\xBE\xEF\0", 3)) + susp("ER", std::string("\x0A\0\0\1RRIP_1991A", 14));
    // The file's name goes on ("NM", flag 1) in the area at offset 0, which
    // goes on to itself.
    const std::string areaEntries = continuation(Area, 0, 37) + susp("NM", "\1abcd");
    std::string root = directoryRecord(Root, Sector, true, std::string(1, '\0'), rockRidge)
                       + directoryRecord(Root, Sector, true, std::string(1, '\1'))
                       + directoryRecord(Data, 1, false, "A.TXT;1", susp("NM", "\1a") + continuation(Area, 0, 37));
    place(image, Root * Sector, root);
    place(image, Area * Sector, areaEntries);
    image[Data * Sector] = 'x';

    std::string pvd(Sector, '\0');
    place(pvd, 0, "\1CD001\1");
    place(pvd, 8, std::string(64, ' '));
    place(pvd, 40, "HOSTILE");
    place(pvd, 80, both32(Sectors));
    place(pvd, 120, both16(1));
    place(pvd, 124, both16(1));
    place(pvd, 128, both16(Sector));
    place(pvd, 132, both32(10));
    std::string tables;
    putLittle(tables, 18, 4);
    place(pvd, 140, tables);
    tables.clear();
    putBig(tables, 19, 4);
    place(pvd, 148, tables);
    place(pvd, 156, directoryRecord(Root, Sector, true, std::string(1, '\0')));
    place(pvd, 190, std::string(623, ' '));
    for (size_t at : {813, 830, 847, 864})
        place(pvd, at, std::string(16, '0'));
    pvd[881] = 1;
    place(image, 16 * Sector, pvd);
    place(image, 17 * Sector,
          "\xFF"
          "CD001\1");

    // The path tables: the root alone, little-endian then big-endian.
    std::string little("\1\0", 2), big("\1\0", 2);
    putLittle(little, Root, 4);
    putLittle(little, 1, 2);
    putBig(big, Root, 4);
    putBig(big, 1, 2);
    place(image, 18 * Sector, little + std::string(2, '\0'));
    place(image, 19 * Sector, big + std::string(2, '\0'));
    return image;
}

std::string nestedGzipOfAHugeEntry()
{
    constexpr uint64_t Huge = 1ull << 40;
    Periodic data;
    data.head = tarHeader("huge", '0', Huge);
    data.period = std::string(1, '\0');
    data.count = Huge;
    const std::string after = "after\n";
    data.tail = tarHeader("after.txt", '0', after.size()) + after + std::string(512 - after.size(), '\0')
                + std::string(1024, '\0');  // the two empty blocks that end a tar
    for (int layer = 0; layer < 4; ++layer)
        data = gzipOf(data);
    return written(data);
}

std::string xarLinkedTwice()
{
    const std::string toc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xar><toc>"
                            "<file id=\"1\"><name>a</name><type link=\"2\">hardlink</type>"
                            "<type link=\"2\">hardlink</type></file>"
                            "<file id=\"2\"><name>b</name><type link=\"original\">file</type></file>"
                            "</toc></xar>";
    std::string packed(compressBound(uLong(toc.size())), '\0');
    uLongf packedSize = uLongf(packed.size());
    compress(reinterpret_cast<Bytef *>(packed.data()), &packedSize, reinterpret_cast<const Bytef *>(toc.data()),
             uLong(toc.size()));
    packed.resize(packedSize);
    // The header: signature, its own size, version 1, the table of
    // contents' sizes packed and unpacked, no checksum.
    std::string out("xar!", 4);
    putBig(out, 28, 2);
    putBig(out, 1, 2);
    putBig(out, packed.size(), 8);
    putBig(out, toc.size(), 8);
    putBig(out, 0, 4);
    return out + packed;
}

std::string rar5SolidDirectoryWithData()
{
    std::string out("Rar!\x1A\x07\x01\x00", 8);
    out += rar5Header(vint(1) + vint(0) + vint(0x04));  // main: a solid archive
    // File header with a data area of one byte: a directory (file flag 1)
    // of no size, attributes of a folder, compressed (method 3), "a".
    out += rar5Header(vint(2) + vint(2) + vint(1) + vint(1) + vint(0) + vint(0x10) + vint(3 << 7) + vint(0) + vint(1)
                      + "a");
    out += '\0';
    return out + rar5Header(vint(5) + vint(0) + vint(0));
}

}  // namespace ziptest
