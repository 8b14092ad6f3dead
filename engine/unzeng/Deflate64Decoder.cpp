// Longer than 600 lines: the table builder, the step-by-step decoder and the
// fast loop share one state and one table layout, and read best together.
#include "engine/unzeng/Deflate64Decoder.h"

#include "engine/zipformat/CanonicalCode.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <new>

// The decoder writes into a window of its own: 64 KiB of history and room to
// decode ahead, handed to the caller as it has space. A fast loop runs while
// the input and the room left hold a whole symbol's worth; near either end
// the same steps run one at a time, each one either done whole or left for
// the next call, so the input may stop at any byte and the output at any
// length. Handing out copies each byte once more, little next to the
// decoding: the whole runs at about twice the speed of zlib's inflate.

namespace unzeng {

namespace {

constexpr size_t HistorySize = size_t(1) << 16;  // the farthest a match reaches back
constexpr size_t WindowCapacity = HistorySize + (size_t(256) << 10);
// Match copies write in 16-byte steps and may run this far past their end.
constexpr size_t CopySlack = 32;
// Below this much room the window is slid before decoding on.
constexpr size_t SlideRoom = size_t(32) << 10;
// The fast loop reads 8 bytes at a time, at most twice per symbol.
constexpr size_t FastInputMargin = 16;

using zipformat::MaxCodeLength;
constexpr unsigned LitLenRootBits = 11, DistRootBits = 8, PrecodeRootBits = 7;
constexpr unsigned LitLenCount = 288, DistCount = 32, PrecodeCount = 19;
constexpr unsigned MaxLitLenDeclared = 286;  // 286 and 287 never stand for anything

// A table entry: bits 0-4 the code bits to drop, 8-12 the extra bits that
// follow the code (for a sub-table pointer, its index bits), 13-15 the kind,
// 16-31 the value (a literal, a base, or where the sub-table starts).
constexpr uint32_t LiteralKind = 1u << 15, SubtableKind = 1u << 14, SpecialKind = 1u << 13;
constexpr uint32_t EndOfBlock = 0, InvalidSymbol = 1;  // values of SpecialKind

constexpr uint32_t entry(uint32_t value, uint32_t kind, unsigned extraBits, unsigned codeBits)
{
    return value << 16 | kind | extraBits << 8 | codeBits;
}
constexpr unsigned codeBitsOf(uint32_t e)
{
    return e & 31;
}
constexpr unsigned extraBitsOf(uint32_t e)
{
    return (e >> 8) & 31;
}
constexpr uint32_t valueOf(uint32_t e)
{
    return e >> 16;
}
constexpr uint64_t lowBits(unsigned n)
{
    return (uint64_t(1) << n) - 1;
}

// A sub-table per root prefix of the longer codes, each of 2^(longest -
// root) entries; there are never more of them than symbols.
constexpr size_t tableSize(unsigned symbols, unsigned rootBits)
{
    return (size_t(1) << rootBits) + size_t(symbols) * (size_t(1) << (MaxCodeLength - rootBits));
}
constexpr size_t LitLenTableSize = tableSize(MaxLitLenDeclared, LitLenRootBits);
constexpr size_t DistTableSize = tableSize(DistCount, DistRootBits);

// What each symbol decodes to, without its code length.
constexpr std::array<uint32_t, LitLenCount> LitLenSymbols = [] {
    std::array<uint32_t, LitLenCount> t{};
    for (uint32_t s = 0; s < 256; ++s)
        t[s] = entry(s, LiteralKind, 0, 0);
    t[256] = entry(EndOfBlock, SpecialKind, 0, 0);
    uint32_t base = 3;
    for (unsigned i = 0; i < 28; ++i) {
        const unsigned extra = i < 8 ? 0 : i / 4 - 1;
        t[257 + i] = entry(base, 0, extra, 0);
        base += 1u << extra;
    }
    // Deflate64's one change to the lengths: 285 is 3 plus 16 bits, not 258.
    t[285] = entry(3, 0, 16, 0);
    t[286] = t[287] = entry(InvalidSymbol, SpecialKind, 0, 0);
    return t;
}();

// All 32 distance codes are used; 30 and 31 reach into the second 32 KiB.
constexpr std::array<uint32_t, DistCount> DistSymbols = [] {
    std::array<uint32_t, DistCount> t{};
    uint32_t base = 1;
    for (unsigned i = 0; i < DistCount; ++i) {
        const unsigned extra = i < 4 ? 0 : i / 2 - 1;
        t[i] = entry(base, 0, extra, 0);
        base += 1u << extra;
    }
    return t;
}();

constexpr std::array<uint32_t, PrecodeCount> PrecodeSymbols = [] {
    std::array<uint32_t, PrecodeCount> t{};
    for (uint32_t s = 0; s < PrecodeCount; ++s)
        t[s] = entry(s, 0, 0, 0);
    return t;
}();

// The order the code-length code's lengths are sent in.
constexpr std::array<uint8_t, PrecodeCount> PrecodeOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                            11, 4,  12, 3, 13, 2, 14, 1, 15};

enum class Build { Ok, OverSubscribed, Incomplete };

// Fills a decoding table for the canonical code of these lengths. An
// incomplete code is refused unless `oneCodeAllowed` and it is a single
// 1-bit code or no code at all, which encoders send for a block with one
// distance or none; the unused bit patterns decode as invalid.
Build buildTable(const uint8_t *lengths, unsigned count, const uint32_t *symbols, unsigned rootBits, uint32_t *table,
                 size_t tableEntries, bool oneCodeAllowed)
{
    const zipformat::CodeLengthCounts counts = zipformat::countCodeLengths(lengths, count);
    if (counts.overSubscribed)
        return Build::OverSubscribed;
    const unsigned longest = counts.longest;
    const size_t rootSize = size_t(1) << rootBits;
    if (counts.incomplete) {
        if (!oneCodeAllowed || !counts.singleOrNone())
            return Build::Incomplete;
        // Telling an unused pattern takes as many bits as the code has.
        std::fill(table, table + rootSize, entry(InvalidSymbol, SpecialKind, 0, longest));
    }

    std::array<uint16_t, LitLenCount> sorted{};
    zipformat::sortByCode(lengths, count, counts, sorted.data());
    const unsigned used = counts.used;

    const unsigned subBits = longest > rootBits ? longest - rootBits : 0;
    size_t nextSubtable = rootSize;
    size_t prefix = SIZE_MAX, subtable = 0;
    uint32_t code = 0;  // canonical, first bit highest
    unsigned len = used ? lengths[sorted[0]] : 0;
    for (unsigned i = 0; i < used; ++i) {
        const unsigned s = sorted[i];
        if (lengths[s] > len) {
            code <<= lengths[s] - len;
            len = lengths[s];
        }
        // The stream sends a code's first bit first, into the low bits.
        const size_t reversed = zipformat::reversedCode(code, len);
        ++code;
        if (len <= rootBits) {
            for (size_t k = reversed; k < rootSize; k += size_t(1) << len)
                table[k] = symbols[s] | len;
            continue;
        }
        // Canonical codes sharing a root prefix come one after another.
        const size_t root = reversed & (rootSize - 1);
        if (root != prefix) {
            if (nextSubtable + (size_t(1) << subBits) > tableEntries)
                return Build::OverSubscribed;  // cannot happen for a code that passed the count
            prefix = root;
            subtable = nextSubtable;
            nextSubtable += size_t(1) << subBits;
            table[root] = entry(uint32_t(subtable), SubtableKind, subBits, rootBits);
        }
        for (size_t k = reversed >> rootBits; k < (size_t(1) << subBits); k += size_t(1) << (len - rootBits))
            table[subtable + k] = symbols[s] | (len - rootBits);
    }
    return Build::Ok;
}

struct FixedTables {
    std::array<uint32_t, size_t(1) << LitLenRootBits> litLen{};
    std::array<uint32_t, size_t(1) << DistRootBits> dist{};
    FixedTables()
    {
        std::array<uint8_t, LitLenCount> lengths{};
        std::fill(lengths.begin(), lengths.begin() + 144, uint8_t(8));
        std::fill(lengths.begin() + 144, lengths.begin() + 256, uint8_t(9));
        std::fill(lengths.begin() + 256, lengths.begin() + 280, uint8_t(7));
        std::fill(lengths.begin() + 280, lengths.end(), uint8_t(8));
        buildTable(lengths.data(), LitLenCount, LitLenSymbols.data(), LitLenRootBits, litLen.data(), litLen.size(),
                   false);
        std::fill(lengths.begin(), lengths.begin() + DistCount, uint8_t(5));
        buildTable(lengths.data(), DistCount, DistSymbols.data(), DistRootBits, dist.data(), dist.size(), false);
    }
};

const FixedTables &fixedTables()
{
    static const FixedTables tables;
    return tables;
}

// Copies a match that may overlap what it copies, writing up to 15 bytes
// past its end.
inline void copyMatch(uint8_t *dst, size_t distance, size_t length)
{
    const uint8_t *src = dst - distance;
    uint8_t *const end = dst + length;
    if (distance >= 16) {
        do {
            std::memcpy(dst, src, 16);
            dst += 16;
            src += 16;
        } while (dst < end);
    } else if (distance >= 8) {
        do {
            std::memcpy(dst, src, 8);
            dst += 8;
            src += 8;
        } while (dst < end);
    } else if (distance == 1) {
        std::memset(dst, *src, length);
    } else {
        while (dst < end)
            *dst++ = *src++;
    }
}

inline uint64_t load64(const uint8_t *p)
{
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    if constexpr (std::endian::native == std::endian::big)
        v = __builtin_bswap64(v);
    return v;
}

class Deflate64Decoder final : public StreamDecoder {
public:
    bool ready() const { return window_ != nullptr; }

    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool) override
    {
        if (stage_ == Stage::Failed)
            return Failed;
        in_ = in;
        inEnd_ = in + inLength;
        Status status = More;
        for (;;) {
            handOut(out, outLength);
            if (handed_ < pos_ || stage_ == Stage::Done)
                break;
            if (WindowCapacity - pos_ < SlideRoom)
                slide();
            const Pause pause = run();
            if (pause == Pause::Error) {
                status = Failed;
                break;
            }
            if (pause == Pause::Starved) {
                handOut(out, outLength);
                break;
            }
        }
        if (stage_ == Stage::Done && handed_ == pos_) {
            // Whole bytes read ahead past the last block go back, so that the
            // caller sees what follows the stream.
            const size_t back = std::min<size_t>(bitCount_ / 8, size_t(in_ - in));
            in_ -= back;
            bitCount_ -= unsigned(back * 8);
            bitBuffer_ &= lowBits(bitCount_);
            status = End;
        }
        inLength -= size_t(in_ - in);
        in = in_;
        return status;
    }

private:
    enum class Stage {
        BlockHeader,
        StoredLengths,
        StoredCopy,
        TableCounts,
        PrecodeLengths,
        CodeLengths,
        Codes,
        Match,
        Done,
        Failed
    };
    // Why run() or a stage stopped; Next: the stage is done, go on.
    enum class Pause { Next, Starved, WindowFull, Ended, Error };

