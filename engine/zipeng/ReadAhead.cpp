#include "engine/zipeng/ReadAhead.h"

namespace zipeng {

namespace {

// Bounds on the files read ahead of the writer.
constexpr uint64_t ReadAheadBytes = 512u << 20;
constexpr size_t ReadAheadFiles = 256;

}  // namespace

ReadAhead::ReadAhead(WorkerPool &pool, const std::vector<SourceItem> &sources, int base, int level,
                     const Secret *password, const std::atomic<bool> &stop)
    : pool_(pool), sources_(sources), base_(base), level_(level), password_(password), stop_(stop),
      // Enough to keep every worker busy while the writer takes one, few
      // enough that a cancel waits for little.
      maxPieces_(2 * pool.size() + 2)
{
}

void ReadAhead::scanned(size_t index)
{
    order_.push_back(index);
    fill();
}

void ReadAhead::plan(std::vector<size_t> order)
{
    if (order == order_)
        return;
    // What was handed out in the scan's order stays handed out.
    order_ = std::move(order);
    cursor_ = 0;
    fill();
}

ReadAhead::Slot &ReadAhead::classify(size_t index)
{
    if (slots_.size() <= index)
        slots_.resize(sources_.size());
    Slot &slot = slots_[index];
    if (slot.kind != Kind::Unknown)
        return slot;
    const SourceItem &item = sources_[index];
    if (item.directory) {
        slot.kind = Kind::Directory;
    } else if (uint64_t(item.status.st_size) <= wholeFileSize(level_)) {
        slot.kind = Kind::Whole;
        slot.cost = 2 * uint64_t(item.status.st_size) + 4096;
    } else {
        slot.kind = Kind::Pieced;
        slot.pieced = PiecedFile::open(base_, item.path, level_, password_);
        ++filesInFlight_;
    }
    return slot;
}

void ReadAhead::submitWhole(size_t index, Slot &slot)
{
    slot.handedOut = true;
    ++filesInFlight_;
    bytesInFlight_ += slot.cost;
    // The path is copied: the scan's list may still grow and move.
    slot.whole = pool_.submit([path = sources_[index].path, base = base_, level = level_, password = password_,
                               &stop = stop_] { return prepareFile(base, path, level, password, stop); });
}

void ReadAhead::fill()
{
    for (; cursor_ < order_.size(); ++cursor_) {
        const size_t index = order_[cursor_];
        const bool known = index < slots_.size() && slots_[index].kind != Kind::Unknown;
        if (!known && filesInFlight_ >= ReadAheadFiles)
            return;  // opening it would pass the bound on files
        Slot &slot = classify(index);
        if (slot.kind == Kind::Whole && !slot.handedOut) {
            if (filesInFlight_ > 0 && (filesInFlight_ >= ReadAheadFiles || bytesInFlight_ + slot.cost > ReadAheadBytes))
                return;
            submitWhole(index, slot);
        } else if (slot.kind == Kind::Pieced) {
            while (slot.pieced->wantsPieces()) {
                if (piecesInFlight_ >= maxPieces_)
                    return;
                slot.pieced->submitNext(pool_, stop_);
                ++piecesInFlight_;
            }
        }
    }
}

std::future<Prepared> ReadAhead::takeWhole(size_t index)
{
    Slot &slot = classify(index);
    if (slot.kind != Kind::Whole)
        return {};
    if (!slot.handedOut)
        submitWhole(index, slot);  // the writer is here before the read-ahead
    --filesInFlight_;
    bytesInFlight_ -= slot.cost;
    std::future<Prepared> whole = std::move(slot.whole);
    fill();
    return whole;
}

std::shared_ptr<PiecedFile> ReadAhead::takePieced(size_t index)
{
    Slot &slot = classify(index);
    if (slot.kind != Kind::Pieced)
        return nullptr;
    --filesInFlight_;
    return slot.pieced;
}

std::future<DeflatedPiece> ReadAhead::takePiece(PiecedFile &file)
{
    if (file.submitted() == file.taken()) {
        file.submitNext(pool_, stop_);  // the writer is here before the read-ahead
        ++piecesInFlight_;
    }
    --piecesInFlight_;
    std::future<DeflatedPiece> piece = file.takeNext();
    fill();
    return piece;
}

void ReadAhead::abandon(PiecedFile &file)
{
    piecesInFlight_ -= file.abandon();
    fill();
}

}  // namespace zipeng
