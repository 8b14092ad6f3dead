// No packaged library decodes the PKZIP 1.x methods, so they are ours. All
// three keep their state between calls and stop at the member's size: the
// streams have no end marker, and the last byte is often padded with bits.
#include "engine/unzeng/LegacyDecoders.h"

#include "engine/unzeng/LegacyBits.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <string>

namespace unzeng {

namespace {

using legacy::BitCursor;
using legacy::BitReader;
using legacy::CopyWindow;

// Reduce and Implode start each step by handing out what is left of the last
// match; a step runs only once it is all out and the member wants more bytes
// than there are. Otherwise the status the call ends with.
std::optional<StreamDecoder::Status> drainBeforeStep(CopyWindow &window, uint64_t &left, uint8_t *&out,
                                                     size_t &outLength)
{
    left -= window.drain(out, outLength, left);
    if (left == 0)
        return StreamDecoder::End;
    if (window.copying() || outLength == 0)
        return StreamDecoder::More;
    return std::nullopt;
}

// Shrink: LZW with codes of 9 to 13 bits. Code 256 is an escape: 256,1
// widens the codes by a bit, 256,2 frees the codes no other code extends.
// Freed codes are reused lowest first. A code keeps pointing at its prefix
// code even when that one is freed and defined anew, as in Info-ZIP's unzip.
class ShrinkDecoder final : public StreamDecoder {
public:
    explicit ShrinkDecoder(uint64_t unpackedSize) : left_(unpackedSize) {}

    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool lastInput) override
    {
        for (;;) {
            while (pending_ > 0 && outLength > 0 && left_ > 0) {
                *out++ = string_[--pending_];
                --outLength;
                --left_;
            }
            if (left_ == 0)
                return End;
            if (pending_ > 0 || outLength == 0)
                return More;
            reader_.fill(in, inLength);
            BitCursor cursor = reader_.cursor();
            const unsigned code = cursor.take(codeSize_);
            if (!cursor.complete)
                return lastInput && inLength == 0 ? fail("invalid shrunk data: the data ends too early") : More;
            reader_.commit(cursor);
            if (!(escaped_ ? escape(code) : word(code)))
                return Failed;
        }
    }

private:
    static constexpr unsigned Codes = 8192, Escape = 256, FirstFree = 257, MaxCodeSize = 13;

    bool escape(unsigned code)
    {
        escaped_ = false;
        if (code == 1) {
            if (++codeSize_ > MaxCodeSize) {
                fail("invalid shrunk data: the code size grows past 13 bits");
                return false;
            }
            return true;
        }
        if (code == 2) {
            partialClear();
            return true;
        }
        fail("invalid shrunk data: unknown escape code " + std::to_string(code));
        return false;
    }

    // Which codes a clear frees follows Info-ZIP's unzip, the reader PKZIP's
    // data has been checked against for decades (found by feeding it code
    // streams): only the codes up to the last one defined since the previous
    // clear take part. A code above that survives and keeps no prefix alive;
    // the mark it leaves on its prefix lasts until a clear reaches that code,
    // and a freed code still marked is not handed out again.
    void partialClear()
    {
        for (unsigned c = FirstFree; c <= lastDefined_; ++c)
            if (inUse_[c] && parent_[c] >= FirstFree)
                extended_[parent_[c]] = true;
        for (unsigned c = FirstFree; c <= lastDefined_; ++c) {
            if (extended_[c])
                extended_[c] = false;
            else
                inUse_[c] = false;
        }
        lastDefined_ = Escape;
        nextFree_ = FirstFree;
        findFree();
    }

    void findFree()
    {
        while (nextFree_ < Codes && (inUse_[nextFree_] || extended_[nextFree_]))
            ++nextFree_;
    }

    // Follows `code`'s prefixes, putting their bytes into string_ (last byte
    // first) when `collect`; false when the chain meets a freed code or
    // runs longer than the table (a loop).
    bool walk(unsigned code, bool collect)
    {
        size_t length = 0;
        while (code >= FirstFree) {
            if (!inUse_[code]) {
                fail("invalid shrunk data: code " + std::to_string(code) + " is used after it was freed");
                return false;
            }
            if (length == Codes - FirstFree) {
                fail("invalid shrunk data: a code's string loops back on itself");
                return false;
            }
            if (collect)
                string_[length] = byte_[code];
            ++length;
            code = parent_[code];
        }
        string_[collect ? length : 0] = uint8_t(code);
        length_ = length + 1;
        return true;
    }

