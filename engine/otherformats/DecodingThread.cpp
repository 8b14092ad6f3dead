#include "engine/otherformats/DecodingThread.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <unistd.h>

namespace otherformats {

namespace {

// The bytes after a stream's end that tell whether another begins (the
// longest magic, xz's).
constexpr size_t NextStreamHead = 6;
// Calls in a row that take nothing in and give nothing out: a decoder that
// goes no further on this input.
constexpr int MostIdleSteps = 3;

}  // namespace

DecodingThread::DecodingThread(int fd, std::unique_ptr<StreamDecoder> decoder) : fd_(fd), decoder_(std::move(decoder))
{
    // One block handed out, the others decoded ahead.
    for (size_t i = 0; i < BlocksAhead + 1; ++i)
        free_.push_back(std::make_unique<Block>());
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error &) {
        // Not started: started() says so.
    }
}

DecodingThread::~DecodingThread()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

bool DecodingThread::next(Piece &piece)
{
    std::unique_lock lock(mutex_);
    if (handedOut_) {
        handedOut_->size = 0;
        free_.push_back(std::move(handedOut_));
        changed_.notify_all();
    }
    changed_.wait(lock, [this] { return !ready_.empty() || done_; });
    if (!ready_.empty()) {
        handedOut_ = std::move(ready_.front());
        ready_.pop_front();
        piece = {handedOut_->bytes.get(), handedOut_->size, handedOut_->fileOffset};
        return true;
    }
    piece = {nullptr, 0, fileOffset_};
    return !failed_;
}

bool DecodingThread::wholeToItsEnd()
{
    Piece piece;
    while (next(piece))
        if (piece.size == 0)
            return true;
    return false;
}

void DecodingThread::run()
{
    for (;;) {
        std::unique_ptr<Block> block;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stopping_ || !free_.empty(); });
            if (stopping_)
                return;
            block = std::move(free_.front());
            free_.pop_front();
        }
        const Filled filled = fill(*block);
        {
            const std::lock_guard lock(mutex_);
            (block->size > 0 ? ready_ : free_).push_back(std::move(block));
            if (filled != Filled::More) {
                done_ = true;
                failed_ = filled == Filled::Failed;
            }
        }
        changed_.notify_all();
        if (filled != Filled::More)
            return;
    }
}

DecodingThread::Filled DecodingThread::fill(Block &block)
{
    int idleSteps = 0;
    while (block.size < BlockBytes) {
        if (inputAt_ == inputEnd_ && !fileEnded_ && !readInput())
            return Filled::Failed;
        const StreamDecoder::Step step = decoder_->decode(input_.data() + inputAt_, inputEnd_ - inputAt_, fileEnded_,
                                                          block.bytes.get() + block.size, BlockBytes - block.size);
        inputAt_ += step.consumed;
        block.size += step.produced;
        producedSinceRestart_ += step.produced;
        block.fileOffset = fileOffset_ - (inputEnd_ - inputAt_);
        if (step.status == StreamDecoder::Status::Failed) {
            // What follows a whole stream and fails at once is no further
            // stream: bytes after the end, which libarchive leaves too.
            if (restarted_ && producedSinceRestart_ == 0)
                return Filled::Ended;
            return failed(decoder_->error(), decoder_->errorNumber());
        }
        if (step.status == StreamDecoder::Status::End) {
            const Filled after = afterStreamEnd();
            if (after != Filled::More)
                return after;
            continue;
        }
        idleSteps = step.consumed == 0 && step.produced == 0 && inputAt_ < inputEnd_ ? idleSteps + 1 : 0;
        if (idleSteps >= MostIdleSteps)
            return failed("the compressed stream goes no further");
    }
    return Filled::More;
}

DecodingThread::Filled DecodingThread::afterStreamEnd()
{
    while (inputEnd_ - inputAt_ < NextStreamHead && !fileEnded_)
        if (!readInput())
            return Filled::Failed;
    if (inputAt_ == inputEnd_)
        return Filled::Ended;
    if (!decoder_->beginsAnother(input_.data() + inputAt_, inputEnd_ - inputAt_) || !decoder_->restart())
        return Filled::Ended;
    restarted_ = true;
    producedSinceRestart_ = 0;
    return Filled::More;
}

bool DecodingThread::readInput()
{
    std::memmove(input_.data(), input_.data() + inputAt_, inputEnd_ - inputAt_);
    inputEnd_ -= inputAt_;
    inputAt_ = 0;
    for (;;) {
        const ssize_t got = ::pread(fd_, input_.data() + inputEnd_, input_.size() - inputEnd_, off_t(fileOffset_));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            failed(std::string("cannot read the archive: ") + std::strerror(errno), errno);
            return false;
        }
        fileEnded_ = got == 0;
        fileOffset_ += uint64_t(got);
        inputEnd_ += size_t(got);
        return true;
    }
}

DecodingThread::Filled DecodingThread::failed(std::string why, int number)
{
    // Read by the other side only once done_ is set, under the lock.
    error_ = std::move(why);
    errorNumber_ = number;
    return Filled::Failed;
}

}  // namespace otherformats
