#include "engine/otherformats/ArchiveWriter.h"

#include "engine/common/FileIo.h"
#include "engine/otherformats/GzipMembers.h"
#include "engine/otherformats/Utf8Names.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <system_error>
#include <thread>

namespace otherformats {

namespace {

struct EntryDeleter {
    void operator()(struct archive_entry *entry) const { archive_entry_free(entry); }
};
using EntryPtr = std::unique_ptr<struct archive_entry, EntryDeleter>;

mode_t typeBits(EntryKind kind)
{
    switch (kind) {
    case EntryKind::Directory: return S_IFDIR;
    case EntryKind::Symlink: return S_IFLNK;
    default: return S_IFREG;
    }
}

unsigned threadsFor(const WriterSettings &settings)
{
    return settings.threads ? settings.threads : std::max(1u, std::thread::hardware_concurrency());
}

// The options each compressor takes; libarchive answers ARCHIVE_WARN for
// one it does not know, which is an error here: nothing is silently dropped.
bool configure(struct archive *a, const WriterSettings &settings, std::string &error)
{
    const WriteFormat format = settings.format;
    const std::string level = std::to_string(compressorLevel(format, settings.level));
    const unsigned threads = threadsFor(settings);
    auto set = [&](bool filter, const char *module, const char *option, const std::string &value) {
        const int r = filter ? archive_write_set_filter_option(a, module, option, value.c_str())
                             : archive_write_set_format_option(a, module, option, value.c_str());
        if (r != ARCHIVE_OK)
            error = std::string("cannot set ") + module + " " + option + " to " + value;
        return r == ARCHIVE_OK;
    };
    if (format.container == Container::SevenZip) {
        if (archive_write_set_format_7zip(a) != ARCHIVE_OK)
            return false;
        return settings.level == 0
                   ? set(false, "7zip", "compression", "store")
                   : set(false, "7zip", "compression", "lzma2") && set(false, "7zip", "compression-level", level);
    }
    // A pax header only where ustar cannot say it: long and non-ASCII names,
    // large sizes, times before 1970 or with fractions, big ids. Not the
    // "restricted" pax, which drops a time's fraction unless something else
    // already needs the header.
    if (archive_write_set_format_pax(a) != ARCHIVE_OK)
        return false;
    switch (format.compression) {
    case Compression::None: return true;
    case Compression::Gzip: return true;  // compressed by GzipMembers, from the plain tar
    case Compression::Bzip2:
        return archive_write_add_filter_bzip2(a) == ARCHIVE_OK && set(true, "bzip2", "compression-level", level);
    case Compression::Xz:
        return archive_write_add_filter_xz(a) == ARCHIVE_OK && set(true, "xz", "compression-level", level)
               && set(true, "xz", "threads", std::to_string(threads));
    case Compression::Zstd:
        return archive_write_add_filter_zstd(a) == ARCHIVE_OK && set(true, "zstd", "compression-level", level)
               && set(true, "zstd", "threads", std::to_string(threads));
    }
    return false;
}

}  // namespace

ArchiveWriter::ArchiveWriter(int fd, WriteFormat format) : fd_(fd), format_(format) {}

ArchiveWriter::~ArchiveWriter()
{
    const Utf8Names names;
    if (links_)
        archive_entry_linkresolver_free(links_);
    if (!archive_)
        return;
    if (finished_ || !target_) {  // whole, or never opened
        archive_write_free(archive_);
        return;
    }
    // Given up: what the compressors hold is not wanted, but only a close
    // ends them; freed without one, they would keep their memory (hundreds
    // of megabytes for xz at its highest levels) and xz and zstd their
    // threads. The close works until its first output, which is refused,
    // up to one of xz's blocks; it runs apart so that a cancel does not wait.
    target_->writer = nullptr;
    struct archive *abandoned = archive_;
    // No UTF-8 names there: nothing it writes is kept, and a locale made and
    // freed beside the caller's would race in glibc's locale data.
    auto closeAndFree = [abandoned, target = target_] {
        archive_write_close(abandoned);
        archive_write_free(abandoned);
    };
    try {
        std::thread(closeAndFree).detach();
    } catch (const std::system_error &) {
        closeAndFree();
    }
}

long long ArchiveWriter::writeOut(struct archive *, void *target, const void *data, size_t length)
{
    ArchiveWriter *writer = static_cast<Target *>(target)->writer;
    // Given up: the first output refused ends the close at once; the
    // compressor is freed all the same.
    if (!writer)
        return -1;
    // A stop heard mid-entry or while the compressor empties, which may
    // take many seconds at the highest levels.
    if (writer->stopAsked_ && writer->stopAsked_()) {
        writer->error_ = "stopped";
        return -1;
    }
    if (writer->gzip_) {
        if (!writer->gzip_->write(data, length)) {
            writer->writeErrno_ = writer->gzip_->error();
            return -1;
        }
    } else if (const int error = writer->toFile(data, length)) {
        writer->writeErrno_ = error;
        return -1;
    }
    return static_cast<long long>(length);
}

int ArchiveWriter::toFile(const void *data, size_t length)
{
    const int error = common::writeAll(fd_, data, length);
    if (!error)
        written_ += length;
    // The kernel starts writing what is done as it goes, so that the fsync
    // before the archive is put in place finds little left to write.
    constexpr uint64_t WritebackBytes = 8u << 20;
    if (!error && written_ - writebackStarted_ >= WritebackBytes) {
        ::sync_file_range(fd_, off_t(writebackStarted_), off_t(written_ - writebackStarted_), SYNC_FILE_RANGE_WRITE);
        writebackStarted_ = written_;
    }
    return error;
}

std::unique_ptr<ArchiveWriter> ArchiveWriter::open(int fd, const WriterSettings &settings, std::string &error)
{
    // Every call into libarchive converts names in UTF-8, whatever locale
    // the process runs in: the names given are UTF-8.
    const Utf8Names names;
    std::unique_ptr<ArchiveWriter> writer(new ArchiveWriter(fd, settings.format));
    writer->stopAsked_ = settings.stopAsked;
    writer->archive_ = archive_write_new();
    if (!writer->archive_) {
        error = "out of memory";
        return nullptr;
    }
    if (settings.format == WriteFormat{Container::Tar, Compression::Gzip}) {
        // No time or name in the members' headers: the same files make the same archive.
        writer->gzip_ = std::make_unique<GzipMembers>(
            compressorLevel(settings.format, settings.level), threadsFor(settings),
            [w = writer.get()](const void *data, size_t length) { return w->toFile(data, length); });
    }
    if (!configure(writer->archive_, settings, error)) {
        if (error.empty())
            error = archive_error_string(writer->archive_) ? archive_error_string(writer->archive_) : "unsupported";
        return nullptr;
    }
    // Whole blocks of 10 KiB, as every tar writes them; the last is padded.
    archive_write_set_bytes_per_block(writer->archive_, 10240);
    archive_write_set_bytes_in_last_block(writer->archive_, 1);
    writer->target_ = std::make_shared<Target>(Target{writer.get()});
    if (archive_write_open2(writer->archive_, writer->target_.get(), nullptr,
                            reinterpret_cast<archive_write_callback *>(&ArchiveWriter::writeOut), nullptr, nullptr)
        != ARCHIVE_OK) {
        writer->fail("cannot start the archive");
        error = writer->error_;
        return nullptr;
    }
    if (settings.format.container == Container::Tar) {
        writer->links_ = archive_entry_linkresolver_new();
        if (!writer->links_) {
            error = "out of memory";
            return nullptr;
        }
        archive_entry_linkresolver_set_strategy(writer->links_, ARCHIVE_FORMAT_TAR_PAX_INTERCHANGE);
    }
    return writer;
}

bool ArchiveWriter::fail(const std::string &what)
{
    if (writeErrno_)
        error_ = what + ": " + std::strerror(writeErrno_);
    else if (archive_ && archive_error_string(archive_))
        error_ = what + ": " + archive_error_string(archive_);
    else
        error_ = what;
    return false;
}

bool ArchiveWriter::begin(const WriteEntry &told, bool &takesData)
{
    const Utf8Names names;
    takesData = false;
    EntryPtr entry(archive_entry_new());
    if (!entry)
        return fail("out of memory");
    struct archive_entry *e = entry.get();
    archive_entry_set_pathname_utf8(e, told.name.c_str());
    archive_entry_set_mode(e, typeBits(told.kind) | (told.mode & 07777));
    archive_entry_set_mtime(e, told.modified, long(told.modifiedNanos));
    if (told.uid)
        archive_entry_set_uid(e, *told.uid);
    if (told.gid)
        archive_entry_set_gid(e, *told.gid);
    if (!told.owner.empty())
        archive_entry_set_uname_utf8(e, told.owner.c_str());
    if (!told.group.empty())
        archive_entry_set_gname_utf8(e, told.group.c_str());
    switch (told.kind) {
    case EntryKind::File: archive_entry_set_size(e, int64_t(told.size)); break;
    case EntryKind::Symlink:
        archive_entry_set_symlink_utf8(e, told.linkTarget.c_str());
        archive_entry_set_size(e, 0);
        break;
    case EntryKind::HardLink:
        // 7z keeps no hard links: the caller hands the data as a file's.
        archive_entry_set_hardlink_utf8(e, told.linkTarget.c_str());
        archive_entry_set_size(e, 0);
        break;
    default: archive_entry_set_size(e, 0); break;
    }
    struct archive_entry *spare = nullptr;
    if (links_ && told.kind == EntryKind::File && told.linkCount > 1 && told.device_inode) {
        archive_entry_set_dev(e, dev_t(told.device_inode->first));
        archive_entry_set_ino64(e, int64_t(told.device_inode->second));
        archive_entry_set_nlink(e, told.linkCount);
        // Tar keeps the data with the first name; a later name of the same
        // file comes back with its size 0 and the first name as its link.
        archive_entry_linkify(links_, &e, &spare);
        if (!e)  // not held back for this strategy; kept as told
            e = entry.get();
        else if (e != entry.get())
            entry.reset(e);
        if (spare)
            archive_entry_free(spare);
    }
    if (archive_write_header(archive_, e) < ARCHIVE_WARN)
        return fail("cannot write the header of " + told.name);
    takesData = archive_entry_filetype(e) == AE_IFREG && !archive_entry_hardlink(e) && archive_entry_size(e) > 0;
    return true;
}

bool ArchiveWriter::write(const void *data, size_t length)
{
    const Utf8Names names;
    const auto *bytes = static_cast<const char *>(data);
    while (length > 0) {
        const la_ssize_t n = archive_write_data(archive_, bytes, length);
        if (n <= 0)
            return fail("cannot write");
        bytes += n;
        length -= size_t(n);
    }
    return true;
}

bool ArchiveWriter::endEntry()
{
    const Utf8Names names;
    if (archive_write_finish_entry(archive_) < ARCHIVE_WARN)
        return fail("cannot end an entry");
    return true;
}

bool ArchiveWriter::finish()
{
    const Utf8Names names;
    if (archive_write_close(archive_) != ARCHIVE_OK)
        return fail("cannot end the archive");
    if (gzip_ && !gzip_->finish()) {
        writeErrno_ = gzip_->error();
        return fail("cannot end the archive");
    }
    finished_ = true;
    return true;
}

}  // namespace otherformats
