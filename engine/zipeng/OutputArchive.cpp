#include "engine/zipeng/OutputArchive.h"

#include "engine/common/Directory.h"
#include "engine/common/FileIo.h"
#include "engine/common/SystemCalls.h"
#include "engine/zipeng/ErrorCodes.h"
#include "engine/zipeng/JobOptions.h"
#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/ZipRecords.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zipeng {

using namespace zipformat;
namespace sys = common::sys;

namespace {

constexpr size_t BufferCapacity = 4u << 20;
constexpr uint64_t WritebackStep = 32u << 20;

void put16(std::vector<uint8_t> &out, uint16_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t> &out, uint32_t v)
{
    put16(out, uint16_t(v));
    put16(out, uint16_t(v >> 16));
}

void put64(std::vector<uint8_t> &out, uint64_t v)
{
    put32(out, uint32_t(v));
    put32(out, uint32_t(v >> 32));
}

void putBytes(std::vector<uint8_t> &out, std::span<const uint8_t> bytes)
{
    out.insert(out.end(), bytes.begin(), bytes.end());
}

std::span<const uint8_t> bytesOf(const std::string &s)
{
    return {reinterpret_cast<const uint8_t *>(s.data()), s.size()};
}

uint32_t field32(uint64_t v)
{
    return v >= Zip64Marker32 ? Zip64Marker32 : uint32_t(v);
}

// The fields both headers share, filled from the record.
void putFields(std::vector<uint8_t> &out, const MemberRecord &r, bool zip64, uint32_t packed, uint32_t unpacked,
               size_t extraLength)
{
    HeaderFields h;
    static_cast<MemberFields &>(h) = r;
    if (zip64)
        h.versionNeeded = std::max(r.versionNeeded, VersionZip64);
    h.storedPackedSize = packed;
    h.storedUnpackedSize = unpacked;
    h.nameLength = uint16_t(r.name.size());
    h.extraLength = uint16_t(extraLength);
    const size_t at = out.size();
    out.resize(at + HeaderFieldsSize);
    putHeaderFields(&out[at], h);
}

}  // namespace

std::vector<uint8_t> buildLocalHeader(const MemberRecord &r, bool zip64Sizes)
{
    std::vector<uint8_t> out;
    out.reserve(LocalHeaderSize + r.name.size() + r.extra.size() + 20);
    put32(out, LocalHeaderSignature);
    putFields(out, r, zip64Sizes, zip64Sizes ? Zip64Marker32 : uint32_t(r.packedSize),
              zip64Sizes ? Zip64Marker32 : uint32_t(r.unpackedSize), r.extra.size() + (zip64Sizes ? 20 : 0));
    putBytes(out, bytesOf(r.name));
    if (zip64Sizes) {
        put16(out, Zip64ExtraId);
        put16(out, 16);
        put64(out, r.unpackedSize);
        put64(out, r.packedSize);
    }
    putBytes(out, r.extra);
    return out;
}

void appendCentralRecord(std::vector<uint8_t> &out, const MemberRecord &r)
{
    const bool bigUnpacked = r.unpackedSize >= Zip64Marker32;
    const bool bigPacked = r.packedSize >= Zip64Marker32;
    const bool bigOffset = r.localOffset >= Zip64Marker32;
    const uint16_t zip64Length = uint16_t(8 * (int(bigUnpacked) + int(bigPacked) + int(bigOffset)));
    const bool zip64 = zip64Length != 0;
    const size_t extraLength = r.extra.size() + (zip64 ? 4 + zip64Length : 0);

    put32(out, CentralHeaderSignature);
    put16(out, r.versionMadeBy);
    putFields(out, r, zip64, field32(r.packedSize), field32(r.unpackedSize), extraLength);
    put16(out, uint16_t(r.comment.size()));
    put16(out, 0);  // disk
    put16(out, r.internalAttributes);
    put32(out, r.externalAttributes);
    put32(out, field32(r.localOffset));
    putBytes(out, bytesOf(r.name));
    if (zip64) {
        put16(out, Zip64ExtraId);
        put16(out, zip64Length);
        if (bigUnpacked)
            put64(out, r.unpackedSize);
        if (bigPacked)
            put64(out, r.packedSize);
        if (bigOffset)
            put64(out, r.localOffset);
    }
    putBytes(out, r.extra);
    putBytes(out, r.comment);
}

