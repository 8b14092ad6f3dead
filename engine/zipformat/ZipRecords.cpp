#include "engine/zipformat/ZipRecords.h"

#include "engine/zipformat/LittleEndian.h"

namespace zipformat {

std::optional<ExtraBlock> ExtraFieldIterator::next()
{
    if (rest_.size() < 4)
        return std::nullopt;
    const uint16_t id = le16(rest_.data());
    const size_t length = le16(rest_.data() + 2);
    if (length > rest_.size() - 4) {
        rest_ = {};
        return std::nullopt;
    }
    ExtraBlock block{id, rest_.subspan(4, length)};
    rest_ = rest_.subspan(4 + length);
    return block;
}

std::optional<Bytes> findExtraBlock(Bytes extra, uint16_t id)
{
    ExtraFieldIterator it(extra);
    while (auto block = it.next())
        if (block->id == id)
            return block->data;
    return std::nullopt;
}

Zip64Values parseZip64Block(Bytes block, Zip64Wanted wanted)
{
    Zip64Values values;
    size_t at = 0;
    auto take64 = [&]() -> std::optional<uint64_t> {
        if (block.size() - at < 8)
            return std::nullopt;
        const uint64_t v = le64(block.data() + at);
        at += 8;
        return v;
    };
    // A missing value ends the block: the ones after it would be misplaced.
    if (wanted.unpackedSize && !(values.unpackedSize = take64()))
        return values;
    if (wanted.packedSize && !(values.packedSize = take64()))
        return values;
    if (wanted.headerOffset && !(values.headerOffset = take64()))
        return values;
    if (wanted.diskStart && block.size() - at >= 4)
        values.diskStart = le32(block.data() + at);
    return values;
}

Zip64Values parseLocalZip64Block(Bytes block, bool unpackedMarked, bool packedMarked)
{
    if (block.size() >= 16) {
        Zip64Values values;
        if (unpackedMarked)
            values.unpackedSize = le64(block.data());
        if (packedMarked)
            values.packedSize = le64(block.data() + 8);
        return values;
    }
    return parseZip64Block(block, {.unpackedSize = unpackedMarked, .packedSize = packedMarked});
}

std::optional<ExtendedTimestamp> parseExtendedTimestamp(Bytes block)
{
    if (block.empty())
        return std::nullopt;
    const uint8_t flags = block[0];
    ExtendedTimestamp stamp;
    std::optional<int64_t> *const slots[] = {&stamp.modified, &stamp.accessed, &stamp.created};
    size_t at = 1;
    for (int bit = 0; bit < 3; ++bit) {
        if (!(flags & (1u << bit)))
            continue;
        if (block.size() - at < 4)
            break;
        *slots[bit] = int64_t(int32_t(le32(block.data() + at)));
        at += 4;
    }
    return stamp;
}

std::optional<ExtendedTimestamp> findExtendedTimestamp(Bytes extra)
{
    const auto block = findExtraBlock(extra, ExtendedTimestampId);
    return block ? parseExtendedTimestamp(*block) : std::nullopt;
}

namespace {

// The 26 bytes of fields the two headers share, starting at `p`.
void readHeaderFields(const uint8_t *p, HeaderFields &h)
{
    h.versionNeeded = le16(p);
    h.flags = le16(p + 2);
    h.method = le16(p + 4);
    h.modTime = le16(p + 6);
    h.modDate = le16(p + 8);
    h.crc = le32(p + 10);
    h.storedPackedSize = le32(p + 14);
    h.storedUnpackedSize = le32(p + 18);
    h.nameLength = le16(p + 22);
    h.extraLength = le16(p + 24);
}

// Whether `bytes` start with a whole fixed part of the record `signature` opens.
bool holdsRecord(Bytes bytes, size_t size, uint32_t signature)
{
    return bytes.size() >= size && le32(bytes.data()) == signature;
}

}  // namespace

void putHeaderFields(uint8_t *p, const HeaderFields &h)
{
    putLe16(p, h.versionNeeded);
    putLe16(p + 2, h.flags);
    putLe16(p + 4, h.method);
    putLe16(p + 6, h.modTime);
    putLe16(p + 8, h.modDate);
    putLe32(p + 10, h.crc);
    putLe32(p + 14, h.storedPackedSize);
    putLe32(p + 18, h.storedUnpackedSize);
    putLe16(p + 22, h.nameLength);
    putLe16(p + 24, h.extraLength);
}

std::optional<LocalHeader> parseLocalHeader(Bytes bytes)
{
    if (!holdsRecord(bytes, LocalHeaderSize, LocalHeaderSignature))
        return std::nullopt;
    LocalHeader h;
    readHeaderFields(bytes.data() + 4, h);
    return h;
}

LocalSizes localSizes(const LocalHeader &header, Bytes extra)
{
    LocalSizes sizes{header.storedPackedSize, header.storedUnpackedSize};
    const bool packedMarked = header.storedPackedSize == Zip64Marker32;
    const bool unpackedMarked = header.storedUnpackedSize == Zip64Marker32;
    if (!packedMarked && !unpackedMarked)
        return sizes;
    if (const auto block = findExtraBlock(extra, Zip64ExtraId)) {
        const Zip64Values v = parseLocalZip64Block(*block, unpackedMarked, packedMarked);
        sizes.packedSize = v.packedSize.value_or(sizes.packedSize);
        sizes.unpackedSize = v.unpackedSize.value_or(sizes.unpackedSize);
    }
    return sizes;
}

std::optional<size_t> agreeingDataDescriptorLength(Bytes bytes, const DescriptorValues &expected, bool zip64)
{
    const bool signature = bytes.size() >= 4 && le32(bytes.data()) == DataDescriptorSignature;
    auto agrees = [&](size_t at, bool wide) {
        const uint8_t *p = bytes.data() + at;
        if (bytes.size() < at + (wide ? 20 : 12) || le32(p) != expected.crc)
            return false;
        if (wide)
            return le64(p + 4) == expected.packedSize && le64(p + 12) == expected.unpackedSize;
        return le32(p + 4) == expected.packedSize && le32(p + 8) == expected.unpackedSize;
    };
    auto length = [](bool withSignature, bool wide) -> size_t { return (withSignature ? 4 : 0) + (wide ? 20 : 12); };
    for (const bool wide : {zip64, !zip64}) {
        // A CRC may happen to equal the signature: then the unsigned form is
        // the one whose values agree.
        if (signature && agrees(4, wide))
            return length(true, wide);
        if (agrees(0, wide))
            return length(false, wide);
    }
    return std::nullopt;
}

size_t dataDescriptorLength(Bytes bytes, const DescriptorValues &expected, bool zip64)
{
    const bool signature = bytes.size() >= 4 && le32(bytes.data()) == DataDescriptorSignature;
    return agreeingDataDescriptorLength(bytes, expected, zip64).value_or((signature ? 4 : 0) + (zip64 ? 20 : 12));
}

std::optional<CentralHeader> parseCentralHeader(Bytes bytes)
{
    if (!holdsRecord(bytes, CentralHeaderSize, CentralHeaderSignature))
        return std::nullopt;
    const uint8_t *p = bytes.data();
    CentralHeader h;
    h.versionMadeBy = le16(p + 4);
    readHeaderFields(p + 6, h);
    const size_t nameLength = h.nameLength;
    const size_t extraLength = h.extraLength;
    const size_t commentLength = le16(p + 32);
    h.diskStart16 = le16(p + 34);
    h.internalAttributes = le16(p + 36);
    h.externalAttributes = le32(p + 38);
    h.storedHeaderOffset = le32(p + 42);

    h.recordSize = CentralHeaderSize + nameLength + extraLength + commentLength;
    if (h.recordSize > bytes.size())
        return std::nullopt;
    h.name = bytes.subspan(CentralHeaderSize, nameLength);
    h.extra = bytes.subspan(CentralHeaderSize + nameLength, extraLength);
    h.comment = bytes.subspan(CentralHeaderSize + nameLength + extraLength, commentLength);

    h.packedSize = h.storedPackedSize;
    h.unpackedSize = h.storedUnpackedSize;
    h.headerOffset = h.storedHeaderOffset;
    h.diskStart = h.diskStart16;
    if (const auto block = findExtraBlock(h.extra, Zip64ExtraId)) {
        h.hasZip64Extra = true;
        const Zip64Values v = parseZip64Block(*block, {.unpackedSize = h.storedUnpackedSize == Zip64Marker32,
                                                       .packedSize = h.storedPackedSize == Zip64Marker32,
                                                       .headerOffset = h.storedHeaderOffset == Zip64Marker32,
                                                       .diskStart = h.diskStart16 == Zip64Marker16});
        h.unpackedSize = v.unpackedSize.value_or(h.unpackedSize);
        h.packedSize = v.packedSize.value_or(h.packedSize);
        h.headerOffset = v.headerOffset.value_or(h.headerOffset);
        h.diskStart = v.diskStart.value_or(h.diskStart);
    }
    return h;
}

bool EndRecord::needsZip64() const
{
    return diskNumber == Zip64Marker16 || centralDirectoryDisk == Zip64Marker16 || entriesOnDisk == Zip64Marker16
           || entries == Zip64Marker16 || centralDirectorySize == Zip64Marker32
           || centralDirectoryOffset == Zip64Marker32;
}

std::optional<EndRecord> parseEndRecord(Bytes bytes)
{
    if (!holdsRecord(bytes, EndRecordSize, EndRecordSignature))
        return std::nullopt;
    const uint8_t *p = bytes.data();
    EndRecord r;
    r.diskNumber = le16(p + 4);
    r.centralDirectoryDisk = le16(p + 6);
    r.entriesOnDisk = le16(p + 8);
    r.entries = le16(p + 10);
    r.centralDirectorySize = le32(p + 12);
    r.centralDirectoryOffset = le32(p + 16);
    r.commentLength = le16(p + 20);
    return r;
}

std::optional<Zip64Locator> parseZip64Locator(Bytes bytes)
{
    if (!holdsRecord(bytes, Zip64LocatorSize, Zip64LocatorSignature))
        return std::nullopt;
    const uint8_t *p = bytes.data();
    return Zip64Locator{le32(p + 4), le64(p + 8), le32(p + 16)};
}

std::optional<Zip64EndRecord> parseZip64EndRecord(Bytes bytes)
{
    if (!holdsRecord(bytes, Zip64EndRecordSize, Zip64EndRecordSignature))
        return std::nullopt;
    const uint8_t *p = bytes.data();
    Zip64EndRecord r;
    r.recordSize = le64(p + 4);
    r.versionMadeBy = le16(p + 12);
    r.versionNeeded = le16(p + 14);
    r.diskNumber = le32(p + 16);
    r.centralDirectoryDisk = le32(p + 20);
    r.entriesOnDisk = le64(p + 24);
    r.entries = le64(p + 32);
    r.centralDirectorySize = le64(p + 40);
    r.centralDirectoryOffset = le64(p + 48);
    return r;
}

}  // namespace zipformat
