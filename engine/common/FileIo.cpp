#include "engine/common/FileIo.h"

#include "engine/common/SystemCalls.h"

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

template <typename Call>
int writeUntilDone(size_t length, Call call)
{
    for (size_t done = 0; done < length;) {
        const ssize_t n = call(done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC;
        done += size_t(n);
    }
    return 0;
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

int writeAll(int fd, const void *data, size_t length)
{
    const auto *in = static_cast<const uint8_t *>(data);
    return writeUntilDone(length, [&](size_t done) { return sys::write(fd, in + done, length - done); });
}

int pwriteAll(int fd, const void *data, size_t length, uint64_t offset)
{
    const auto *in = static_cast<const uint8_t *>(data);
    return writeUntilDone(length,
                          [&](size_t done) { return sys::pwrite(fd, in + done, length - done, off_t(offset + done)); });
}

}  // namespace common
