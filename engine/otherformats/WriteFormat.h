#pragma once
// The formats other than ZIP that archives are written in: tar (pax) with
// its compressions, and 7z. Which one a new archive gets comes from the name
// the user gives it; an existing archive is written again in what it is.

#include <optional>
#include <string>
#include <string_view>

namespace otherformats {

struct Detection;

enum class Container { Tar, SevenZip };
enum class Compression { None, Gzip, Bzip2, Xz, Zstd };

struct WriteFormat {
    Container container = Container::Tar;
    Compression compression = Compression::None;
    friend bool operator==(const WriteFormat &, const WriteFormat &) = default;
};

// By the name's suffix, case-blind: .tar, .tar.gz/.tgz, .tar.bz2/.tbz2/.tbz,
// .tar.xz/.txz, .tar.zst/.tzst, .7z. None for any other name (.zip among
// them), which is a ZIP archive.
std::optional<WriteFormat> writeFormatForName(std::string_view path);

// What an existing archive is written again as, from what detect() read;
// none for a format not written here. A tar of any dialect is written as
// pax, which keeps whatever the others hold.
std::optional<WriteFormat> writeFormatOf(const Detection &detection);

// The short name the user knows: "tar", "tar.gz", "7z".
std::string formatLabel(WriteFormat format);

// The add dialog's level (0 stores, 1 fastest … 9 smallest) on each
// compressor's own scale; CompressorDefault gives the compressor's own
// default, for a rewrite the user chose no level for.
inline constexpr int CompressorDefault = -1;
int compressorLevel(WriteFormat format, int level);

}  // namespace otherformats