    bool word(unsigned code)
    {
        if (code == Escape) {
            escaped_ = true;
            return true;
        }
        if (!hasPrevious_) {
            if (code > Escape) {
                fail("invalid shrunk data: it starts with code " + std::to_string(code) + ", which is not defined");
                return false;
            }
        } else {
            // Only the code about to be defined may be read before it is (the
            // previous string and its own first byte).
            if (code > Escape && !inUse_[code] && code != nextFree_) {
                fail("invalid shrunk data: code " + std::to_string(code) + " is not defined");
                return false;
            }
            // The new code is defined before `code` is expanded, as Info-ZIP
            // does: it matters when `code` is the new one or is built on it.
            if (nextFree_ < Codes) {
                if (nextFree_ == previous_) {
                    fail("invalid shrunk data: code " + std::to_string(previous_) + " would extend itself");
                    return false;
                }
                const unsigned defined = nextFree_;
                parent_[defined] = uint16_t(previous_);
                inUse_[defined] = true;
                lastDefined_ = defined;
                findFree();
                if (!walk(code, false))
                    return false;
                byte_[defined] = string_[0];
            }
        }
        if (!walk(code, true))
            return false;
        previous_ = code;
        hasPrevious_ = true;
        pending_ = length_;
        return true;
    }

    uint64_t left_;
    BitReader reader_;
    unsigned codeSize_ = 9;
    bool escaped_ = false;
    bool hasPrevious_ = false;
    unsigned previous_ = 0;
    unsigned nextFree_ = FirstFree;
    unsigned lastDefined_ = Escape;  // none since the last clear
    std::array<uint16_t, Codes> parent_{};
    std::array<uint8_t, Codes> byte_{};
    std::array<bool, Codes> inUse_{};
    std::array<bool, Codes> extended_{};  // marked by a clear, see partialClear()
    // One code's string, last byte first; at most every table code plus a byte.
    std::array<uint8_t, Codes> string_{};
    size_t length_ = 0;
    size_t pending_ = 0;  // bytes of string_ not yet written, from the end
};

// Reduce: follower sets (up to 32 likely successors of each byte) turn bytes
// into short indexes; the bytes so made carry an LZ77 layer where 144 (DLE)
// starts a match. The factor (1 to 4) is how many bits of the match's first
// byte belong to the distance.
class ReduceDecoder final : public StreamDecoder {
public:
    ReduceDecoder(unsigned factor, uint64_t unpackedSize) : factor_(factor), left_(unpackedSize) {}

    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool lastInput) override
    {
        for (;;) {
            if (const auto status = drainBeforeStep(window_, left_, out, outLength))
                return *status;
            reader_.fill(in, inLength);
            BitCursor cursor = reader_.cursor();
            if (set_ >= 0) {
                readSets(cursor);
            } else {
                const int byte = nextByte(cursor);
                if (byte < 0)
                    return Failed;
                if (cursor.complete) {
                    reader_.commit(cursor);
                    lzByte(uint8_t(byte), out, outLength);
                    continue;
                }
            }
            if (!error_.empty())
                return Failed;
            if (!cursor.complete)
                return lastInput && inLength == 0 ? fail("invalid reduced data: the data ends too early") : More;
        }
    }

private:
    static constexpr uint8_t Dle = 144;
    static constexpr unsigned MaxFollowers = 32;

    // The sets come last byte value first; each is a 6-bit count and its
    // bytes. Each value read is committed at once, so a set may straddle
    // input pieces.
    void readSets(BitCursor &cursor)
    {
        while (set_ >= 0) {
            const size_t j = size_t(set_);
            if (!counted_) {
                const unsigned count = cursor.take(6);
                if (!cursor.complete)
                    return;
                if (count > MaxFollowers) {
                    fail("invalid reduced data: a follower set holds " + std::to_string(count) + " bytes");
                    return;
                }
                reader_.commit(cursor);
                followerCount_[j] = uint8_t(count);
                counted_ = true;
                read_ = 0;
            }
            while (read_ < followerCount_[j]) {
                const uint8_t byte = uint8_t(cursor.take(8));
                if (!cursor.complete)
                    return;
                reader_.commit(cursor);
                followers_[j][read_++] = byte;
            }
            counted_ = false;
            --set_;
        }
    }

    // The bits that index a set of n: enough for n - 1, at least one.
    static unsigned indexBits(unsigned n)
    {
        unsigned bits = 1;
        while ((1u << bits) < n)
            ++bits;
        return bits;
    }

    // The next byte of the LZ77 layer; -1 on an error. An incomplete cursor
    // means more bits are needed.
    int nextByte(BitCursor &cursor)
    {
        const unsigned n = followerCount_[last_];
        if (n == 0 || cursor.take(1) == 1)
            return int(cursor.take(8));
        const unsigned index = cursor.take(indexBits(n));
        if (cursor.complete && index >= n) {
            fail("invalid reduced data: follower index " + std::to_string(index) + " is beyond its set of "
                 + std::to_string(n));
            return -1;
        }
        return followers_[last_][index];
    }

