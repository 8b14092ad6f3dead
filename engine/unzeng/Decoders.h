#pragma once
// Decoding one member's data: whole in memory (libdeflate for deflate) or
// piece by piece through the codec libraries' streaming interfaces.

#include "engine/unzeng/StreamDecoder.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

struct libdeflate_decompressor;

namespace unzeng {

bool methodSupported(uint16_t method);

// Nothing when the method is unsupported or the codec cannot start; `error`
// says why. `unpackedSize` bounds what the decoder may produce; `flags` are
// the member's general-purpose flags (Implode reads its options there).
// Decoders that can demand much memory ask `lease` for it first (a null
// lease: the default limit).
std::unique_ptr<StreamDecoder> makeStreamDecoder(uint16_t method, uint16_t flags, uint64_t unpackedSize,
                                                 std::string &error, MemoryLease *lease = nullptr);

// Supplies the member's compressed bytes: the next piece, or length 0 at the
// end. False on a read error.
using InputPieces = std::function<bool(const uint8_t *&data, size_t &length)>;
// Receives decoded bytes; false stops the decoding (write error, cancel).
using OutputSink = std::function<bool(const uint8_t *data, size_t length)>;

struct DecodeResult {
    bool ok = false;
    bool stopped = false;  // the sink said stop
    uint64_t produced = 0;
    std::string error;
};

// Runs `decoder` over the input, handing the output to `sink` whenever
// `buffer` (of `bufferSize` bytes) is full and at the end. Never produces more
// than `unpackedSize`: a stream that would is an error, as is one that ends
// short of it.
DecodeResult runDecoder(StreamDecoder &decoder, const InputPieces &input, uint8_t *buffer, size_t bufferSize,
                        uint64_t unpackedSize, const OutputSink &sink);

// Deflate, whole member in memory. `out` holds exactly `unpackedSize` bytes.
bool inflateWhole(libdeflate_decompressor *decompressor, const uint8_t *in, size_t inLength, uint8_t *out,
                  size_t unpackedSize, std::string &error);

}  // namespace unzeng
