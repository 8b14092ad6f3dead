#pragma once
// Writers of the PKZIP 1.x methods, so that tests can make member data in
// every variant the decoders read: Shrink, Reduce's four factors, Implode
// with either window and with or without the literal tree. They aim at valid
// streams, not small ones: greedy matching, no tuning.

#include <cstddef>
#include <cstdint>
#include <string>

namespace ziptest {

// Bits least significant first, as all three methods store them.
class LsbBitWriter {
public:
    void put(uint32_t value, unsigned bits);
    // `code`'s `bits` bits, its highest first (Implode's tree codes).
    void putReversed(uint32_t code, unsigned bits);
    // The bytes so far, the last one padded with zeros.
    std::string finish();

private:
    std::string out_;
    uint64_t pending_ = 0;
    unsigned count_ = 0;
};

// Method 1. Besides the partial clear when its table is full, one after
// every `clearEvery` codes (0: never), so that small inputs reach it too.
std::string shrink(const std::string &data, size_t clearEvery = 0);
// Methods 2 to 5: `factor` 1 to 4.
std::string reduce(const std::string &data, unsigned factor);
// Method 6; the general-purpose flags that go with it are implodeFlags().
std::string implode(const std::string &data, bool largeWindow, bool literalTree);
uint16_t implodeFlags(bool largeWindow, bool literalTree);

}  // namespace ziptest
