#pragma once
// A tar (pax) or 7z archive written entry by entry with libarchive's
// writers, into a file the caller opened; a tar.gz's gzip is GzipMembers'.
// The writers parse nothing: what they are given comes from the disk or,
// already checked, from a reader.

#include "engine/otherformats/OtherFormats.h"
#include "engine/otherformats/WriteFormat.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

struct archive;
struct archive_entry_linkresolver;

namespace otherformats {

class GzipMembers;

struct WriteEntry {
    std::string name;  // relative, '/' between components; a folder's may end in '/'
    EntryKind kind = EntryKind::File;
    uint64_t size = 0;  // a file's data
    uint32_t mode = 0;  // permission bits
    int64_t modified = 0;
    uint32_t modifiedNanos = 0;
    std::optional<uint32_t> uid;
    std::optional<uint32_t> gid;
    std::string owner;  // names, as stored or the user's own; empty: none
    std::string group;
    std::string linkTarget;  // a symbolic link's target, or the earlier entry a hard link names
    // For a file from the disk: its identity, so that a second name of it
    // becomes a hard link where the format keeps them.
    std::optional<std::pair<uint64_t, uint64_t>> device_inode;
    uint32_t linkCount = 1;
};

struct WriterSettings {
    WriteFormat format;
    int level = 6;         // the add dialog's 0 … 9
    unsigned threads = 0;  // 0: one a core, for the compressors that take threads
    // Asked at each output: true makes the writing fail there (a cancel).
    std::function<bool()> stopAsked{};
};

class ArchiveWriter {
public:
    // Writes into `fd`, which stays the caller's. Null, with `error` set,
    // when libarchive takes none of the settings.
    static std::unique_ptr<ArchiveWriter> open(int fd, const WriterSettings &settings, std::string &error);
    ~ArchiveWriter();
    ArchiveWriter(const ArchiveWriter &) = delete;
    ArchiveWriter &operator=(const ArchiveWriter &) = delete;

    // Each false return leaves error() saying why; the archive is then
    // unusable and only to be thrown away.
    // `takesData` false: the entry has no data to write (a folder, a link,
    // or a file's second name, which tar keeps as a hard link).
    bool begin(const WriteEntry &entry, bool &takesData);
    bool write(const void *data, size_t length);
    bool endEntry();
    // The archive's end: the trailer written and the compressor emptied.
    bool finish();
    const std::string &error() const { return error_; }
    // Bytes handed to the file so far.
    uint64_t written() const { return written_; }

private:
    ArchiveWriter(int fd, WriteFormat format);
    bool fail(const std::string &what);
    static long long writeOut(struct archive *, void *target, const void *data, size_t length);
    int toFile(const void *data, size_t length);  // 0 or an errno

    int fd_;
    WriteFormat format_;
    struct archive *archive_ = nullptr;
    struct archive_entry_linkresolver *links_ = nullptr;
    std::unique_ptr<GzipMembers> gzip_;  // a tar.gz's compression, ours rather than libarchive's
    std::string error_;
    int writeErrno_ = 0;
    uint64_t written_ = 0;
    uint64_t writebackStarted_ = 0;  // bytes whose writing the kernel was asked to start
    bool finished_ = false;
    // Where libarchive's bytes go: this writer, or nowhere once the archive
    // is given up. It lives on with an abandoned archive while that closes.
    std::function<bool()> stopAsked_;
    struct Target {
        ArchiveWriter *writer = nullptr;
    };
    std::shared_ptr<Target> target_;
};

}  // namespace otherformats
