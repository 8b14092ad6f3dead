#pragma once
// A test that hands each member's decoded data to the caller
// (UnzipCallRecord::MemberData) instead of discarding it. The extraction
// then decodes on the calling thread, one member after the other, so that
// the data arrives in archive order, with no file written and nothing held
// beyond a piece.

#include "engine/common/CallRecords.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace unzeng {

// Members up to this size are decoded whole, their CRC checked before a byte
// is handed over; larger ones are handed over in pieces of about this size
// as they are decoded, and their end says whether they checked out.
inline constexpr uint64_t DeliveredWholeLimit = 1u << 20;

class MemberOutlet {
public:
    MemberOutlet(MemberDataCallback callback, void *instance) : callback_(callback), instance_(instance) {}

    // Each false once the caller asked to stop.
    bool begin(int64_t index, const std::string &name);
    bool piece(const uint8_t *data, size_t length);
    bool end(int64_t index, bool complete);
    bool stopped() const { return stopped_; }

private:
    bool call(int32_t event, int64_t index, const void *bytes, uint64_t length);

    MemberDataCallback callback_;
    void *instance_;
    int64_t current_ = -1;
    bool stopped_ = false;
};

}  // namespace unzeng