std::vector<uint8_t> buildEndRecords(uint64_t entries, uint64_t directoryOffset, uint64_t directorySize,
                                     std::span<const uint8_t> comment)
{
    std::vector<uint8_t> out;
    // A count of 0xFFFF is the marker itself, so it already needs the record.
    const bool zip64 = entries >= Zip64Marker16 || directoryOffset >= Zip64Marker32 || directorySize >= Zip64Marker32;
    if (zip64) {
        const uint64_t recordOffset = directoryOffset + directorySize;
        put32(out, Zip64EndRecordSignature);
        put64(out, Zip64EndRecordSize - 12);
        put16(out, (3 << 8) | 45);  // made by: Unix, 4.5
        put16(out, VersionZip64);
        put32(out, 0);  // this disk
        put32(out, 0);  // disk of the central directory
        put64(out, entries);
        put64(out, entries);
        put64(out, directorySize);
        put64(out, directoryOffset);
        put32(out, Zip64LocatorSignature);
        put32(out, 0);
        put64(out, recordOffset);
        put32(out, 1);  // total disks
    }
    const uint16_t count = entries >= Zip64Marker16 ? Zip64Marker16 : uint16_t(entries);
    put32(out, EndRecordSignature);
    put16(out, 0);
    put16(out, 0);
    put16(out, count);
    put16(out, count);
    put32(out, field32(directorySize));
    put32(out, field32(directoryOffset));
    put16(out, uint16_t(std::min<size_t>(comment.size(), MaxCommentLength)));
    putBytes(out, comment.first(std::min<size_t>(comment.size(), MaxCommentLength)));
    return out;
}

// ---- OutputArchive ------------------------------------------------------

OutputArchive::OutputArchive(const std::string &archivePath) : archivePath_(archivePath)
{
    const size_t slash = archivePath.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : slash == 0 ? "/" : archivePath.substr(0, slash);
    std::string pattern = directory + (directory.back() == '/' ? "" : "/") + ".zipeng-XXXXXX";
    // mkostemp opens with O_EXCL: the name is ours alone.
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0)
        throw JobError{TempFileError, "Cannot create a temporary file in " + directory + ": " + std::strerror(errno)};
    temporaryPath_ = pattern;
    writeback_ = std::make_unique<BackgroundWriteback>(fd_);
    buffer_.reserve(BufferCapacity);
}

OutputArchive::~OutputArchive()
{
    if (writeback_)
        writeback_->stop();  // it uses fd_
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_ && !temporaryPath_.empty())
        ::unlink(temporaryPath_.c_str());
}

void OutputArchive::writeFailed(int error) const
{
    throw JobError{WriteError, "Cannot write " + temporaryPath_ + ": " + std::strerror(error)};
}

void OutputArchive::writeAt(uint64_t at, const uint8_t *bytes, size_t n)
{
    if (const int error = common::pwriteAll(fd_, bytes, n, at))
        writeFailed(error);
}

void OutputArchive::startWriteback()
{
    if (fileEnd_ - writebackStart_ < WritebackStep)
        return;
    writeback_->requestUpTo(fileEnd_);
    writebackStart_ = fileEnd_;
}

void OutputArchive::flushBuffer()
{
    if (buffer_.empty())
        return;
    writeAt(fileEnd_, buffer_.data(), buffer_.size());
    fileEnd_ += buffer_.size();
    buffer_.clear();
    startWriteback();
}

void OutputArchive::flushCopy()
{
    // One thread: writes into one file take its inode lock, so a second
    // copying thread would only wait for it.
    // In blocks, so that a cancel is heard within one of them.
    while (copy_.length > 0) {
        const uint64_t step = std::min<uint64_t>(copy_.length, std::max<size_t>(tuning::copyBlock, 1));
        copyNow(copy_.fd, copy_.from, fileEnd_, step);
        fileEnd_ += step;
        copy_.from += step;
        copy_.length -= step;
        startWriteback();
        if (pulse_)
            pulse_(false);
    }
    copy_ = {};
}

void OutputArchive::copyNow(int fd, uint64_t from, uint64_t to, uint64_t length)
{
    // In-kernel copies first; they may clone blocks and skip user space.
    auto inOffset = off_t(from);
    auto outOffset = off_t(to);
    while (length > 0 && useCopyRange_) {
        const ssize_t done =
            sys::copyFileRange(fd, &inOffset, fd_, &outOffset, size_t(std::min<uint64_t>(length, 1u << 30)), 0);
        if (done > 0) {
            length -= uint64_t(done);
            continue;
        }
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0 && (errno == ENOSPC || errno == EDQUOT || errno == EFBIG || errno == EIO))
            writeFailed(errno);
        useCopyRange_ = false;  // not supported here: fall back to reads and writes
    }
    std::vector<uint8_t> chunk;
    while (length > 0) {
        chunk.resize(size_t(std::min<uint64_t>(length, BufferCapacity)));
        const common::ReadResult read = common::preadFull(fd, chunk.data(), chunk.size(), uint64_t(inOffset));
        if (read.got < chunk.size())
            throw JobError{ReadError, "Cannot read the archive " + archivePath_ + ": "
                                          + (read.error ? std::strerror(read.error) : "it was cut short meanwhile")};
        writeAt(uint64_t(outOffset), chunk.data(), chunk.size());
        inOffset += off_t(chunk.size());
        outOffset += off_t(chunk.size());
        length -= chunk.size();
    }
}

