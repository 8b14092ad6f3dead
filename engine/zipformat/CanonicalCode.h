#pragma once
// The canonical Huffman codes of Deflate and Deflate64, as a block's code
// lengths describe them: what the Deflate64 decoder and the walk of our own
// deflated pieces both build their tables from.

#include <array>
#include <cstdint>

namespace zipformat {

constexpr unsigned MaxCodeLength = 15;

struct CodeLengthCounts {
    std::array<uint16_t, MaxCodeLength + 1> perLength{};  // codes of each length; [0] stays 0
    unsigned used = 0;                                    // codes in all
    unsigned longest = 0;
    bool overSubscribed = false;  // more codes than bit patterns
    bool incomplete = false;      // bit patterns that no code has

    // The incomplete code encoders send for a block with one distance or
    // none: a single 1-bit code, or no code at all.
    bool singleOrNone() const { return used == 0 || (used == 1 && perLength[1] == 1); }
};

// Every length at most MaxCodeLength; 0 means the symbol has no code.
CodeLengthCounts countCodeLengths(const uint8_t *lengths, unsigned count);

// The symbols that have a code, in canonical order (by length, then symbol),
// into `sorted`, which has room for `counts.used`.
void sortByCode(const uint8_t *lengths, unsigned count, const CodeLengthCounts &counts, uint16_t *sorted);

// A canonical code (first bit highest) as the stream sends it: first bit lowest.
constexpr uint32_t reversedCode(uint32_t code, unsigned length)
{
    uint32_t reversed = 0;
    for (unsigned b = 0; b < length; ++b)
        reversed |= ((code >> b) & 1u) << (length - 1 - b);
    return reversed;
}

}  // namespace zipformat
