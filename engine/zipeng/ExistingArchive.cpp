#include "engine/zipeng/ExistingArchive.h"

#include "engine/zipeng/ErrorCodes.h"
#include "engine/zipeng/Names.h"
#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/DosTime.h"
#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/MemberTable.h"
#include "engine/zipformat/ZipRecords.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zipeng {

using namespace zipformat;

int64_t ExistingMember::modificationTime() const
{
    // A stamp mktime() cannot place reads as -1, as it did from mktime() itself.
    return unixTime ? *unixTime : dosToUnixTime({modTime, modDate}).value_or(-1);
}

void ExistingArchive::damaged(const std::string &why) const
{
    throw JobError{FormatError, path_ + ": not a readable ZIP archive (" + why + ")"};
}

namespace {

// The central extra field without the ZIP64 block, which is rebuilt for the
// member's new place.
std::vector<uint8_t> extraWithoutZip64(Bytes extra)
{
    std::vector<uint8_t> kept;
    ExtraFieldIterator it(extra);
    while (auto block = it.next()) {
        if (block->id == Zip64ExtraId)
            continue;
        const size_t at = kept.size();
        kept.resize(at + 4 + block->data.size());
        putLe16(&kept[at], block->id);
        putLe16(&kept[at + 2], uint16_t(block->data.size()));
        std::copy(block->data.begin(), block->data.end(), kept.begin() + ptrdiff_t(at + 4));
    }
    return kept;
}

}  // namespace

ExistingArchive::State ExistingArchive::open(const std::string &path)
{
    path_ = path;
    const bool opened = file_.open(path);
    // Its parts would all have to be written anew, each one in its place;
    // refused before anything is written, so that every part stays as it is.
    if (file_.isSplit())
        throw JobError{FormatError, path + " is a split archive; Orvex 97 cannot change it"};
    if (!opened) {
        if (file_.error() == ENOENT)
            return state_ = State::Missing;
        throw JobError{ReadError, "Cannot open the archive " + path + ": " + std::strerror(file_.error())};
    }
    if (::fstat(file_.descriptor(), &status_) != 0)
        throw JobError{ReadError, "Cannot read the archive " + path + ": " + std::strerror(errno)};
    if (!S_ISREG(status_.st_mode))
        throw JobError{FormatError, path + ": not a regular file"};
    if (file_.size() == 0)
        return state_ = State::Empty;

    const auto location = locateCentralDirectory(*this);
    if (!location)
        damaged("no end of central directory record");
    directoryOffset_ = location->fileOffset();

    uint8_t end[EndRecordSize];
    if (readAt(location->endRecordOffset, end, sizeof end) != sizeof end)
        damaged("end record cut short");
    const EndRecord endRecord = *parseEndRecord(end);
    uint32_t disk = endRecord.diskNumber, directoryDisk = endRecord.centralDirectoryDisk;
    if (location->zip64EndRecordOffset) {
        uint8_t record[Zip64EndRecordSize];
        if (readAt(*location->zip64EndRecordOffset, record, sizeof record) == sizeof record) {
            if (const auto zip64 = parseZip64EndRecord(record)) {
                disk = zip64->diskNumber;
                directoryDisk = zip64->centralDirectoryDisk;
            }
        }
    }
    if (disk != 0 || directoryDisk != 0)
        throw JobError{FormatError, path + ": archives split over several disks cannot be changed"};

    comment.resize(location->commentLength);
    if (readAt(location->endRecordOffset + EndRecordSize, comment.data(), comment.size()) != comment.size())
        damaged("archive comment cut short");

    CentralDirectoryReader reader(*this, *location);
    prefixLength = directoryOffset_;
    while (const auto header = reader.next()) {
        ExistingMember m;
        m.name.assign(reinterpret_cast<const char *>(header->name.data()), header->name.size());
        static_cast<MemberFields &>(m) = *header;
        m.versionMadeBy = header->versionMadeBy;
        m.packedSize = header->packedSize;
        m.unpackedSize = header->unpackedSize;
        m.internalAttributes = header->internalAttributes;
        m.externalAttributes = header->externalAttributes;
        m.extra = extraWithoutZip64(header->extra);
        m.comment.assign(header->comment.begin(), header->comment.end());
        if (const auto stamp = findExtendedTimestamp(header->extra))
            m.unixTime = stamp->modified;
        if (header->headerOffset > directoryOffset_ - location->archiveStart)
            damaged("member \"" + m.name + "\" lies outside the archive");
        m.localOffset = location->archiveStart + header->headerOffset;
        prefixLength = std::min(prefixLength, m.localOffset);
        members.push_back(std::move(m));
    }
    // Old writers let the 16-bit count wrap when there was no ZIP64 record.
    const bool countMatches = members.size() == location->entries
                              || (!location->zip64EndRecordOffset && members.size() % 0x10000 == location->entries);
    if (!countMatches)
        damaged("central directory holds " + std::to_string(members.size()) + " of " + std::to_string(location->entries)
                + " entries");
    refuseOverlaps();
    return state_ = State::Valid;
}

