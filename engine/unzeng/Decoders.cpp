#include "engine/unzeng/Decoders.h"

#include "engine/unzeng/ArchiveIndex.h"
#include "engine/zipformat/LittleEndian.h"

#include <bzlib.h>
#include <libdeflate.h>
#include <lzma.h>
#include <zlib.h>
#include <zstd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace unzeng {

namespace {

// The codecs count in 32-bit lengths.
unsigned clampUInt(size_t n)
{
    return unsigned(std::min<size_t>(n, UINT_MAX));
}

class StoredDecoder final : public StreamDecoder {
public:
    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool lastInput) override
    {
        const size_t n = std::min(inLength, outLength);
        std::memcpy(out, in, n);
        in += n;
        inLength -= n;
        out += n;
        outLength -= n;
        return lastInput && inLength == 0 ? End : More;
    }
};

class InflateDecoder final : public StreamDecoder {
public:
    InflateDecoder() { ready_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK; }
    ~InflateDecoder() override
    {
        if (ready_)
            inflateEnd(&stream_);
    }
    bool ready() const { return ready_; }

    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool) override
    {
        stream_.next_in = const_cast<Bytef *>(in);
        stream_.avail_in = clampUInt(inLength);
        stream_.next_out = out;
        stream_.avail_out = clampUInt(outLength);
        const int rc = inflate(&stream_, Z_NO_FLUSH);
        const size_t consumed = size_t(stream_.next_in - in), made = size_t(stream_.next_out - out);
        in += consumed;
        inLength -= consumed;
        out += made;
        outLength -= made;
        if (rc == Z_STREAM_END)
            return End;
        if (rc == Z_OK || rc == Z_BUF_ERROR)
            return More;
        return fail(std::string("invalid deflate data") + (stream_.msg ? std::string(": ") + stream_.msg : ""));
    }

private:
    z_stream stream_{};
    bool ready_ = false;
};

class Bzip2Decoder final : public StreamDecoder {
public:
    Bzip2Decoder() { ready_ = BZ2_bzDecompressInit(&stream_, 0, 0) == BZ_OK; }
    ~Bzip2Decoder() override
    {
        if (ready_)
            BZ2_bzDecompressEnd(&stream_);
    }
    bool ready() const { return ready_; }

    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool) override
    {
        stream_.next_in = const_cast<char *>(reinterpret_cast<const char *>(in));
        stream_.avail_in = clampUInt(inLength);
        stream_.next_out = reinterpret_cast<char *>(out);
        stream_.avail_out = clampUInt(outLength);
        const int rc = BZ2_bzDecompress(&stream_);
        const size_t consumed = size_t(reinterpret_cast<const uint8_t *>(stream_.next_in) - in);
        const size_t made = size_t(reinterpret_cast<uint8_t *>(stream_.next_out) - out);
        in += consumed;
        inLength -= consumed;
        out += made;
        outLength -= made;
        if (rc == BZ_STREAM_END)
            return End;
        if (rc == BZ_OK)
            return More;
        return fail("invalid bzip2 data (error " + std::to_string(rc) + ")");
    }

private:
    bz_stream stream_{};
    bool ready_ = false;
};

std::string lzmaError(lzma_ret rc)
{
    switch (rc) {
    case LZMA_MEM_ERROR: return "out of memory";
    case LZMA_MEMLIMIT_ERROR: return "it needs too much memory to decode";
    case LZMA_FORMAT_ERROR: return "invalid xz data (not an xz stream)";
    case LZMA_OPTIONS_ERROR: return "unsupported LZMA options";
    case LZMA_DATA_ERROR: return "invalid LZMA data";
    case LZMA_BUF_ERROR: return "the LZMA data ends too early";
    default: return "LZMA decoder error " + std::to_string(int(rc));
    }
}

// LZMA and xz share liblzma's stream; they differ in how it starts.
class LzmaDecoderBase : public StreamDecoder {
public:
    ~LzmaDecoderBase() override { lzma_end(&stream_); }

    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool lastInput) override
    {
        if (!started_) {
            if (!start(in, inLength))
                return Failed;
            started_ = true;
        }
        stream_.next_in = in;
        stream_.avail_in = inLength;
        stream_.next_out = out;
        stream_.avail_out = outLength;
        const lzma_ret rc = lzma_code(&stream_, lastInput ? LZMA_FINISH : LZMA_RUN);
        const size_t consumed = size_t(stream_.next_in - in), made = size_t(stream_.next_out - out);
        in += consumed;
        inLength -= consumed;
        out += made;
        outLength -= made;
        if (rc == LZMA_STREAM_END)
            return End;
        if (rc == LZMA_OK || rc == LZMA_BUF_ERROR)
            return More;
        return fail(lzmaError(rc));
    }

