#pragma once
// Dmitry Shkarin's PPMd variant I revision 1 model with its range decoder,
// as ZIP's method 98 uses it. Written here because no system library offers
// a PPMd decoder to link. The model lives in one arena of the size the
// stream's header names; every link inside it is an offset into the arena.
// Decoding must follow the encoder's model step for step, memory exhaustion
// included, or every following symbol differs.

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace unzeng {

namespace ppmd {

constexpr unsigned MinOrder = 2, MaxOrder = 16;
constexpr unsigned RestoreRestart = 0, RestoreCutOff = 1, RestoreFreeze = 2;

// The arena's records. The same bytes are read as a context, a state or a
// free block over the model's life, hence may_alias.
struct [[gnu::may_alias]] State {
    uint8_t symbol;
    uint8_t freq;
    uint16_t successorLow;
    uint16_t successorHigh;
};

struct [[gnu::may_alias]] Context {
    uint8_t numStats;  // symbols - 1
    uint8_t flags;
    uint16_t summFreq;
    uint32_t stats;
    uint32_t suffix;
};

struct [[gnu::may_alias]] FreeBlock {
    uint32_t stamp;
    uint32_t next;
    uint32_t nu;
};

struct See {
    uint16_t summ;
    uint8_t shift;
    uint8_t count;
};

constexpr unsigned NumIndexes = 38;

class Model {
public:
    Model();
    // False when the arena cannot be had.
    bool allocate(uint32_t size);
    void start(unsigned order, unsigned restoreMethod);

    // The range decoder reads from [position, end); past the end it reads
    // zeros and counts them.
    void setInput(const uint8_t *position, const uint8_t *end)
    {
        in_ = position;
        inEnd_ = end;
    }
    const uint8_t *position() const { return in_; }
    unsigned bytesPastEnd() const { return pastEnd_; }
    // Reads the coder's first four bytes; false when they cannot start a
    // stream.
    bool startDecoding();
    // A symbol, -1 at the end marker, -2 for data that cannot be decoded.
    int decodeSymbol();
    // The coder's arithmetic broke down: the data was not written by a
    // PPMd encoder.
    bool broken() const { return broken_; }

private:
    struct ArenaFree {
        void operator()(uint8_t *p) const { std::free(p); }
    };

    // Range decoder.
    uint32_t nextByte()
    {
        if (in_ < inEnd_)
            return *in_++;
        ++pastEnd_;
        return 0;
    }
    void normalize();
    uint32_t threshold(uint32_t total);
    void decodeRange(uint32_t start, uint32_t size);

    // Arena addressing.
    uint32_t ref(const void *p) const { return uint32_t(static_cast<const uint8_t *>(p) - base_); }
    Context *context(uint32_t r) const { return reinterpret_cast<Context *>(base_ + r); }
    State *statesOf(const Context *c) const { return reinterpret_cast<State *>(base_ + c->stats); }
    Context *suffixOf(const Context *c) const { return context(c->suffix); }
    FreeBlock *block(uint32_t r) const { return reinterpret_cast<FreeBlock *>(base_ + r); }
    static State *oneState(Context *c) { return reinterpret_cast<State *>(reinterpret_cast<uint8_t *>(c) + 2); }
    static uint32_t successor(const State *s) { return s->successorLow | uint32_t(s->successorHigh) << 16; }
    static void setSuccessor(State *s, uint32_t v)
    {
        s->successorLow = uint16_t(v);
        s->successorHigh = uint16_t(v >> 16);
    }
    unsigned unitsToIndex(unsigned nu) const { return units2Indx_[nu - 1]; }
    unsigned indexToUnits(unsigned indx) const { return indx2Units_[indx]; }

    // Unit allocator.
    void insertNode(void *p, unsigned indx);
    void *removeNode(unsigned indx);
    void splitBlock(void *p, unsigned oldIndx, unsigned newIndx);
    void glueFreeBlocks();
    void *allocUnitsRare(unsigned indx);
    void *allocUnits(unsigned indx);
    Context *allocContext();
    void *shrinkUnits(void *oldPtr, unsigned oldNU, unsigned newNU);
    void *moveUnitsUp(void *oldPtr, unsigned nu);
    void freeUnits(void *p, unsigned nu) { insertNode(p, unitsToIndex(nu)); }
    void freeSingleUnit(void *p);
    void expandTextArea();
    uint32_t usedMemory() const;

    // Model.
    void restartModel();
    void restoreModel(Context *c1);
    uint32_t cutOff(Context *c, unsigned order);
    void refresh(Context *c, unsigned oldNU, unsigned scale);
    void rescale();
    Context *createSuccessors(bool skip, State *s1, Context *c);
    Context *reduceOrder(State *s1, Context *c);
    void updateModel();
    void nextContext();
    void update1();
    void update1First();
    void update2();
    void updateBin();
    See *makeEscFreq(unsigned numMasked, uint32_t &escFreq);
    State *findSymbol(Context *c, uint8_t symbol) const;

    std::unique_ptr<uint8_t, ArenaFree> arena_;
    uint8_t *base_ = nullptr;
    uint32_t size_ = 0;
    uint32_t alignOffset_ = 0;
    uint32_t arenaEnd_ = 0;  // offset of the first byte past the arena
    uint8_t *text_ = nullptr, *unitsStart_ = nullptr, *loUnit_ = nullptr, *hiUnit_ = nullptr;
    uint32_t glueCount_ = 0;
    uint32_t freeList_[NumIndexes] = {};
    uint32_t stamps_[NumIndexes] = {};

    Context *minContext_ = nullptr, *maxContext_ = nullptr;
    State *foundState_ = nullptr;
    unsigned orderFall_ = 0, initEsc_ = 0, prevSuccess_ = 0, maxOrder_ = 0, restoreMethod_ = 0;
    int32_t runLength_ = 0, initRL_ = 0;

    uint8_t indx2Units_[NumIndexes];
    uint8_t units2Indx_[128];
    uint8_t ns2Indx_[260];
    uint8_t ns2BsIndx_[256];
    uint8_t binRow_[256];  // NS2Indx by a binary context's frequency - 1, kept inside binSumm_
    uint8_t seeRow_[256];  // See row by a context's numStats
    uint16_t binSumm_[25][64];
    See see_[24][32];
    See dummySee_{};

    uint32_t range_ = 0, code_ = 0, low_ = 0;
    const uint8_t *in_ = nullptr, *inEnd_ = nullptr;
    unsigned pastEnd_ = 0;
    bool broken_ = false;
};

}  // namespace ppmd

}  // namespace unzeng