void OutputArchive::writeLocalHeader(MemberRecord &record, bool zip64Sizes)
{
    record.localOffset = position();
    if (zip64Sizes || record.localOffset >= Zip64Marker32)
        record.versionNeeded = std::max(record.versionNeeded, VersionZip64);
    write(buildLocalHeader(record, zip64Sizes));
}

void OutputArchive::patchLocalSizes(uint64_t headerAt, const MemberRecord &record, bool zip64Sizes)
{
    uint8_t crc[4];
    zipformat::putLe32(crc, record.crc);
    patch(headerAt + LocalCrcOffset, crc);
    if (zip64Sizes) {
        uint8_t sizes[16];
        zipformat::putLe64(sizes, record.unpackedSize);
        zipformat::putLe64(sizes + 8, record.packedSize);
        patch(headerAt + localZip64ValuesOffset(record), sizes);
    } else {
        uint8_t sizes[8];
        zipformat::putLe32(sizes, uint32_t(record.packedSize));
        zipformat::putLe32(sizes + 4, uint32_t(record.unpackedSize));
        patch(headerAt + 18, sizes);
    }
}

void OutputArchive::write(std::span<const uint8_t> bytes)
{
    flushCopy();
    if (buffer_.size() + bytes.size() > BufferCapacity) {
        flushBuffer();
        if (bytes.size() >= BufferCapacity) {
            writeAt(fileEnd_, bytes.data(), bytes.size());
            fileEnd_ += bytes.size();
            position_ += bytes.size();
            startWriteback();
            return;
        }
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    position_ += bytes.size();
}

void OutputArchive::copyFrom(int fd, uint64_t offset, uint64_t length)
{
    if (length == 0)
        return;
    if (copy_.length != 0 && copy_.fd == fd && copy_.from + copy_.length == offset) {
        copy_.length += length;
    } else {
        flushCopy();
        flushBuffer();
        copy_ = {fd, offset, length};
    }
    position_ += length;
}

void OutputArchive::patch(uint64_t at, std::span<const uint8_t> bytes)
{
    flushCopy();
    for (size_t i = 0; i < bytes.size(); ++i) {
        const uint64_t where = at + i;
        if (where >= fileEnd_) {
            buffer_[size_t(where - fileEnd_)] = bytes[i];
        } else {
            const size_t n = size_t(std::min<uint64_t>(bytes.size() - i, fileEnd_ - where));
            writeAt(where, bytes.data() + i, n);
            i += n - 1;
        }
    }
}

void OutputArchive::rewind(uint64_t at)
{
    flushCopy();
    if (at >= fileEnd_) {
        buffer_.resize(size_t(at - fileEnd_));
    } else {
        buffer_.clear();
        // A signal may interrupt the truncation as it does a write.
        int result;
        while ((result = sys::ftruncate(fd_, off_t(at))) != 0 && errno == EINTR) {
        }
        if (result != 0)
            writeFailed(errno);
        fileEnd_ = at;
        writebackStart_ = std::min(writebackStart_, at);
        writeback_->truncatedAt(at);
    }
    position_ = at;
}

void OutputArchive::addToDirectory(const MemberRecord &record)
{
    appendCentralRecord(directory_, record);
    ++members_;
}

bool OutputArchive::finish(std::span<const uint8_t> comment)
{
    const uint64_t directoryOffset = position_;
    write(directory_);
    const std::vector<uint8_t> end = buildEndRecords(members_, directoryOffset, directory_.size(), comment);
    write(end);
    flushCopy();
    flushBuffer();
    return end.size() > EndRecordSize + comment.size();
}

void OutputArchive::commit(mode_t mode, std::optional<std::pair<uid_t, gid_t>> owner, std::optional<int64_t> modified,
                           bool replace)
{
    flushCopy();
    flushBuffer();
    // Keeping the old owner needs privileges; without them the file stays the
    // caller's, as any rewrite by the caller would leave it.
    if (owner) {
        [[maybe_unused]] const int ignored = ::fchown(fd_, owner->first, owner->second);
    }
    if (::fchmod(fd_, mode & 07777) != 0)
        throw JobError{CreateError, "Cannot set the permissions of " + temporaryPath_ + ": " + std::strerror(errno)};
    if (modified) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(*modified), 0}};
        ::futimens(fd_, times);
    }
    writeback_->stop();
    if (sys::fsync(fd_) != 0)
        writeFailed(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        writeFailed(errno);
    if (pulse_)
        pulse_(true);
    if (!replace) {
        if (!common::renameInto(AT_FDCWD, temporaryPath_, archivePath_, false))
            throw JobError{CreateError, "Cannot create " + archivePath_ + ": " + std::strerror(errno)};
    } else if (sys::rename(temporaryPath_.c_str(), archivePath_.c_str()) != 0) {
        throw JobError{CreateError, "Cannot replace " + archivePath_ + ": " + std::strerror(errno)};
    }
    committed_ = true;
}

}  // namespace zipeng