void ExistingArchive::refuseOverlaps() const
{
    // Extraction refuses members whose spans (local header and data) overlap:
    // entries sharing bytes are how a small archive expands to an enormous
    // output. Copying them one by one would make that real, and the copies
    // would no longer overlap, so nothing would refuse them afterwards. The
    // rule is extraction's: members whose local header cannot be read, or
    // whose data runs into the central directory, have no span here.
    std::vector<std::pair<uint64_t, uint64_t>> spans;
    std::vector<size_t> spanMember;
    for (size_t i = 0; i < members.size(); ++i) {
        const ExistingMember &m = members[i];
        if (!fitsBefore(m.localOffset, LocalHeaderSize, directoryOffset_))
            continue;
        const auto header = readLocalHeader(m);
        if (!header)
            continue;
        const uint64_t dataOffset = m.localOffset + header->recordSize();
        if (fitsBefore(dataOffset, m.packedSize, directoryOffset_)) {
            spans.emplace_back(m.localOffset, dataOffset + m.packedSize);
            spanMember.push_back(i);
        }
    }
    const std::vector<bool> spanOverlaps = zipformat::overlappingSpans(spans);
    std::vector<bool> overlapping(members.size());
    for (size_t k = 0; k < spans.size(); ++k)
        overlapping[spanMember[k]] = spanOverlaps[k];
    // Name the first few; a bomb can hold a great many.
    constexpr size_t Named = 10;
    std::string names;
    size_t count = 0;
    for (size_t i = 0; i < members.size(); ++i) {
        if (!overlapping[i])
            continue;
        if (count++ < Named)
            names += (names.empty() ? "\"" : ", \"") + members[i].name + "\"";
    }
    if (count == 0)
        return;
    if (count > Named)
        names += " and " + std::to_string(count - Named) + " more";
    throw JobError{FormatError, path_ + ": members whose data overlaps another member's (a possible zip bomb): " + names
                                    + "; the archive was left unchanged"};
}

std::optional<LocalHeader> ExistingArchive::readLocalHeader(const ExistingMember &member) const
{
    uint8_t fixed[LocalHeaderSize];
    return parseLocalHeader(Bytes(fixed, readAt(member.localOffset, fixed, sizeof fixed)));
}

uint64_t ExistingArchive::recordLength(const ExistingMember &member) const
{
    const auto header = readLocalHeader(member);
    if (!header)
        damaged("no local header for \"" + member.name + "\"");
    uint64_t length = header->recordSize() + member.packedSize;

    if (member.flags & FlagDataDescriptor) {
        // 64-bit sizes are expected when the local header is ZIP64.
        std::vector<uint8_t> extra(header->extraLength);
        readAt(member.localOffset + LocalHeaderSize + header->nameLength, extra.data(), extra.size());
        const bool zip64 = header->storedPackedSize == Zip64Marker32 || header->storedUnpackedSize == Zip64Marker32
                           || findExtraBlock(extra, Zip64ExtraId).has_value();
        uint8_t d[MaxDataDescriptorSize];
        const size_t got = readAt(member.localOffset + length, d, sizeof d);
        length += dataDescriptorLength(Bytes(d, got), {member.crc, member.packedSize, member.unpackedSize}, zip64);
    }
    if (member.localOffset + length > directoryOffset_ || member.localOffset + length < member.localOffset)
        damaged("member \"" + member.name + "\" runs into the central directory");
    return length;
}

}  // namespace zipeng
