// Finding where the last block of a deflate stream begins and where the
// stream ends, by walking its blocks and decoding only their codes: no output
// is produced and no window kept, which makes it two to three times quicker
// than inflating the piece just to learn its end.

#include "engine/zipeng/Deflate.h"

#include "engine/zipformat/CanonicalCode.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <stdexcept>
#include <string>

namespace zipeng {

namespace {

[[noreturn]] void damaged(const char *what)
{
    throw std::runtime_error(std::string("deflate piece damaged: ") + what);
}

// Bits are taken from the low end of a 64-bit buffer, refilled eight bytes at
// a time while at least eight remain and a byte at a time near the end; bits
// beyond the input read as zero, and taking them throws.
class BitReader {
public:
    explicit BitReader(std::span<const uint8_t> in) : data_(in.data()), size_(in.size()) {}

    void refill()
    {
        if (size_ - pos_ >= 8) {
            uint64_t word;
            std::memcpy(&word, data_ + pos_, 8);
            if constexpr (std::endian::native == std::endian::big)
                word = __builtin_bswap64(word);
            // Bits above `count_` then hold the start of the next byte, the
            // same bits the next refill puts there.
            bits_ |= word << count_;
            pos_ += (63 - count_) >> 3;
            count_ |= 56;
            return;
        }
        while (count_ <= 56 && pos_ < size_) {
            bits_ |= uint64_t(data_[pos_++]) << count_;
            count_ += 8;
        }
    }

    uint64_t peek() const { return bits_; }

    void skip(unsigned n)
    {
        if (n > count_)
            damaged("stream runs past the end");
        bits_ >>= n;
        count_ -= n;
    }

    // At most 32 bits; refills first.
    uint32_t take(unsigned n)
    {
        refill();
        const uint32_t v = uint32_t(bits_ & ((uint64_t(1) << n) - 1));
        skip(n);
        return v;
    }

    size_t bitPosition() const { return pos_ * 8 - count_; }

