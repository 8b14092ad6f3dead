#include "engine/otherformats/StreamDecoders.h"

#include <bzlib.h>
#include <isa-l/igzip_lib.h>
#include <lzma.h>
#include <zstd.h>
#include <zstd_errors.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace otherformats {

namespace {

constexpr uint8_t GzipMagic[] = {0x1f, 0x8b, 0x08};
constexpr uint8_t XzMagic[] = {0xfd, '7', 'z', 'X', 'Z', 0x00};
constexpr uint8_t ZstdMagic[] = {0x28, 0xb5, 0x2f, 0xfd};
constexpr uint8_t Bzip2Magic[] = {'B', 'Z', 'h'};

template <size_t N>
bool startsWith(const uint8_t *head, size_t length, const uint8_t (&magic)[N])
{
    return length >= N && std::memcmp(head, magic, N) == 0;
}

// The messages are libarchive's for the same faults, so that a damaged
// tarball is told alike whichever side decoded it.

class GzipDecoder final : public StreamDecoder {
public:
    GzipDecoder() { restart(); }
    Step decode(const uint8_t *in, size_t inLength, bool inputEnds, uint8_t *out, size_t outLength) override
    {
        state_.next_in = const_cast<uint8_t *>(in);
        state_.avail_in = uint32_t(std::min<size_t>(inLength, UINT32_MAX));
        state_.next_out = out;
        state_.avail_out = uint32_t(std::min<size_t>(outLength, UINT32_MAX));
        const uint32_t inBefore = state_.avail_in, outBefore = state_.avail_out;
        const int status = isal_inflate(&state_);
        Step step{inBefore - state_.avail_in, outBefore - state_.avail_out, Status::Going};
        if (status == ISAL_INCORRECT_CHECKSUM)
            return fail(step, "gzip CRC mismatch");
        if (status < 0)
            return fail(step, "gzip decompression failed");
        if (state_.block_state == ISAL_BLOCK_FINISH)
            step.status = Status::End;
        else if (inputEnds && step.consumed == inLength && step.produced == 0 && state_.avail_out > 0)
            return fail(step, "truncated gzip input");
        return step;
    }
    bool beginsAnother(const uint8_t *head, size_t length) const override
    {
        return startsWith(head, length, GzipMagic);
    }
    bool restart() override
    {
        isal_inflate_init(&state_);
        state_.crc_flag = ISAL_GZIP;
        return true;
    }

private:
    inflate_state state_{};
};

class XzDecoder final : public StreamDecoder {
public:
    XzDecoder(unsigned threads, uint64_t memoryLimit) : threads_(threads), memoryLimit_(memoryLimit) {}
    ~XzDecoder() override { lzma_end(&stream_); }
    Step decode(const uint8_t *in, size_t inLength, bool inputEnds, uint8_t *out, size_t outLength) override
    {
        size_t padding = 0;
        if (!started_) {
            // Stream padding: zeros, between streams and after the last.
            while (padding < inLength && in[padding] == 0)
                ++padding;
            if (padding == inLength && inputEnds)
                return {padding, 0, Status::End};
            if (padding == inLength)
                return {padding, 0, Status::Going};
            if (!start())
                return fail({padding, 0}, "Can't initialize xz decompression", ENOMEM);
        }
        stream_.next_in = in + padding;
        stream_.avail_in = inLength - padding;
        stream_.next_out = out;
        stream_.avail_out = outLength;
        const lzma_ret status = lzma_code(&stream_, inputEnds ? LZMA_FINISH : LZMA_RUN);
        Step step{inLength - stream_.avail_in, outLength - stream_.avail_out, Status::Going};
        switch (status) {
        case LZMA_OK: return step;
        case LZMA_STREAM_END:
            started_ = false;
            step.status = Status::End;
            return step;
        case LZMA_MEM_ERROR:
        case LZMA_MEMLIMIT_ERROR: return fail(step, "Lzma library error: Cannot allocate memory", ENOMEM);
        case LZMA_BUF_ERROR: return fail(step, "Lzma library error:  No progress is possible");
        default: return fail(step, "Lzma library error: Corrupted input data");
        }
    }
    bool beginsAnother(const uint8_t *head, size_t length) const override
    {
        size_t zeros = 0;
        while (zeros < length && head[zeros] == 0)
            ++zeros;
        return zeros == length || startsWith(head + zeros, length - zeros, XzMagic);
    }
    bool restart() override
    {
        started_ = false;
        return true;
    }

private:
    bool start()
    {
        lzma_mt options{};
        options.threads = threads_;
        // Blocks too large to decode side by side within this are decoded one
        // at a time; beyond memoryLimit_ the stream is refused.
        options.memlimit_threading = std::min<uint64_t>(memoryLimit_, uint64_t(256) << 20);
        options.memlimit_stop = memoryLimit_;
        options.timeout = 0;
        started_ = lzma_stream_decoder_mt(&stream_, &options) == LZMA_OK;
        return started_;
    }
    unsigned threads_;
    uint64_t memoryLimit_;
    lzma_stream stream_ = LZMA_STREAM_INIT;
    bool started_ = false;
};

class ZstdDecoder final : public StreamDecoder {
public:
    ZstdDecoder() : stream_(ZSTD_createDStream()) {}
    ~ZstdDecoder() override { ZSTD_freeDStream(stream_); }
    Step decode(const uint8_t *in, size_t inLength, bool inputEnds, uint8_t *out, size_t outLength) override
    {
        if (!stream_)
            return fail({}, "Can't allocate data for zstd decompression", ENOMEM);
        // A call that fails says nothing of what it wrote before the fault:
        // small calls lose little of what was good.
        constexpr size_t mostPerCall = size_t(64) << 10;
        const bool lastInput = inputEnds && inLength <= mostPerCall;
        inLength = std::min(inLength, mostPerCall);
        outLength = std::min(outLength, mostPerCall);
        ZSTD_inBuffer input{in, inLength, 0};
        ZSTD_outBuffer output{out, outLength, 0};
        const size_t hint = ZSTD_decompressStream(stream_, &output, &input);
        if (ZSTD_isError(hint))
            return fail({input.pos, output.pos}, std::string("Zstd decompression failed: ") + ZSTD_getErrorName(hint),
                        ZSTD_getErrorCode(hint) == ZSTD_error_memory_allocation ? ENOMEM : 0);
        // Frames follow one another without a stream's end between them; 0
        // says one ended, and a call that moved nothing leaves that as it was.
        if (hint == 0)
            atFrameEnd_ = true;
        else if (input.pos > 0 || output.pos > 0)
            atFrameEnd_ = false;
        Step step{input.pos, output.pos, Status::Going};
        if (lastInput && input.pos == inLength && output.pos < outLength) {
            if (!atFrameEnd_)
                return fail(step, "Truncated zstd input");
            step.status = Status::End;
        }
        return step;
    }
    bool beginsAnother(const uint8_t *, size_t) const override { return false; }
    bool restart() override { return false; }

private:
    ZSTD_DStream *stream_;
    bool atFrameEnd_ = false;
};

class Bzip2Decoder final : public StreamDecoder {
public:
    Bzip2Decoder() { restart(); }
    ~Bzip2Decoder() override { end(); }
    Step decode(const uint8_t *in, size_t inLength, bool inputEnds, uint8_t *out, size_t outLength) override
    {
        if (!open_)
            return fail({}, "Internal error initializing decompressor", ENOMEM);
        stream_.next_in = reinterpret_cast<char *>(const_cast<uint8_t *>(in));
        stream_.avail_in = unsigned(std::min<size_t>(inLength, UINT32_MAX));
        stream_.next_out = reinterpret_cast<char *>(out);
        stream_.avail_out = unsigned(std::min<size_t>(outLength, UINT32_MAX));
        const unsigned inBefore = stream_.avail_in, outBefore = stream_.avail_out;
        const int status = BZ2_bzDecompress(&stream_);
        Step step{inBefore - stream_.avail_in, outBefore - stream_.avail_out, Status::Going};
        if (status == BZ_STREAM_END) {
            step.status = Status::End;
            return step;
        }
        if (status == BZ_MEM_ERROR)
            return fail(step, "bzip decompression failed", ENOMEM);
        if (status != BZ_OK)
            return fail(step, "bzip decompression failed");
        if (inputEnds && step.consumed == inLength && step.produced == 0 && stream_.avail_out > 0)
            return fail(step, "truncated bzip2 input");
        return step;
    }
    bool beginsAnother(const uint8_t *head, size_t length) const override
    {
        return startsWith(head, length, Bzip2Magic);
    }
    bool restart() override
    {
        end();
        stream_ = bz_stream{};
        open_ = BZ2_bzDecompressInit(&stream_, 0, 0) == BZ_OK;
        return open_;
    }

private:
    void end()
    {
        if (open_)
            BZ2_bzDecompressEnd(&stream_);
        open_ = false;
    }
    bz_stream stream_{};
    bool open_ = false;
};

}  // namespace

