#pragma once
// Preparing a file to add: a worker reads it whole and stores or deflates
// it, so that the writer only has to copy the result into the archive.
// Files too large for that are read by the writer itself (AddJob.cpp).

#include "engine/zipeng/Deflate.h"
#include "engine/zipeng/Encryption.h"

#include <sys/stat.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zipeng {

// Bytes stored in one write, and read in one call, when a file is streamed.
inline constexpr size_t StoreChunk = 4u << 20;

std::string errorText(int error);

// What a worker hands back for one file read whole.
struct Prepared {
    std::string error;      // why it could not be read, if so
    bool tooLarge = false;  // grew past the limit: the writer streams it
    struct stat status {};  // of the opened file
    uint64_t size = 0;      // bytes read
    bool shrank = false;    // fewer bytes than the file had when opened
    uint32_t crc = 0;
    Buffer data;  // deflated bytes, or the file's own when stored
    bool deflated = false;
    // Encrypted: `data` holds the encrypted bytes, which go between these two.
    bool encrypted = false;
    std::array<uint8_t, AesPrefixBytes> prefix{};
    std::array<uint8_t, crypto::AesMacLength> mac{};
};

// Opens a source file for reading without following it into a FIFO's wait.
int openSource(int base, const std::string &path);

// The size of one piece of a deflated stream at this level.
size_t pieceBytes(int level);

// Above this size a file is not read whole: stored files when they are
// larger than the limit, deflated ones also when they are larger than a
// piece, so that no worker spends long in one call of the compressor.
uint64_t wholeFileSize(int level);

// A worker's block for input that is only read from, `size` bytes long: kept
// for the thread's next file, so that its pages are not faulted in afresh
// each time.
Buffer &inputScratch(size_t size);

// Reads `path` (under `base`) whole and stores or deflates it; `stop` set
// makes it give up early; with a `password` the result is encrypted. Runs
// on a worker.
Prepared prepareFile(int base, const std::string &path, int level, const Secret *password,
                     const std::atomic<bool> &stop);

}  // namespace zipeng
