#pragma once
// Archives of other formats than ZIP built byte by byte, for what no free
// program here writes (RAR), what no peer tool is sure to be there for (cpio) and what a test should not ask a peer
// tool's version for (a 7z of nothing): signatures and headers, each with its CRC-32.

#include <cstdint>
#include <string>
#include <vector>

namespace ziptest {

// A 7z archive with no entries: the signature header naming no next header.
std::string empty7z();

struct Rar5Entry {
    std::string name;
    bool directory = false;  // otherwise an empty file, stored
};

// RAR5's variable-length integer: seven bits a byte, the high bit saying more follow.
std::string vint(uint64_t value);
// A RAR5 header: its CRC-32 over the size and the fields, the size, the fields.
std::string rar5Header(const std::string &fields);

// A RAR5 archive: the main header, one file header per entry, the end header.
std::string rar5Archive(const std::vector<Rar5Entry> &entries);

struct CpioEntry {
    std::string name;
    std::string data;
    unsigned mode = 0100644;  // the file type's bits with the permissions
};

// A cpio archive in the "new ASCII" form: per entry a header of hex fields,
// the name and the data, each padded to four bytes; then the trailer entry.
// A format read and never written here.
std::string newcCpio(const std::vector<CpioEntry> &entries);

}  // namespace ziptest
