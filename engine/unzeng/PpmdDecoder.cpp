#include "engine/unzeng/PpmdDecoder.h"

#include "engine/unzeng/PpmdModel.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace unzeng {

namespace {

// One symbol takes a few bytes per context it escapes from; this much input
// ahead covers the longest escape chain many times over, so that a symbol
// never straddles two input pieces.
constexpr size_t Lookahead = 4096;
constexpr size_t StageSize = 64 * 1024;
constexpr size_t HeaderSize = 2, CoderStart = 4;
// The encoder flushes four bytes after the last symbol, so a complete stream
// never runs dry; a writer that flushes fewer may, by at most this much.
constexpr unsigned MaxBytesPastEnd = 4;
// The model object, the input stage and the allocator's slack.
constexpr uint64_t Overhead = 128 * 1024;

class PpmdDecoder final : public StreamDecoder {
public:
    PpmdDecoder(uint64_t unpackedSize, MemoryLease &lease) : unpackedSize_(unpackedSize), lease_(lease) {}

    Status decode(const uint8_t *&in, size_t &inLength, uint8_t *&out, size_t &outLength, bool lastInput) override
    {
        if (produced_ == unpackedSize_)
            return End;
        if (stage_.empty())
            stage_.resize(StageSize);
        if (unread() < Lookahead)
            takeInput(in, inLength);
        bool final = lastInput && inLength == 0;
        if (!model_) {
            if (unread() < HeaderSize + CoderStart)
                return final ? fail("the PPMd data ends too early") : More;
            if (!startModel())
                return Failed;
        }

        while (outLength > 0 && produced_ < unpackedSize_) {
            if (unread() < Lookahead && !final) {
                takeInput(in, inLength);
                final = lastInput && inLength == 0;
                if (unread() < Lookahead && !final)
                    return More;
            }
            const uint8_t *const end = stage_.data() + stageEnd_;
            const uint8_t *const limit = final ? end : end - Lookahead;
            model_->setInput(stage_.data() + stagePos_, end);
            size_t n = std::min<uint64_t>(outLength, unpackedSize_ - produced_);
            uint8_t *o = out;
            while (n > 0 && model_->position() <= limit) {
                const int symbol = model_->decodeSymbol();
                if (symbol < 0) {
                    if (symbol == -1 && !model_->broken()) {
                        finishOutput(out, outLength, o);
                        return End;
                    }
                    return failData();
                }
                *o++ = uint8_t(symbol);
                --n;
            }
            finishOutput(out, outLength, o);
            if (model_->broken() || model_->bytesPastEnd() > MaxBytesPastEnd)
                return failData();
        }
        return produced_ == unpackedSize_ ? End : More;
    }

private:
    // Garbage follows once the coder reads past the end, so a stream that
    // ran dry is reported as cut short rather than as damaged.
    Status failData() { return fail(model_->bytesPastEnd() ? "the PPMd data ends too early" : "invalid PPMd data"); }

    size_t unread() const { return stageEnd_ - stagePos_; }

    // Input goes through the stage, which always holds the lookahead a
    // symbol may need unless the input has ended.
    void takeInput(const uint8_t *&in, size_t &inLength)
    {
        if (inLength == 0)
            return;
        if (stagePos_ > 0 && stage_.size() - stageEnd_ < inLength) {
            std::memmove(stage_.data(), stage_.data() + stagePos_, unread());
            stageEnd_ -= stagePos_;
            stagePos_ = 0;
        }
        const size_t n = std::min(inLength, stage_.size() - stageEnd_);
        std::memcpy(stage_.data() + stageEnd_, in, n);
        stageEnd_ += n;
        in += n;
        inLength -= n;
    }

    void finishOutput(uint8_t *&out, size_t &outLength, uint8_t *o)
    {
        const size_t made = size_t(o - out);
        out = o;
        outLength -= made;
        produced_ += made;
        stagePos_ = size_t(model_->position() - stage_.data());
        if (stagePos_ > stageEnd_)
            stagePos_ = stageEnd_;
    }

    // The header word: model order - 1 in bits 0-3, memory in MiB - 1 in
    // bits 4-11, the restoration method in bits 12-15.
    bool startModel()
    {
        const uint8_t *header = stage_.data() + stagePos_;
        const unsigned word = header[0] | unsigned(header[1]) << 8;
        const unsigned order = (word & 0x0F) + 1;
        const uint32_t mebibytes = ((word >> 4) & 0xFF) + 1;
        const unsigned method = word >> 12;
        if (order < ppmd::MinOrder) {
            fail("unsupported PPMd parameters: model order " + std::to_string(order) + " (2 to 16 are valid)");
            return false;
        }
        if (method == ppmd::RestoreFreeze) {
            fail("unsupported PPMd parameters: restoration method 2 (freezing the model) is not supported");
            return false;
        }
        if (method > ppmd::RestoreFreeze) {
            fail("unsupported PPMd parameters: unknown restoration method " + std::to_string(method));
            return false;
        }
        const uint32_t size = mebibytes << 20;
        std::string error;
        if (!lease_.growTo(uint64_t(size) + Overhead, error)) {
            fail(error);
            return false;
        }
        auto model = std::make_unique<ppmd::Model>();
        if (!model->allocate(size)) {
            fail("out of memory for the PPMd model (" + std::to_string(mebibytes) + " MiB)");
            return false;
        }
        model->setInput(header + HeaderSize, stage_.data() + stageEnd_);
        if (!model->startDecoding()) {
            fail("invalid PPMd data");
            return false;
        }
        model->start(order, method);
        model_ = std::move(model);
        stagePos_ += HeaderSize + CoderStart;
        return true;
    }

    const uint64_t unpackedSize_;
    MemoryLease &lease_;
    uint64_t produced_ = 0;
    std::unique_ptr<ppmd::Model> model_;
    std::vector<uint8_t> stage_;
    size_t stagePos_ = 0, stageEnd_ = 0;
};

}  // namespace

std::unique_ptr<StreamDecoder> makePpmdDecoder(uint64_t unpackedSize, MemoryLease &lease)
{
    return std::make_unique<PpmdDecoder>(unpackedSize, lease);
}

}  // namespace unzeng
