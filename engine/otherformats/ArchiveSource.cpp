#include "engine/otherformats/ArchiveSource.h"

#include <archive.h>
#include <archive_entry.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <thread>
#include <vector>

namespace otherformats {

namespace {

// Read in blocks of this size: large enough for few calls, small enough that
// progress and cancel come often.
constexpr size_t BlockSize = 256 * 1024;

// Formats named one by one rather than archive_read_support_format_all():
// that one includes mtree, whose entries name files on this machine's disk
// to read, which an archive from elsewhere must never make us do. ZIP is
// enabled only to recognise it.
void enableFormats(archive *a)
{
    archive_read_support_format_7zip(a);
    archive_read_support_format_ar(a);
    archive_read_support_format_cab(a);
    archive_read_support_format_cpio(a);
    archive_read_support_format_iso9660(a);
    archive_read_support_format_lha(a);
    archive_read_support_format_rar(a);
    archive_read_support_format_rar5(a);
    archive_read_support_format_tar(a);
    archive_read_support_format_xar(a);
    archive_read_support_format_zip(a);
    // Bids last: only what no other format claims is taken as one lone stream.
    archive_read_support_format_raw(a);
}

// The compressions, each only where libarchive reads it in-process: built
// without the library for one, it would run an external program on the
// archive's bytes, which a hostile archive must not make us do. Such a
// filter answers ARCHIVE_WARN, tried on an archive of its own.
void enableFilters(archive *a)
{
    using Enable = int (*)(archive *);
    static constexpr std::array<Enable, 8> filters = {
        archive_read_support_filter_gzip, archive_read_support_filter_bzip2,    archive_read_support_filter_xz,
        archive_read_support_filter_lzma, archive_read_support_filter_lzip,     archive_read_support_filter_zstd,
        archive_read_support_filter_lz4,  archive_read_support_filter_compress,
    };
    for (Enable enable : filters) {
        archive *probe = archive_read_new();
        const bool inProcess = probe && enable(probe) == ARCHIVE_OK;
        if (probe)
            archive_read_free(probe);
        if (inProcess)
            enable(a);
    }
}

std::string text(const char *s)
{
    return s ? std::string(s) : std::string();
}

size_t lengthOf(const char *s)
{
    return s ? std::strlen(s) : 0;
}

// The entry's longest name: its path or the target of its link, in the
// stored form or in UTF-8, whichever is longer.
size_t longestName(archive_entry *e)
{
    return std::max({lengthOf(archive_entry_pathname(e)), lengthOf(archive_entry_pathname_utf8(e)),
                     lengthOf(archive_entry_symlink(e)), lengthOf(archive_entry_hardlink(e))});
}

// A folder's name that is the archive's root itself once "./" and slashes are taken
// off: an ISO image's "." or a tar's "./". It is no member; listed, it would
// be a row for the very folder the archive is.
bool namesTheRoot(const char *name)
{
    std::string_view rest = name ? std::string_view(name) : std::string_view();
    for (;;) {
        if (rest.starts_with('/'))
            rest.remove_prefix(1);
        else if (rest.starts_with("./"))
            rest.remove_prefix(2);
        else
            break;
    }
    while (rest.ends_with('/'))
        rest.remove_suffix(1);
    return rest.empty() || rest == ".";
}

// The start of a name too long to show whole, cut between characters.
std::string shortened(const char *name)
{
    constexpr size_t shown = 100;
    std::string start(name ? name : "", 0, name ? std::min(std::strlen(name), shown + 1) : 0);
    if (start.size() <= shown)
        return start;
    start.resize(shown);
    while (!start.empty() && (static_cast<unsigned char>(start.back()) & 0xC0) == 0x80)
        start.pop_back();
    if (!start.empty() && static_cast<unsigned char>(start.back()) >= 0xC0)
        start.pop_back();
    return start + "...";
}

// Reads the file open at `fd` for a second reader with pread(), leaving the
// descriptor's offset to the first.
struct SecondReading {
    int fd = -1;
    uint64_t offset = 0;
    std::vector<char> block = std::vector<char>(64 * 1024);

