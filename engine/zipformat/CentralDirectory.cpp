#include "engine/zipformat/CentralDirectory.h"

#include "engine/zipformat/LittleEndian.h"

#include <algorithm>

namespace zipformat {

namespace {

bool signatureAt(const RandomAccessSource &source, uint64_t offset, uint32_t signature)
{
    uint8_t b[4];
    return source.readAt(offset, b, 4) == 4 && le32(b) == signature;
}

// Fills in the ZIP64 values when a locator sits just before the end record.
// Without ZIP64 records the end record's values stand even where they equal
// a marker: a writer may store exactly 65,535 entries with no ZIP64 record,
// and a marked offset that is not real fails the signature check after this.
void applyZip64(const RandomAccessSource &source, CentralDirectoryLocation &loc)
{
    const uint64_t endAt = loc.endRecordOffset;
    std::optional<Zip64Locator> locator;
    if (endAt >= Zip64LocatorSize) {
        uint8_t b[Zip64LocatorSize];
        if (source.readAt(endAt - Zip64LocatorSize, b, sizeof b) == sizeof b)
            locator = parseZip64Locator(b);
    }
    if (!locator)
        return;

    const uint64_t locatorAt = endAt - Zip64LocatorSize;
    // Where the locator says, or, when data was put in front of the archive,
    // right before the locator, where writers put the record.
    std::optional<uint64_t> recordAt;
    for (uint64_t candidate :
         {locator->endRecordOffset, locatorAt - std::min<uint64_t>(locatorAt, Zip64EndRecordSize)}) {
        if (candidate <= locatorAt && locatorAt - candidate >= Zip64EndRecordSize
            && signatureAt(source, candidate, Zip64EndRecordSignature)) {
            recordAt = candidate;
            break;
        }
    }
    if (!recordAt)
        return;

    uint8_t b[Zip64EndRecordSize];
    if (source.readAt(*recordAt, b, sizeof b) != sizeof b)
        return;
    const auto record = parseZip64EndRecord(b);
    if (!record)
        return;

    loc.zip64EndRecordOffset = *recordAt;
    loc.entries = record->entries;
    loc.size = record->centralDirectorySize;
    loc.storedOffset = record->centralDirectoryOffset;
}

}  // namespace

namespace {

// Whether the directory's first record points at a local header (or at an
// offset kept in its ZIP64 field, which this does not follow).
bool firstEntryLeadsToLocalHeader(const RandomAccessSource &source, const CentralDirectoryLocation &loc)
{
    uint8_t b[CentralHeaderSize];
    if (source.readAt(loc.fileOffset(), b, sizeof b) != sizeof b)
        return false;
    const uint32_t offset = le32(b + 42);
    return offset == Zip64Marker32 || signatureAt(source, loc.archiveStart + offset, LocalHeaderSignature);
}

// The location an end record at `endAt` describes, if the directory it points
// to starts where it should.
std::optional<CentralDirectoryLocation> locationFrom(const RandomAccessSource &source, const uint8_t *record,
                                                     uint64_t endAt)
{
    const EndRecord end = *parseEndRecord(Bytes(record, EndRecordSize));
    CentralDirectoryLocation loc;
    loc.endRecordOffset = endAt;
    loc.entries = end.entries;
    loc.size = end.centralDirectorySize;
    loc.storedOffset = end.centralDirectoryOffset;
    loc.commentLength = end.commentLength;
    applyZip64(source, loc);

    // The central directory ends where the (ZIP64) end record begins; the
    // difference to the recorded end is the length of anything put in front.
    const uint64_t directoryEnd = loc.directoryEnd();
    if (loc.storedOffset > directoryEnd)
        return std::nullopt;
    if (loc.size > directoryEnd - loc.storedOffset) {
        // A size that cannot be right; the offset may still be.
        if (loc.entries != 0 && signatureAt(source, loc.storedOffset, CentralHeaderSignature))
            return loc;
        return std::nullopt;
    }
    loc.archiveStart = directoryEnd - loc.storedOffset - loc.size;
    // A writer without ZIP64 records stores only the low 32 bits of an offset
    // past 4 GiB: what looks like a stub of whole gibibytes is that wrap.
    if (!loc.zip64EndRecordOffset && loc.archiveStart != 0 && loc.archiveStart % (uint64_t(1) << 32) == 0) {
        loc.storedOffset += loc.archiveStart;
        loc.archiveStart = 0;
    }
    if (loc.size == 0 && loc.entries == 0)
        return loc;  // an empty archive
    // A gap between the directory and the end record, or a recorded size that
    // is wrong, makes that guess wrong; offsets taken as they stand are then
    // the better bet. A guess whose first entry leads to a local header beats
    // one that only finds a directory record (entries of equal length).
    const uint64_t guessed = loc.archiveStart;
    std::vector<uint64_t> starts{guessed};
    if (guessed != 0)
        starts.push_back(0);
    for (const bool strict : {true, false}) {
        for (const uint64_t start : starts) {
            loc.archiveStart = start;
            if (signatureAt(source, loc.fileOffset(), CentralHeaderSignature)
                && (!strict || firstEntryLeadsToLocalHeader(source, loc)))
                return loc;
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<uint64_t> endRecordCandidates(const RandomAccessSource &source)
{
    const uint64_t fileSize = source.size();
    if (fileSize < EndRecordSize)
        return {};
    const size_t tailLength = size_t(std::min<uint64_t>(fileSize, EndRecordSize + MaxCommentLength));
    const uint64_t tailStart = fileSize - tailLength;
    std::vector<uint8_t> tail(tailLength);
    if (source.readAt(tailStart, tail.data(), tailLength) != tailLength)
        return {};

    // A record whose comment ends exactly at the end of the file goes first,
    // so that a signature inside a comment is not mistaken for the record;
    // the earliest of them, since a comment may hold a whole archive whose
    // own record ends there too. Then, from the end backwards, records with
    // bytes after their comment.
    std::vector<uint64_t> exact, fitting;
    for (size_t i = tailLength - EndRecordSize + 1; i-- > 0;) {
        if (tail[i] != 0x50 || le32(&tail[i]) != EndRecordSignature)
            continue;
        const size_t recordEnd = i + EndRecordSize + le16(&tail[i + 20]);
        if (recordEnd == tailLength)
            exact.push_back(tailStart + i);
        else if (recordEnd < tailLength)
            fitting.push_back(tailStart + i);
    }
    std::reverse(exact.begin(), exact.end());
    exact.insert(exact.end(), fitting.begin(), fitting.end());
    return exact;
}

std::optional<CentralDirectoryLocation> locateCentralDirectory(const RandomAccessSource &source)
{
    for (const uint64_t at : endRecordCandidates(source)) {
        uint8_t record[EndRecordSize];
        if (source.readAt(at, record, sizeof record) != sizeof record)
            continue;
        if (auto loc = locationFrom(source, record, at))
            return loc;
    }
    return std::nullopt;
}

CentralDirectoryReader::CentralDirectoryReader(const RandomAccessSource &source,
                                               const CentralDirectoryLocation &location)
    : reader_(source)
{
    reader_.seek(location.fileOffset());
    end_ = std::min(std::max(location.fileOffset(), location.directoryEnd()), source.size());
}

uint64_t CentralDirectoryLocation::entryCapacity() const
{
    const uint64_t end = directoryEnd();
    return end > fileOffset() ? (end - fileOffset()) / CentralHeaderSize : 0;
}

std::optional<CentralHeader> CentralDirectoryReader::next()
{
    const uint64_t at = reader_.position();
    if (at >= end_ || end_ - at < CentralHeaderSize)
        return std::nullopt;
    record_.resize(CentralHeaderSize);
    if (reader_.read(record_.data(), CentralHeaderSize) != CentralHeaderSize
        || le32(record_.data()) != CentralHeaderSignature) {
        reader_.seek(end_);
        return std::nullopt;
    }
    const size_t variable = size_t(le16(&record_[28])) + le16(&record_[30]) + le16(&record_[32]);
    if (variable > end_ - at - CentralHeaderSize) {
        reader_.seek(end_);
        return std::nullopt;
    }
    record_.resize(CentralHeaderSize + variable);
    if (reader_.read(record_.data() + CentralHeaderSize, variable) != variable) {
        reader_.seek(end_);
        return std::nullopt;
    }
    read_ += CentralHeaderSize + variable;
    return parseCentralHeader(record_);
}

}  // namespace zipformat
