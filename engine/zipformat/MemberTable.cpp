#include "engine/zipformat/MemberTable.h"

#include "engine/zipformat/ArchiveFile.h"
#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/Utf8.h"
#include "engine/zipformat/ZipRecords.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <zlib.h>

namespace zipformat {

namespace {

std::string sizesText(uint64_t packed, uint64_t unpacked)
{
    return std::to_string(packed) + " packed, " + std::to_string(unpacked) + " unpacked";
}

// Writers put the directory in file order: checking that is one pass, while
// sorting a million entries again costs far more.
template <typename T, typename Less>
void sortUnlessSorted(std::vector<T> &items, Less less)
{
    if (!std::is_sorted(items.begin(), items.end(), less))
        std::sort(items.begin(), items.end(), less);
}

// The name a header's stored bytes resolve to: through its own Unicode path
// field, else through the other header's, whose CRC names the bytes it
// stands for. A writer may put the field in one header only.
std::string resolvedName(const std::string &stored, Bytes ownExtra, Bytes otherExtra)
{
    if (auto name = unicodePathName(ownExtra, stored))
        return *name;
    return unicodePathName(otherExtra, stored).value_or(stored);
}

// Whether a local header with `localName` names the member the central
// record calls `m.storedName`: what counts is the name both resolve to, as a
// writer may give ASCII stand-ins that differ between the two headers, or the
// real name in one of them. Sets the member's name to it.
bool namesAgree(TableMember &m, std::string_view localName, Bytes localExtra)
{
    const Bytes centralExtra(m.centralExtra.data(), m.centralExtra.size());
    // Without the field in either header the stored bytes are the names;
    // compared in place, they need no copies.
    if (!findExtraBlock(centralExtra, UnicodePathId) && !findExtraBlock(localExtra, UnicodePathId)) {
        if (localName != m.storedName)
            return false;
        m.name = m.storedName;
        return true;
    }
    const std::string name = resolvedName(m.storedName, centralExtra, localExtra);
    if (resolvedName(std::string(localName), localExtra, centralExtra) != name)
        return false;
    m.name = name;
    return true;
}

// Two passes over the entries, each told in steps of this many.
constexpr size_t ProgressStep = 4096;

// The local headers are read in file order, each read of the file taking in
// the headers that follow while they lie close together: a million small
// members then cost about a hundred reads, while the data of large members
// between their headers is passed over rather than read.
constexpr uint64_t HeaderReadSize = 1024 * 1024;
// A gap this small is read through: copying it costs about what a read of
// its own costs from the page cache, and far less than a seek on a disk.
constexpr uint64_t HeaderReadGap = 16 * 1024;
// The local extra field is often a little longer than the central one (more
// time stamps, alignment padding); a header longer still costs a read of its own.
constexpr uint64_t HeaderSlack = 256;

uint64_t saturatingSum(uint64_t a, uint64_t b)
{
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

// The length of a member's local header if it holds the central record's
// name and extra field.
uint64_t centralHeaderLength(const TableMember &m)
{
    return LocalHeaderSize + m.storedName.size() + m.centralExtra.size();
}

// Where a member's local header probably ends.
uint64_t likelyHeaderEnd(const TableMember &m)
{
    return saturatingSum(m.headerOffset, centralHeaderLength(m) + HeaderSlack);
}

// Fills the reader from the header of order[k] up to the likely end of the
// last of the following headers that one read should take in.
void readHeadersFrom(BufferedReader &reader, const MemberTable &table, const std::vector<size_t> &order, size_t k)
{
    const uint64_t start = table.members[order[k]].headerOffset;
    uint64_t end = likelyHeaderEnd(table.members[order[k]]);
    for (size_t j = k + 1; j < order.size(); ++j) {
        const TableMember &next = table.members[order[j]];
        const uint64_t nextEnd = likelyHeaderEnd(next);
        if (next.headerOffset > saturatingSum(end, HeaderReadGap) || nextEnd - start > HeaderReadSize)
            break;
        end = std::max(end, nextEnd);
    }
    reader.fill(start, size_t(std::min(end - start, HeaderReadSize)));
}

void checkLocalHeaders(const RandomAccessSource &source, MemberTable &table, const ReadProgress &progress)
{
    const uint64_t directoryOffset = table.location.fileOffset();
    std::vector<size_t> order(table.members.size());
    std::iota(order.begin(), order.end(), size_t(0));
    sortUnlessSorted(order,
                     [&](size_t a, size_t b) { return table.members[a].headerOffset < table.members[b].headerOffset; });

    BufferedReader reader(source, HeaderReadSize);
    std::vector<uint8_t> variable;
    std::vector<size_t> spanned;  // members whose span is known
    const uint64_t count = table.members.size();
    for (size_t k = 0; k < order.size(); ++k) {
        if (progress && k % ProgressStep == 0)
            progress(table.location.entries, count + k, 2 * count);
        const size_t i = order[k];
        TableMember &m = table.members[i];
        if (!fitsBefore(m.headerOffset, LocalHeaderSize, directoryOffset)) {
            m.problem = "its local header lies outside the archive's data";
            continue;
        }
        uint8_t fixed[LocalHeaderSize];
        // Read afresh unless the buffer holds as much of the header as its
        // central record suggests, up to the directory, where headers end.
        if (!reader.holds(m.headerOffset, std::min(centralHeaderLength(m), directoryOffset - m.headerOffset)))
            readHeadersFrom(reader, table, order, k);
        reader.seek(m.headerOffset);
        const size_t got = reader.read(fixed, sizeof fixed);
        const auto header = parseLocalHeader(Bytes(fixed, got));
        if (!header) {
            m.problem = "its local header is missing or damaged";
            continue;
        }
        m.local = *header;
        const uint16_t localMethod = header->method;
        const size_t nameLength = header->nameLength;
        const size_t extraLength = header->extraLength;
        variable.resize(nameLength + extraLength);
        if (!reader.holds(reader.position(), variable.size()))
            reader.fill(reader.position(), variable.size());
        if (reader.read(variable.data(), variable.size()) != variable.size()) {
            m.problem = "its local header is cut short";
            continue;
        }
        m.dataOffset = m.headerOffset + header->recordSize();
        const Bytes localExtra(variable.data() + nameLength, extraLength);
        m.localExtra.assign(localExtra.begin(), localExtra.end());
        // A member whose data would run into the directory is refused for
        // that; its size is no span that could make others overlap.
        if (fitsBefore(m.dataOffset, m.packedSize, directoryOffset))
            spanned.push_back(i);

        const std::string_view localName(reinterpret_cast<const char *>(variable.data()), nameLength);
        // A header that defers its sizes to a data descriptor gives none.
        std::optional<LocalSizes> sizes;
        if (!((m.local.flags | m.flags) & FlagDataDescriptor))
            sizes = localSizes(*header, localExtra);
        if (!namesAgree(m, localName, localExtra)) {
            m.problem = "its local header names it \"" + std::string(localName) + "\"";
        } else if (localMethod != m.method) {
            m.problem = "its local header gives compression method " + std::to_string(localMethod)
                        + ", the central directory " + std::to_string(m.method);
        } else if (!fitsBefore(m.dataOffset, m.packedSize, directoryOffset)) {
            m.problem = "its data runs into the central directory";
        } else if (sizes && (sizes->packedSize != m.packedSize || sizes->unpackedSize != m.unpackedSize)) {
            m.problem = "its local header gives " + sizesText(sizes->packedSize, sizes->unpackedSize)
                        + " bytes, the central directory " + sizesText(m.packedSize, m.unpackedSize);
        } else if (m.method == MethodStored && !((m.flags | m.local.flags) & EncryptionFlags)
                   && m.packedSize != m.unpackedSize) {
            // (An encrypted member's sizes differ by the encryption header.)
            m.problem = "it is stored, but its two sizes differ";
        }
    }

    auto spanEnd = [&](const TableMember &m) {
        const uint64_t end = m.dataOffset + m.packedSize;
        return end < m.dataOffset ? UINT64_MAX : end;
    };
    // In file order, as `spanned` was filled in that order.
    std::vector<std::pair<uint64_t, uint64_t>> spans;
    spans.reserve(spanned.size());
    for (size_t i : spanned)
        spans.emplace_back(table.members[i].headerOffset, spanEnd(table.members[i]));
    const std::vector<bool> overlapping = overlappingSpans(spans);
    for (size_t k = 0; k < spanned.size(); ++k) {
        TableMember &m = table.members[spanned[k]];
        if (overlapping[k] && m.problem.empty())
            m.problem = "its data overlaps another member's (a possible zip bomb)";
    }

    // Bytes that belong to no member may hold a local header the directory
    // does not describe: a second archive joined on, or a member hidden from
    // one reader by stray bytes or lying sizes. Such a member is neither
    // listed nor extracted, but the user is told it is there.
    uint64_t hidden = 0, firstHidden = 0;
    // Members refused before their span was known still own their header.
    std::vector<uint64_t> ownHeaders;
    ownHeaders.reserve(order.size());
    for (size_t i : order)
        ownHeaders.push_back(table.members[i].headerOffset);
    auto scanGap = [&](uint64_t from, uint64_t to) {
        std::vector<uint8_t> buffer;
        constexpr size_t Chunk = 64 * 1024;
        for (uint64_t at = from; to - at >= LocalHeaderSize && at < to;) {
            const size_t want = size_t(std::min<uint64_t>(Chunk, to - at));
            buffer.resize(want);
            const size_t got = source.readAt(at, buffer.data(), want);
            if (got < LocalHeaderSize)
                return;
            for (size_t k = 0; k + LocalHeaderSize <= got; ++k) {
                if (buffer[k] != 0x50)
                    continue;
                const auto header = parseLocalHeader(Bytes(&buffer[k], LocalHeaderSize));
                if (!header)
                    continue;
                // A header with a name that fits in the gap; a stray
                // signature in a self-extractor's code has none.
                const uint64_t nameLength = header->nameLength;
                if (nameLength == 0 || nameLength > to - (at + k) - LocalHeaderSize
                    || std::binary_search(ownHeaders.begin(), ownHeaders.end(), at + k))
                    continue;
                if (hidden++ == 0)
                    firstHidden = at + k;
            }
            if (got < want || at + got >= to)
                return;
            at += got - (LocalHeaderSize - 1);  // a header may straddle two chunks
        }
    };
    uint64_t covered = 0;
    for (const auto &[start, end] : spans) {
        if (start > covered)
            scanGap(covered, start);
        covered = std::max(covered, end);
    }
    if (covered < directoryOffset)
        scanGap(covered, directoryOffset);
    if (hidden > 0)
        table.damage.push_back(std::to_string(hidden) + (hidden == 1 ? " local header" : " local headers")
                               + " (the first at offset " + std::to_string(firstHidden)
                               + (hidden == 1 ? ") belongs" : ") belong")
                               + " to no entry of the central directory; "
                                 "those members are neither listed nor extracted");
}

}  // namespace

std::vector<bool> overlappingSpans(const std::vector<std::pair<uint64_t, uint64_t>> &spans)
{
    std::vector<size_t> order(spans.size());
    std::iota(order.begin(), order.end(), size_t(0));
    sortUnlessSorted(order, [&](size_t a, size_t b) { return spans[a].first < spans[b].first; });
    // In file order, a span starting before the furthest end seen so far
    // overlaps the span that reaches there.
    std::vector<bool> overlapping(spans.size());
    size_t furthest = SIZE_MAX;
    for (size_t i : order) {
        if (furthest != SIZE_MAX && spans[i].first < spans[furthest].second)
            overlapping[i] = overlapping[furthest] = true;
        if (furthest == SIZE_MAX || spans[i].second > spans[furthest].second)
            furthest = i;
    }
    return overlapping;
}

uint32_t crc32Of(const void *data, size_t length)
{
    return uint32_t(::crc32_z(0, static_cast<const Bytef *>(data), length));
}

// Version 1, the CRC-32 of the name it replaces, the UTF-8 name. A stale
// field (the name was changed by a tool that did not know it) is ignored.
std::optional<std::string> unicodePathName(Bytes extra, const std::string &storedName)
{
    const auto block = findExtraBlock(extra, UnicodePathId);
    if (!block || block->size() <= 5 || (*block)[0] != 1)
        return std::nullopt;
    if (le32(block->data() + 1) != crc32Of(storedName.data(), storedName.size()))
        return std::nullopt;
    std::string name(reinterpret_cast<const char *>(block->data() + 5), block->size() - 5);
    if (!isValidUtf8(name) || name.find('\0') != std::string::npos)
        return std::nullopt;
    return name;
}

std::vector<std::string> MemberTable::messages() const
{
    std::vector<std::string> out = damage;
    for (const TableMember &m : members)
        if (!m.problem.empty())
            out.push_back("skipping " + m.storedName + ": " + m.problem);
    return out;
}

namespace {

// A member that needs a missing part is refused for that, whatever its
// header, read from the wrong place or not at all, seemed to say.
void noteMissingParts(const ArchiveFile &set, MemberTable &table)
{
    const std::vector<std::string> notes = set.absenceNotes();
    table.damage.insert(table.damage.begin(), notes.begin(), notes.end());
    for (TableMember &m : table.members) {
        const ArchiveFile::Part *missing = set.missingDisk(m.disk);
        if (!missing && m.headerOffset != UINT64_MAX) {
            uint64_t end = saturatingSum(m.headerOffset, LocalHeaderSize);
            if (m.dataOffset > m.headerOffset)
                end = std::max(end, saturatingSum(m.dataOffset, m.packedSize));
            missing = set.missingPartIn(m.headerOffset, end);
        }
        if (missing)
            m.problem = "part " + missing->name + " of this split archive is missing";
    }
}

}  // namespace

std::optional<MemberTable> readMemberTable(const RandomAccessSource &source, const ReadProgress &progress)
{
    const auto location = locateCentralDirectory(source);
    if (!location)
        return std::nullopt;
    MemberTable table;
    table.location = *location;

    CentralDirectoryReader reader(source, *location);
    // Every entry takes at least 46 bytes: a bogus count must not reserve more.
    table.members.reserve(size_t(std::min(location->entries, location->entryCapacity())));
    // The second pass's size is known only after the first: each counts as
    // half of what the end record promises until then.
    const uint64_t promised = std::min(location->entries, location->entryCapacity());
    while (const auto h = reader.next()) {
        if (progress && table.members.size() % ProgressStep == 0)
            progress(location->entries, table.members.size(), 2 * std::max(promised, uint64_t(table.members.size())));
        TableMember m;
        m.storedName.assign(reinterpret_cast<const char *>(h->name.data()), h->name.size());
        m.name = unicodePathName(h->extra, m.storedName).value_or(m.storedName);
        static_cast<MemberFields &>(m) = *h;
        m.versionMadeBy = h->versionMadeBy;
        m.storedPackedSize = h->storedPackedSize;
        m.storedUnpackedSize = h->storedUnpackedSize;
        m.externalAttributes = h->externalAttributes;
        m.packedSize = h->packedSize;
        m.unpackedSize = h->unpackedSize;
        m.headerOffset = location->archiveStart + h->headerOffset;
        if (m.headerOffset < h->headerOffset)
            m.headerOffset = UINT64_MAX;
        m.disk = h->diskStart;
        if (const ArchiveFile *set = source.splitArchive(); set && set->numbersDisks())
            m.headerOffset = set->diskOffset(h->diskStart, h->headerOffset).value_or(UINT64_MAX);
        m.centralExtra.assign(h->extra.begin(), h->extra.end());
        if (!h->comment.empty())
            table.comments.emplace_back(table.members.size(), std::string(h->comment.begin(), h->comment.end()));
        table.members.push_back(std::move(m));
    }
    const uint64_t read = table.members.size();
    if (read < location->entries)
        table.damage.push_back("the central directory is damaged: " + std::to_string(read) + " of "
                               + std::to_string(location->entries) + " entries could be read");
    else if (read > location->entries)
        // Kept, and listed as well as extracted: the records are whole and
        // inside the directory's recorded size; only the count is short.
        table.damage.push_back("the central directory holds " + std::to_string(read)
                               + " entries, but its end record counts " + std::to_string(location->entries));
    if (read >= location->entries && reader.bytesRead() != location->size)
        table.damage.push_back("the end record gives the central directory's size as " + std::to_string(location->size)
                               + " bytes, but its entries take " + std::to_string(reader.bytesRead()));
    checkLocalHeaders(source, table, progress);
    if (const ArchiveFile *set = source.splitArchive())
        noteMissingParts(*set, table);
    return table;
}

}  // namespace zipformat