    static ssize_t read(archive *, void *self, const void **buffer)
    {
        auto *reading = static_cast<SecondReading *>(self);
        for (;;) {
            const ssize_t got =
                ::pread(reading->fd, reading->block.data(), reading->block.size(), off_t(reading->offset));
            if (got < 0 && errno == EINTR)
                continue;
            if (got > 0)
                reading->offset += uint64_t(got);
            *buffer = reading->block.data();
            return got;
        }
    }
};

// Whether the content of the file open at `fd`, decompressed, has only zeros
// where a tar's first header would be. Whatever a damaged stream gave
// before it failed counts; its damage is told when it is read as a stream.
bool beginsWithZeros(int fd)
{
    archive *raw = archive_read_new();
    if (!raw)
        return false;
    archive_read_support_format_raw(raw);
    enableFilters(raw);
    SecondReading reading{fd};
    archive_entry *entry = nullptr;
    bool zeros = false;
    if (archive_read_open(raw, &reading, nullptr, &SecondReading::read, nullptr) == ARCHIVE_OK
        && archive_read_next_header(raw, &entry) == ARCHIVE_OK) {
        std::array<char, 512> head{};
        size_t got = 0;
        while (got < head.size()) {
            const la_ssize_t n = archive_read_data(raw, head.data() + got, head.size() - got);
            if (n <= 0)
                break;
            got += size_t(n);
        }
        zeros = std::all_of(head.begin(), head.begin() + ptrdiff_t(got), [](char c) { return c == 0; });
    }
    archive_read_free(raw);
    return zeros;
}

}  // namespace

ArchiveSource::ArchiveSource() : archive_(archive_read_new()) {}

ArchiveSource::~ArchiveSource()
{
    if (archive_)
        archive_read_free(archive_);
}

bool ArchiveSource::open(const std::string &path, const std::optional<std::string> &password, std::string &error)
{
    const common::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    return open(fd.get(), rawMemberName(path), password, error);
}

bool ArchiveSource::open(int fd, const std::string &name, const std::optional<std::string> &password,
                         std::string &error)
{
    if (!archive_) {
        error = "out of memory";
        return false;
    }
    fd_.reset(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
    struct stat st {};
    if (!fd_ || ::fstat(fd_.get(), &st) != 0) {
        error = "cannot read " + name + ": " + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = name + " is not a regular file";
        return false;
    }
    size_ = uint64_t(st.st_size);
    rawName_ = name;
    if (decodeOnAThread_)
        startDecoding();
    bool opened = openReader(archive_, password);
    if (!opened && decoding_) {
        // Damaged before libarchive could tell the format: read as libarchive's
        // own filter reads it, which tells that damage as it always has.
        decoding_.reset();
        compression_ = Compression::None;
        archive_read_free(archive_);
        archive_ = archive_read_new();
        opened = archive_ && ::lseek(fd_.get(), 0, SEEK_SET) == 0 && openReader(archive_, password);
    }
    if (!opened) {
        error = archive_ ? this->error() : "out of memory";
        return false;
    }
    cpioHeaders_ = std::make_unique<CpioHeaders>(fd_.get(), &enableFilters, MaxNameLength);
    return true;
}

void ArchiveSource::startDecoding()
{
    std::array<uint8_t, 10> head{};
    const ssize_t got = ::pread(fd_.get(), head.data(), head.size(), 0);
    const Compression compression = compressionOf(head.data(), got > 0 ? size_t(got) : 0);
    // A gzip header's time, which libarchive's filter gives a lone stream.
    if (compression == Compression::Gzip && got == ssize_t(head.size()))
        gzipModified_ = uint32_t(head[4]) | uint32_t(head[5]) << 8 | uint32_t(head[6]) << 16 | uint32_t(head[7]) << 24;
    // No limit of its own: the reader's address space bounds it, as it
    // bounds libarchive's filters.
    auto decoder = makeDecoder(compression, std::clamp(std::thread::hardware_concurrency(), 1u, 8u), UINT64_MAX);
    if (!decoder)
        return;
    auto decoding = std::make_unique<DecodingThread>(fd_.get(), std::move(decoder));
    if (!decoding->started())
        return;
    decoding_ = std::move(decoding);
    compression_ = compression;
}

// Our own callbacks rather than archive_read_open_fd(), so that each read
// can tell how far into the file the reading has come. Decoded bytes can
// only be read on: no skip or seek.
bool ArchiveSource::openReader(archive *a, const std::optional<std::string> &password)
{
    enableFormats(a);
    enableFilters(a);
    // libarchive refuses an empty passphrase; none is the same answer.
    if (password && !password->empty() && archive_read_add_passphrase(a, password->c_str()) != ARCHIVE_OK)
        return false;
    return openPrepared(a);
}

bool ArchiveSource::openPrepared(archive *a)
{
    archive_read_set_callback_data(a, this);
    if (decoding_) {
        archive_read_set_read_callback(a, &ArchiveSource::readDecoded);
        return archive_read_open1(a) == ARCHIVE_OK;
    }
    block_.resize(BlockSize);
    archive_read_set_read_callback(a, &ArchiveSource::readBlock);
    archive_read_set_skip_callback(a, &ArchiveSource::skipBytes);
    archive_read_set_seek_callback(a, &ArchiveSource::seekTo);
    return archive_read_open1(a) == ARCHIVE_OK;
}

la_ssize_t ArchiveSource::readDecoded(archive *a, void *self, const void **buffer)
{
    auto *source = static_cast<ArchiveSource *>(self);
    DecodingThread::Piece piece;
    // Gone only when the archive was opened again without it.
    if (!source->decoding_) {
        archive_set_error(a, EILSEQ, "the archive cannot be read");
        return -1;
    }
    if (!source->decoding_->next(piece)) {
        const int number = source->decoding_->errorNumber();
        archive_set_error(a, number ? number : EILSEQ, "%s", source->decoding_->error().c_str());
        return -1;
    }
    *buffer = piece.data;
    source->decodedFrom_ = std::max(source->decodedFrom_, piece.fileOffset);
    source->reached(piece.fileOffset);
    return la_ssize_t(piece.size);
}

la_ssize_t ArchiveSource::readBlock(archive *a, void *self, const void **buffer)
{
    auto *source = static_cast<ArchiveSource *>(self);
    for (;;) {
        const ssize_t got = ::read(source->fd_.get(), source->block_.data(), source->block_.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            archive_set_error(a, errno, "cannot read the archive: %s", std::strerror(errno));
            return -1;
        }
        *buffer = source->block_.data();
        if (got > 0)
            source->reached(uint64_t(::lseek(source->fd_.get(), 0, SEEK_CUR)));
        return got;
    }
}

la_int64_t ArchiveSource::skipBytes(archive *, void *self, la_int64_t request)
{
    auto *source = static_cast<ArchiveSource *>(self);
    const off_t from = ::lseek(source->fd_.get(), 0, SEEK_CUR);
    if (from < 0 || request <= 0)
        return 0;
    // Not past the end: libarchive counts what a skip gave as read.
    const off_t to = std::min<off_t>(from + off_t(request), off_t(source->size_));
    if (to <= from || ::lseek(source->fd_.get(), to, SEEK_SET) != to)
        return 0;
    source->reached(uint64_t(to));
    return la_int64_t(to - from);
}

la_int64_t ArchiveSource::seekTo(archive *, void *self, la_int64_t offset, int whence)
{
    auto *source = static_cast<ArchiveSource *>(self);
    const off_t at = ::lseek(source->fd_.get(), off_t(offset), whence);
    return at < 0 ? ARCHIVE_FATAL : la_int64_t(at);
}

void ArchiveSource::reached(uint64_t position)
{
    if (position <= furthest_)
        return;
    furthest_ = position;
    if (progressTold_)
        progressTold_(position);
}

ArchiveSource::Next ArchiveSource::next()
{
    refusal_.reset();
    if (headerRefused())
        return Next::Failed;
    for (;;) {
        if (auto why = cpioHeaders_ ? cpioHeaders_->checkNext() : std::nullopt) {
            refusedHeader_ = std::move(*why);
            return Next::Failed;
        }
        const int status = archive_read_next_header(archive_, &entry_);
        if (status == ARCHIVE_EOF) {
            if (!begun_ && readZerosAsStream())
                continue;
            // The stream's damage after the archive's end: a checksum at the
            // stream's end that says its content is not what was packed,
            // or a stream cut short. A lone stream's damage is its one
            // entry's, told when that is read.
            if (decoding_ && !isRaw() && !decoding_->wholeToItsEnd()) {
                streamError_ = decoding_->error();
                return Next::Failed;
            }
            return Next::End;
        }
        begun_ = true;
        if ((status == ARCHIVE_OK || status == ARCHIVE_WARN) && !isRaw())
            if (const size_t length = longestName(entry_); length > MaxNameLength) {
                refusal_ = Problem{shortened(archive_entry_pathname(entry_)), ProblemKind::Refused,
                                   "a name or link target of " + std::to_string(length) + " bytes is longer than the "
                                       + std::to_string(MaxNameLength) + " bytes one may have"};
                return Next::Unreadable;
            }
        // Only a folder: a nameless file holds data, and its refusal is said.
        if ((status == ARCHIVE_OK || status == ARCHIVE_WARN) && !isRaw() && archive_entry_filetype(entry_) == AE_IFDIR
            && namesTheRoot(archive_entry_pathname(entry_)) && namesTheRoot(archive_entry_pathname_utf8(entry_)))
            continue;
        if (status == ARCHIVE_OK || status == ARCHIVE_WARN)
            return Next::Entry;
        if (status == ARCHIVE_FAILED)
            return Next::Unreadable;
        if (status != ARCHIVE_RETRY)
            return Next::Failed;
    }
}

bool ArchiveSource::readZerosAsStream()
{
    if ((archive_format(archive_) & ARCHIVE_FORMAT_BASE_MASK) != ARCHIVE_FORMAT_TAR || !beginsWithZeros(fd_.get()))
        return false;
    onlyZeros_ = true;
    // A plain file of zeros is no stream of anything.
    if (!filtered())
        return false;
    archive *stream = archive_read_new();
    if (!stream)
        return false;
    archive_read_support_format_raw(stream);
    enableFilters(stream);
    // A rare case, read again by libarchive's filters alone.
    decoding_.reset();
    compression_ = Compression::None;
    if (::lseek(fd_.get(), 0, SEEK_SET) != 0 || !openPrepared(stream)) {
        archive_read_free(stream);
        return false;
    }
    archive_read_free(archive_);
    archive_ = stream;
    entry_ = nullptr;
    cpioHeaders_.reset();
    onlyZeros_ = false;
    return true;
}

Entry ArchiveSource::describe() const
{
    archive_entry *e = entry_;
    Entry out;
    if (isRaw()) {
        out.name = rawName_;
    } else if (const char *utf8 = archive_entry_pathname_utf8(e)) {
        out.name = utf8;
    } else {
        out.name = text(archive_entry_pathname(e));
        out.nameIsUtf8 = false;
    }
    if (archive_entry_size_is_set(e) && archive_entry_size(e) >= 0)
        out.size = uint64_t(archive_entry_size(e));
    if (archive_entry_mtime_is_set(e)) {
        out.modified = int64_t(archive_entry_mtime(e));
        out.modifiedNanos = uint32_t(std::clamp<long>(archive_entry_mtime_nsec(e), 0, 999999999));
    } else if (isRaw() && decoding_ && gzipModified_ != 0) {
        out.modified = int64_t(gzipModified_);
    }
    if (archive_entry_uid(e) >= 0 && archive_entry_uid(e) <= UINT32_MAX)
        out.uid = uint32_t(archive_entry_uid(e));
    if (archive_entry_gid(e) >= 0 && archive_entry_gid(e) <= UINT32_MAX)
        out.gid = uint32_t(archive_entry_gid(e));
    // A pax header may give names of any length; no system has a user
    // name that long, so a longer one is taken for none.
    constexpr size_t LongestOwnerName = 256;
    if (const char *owner = archive_entry_uname_utf8(e); owner && std::strlen(owner) <= LongestOwnerName)
        out.owner = owner;
    if (const char *group = archive_entry_gname_utf8(e); group && std::strlen(group) <= LongestOwnerName)
        out.group = group;
    out.mode = uint32_t(archive_entry_perm(e));
    out.encrypted = archive_entry_is_encrypted(e) != 0;
    if (const char *hardlink = archive_entry_hardlink(e)) {
        out.kind = EntryKind::HardLink;
        const char *utf8 = archive_entry_hardlink_utf8(e);
        out.linkTarget = utf8 ? utf8 : hardlink;
        return out;
    }
    switch (archive_entry_filetype(e)) {
    case AE_IFREG: out.kind = EntryKind::File; break;
    case AE_IFDIR: out.kind = EntryKind::Directory; break;
    case AE_IFLNK: {
        out.kind = EntryKind::Symlink;
        const char *utf8 = archive_entry_symlink_utf8(e);
        out.linkTarget = utf8 ? utf8 : text(archive_entry_symlink(e));
        break;
    }
    case 0:
        // The raw format and a few others give no type: plain data.
        out.kind = EntryKind::File;
        break;
    default: out.kind = EntryKind::Other;
    }
    return out;
}

Problem ArchiveSource::unreadable() const
{
    if (refusal_)
        return *refusal_;
    const char *name = entry_ ? archive_entry_pathname(entry_) : nullptr;
    return {text(name), ProblemKind::Damaged, error()};
}

Problem ArchiveSource::failure() const
{
    const bool encrypted = archive_read_has_encrypted_entries(archive_) > 0;
    return {{}, encrypted ? ProblemKind::Encrypted : ProblemKind::Damaged, error()};
}

std::string ArchiveSource::error() const
{
    if (headerRefused())
        return refusedHeader_;
    if (!streamError_.empty())
        return streamError_;
    const char *message = archive_error_string(archive_);
    return message ? message : "the archive cannot be read";
}

bool ArchiveSource::isZip() const
{
    return (archive_format(archive_) & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_ZIP;
}

bool ArchiveSource::isPlainZip() const
{
    return isZip() && !filtered();
}

bool ArchiveSource::filtered() const
{
    return decoding_ || archive_filter_count(archive_) > 1;
}

bool ArchiveSource::isRaw() const
{
    return (archive_format(archive_) & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_RAW;
}

std::string ArchiveSource::formatName() const
{
    return text(archive_format_name(archive_));
}

std::string ArchiveSource::filterName() const
{
    if (decoding_)
        return filterNameOf(compression_);
    // Filter 0 is the outermost; the last one is the file itself ("none").
    return archive_filter_count(archive_) > 1 ? text(archive_filter_name(archive_, 0)) : "none";
}

uint64_t ArchiveSource::bytesRead() const
{
    if (decoding_)
        return decodedFrom_;
    const la_int64_t read = archive_filter_bytes(archive_, -1);
    return read > 0 ? uint64_t(read) : 0;
}

}  // namespace otherformats
