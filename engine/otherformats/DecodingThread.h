#pragma once
// A compressed archive decoded on a thread of its own, a few blocks ahead of
// the thread that parses it: decoding and parsing (and, in the parent,
// writing) then run on separate cores instead of taking turns on one.

#include "engine/otherformats/StreamDecoders.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace otherformats {

class DecodingThread {
public:
    // Plain bytes per block, and blocks decoded ahead at most: what the
    // decoding takes beyond its decoder's own memory.
    static constexpr size_t BlockBytes = size_t(1) << 20;
    static constexpr size_t BlocksAhead = 4;

    // Reads the file open at `fd` from its start with pread(), leaving the
    // descriptor's offset alone.
    DecodingThread(int fd, std::unique_ptr<StreamDecoder> decoder);
    // Stops the decoding where it is.
    ~DecodingThread();
    // False when no thread could be started: the caller decodes otherwise.
    bool started() const { return thread_.joinable(); }
    DecodingThread(const DecodingThread &) = delete;
    DecodingThread &operator=(const DecodingThread &) = delete;

    struct Piece {
        const uint8_t *data = nullptr;
        size_t size = 0;
        uint64_t fileOffset = 0;  // how far into the file the decoding had read for it
    };
    // The next block of plain bytes, valid until the next call; size 0 at the
    // end. False when the stream is damaged from here on: error() says why.
    bool next(Piece &piece);
    // Whether the stream was whole up to its end: the blocks not asked for
    // are decoded and dropped to know it.
    bool wholeToItsEnd();
    const std::string &error() const { return error_; }
    int errorNumber() const { return errorNumber_; }

private:
    struct Block {
        std::unique_ptr<uint8_t[]> bytes = std::make_unique_for_overwrite<uint8_t[]>(BlockBytes);
        size_t size = 0;
        uint64_t fileOffset = 0;
    };
    enum class Filled { More, Ended, Failed };
    void run();
    Filled fill(Block &block);
    Filled afterStreamEnd();
    // More of the file behind what is left of the input; false on a read error.
    bool readInput();
    Filled failed(std::string why, int number = 0);

    int fd_;
    std::unique_ptr<StreamDecoder> decoder_;

    // The decoding thread's own.
    std::vector<uint8_t> input_ = std::vector<uint8_t>(256 * 1024);
    size_t inputAt_ = 0, inputEnd_ = 0;
    uint64_t fileOffset_ = 0;
    bool fileEnded_ = false;
    bool restarted_ = false;  // decoding a further stream after the first
    uint64_t producedSinceRestart_ = 0;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::unique_ptr<Block>> ready_, free_;
    std::unique_ptr<Block> handedOut_;
    bool done_ = false, failed_ = false, stopping_ = false;
    std::string error_;
    int errorNumber_ = 0;
    std::thread thread_;
};

}  // namespace otherformats
