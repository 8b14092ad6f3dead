#include "engine/ArchiveDirectoryReader.h"

#include "engine/ZipError.h"
#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/MemberTable.h"
#include "engine/zipformat/ZipRecords.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

namespace orvex {

using namespace zipformat;

namespace {

constexpr size_t FixedHeaderLength = sizeof(ArchiveEntryHeader);

[[noreturn]] void fail(const char *message)
{
    throw EZipError(message);
}

// Whether data that starts at `start` and runs `extra` + `packed` bytes ends
// at least an end record's length before the end of the file. Checked step by
// step so that no sum can wrap, whatever a header claims.
bool endsBeforeEndRecord(uint64_t start, uint64_t extra, uint64_t packed, uint64_t fileSize)
{
    if (fileSize < EndRecordSize)
        return false;
    uint64_t room = fileSize - EndRecordSize;
    if (start > room)
        return false;
    room -= start;
    if (extra > room)
        return false;
    room -= extra;
    return packed <= room;
}

ArchiveEntry decodeHeader(const uint8_t *h)
{
    ArchiveEntry e{};
    e.VersionNeeded = le16(h + 0);
    e.GeneralFlags = le16(h + 2);
    e.Method = le16(h + 4);
    e.ModTime = le16(h + 6);
    e.ModDate = le16(h + 8);
    e.Crc = le32(h + 10);
    e.PackedSize = le32(h + 14);
    e.UnpackedSize = le32(h + 18);
    e.NameLength = le16(h + 22);
    e.ExtraLength = le16(h + 24);
    return e;
}

}  // namespace

bool ArchiveDirectoryReader::archiveExists(const std::string &fileName)
{
    struct stat st {};
    return !fileName.empty() && ::stat(fileName.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void ArchiveDirectoryReader::read(const std::string &fileName, std::vector<ArchiveEntry> &entries)
{
    PosixFile file;
    // Only a regular file has a fixed end; a FIFO or a device would never
    // let the scan finish.
    if (!file.open(fileName) || !file.isRegularFile())
        throw EZipError("Cannot open file " + fileName);
    read(file, entries);
}

void ArchiveDirectoryReader::read(const RandomAccessSource &source, std::vector<ArchiveEntry> &entries)
{
    if (listFromTable(source, entries))
        return;
    ArchiveDirectoryReader reader(source, entries);
    reader.scan();
}

// False when the file has no usable end record, so that the walk lists what
// it can and says where it stopped.
bool ArchiveDirectoryReader::listFromTable(const RandomAccessSource &source, std::vector<ArchiveEntry> &entries)
{
    auto table = readMemberTable(source);
    if (!table)
        return false;
    entries.reserve(entries.size() + table->members.size());
    for (TableMember &m : table->members) {
        if (!m.problem.empty())
            continue;
        // The local header's fields as stored, and the time the extraction
        // gives the file.
        ArchiveEntry e{};
        e.VersionNeeded = m.localVersionNeeded;
        e.GeneralFlags = m.localFlags;
        e.Method = m.method;
        e.ModTime = m.modTime;
        e.ModDate = m.modDate;
        e.Crc = m.localCrc;
        e.PackedSize = m.localPackedSize;
        e.UnpackedSize = m.localUnpackedSize;
        e.NameLength = m.localNameLength;
        e.ExtraLength = uint16_t(m.localExtra.size());
        // Taken, not copied: the table's messages name members by their stored names.
        e.FileName = std::move(m.name);
        e.FileName.resize(std::min(e.FileName.size(), e.FileName.find('\0')));
        e.TruePackedSize = m.packedSize;
        e.TrueUnpackedSize = m.unpackedSize;
        e.HeaderOffset = m.headerOffset;
        entries.push_back(std::move(e));
    }
    const std::vector<std::string> messages = table->messages();
    if (!messages.empty()) {
        std::string text = "The local headers and the central directory disagree";
        for (const std::string &m : messages)
            text += "; " + m;
        throw EArchiveDisagreement(text);
    }
    return true;
}

ArchiveDirectoryReader::ArchiveDirectoryReader(const RandomAccessSource &source, std::vector<ArchiveEntry> &entries)
    : source_(source), in_(source), entries_(entries)
{
}

void ArchiveDirectoryReader::scan()
{
    for (;;) {
        const uint64_t at = in_.position();
        uint8_t b[4];
        if (in_.read(b, 4) != 4)
            fail("Error 1 reading Zip File");
        const uint32_t signature = le32(b);
        if (signature == LocalHeaderSignature)
            readMember(at);
        else if (signature == CentralHeaderSignature || signature == EndRecordSignature)
            // The walk runs only where no usable end record was found: the
            // extraction takes nothing from this file, so the list must not
            // look whole.
            fail("Error 6 reading Zip file: no usable end of central directory record");
        // Anything else is passed over 4 bytes at a time.
    }
}

void ArchiveDirectoryReader::readMember(uint64_t headerOffset)
{
    uint8_t h[FixedHeaderLength];
    if (in_.read(h, FixedHeaderLength) != FixedHeaderLength)
        fail("Error 2 reading Zip file");
    ArchiveEntry entry = decodeHeader(h);
    entry.HeaderOffset = headerOffset;

    // Sized from the header: a name may be up to 65535 bytes long.
    std::string name(entry.NameLength, '\0');
    if (in_.read(name.data(), name.size()) != name.size())
        fail("Error 2 reading Zip file");
    name.resize(std::strlen(name.c_str()));
    entry.FileName = std::move(name);

    const uint64_t nameEnd = in_.position();
    entry.TruePackedSize = entry.PackedSize;
    entry.TrueUnpackedSize = entry.UnpackedSize;
    takeZip64Sizes(entry);

    const DeferredSizes *deferred = nullptr;
    if ((entry.GeneralFlags & FlagDataDescriptor) && entry.TruePackedSize == 0) {
        deferred = deferredSizes(headerOffset);
        if (deferred) {
            entry.TruePackedSize = deferred->packedSize;
            entry.TrueUnpackedSize = deferred->unpackedSize;
        }
    }
    // Listed from here on, whatever the checks below find.
    entries_.push_back(entry);

    const uint64_t extraLength = entry.ExtraLength;
    const uint64_t packedSize = entry.TruePackedSize;
    if (!endsBeforeEndRecord(nameEnd, extraLength, packedSize, in_.size()))
        fail("Error 3 reading Zip file");
    const uint64_t dataStart = nameEnd + extraLength;
    if (extraLength != 0 && in_.seek(dataStart) != dataStart)
        fail("Error 4 reading Zip file");
    if (in_.seek(dataStart + packedSize) != dataStart + packedSize)
        fail("Error 5 reading Zip file");
    if (deferred)
        skipDataDescriptor(*deferred);
}

// A size field holding 0xFFFFFFFF has its real value in the ZIP64 block of the
// local extra field. The stored fields keep what the header says.
void ArchiveDirectoryReader::takeZip64Sizes(ArchiveEntry &entry)
{
    const bool packedMarked = entry.PackedSize == Zip64Marker32;
    const bool unpackedMarked = entry.UnpackedSize == Zip64Marker32;
    if ((!packedMarked && !unpackedMarked) || entry.ExtraLength == 0)
        return;
    std::vector<uint8_t> extra(entry.ExtraLength);
    const size_t got = in_.read(extra.data(), extra.size());
    const auto block = findExtraBlock(Bytes(extra.data(), got), Zip64ExtraId);
    if (!block)
        return;
    const Zip64Values values = parseLocalZip64Block(*block, unpackedMarked, packedMarked);
    entry.TruePackedSize = values.packedSize.value_or(entry.TruePackedSize);
    entry.TrueUnpackedSize = values.unpackedSize.value_or(entry.TrueUnpackedSize);
}

const ArchiveDirectoryReader::DeferredSizes *ArchiveDirectoryReader::deferredSizes(uint64_t headerOffset)
{
    if (!centralDirectory_) {
        centralDirectory_.emplace();
        if (const auto location = locateCentralDirectory(source_)) {
            // The entry count comes from the file; let the records themselves
            // decide how much memory is taken.
            centralDirectory_->reserve(size_t(std::min<uint64_t>(location->entries, location->size / CentralHeaderSize)));
            CentralDirectoryReader records(source_, *location);
            while (const auto record = records.next()) {
                const uint64_t offset = location->archiveStart + record->headerOffset;
                if (offset < location->archiveStart)
                    continue;   // wrapped: matches no header in this file
                centralDirectory_->try_emplace(offset, DeferredSizes{record->packedSize, record->unpackedSize,
                                                                     record->crc, record->hasZip64Extra});
            }
        }
    }
    const auto it = centralDirectory_->find(headerOffset);
    return it == centralDirectory_->end() ? nullptr : &it->second;
}

// A data descriptor: an optional signature, the CRC, then both sizes, 8 bytes
// each for a ZIP64 member, else 4. The layout whose values agree with the
// central directory wins; without agreement the signature and the ZIP64 extra
// decide.
void ArchiveDirectoryReader::skipDataDescriptor(const DeferredSizes &sizes)
{
    const uint64_t start = in_.position();
    uint8_t b[24];
    const size_t got = in_.read(b, sizeof b);
    const bool signed_ = got >= 4 && le32(b) == DataDescriptorSignature;

    auto agrees = [&](size_t at, bool wide) {
        if (got < at + (wide ? 20 : 12) || le32(b + at) != sizes.crc)
            return false;
        if (wide)
            return le64(b + at + 4) == sizes.packedSize && le64(b + at + 12) == sizes.unpackedSize;
        return le32(b + at + 4) == uint32_t(sizes.packedSize) && le32(b + at + 8) == uint32_t(sizes.unpackedSize);
    };
    auto length = [](bool withSignature, bool wide) -> uint64_t { return (withSignature ? 4 : 0) + (wide ? 20 : 12); };

    uint64_t descriptorLength = length(signed_, sizes.zip64);
    for (const bool wide : {sizes.zip64, !sizes.zip64}) {
        if (signed_ && agrees(4, wide)) {
            descriptorLength = length(true, wide);
            break;
        }
        if (agrees(0, wide)) {
            descriptorLength = length(false, wide);
            break;
        }
    }
    // Past the end the next signature read fails, as for any cut archive.
    in_.seek(start + descriptorLength);
}

}  // namespace orvex
