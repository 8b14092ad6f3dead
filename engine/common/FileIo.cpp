#include "engine/common/FileIo.h"

#include <cerrno>
#include <unistd.h>

namespace common {

namespace {

template <typename Call>
ReadResult readUntilDone(size_t length, Call call)
{
    ReadResult r;
    while (r.got < length) {
        const ssize_t n = call(r.got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            r.error = errno;
            break;
        }
        if (n == 0)
            break;
        r.got += size_t(n);
    }
    return r;
}

}  // namespace

ReadResult readFull(int fd, void *buffer, size_t length)
{
    auto *out = static_cast<uint8_t *>(buffer);
    return readUntilDone(length, [&](size_t done) { return ::read(fd, out + done, length - done); });
}

ReadResult preadFull(int fd, void *buffer, size_t length, uint64_t offset)
{
    auto *out = static_cast<uint8_t *>(buffer);
    return readUntilDone(length,
                         [&](size_t done) { return ::pread(fd, out + done, length - done, off_t(offset + done)); });
}

}  // namespace common
