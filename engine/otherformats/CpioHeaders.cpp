#include "engine/otherformats/CpioHeaders.h"

#include <archive.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace otherformats {

namespace {

// The fixed part of a new-format header: the magic and thirteen fields of
// eight hexadecimal digits; the name follows, then the data, each padded to
// a multiple of four bytes.
constexpr size_t HeaderSize = 110;
constexpr size_t FileSizeAt = 54;
constexpr size_t NameSizeAt = 94;
constexpr size_t FileBlock = 64 * 1024;

bool isHeader(const char *h)
{
    return std::memcmp(h, "07070", 5) == 0 && (h[5] == '1' || h[5] == '2');
}

// An eight-digit hexadecimal field; nothing when it is not one.
std::optional<uint64_t> field(const char *h, size_t at)
{
    uint64_t value = 0;
    for (size_t i = at; i < at + 8; ++i) {
        const char c = h[i];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | uint64_t(digit);
    }
    return value;
}

uint64_t padding(uint64_t length)
{
    return (4 - length % 4) % 4;
}

std::string refusal(uint64_t nameSize, uint64_t longestName)
{
    return "a cpio header gives a name of " + std::to_string(nameSize - 1) + " bytes, longer than the "
           + std::to_string(longestName) + " bytes one may have";
}

}  // namespace

CpioHeaders::CpioHeaders(int fd, void (*enableFilters)(archive *), size_t longestName)
    : fd_(fd), longestNameField_(uint64_t(longestName) + 1), raw_(archive_read_new())
{
    if (!raw_)
        return;
    archive_read_support_format_raw(raw_);
    enableFilters(raw_);
    archive_entry *entry = nullptr;
    if (archive_read_open(raw_, this, nullptr, &CpioHeaders::readBlock, nullptr) != ARCHIVE_OK
        || archive_read_next_header(raw_, &entry) != ARCHIVE_OK)
        return;
    char magic[6];
    if (!read(magic, sizeof magic))
        return;
    first_.assign(magic, sizeof magic);
    watching_ = isHeader(magic);
}

CpioHeaders::~CpioHeaders()
{
    if (raw_)
        archive_read_free(raw_);
}

ssize_t CpioHeaders::readBlock(archive *, void *self, const void **buffer)
{
    auto *headers = static_cast<CpioHeaders *>(self);
    headers->fileBlock_.resize(FileBlock);
    for (;;) {
        const ssize_t got = ::pread(headers->fd_, headers->fileBlock_.data(), FileBlock, off_t(headers->fileOffset_));
        if (got < 0 && errno == EINTR)
            continue;
        if (got > 0)
            headers->fileOffset_ += uint64_t(got);
        *buffer = headers->fileBlock_.data();
        return got;
    }
}

size_t CpioHeaders::readSome(char *out, size_t length)
{
    if (!first_.empty()) {
        const size_t part = std::min(length, first_.size());
        if (out)
            std::memcpy(out, first_.data(), part);
        first_.erase(0, part);
        return part;
    }
    while (blockLeft_ == 0) {
        const void *data = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        if (archive_read_data_block(raw_, &data, &size, &offset) != ARCHIVE_OK)
            return 0;
        block_ = static_cast<const char *>(data);
        blockLeft_ = size;
    }
    const size_t part = std::min(length, blockLeft_);
    if (out)
        std::memcpy(out, block_, part);
    block_ += part;
    blockLeft_ -= part;
    return part;
}

bool CpioHeaders::read(char *out, size_t length)
{
    while (length > 0) {
        const size_t part = readSome(out, length);
        if (part == 0)
            return false;
        if (out)
            out += part;
        length -= part;
    }
    return true;
}

bool CpioHeaders::skip(uint64_t length)
{
    while (length > 0) {
        const size_t part = size_t(std::min<uint64_t>(length, FileBlock));
        if (!read(nullptr, part))
            return false;
        length -= part;
    }
    return true;
}

std::optional<std::string> CpioHeaders::checkNext()
{
    if (!watching_)
        return std::nullopt;
    char header[HeaderSize];
    // At the end libarchive finds the end too, or says what it finds.
    if (!read(header, sizeof header)) {
        watching_ = false;
        return std::nullopt;
    }
    const auto nameSize = field(header, NameSizeAt);
    const auto fileSize = field(header, FileSizeAt);
    if (!isHeader(header) || !nameSize || !fileSize)
        return scanRest(header);
    if (*nameSize > longestNameField_)
        return refusal(*nameSize, longestNameField_ - 1);
    std::string name(size_t(*nameSize), '\0');
    if (!read(name.data(), name.size()) || !skip(padding(HeaderSize + *nameSize))) {
        watching_ = false;
        return std::nullopt;
    }
    // After the trailer libarchive reads no further header.
    if (name == std::string("TRAILER!!!", 11) || !skip(*fileSize + padding(*fileSize)))
        watching_ = false;
    return std::nullopt;
}

// Out of step with the entries, as libarchive is when it looks ahead for the
// next header past bytes that are none: every header further on is looked
// at now, and a single one that must not be read stops the reading here.
std::optional<std::string> CpioHeaders::scanRest(const char *header)
{
    watching_ = false;
    std::string window(header, HeaderSize);
    std::vector<char> more(FileBlock);
    for (;;) {
        for (size_t at = window.find("07070"); at != std::string::npos && at + HeaderSize <= window.size();
             at = window.find("07070", at + 1))
            if (const auto nameSize = field(window.data() + at, NameSizeAt);
                isHeader(window.data() + at) && nameSize && *nameSize > longestNameField_)
                return refusal(*nameSize, longestNameField_ - 1);
        // Kept: the start of a header that the next bytes complete.
        window.erase(0, window.size() - std::min(window.size(), HeaderSize - 1));
        const size_t got = readSome(more.data(), more.size());
        if (got == 0)
            return std::nullopt;
        window.append(more.data(), got);
    }
}

}  // namespace otherformats
