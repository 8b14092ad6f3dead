#include "engine/unzeng/Decoders.h"

#include "engine/unzeng/ArchiveIndex.h"
#include "engine/unzeng/Deflate64Decoder.h"
#include "engine/unzeng/LegacyDecoders.h"
#include "engine/unzeng/PpmdDecoder.h"
#include "engine/zipformat/LittleEndian.h"

#include <bzlib.h>
#include <libdeflate.h>
#include <lzma.h>
#include <zlib.h>
#include <zstd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <type_traits>
#include <unistd.h>

namespace unzeng {

namespace {

// Moves the caller's input and output past what one codec call took and gave.
void advanceBuffers(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, size_t consumed,
                    size_t made)
{
    in += consumed;
    inLength -= consumed;
    out += made;
    outLength -= made;
}

// One call of a codec whose stream holds its buffers as next_in, avail_in,
// next_out and avail_out (zlib's, bzip2's, liblzma's), each in its own byte
// type and count, which may be narrower than the caller's lengths.
template <typename Stream, typename Call>
auto callCodec(Stream &stream, const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, Call call)
{
    using InByte = std::remove_pointer_t<decltype(stream.next_in)>;
    using OutByte = std::remove_pointer_t<decltype(stream.next_out)>;
    using Count = decltype(stream.avail_in);
    constexpr size_t countLimit = std::numeric_limits<Count>::max();
    stream.next_in = const_cast<InByte *>(reinterpret_cast<const InByte *>(in));
    stream.avail_in = Count(std::min(inLength, countLimit));
    stream.next_out = reinterpret_cast<OutByte *>(out);
    stream.avail_out = Count(std::min(outLength, countLimit));
    const auto rc = call();
    const size_t consumed = size_t(reinterpret_cast<const uint8_t *>(stream.next_in) - in);
    const size_t made = size_t(reinterpret_cast<uint8_t *>(stream.next_out) - out);
    advanceBuffers(in, inLength, out, outLength, consumed, made);
    return rc;
}

class StoredDecoder final : public StreamDecoder {
public:
    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool lastInput) override
    {
        const size_t n = std::min(inLength, outLength);
        std::memcpy(out, in, n);
        advanceBuffers(in, inLength, out, outLength, n, n);
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
        const int rc =
            callCodec(stream_, in, inLength, out, outLength, [this] { return inflate(&stream_, Z_NO_FLUSH); });
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
    explicit Bzip2Decoder(MemoryLease &lease) : lease_(lease)
    {
        ready_ = BZ2_bzDecompressInit(&stream_, 0, 0) == BZ_OK;
    }
    ~Bzip2Decoder() override
    {
        if (ready_)
            BZ2_bzDecompressEnd(&stream_);
    }
    bool ready() const { return ready_; }

    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool) override
    {
        if (!counted_) {
            // Four bytes per byte of the block size the header names ("BZh1"
            // to "BZh9", in 100,000s), and a little for the tables.
            const unsigned level = inLength >= 4 && in[3] >= '1' && in[3] <= '9' ? unsigned(in[3] - '0') : 9;
            std::string error;
            if (!lease_.growTo(uint64_t(level) * 400000 + (64u << 10), error))
                return fail(error);
            counted_ = true;
        }
        const int rc = callCodec(stream_, in, inLength, out, outLength, [this] { return BZ2_bzDecompress(&stream_); });
        if (rc == BZ_STREAM_END)
            return End;
        if (rc == BZ_OK)
            return More;
        return fail("invalid bzip2 data (error " + std::to_string(rc) + ")");
    }

private:
    MemoryLease &lease_;
    bool counted_ = false;
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
        const lzma_ret rc = callCodec(stream_, in, inLength, out, outLength, [&] {
            lzma_ret result = lzma_code(&stream_, lastInput ? LZMA_FINISH : LZMA_RUN);
            // The stream asks for more memory than allowed so far (an xz
            // block with a larger dictionary): granted, the decoding goes on.
            while (result == LZMA_MEMLIMIT_ERROR && moreMemory())
                result = lzma_code(&stream_, lastInput ? LZMA_FINISH : LZMA_RUN);
            return result;
        });
        if (rc == LZMA_STREAM_END)
            return End;
        if (rc == LZMA_OK || rc == LZMA_BUF_ERROR)
            return More;
        return fail(memoryError_.empty() ? lzmaError(rc) : memoryError_);
    }

protected:
    explicit LzmaDecoderBase(MemoryLease &lease) : lease_(lease) {}
    virtual bool start(const uint8_t *&in, size_t &inLength) = 0;
    virtual bool moreMemory() { return false; }
    MemoryLease &lease_;
    std::string memoryError_;  // why more memory was not granted
    lzma_stream stream_ = LZMA_STREAM_INIT;

private:
    bool started_ = false;
};

