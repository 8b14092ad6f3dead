#include "engine/unzeng/ArchiveIndex.h"

#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/ZipRecords.h"

#include <libdeflate.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <sys/stat.h>

namespace unzeng {

using namespace zipformat;

namespace {

constexpr uint16_t UnicodePathId = 0x7075;
// Traditional, strong and central-directory encryption.
constexpr uint16_t EncryptionFlags = 0x0001 | 0x0040 | 0x2000;
constexpr unsigned HostUnix = 3;
constexpr unsigned HostOsx = 19;

timespec dosToTime(uint16_t time, uint16_t date)
{
    tm t{};
    t.tm_year = 80 + (date >> 9);
    t.tm_mon = ((date >> 5) & 15) - 1;
    t.tm_mday = date & 31;
    t.tm_hour = time >> 11;
    t.tm_min = (time >> 5) & 63;
    t.tm_sec = (time & 31) * 2;
    t.tm_isdst = -1;
    const time_t seconds = mktime(&t);
    return timespec{seconds == time_t(-1) ? 0 : seconds, 0};
}

// The Info-ZIP Unicode path field: version 1, the CRC-32 of the stored name
// it replaces, the UTF-8 name. A stale field (the name was changed by a tool
// that did not know it) is ignored.
std::optional<std::string> unicodePath(Bytes extra, const std::string &storedName)
{
    const auto block = findExtraBlock(extra, UnicodePathId);
    if (!block || block->size() < 5 || (*block)[0] != 1)
        return std::nullopt;
    const uint32_t nameCrc = libdeflate_crc32(0, storedName.data(), storedName.size());
    if (le32(block->data() + 1) != nameCrc)
        return std::nullopt;
    return std::string(reinterpret_cast<const char *>(block->data() + 5), block->size() - 5);
}

bool fitsBefore(uint64_t start, uint64_t length, uint64_t limit)
{
    return start <= limit && length <= limit - start;
}

// Reads each member's local header, in file order so that the reads move
// forward through one small buffer.
void checkLocalHeaders(const RandomAccessSource &source, ArchiveIndex &index)
{
    std::vector<size_t> order(index.members.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return index.members[a].headerOffset < index.members[b].headerOffset;
    });

    BufferedReader reader(source, 16 * 1024);
    std::vector<uint8_t> variable;
    std::vector<size_t> spanned;   // members whose span is known
    for (size_t i : order) {
        Member &m = index.members[i];
        if (!fitsBefore(m.headerOffset, LocalHeaderSize, index.directoryOffset)) {
            m.problem = "its local header lies outside the archive's data";
            continue;
        }
        uint8_t fixed[LocalHeaderSize];
        reader.seek(m.headerOffset);
        if (reader.read(fixed, sizeof fixed) != sizeof fixed || le32(fixed) != LocalHeaderSignature) {
            m.problem = "its local header is missing or damaged";
            continue;
        }
        const uint16_t localFlags = le16(fixed + 6);
        const uint16_t localMethod = le16(fixed + 8);
        const size_t nameLength = le16(fixed + 26);
        const size_t extraLength = le16(fixed + 28);
        variable.resize(nameLength + extraLength);
        if (reader.read(variable.data(), variable.size()) != variable.size()) {
            m.problem = "its local header is cut short";
            continue;
        }
        m.dataOffset = m.headerOffset + LocalHeaderSize + nameLength + extraLength;
        m.flags |= localFlags;
        // A member whose data would run into the directory is refused for
        // that; its size is no span that could make others overlap.
        if (fitsBefore(m.dataOffset, m.packedSize, index.directoryOffset))
            spanned.push_back(i);

        const std::string_view localName(reinterpret_cast<const char *>(variable.data()), nameLength);
        if (localName != m.storedName) {
            m.problem = "its local header names it \"" + std::string(localName) + "\"";
        } else if (localMethod != m.method) {
            m.problem = "its local header gives compression method " + std::to_string(localMethod)
                        + ", the central directory " + std::to_string(m.method);
        } else if (!fitsBefore(m.dataOffset, m.packedSize, index.directoryOffset)) {
            m.problem = "its data runs into the central directory";
        } else if (m.method == MethodStored && !m.encrypted() && m.packedSize != m.unpackedSize) {
            m.problem = "it is stored, but its two sizes differ";
        }

        const Bytes localExtra(variable.data() + nameLength, extraLength);
        if (const auto block = findExtraBlock(localExtra, ExtendedTimestampId)) {
            if (const auto stamp = parseExtendedTimestamp(*block)) {
                if (stamp->accessed)
                    m.accessed = timespec{time_t(*stamp->accessed), 0};
                if (m.dosTime && stamp->modified) {
                    m.modified = timespec{time_t(*stamp->modified), 0};
                    m.dosTime = false;
                    if (!stamp->accessed)
                        m.accessed = m.modified;
                }
            }
        }
    }

