#pragma once
// The headers of a new-format cpio archive ("070701", "070702"), walked in a
// second reading of the same file just ahead of libarchive. libarchive reads
// such an entry's name in one piece of the length its header gives, up to
// 4 GiB, before anything can refuse the entry: a compressed cpio of a few
// hundred kilobytes whose header promised a name of gigabytes took gigabytes
// to list. Here such a header is refused before libarchive reads it. The
// other cpio variants' name fields hold at most six octal digits.

#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

struct archive;

namespace otherformats {

class CpioHeaders {
public:
    // Looks at the content of the archive open at `fd`, decompressed through
    // the filters `enableFilters` turns on; watches nothing when it is not a
    // new-format cpio. Reads with pread(), leaving the descriptor's offset
    // alone. A name longer than `longestName` bytes is refused.
    CpioHeaders(int fd, void (*enableFilters)(archive *), size_t longestName);
    ~CpioHeaders();
    CpioHeaders(const CpioHeaders &) = delete;
    CpioHeaders &operator=(const CpioHeaders &) = delete;

    // Checks the header libarchive reads next, and steps past its entry:
    // why that header must not be read, or nothing.
    std::optional<std::string> checkNext();

private:
    static ssize_t readBlock(archive *, void *self, const void **buffer);
    // Up to `length` bytes of the content into `out` (skipped when null);
    // how many, 0 at its end or when it cannot be read.
    size_t readSome(char *out, size_t length);
    bool read(char *out, size_t length);
    bool skip(uint64_t length);
    std::optional<std::string> scanRest(const char *header);

    int fd_;
    uint64_t longestNameField_;  // the name's field counts its closing NUL
    archive *raw_ = nullptr;
    uint64_t fileOffset_ = 0;
    std::vector<char> fileBlock_;
    std::string first_;            // the bytes looked at to tell the format, read again first
    const char *block_ = nullptr;  // what is left of the last decompressed block
    size_t blockLeft_ = 0;
    bool watching_ = false;
};

}  // namespace otherformats