// ZIP's LZMA: 2 bytes of encoder version, a 2-byte properties length (5), the
// 5 property bytes, then raw LZMA1, with or without an end marker (flag bit
// 1 says which; the decoder accepts both since the size is known).
class ZipLzmaDecoder final : public LzmaDecoderBase {
public:
    ZipLzmaDecoder(uint64_t unpackedSize, MemoryLease &lease) : LzmaDecoderBase(lease), unpackedSize_(unpackedSize) {}

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
        const uint64_t need = lzma_raw_decoder_memusage(filters);
        std::string error;
        if (need == UINT64_MAX || !lease_.growTo(need, error)) {
            std::free(options);
            fail(need == UINT64_MAX ? lzmaError(LZMA_OPTIONS_ERROR) : error);
            return false;
        }
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
public:
    explicit XzDecoder(MemoryLease &lease) : LzmaDecoderBase(lease) {}

protected:
    // The limit starts at what the lease holds; each block header that needs
    // more stops the decoder, which asks the lease and goes on.
    bool start(const uint8_t *&, size_t &) override
    {
        const lzma_ret rc = lzma_stream_decoder(&stream_, std::max<uint64_t>(lease_.held(), 1), 0);
        if (rc != LZMA_OK) {
            fail(lzmaError(rc));
            return false;
        }
        return true;
    }
    bool moreMemory() override
    {
        const uint64_t need = lzma_memusage(&stream_);
        if (need <= lzma_memlimit_get(&stream_)) {
            memoryError_ = lzmaError(LZMA_MEMLIMIT_ERROR);
            return false;
        }
        return lease_.growTo(need, memoryError_) && lzma_memlimit_set(&stream_, need) == LZMA_OK;
    }
};

// The window a zstd frame starting at `in` declares (the frame's size when
// it is one segment), 0 for a skippable frame or no frame at all (the decoder
// refuses that itself), nothing when `in` holds too little of the header.
std::optional<uint64_t> zstdWindow(const uint8_t *in, size_t n)
{
    if (n < 4)
        return std::nullopt;
    const uint32_t magic = zipformat::le32(in);
    if ((magic & 0xFFFFFFF0u) == 0x184D2A50u || magic != 0xFD2FB528u)
        return 0;
    if (n < 6)
        return std::nullopt;
    const uint8_t descriptor = in[4];
    if (!(descriptor & 0x20)) {
        const uint8_t window = in[5];
        const uint64_t base = uint64_t(1) << (10 + (window >> 3));
        return base + base / 8 * (window & 7);
    }
    static constexpr size_t dictionaryIdBytes[] = {0, 1, 2, 4}, sizeBytes[] = {1, 2, 4, 8};
    const size_t at = 5 + dictionaryIdBytes[descriptor & 3], length = sizeBytes[descriptor >> 6];
    if (n < at + length)
        return std::nullopt;
    uint64_t size = 0;
    for (size_t k = 0; k < length; ++k)
        size |= uint64_t(in[at + k]) << (8 * k);
    return length == 2 ? size + 256 : size;
}