    // Spans (local header and data) must not overlap: several entries sharing
    // bytes is how a small archive expands to an enormous output. Sweeping in
    // file order, a span starting before the furthest end seen so far overlaps
    // the member that reaches there, and both are refused.
    std::sort(spanned.begin(), spanned.end(), [&](size_t a, size_t b) {
        return index.members[a].headerOffset < index.members[b].headerOffset;
    });
    auto spanEnd = [&](const Member &m) {
        const uint64_t end = m.dataOffset + m.packedSize;
        return end < m.dataOffset ? UINT64_MAX : end;
    };
    constexpr const char *overlapProblem = "its data overlaps another member's (a possible zip bomb)";
    size_t furthest = SIZE_MAX;
    for (size_t i : spanned) {
        Member &m = index.members[i];
        if (furthest != SIZE_MAX && m.headerOffset < spanEnd(index.members[furthest])) {
            if (m.problem.empty())
                m.problem = overlapProblem;
            Member &other = index.members[furthest];
            if (other.problem.empty())
                other.problem = overlapProblem;
        }
        if (furthest == SIZE_MAX || spanEnd(m) > spanEnd(index.members[furthest]))
            furthest = i;
    }
}

}  // namespace

bool Member::encrypted() const
{
    return flags & EncryptionFlags;
}

bool Member::unixHost() const
{
    const unsigned host = madeBy >> 8;
    return (host == HostUnix || host == HostOsx) && unixMode() != 0;
}

bool Member::isSymlink() const
{
    return unixHost() && S_ISLNK(unixMode());
}

const char *methodName(uint16_t method)
{
    switch (method) {
    case MethodStored: return "stored";
    case MethodDeflated: return "deflated";
    case MethodBzip2: return "bzip2";
    case MethodLzma: return "LZMA";
    case MethodZstd: return "zstd";
    case MethodXz: return "xz";
    default: return "unknown";
    }
}

bool readArchiveIndex(const RandomAccessSource &source, ArchiveIndex &index, std::string &error)
{
    const auto location = locateCentralDirectory(source);
    if (!location) {
        error = "no end of central directory record was found; this is not a ZIP archive, or it is damaged";
        return false;
    }
    index.directoryOffset = location->fileOffset();

    CentralDirectoryReader reader(source, *location);
    // Every entry takes at least 46 bytes: a bogus count must not reserve more.
    index.members.reserve(size_t(std::min<uint64_t>(location->entries, location->size / CentralHeaderSize)));
    while (const auto h = reader.next()) {
        Member m;
        m.storedName.assign(reinterpret_cast<const char *>(h->name.data()), h->name.size());
        m.diskName = unicodePath(h->extra, m.storedName).value_or(m.storedName);
        m.madeBy = h->versionMadeBy;
        m.flags = h->flags;
        m.method = h->method;
        m.crc = h->crc;
        m.externalAttributes = h->externalAttributes;
        m.packedSize = h->packedSize;
        m.unpackedSize = h->unpackedSize;
        m.headerOffset = location->archiveStart + h->headerOffset;
        if (m.headerOffset < h->headerOffset)
            m.headerOffset = UINT64_MAX;
        std::optional<int64_t> modified;
        if (const auto block = findExtraBlock(h->extra, ExtendedTimestampId))
            if (const auto stamp = parseExtendedTimestamp(*block))
                modified = stamp->modified;
        if (modified) {
            m.modified = timespec{time_t(*modified), 0};
        } else {
            m.modified = dosToTime(h->modTime, h->modDate);
            m.dosTime = true;
        }
        m.accessed = m.modified;
        index.members.push_back(std::move(m));
    }
    if (index.members.size() < location->entries)
        index.damage.push_back("the central directory is damaged: " + std::to_string(index.members.size())
                               + " of " + std::to_string(location->entries) + " entries could be read");
    checkLocalHeaders(source, index);
    return true;
}

}  // namespace unzeng
