#include "engine/otherformats/GzipMembers.h"

#include <libdeflate.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>

namespace otherformats {

namespace {

struct CompressorDeleter {
    void operator()(libdeflate_compressor *c) const { libdeflate_free_compressor(c); }
};

// One whole gzip member (header, deflate data, CRC and size); empty when
// memory ran out, which a member of even no input never is.
std::vector<uint8_t> compressMember(const std::vector<uint8_t> &input, int level)
{
    std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor(libdeflate_alloc_compressor(level));
    if (!compressor)
        return {};
    std::vector<uint8_t> out;
    try {
        out.resize(libdeflate_gzip_compress_bound(compressor.get(), input.size()));
    } catch (const std::bad_alloc &) {
        return {};
    }
    // The bound holds whatever the input: the call cannot run out of room.
    out.resize(libdeflate_gzip_compress(compressor.get(), input.data(), input.size(), out.data(), out.size()));
    return out;
}

}  // namespace

GzipMembers::GzipMembers(int level, unsigned threads, Sink sink)
    : level_(std::clamp(level, 1, 9)), inFlight_(std::max(threads, 1u)), sink_(std::move(sink))
{
    block_.reserve(BlockBytes);
}

GzipMembers::~GzipMembers()
{
    for (auto &member : members_)
        member.wait();
}

bool GzipMembers::write(const void *data, size_t length)
{
    const auto *bytes = static_cast<const uint8_t *>(data);
    while (length > 0 && !error_) {
        const size_t take = std::min(length, BlockBytes - block_.size());
        block_.insert(block_.end(), bytes, bytes + take);
        bytes += take;
        length -= take;
        if (block_.size() == BlockBytes)
            submit();
    }
    return !error_;
}

void GzipMembers::submit()
{
    // The oldest goes out first when as many as may run are under way.
    while (members_.size() >= inFlight_ && handOnOldest()) {
    }
    if (error_)
        return;
    try {
        members_.push_back(std::async(std::launch::async, compressMember, std::move(block_), level_));
    } catch (const std::system_error &) {
        error_ = EAGAIN;  // no thread to be had
        return;
    }
    anyMember_ = true;
    block_ = {};
    block_.reserve(BlockBytes);
}

bool GzipMembers::handOnOldest()
{
    if (members_.empty() || error_)
        return false;
    const std::vector<uint8_t> member = members_.front().get();
    members_.pop_front();
    if (member.empty())
        error_ = ENOMEM;
    else
        error_ = sink_(member.data(), member.size());
    return !error_;
}

bool GzipMembers::finish()
{
    if (!block_.empty() || !anyMember_)
        submit();
    while (handOnOldest()) {
    }
    return !error_ && members_.empty();
}

}  // namespace otherformats
