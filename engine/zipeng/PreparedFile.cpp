#include "engine/zipeng/PreparedFile.h"

#include "engine/common/FileIo.h"
#include "engine/common/UniqueFd.h"
#include "engine/zipeng/JobOptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <zlib.h>

namespace zipeng {

std::string errorText(int error)
{
    return std::strerror(error);
}

int openSource(int base, const std::string &path)
{
    // O_NONBLOCK: a file replaced by a FIFO since the scan must not hang us.
    return ::openat(base, path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
}

size_t pieceBytes(int level)
{
    return tuning::streamChunk ? tuning::streamChunk : pieceSize(level);
}

uint64_t wholeFileSize(int level)
{
    return level == 0 ? tuning::wholeFileLimit : std::min<uint64_t>(tuning::wholeFileLimit, pieceBytes(level));
}

Buffer &inputScratch(size_t size)
{
    thread_local Buffer scratch;
    scratch.reserve(size);
    scratch.size = size;
    return scratch;
}

Prepared prepareFile(int base, const std::string &path, int level, const Secret *password,
                     const std::atomic<bool> &stop)
{
    Prepared p;
    if (stop.load(std::memory_order_relaxed)) {
        p.error = "cancelled";
        return p;
    }
    const int fd = openSource(base, path);
    if (fd < 0) {
        p.error = errorText(errno);
        return p;
    }
    const common::UniqueFd closer(fd);
    if (::fstat(fd, &p.status) != 0) {
        p.error = errorText(errno);
        return p;
    }
    if (!S_ISREG(p.status.st_mode)) {
        p.error = "not a regular file";
        return p;
    }
    const uint64_t size = uint64_t(p.status.st_size);
    if (size > wholeFileSize(level)) {
        p.tooLarge = true;
        return p;
    }
    // Stored at level 0: read straight into the member's own block. Else
    // most files are deflated and their input is scratch.
    Buffer own;
    if (level == 0)
        own = Buffer(size_t(size));
    Buffer &input = level == 0 ? own : inputScratch(size_t(size));
    size_t got = 0;
    // In blocks, so that a cancelled job does not wait for a long read.
    for (;;) {
        const size_t want = size_t(std::min<uint64_t>(StoreChunk, size - got));
        const common::ReadResult r = common::readFull(fd, input.data() + got, want);
        if (r.error) {
            p.error = errorText(r.error);
            return p;
        }
        got += r.got;
        if (r.got < want || got == size)
            break;
        if (stop.load(std::memory_order_relaxed)) {
            p.error = "cancelled";
            return p;
        }
    }
    p.shrank = got < size;
    input.size = got;
    p.size = got;
    p.crc = crc32Update(0, input.view());
    if (level > 0 && !looksIncompressible(input.view())) {
        Buffer packed = deflateWhole(level, input.view());
        if (packed.size > 0) {
            p.data = std::move(packed);
            p.deflated = true;
        }
    }
    if (!p.deflated && level == 0) {
        p.data = std::move(own);
    } else if (!p.deflated) {
        p.data = Buffer(input.size);
        if (input.size > 0)
            std::memcpy(p.data.data(), input.data(), input.size);
    }
    if (password) {
        MemberEncryption encryption(*password);
        p.prefix = encryption.prefix();
        encryption.encrypt(p.data.data(), p.data.size);
        p.mac = encryption.finish();
        p.encrypted = true;
    }
    return p;
}

}  // namespace zipeng