    void literal(uint8_t byte, uint8_t *&out, size_t &outLength)
    {
        window_.put(byte);
        *out++ = byte;
        --outLength;
        --left_;
    }

    // One byte of the LZ77 layer: a literal, or part of a DLE sequence
    // (DLE 0 is a literal DLE).
    void lzByte(uint8_t byte, uint8_t *&out, size_t &outLength)
    {
        last_ = byte;
        const unsigned lengthBits = 8 - factor_, lengthMask = (1u << lengthBits) - 1;
        switch (state_) {
        case Lz::Plain:
            if (byte == Dle)
                state_ = Lz::AfterDle;
            else
                literal(byte, out, outLength);
            break;
        case Lz::AfterDle:
            if (byte == 0) {
                literal(Dle, out, outLength);
                state_ = Lz::Plain;
            } else {
                first_ = byte;
                length_ = byte & lengthMask;
                state_ = length_ == lengthMask ? Lz::MoreLength : Lz::Distance;
            }
            break;
        case Lz::MoreLength:
            length_ += byte;
            state_ = Lz::Distance;
            break;
        case Lz::Distance:
            window_.startCopy(size_t(first_ >> lengthBits) * 256 + byte + 1, length_ + 3);
            state_ = Lz::Plain;
            break;
        }
    }

    const unsigned factor_;
    uint64_t left_;
    BitReader reader_;
    CopyWindow window_;
    int set_ = 255;  // the set being read, -1 once all are
    bool counted_ = false;
    unsigned read_ = 0;
    std::array<std::array<uint8_t, MaxFollowers>, 256> followers_{};
    std::array<uint8_t, 256> followerCount_{};
    uint8_t last_ = 0;
    enum class Lz { Plain, AfterDle, MoreLength, Distance } state_ = Lz::Plain;
    unsigned first_ = 0;
    size_t length_ = 0;
};

// A Shannon-Fano code as Implode stores it: bit lengths only. The codes are
// handed out from the longest length to the shortest, each group in falling
// symbol order, counting up from zero; the stream sends each code's first
// bit first.
class ShannonFanoTree {
public:
    static constexpr unsigned MaxLength = 16;

    // False when the lengths are not a prefix code.
    bool build(const uint8_t *lengths, unsigned symbols)
    {
        std::array<uint16_t, 256> order{};
        std::iota(order.begin(), order.begin() + symbols, uint16_t(0));
        std::stable_sort(order.begin(), order.begin() + symbols,
                         [&](uint16_t a, uint16_t b) { return lengths[a] < lengths[b]; });
        count_.fill(0);
        uint32_t code = 0, step = 0;
        unsigned last = 0;
        for (unsigned i = symbols; i-- > 0;) {
            const unsigned symbol = order[i], length = lengths[symbol];
            code += step;
            if (length != last) {
                last = length;
                step = uint32_t(1) << (MaxLength - length);
                first_[length] = uint16_t(code >> (MaxLength - length));
                offset_[length] = uint16_t(symbols - 1 - i);
            }
            // Each code must start on its own length's boundary and fit in
            // 16 bits, or it would be the prefix of another.
            if (code % step != 0 || code + step > (uint32_t(1) << MaxLength))
                return false;
            symbols_[symbols - 1 - i] = uint8_t(symbol);
            ++count_[length];
        }
        return true;
    }

    // The symbol; -1 when the bits are no code of this tree. An incomplete
    // cursor means more bits are needed.
    int decode(BitCursor &cursor) const
    {
        uint32_t code = 0;
        for (unsigned length = 1; length <= MaxLength; ++length) {
            code = (code << 1) | cursor.take(1);
            if (!cursor.complete)
                return 0;
            if (code >= first_[length] && code - first_[length] < count_[length])
                return symbols_[offset_[length] + code - first_[length]];
        }
        return -1;
    }

private:
    std::array<uint16_t, MaxLength + 1> first_{}, offset_{}, count_{};
    std::array<uint8_t, 256> symbols_{};
};

// Implode: LZ77 over a 4 or 8 KiB window, with Shannon-Fano trees for the
// literals (when present), the lengths and the distances' high six bits.
class ImplodeDecoder final : public StreamDecoder {
public:
    ImplodeDecoder(bool largeWindow, bool literalTree, uint64_t unpackedSize)
        : lowBits_(largeWindow ? 7 : 6), literalTree_(literalTree), left_(unpackedSize)
    {
        trees_ = literalTree ? 3 : 2;
    }

    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool lastInput) override
    {
        for (;;) {
            if (const auto status = drainBeforeStep(window_, left_, out, outLength))
                return *status;
            reader_.fill(in, inLength);
            BitCursor cursor = reader_.cursor();
            const bool stepped = treesRead_ == trees_ ? step(cursor, out, outLength) : readTree(cursor);
            if (!error_.empty())
                return Failed;
            if (!stepped)
                return lastInput && inLength == 0 ? fail("invalid imploded data: the data ends too early") : More;
        }
    }

