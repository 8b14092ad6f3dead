#pragma once
// A tar archive (ustar) built in memory from entries as given, so that a
// test can hold modes, times and links no file on disk needs to have, with
// no tar program asked.

#include <cstdint>
#include <string>
#include <vector>

namespace ziptest {

struct TarEntry {
    enum Kind : char { File = '0', HardLink = '1', Symlink = '2', Directory = '5', VolumeLabel = 'V' };
    std::string name;  // a folder's ends in '/'
    Kind kind = File;
    uint32_t mode = 0644;
    int64_t modified = 0;
    std::string data;        // a file's
    std::string linkTarget;  // a link's: a hard link's names an entry before it
};

std::string tarArchive(const std::vector<TarEntry> &entries);

}  // namespace ziptest
