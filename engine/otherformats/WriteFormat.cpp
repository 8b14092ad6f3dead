#include "engine/otherformats/WriteFormat.h"

#include "engine/otherformats/OtherFormats.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace otherformats {

namespace {

bool endsWith(std::string_view name, std::string_view suffix)
{
    if (name.size() <= suffix.size())
        return false;
    return std::equal(suffix.rbegin(), suffix.rend(), name.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

std::optional<WriteFormat> writeFormatForName(std::string_view path)
{
    const std::string_view name = path.substr(path.rfind('/') == std::string_view::npos ? 0 : path.rfind('/') + 1);
    static const std::pair<std::string_view, WriteFormat> suffixes[] = {
        {".tar", {Container::Tar, Compression::None}},     {".tar.gz", {Container::Tar, Compression::Gzip}},
        {".tgz", {Container::Tar, Compression::Gzip}},     {".tar.bz2", {Container::Tar, Compression::Bzip2}},
        {".tbz2", {Container::Tar, Compression::Bzip2}},   {".tbz", {Container::Tar, Compression::Bzip2}},
        {".tar.xz", {Container::Tar, Compression::Xz}},    {".txz", {Container::Tar, Compression::Xz}},
        {".tar.zst", {Container::Tar, Compression::Zstd}}, {".tzst", {Container::Tar, Compression::Zstd}},
        {".7z", {Container::SevenZip, Compression::None}},
    };
    for (const auto &[suffix, format] : suffixes)
        if (endsWith(name, suffix))
            return format;
    return std::nullopt;
}

std::optional<WriteFormat> writeFormatOf(const Detection &detection)
{
    if (detection.verdict != Verdict::Other)
        return std::nullopt;
    const std::string &format = detection.format;
    if (format.find("7-Zip") != std::string::npos)
        return WriteFormat{Container::SevenZip, Compression::None};
    const bool tar = format.find("tar") != std::string::npos || format.find("pax") != std::string::npos
                     || format.find("ustar") != std::string::npos;
    if (!tar)
        return std::nullopt;
    static const std::pair<std::string_view, Compression> filters[] = {
        {"none", Compression::None},   {"", Compression::None}, {"gzip", Compression::Gzip},
        {"bzip2", Compression::Bzip2}, {"xz", Compression::Xz}, {"zstd", Compression::Zstd},
    };
    for (const auto &[name, compression] : filters)
        if (detection.filter == name)
            return WriteFormat{Container::Tar, compression};
    return std::nullopt;  // lzma, lz4, compress …: read, not written
}

std::string formatLabel(WriteFormat format)
{
    if (format.container == Container::SevenZip)
        return "7z";
    switch (format.compression) {
    case Compression::Gzip: return "tar.gz";
    case Compression::Bzip2: return "tar.bz2";
    case Compression::Xz: return "tar.xz";
    case Compression::Zstd: return "tar.zst";
    case Compression::None: break;
    }
    return "tar";
}

int compressorLevel(WriteFormat format, int level)
{
    if (level == CompressorDefault) {
        if (format.container == Container::SevenZip)
            return 5;
        static const int defaults[] = {0, 6, 9, 6, 3};  // none, gzip, bzip2, xz, zstd
        return defaults[int(format.compression)];
    }
    level = std::clamp(level, 0, 9);
    if (format.container == Container::SevenZip)
        return level;  // 7-Zip's own 0 (copy) … 9 (ultra)
    switch (format.compression) {
    case Compression::Gzip:
    case Compression::Bzip2: return std::max(level, 1);  // gzip's and bzip2's 1 … 9; they have no 0
    case Compression::Xz:
        return level;  // xz's presets 0 … 9
    // zstd's 1 … 19 spread over the dialog's steps: 1 → 1, 3 → 3 (its
    // default), 5 → 7, 9 → 19.
    case Compression::Zstd: {
        static const int zstd[] = {1, 1, 2, 3, 5, 7, 9, 12, 15, 19};
        return zstd[level];
    }
    case Compression::None: break;
    }
    return 0;
}

}  // namespace otherformats
