#pragma once
// The archive as it is before the job: its members from the central
// directory, and where each member's bytes lie, so that kept members can be
// copied into the new archive exactly as they are.

#include "engine/zipeng/MemberRecord.h"
#include "engine/zipformat/ArchiveFile.h"
#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/ZipRecords.h"

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zipeng {

// `extra` is the central extra field without its ZIP64 block; `localOffset`
// the file offset of the local header.
struct ExistingMember : MemberRecord {
    std::optional<int64_t> unixTime;  // modification time from the extended timestamp

    bool isDirectory() const { return !name.empty() && name.back() == '/'; }
    // The modification time as a Unix time: the extended timestamp when there
    // is one, else the DOS fields taken as local time.
    int64_t modificationTime() const;
};

// Reads through one descriptor that it owns; the same descriptor serves the
// copies into the new archive.
class ExistingArchive final : public zipformat::RandomAccessSource {
public:
    enum class State { Missing, Empty, Valid };

    ExistingArchive() = default;
    ExistingArchive(const ExistingArchive &) = delete;
    ExistingArchive &operator=(const ExistingArchive &) = delete;

    // Missing when there is no file, Empty for a file of 0 bytes (taken as an
    // archive without members). Throws JobError when the file exists but is
    // not a readable ZIP archive, is (part of) a split archive, or members
    // share bytes (as extraction refuses them).
    State open(const std::string &path);

    State state() const { return state_; }
    int fd() const { return file_.descriptor(); }
    const struct stat &status() const { return status_; }

    std::vector<ExistingMember> members;
    uint64_t prefixLength = 0;     // bytes before the first member (a stub)
    std::vector<uint8_t> comment;  // the archive comment

    // The bytes of a member's local record: header, data and data descriptor.
    // Throws JobError when they do not lie where the directory says.
    uint64_t recordLength(const ExistingMember &member) const;

    uint64_t size() const override { return file_.size(); }
    size_t readAt(uint64_t offset, void *buffer, size_t n) const override { return file_.readAt(offset, buffer, n); }

private:
    [[noreturn]] void damaged(const std::string &why) const;
    // The fixed part of a member's local header; nothing when it is not there.
    std::optional<zipformat::LocalHeader> readLocalHeader(const ExistingMember &member) const;
    // Throws JobError naming the members whose bytes overlap another's.
    void refuseOverlaps() const;

    std::string path_;
    State state_ = State::Missing;
    zipformat::ArchiveFile file_;
    struct stat status_ {};
    uint64_t directoryOffset_ = 0;  // file offset of the central directory
};

}  // namespace zipeng
