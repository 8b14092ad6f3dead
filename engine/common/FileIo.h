#pragma once
// Reads that go on until they have what was asked for: read() and pread()
// may return less (a signal, a pipe, a network file system).

#include <sys/types.h>

#include <cstddef>
#include <cstdint>

namespace common {

struct ReadResult {
    size_t got = 0;  // bytes read; fewer than asked when the file ended or on an error
    int error = 0;   // errno of the failed call, 0 when none failed
};

// From the descriptor's position.
ReadResult readFull(int fd, void *buffer, size_t length);
// From `offset`; the position is left alone.
ReadResult preadFull(int fd, void *buffer, size_t length, uint64_t offset);

}  // namespace common
