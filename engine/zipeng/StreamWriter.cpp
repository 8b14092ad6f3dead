#include "engine/zipeng/StreamWriter.h"

#include "engine/common/Umask.h"
#include "engine/zipeng/Deflate.h"
#include "engine/zipeng/Names.h"
#include "engine/zipformat/DosTime.h"
#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/Utf8.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <utility>

namespace zipeng {

using zipformat::MethodDeflated;
using zipformat::MethodStored;
using zipformat::Zip64Marker32;

namespace {

constexpr uint32_t DosDirectory = 0x10;
constexpr uint32_t DosReadOnly = 0x01;
constexpr size_t StoredPiece = 1u << 20;
// A link's target is a path: ZIP's name limit is more than any system takes.
constexpr size_t LinkTargetLimit = 65535;

}  // namespace

StreamWriter::StreamWriter(const JobOptions &options, Reporter &reporter, bool replace)
    : Job(options, reporter), replace_(replace)
{
    level_ = std::clamp(options.level, 0, 9);
    piece_ = level_ == 0 ? StoredPiece : tuning::streamChunk ? tuning::streamChunk : pieceSize(level_);
}

void StreamWriter::open()
{
    if (!options_.password.empty() && !randomnessAvailable())
        throw JobError{InternalError,
                       "Cannot encrypt: the system gives no random numbers; " + options_.archive + " was not written"};
    out_.emplace(options_.archive);
    out_->setPulse([this](bool last) { pulse(last); });
    trace("Writing the new archive as " + out_->temporaryPath());
}

MemberRecord StreamWriter::newRecord(const std::string &name, uint32_t typeBits, uint16_t method) const
{
    MemberRecord r;
    r.name = name;
    if (!isAscii(name) && zipformat::isValidUtf8(name))
        r.flags |= zipformat::FlagUtf8;
    r.method = method;
    r.versionNeeded = method == MethodDeflated ? VersionDeflated : VersionStored;
    const zipformat::DosDateTime dos = zipformat::unixTimeToDos(time_t(modified_));
    r.modTime = dos.time;
    r.modDate = dos.date;
    uint32_t dosAttributes = typeBits == S_IFDIR ? DosDirectory : 0;
    if (!(mode_ & S_IWUSR))
        dosAttributes |= DosReadOnly;
    r.versionMadeBy = MadeByUnix;
    r.externalAttributes = ((typeBits | (mode_ & 07777)) << 16) | dosAttributes;
    r.extra = extendedTimestampBlock(modified_);
    return r;
}

int32_t StreamWriter::beginEntry(const ZipStreamEntry &entry)
{
    if (current_ != Current::None)
        endEntry(false);
    const std::string given = entry.Name ? entry.Name : "";
    current_ = Current::Passed;
    // A source's names become members as they are, so none may be one that
    // extraction would read as a path outside: refused, not repaired.
    if (const std::string why = unsafeSourceName(given); !why.empty()) {
        report(BadParameters, "Cannot convert " + given + ": " + why);
        return ZipStreamPassed;
    }
    std::string name = relativeName(given);
    if (name.empty())
        return ZipStreamOmitted;  // the source's own top folder ("./"): the archive is that folder
    if (entry.Kind == ZipStreamDirectory)
        name += '/';
    if (name.size() > 0xFFFF) {
        report(EntryTooLarge, "Cannot convert " + given + ": the name is too long for a ZIP header");
        return ZipStreamPassed;
    }
    if (!names_.insert(name).second) {
        report(BadParameters, "Cannot convert " + given + ": " + name + " is in the archive already");
        return ZipStreamPassed;
    }
    mode_ = entry.Mode;
    modified_ = entry.Modified != 0 ? entry.Modified : int64_t(::time(nullptr));
    declared_ = entry.Size;
    sizeKnown_ = entry.SizeKnown != 0;
    pending_.clear();
    started_ = deflating_ = zip64Sizes_ = false;
    crc_ = 0;
    unpacked_ = packed_ = 0;
    encryption_.reset();
    beginFile(name, sizeKnown_ ? declared_ : 0);
    if (entry.Kind == ZipStreamDirectory) {
        record_ = newRecord(name, S_IFDIR, MethodStored);
        out_->writeLocalHeader(record_, false);
        finishMember();
        current_ = Current::Directory;
        return ZipStreamGoOn;
    }
    record_ = newRecord(name, entry.Kind == ZipStreamSymlink ? S_IFLNK : S_IFREG, MethodStored);
    current_ = entry.Kind == ZipStreamSymlink    ? Current::Link
               : entry.Kind == ZipStreamHardLink ? Current::HardLink
                                                 : Current::File;
    return ZipStreamGoOn;
}

void StreamWriter::data(std::span<const uint8_t> bytes)
{
    if (current_ == Current::Link || current_ == Current::HardLink) {
        if (pending_.size() + bytes.size() > LinkTargetLimit) {
            report(EntryTooLarge, "Cannot convert " + record_.name + ": its link target is too long");
            current_ = Current::Passed;
            return;
        }
        pending_.insert(pending_.end(), bytes.begin(), bytes.end());
        return;
    }
    if (current_ != Current::File)
        return;
    while (!bytes.empty()) {
        // A full piece waits for more data before it goes out: only then is
        // it known not to be the last.
        if (pending_.size() == piece_) {
            if (!started_)
                startLargeFile();
            flushPiece(false);
        }
        const size_t n = std::min(bytes.size(), piece_ - pending_.size());
        pending_.insert(pending_.end(), bytes.begin(), bytes.begin() + ptrdiff_t(n));
        bytes = bytes.subspan(n);
        unpacked_ += n;
        advance(unpacked_);
    }
}

bool StreamWriter::endEntry(bool complete)
{
    const Current current = std::exchange(current_, Current::None);
    if (current == Current::None || current == Current::Passed || current == Current::Directory)
        return current == Current::Directory;
    if (!complete) {
        if (started_)
            out_->rewind(headerAt_);
        names_.erase(record_.name);
        pending_.clear();
        return false;
    }
    if (current == Current::Link) {
        // Stored and never encrypted: the target is a path, as the names are.
        record_.crc = crc32Update(0, pending_);
        record_.packedSize = record_.unpackedSize = pending_.size();
        out_->writeLocalHeader(record_, false);
        out_->write(pending_);
        finishMember();
        return true;
    }
    if (current == Current::HardLink)
        return writeHardLink();
    if (!started_) {
        writeSmallFile();
        return true;
    }
    return finishLargeFile();
}

void StreamWriter::writePacked(uint8_t *bytes, size_t length)
{
    if (encryption_)
        encryption_->encrypt(bytes, length);
    out_->write({bytes, length});
    packed_ += length;
}

// Within one piece: deflated whole, and stored when that does not make it
// smaller, as the add does, with every size known before the header.
void StreamWriter::writeSmallFile()
{
    Buffer deflated = level_ > 0 ? deflateWhole(level_, pending_) : Buffer();
    const bool shrank = deflated.size > 0;
    record_.method = shrank ? MethodDeflated : MethodStored;
    record_.versionNeeded = shrank ? VersionDeflated : VersionStored;
    record_.crc = crc32Update(0, pending_);
    record_.unpackedSize = pending_.size();
    record_.packedSize = shrank ? deflated.size : pending_.size();
    if (!options_.password.empty()) {
        markEncrypted(record_);
        record_.packedSize += AesOverhead;
        encryption_ = std::make_unique<MemberEncryption>(options_.password);
    }
    out_->writeLocalHeader(record_, false);
    dataAt_ = out_->position();
    if (encryption_)
        out_->write(encryption_->prefix());
    if (shrank)
        writePacked(deflated.data(), deflated.size);
    else
        writePacked(pending_.data(), pending_.size());
    if (encryption_)
        out_->write(encryption_->finish());
    pending_.clear();
    finishMember();
}

// The first piece is full: whether to deflate is judged from it, and whether
// the header needs ZIP64 sizes from the size the source declared. Deflate
// can make incompressible data a little larger, so the margin allows for it.
void StreamWriter::startLargeFile()
{
    deflating_ = level_ > 0 && !looksIncompressible(pending_);
    const uint64_t overhead = options_.password.empty() ? 0 : AesOverhead;
    const uint64_t growth = deflating_ ? declared_ / 128 + 65536 : 0;
    zip64Sizes_ = !sizeKnown_ || declared_ + growth + overhead >= Zip64Marker32;
    record_.method = deflating_ ? MethodDeflated : MethodStored;
    record_.versionNeeded = deflating_ ? VersionDeflated : VersionStored;
    record_.unpackedSize = declared_;
    if (!options_.password.empty()) {
        markEncrypted(record_);
        encryption_ = std::make_unique<MemberEncryption>(options_.password);
    }
    headerAt_ = out_->position();
    out_->writeLocalHeader(record_, zip64Sizes_);
    dataAt_ = out_->position();
    if (encryption_)
        out_->write(encryption_->prefix());
    started_ = true;
}

void StreamWriter::flushPiece(bool last)
{
    crc_ = crc32Update(crc_, pending_);
    if (deflating_) {
        Buffer packed = deflatePiece(level_, pending_, last);
        writePacked(packed.data(), packed.size);
    } else if (!pending_.empty()) {
        writePacked(pending_.data(), pending_.size());
    }
    pending_.clear();
    pulse();
}

bool StreamWriter::finishLargeFile()
{
    flushPiece(true);
    if (encryption_) {
        out_->write(encryption_->finish());
        packed_ += AesOverhead;
    }
    if (!zip64Sizes_ && (packed_ >= Zip64Marker32 || unpacked_ >= Zip64Marker32)) {
        out_->rewind(headerAt_);
        names_.erase(record_.name);
        report(EntryTooLarge, "Cannot convert " + record_.name + ": its data is larger than the source said");
        return false;
    }
    if (!encryption_)
        record_.crc = crc_;  // AE-2 keeps 0 there
    record_.packedSize = packed_;
    record_.unpackedSize = unpacked_;
    out_->patchLocalSizes(headerAt_, record_, zip64Sizes_);
    finishMember();
    return true;
}

// ZIP has no hard links: the member becomes a copy of the one it names,
// its data copied within the new archive as it was written (encrypted or not).
bool StreamWriter::writeHardLink()
{
    const std::string given(pending_.begin(), pending_.end());
    const auto file = files_.find(relativeName(given));
    if (file == files_.end()) {
        names_.erase(record_.name);
        report(BadParameters, "Cannot convert " + record_.name + ": it is a hard link to " + given
                                  + ", which is no file in the archive");
        return false;
    }
    const std::string name = std::move(record_.name);
    const uint16_t utf8 = record_.flags & zipformat::FlagUtf8;
    record_ = file->second.record;
    record_.name = name;
    record_.flags = uint16_t((record_.flags & ~zipformat::FlagUtf8) | utf8);
    out_->writeLocalHeader(record_, record_.packedSize >= Zip64Marker32 || record_.unpackedSize >= Zip64Marker32);
    dataAt_ = out_->position();
    out_->copyWithin(file->second.dataAt, record_.packedSize);
    finishMember();
    return true;
}

void StreamWriter::finishMember()
{
    if (!record_.name.ends_with('/') && !S_ISLNK(record_.externalAttributes >> 16))
        files_[record_.name] = {record_, dataAt_};
    out_->addToDirectory(record_);
    ++written_;
    verbose("adding: " + record_.name);
}

int32_t StreamWriter::finish()
{
    if (current_ != Current::None)
        endEntry(false);
    if (out_->finish({}))
        trace("The archive needs ZIP64 end records");
    out_->commit(0666 & ~common::currentUmask(), std::nullopt, std::nullopt, replace_);
    return written_;
}

}  // namespace zipeng
