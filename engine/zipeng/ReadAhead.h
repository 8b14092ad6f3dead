#pragma once
// Hands the files of an add to the workers ahead of the writer, within
// bounds on memory and on what a cancel has to wait for: small files are
// read and deflated whole (prepareFile), larger ones in pieces (PiecedFile).
// Files are handed out as the scan finds them, so compressing starts before
// the scan ends, and the pieces of the next files are under way while the
// writer waits for the last ones of a large file.

#include "engine/zipeng/PiecedFile.h"
#include "engine/zipeng/PreparedFile.h"
#include "engine/zipeng/SourceScan.h"
#include "engine/zipeng/WorkerPool.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <future>
#include <memory>
#include <vector>

namespace zipeng {

class ReadAhead {
public:
    // `sources` is the scan's list, which may still grow.
    ReadAhead(WorkerPool &pool, const std::vector<SourceItem> &sources, int base, int level, const Secret *password,
              const std::atomic<bool> &stop);

    // The scan found sources[index]; it will be written in this order unless
    // plan() says otherwise.
    void scanned(size_t index);
    // The sources in the order they will be written (indexes into `sources`).
    void plan(std::vector<size_t> order);

    // The writer's turn for sources[index]. A file read whole: a valid
    // future. A larger file: takePieced() gives it, opened (check its
    // error()); neither for directories and for files the writer reads itself.
    std::future<Prepared> takeWhole(size_t index);
    std::shared_ptr<PiecedFile> takePieced(size_t index);
    // The next piece of `file`, handed out now if it was not yet.
    std::future<DeflatedPiece> takePiece(PiecedFile &file);
    // Nothing more of `file` is wanted (it came up short, or a piece
    // failed): waits for the pieces handed out and drops them.
    void abandon(PiecedFile &file);

private:
    enum class Kind : uint8_t { Unknown, Directory, Whole, Pieced };
    struct Slot {
        Kind kind = Kind::Unknown;
        bool handedOut = false;  // Whole: submitted
        std::future<Prepared> whole;
        std::shared_ptr<PiecedFile> pieced;
        uint64_t cost = 0;  // Whole: bytes it may hold
    };

    // Hands out work along the order until a bound is reached.
    void fill();
    // Decides how sources[index] is handled; opens a large file.
    Slot &classify(size_t index);
    void submitWhole(size_t index, Slot &slot);

    WorkerPool &pool_;
    const std::vector<SourceItem> &sources_;
    int base_;
    int level_;
    const Secret *password_;
    const std::atomic<bool> &stop_;
    std::vector<Slot> slots_;  // by source index
    std::vector<size_t> order_;
    size_t cursor_ = 0;         // in order_: the first not fully handed out
    size_t filesInFlight_ = 0;  // read whole or opened, and not yet taken
    uint64_t bytesInFlight_ = 0;
    size_t piecesInFlight_ = 0;
    size_t maxPieces_;
};

}  // namespace zipeng