    // A stored block: to the byte boundary, LEN and its complement, LEN bytes.
    void skipStored()
    {
        size_t at = (bitPosition() + 7) / 8;
        if (size_ - at < 4)
            damaged("stream runs past the end");
        const unsigned len = data_[at] | data_[at + 1] << 8;
        const unsigned nlen = data_[at + 2] | data_[at + 3] << 8;
        if ((len ^ 0xFFFFu) != nlen)
            damaged("stored block length does not match its complement");
        at += 4;
        if (size_ - at < len)
            damaged("stream runs past the end");
        pos_ = at + len;
        bits_ = 0;
        count_ = 0;
    }

private:
    const uint8_t *data_;
    size_t size_;
    size_t pos_ = 0;
    uint64_t bits_ = 0;
    unsigned count_ = 0;
};

constexpr unsigned MaxCodeBits = zipformat::MaxCodeLength;

// A table entry: the bits to drop (the code and, for lengths and distances,
// its extra bits) in the low six bits, then a flag for a length (a distance
// follows) and one for anything the main loop does not handle itself; what
// the symbol means in the next byte, the code's own length above. Dropping 0
// bits marks a code longer than the table, or no code at all: the slow path.
enum Kind : uint32_t { Literal = 0, Length = 1, EndOfBlock = 2, BadSymbol = 3 };
constexpr uint32_t BitsMask = 0x3F, LengthFlag = 0x40, Unusual = 0x80;
constexpr uint32_t entry(uint32_t value, unsigned bits)
{
    return value << 8 | bits;
}
constexpr uint32_t kindOf(uint32_t e)
{
    return (e >> 8) & 0xFF;
}

unsigned lengthExtraBits(unsigned symbol)  // 257..285
{
    const unsigned s = symbol - 257;
    return s < 8 || s == 28 ? 0 : (s - 4) / 4;
}

unsigned distanceExtraBits(unsigned symbol)  // 0..29
{
    return symbol < 4 ? 0 : symbol / 2 - 1;
}

uint32_t literalLengthEntry(unsigned symbol, unsigned codeBits)
{
    const uint32_t code = codeBits << 16;
    if (symbol < 256)
        return entry(Literal, codeBits) | code;
    if (symbol == 256)
        return entry(EndOfBlock, codeBits) | Unusual | code;
    if (symbol <= 285)
        return entry(Length, codeBits + lengthExtraBits(symbol)) | LengthFlag | code;
    return entry(BadSymbol, codeBits) | Unusual | code;
}

uint32_t distanceEntry(unsigned symbol, unsigned codeBits)
{
    return symbol < 30 ? entry(0, codeBits + distanceExtraBits(symbol)) : entry(BadSymbol, codeBits) | Unusual;
}

uint32_t codeLengthEntry(unsigned symbol, unsigned codeBits)
{
    return entry(symbol, codeBits);
}

// A canonical Huffman code: a table indexed by the next TableBits bits (the
// first bit of a code is the lowest), and for longer codes the code walked
// bit by bit over the counts of each length.
template <unsigned TableBits, unsigned MaxSymbols>
class Decoder {
public:
    // `allowSingle`: a code of one symbol of one bit is accepted, as inflaters
    // do for the literal/length and distance codes; no symbol at all too, for
    // a block without matches (any use of the code then throws).
    //
    // `packLiterals`: an entry whose bits begin with literals counts all of
    // them whose codes fit in the table's bits, and a length after them, as
    // their values are not wanted.
    void build(const uint8_t *lengths, unsigned n, uint32_t (*entryFor)(unsigned, unsigned), bool allowSingle,
               bool packLiterals = false)
    {
        const zipformat::CodeLengthCounts counts = zipformat::countCodeLengths(lengths, n);
        if (counts.overSubscribed)
            damaged("over-subscribed code");
        if (counts.incomplete && !(allowSingle && counts.singleOrNone()))
            damaged("incomplete code");
        const auto &count = counts.perLength;
        count_ = count;
        zipformat::sortByCode(lengths, n, counts, sorted_.data());

        table_.fill(Unusual);
        entryFor_ = entryFor;
        // Canonical codes in order of length, then symbol.
        unsigned code = 0, index = 0;
        for (unsigned len = 1; len <= TableBits; ++len) {
            for (unsigned i = 0; i < count[len]; ++i, ++code) {
                const unsigned symbol = sorted_[index++];
                const unsigned reversed = zipformat::reversedCode(code, len);
                const uint32_t e = entryFor(symbol, len);
                for (unsigned r = reversed; r < (1u << TableBits); r += 1u << len)
                    table_[r] = e;
            }
            code <<= 1;
        }
        if (!packLiterals)
            return;
        const std::array<uint32_t, 1u << TableBits> single = table_;
        for (unsigned i = 0; i < single.size(); ++i) {
            unsigned total = 0, rest = i, room = TableBits;
            for (;;) {
                const uint32_t e = single[rest];
                const unsigned codeBits = e >> 16;
                if ((e & Unusual) || codeBits == 0 || codeBits > room)
                    break;
                total += e & BitsMask;
                if (e & LengthFlag) {
                    if (total > (e & BitsMask))
                        table_[i] = entry(Length, total) | LengthFlag;
                    total = 0;
                    break;
                }
                room -= codeBits;
                rest >>= codeBits;
            }
            if (total > 0)
                table_[i] = entry(Literal, total);
        }
    }

    uint32_t fast(uint64_t bits) const { return table_[bits & ((1u << TableBits) - 1)]; }

