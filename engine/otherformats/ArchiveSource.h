#pragma once
// One archive opened for reading through libarchive, with the formats and
// filters this library accepts, and its entries turned into plain values.

#include "engine/common/UniqueFd.h"
#include "engine/otherformats/CpioHeaders.h"
#include "engine/otherformats/DecodingThread.h"
#include "engine/otherformats/FormatNames.h"
#include "engine/otherformats/OtherFormats.h"
#include "engine/otherformats/Utf8Names.h"

#include <archive.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct archive_entry;

namespace otherformats {

class ArchiveSource {
public:
    ArchiveSource();
    ~ArchiveSource();
    ArchiveSource(const ArchiveSource &) = delete;
    ArchiveSource &operator=(const ArchiveSource &) = delete;

    // False with `error` set when the file cannot be opened or read.
    bool open(const std::string &path, const std::optional<std::string> &password, std::string &error);
    // The same for a file already open (its own copy of `fd` is taken);
    // `name` names a lone compressed file's one entry.
    bool open(int fd, const std::string &name, const std::optional<std::string> &password, std::string &error);
    // Told each time the reading reaches further into the archive file than
    // ever before: the mark of a reader that is getting somewhere.
    void onProgress(std::function<void(uint64_t position)> told) { progressTold_ = std::move(told); }

    // Unreadable: this entry cannot be read, or is refused before it is
    // (a name longer than MaxNameLength), but the next may be; Failed:
    // nothing more can be read. error() or unreadable() says why. A folder
    // entry for the archive's root itself ("." or "./") is passed over: it is no
    // member, and every walk numbers the entries alike without it. A
    // compressed stream whose content begins with a block of zeros reads as
    // an empty tar; it is read again as the lone compressed file it is.
    enum class Next { Entry, Unreadable, End, Failed };
    Next next();
    archive_entry *current() const { return entry_; }
    // The current entry as a value; a lone compressed file's one entry is
    // named after the file.
    Entry describe() const;
    // The problem of an Unreadable entry.
    Problem unreadable() const;

    archive *handle() const { return archive_; }
    // Off: every compression is left to libarchive's own filters, as in a
    // process that may not start threads. On by default.
    void decodeOnAThread(bool on) { decodeOnAThread_ = on; }
    std::string error() const;
    // A header refused before libarchive read it (CpioHeaders) ended the reading.
    bool headerRefused() const { return !refusedHeader_.empty(); }
    // Why reading the archive failed as a whole: encrypted when it holds
    // encrypted entries (or headers), damaged otherwise.
    Problem failure() const;
    bool isZip() const;
    // A ZIP archive as it is, which our own ZIP engine reads; a compressed
    // one is no file that engine opens, so it is read here.
    bool isPlainZip() const;
    bool isRaw() const;
    // The archive read as a tar with no entries, and its content begins with
    // a block of zeros: no header at all, not even a volume label.
    bool onlyZeros() const { return onlyZeros_; }
    std::string formatName() const;
    std::string filterName() const;
    uint64_t bytesRead() const;
    uint64_t size() const { return size_; }

private:
    Utf8Names names_;  // first: it must outlive the reader
    archive *archive_ = nullptr;
    archive_entry *entry_ = nullptr;
    common::UniqueFd fd_;
    uint64_t furthest_ = 0;
    std::function<void(uint64_t)> progressTold_;
    std::vector<char> block_;
    static la_ssize_t readBlock(archive *, void *self, const void **buffer);
    static la_ssize_t readDecoded(archive *, void *self, const void **buffer);
    static la_int64_t skipBytes(archive *, void *self, la_int64_t request);
    static la_int64_t seekTo(archive *, void *self, la_int64_t offset, int whence);
    // Opens `a` with our formats, filters and callbacks.
    bool openReader(archive *a, const std::optional<std::string> &password);
    // The same for a reader whose formats and filters are chosen.
    bool openPrepared(archive *a);
    // Starts decoding a compression read faster here than by libarchive.
    void startDecoding();
    // Compressed, by libarchive's filters or here.
    bool filtered() const;
    void reached(uint64_t position);
    std::string rawName_;
    uint64_t size_ = 0;
    std::optional<Problem> refusal_;  // of the current entry, when next() refused it
    std::unique_ptr<CpioHeaders> cpioHeaders_;
    std::string refusedHeader_;  // why next() read no further header
    bool begun_ = false;         // next() has found an entry
    bool decodeOnAThread_ = true;
    Compression compression_ = Compression::None;  // decoded here, by decoding_
    std::unique_ptr<DecodingThread> decoding_;
    uint32_t gzipModified_ = 0;  // the gzip header's time, 0 for none
    uint64_t decodedFrom_ = 0;   // how far into the file decoding_ had read for the last block
    std::string streamError_;    // the stream's damage after the archive's end
    bool onlyZeros_ = false;

    // An empty tar: its content read again as one lone stream when it holds
    // nothing but zeros where the first header would be. False when it does not.
    bool readZerosAsStream();
};

}  // namespace otherformats
