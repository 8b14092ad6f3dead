#pragma once
// 7-Zip's technical listing (`7zz l -slt -ba`) read into entries: records of
// "Key = Value" lines, one record per entry, a blank line between records.
// Fed as the output comes, in pieces of any size; what is no such line (the
// password prompt, which 7-Zip writes there too) is passed over.

#include "engine/otherformats/OtherFormats.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace otherformats {

struct SevenZipEntry {
    Entry entry{};
    std::optional<uint32_t> crc{};  // of the data, when the archive stores one
    // Its data is in the extraction's output: a file's content, or a
    // symbolic link's target (which 7z stores as the link's data).
    bool hasData() const { return entry.kind != EntryKind::Directory && entry.size.value_or(0) > 0; }
};

// How the listing gives times: 7-Zip writes them in its own local time.
enum class ListingTimes { Local, Utc };

class SevenZipListing {
public:
    // The longest line kept whole; a longer one keeps this much of its
    // beginning, far past the longest name any reader here takes.
    static constexpr size_t LineLimit = 1 << 20;

    explicit SevenZipListing(ListingTimes times = ListingTimes::Local) : times_(times) {}

    void feed(std::string_view text);
    // The output has ended: the last record is complete.
    void finish();

    const std::vector<SevenZipEntry> &entries() const { return entries_; }
    std::vector<SevenZipEntry> takeEntries() { return std::move(entries_); }
    // Why a record was refused (a size or a checksum that is no number),
    // which makes the listing unusable; empty when none was.
    const std::string &error() const { return error_; }

private:
    void line(std::string_view text);
    void endRecord();

    ListingTimes times_;
    std::string pending_;  // a line not ended yet
    std::optional<SevenZipEntry> record_;
    std::set<std::string> seen_;  // the current record's keys
    bool anti_ = false;
    std::vector<SevenZipEntry> entries_;
    std::string error_;
};

}  // namespace otherformats