Compression compressionOf(const uint8_t *head, size_t length)
{
    if (startsWith(head, length, GzipMagic))
        return Compression::Gzip;
    if (startsWith(head, length, XzMagic))
        return Compression::Xz;
    if (startsWith(head, length, ZstdMagic))
        return Compression::Zstd;
    // "BZh" and a block size digit, as libarchive's bidder asks.
    if (startsWith(head, length, Bzip2Magic) && length >= 4 && head[3] >= '1' && head[3] <= '9')
        return Compression::Bzip2;
    return Compression::None;
}

const char *filterNameOf(Compression compression)
{
    switch (compression) {
    case Compression::Gzip: return "gzip";
    case Compression::Xz: return "xz";
    case Compression::Zstd: return "zstd";
    case Compression::Bzip2: return "bzip2";
    case Compression::None: break;
    }
    return "none";
}

std::unique_ptr<StreamDecoder> makeDecoder(Compression compression, unsigned threads, uint64_t memoryLimit)
{
    switch (compression) {
    case Compression::Gzip: return std::make_unique<GzipDecoder>();
    case Compression::Xz: return std::make_unique<XzDecoder>(std::max(threads, 1u), memoryLimit);
    case Compression::Zstd: return std::make_unique<ZstdDecoder>();
    case Compression::Bzip2: return std::make_unique<Bzip2Decoder>();
    case Compression::None: break;
    }
    return nullptr;
}

}  // namespace otherformats
