#include "engine/common/ScratchDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace common {

namespace fs = std::filesystem;

ScratchDirectory::ScratchDirectory(const std::string &file, const std::string &prefix)
{
    const fs::path parent = fs::path(file).parent_path();
    std::string pattern = (parent.empty() ? fs::path(".") : parent) / (prefix + "-XXXXXX");
    if (::mkdtemp(pattern.data()))
        path_ = pattern;
}

ScratchDirectory::~ScratchDirectory()
{
    if (path_.empty())
        return;
    // An entry may have made a folder without write or search permission for
    // its owner; those are given back first, or the removal would stop there.
    std::error_code ignored;
    ::chmod(path_.c_str(), S_IRWXU);
    for (auto it = fs::recursive_directory_iterator(path_, ignored); !ignored && it != fs::end(it);
         it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            ::chmod(it->path().c_str(), S_IRWXU);
    }
    fs::remove_all(path_, ignored);
}

}  // namespace common