    void handOut(uint8_t *&out, size_t &outLength)
    {
        const size_t n = std::min(pos_ - handed_, outLength);
        if (n == 0)
            return;
        std::memcpy(out, window_.get() + handed_, n);
        handed_ += n;
        out += n;
        outLength -= n;
    }

    // Keeps the last 64 KiB; only called once everything is handed out.
    void slide()
    {
        const size_t keep = std::min(pos_, HistorySize);
        std::memmove(window_.get(), window_.get() + pos_ - keep, keep);
        pos_ = handed_ = keep;
    }

    Pause failWith(const std::string &why)
    {
        fail("invalid deflate64 data: " + why);
        stage_ = Stage::Failed;
        return Pause::Error;
    }
    // False, with the decoder failed, when the lengths made no usable code.
    bool built(Build result, const char *code)
    {
        if (result != Build::Ok)
            failWith(std::string(code) + (result == Build::OverSubscribed ? " is over-subscribed" : " is incomplete"));
        return result == Build::Ok;
    }

    // The bits above bitCount_ are zero outside the fast loop.
    bool need(unsigned n)
    {
        while (bitCount_ < n) {
            if (in_ == inEnd_)
                return false;
            bitBuffer_ |= uint64_t(*in_++) << bitCount_;
            bitCount_ += 8;
        }
        return true;
    }
    uint32_t take(unsigned n)
    {
        const auto v = uint32_t(bitBuffer_ & lowBits(n));
        drop(n);
        return v;
    }
    void drop(unsigned n)
    {
        bitBuffer_ >>= n;
        bitCount_ -= n;
    }

