#include "support/ArchiveReading.h"

#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/ZipRecords.h"

#include <algorithm>

namespace ziptest {

std::string ArchiveMember::packedData() const
{
    if (record.size() < zipformat::LocalHeaderSize)
        return {};
    const auto *b = reinterpret_cast<const uint8_t *>(record.data());
    const size_t start = zipformat::LocalHeaderSize + (b[26] | b[27] << 8) + (b[28] | b[29] << 8);
    return start <= record.size() ? record.substr(start, size_t(packedSize)) : std::string();
}

std::vector<std::string> ArchiveInfo::names() const
{
    std::vector<std::string> list;
    for (const ArchiveMember &m : members)
        list.push_back(m.name);
    return list;
}

int filesAmong(const std::vector<std::string> &names)
{
    return int(std::count_if(names.begin(), names.end(),
                             [](const std::string &name) { return name.empty() || name.back() != '/'; }));
}

int ArchiveInfo::files() const
{
    return filesAmong(names());
}

const ArchiveMember *ArchiveInfo::find(const std::string &name) const
{
    for (const ArchiveMember &m : members)
        if (m.name == name)
            return &m;
    return nullptr;
}

ArchiveInfo readArchive(const std::string &path)
{
    using namespace zipformat;
    ArchiveInfo info;
    PosixFile file;
    if (!file.open(path))
        return info;
    const auto location = locateCentralDirectory(file);
    if (!location)
        return info;
    info.zip64End = location->zip64EndRecordOffset.has_value();
    CentralDirectoryReader reader(file, *location);
    while (const auto h = reader.next()) {
        ArchiveMember m;
        static_cast<HeaderFields &>(m) = *h;  // the fixed fields, as stored
        m.name.assign(reinterpret_cast<const char *>(h->name.data()), h->name.size());
        m.versionMadeBy = h->versionMadeBy;
        m.packedSize = h->packedSize;
        m.unpackedSize = h->unpackedSize;
        m.externalAttributes = h->externalAttributes;
        m.offset = location->archiveStart + h->headerOffset;
        m.centralZip64 = h->hasZip64Extra;
        m.extra.assign(h->extra.begin(), h->extra.end());
        if (const auto block = findExtraBlock(h->extra, ExtendedTimestampId))
            if (const auto stamp = parseExtendedTimestamp(*block))
                m.unixTime = stamp->modified;
        info.members.push_back(std::move(m));
    }
    // Each member's bytes run to the next member's header, or to the directory.
    std::vector<uint64_t> starts;
    for (const ArchiveMember &m : info.members)
        starts.push_back(m.offset);
    std::sort(starts.begin(), starts.end());
    if (info.members.size() < 20000) {
        for (ArchiveMember &m : info.members) {
            const auto next = std::upper_bound(starts.begin(), starts.end(), m.offset);
            const uint64_t end = next == starts.end() ? location->fileOffset() : *next;
            m.record.resize(static_cast<size_t>(end - m.offset));
            file.readAt(m.offset, m.record.data(), m.record.size());
        }
    }
    info.ok = info.members.size() == location->entries;
    return info;
}

}  // namespace ziptest
