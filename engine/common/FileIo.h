#pragma once
// Reads and writes that go on until they have done what was asked for:
// read(), pread(), write() and pwrite() may do less (a signal, a pipe, a
// network file system, a file size limit).

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

// Through common::sys, so that the fault switch reaches every write. 0 when
// all of `data` is written, else the errno of the call that failed; a call
// that writes nothing reports ENOSPC, as a disk that takes no more would.
int writeAll(int fd, const void *data, size_t length);
// At `offset`; the position is left alone.
int pwriteAll(int fd, const void *data, size_t length, uint64_t offset);

}  // namespace common