    // The entry of the next code, with the bits its sub-table pointer takes
    // in `rootUsed`; false when the input ends before the code can be told.
    // The missing bits read as zeros, and a code no longer than the bits at
    // hand is then the true one.
    bool lookUp(const uint32_t *table, unsigned rootBits, uint32_t &e, unsigned &rootUsed)
    {
        while (bitCount_ <= 55 && in_ != inEnd_) {
            bitBuffer_ |= uint64_t(*in_++) << bitCount_;
            bitCount_ += 8;
        }
        e = table[bitBuffer_ & lowBits(rootBits)];
        rootUsed = 0;
        if (e & SubtableKind) {
            rootUsed = codeBitsOf(e);
            e = table[valueOf(e) + ((bitBuffer_ >> rootUsed) & lowBits(extraBitsOf(e)))];
        }
        return rootUsed + codeBitsOf(e) <= bitCount_;
    }

    Pause run();
    Pause readPrecode();
    Pause readCodeLengths();
    Pause codesSlowly();
    Pause codesFast();

    std::unique_ptr<uint8_t[]> window_{new (std::nothrow) uint8_t[WindowCapacity + CopySlack]};
    size_t pos_ = 0;     // decoded bytes in the window
    size_t handed_ = 0;  // of which the caller has these
    const uint8_t *in_ = nullptr;
    const uint8_t *inEnd_ = nullptr;
    uint64_t bitBuffer_ = 0;
    unsigned bitCount_ = 0;