private:
    static constexpr unsigned LiteralSymbols = 256, OtherSymbols = 64, LongLength = 63;

    // A tree: a byte holding the number of bytes after it less one; each of
    // those a bit length less one (low nibble) and how many symbols in a row
    // have it, less one (high nibble).
    bool readTree(BitCursor &cursor)
    {
        const uint8_t byte = uint8_t(cursor.take(8));
        if (!cursor.complete)
            return false;
        reader_.commit(cursor);
        if (treeBytesLeft_ < 0) {
            treeBytesLeft_ = byte + 1;
            lengthsRead_ = 0;
            return true;
        }
        const bool literals = literalTree_ && treesRead_ == 0;
        const unsigned symbols = literals ? LiteralSymbols : OtherSymbols;
        const unsigned run = (byte >> 4) + 1u, length = (byte & 15) + 1u;
        if (lengthsRead_ + run > symbols) {
            fail("invalid imploded data: a tree gives more than " + std::to_string(symbols) + " bit lengths");
            return true;
        }
        std::fill_n(lengths_.begin() + lengthsRead_, run, uint8_t(length));
        lengthsRead_ += run;
        if (--treeBytesLeft_ > 0)
            return true;
        if (lengthsRead_ != symbols) {
            fail("invalid imploded data: a tree gives " + std::to_string(lengthsRead_) + " bit lengths for "
                 + std::to_string(symbols) + " symbols");
            return true;
        }
        const unsigned kind = treesRead_ + (literalTree_ ? 0 : 1);  // literals, lengths, distances
        ShannonFanoTree &tree = kind == 0 ? literal_ : kind == 1 ? length_ : distance_;
        if (!tree.build(lengths_.data(), symbols)) {
            fail("invalid imploded data: a tree's bit lengths do not form a code");
            return true;
        }
        ++treesRead_;
        treeBytesLeft_ = -1;
        return true;
    }

    // One literal or match; false when more bits are needed.
    bool step(BitCursor &cursor, uint8_t *&out, size_t &outLength)
    {
        if (cursor.take(1) == 1) {
            const int byte = literalTree_ ? literal_.decode(cursor) : int(cursor.take(8));
            if (!cursor.complete)
                return false;
            if (byte < 0) {
                fail("invalid imploded data: a literal code is not in its tree");
                return true;
            }
            reader_.commit(cursor);
            window_.put(uint8_t(byte));
            *out++ = uint8_t(byte);
            --outLength;
            --left_;
            return true;
        }
        const unsigned low = cursor.take(lowBits_);
        const int high = distance_.decode(cursor);
        int length = cursor.complete && high >= 0 ? length_.decode(cursor) : 0;
        if (cursor.complete && length == int(LongLength))
            length += int(cursor.take(8));
        if (!cursor.complete)
            return false;
        if (high < 0 || length < 0) {
            fail("invalid imploded data: a match code is not in its tree");
            return true;
        }
        reader_.commit(cursor);
        const size_t distance = (size_t(high) << lowBits_ | low) + 1;
        window_.startCopy(distance, size_t(length) + (literalTree_ ? 3 : 2));
        return true;
    }

    const unsigned lowBits_;
    const bool literalTree_;
    uint64_t left_;
    BitReader reader_;
    CopyWindow window_;
    unsigned trees_ = 2, treesRead_ = 0;
    int treeBytesLeft_ = -1;  // -1: at a tree's first byte
    unsigned lengthsRead_ = 0;
    std::array<uint8_t, LiteralSymbols> lengths_{};
    ShannonFanoTree literal_, length_, distance_;
};

}  // namespace

std::unique_ptr<StreamDecoder> makeShrinkDecoder(uint64_t unpackedSize)
{
    return std::make_unique<ShrinkDecoder>(unpackedSize);
}

std::unique_ptr<StreamDecoder> makeReduceDecoder(unsigned factor, uint64_t unpackedSize)
{
    if (factor < 1 || factor > 4)
        return nullptr;
    return std::make_unique<ReduceDecoder>(factor, unpackedSize);
}

std::unique_ptr<StreamDecoder> makeImplodeDecoder(bool largeWindow, bool literalTree, uint64_t unpackedSize)
{
    return std::make_unique<ImplodeDecoder>(largeWindow, literalTree, unpackedSize);
}

}  // namespace unzeng
