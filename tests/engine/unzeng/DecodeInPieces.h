#pragma once
// Runs one of our decoders as the extraction does, with the input handed
// over and the output taken in pieces of chosen sizes, and keeps what came out.

#include "engine/unzeng/Decoders.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ziptest {

struct Decoded {
    bool ok = false;
    std::string data;
    std::string error;
};

// `packed` declared to hold `size` bytes; the input in pieces cycling through
// `inPieces` (none: all at once), the output `outSpace` bytes at a time (0:
// all at once).
inline Decoded decodeInPieces(unzeng::StreamDecoder &decoder, const std::string &packed, uint64_t size,
                              const std::vector<size_t> &inPieces = {}, size_t outSpace = 0)
{
    Decoded d;
    size_t at = 0, turn = 0;
    const unzeng::InputPieces input = [&](const uint8_t *&p, size_t &n) {
        n = std::min(inPieces.empty() ? packed.size() : inPieces[turn++ % inPieces.size()], packed.size() - at);
        p = reinterpret_cast<const uint8_t *>(packed.data()) + at;
        at += n;
        return true;
    };
    std::vector<uint8_t> buffer(outSpace ? outSpace : std::max<size_t>(size_t(size), 1));
    const auto result =
        unzeng::runDecoder(decoder, input, buffer.data(), buffer.size(), size, [&](const uint8_t *out, size_t n) {
            d.data.append(reinterpret_cast<const char *>(out), n);
            return true;
        });
    d.ok = result.ok;
    d.error = result.error;
    return d;
}

}  // namespace ziptest
