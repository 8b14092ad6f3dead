#include "support/Compress.h"

#include "support/ArchiveBuilder.h"

#include <lzma.h>
#include <zlib.h>
#include <zstd.h>

#include <stdexcept>

namespace ziptest {

std::string rawDeflate(const std::string &data, int level)
{
    if (data.size() > 0xFFFFFFFFu)
        throw std::length_error("too much for one deflate call");
    z_stream s{};
    deflateInit2(&s, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&s, static_cast<uLong>(data.size())), '\0');
    s.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    s.avail_in = static_cast<uInt>(data.size());
    s.next_out = reinterpret_cast<Bytef *>(out.data());
    s.avail_out = static_cast<uInt>(out.size());
    deflate(&s, Z_FINISH);
    out.resize(s.total_out);
    deflateEnd(&s);
    return out;
}

std::string zstdCompress(const std::string &data)
{
    std::string out(ZSTD_compressBound(data.size()), '\0');
    out.resize(ZSTD_compress(out.data(), out.size(), data.data(), data.size(), 3));
    return out;
}

std::string zipLzma(const std::string &data, bool endMarker)
{
    lzma_options_lzma options{};
    lzma_lzma_preset(&options, 6);
    options.ext_flags = endMarker ? LZMA_LZMA1EXT_ALLOW_EOPM : 0;
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1EXT, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_raw_encoder(&stream, filters) != LZMA_OK)
        return {};
    std::string out(data.size() + data.size() / 2 + 1024, '\0');
    stream.next_in = reinterpret_cast<const uint8_t *>(data.data());
    stream.avail_in = data.size();
    stream.next_out = reinterpret_cast<uint8_t *>(out.data());
    stream.avail_out = out.size();
    const bool done = lzma_code(&stream, LZMA_FINISH) == LZMA_STREAM_END;
    out.resize(done ? stream.total_out : 0);
    lzma_end(&stream);
    // ZIP's LZMA header: encoder version, properties length, properties.
    std::string header = {char(9), char(20), char(5), char(0)};
    header += static_cast<char>((options.pb * 5 + options.lp) * 9 + options.lc);
    put32(header, options.dict_size);
    return header + out;
}

std::string xzCompress(const std::string &data)
{
    std::string out(lzma_stream_buffer_bound(data.size()), '\0');
    size_t used = 0;
    if (lzma_easy_buffer_encode(0, LZMA_CHECK_CRC32, nullptr, reinterpret_cast<const uint8_t *>(data.data()),
                                data.size(), reinterpret_cast<uint8_t *>(out.data()), &used, out.size())
        != LZMA_OK)
        return {};
    out.resize(used);
    return out;
}

}  // namespace ziptest