protected:
    virtual bool start(const uint8_t *&in, size_t &inLength) = 0;
    lzma_stream stream_ = LZMA_STREAM_INIT;

private:
    bool started_ = false;
};

// ZIP's LZMA: 2 bytes of encoder version, a 2-byte properties length (5), the
// 5 property bytes, then raw LZMA1, with or without an end marker (flag bit
// 1 says which; the decoder accepts both since the size is known).
class ZipLzmaDecoder final : public LzmaDecoderBase {
public:
    explicit ZipLzmaDecoder(uint64_t unpackedSize) : unpackedSize_(unpackedSize) {}

protected:
    bool start(const uint8_t *&in, size_t &inLength) override
    {
        if (inLength < 4) {
            fail("the LZMA header is cut short");
            return false;
        }
        const size_t propertiesLength = zipformat::le16(in + 2);
        if (propertiesLength != 5 || inLength < 4 + propertiesLength) {
            fail("the LZMA header is damaged");
            return false;
        }
        lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, nullptr}, {LZMA_VLI_UNKNOWN, nullptr}};
        lzma_ret rc = lzma_properties_decode(&filters[0], nullptr, in + 4, propertiesLength);
        if (rc != LZMA_OK) {
            fail(lzmaError(rc));
            return false;
        }
        auto *options = static_cast<lzma_options_lzma *>(filters[0].options);
        // No match reaches further back than the output's start, so a
        // dictionary larger than the whole output is never used; a hostile
        // header could otherwise ask for 4 GiB.
        if (options->dict_size > unpackedSize_)
            options->dict_size = uint32_t(std::max<uint64_t>(unpackedSize_, LZMA_DICT_SIZE_MIN));
        filters[0].id = LZMA_FILTER_LZMA1EXT;
        options->ext_flags = LZMA_LZMA1EXT_ALLOW_EOPM;
        options->ext_size_low = uint32_t(unpackedSize_);
        options->ext_size_high = uint32_t(unpackedSize_ >> 32);
        rc = lzma_raw_decoder(&stream_, filters);
        std::free(options);
        if (rc != LZMA_OK) {
            fail(lzmaError(rc));
            return false;
        }
        in += 4 + propertiesLength;
        inLength -= 4 + propertiesLength;
        return true;
    }

private:
    uint64_t unpackedSize_;
};

class XzDecoder final : public LzmaDecoderBase {
protected:
    bool start(const uint8_t *&, size_t &) override
    {
        const lzma_ret rc = lzma_stream_decoder(&stream_, uint64_t(1) << 30, 0);
        if (rc != LZMA_OK) {
            fail(lzmaError(rc));
            return false;
        }
        return true;
    }
};

class ZstdDecoder final : public StreamDecoder {
public:
    ZstdDecoder() : context_(ZSTD_createDCtx()) {}
    ~ZstdDecoder() override { ZSTD_freeDCtx(context_); }
    bool ready() const { return context_ != nullptr; }

    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool lastInput) override
    {
        // A member may hold several frames; it ends where its input does, on
        // a frame boundary.
        if (inLength == 0 && lastInput && frameComplete_)
            return End;
        ZSTD_inBuffer input{in, inLength, 0};
        ZSTD_outBuffer output{out, outLength, 0};
        const size_t rc = ZSTD_decompressStream(context_, &output, &input);
        in += input.pos;
        inLength -= input.pos;
        out += output.pos;
        outLength -= output.pos;
        if (ZSTD_isError(rc))
            return fail(std::string("invalid zstd data: ") + ZSTD_getErrorName(rc));
        frameComplete_ = rc == 0;
        if (frameComplete_ && inLength == 0 && lastInput)
            return End;
        return More;
    }

private:
    ZSTD_DCtx *context_;
    bool frameComplete_ = false;
};

}  // namespace

bool methodSupported(uint16_t method)
{
    switch (method) {
    case MethodStored:
    case MethodDeflated:
    case MethodBzip2:
    case MethodLzma:
    case MethodZstd:
    case MethodXz:
        return true;
    default:
        return false;
    }
}

