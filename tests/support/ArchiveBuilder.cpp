#include "support/ArchiveBuilder.h"

#include "support/Compress.h"

#include "engine/crypto/TraditionalCipher.h"
#include "engine/crypto/WinZipAes.h"

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>
#include <zlib.h>

namespace ziptest {

namespace {

// A 16-bit field; a test that overflows one has built the wrong archive.
uint16_t field16(size_t v)
{
    if (v > 0xFFFF)
        throw std::length_error("does not fit a 16-bit field");
    return static_cast<uint16_t>(v);
}

// Sizes and offsets over 4 GiB are written only as the 0xFFFFFFFF marker.
uint32_t field32(uint64_t v)
{
    return v > 0xFFFFFFFF ? 0xFFFFFFFF : static_cast<uint32_t>(v);
}

std::string packedData(const Member &m)
{
    if (m.packed)
        return *m.packed;
    if (m.method == 8)
        return rawDeflate(m.data);
    if (m.method == 93)
        return zstdCompress(m.data);
    return m.data;
}

std::string localPart(const Member &m, const std::string &packed)
{
    const uint64_t size = m.unpackedSize.value_or(m.data.size());
    const uint32_t crc = m.crc.value_or(crc32Of(m.data));
    HeaderFields h;
    h.name = m.localName.value_or(m.name);
    h.versionNeeded = m.zip64 ? 45 : 20;
    h.flags = static_cast<uint16_t>(m.flags | (m.deferred ? 0x0008 : 0));
    h.method = m.localMethod.value_or(m.method);
    h.modTime = m.modTime;
    h.modDate = m.modDate;
    h.crc = m.deferred ? 0 : crc;
    if (m.zip64)
        h.extra += zip64Block({m.deferred ? 0 : size, m.deferred ? 0 : packed.size()});
    h.extra += m.localExtra;
    const uint32_t unpacked = m.zip64 ? 0xFFFFFFFF : m.deferred ? 0 : field32(size);
    const uint32_t stored = m.zip64 ? 0xFFFFFFFF : m.deferred ? 0 : field32(packed.size());
    h.packedSize = m.localPackedSize.value_or(stored);
    h.unpackedSize = unpacked;
    std::string out = localRecord(h) + packed;
    if (m.deferred) {
        if (m.descriptorSignature)
            put32(out, 0x08074B50);
        put32(out, crc);
        if (m.wideDescriptor.value_or(m.zip64)) {
            put64(out, packed.size());
            put64(out, size);
        } else {
            put32(out, field32(packed.size()));
            put32(out, field32(size));
        }
    }
    return out;
}

std::string centralPart(const Member &m, const std::string &packed, uint64_t offset)
{
    const uint64_t size = m.unpackedSize.value_or(m.data.size());
    const uint64_t packedSize = m.packedSize.value_or(packed.size());
    const bool zip64Extra = m.centralZip64Extra.value_or(m.zip64);
    HeaderFields h;
    h.name = m.name;
    h.madeBy = m.madeBy;
    h.versionNeeded = m.zip64 ? 45 : 20;
    h.flags = static_cast<uint16_t>(m.flags | (m.deferred ? 0x0008 : 0));
    h.method = m.method;
    h.modTime = m.modTime;
    h.modDate = m.modDate;
    h.crc = m.crc.value_or(crc32Of(m.data));
    h.packedSize = zip64Extra ? 0xFFFFFFFF : field32(packedSize);
    h.unpackedSize = zip64Extra ? 0xFFFFFFFF : field32(size);
    h.extra = (zip64Extra ? zip64Block({size, packedSize}) : std::string()) + m.centralExtra;
    h.externalAttributes = m.externalAttributes;
    h.offset = field32(offset);
    h.comment = m.comment;
    return centralRecord(h);
}

}  // namespace

void put16(std::string &out, uint16_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void put32(std::string &out, uint32_t v)
{
    put16(out, static_cast<uint16_t>(v));
    put16(out, static_cast<uint16_t>(v >> 16));
}

void put64(std::string &out, uint64_t v)
{
    put32(out, static_cast<uint32_t>(v));
    put32(out, static_cast<uint32_t>(v >> 32));
}

uint32_t crc32Of(const std::string &data)
{
    return static_cast<uint32_t>(
        crc32_z(0L, reinterpret_cast<const Bytef *>(data.data()), static_cast<z_size_t>(data.size())));
}

std::string extraBlock(uint16_t id, const std::string &data)
{
    std::string out;
    put16(out, id);
    put16(out, field16(data.size()));
    return out + data;
}

std::string zip64Block(std::initializer_list<uint64_t> values)
{
    std::string data;
    for (uint64_t v : values)
        put64(data, v);
    return extraBlock(0x0001, data);
}

std::string extendedTimestamp(int64_t modified)
{
    std::string data(1, '\x01');  // the modification time only
    put32(data, static_cast<uint32_t>(static_cast<int32_t>(modified)));
    return extraBlock(0x5455, data);
}

std::string unicodePathField(const std::string &stored, const std::string &utf8)
{
    // version 1, the CRC-32 of the stored name it stands for, the UTF-8 name
    std::string data(1, '\x01');
    put32(data, crc32Of(stored));
    return extraBlock(0x7075, data + utf8);
}

// From the version needed to the extra field's length: the same in both records.
void putSharedFields(std::string &out, const HeaderFields &h)
{
    put16(out, h.versionNeeded);
    put16(out, h.flags);
    put16(out, h.method);
    put16(out, h.modTime);
    put16(out, h.modDate);
    put32(out, h.crc);
    put32(out, h.packedSize);
    put32(out, h.unpackedSize);
    put16(out, field16(h.name.size()));
    put16(out, field16(h.extra.size()));
}

std::string localRecord(const HeaderFields &h)
{
    std::string out;
    put32(out, 0x04034B50);
    putSharedFields(out, h);
    return out + h.name + h.extra;
}

std::string centralRecord(const HeaderFields &h)
{
    std::string out;
    put32(out, 0x02014B50);
    put16(out, h.madeBy);
    putSharedFields(out, h);
    put16(out, field16(h.comment.size()));
    put16(out, 0);  // disk
    put16(out, 0);  // internal attributes
    put32(out, h.externalAttributes);
    put32(out, h.offset);
    return out + h.name + h.extra + h.comment;
}

std::string endRecord(uint16_t entries, uint32_t cdSize, uint32_t cdOffset, const std::string &comment)
{
    std::string out;
    put32(out, 0x06054B50);
    put16(out, 0);
    put16(out, 0);
    put16(out, entries);
    put16(out, entries);
    put32(out, cdSize);
    put32(out, cdOffset);
    put16(out, field16(comment.size()));
    return out + comment;
}

std::string zip64EndRecords(uint64_t entries, uint64_t cdSize, uint64_t cdOffset, uint64_t at)
{
    std::string out;
    put32(out, 0x06064B50);
    put64(out, 44);
    put16(out, 0x031E);
    put16(out, 45);
    put32(out, 0);
    put32(out, 0);
    put64(out, entries);
    put64(out, entries);
    put64(out, cdSize);
    put64(out, cdOffset);
    put32(out, 0x07064B50);
    put32(out, 0);
    put64(out, at);
    put32(out, 1);
    return out;
}

std::string localHeader(const std::string &name, uint32_t packedSize, uint32_t unpackedSize, const std::string &extra)
{
    HeaderFields h;
    h.name = name;
    h.versionNeeded = 45;
    h.crc = 0x12345678;
    h.packedSize = packedSize;
    h.unpackedSize = unpackedSize;
    h.extra = extra;
    return localRecord(h);
}

std::string zip64LocalHeader(const std::string &name, uint64_t size, const std::string &moreExtra)
{
    return localHeader(name, 0xFFFFFFFF, 0xFFFFFFFF, moreExtra + zip64Block({size, size}));
}

bool writeSparseFile(const std::string &path, const std::string &head, uint64_t holeLength, const std::string &tail)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const auto tailAt = static_cast<off_t>(head.size() + holeLength);
    const bool ok = write(fd, head.data(), head.size()) == static_cast<ssize_t>(head.size())
                    && ftruncate(fd, tailAt) == 0
                    && pwrite(fd, tail.data(), tail.size(), tailAt) == static_cast<ssize_t>(tail.size());
    return close(fd) == 0 && ok;
}

Member stored(std::string name, std::string data)
{
    Member m;
    m.name = std::move(name);
    m.data = std::move(data);
    return m;
}

Member streamed(std::string name, std::string data)
{
    Member m = stored(std::move(name), std::move(data));
    m.deferred = true;
    return m;
}

Member fileEntry(const std::string &name, const std::string &content, uint16_t method)
{
    Member m;
    m.name = name;
    m.data = content;
    m.method = method;
    return m;
}

Member dirEntry(const std::string &name)
{
    Member m;
    m.name = name;
    m.externalAttributes = UnixDirectory;
    return m;
}

Member linkEntry(const std::string &name, const std::string &target)
{
    Member m;
    m.name = name;
    m.data = target;
    m.externalAttributes = UnixLink;
    return m;
}

namespace {

uint8_t *bytesOf(std::string &s)
{
    return reinterpret_cast<uint8_t *>(s.data());
}

}  // namespace

Member traditionalEncrypted(Member m, const std::string &password)
{
    std::string header = "\x5a\x0f\xc3\x81\x27\xe4\x90\x3b\x66\xd1\x08";
    header += static_cast<char>(
        crypto::traditionalCheckByte(m.flags | (m.deferred ? 0x0008 : 0), m.crc.value_or(crc32Of(m.data)), m.modTime));
    std::string packed = header + packedData(m);
    crypto::TraditionalCipher(password).encrypt(bytesOf(packed), packed.size());
    m.packed = std::move(packed);
    m.flags |= 0x0001;
    return m;
}

Member aesEncrypted(Member m, const std::string &password, const AesOptions &options)
{
    std::string salt;
    for (size_t i = 0; i < crypto::aesSaltLength(options.strength); ++i)
        salt += static_cast<char>(0x31 + 7 * i);
    const crypto::AesKeys keys = crypto::deriveAesKeys(password, bytesOf(salt), options.strength);
    std::string data = packedData(m);
    crypto::AesCtrCipher(keys.encryption).apply(bytesOf(data), data.size());
    crypto::AesAuthenticator authenticator(keys.authentication);
    authenticator.update(bytesOf(data), data.size());
    std::array<uint8_t, crypto::AesMacLength> mac = authenticator.finish();
    if (options.corruptDataAt)
        data.at(*options.corruptDataAt) ^= 0x01;
    if (options.corruptMac)
        mac[0] ^= 0x01;
    std::string packed =
        salt + std::string(keys.verifier.begin(), keys.verifier.end()) + data + std::string(mac.begin(), mac.end());
    packed.resize(packed.size() - std::min(options.truncateBy, packed.size()));

    const std::array<uint8_t, 11> field = crypto::aesExtraField({options.vendorVersion, options.strength, m.method});
    const std::string extra(field.begin(), field.end());
    m.localExtra += extra;
    m.centralExtra += extra;
    if (options.vendorVersion == 2)
        m.crc = 0;
    m.method = crypto::AesMethod;
    m.packed = std::move(packed);
    m.flags |= 0x0001;
    return m;
}

std::string ArchiveBuilder::buildMembersOnly(Layout *layout) const
{
    std::string out = stub;
    std::vector<uint64_t> offsets;
    for (const Member &m : members) {
        if (m.shareHeaderOf) {
            offsets.push_back(offsets.at(*m.shareHeaderOf) + m.offsetAdjust);
            continue;
        }
        offsets.push_back(out.size());
        out += localPart(m, packedData(m));
    }
    if (layout)
        layout->headerOffsets = offsets;
    return out;
}

std::string ArchiveBuilder::build(Layout *layout) const
{
    Layout local;
    Layout &l = layout ? *layout : local;
    l = {};
    std::string out = buildMembersOnly(&l) + afterMembers;
    const uint64_t base = offsetsIncludeStub ? 0 : stub.size();

    l.centralDirectoryOffset = out.size();
    uint64_t count = 0;
    for (size_t i = 0; i < members.size(); ++i) {
        if (!members[i].inCentralDirectory)
            continue;
        out += centralPart(members[i], packedData(members[i]), l.headerOffsets[i] - base);
        ++count;
    }
    const uint64_t cdSize = out.size() - l.centralDirectoryOffset;
    const uint64_t cdOffset = l.centralDirectoryOffset - base;
    if (zip64EndRecord) {
        out += zip64EndRecords(count, cdSize, cdOffset, out.size() - base);
        l.endRecordOffset = out.size();
        out += endRecord(0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF, comment);
    } else {
        l.endRecordOffset = out.size();
        out += endRecord(field16(count), field32(cdSize), field32(cdOffset), comment);
    }
    return out;
}

std::string buildZip(std::vector<Member> members)
{
    ArchiveBuilder builder;
    builder.members = std::move(members);
    return builder.build();
}

}  // namespace ziptest
