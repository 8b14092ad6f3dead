#pragma once
// A private directory (mkdtemp, 0700) beside a file about to be written,
// removed with everything in it when it goes out of scope. Converting an
// archive extracts into it and adds from it, on the target's own file
// system, so that large members need no room elsewhere.

#include <string>

namespace common {

class ScratchDirectory {
public:
    // Made beside `file`, named after `prefix`; path() is empty when it could
    // not be made (errno says why).
    ScratchDirectory(const std::string &file, const std::string &prefix);
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory &) = delete;
    ScratchDirectory &operator=(const ScratchDirectory &) = delete;
    const std::string &path() const { return path_; }

private:
    std::string path_;
};

}  // namespace common
