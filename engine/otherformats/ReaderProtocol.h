#pragma once
// What the reader process and its parent say to each other over their pipes.
// Every message is framed alike: a type byte, a 32-bit length, the payload.
// The parent sends one request (detect a file, or walk its entries) and,
// while walking, may ask to pass over the rest of an entry's data; the
// child answers with records. After detecting an archive of ours the child
// waits for a walk without a password, which reads on from where detection
// stopped; anything else, or the pipe closed, ends it. Integers are
// little-endian as this machine has them: both ends are the same build.

#include "engine/otherformats/EntryCursor.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace otherformats::protocol {

enum class Request : uint8_t { Detect = 1, Walk = 2, Skip = 3 };
// Extent: a block's offset and size without its bytes, for a walk that
// wants none.
enum class Record : uint8_t { Detection = 1, Next = 2, Block = 3, DataEnd = 4, Tick = 5, Extent = 6 };

inline constexpr size_t HeaderSize = 5;
// No record is longer: two names of the longest length and the rest.
inline constexpr uint32_t MaxPayload = 4u << 20;
// Data goes in blocks of at most this much.
inline constexpr size_t MaxBlock = 256 * 1024;

class Encoder {
public:
    void u8(uint8_t value) { out_.push_back(char(value)); }
    void u32(uint32_t value) { raw(&value, sizeof value); }
    void u64(uint64_t value) { raw(&value, sizeof value); }
    void text(const std::string &value)
    {
        u32(uint32_t(value.size()));
        out_ += value;
    }
    void problem(const Problem &value);
    void entry(const Entry &value);
    void layout(const EntryLayout &value);
    // The message framed: type, length, payload.
    std::string framed(uint8_t type) const;
    const std::string &payload() const { return out_; }
    // Overwrites what it holds (a password among it) with zeros.
    void wipe() { std::fill(out_.begin(), out_.end(), '\0'); }

private:
    void raw(const void *data, size_t size) { out_.append(static_cast<const char *>(data), size); }
    std::string out_;
};

// Reads a payload; any read past its end sets failed() and gives zeros.
class Decoder {
public:
    Decoder(const char *data, size_t size) : at_(data), end_(data + size) {}
    uint8_t u8();
    uint32_t u32();
    uint64_t u64();
    std::string text();
    Problem problem();
    Entry entry();
    EntryLayout layout();
    bool failed() const { return failed_; }
    const char *rest() const { return at_; }
    size_t left() const { return size_t(end_ - at_); }

private:
    bool take(void *out, size_t size);
    const char *at_;
    const char *end_;
    bool failed_ = false;
};

// Writes all of `size` bytes; false when the other end has gone.
bool writeAll(int fd, const void *data, size_t size);

}  // namespace otherformats::protocol
