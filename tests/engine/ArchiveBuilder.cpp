#include "ArchiveBuilder.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

namespace ziptest {

void put16(std::string &out, uint16_t v)
{
    out += char(v & 0xFF);
    out += char(v >> 8);
}

void put32(std::string &out, uint32_t v)
{
    put16(out, uint16_t(v));
    put16(out, uint16_t(v >> 16));
}

void put64(std::string &out, uint64_t v)
{
    put32(out, uint32_t(v));
    put32(out, uint32_t(v >> 32));
}

uint32_t crc32Of(const std::string &data)
{
    return uint32_t(crc32(0L, reinterpret_cast<const Bytef *>(data.data()), uInt(data.size())));
}

std::string extraBlock(uint16_t id, const std::string &data)
{
    std::string out;
    put16(out, id);
    put16(out, uint16_t(data.size()));
    return out + data;
}

std::string zip64Block(std::initializer_list<uint64_t> values)
{
    std::string data;
    for (uint64_t v : values)
        put64(data, v);
    return extraBlock(0x0001, data);
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
    put16(out, uint16_t(comment.size()));
    return out + comment;
}

std::string localHeader(const std::string &name, uint32_t packedSize, uint32_t unpackedSize, const std::string &extra)
{
    std::string out;
    put32(out, 0x04034B50);
    put16(out, 45);
    put16(out, 0);
    put16(out, 0);
    put16(out, SampleTime);
    put16(out, SampleDate);
    put32(out, 0x12345678);
    put32(out, packedSize);
    put32(out, unpackedSize);
    put16(out, uint16_t(name.size()));
    put16(out, uint16_t(extra.size()));
    return out + name + extra;
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
    const off_t tailAt = off_t(head.size() + holeLength);
    const bool ok = write(fd, head.data(), head.size()) == ssize_t(head.size()) && ftruncate(fd, tailAt) == 0
                    && pwrite(fd, tail.data(), tail.size(), tailAt) == ssize_t(tail.size());
    return close(fd) == 0 && ok;
}

std::string ArchiveBuilder::localPart(const Member &m) const
{
    const uint64_t size = m.data.size();
    const uint32_t crc = crc32Of(m.data);
    std::string extra;
    if (m.zip64)
        extra += zip64Block({m.deferred ? 0 : size, m.deferred ? 0 : size});
    extra += m.localExtra;

    std::string out;
    put32(out, 0x04034B50);
    put16(out, m.zip64 ? 45 : 20);
    put16(out, uint16_t(m.flags | (m.deferred ? 0x0008 : 0)));
    put16(out, m.method);
    put16(out, m.modTime);
    put16(out, m.modDate);
    put32(out, m.deferred ? 0 : crc);
    const uint32_t stored = m.zip64 ? 0xFFFFFFFF : m.deferred ? 0 : uint32_t(size);
    put32(out, m.localPackedSize.value_or(stored));
    put32(out, stored);
    put16(out, uint16_t(m.name.size()));
    put16(out, uint16_t(extra.size()));
    out += m.name;
    out += extra;
    out += m.data;
    if (m.deferred) {
        if (m.descriptorSignature)
            put32(out, 0x08074B50);
        put32(out, crc);
        if (m.wideDescriptor.value_or(m.zip64)) {
            put64(out, size);
            put64(out, size);
        } else {
            put32(out, uint32_t(size));
            put32(out, uint32_t(size));
        }
    }
    return out;
}

std::string ArchiveBuilder::centralRecord(const Member &m, uint64_t offset) const
{
    const bool zip64Extra = m.centralZip64Extra.value_or(m.zip64);
    const std::string extra = zip64Extra ? zip64Block({m.data.size(), m.data.size()}) : std::string();
    std::string out;
    put32(out, 0x02014B50);
    put16(out, 0x031E);
    put16(out, m.zip64 ? 45 : 20);
    put16(out, uint16_t(m.flags | (m.deferred ? 0x0008 : 0)));
    put16(out, m.method);
    put16(out, m.modTime);
    put16(out, m.modDate);
    put32(out, crc32Of(m.data));
    put32(out, zip64Extra ? 0xFFFFFFFF : uint32_t(m.data.size()));
    put32(out, zip64Extra ? 0xFFFFFFFF : uint32_t(m.data.size()));
    put16(out, uint16_t(m.name.size()));
    put16(out, uint16_t(extra.size()));
    put16(out, 0);
    put16(out, 0);
    put16(out, 0);
    put32(out, 0);
    put32(out, uint32_t(offset));
    return out + m.name + extra;
}

std::string ArchiveBuilder::buildMembersOnly(Layout *layout) const
{
    std::string out = stub;
    for (const Member &m : members) {
        if (layout)
            layout->headerOffsets.push_back(out.size());
        out += localPart(m);
    }
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
    uint16_t count = 0;
    for (size_t i = 0; i < members.size(); ++i) {
        if (!members[i].inCentralDirectory)
            continue;
        out += centralRecord(members[i], l.headerOffsets[i] - base);
        ++count;
    }
    const uint64_t cdSize = out.size() - l.centralDirectoryOffset;
    const uint64_t cdOffset = l.centralDirectoryOffset - base;
    if (zip64EndRecord) {
        const uint64_t zip64At = out.size();
        put32(out, 0x06064B50);
        put64(out, 44);
        put16(out, 0x031E);
        put16(out, 45);
        put32(out, 0);
        put32(out, 0);
        put64(out, count);
        put64(out, count);
        put64(out, cdSize);
        put64(out, cdOffset);
        put32(out, 0x07064B50);
        put32(out, 0);
        put64(out, zip64At - base);
        put32(out, 1);
        l.endRecordOffset = out.size();
        out += endRecord(0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF, comment);
    } else {
        l.endRecordOffset = out.size();
        out += endRecord(count, uint32_t(cdSize), uint32_t(cdOffset), comment);
    }
    return out;
}

}  // namespace ziptest