    Stage stage_ = Stage::BlockHeader;
    bool finalBlock_ = false;
    size_t storedLeft_ = 0;
    unsigned litLenCount_ = 0, distCount_ = 0, precodeCount_ = 0, lengthsRead_ = 0;
    size_t pendingLength_ = 0;  // a length decoded, its distance still to come
    size_t matchLeft_ = 0, matchDistance_ = 0;
    const uint32_t *litLen_ = nullptr;
    const uint32_t *dist_ = nullptr;

    std::array<uint8_t, LitLenCount + DistCount> lengths_{};
    std::array<uint32_t, size_t(1) << PrecodeRootBits> precodeTable_{};
    std::array<uint32_t, LitLenTableSize> litLenTable_{};
    std::array<uint32_t, DistTableSize> distTable_{};
};

Deflate64Decoder::Pause Deflate64Decoder::run()
{
    for (;;) {
        switch (stage_) {
        case Stage::BlockHeader: {
            if (!need(3))
                return Pause::Starved;
            finalBlock_ = take(1) != 0;
            switch (take(2)) {
            case 0: stage_ = Stage::StoredLengths; break;
            case 1:
                litLen_ = fixedTables().litLen.data();
                dist_ = fixedTables().dist.data();
                stage_ = Stage::Codes;
                break;
            case 2: stage_ = Stage::TableCounts; break;
            default: return failWith("a block of the invalid type 3");
            }
            break;
        }
        case Stage::StoredLengths: {
            drop(bitCount_ % 8);
            if (!need(32))
                return Pause::Starved;
            const uint32_t length = take(16), complement = take(16);
            if (length != (~complement & 0xFFFFu))
                return failWith("a stored block's length does not match its complement");
            storedLeft_ = length;
            stage_ = Stage::StoredCopy;
            break;
        }
        case Stage::StoredCopy: {
            while (storedLeft_ > 0) {
                if (pos_ == WindowCapacity)
                    return Pause::WindowFull;
                if (bitCount_ >= 8) {
                    window_[pos_++] = uint8_t(take(8));
                    --storedLeft_;
                    continue;
                }
                const size_t n = std::min({storedLeft_, WindowCapacity - pos_, size_t(inEnd_ - in_)});
                if (n == 0)
                    return Pause::Starved;
                std::memcpy(window_.get() + pos_, in_, n);
                in_ += n;
                pos_ += n;
                storedLeft_ -= n;
            }
            stage_ = finalBlock_ ? Stage::Done : Stage::BlockHeader;
            break;
        }
        case Stage::TableCounts:
            if (!need(14))
                return Pause::Starved;
            litLenCount_ = take(5) + 257;
            distCount_ = take(5) + 1;
            precodeCount_ = take(4) + 4;
            if (litLenCount_ > MaxLitLenDeclared)
                return failWith("more than 286 literal/length codes");
            lengthsRead_ = 0;
            lengths_.fill(0);
            stage_ = Stage::PrecodeLengths;
            break;
        case Stage::PrecodeLengths:
            if (const Pause p = readPrecode(); p != Pause::Next)
                return p;
            break;
        case Stage::CodeLengths:
            if (const Pause p = readCodeLengths(); p != Pause::Next)
                return p;
            break;
        case Stage::Codes: {
            const bool roomy = in_ < inEnd_ && size_t(inEnd_ - in_) > FastInputMargin && pos_ < WindowCapacity;
            const Pause p = pendingLength_ == 0 && roomy ? codesFast() : codesSlowly();
            if (p != Pause::Next)
                return p;
            break;
        }
        case Stage::Match: {
            const size_t n = std::min(matchLeft_, WindowCapacity - pos_);
            if (n == 0)
                return Pause::WindowFull;
            copyMatch(window_.get() + pos_, matchDistance_, n);
            pos_ += n;
            matchLeft_ -= n;
            if (matchLeft_ == 0)
                stage_ = Stage::Codes;
            break;
        }
        case Stage::Done: return Pause::Ended;
        case Stage::Failed: return Pause::Error;
        }
    }
}

