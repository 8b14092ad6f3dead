#include "engine/otherformats/ReaderProtocol.h"

#include <cerrno>
#include <unistd.h>

namespace otherformats::protocol {

void Encoder::problem(const Problem &value)
{
    text(value.entry);
    u8(uint8_t(value.kind));
    text(value.text);
}

void Encoder::entry(const Entry &value)
{
    text(value.name);
    u8(value.nameIsUtf8);
    u8(value.size.has_value());
    u64(value.size.value_or(0));
    u64(uint64_t(value.modified));
    u8(uint8_t(value.kind));
    text(value.linkTarget);
    u32(value.mode);
    u8(value.encrypted);
    u32(value.modifiedNanos);
    u8(value.uid.has_value());
    u32(value.uid.value_or(0));
    u8(value.gid.has_value());
    u32(value.gid.value_or(0));
    text(value.owner);
    text(value.group);
}

void Encoder::layout(const EntryLayout &value)
{
    u8(value.requiredEnd.has_value());
    u64(value.requiredEnd.value_or(0));
    u64(value.bytesHeld);
    u8(value.sparse);
}

std::string Encoder::framed(uint8_t type) const
{
    std::string message;
    message.reserve(HeaderSize + out_.size());
    message.push_back(char(type));
    const uint32_t length = uint32_t(out_.size());
    message.append(reinterpret_cast<const char *>(&length), sizeof length);
    message += out_;
    return message;
}

bool Decoder::take(void *out, size_t size)
{
    if (failed_ || left() < size) {
        failed_ = true;
        std::memset(out, 0, size);
        return false;
    }
    std::memcpy(out, at_, size);
    at_ += size;
    return true;
}

uint8_t Decoder::u8()
{
    uint8_t value = 0;
    take(&value, sizeof value);
    return value;
}

uint32_t Decoder::u32()
{
    uint32_t value = 0;
    take(&value, sizeof value);
    return value;
}

uint64_t Decoder::u64()
{
    uint64_t value = 0;
    take(&value, sizeof value);
    return value;
}

std::string Decoder::text()
{
    const uint32_t size = u32();
    if (failed_ || left() < size) {
        failed_ = true;
        return {};
    }
    std::string value(at_, size);
    at_ += size;
    return value;
}

Problem Decoder::problem()
{
    Problem value;
    value.entry = text();
    const uint8_t kind = u8();
    failed_ = failed_ || kind > uint8_t(ProblemKind::Limit);
    value.kind = ProblemKind(kind);
    value.text = text();
    return value;
}

Entry Decoder::entry()
{
    Entry value;
    value.name = text();
    value.nameIsUtf8 = u8() != 0;
    const bool sized = u8() != 0;
    const uint64_t size = u64();
    if (sized)
        value.size = size;
    value.modified = int64_t(u64());
    const uint8_t kind = u8();
    failed_ = failed_ || kind > uint8_t(EntryKind::Other);
    value.kind = EntryKind(kind);
    value.linkTarget = text();
    value.mode = u32();
    value.encrypted = u8() != 0;
    value.modifiedNanos = u32();
    const bool hasUid = u8() != 0;
    if (const uint32_t uid = u32(); hasUid)
        value.uid = uid;
    const bool hasGid = u8() != 0;
    if (const uint32_t gid = u32(); hasGid)
        value.gid = gid;
    value.owner = text();
    value.group = text();
    return value;
}

EntryLayout Decoder::layout()
{
    EntryLayout value;
    const bool required = u8() != 0;
    const uint64_t end = u64();
    if (required)
        value.requiredEnd = end;
    value.bytesHeld = u64();
    value.sparse = u8() != 0;
    return value;
}

bool writeAll(int fd, const void *data, size_t size)
{
    const char *at = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t wrote = ::write(fd, at, size);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        at += wrote;
        size -= size_t(wrote);
    }
    return true;
}

}  // namespace otherformats::protocol
