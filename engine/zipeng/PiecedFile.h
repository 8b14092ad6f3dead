#pragma once
// A file too large to read whole, deflated in pieces. Each piece is read
// (pread) and deflated by a worker on its own, so the pieces of the next
// files can be under way while this file's last pieces finish; the writer
// joins them in order (see Deflate.h for how pieces form one stream).

#include "engine/common/UniqueFd.h"
#include "engine/zipeng/Deflate.h"
#include "engine/zipeng/Encryption.h"
#include "engine/zipeng/WorkerPool.h"

#include <sys/stat.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <future>
#include <memory>
#include <string>
#include <vector>

namespace zipeng {

// A source file could not be read; `error` is the errno.
struct ReadFailure {
    int error;
};

// One piece as the writer takes it.
struct DeflatedPiece {
    Buffer packed;
    uint32_t crc = 0;  // of the bytes read
    uint64_t read = 0;
    bool last = false;  // ends the stream: the last piece, or the file came up short here
};

class PiecedFile : public std::enable_shared_from_this<PiecedFile> {
public:
    // Opens `path` under `base`, reads its size and judges whether deflating
    // is worth it. Check error() first.
    static std::shared_ptr<PiecedFile> open(int base, const std::string &path, int level, const Secret *password);

    int error() const { return error_; }  // errno from opening, or 0
    bool regular() const { return S_ISREG(status_.st_mode); }
    const struct stat &status() const { return status_; }
    int fd() const { return fd_.get(); }
    // Bytes to read: the size when it was opened.
    uint64_t size() const { return uint64_t(status_.st_size); }
    // False for already-compressed data and at level 0: the writer stores it.
    bool deflating() const { return deflating_; }
    // Encrypts the pieces in turn; null without a password.
    const std::shared_ptr<PieceEncryption> &encryption() const { return encryption_; }

    size_t pieceCount() const { return pieceCount_; }
    size_t submitted() const { return pieces_.size(); }
    size_t taken() const { return taken_; }
    // Deflated pieces remain to be handed out.
    bool wantsPieces() const { return error_ == 0 && regular() && deflating_ && pieces_.size() < pieceCount_; }
    // Hands the next piece to the pool; its task skips the work once `stop` is set.
    void submitNext(WorkerPool &pool, const std::atomic<bool> &stop);
    // The next piece handed out, in order.
    std::future<DeflatedPiece> takeNext() { return std::move(pieces_.at(taken_++)); }
    // No more pieces are wanted: waits for those handed out and not taken,
    // and drops them. Returns how many that were.
    size_t abandon();

private:
    PiecedFile() = default;
    // Runs on a worker: it reads nothing the writer changes after submitNext().
    DeflatedPiece deflate(size_t index, bool plannedLast, const std::atomic<bool> &stop);

    int error_ = 0;
    common::UniqueFd fd_;
    struct stat status_ {};
    int level_ = 0;
    bool deflating_ = false;
    uint64_t piece_ = 0;
    size_t pieceCount_ = 0;
    size_t taken_ = 0;
    std::shared_ptr<PieceEncryption> encryption_;
    std::vector<std::future<DeflatedPiece>> pieces_;
};

}  // namespace zipeng