Deflate64Decoder::Pause Deflate64Decoder::readPrecode()
{
    std::array<uint8_t, PrecodeCount> lengths{};
    for (; lengthsRead_ < precodeCount_; ++lengthsRead_) {
        if (!need(3))
            return Pause::Starved;
        lengths_[PrecodeOrder[lengthsRead_]] = uint8_t(take(3));
    }
    std::copy_n(lengths_.begin(), PrecodeCount, lengths.begin());
    if (!built(buildTable(lengths.data(), PrecodeCount, PrecodeSymbols.data(), PrecodeRootBits, precodeTable_.data(),
                          precodeTable_.size(), false),
               "the code-length code"))
        return Pause::Error;
    lengths_.fill(0);
    lengthsRead_ = 0;
    stage_ = Stage::CodeLengths;
    return Pause::Next;
}

Deflate64Decoder::Pause Deflate64Decoder::readCodeLengths()
{
    const unsigned total = litLenCount_ + distCount_;
    while (lengthsRead_ < total) {
        uint32_t e;
        unsigned rootUsed;
        if (!lookUp(precodeTable_.data(), PrecodeRootBits, e, rootUsed))
            return Pause::Starved;
        const unsigned codeBits = codeBitsOf(e);
        const uint32_t symbol = valueOf(e);
        if (symbol < 16) {
            drop(codeBits);
            lengths_[lengthsRead_++] = uint8_t(symbol);
            continue;
        }
        const unsigned extraBits = symbol == 16 ? 2 : symbol == 17 ? 3 : 7;
        if (bitCount_ < codeBits + extraBits)
            return Pause::Starved;
        drop(codeBits);
        const unsigned repeat = take(extraBits) + (symbol == 18 ? 11 : 3);
        if (symbol == 16 && lengthsRead_ == 0)
            return failWith("a code-length repeat has nothing before it to repeat");
        if (repeat > total - lengthsRead_)
            return failWith("code-length repeats run past the end of the lengths");
        const uint8_t value = symbol == 16 ? lengths_[lengthsRead_ - 1] : 0;
        std::fill_n(lengths_.begin() + lengthsRead_, repeat, value);
        lengthsRead_ += repeat;
    }
    if (lengths_[256] == 0)
        return failWith("the block has no end-of-block code");
    if (!built(buildTable(lengths_.data(), litLenCount_, LitLenSymbols.data(), LitLenRootBits, litLenTable_.data(),
                          litLenTable_.size(), true),
               "the literal/length code")
        || !built(buildTable(lengths_.data() + litLenCount_, distCount_, DistSymbols.data(), DistRootBits,
                             distTable_.data(), distTable_.size(), true),
                  "the distance code"))
        return Pause::Error;
    litLen_ = litLenTable_.data();
    dist_ = distTable_.data();
    stage_ = Stage::Codes;
    return Pause::Next;
}

