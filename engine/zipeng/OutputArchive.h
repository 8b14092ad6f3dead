#pragma once
// The new archive: written under a temporary name beside the old one, through
// one large buffer, and renamed over the old one only by commit(). Until then
// the destructor removes it, so a failure or a cancel leaves nothing behind.

#include "engine/zipeng/BackgroundWriteback.h"
#include "engine/zipeng/MemberRecord.h"

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace zipeng {

// The local header of a new member. With `zip64Sizes` its size fields hold
// the marker and a ZIP64 block carries both sizes.
std::vector<uint8_t> buildLocalHeader(const MemberRecord &record, bool zip64Sizes);
// Where the CRC and the sizes sit in a local header, for patching them in
// once a streamed member is written: CRC, packed and unpacked size at 14, 18
// and 22; with ZIP64 sizes the two 64-bit values (unpacked first) follow the
// name, since the ZIP64 block comes first in the extra field.
inline constexpr size_t LocalCrcOffset = 14;
inline size_t localZip64ValuesOffset(const MemberRecord &record)
{
    return 30 + record.name.size() + 4;
}

// Appends the central-directory record; a ZIP64 block goes first in its extra
// field when a size or the offset does not fit in 32 bits.
void appendCentralRecord(std::vector<uint8_t> &out, const MemberRecord &record);

// The end of the archive: ZIP64 end record and locator when the count, size or
// offset of the central directory do not fit their fields, then the end record.
std::vector<uint8_t> buildEndRecords(uint64_t entries, uint64_t directoryOffset, uint64_t directorySize,
                                     std::span<const uint8_t> comment);

class OutputArchive {
public:
    // Creates the temporary file in the archive's directory. Throws JobError.
    explicit OutputArchive(const std::string &archivePath);
    ~OutputArchive();
    OutputArchive(const OutputArchive &) = delete;
    OutputArchive &operator=(const OutputArchive &) = delete;

    const std::string &temporaryPath() const { return temporaryPath_; }

    // Called between the blocks of a long copy with false, and once with
    // true after the final flush to disk, just before the rename: the last
    // moment a cancel leaves the archive as it was. It may throw to stop.
    void setPulse(std::function<void(bool last)> pulse) { pulse_ = std::move(pulse); }
    uint64_t position() const { return position_; }

    void write(std::span<const uint8_t> bytes);
    // Writes `record`'s local header at the end, which becomes its offset;
    // both headers then say 4.5 when either carries ZIP64 values.
    void writeLocalHeader(MemberRecord &record, bool zip64Sizes);
    // Puts `record`'s CRC and sizes into its local header at `headerAt`,
    // written before they were known.
    void patchLocalSizes(uint64_t headerAt, const MemberRecord &record, bool zip64Sizes);
    // Copies bytes of another file; copies of adjacent ranges are joined.
    void copyFrom(int fd, uint64_t offset, uint64_t length);
    // Copies bytes this archive holds already (a member's data) to its end.
    void copyWithin(uint64_t offset, uint64_t length) { copyFrom(fd_, offset, length); }
    // Overwrites bytes written earlier.
    void patch(uint64_t at, std::span<const uint8_t> bytes);
    // Drops everything from `at` on.
    void rewind(uint64_t at);

    void addToDirectory(const MemberRecord &record);
    uint64_t memberCount() const { return members_; }

    // Writes the central directory and the end records. True when ZIP64 end
    // records were needed.
    bool finish(std::span<const uint8_t> comment);

    // Gives the file its permission bits (and owner, where allowed) and
    // modification time, flushes it to disk and renames it over the archive;
    // without `replace` a file that took the archive's name meanwhile stays
    // and the commit fails.
    void commit(mode_t mode, std::optional<std::pair<uid_t, gid_t>> owner, std::optional<int64_t> modified,
                bool replace = true);

private:
    void flushBuffer();
    void flushCopy();
    void copyNow(int fd, uint64_t from, uint64_t to, uint64_t length);
    void writeAt(uint64_t at, const uint8_t *bytes, size_t n);
    void startWriteback();
    [[noreturn]] void writeFailed(int error) const;

    std::string archivePath_;
    std::string temporaryPath_;
    int fd_ = -1;
    bool committed_ = false;
    bool useCopyRange_ = true;
    std::unique_ptr<BackgroundWriteback> writeback_;
    std::function<void(bool)> pulse_;

    uint64_t position_ = 0;        // logical end of what has been written
    uint64_t fileEnd_ = 0;         // what has reached the file
    uint64_t writebackStart_ = 0;  // the file's bytes from here on are not yet on their way to disk
    std::vector<uint8_t> buffer_;  // bytes for [fileEnd_, fileEnd_ + size)
    struct PendingCopy {
        int fd = -1;
        uint64_t from = 0;
        uint64_t length = 0;
    } copy_;  // a copy to be made at fileEnd_; never together with buffered bytes

    std::vector<uint8_t> directory_;
    uint64_t members_ = 0;
};

}  // namespace zipeng
