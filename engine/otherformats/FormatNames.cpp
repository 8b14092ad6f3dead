#include "engine/otherformats/FormatNames.h"

#include <algorithm>
#include <cctype>

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

}  // namespace otherformats