    // The entry for the code at the front of `bits`, or 0 bits for none.
    uint32_t lookup(uint64_t bits) const
    {
        const uint32_t e = table_[bits & ((1u << TableBits) - 1)];
        return (e & BitsMask) ? e : slow(bits);
    }

private:
    uint32_t slow(uint64_t bits) const
    {
        // `code` - `first` is the rank of the code among those of its length.
        int code = 0, first = 0, index = 0;
        for (unsigned len = 1; len <= MaxCodeBits; ++len) {
            code |= int(bits & 1);
            bits >>= 1;
            const int count = count_[len];
            if (code - first < count)
                return entryFor_(sorted_[index + code - first], len);
            index += count;
            first = (first + count) << 1;
            code <<= 1;
        }
        damaged("invalid code");
    }

    std::array<uint32_t, 1u << TableBits> table_{};
    std::array<uint16_t, MaxCodeBits + 1> count_{};
    std::array<uint16_t, MaxSymbols> sorted_{};
    uint32_t (*entryFor_)(unsigned, unsigned) = nullptr;
};

using LiteralLengthDecoder = Decoder<11, 288>;
using DistanceDecoder = Decoder<10, 32>;

struct FixedCodes {
    LiteralLengthDecoder literalLength;
    DistanceDecoder distance;
    FixedCodes()
    {
        uint8_t lengths[288];
        std::memset(lengths, 8, 144);
        std::memset(lengths + 144, 9, 112);
        std::memset(lengths + 256, 7, 24);
        std::memset(lengths + 280, 8, 8);
        literalLength.build(lengths, 288, literalLengthEntry, false, true);
        std::memset(lengths, 5, 32);
        distance.build(lengths, 32, distanceEntry, false);
    }
};

// Windows' own ZIP extractor refuses a block whose distance code is empty
// (libdeflate before 1.19 writes one when a block has no matches) or is
// incomplete, unless it is a single code of one bit, as zlib and others write
// for a block with one distance. `lengths` are the block's distance code
// lengths.
bool distanceCodeRefused(const uint8_t *lengths, unsigned n)
{
    unsigned used = 0, longest = 0;
    uint32_t kraft = 0;  // in units of 2^-15
    for (unsigned i = 0; i < n; ++i) {
        if (lengths[i] == 0)
            continue;
        ++used;
        longest = std::max<unsigned>(longest, lengths[i]);
        kraft += 1u << (15 - lengths[i]);
    }
    if (used == 1)
        return longest != 1;
    return used == 0 || kraft != (1u << 15);
}

// A dynamic block's code lengths, read from its header (after the block
// type): the literal/length code's, then the distance code's.
struct CodeLengths {
    unsigned nLiteralLength = 0;
    unsigned nDistance = 0;
    uint8_t lengths[286 + 30];
    const uint8_t *distance() const { return lengths + nLiteralLength; }
};

void readCodeLengths(BitReader &in, CodeLengths &codes)
{
    const unsigned nLiteralLength = in.take(5) + 257;
    const unsigned nDistance = in.take(5) + 1;
    const unsigned nCodeLength = in.take(4) + 4;
    if (nLiteralLength > 286 || nDistance > 30)
        damaged("too many length or distance symbols");

    static constexpr uint8_t order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    uint8_t codeLengthLengths[19] = {};
    for (unsigned i = 0; i < nCodeLength; ++i)
        codeLengthLengths[order[i]] = uint8_t(in.take(3));
    Decoder<7, 19> codeLengths;
    codeLengths.build(codeLengthLengths, 19, codeLengthEntry, false);

    codes.nLiteralLength = nLiteralLength;
    codes.nDistance = nDistance;
    uint8_t *lengths = codes.lengths;
    const unsigned total = nLiteralLength + nDistance;
    for (unsigned i = 0; i < total;) {
        in.refill();
        const uint32_t e = codeLengths.lookup(in.peek());
        in.skip(e & BitsMask);
        const unsigned symbol = kindOf(e);
        if (symbol < 16) {
            lengths[i++] = uint8_t(symbol);
            continue;
        }
        unsigned repeat;
        uint8_t value = 0;
        if (symbol == 16) {
            if (i == 0)
                damaged("repeat with no length before it");
            value = lengths[i - 1];
            repeat = 3 + in.take(2);
        } else if (symbol == 17) {
            repeat = 3 + in.take(3);
        } else {
            repeat = 11 + in.take(7);
        }
        if (repeat > total - i)
            damaged("code lengths repeat past their end");
        std::memset(lengths + i, value, repeat);
        i += repeat;
    }
    if (lengths[256] == 0)
        damaged("no end-of-block code");
}

void readDynamicCodes(BitReader &in, LiteralLengthDecoder &literalLength, DistanceDecoder &distance,
                      bool &refusedByWindows)
{
    CodeLengths codes;
    readCodeLengths(in, codes);
    literalLength.build(codes.lengths, codes.nLiteralLength, literalLengthEntry, true, true);
    distance.build(codes.distance(), codes.nDistance, distanceEntry, true);
    refusedByWindows = refusedByWindows || distanceCodeRefused(codes.distance(), codes.nDistance);
}

// Decodes a Huffman block's symbols up to its end-of-block code. The main
// loop looks a distance up after every symbol and drops its bits only after a
// length: no branch on which of the two came, which would be mispredicted.
void skipHuffmanBlock(BitReader &reader, const LiteralLengthDecoder &literalLength, const DistanceDecoder &distance)
{
    // A copy the compiler can keep in registers.
    BitReader in = reader;
    for (;;) {
        // 56 bits after a refill cover a length code and its extra bits
        // (15 + 5) and a distance code and its extra bits (15 + 13).
        in.refill();
        const uint64_t bits = in.peek();
        const uint32_t e = literalLength.fast(bits);
        const uint32_t d = distance.fast(bits >> (e & BitsMask));
        const uint32_t ifLength = 0u - ((e & LengthFlag) >> 6);
        if (((e | (d & ifLength)) & Unusual) == 0) {
            in.skip((e & BitsMask) + (d & ifLength & BitsMask));
            continue;
        }
        // The end of the block, a code longer than the table, or damage.
        const uint32_t slowE = literalLength.lookup(bits);
        in.skip(slowE & BitsMask);
        switch (kindOf(slowE)) {
        case Literal: continue;
        case Length: {
            const uint32_t slowD = distance.lookup(in.peek());
            if (kindOf(slowD) == BadSymbol)
                damaged("invalid distance symbol");
            in.skip(slowD & BitsMask);
            continue;
        }
        case EndOfBlock: reader = in; return;
        default: damaged("invalid length symbol");
        }
    }
}

}  // namespace

StreamTail findStreamTail(std::span<const uint8_t> stream)
{
    static const FixedCodes fixed;
    thread_local LiteralLengthDecoder literalLength;
    thread_local DistanceDecoder distance;
    BitReader in(stream);
    bool refused = false;
    for (;;) {
        const size_t blockStart = in.bitPosition();
        const uint32_t header = in.take(3);
        switch (header >> 1) {
        case 0: in.skipStored(); break;
        case 1: skipHuffmanBlock(in, fixed.literalLength, fixed.distance); break;
        case 2:
            readDynamicCodes(in, literalLength, distance, refused);
            skipHuffmanBlock(in, literalLength, distance);
            break;
        default: damaged("invalid block type");
        }
        if (header & 1) {
            const size_t end = in.bitPosition();
            if ((end + 7) / 8 != stream.size())
                throw std::runtime_error("deflate piece has bytes after its end");
            return {blockStart, end, refused};
        }
    }
}

bool refusedByWindows(std::span<const uint8_t> stream)
{
    // Most members are one block: its header alone answers, without the
    // decoding of its codes that finding a next block would take.
    BitReader in(stream);
    const uint32_t header = in.take(3);
    if (!(header & 1))
        return findStreamTail(stream).refusedByWindows;
    if ((header >> 1) != 2)
        return false;
    CodeLengths codes;
    readCodeLengths(in, codes);
    return distanceCodeRefused(codes.distance(), codes.nDistance);
}

}  // namespace zipeng