class ZstdDecoder final : public StreamDecoder {
public:
    explicit ZstdDecoder(MemoryLease &lease) : lease_(lease), context_(ZSTD_createDCtx()) {}
    ~ZstdDecoder() override { ZSTD_freeDCtx(context_); }
    bool ready() const { return context_ != nullptr; }

    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool lastInput) override
    {
        // A member may hold several frames; it ends where its input does, on
        // a frame boundary.
        if (inLength == 0 && lastInput && frameComplete_)
            return End;
        if (atFrameStart_ && inLength > 0) {
            // The library refuses windows above 2^27 bytes (its default), so
            // no frame needs more than that and its block buffers.
            constexpr uint64_t WindowCap = uint64_t(1) << 27, Buffers = 256u << 10;
            const uint64_t window = std::min(zstdWindow(in, inLength).value_or(WindowCap), WindowCap);
            std::string error;
            if (!lease_.growTo(window + Buffers, error))
                return fail(error);
            atFrameStart_ = false;
        }
        ZSTD_inBuffer input{in, inLength, 0};
        ZSTD_outBuffer output{out, outLength, 0};
        const size_t rc = ZSTD_decompressStream(context_, &output, &input);
        advanceBuffers(in, inLength, out, outLength, input.pos, output.pos);
        if (ZSTD_isError(rc))
            return fail(std::string("invalid zstd data: ") + ZSTD_getErrorName(rc));
        frameComplete_ = rc == 0;
        atFrameStart_ = frameComplete_;
        if (frameComplete_ && inLength == 0 && lastInput)
            return End;
        return More;
    }

private:
    MemoryLease &lease_;
    ZSTD_DCtx *context_;
    bool frameComplete_ = false;
    bool atFrameStart_ = true;
};

// The methods no codec library decodes, whose decoders are written here.
bool decodedHere(uint16_t method)
{
    switch (method) {
    case zipformat::MethodShrunk:
    case zipformat::MethodReduced1:
    case zipformat::MethodReduced1 + 1:
    case zipformat::MethodReduced1 + 2:
    case zipformat::MethodReduced4:
    case zipformat::MethodImploded:
    case zipformat::MethodDeflate64:
    case zipformat::MethodPpmd: return true;
    default: return false;
    }
}

// The decoders of the methods decodedHere().
std::unique_ptr<StreamDecoder> makeOwnDecoder(uint16_t method, uint16_t flags, uint64_t unpackedSize,
                                              MemoryLease &lease)
{
    switch (method) {
    case zipformat::MethodShrunk: return makeShrinkDecoder(unpackedSize);
    case zipformat::MethodImploded:
        return makeImplodeDecoder(flags & zipformat::ImplodeLargeWindowFlag, flags & zipformat::ImplodeLiteralTreeFlag,
                                  unpackedSize);
    case zipformat::MethodDeflate64: return makeDeflate64Decoder();
    case zipformat::MethodPpmd: return makePpmdDecoder(unpackedSize, lease);
    default:  // Reduce's four factors
        return makeReduceDecoder(method - 1u, unpackedSize);
    }
}

}  // namespace

bool methodSupported(uint16_t method)
{
    if (decodedHere(method))
        return true;
    switch (method) {
    case MethodStored:
    case MethodDeflated:
    case MethodBzip2:
    case MethodLzma:
    case MethodZstd:
    case MethodXz: return true;
    default: return false;
    }
}

std::unique_ptr<StreamDecoder> makeStreamDecoder(uint16_t method, uint16_t flags, uint64_t unpackedSize,
                                                 std::string &error, MemoryLease *lease)
{
    if (!lease) {
        auto own = std::make_unique<MemoryLease>(nullptr, nullptr);
        auto decoder = makeStreamDecoder(method, flags, unpackedSize, error, own.get());
        if (decoder)
            decoder->keep(std::move(own));
        return decoder;
    }
    switch (method) {
    case MethodStored: return std::make_unique<StoredDecoder>();
    case MethodDeflated: {
        auto d = std::make_unique<InflateDecoder>();
        if (d->ready())
            return d;
        break;
    }
    case MethodBzip2: {
        auto d = std::make_unique<Bzip2Decoder>(*lease);
        if (d->ready())
            return d;
        break;
    }
    case MethodLzma: return std::make_unique<ZipLzmaDecoder>(unpackedSize, *lease);
    case MethodXz: return std::make_unique<XzDecoder>(*lease);
    case MethodZstd: {
        auto d = std::make_unique<ZstdDecoder>(*lease);
        if (d->ready())
            return d;
        break;
    }
    default:
        if (!decodedHere(method)) {
            error = "unsupported compression method " + std::to_string(method);
            return nullptr;
        }
        if (auto d = makeOwnDecoder(method, flags, unpackedSize, *lease))
            return d;
        break;
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
    size_t used = 0;  // decoded bytes waiting in buffer
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
            return failWith("it decodes to more than its declared size of " + std::to_string(unpackedSize) + " bytes");
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
    default: error = "invalid deflate data"; return false;
    }
}

}  // namespace unzeng
