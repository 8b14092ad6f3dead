#pragma once
// Decoders for the compressions tarballs come in, each through the fastest
// library this system has for it: ISA-L for gzip (about twice zlib's speed),
// liblzma's multi-threaded decoder for xz, libzstd and libbz2. They run on
// the reader's decoding thread (DecodingThread) and hand libarchive the plain
// bytes, where libarchive's own filters would decode on the thread that also
// parses the archive.

#include "engine/otherformats/WriteFormat.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace otherformats {

// The compression a stream's first bytes announce; None for anything else.
Compression compressionOf(const uint8_t *head, size_t length);
// Its name as libarchive gives it for the same filter.
const char *filterNameOf(Compression compression);

class StreamDecoder {
public:
    enum class Status {
        Going,  // more input or more room is wanted
        End,    // one whole stream (a gzip member, an xz or bzip2 stream) ended, or zstd's input
        Failed  // error() says why; also input that ends inside a stream
    };
    struct Step {
        size_t consumed = 0;
        size_t produced = 0;
        Status status = Status::Going;
    };
    virtual ~StreamDecoder() = default;
    // `inputEnds`: `in` holds all that is left of the file.
    virtual Step decode(const uint8_t *in, size_t inLength, bool inputEnds, uint8_t *out, size_t outLength) = 0;
    // Whether bytes after an ended stream (at least 6 of them unless the file
    // ends sooner) begin another that this decoder reads: a gzip, xz or bzip2
    // file may be several streams one after the other (pigz, pbzip2, cat).
    virtual bool beginsAnother(const uint8_t *head, size_t length) const = 0;
    // Makes ready for that next stream.
    virtual bool restart() = 0;

    const std::string &error() const { return error_; }
    // ENOMEM when the stream needs more memory than a decoder may take.
    int errorNumber() const { return errorNumber_; }

protected:
    // `step` as far as it went: what it gave before the fault is good.
    Step fail(Step step, std::string why, int number = 0)
    {
        error_ = std::move(why);
        errorNumber_ = number;
        step.status = Status::Failed;
        return step;
    }

private:
    std::string error_;
    int errorNumber_ = 0;
};

// `threads`: how many the xz decoder may run at once; `memoryLimit`: what
// one decoder may take, beyond which the stream is refused as too large.
std::unique_ptr<StreamDecoder> makeDecoder(Compression compression, unsigned threads, uint64_t memoryLimit);

}  // namespace otherformats
