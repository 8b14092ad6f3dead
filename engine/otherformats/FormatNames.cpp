#include "engine/otherformats/FormatNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

namespace otherformats {

const std::vector<std::string> &extensions()
{
    static const std::vector<std::string> names = {
        "tar.gz", "tar.bz2", "tar.xz", "tar.zst", "tar.lz4", "tar.lzma", "tar.lz", "tgz", "tbz2", "tbz", "txz",
        "tzst",   "tlz",     "tar",    "7z",      "rar",     "iso",      "cpio",   "deb", "ar",   "a",   "cab",
        "lha",    "lzh",     "xar",    "gz",      "bz2",     "xz",       "zst",    "lz4", "lzma", "lz"};
    return names;
}

std::string formatExtension(const std::string &path)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    for (const std::string &extension : extensions()) {
        if (name.size() <= extension.size() + 1 || name[name.size() - extension.size() - 1] != '.')
            continue;
        const std::string end = name.substr(name.size() - extension.size());
        const bool same = std::equal(end.begin(), end.end(), extension.begin(),
                                     [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
        if (same)
            return end;
    }
    return {};
}

std::string rawMemberName(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    static constexpr std::array<const char *, 9> suffixes = {".gz", ".bz2",  ".xz", ".zst", ".lz4",
                                                             ".lz", ".lzma", ".Z",  ".z"};
    for (const char *suffix : suffixes) {
        const size_t length = std::strlen(suffix);
        if (name.size() > length && name.compare(name.size() - length, length, suffix) == 0)
            return name.substr(0, name.size() - length);
    }
    return name.empty() ? "data" : name + ".out";
}

}  // namespace otherformats
