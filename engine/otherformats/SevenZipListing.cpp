#include "engine/otherformats/SevenZipListing.h"

#include <algorithm>
#include <charconv>
#include <ctime>

namespace otherformats {

namespace {

std::optional<uint64_t> decimal(std::string_view text)
{
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<uint32_t> hex32(std::string_view text)
{
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.size() != 8 || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "2024-03-01 12:30:05.1234567" (the fraction optional) to seconds since
// the epoch; 0 for anything else, as for a time not stored.
int64_t secondsOf(std::string_view text, ListingTimes times)
{
    if (text.size() < 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' || text[16] != ':')
        return 0;
    const auto field = [&](size_t at, size_t length) { return decimal(text.substr(at, length)); };
    const auto year = field(0, 4), month = field(5, 2), day = field(8, 2);
    const auto hour = field(11, 2), minute = field(14, 2), second = field(17, 2);
    if (!year || !month || !day || !hour || !minute || !second || *month < 1 || *month > 12 || *day < 1)
        return 0;
    std::tm broken{};
    broken.tm_year = int(*year) - 1900;
    broken.tm_mon = int(*month) - 1;
    broken.tm_mday = int(*day);
    broken.tm_hour = int(*hour);
    broken.tm_min = int(*minute);
    broken.tm_sec = int(*second);
    broken.tm_isdst = -1;
    const time_t seconds = times == ListingTimes::Utc ? ::timegm(&broken) : ::mktime(&broken);
    return seconds == time_t(-1) ? 0 : int64_t(seconds);
}

// "rwxr-x---" with its set-id and sticky letters to permission bits.
uint32_t permissionBits(std::string_view text)
{
    uint32_t mode = 0;
    for (size_t i = 0; i < 9; ++i) {
        const char c = text[i];
        const uint32_t bit = 1u << (8 - i);
        if (c == 'r' || c == 'w' || c == 'x' || ((i == 2 || i == 5) && c == 's') || (i == 8 && c == 't'))
            mode |= bit;
    }
    if (text[2] == 's' || text[2] == 'S')
        mode |= 04000;
    if (text[5] == 's' || text[5] == 'S')
        mode |= 02000;
    if (text[8] == 't' || text[8] == 'T')
        mode |= 01000;
    return mode;
}

// "A -rw-r--r--", "D drwxr-xr-x", or only Windows' letters ("A", "DR") for
// an archive made there, which carries no permissions of its own.
void applyAttributes(std::string_view text, Entry &entry)
{
    const size_t space = text.find(' ');
    const std::string_view letters = text.substr(0, space);
    const bool directory = letters.find('D') != std::string_view::npos;
    entry.kind = directory ? EntryKind::Directory : EntryKind::File;
    std::string_view posix = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    if (const size_t end = posix.find(' '); end != std::string_view::npos)
        posix = posix.substr(0, end);
    // "drwxr-xr-x" and the like; anything else (a number) is no mode.
    const bool isMode = posix.size() == 10 && std::string_view("-dlcbps").find(posix[0]) != std::string_view::npos
                        && posix.substr(1).find_first_not_of("rwxsStT-") == std::string_view::npos;
    if (isMode) {
        switch (posix[0]) {
        case 'd': entry.kind = EntryKind::Directory; break;
        case 'l': entry.kind = EntryKind::Symlink; break;
        case '-': entry.kind = directory ? EntryKind::Directory : EntryKind::File; break;
        default:  // a device, a FIFO, a socket
            entry.kind = EntryKind::Other;
        }
        entry.mode = permissionBits(posix.substr(1));
        return;
    }
    const bool readOnly = letters.find('R') != std::string_view::npos;
    entry.mode = directory ? 0755 : (readOnly ? 0444 : 0644);
}

bool validUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const size_t length = byte < 0x80         ? 1
                              : (byte >> 5) == 6  ? 2
                              : (byte >> 4) == 14 ? 3
                              : (byte >> 3) == 30 ? 4
                                                  : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

}  // namespace

void SevenZipListing::feed(std::string_view text)
{
    // A line past the limit keeps its beginning: no name that long is read.
    const auto keep = [this](std::string_view part) {
        pending_.append(part.substr(0, std::min(part.size(), LineLimit - std::min(LineLimit, pending_.size()))));
    };
    while (!text.empty()) {
        const size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            keep(text);
            return;
        }
        keep(text.substr(0, end));
        text.remove_prefix(end + 1);
        std::string whole = std::move(pending_);
        pending_.clear();
        if (!whole.empty() && whole.back() == '\r')
            whole.pop_back();
        line(whole);
    }
}

void SevenZipListing::finish()
{
    if (!pending_.empty()) {
        std::string last = std::move(pending_);
        pending_.clear();
        line(last);
    }
    endRecord();
}

void SevenZipListing::line(std::string_view text)
{
    if (text.empty()) {
        endRecord();
        return;
    }
    const size_t equals = text.find(" =");
    if (equals == std::string_view::npos)
        return;
    const std::string_view key = text.substr(0, equals);
    std::string_view value = text.substr(equals + 2);
    if (!value.empty() && value.front() == ' ')
        value.remove_prefix(1);
    if (key == "Path") {
        endRecord();
        record_.emplace();
        record_->entry.name = std::string(value);
        record_->entry.nameIsUtf8 = validUtf8(value);
        seen_.clear();
        return;
    }
    if (!record_ || !error_.empty())
        return;
    // A key twice in one record is no listing 7-Zip writes: a name made to
    // look like more lines of it.
    if (!seen_.insert(std::string(key)).second) {
        error_ = "the listing repeats \"" + std::string(key) + "\" for " + record_->entry.name;
        return;
    }
    Entry &entry = record_->entry;
    if (key == "Size") {
        entry.size = decimal(value);
        if (!entry.size)
            error_ = "the listing gives no size for " + entry.name;
    } else if (key == "Modified") {
        entry.modified = secondsOf(value, times_);
    } else if (key == "Attributes") {
        applyAttributes(value, entry);
    } else if (key == "CRC") {
        record_->crc = hex32(value);
        if (!value.empty() && !record_->crc)
            error_ = "the listing gives no checksum for " + entry.name;
    } else if (key == "Encrypted") {
        entry.encrypted = value == "+";
    } else if (key == "Anti") {
        anti_ = value == "+";
    }
}

void SevenZipListing::endRecord()
{
    if (!record_)
        return;
    if (error_.empty() && !record_->entry.size)
        error_ = "the listing gives no size for " + record_->entry.name;
    // A deletion marker an update leaves: no file.
    if (anti_)
        record_->entry.kind = EntryKind::Other;
    if (error_.empty())
        entries_.push_back(std::move(*record_));
    record_.reset();
    seen_.clear();
    anti_ = false;
}

}  // namespace otherformats
