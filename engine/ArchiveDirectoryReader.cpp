#include "engine/ArchiveDirectoryReader.h"

#include "engine/ZipError.h"
#include "engine/zipformat/ArchiveFile.h"
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

ArchiveEntry entryOf(const LocalHeader &h)
{
    ArchiveEntry e{};
    e.VersionNeeded = h.versionNeeded;
    e.GeneralFlags = h.flags;
    e.Method = h.method;
    e.ModTime = h.modTime;
    e.ModDate = h.modDate;
    e.Crc = h.crc;
    e.PackedSize = h.storedPackedSize;
    e.UnpackedSize = h.storedUnpackedSize;
    e.NameLength = h.nameLength;
    e.ExtraLength = h.extraLength;
    return e;
}

}  // namespace

bool ArchiveDirectoryReader::archiveExists(const std::string &fileName)
{
    struct stat st {};
    return !fileName.empty() && ::stat(fileName.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void ArchiveDirectoryReader::read(const std::string &fileName, std::vector<ArchiveEntry> &entries,
                                  const ReadProgress &progress)
{
    ArchiveFile file;
    if (!file.open(fileName) && !file.problem().empty())
        throw EZipError(fileName + ": " + file.problem());
    // Only a regular file has a fixed end; a FIFO or a device would never
    // let the scan finish.
    if (file.error() != 0 || !file.isRegularFile())
        throw EZipError("Cannot open file " + fileName);
    read(file, entries, progress);
}

void ArchiveDirectoryReader::read(const RandomAccessSource &source, std::vector<ArchiveEntry> &entries,
                                  const ReadProgress &progress)
{
    if (listFromTable(source, entries, progress))
        return;
    ArchiveDirectoryReader reader(source, entries);
    reader.scan(progress);
}

// False when the file has no usable end record, so that the walk lists what
// it can and says where it stopped.
bool ArchiveDirectoryReader::listFromTable(const RandomAccessSource &source, std::vector<ArchiveEntry> &entries,
                                           const ReadProgress &progress)
{
    auto table = readMemberTable(source, progress);
    if (!table)
        return false;
    entries.reserve(entries.size() + table->members.size());
    for (TableMember &m : table->members) {
        if (!m.problem.empty())
            continue;
        // The local header's fields as stored, and the time the extraction
        // gives the file.
        ArchiveEntry e = entryOf(m.local);
        e.ModTime = m.modTime;
        e.ModDate = m.modDate;
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
        // A split archive's missing parts, said first, explain what follows.
        const size_t notes = source.splitArchive() ? source.splitArchive()->absenceNotes().size() : 0;
        std::string text = notes > 0 ? messages.front() : "The local headers and the central directory disagree";
        for (size_t i = notes > 0 ? 1 : 0; i < messages.size(); ++i)
            text += "; " + messages[i];
        throw EArchiveDisagreement(text);
    }
    return true;
}

ArchiveDirectoryReader::ArchiveDirectoryReader(const RandomAccessSource &source, std::vector<ArchiveEntry> &entries)
    : source_(source), in_(source), entries_(entries)
{
}

void ArchiveDirectoryReader::scan(const ReadProgress &progress)
{
    for (size_t walked = 0;; ++walked) {
        if (progress && walked % 4096 == 0)
            progress(0, entries_.size(), 0);
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
    // The signature was read by the scan.
    uint8_t fixed[LocalHeaderSize];
    putLe32(fixed, LocalHeaderSignature);
    if (in_.read(fixed + 4, LocalHeaderSize - 4) != LocalHeaderSize - 4)
        fail("Error 2 reading Zip file");
    const LocalHeader header = *parseLocalHeader(Bytes(fixed, sizeof fixed));
    ArchiveEntry entry = entryOf(header);
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
    takeZip64Sizes(header, entry);

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
void ArchiveDirectoryReader::takeZip64Sizes(const LocalHeader &header, ArchiveEntry &entry)
{
    const bool marked = header.storedPackedSize == Zip64Marker32 || header.storedUnpackedSize == Zip64Marker32;
    if (!marked || header.extraLength == 0)
        return;
    std::vector<uint8_t> extra(header.extraLength);
    const size_t got = in_.read(extra.data(), extra.size());
    const LocalSizes sizes = localSizes(header, Bytes(extra.data(), got));
    entry.TruePackedSize = sizes.packedSize;
    entry.TrueUnpackedSize = sizes.unpackedSize;
}

const ArchiveDirectoryReader::DeferredSizes *ArchiveDirectoryReader::deferredSizes(uint64_t headerOffset)
{
    if (!centralDirectory_) {
        centralDirectory_.emplace();
        if (const auto location = locateCentralDirectory(source_)) {
            // The entry count comes from the file; let the records themselves
            // decide how much memory is taken.
            centralDirectory_->reserve(size_t(std::min(location->entries, location->entryCapacity())));
            CentralDirectoryReader records(source_, *location);
            while (const auto record = records.next()) {
                const uint64_t offset = location->archiveStart + record->headerOffset;
                if (offset < location->archiveStart)
                    continue;  // wrapped: matches no header in this file
                centralDirectory_->try_emplace(offset, DeferredSizes{record->packedSize, record->unpackedSize,
                                                                     record->crc, record->hasZip64Extra});
            }
        }
    }
    const auto it = centralDirectory_->find(headerOffset);
    return it == centralDirectory_->end() ? nullptr : &it->second;
}

// Past the data descriptor, whose layout the central directory's values
// decide (see dataDescriptorLength).
void ArchiveDirectoryReader::skipDataDescriptor(const DeferredSizes &sizes)
{
    const uint64_t start = in_.position();
    uint8_t b[MaxDataDescriptorSize];
    const size_t got = in_.read(b, sizeof b);
    const uint64_t length =
        dataDescriptorLength(Bytes(b, got), {sizes.crc, sizes.packedSize, sizes.unpackedSize}, sizes.zip64);
    // Past the end the next signature read fails, as for any cut archive.
    in_.seek(start + length);
}

}  // namespace orvex
