#include "engine/zipeng/IsalDeflate.h"

#include <isa-l/igzip_lib.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace zipeng {

namespace {

// The work buffer holds one block's tokens: 8K of them, an eighth of
// igzip's default. On machine code and other binaries, whose statistics
// change every few KiB, a Huffman code per smaller block came out 1.7-2.1%
// smaller at level 2 (0.5-1.5% at 3) for a little more time; text hardly
// changes.
constexpr size_t TokensPerBlock = 8 * IGZIP_K;

size_t levelBufferSize(int level)
{
    switch (level) {
    case 1: return ISAL_DEF_LVL1_REQ + ISAL_DEF_LVL1_TOKEN_SIZE * TokensPerBlock;
    case 2: return ISAL_DEF_LVL2_REQ + ISAL_DEF_LVL2_TOKEN_SIZE * TokensPerBlock;
    case 3: return ISAL_DEF_LVL3_REQ + ISAL_DEF_LVL3_TOKEN_SIZE * TokensPerBlock;
    default: throw std::invalid_argument("no such igzip level: " + std::to_string(level));
    }
}

}  // namespace

IsalDeflater::IsalDeflater(int level, size_t slice)
    : level_(level), slice_(std::clamp(slice, size_t(1), size_t(UINT32_MAX))), levelBufferSize_(levelBufferSize(level)),
      levelBuffer_(new uint8_t[levelBufferSize_]), stream_(new isal_zstream)
{
}

IsalDeflater::~IsalDeflater() = default;

size_t IsalDeflater::deflate(std::span<const uint8_t> input, uint8_t *out, size_t capacity, bool endStream)
{
    isal_zstream &s = *stream_;
    isal_deflate_init(&s);
    s.level = uint32_t(level_);
    s.level_buf = levelBuffer_.get();
    s.level_buf_size = uint32_t(levelBufferSize_);
    s.gzip_flag = IGZIP_DEFLATE;
    s.flush = NO_FLUSH;
    s.end_of_stream = 0;
    s.avail_in = 0;
    s.avail_out = 0;

    static uint8_t none = 0;                                                    // where an empty input "is"
    uint8_t *in = input.empty() ? &none : const_cast<uint8_t *>(input.data());  // igzip only reads it
    size_t inLeft = input.size();
    bool lastFed = false;
    uint8_t *const outStart = out;
    size_t outLeft = capacity;
    for (;;) {
        if (s.avail_in == 0 && !lastFed) {
            const size_t n = std::min(inLeft, slice_);
            s.next_in = in;
            s.avail_in = uint32_t(n);
            in += n;
            inLeft -= n;
            lastFed = inLeft == 0;
            // The flush applies at the end of the input given: the last slice.
            s.end_of_stream = lastFed && endStream;
            s.flush = lastFed && !endStream ? SYNC_FLUSH : NO_FLUSH;
        }
        if (s.avail_out == 0) {
            if (outLeft == 0)
                return 0;
            const size_t n = std::min(outLeft, slice_);
            s.next_out = out;
            s.avail_out = uint32_t(n);
            out += n;
            outLeft -= n;
        }
        const uint32_t inBefore = s.avail_in, outBefore = s.avail_out;
        const auto stateBefore = s.internal_state.state;
        const int result = isal_deflate(&s);
        if (result != COMP_OK)
            throw std::runtime_error("igzip failed with code " + std::to_string(result));
        if (s.internal_state.state == ZSTATE_END)
            return size_t(s.next_out - outStart);
        // A sync flush is complete once all input is in and a new block's
        // header is due; igzip documents that state as the sign.
        if (!endStream && lastFed && s.avail_in == 0 && s.internal_state.state == ZSTATE_NEW_HDR)
            return size_t(s.next_out - outStart);
        // A call that neither read, wrote nor moved on would loop for ever.
        if (s.avail_in == inBefore && s.avail_out == outBefore && s.internal_state.state == stateBefore)
            throw std::runtime_error("igzip made no progress");
    }
}

IsalDeflater &IsalDeflater::forThread(int level)
{
    // Kept while the thread lives: the stream and level buffer are a few
    // hundred KiB each, and faulting them in anew for each small file costs
    // more than deflating it.
    thread_local std::array<std::unique_ptr<IsalDeflater>, ISAL_DEF_MAX_LEVEL + 1> byLevel;
    std::unique_ptr<IsalDeflater> &deflater = byLevel.at(size_t(level));
    if (!deflater)
        deflater = std::make_unique<IsalDeflater>(level);
    return *deflater;
}

}  // namespace zipeng
