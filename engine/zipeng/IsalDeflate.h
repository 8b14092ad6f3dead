#pragma once
// Raw deflate with ISA-L's igzip, which deflates about twice as fast as
// libdeflate's fastest level at a size no larger than zlib's level 1. It picks
// its code for the processor (SSE, AVX2, AVX-512) when first called.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

struct isal_zstream;

namespace zipeng {

// One igzip stream and the work buffer of its level, reused for every input
// deflated at that level on one thread.
class IsalDeflater {
public:
    // `level`: igzip's own, 1 to 3 (0 keeps no history between blocks).
    // `slice`: the most input or output handed to igzip at once; its counts
    // are 32-bit. Tests make it small.
    explicit IsalDeflater(int level, size_t slice = size_t(1) << 30);
    ~IsalDeflater();
    IsalDeflater(const IsalDeflater &) = delete;
    IsalDeflater &operator=(const IsalDeflater &) = delete;

    // Deflates `input` into `out` as one complete raw deflate stream, of any
    // length. Returns the bytes written, or 0 when they would not fit in
    // `capacity`. With `endStream` false, the stream is left open instead:
    // its last block is not final and is followed by an empty stored block
    // (a sync flush), so that another stream can follow on a byte boundary.
    size_t deflate(std::span<const uint8_t> input, uint8_t *out, size_t capacity, bool endStream = true);

    // This thread's deflater for `level`, made on first use.
    static IsalDeflater &forThread(int level);

private:
    int level_;
    size_t slice_;
    size_t levelBufferSize_;
    std::unique_ptr<uint8_t[]> levelBuffer_;
    std::unique_ptr<isal_zstream> stream_;
};

}  // namespace zipeng
