#include "engine/zipeng/PiecedFile.h"

#include "engine/common/FileIo.h"
#include "engine/zipeng/JobOptions.h"
#include "engine/zipeng/PreparedFile.h"

#include <algorithm>
#include <cerrno>

namespace zipeng {

std::shared_ptr<PiecedFile> PiecedFile::open(int base, const std::string &path, int level, const Secret *password)
{
    std::shared_ptr<PiecedFile> file(new PiecedFile);
    file->fd_.reset(openSource(base, path));
    if (!file->fd_ || ::fstat(file->fd_.get(), &file->status_) != 0) {
        file->error_ = errno;
        return file;
    }
    if (!file->regular())
        return file;
    file->level_ = level;
    file->piece_ = pieceBytes(level);
    file->deflating_ = level > 0 && !looksIncompressible(file->fd(), file->size());
    file->pieceCount_ = size_t(std::max<uint64_t>(1, (file->size() + file->piece_ - 1) / file->piece_));
    if (password)
        file->encryption_ = std::make_shared<PieceEncryption>(*password);
    return file;
}

void PiecedFile::submitNext(WorkerPool &pool, const std::atomic<bool> &stop)
{
    const size_t index = pieces_.size();
    // Whether it is the planned last piece is settled here: abandon() changes
    // the count on the writer's thread while handed-out pieces still run.
    const bool plannedLast = index + 1 == pieceCount_;
    // The task keeps the file (and its descriptor) alive however long it is
    // queued, and lets go once it has run: the file holds the task's
    // result, so holding on would keep both alive for good.
    pieces_.push_back(pool.submit([self = shared_from_this(), index, plannedLast, &stop]() mutable {
        const std::shared_ptr<PiecedFile> file = std::move(self);
        return file->deflate(index, plannedLast, stop);
    }));
}

size_t PiecedFile::abandon()
{
    pieceCount_ = pieces_.size();
    const size_t dropped = pieces_.size() - taken_;
    for (; taken_ < pieces_.size(); ++taken_)
        pieces_[taken_].wait();  // a failure in a piece nobody wants is no failure
    return dropped;
}

DeflatedPiece PiecedFile::deflate(size_t index, bool plannedLast, const std::atomic<bool> &stop)
{
    DeflatedPiece p;
    const uint64_t offset = index * piece_;
    const size_t want = size_t(std::min<uint64_t>(piece_, size() - std::min(size(), offset)));
    bool encrypted = false;
    try {
        if (!stop.load(std::memory_order_relaxed)) {
            Buffer &input = inputScratch(want);
            const common::ReadResult r = common::preadFull(fd(), input.data(), want, offset);
            if (r.error)
                throw ReadFailure{r.error};
            input.size = r.got;
            p.read = r.got;
            p.last = plannedLast || r.got < want;
            p.crc = crc32Update(0, input.view());
            p.packed = deflatePiece(level_, input.view(), p.last);
            tuning::piecesDeflated.fetch_add(1, std::memory_order_relaxed);
        }
        encrypted = true;
        if (encryption_)
            encryption_->encryptInTurn(index, p.packed.data(), p.packed.size, p.last);
    } catch (...) {
        // Every piece takes its turn, or the ones after it would wait forever.
        if (encryption_ && !encrypted)
            encryption_->encryptInTurn(index, nullptr, 0, false);
        throw;
    }
    return p;
}

}  // namespace zipeng
