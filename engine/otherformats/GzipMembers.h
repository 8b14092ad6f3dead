#pragma once
// The gzip compression of a tar written here. The stream is cut into blocks,
// each compressed by libdeflate on a thread of its own into a gzip member,
// and the members are handed on in order: gunzip, zlib and libarchive read a
// series of members as one stream. libarchive's own gzip filter compresses
// with zlib on the thread that reads the files, one core for both, and takes
// longer than tar with gzip, which reads and compresses in two processes.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <vector>

namespace otherformats {

class GzipMembers {
public:
    // Where the compressed bytes go, in order; it answers 0 or an errno.
    using Sink = std::function<int(const void *data, size_t length)>;
    // Input bytes per member: the dictionary starts anew at each, which
    // costs well under 1 % at this size.
    static constexpr size_t BlockBytes = size_t(2) << 20;

    // `level` is gzip's 1 … 9; `threads` members are compressed at once.
    GzipMembers(int level, unsigned threads, Sink sink);
    // Waits for the members under way; what was not finished is dropped.
    ~GzipMembers();
    GzipMembers(const GzipMembers &) = delete;
    GzipMembers &operator=(const GzipMembers &) = delete;

    // False once the sink failed or memory ran out; error() then says which
    // errno, and nothing more is written.
    bool write(const void *data, size_t length);
    // The last member compressed and everything handed to the sink. A
    // stream with no bytes still gets one (empty) member.
    bool finish();
    int error() const { return error_; }

private:
    void submit();
    bool handOnOldest();

    int level_;
    size_t inFlight_;
    Sink sink_;
    std::vector<uint8_t> block_;
    std::deque<std::future<std::vector<uint8_t>>> members_;
    bool anyMember_ = false;
    int error_ = 0;
};

}  // namespace otherformats
