// libFuzzer target: the decoders written here rather than taken from a codec
// library (Shrink, Reduce, Implode, Deflate64, PPMd), fed any bytes. Each
// input is decoded twice, whole and in small pieces into a small buffer, and
// both runs must agree: the same verdict, and the same bytes when they
// succeed. Neither may produce more than the declared size.
//
// Input: a 6-byte head, then the compressed data.
//   [0] the method (taken modulo the list below)   [1] general-purpose flags (low byte)
//   [2..3] the declared size, little-endian         [4] its multiplier - 1 (low 4 bits)
//   [5] the input piece size - 1 (low 6 bits)

#include "engine/unzeng/Decoders.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr uint16_t Methods[] = {1, 2, 3, 4, 5, 6, 9, 98};

[[noreturn]] void fault(const char *what)
{
    std::fprintf(stderr, "fuzz_decoders: %s\n", what);
    std::abort();
}

struct Outcome {
    bool ok = false;
    std::string bytes;
};

Outcome decode(uint16_t method, uint16_t flags, uint64_t size, const uint8_t *data, size_t length, size_t piece,
               size_t bufferSize)
{
    // A small budget keeps a PPMd header from allocating 256 MiB per input.
    unzeng::MemoryBudget budget(uint64_t(64) << 20);
    std::atomic<bool> cancel{false};
    unzeng::MemoryLease lease(&budget, &cancel);
    std::string error;
    auto decoder = unzeng::makeStreamDecoder(method, flags, size, error, &lease);
    if (!decoder)
        return {};
    size_t at = 0;
    std::vector<uint8_t> buffer(bufferSize);
    Outcome outcome;
    const auto result = unzeng::runDecoder(
        *decoder,
        [&](const uint8_t *&p, size_t &n) {
            p = data + at;
            n = std::min(piece, length - at);
            at += n;
            return true;
        },
        buffer.data(), buffer.size(), size,
        [&](const uint8_t *out, size_t n) {
            outcome.bytes.append(reinterpret_cast<const char *>(out), n);
            return true;
        });
    if (result.produced > size || outcome.bytes.size() > size)
        fault("a decoder produced more than the declared size");
    outcome.ok = result.ok;
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 6)
        return 0;
    const uint16_t method = Methods[data[0] % std::size(Methods)];
    const uint16_t flags = data[1];
    const uint64_t declared = uint64_t(data[2] | (data[3] << 8)) * (1 + (data[4] & 15));
    const size_t piece = 1 + (data[5] & 63);
    const Outcome whole =
        decode(method, flags, declared, data + 6, size - 6, size, size_t(std::max<uint64_t>(declared, 1)));
    const Outcome pieces = decode(method, flags, declared, data + 6, size - 6, piece, 7);
    if (whole.ok != pieces.ok)
        fault("decoding whole and in pieces gave different verdicts");
    if (whole.ok && whole.bytes != pieces.bytes)
        fault("decoding whole and in pieces gave different bytes");
    return 0;
}