std::unique_ptr<StreamDecoder> makeStreamDecoder(uint16_t method, uint64_t unpackedSize, std::string &error)
{
    switch (method) {
    case MethodStored:
        return std::make_unique<StoredDecoder>();
    case MethodDeflated: {
        auto d = std::make_unique<InflateDecoder>();
        if (d->ready())
            return d;
        break;
    }
    case MethodBzip2: {
        auto d = std::make_unique<Bzip2Decoder>();
        if (d->ready())
            return d;
        break;
    }
    case MethodLzma:
        return std::make_unique<ZipLzmaDecoder>(unpackedSize);
    case MethodXz:
        return std::make_unique<XzDecoder>();
    case MethodZstd: {
        auto d = std::make_unique<ZstdDecoder>();
        if (d->ready())
            return d;
        break;
    }
    default:
        error = "unsupported compression method " + std::to_string(method);
        return nullptr;
    }
    error = std::string("the ") + methodName(method) + " decoder could not start";
    return nullptr;
}

DecodeResult runDecoder(StreamDecoder &decoder, const InputPieces &input, uint8_t *buffer, size_t bufferSize,
                        uint64_t unpackedSize, const OutputSink &sink)
{
    DecodeResult result;
    const uint8_t *in = nullptr;
    size_t inLength = 0;
    bool lastInput = false;
    size_t used = 0;   // decoded bytes waiting in buffer
    auto flush = [&] {
        if (used == 0)
            return true;
        if (!sink(buffer, used)) {
            result.stopped = true;
            return false;
        }
        result.produced += used;
        used = 0;
        return true;
    };
    auto failWith = [&](std::string message) {
        result.error = std::move(message);
        return result;
    };

    for (;;) {
        if (inLength == 0 && !lastInput) {
            if (!input(in, inLength))
                return failWith("the archive could not be read");
            lastInput = inLength == 0;
        }
        if (used == bufferSize && !flush())
            return result;
        // Past the declared size the decoder gets one probe byte: if it can
        // fill it, the data holds more than declared.
        const uint64_t allowed = unpackedSize - result.produced - used;
        uint8_t probe;
        const bool probing = allowed == 0;
        uint8_t *out = probing ? &probe : buffer + used;
        size_t outLength = probing ? 1 : size_t(std::min<uint64_t>(bufferSize - used, allowed));
        const uint8_t *const inBefore = in;
        uint8_t *const outBefore = out;

        const auto status = decoder.decode(in, inLength, out, outLength, lastInput);
        const size_t made = size_t(out - outBefore);
        if (status == StreamDecoder::Failed)
            return failWith(decoder.error());
        if (probing && made)
            return failWith("it decodes to more than its declared size of " + std::to_string(unpackedSize)
                            + " bytes");
        used += made;
        if (status == StreamDecoder::End)
            break;
        if (made == 0 && in == inBefore && (inLength == 0 ? lastInput : true))
            return failWith(lastInput && inLength == 0 ? "its compressed data ends too early"
                                                       : "its compressed data cannot be decoded");
    }
    if (!flush())
        return result;
    if (result.produced != unpackedSize)
        return failWith("it decodes to " + std::to_string(result.produced) + " bytes, but its declared size is "
                        + std::to_string(unpackedSize));
    result.ok = true;
    return result;
}

bool inflateWhole(libdeflate_decompressor *decompressor, const uint8_t *in, size_t inLength, uint8_t *out,
                  size_t unpackedSize, std::string &error)
{
    uint8_t none;
    size_t inUsed = 0, outUsed = 0;
    const auto rc = libdeflate_deflate_decompress_ex(decompressor, in, inLength, out ? out : &none, unpackedSize,
                                                     &inUsed, &outUsed);
    switch (rc) {
    case LIBDEFLATE_SUCCESS:
        if (outUsed == unpackedSize)
            return true;
        error = "it decodes to " + std::to_string(outUsed) + " bytes, but its declared size is "
                + std::to_string(unpackedSize);
        return false;
    case LIBDEFLATE_INSUFFICIENT_SPACE:
        error = "it decodes to more than its declared size of " + std::to_string(unpackedSize) + " bytes";
        return false;
    default:
        error = "invalid deflate data";
        return false;
    }
}

}  // namespace unzeng
