#pragma once
// What the PKZIP 1.x decoders share: their bits come least significant first,
// and Reduce and Implode copy matches out of a small window. Each decoder
// reads a whole step (a code, a literal, a match) from bits already taken in
// and commits it only when it was complete, so that input may stop at any
// byte and resume with the next piece.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace unzeng::legacy {

// A tentative read from the bits taken in so far; `complete` turns false
// when a step needs more bits than there are.
struct BitCursor {
    uint64_t bits = 0;
    unsigned count = 0;
    bool complete = true;

    uint32_t take(unsigned n)
    {
        if (n > count) {
            complete = false;
            count = 0;
            return 0;
        }
        const uint32_t value = uint32_t(bits & ((uint64_t(1) << n) - 1));
        bits >>= n;
        count -= n;
        return value;
    }
};

class BitReader {
public:
    // After this the reader holds at least 57 bits unless the input ran out,
    // more than the longest step of any of the three methods (48 bits).
    void fill(const uint8_t *&in, size_t &inLength)
    {
        while (count_ <= 56 && inLength > 0) {
            bits_ |= uint64_t(*in) << count_;
            ++in;
            --inLength;
            count_ += 8;
        }
    }
    BitCursor cursor() const { return {bits_, count_, true}; }
    void commit(const BitCursor &c)
    {
        bits_ = c.bits;
        count_ = c.count;
    }

private:
    uint64_t bits_ = 0;
    unsigned count_ = 0;
};

// The last 8 KiB of output, zeros at first: a match reaching before the start
// of the output copies zeros, as PKZIP's own decoder does. A match may be
// longer than the space a call offers; the rest waits in `pending`.
class CopyWindow {
public:
    static constexpr size_t Size = 8192;

    void put(uint8_t byte)
    {
        data_[position_] = byte;
        position_ = (position_ + 1) % Size;
    }
    // `distance`: 1 to Size.
    void startCopy(size_t distance, size_t length)
    {
        distance_ = distance;
        pending_ = length;
    }
    bool copying() const { return pending_ > 0; }
    // Copies what fits of the pending match to `out`, at most `room` bytes.
    size_t drain(uint8_t *&out, size_t &outLength, uint64_t room)
    {
        const size_t n = size_t(std::min<uint64_t>({pending_, outLength, room}));
        for (size_t k = 0; k < n; ++k) {
            const uint8_t byte = data_[(position_ + Size - distance_) % Size];
            put(byte);
            *out++ = byte;
        }
        outLength -= n;
        pending_ -= n;
        return n;
    }

private:
    std::array<uint8_t, Size> data_{};
    size_t position_ = 0;
    size_t distance_ = 1;
    size_t pending_ = 0;
};

}  // namespace unzeng::legacy