// One literal, end of block or match, taking each code only once all its
// bits are at hand.
Deflate64Decoder::Pause Deflate64Decoder::codesSlowly()
{
    uint32_t e;
    unsigned rootUsed;
    if (pendingLength_ == 0) {
        if (pos_ == WindowCapacity)
            return Pause::WindowFull;
        if (!lookUp(litLen_, LitLenRootBits, e, rootUsed))
            return Pause::Starved;
        const unsigned codeBits = rootUsed + codeBitsOf(e);
        if (e & LiteralKind) {
            drop(codeBits);
            window_[pos_++] = uint8_t(valueOf(e));
            return Pause::Next;
        }
        if (e & SpecialKind) {
            if (valueOf(e) != EndOfBlock)
                return failWith("an invalid literal/length code");
            drop(codeBits);
            stage_ = finalBlock_ ? Stage::Done : Stage::BlockHeader;
            return Pause::Next;
        }
        if (bitCount_ < codeBits + extraBitsOf(e))
            return Pause::Starved;
        drop(codeBits);
        pendingLength_ = valueOf(e) + take(extraBitsOf(e));
    }
    if (!lookUp(dist_, DistRootBits, e, rootUsed))
        return Pause::Starved;
    if (e & SpecialKind)
        return failWith("an invalid distance code");
    const unsigned codeBits = rootUsed + codeBitsOf(e);
    if (bitCount_ < codeBits + extraBitsOf(e))
        return Pause::Starved;
    drop(codeBits);
    const size_t distance = valueOf(e) + take(extraBitsOf(e));
    if (distance > pos_)
        return failWith("a match reaches back before the start of the data");
    matchLeft_ = pendingLength_;
    matchDistance_ = distance;
    pendingLength_ = 0;
    stage_ = Stage::Match;
    return Pause::Next;
}

// The same while the input holds more than any symbol needs; a match longer
// than the room left is finished by the Match stage.
Deflate64Decoder::Pause Deflate64Decoder::codesFast()
{
    uint64_t bits = bitBuffer_;
    unsigned count = bitCount_;
    const uint8_t *in = in_;
    const uint8_t *const inLimit = inEnd_ - FastInputMargin;
    uint8_t *const window = window_.get();
    uint8_t *const windowEnd = window + WindowCapacity;
    uint8_t *dst = window + pos_;
    const uint32_t *const litLen = litLen_;
    const uint32_t *const dist = dist_;
    const char *error = nullptr;

    // Whole bytes only, so that what is left of `in` is where the bits end.
    auto refill = [&] {
        bits |= load64(in) << count;
        in += (63 - count) >> 3;
        count |= 56;
    };
    auto dropBits = [&](unsigned n) {
        bits >>= n;
        count -= n;
    };
    while (in < inLimit && dst < windowEnd) {
        refill();
        uint32_t e = litLen[bits & lowBits(LitLenRootBits)];
        if (e & SubtableKind) {
            dropBits(codeBitsOf(e));
            e = litLen[valueOf(e) + (bits & lowBits(extraBitsOf(e)))];
        }
        if (e & LiteralKind) {
            dropBits(codeBitsOf(e));
            *dst++ = uint8_t(valueOf(e));
            continue;
        }
        if (e & SpecialKind) {
            if (valueOf(e) != EndOfBlock) {
                error = "an invalid literal/length code";
                break;
            }
            dropBits(codeBitsOf(e));
            stage_ = finalBlock_ ? Stage::Done : Stage::BlockHeader;
            break;
        }
        const size_t length = valueOf(e) + ((bits >> codeBitsOf(e)) & lowBits(extraBitsOf(e)));
        dropBits(codeBitsOf(e) + extraBitsOf(e));
        refill();
        e = dist[bits & lowBits(DistRootBits)];
        if (e & SubtableKind) {
            dropBits(codeBitsOf(e));
            e = dist[valueOf(e) + (bits & lowBits(extraBitsOf(e)))];
        }
        if (e & SpecialKind) {
            error = "an invalid distance code";
            break;
        }
        const size_t distance = valueOf(e) + ((bits >> codeBitsOf(e)) & lowBits(extraBitsOf(e)));
        dropBits(codeBitsOf(e) + extraBitsOf(e));
        if (distance > size_t(dst - window)) {
            error = "a match reaches back before the start of the data";
            break;
        }
        if (length > size_t(windowEnd - dst)) {
            matchLeft_ = length;
            matchDistance_ = distance;
            stage_ = Stage::Match;
            break;
        }
        copyMatch(dst, distance, length);
        dst += length;
    }
    bitBuffer_ = bits & lowBits(count);
    bitCount_ = count;
    in_ = in;
    pos_ = size_t(dst - window);
    if (error)
        return failWith(error);
    return stage_ == Stage::Codes && dst == windowEnd ? Pause::WindowFull : Pause::Next;
}

}  // namespace

std::unique_ptr<StreamDecoder> makeDeflate64Decoder()
{
    std::unique_ptr<Deflate64Decoder> decoder(new (std::nothrow) Deflate64Decoder);
    if (!decoder || !decoder->ready())
        return nullptr;
    return decoder;
}

}  // namespace unzeng
