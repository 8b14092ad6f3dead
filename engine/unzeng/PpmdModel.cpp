// Longer than 600 lines: the model, its unit allocator and the symbol decoder
// share all their state and are only correct together; split up, each part
// would need the others' internals.
#include "engine/unzeng/PpmdModel.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace unzeng::ppmd {

namespace {

constexpr unsigned UnitSize = 12;
constexpr unsigned MaxFreq = 124;
constexpr unsigned IntBits = 7, PeriodBits = 7, TotBits = 14;
constexpr unsigned Interval = 1u << IntBits, BinScale = 1u << TotBits;
constexpr uint32_t EmptyNode = 0xFFFFFFFFu;
constexpr uint32_t RangeTop = 1u << 24, RangeBottom = 1u << 15;
constexpr unsigned OrderBound = 9;      // cut-off keeps childless contexts up to this order
constexpr unsigned BinFreqLimit = 215;  // NS2Indx stays below 25 up to here

constexpr uint16_t InitBinEsc[8] = {0x3CDD, 0x1F3F, 0x59BF, 0x48F3, 0x64A1, 0x5ABC, 0x6632, 0x6051};
constexpr uint8_t ExpEscape[16] = {25, 14, 9, 7, 5, 5, 4, 4, 4, 3, 3, 3, 2, 2, 2, 2};

uint32_t unitBytes(unsigned nu)
{
    return uint32_t(nu) * UnitSize;
}

void copyUnits(void *dest, const void *src, unsigned nu)
{
    std::memmove(dest, src, unitBytes(nu));
}

unsigned mean(unsigned prob)
{
    return (prob + (1u << (PeriodBits - 2))) >> PeriodBits;
}

unsigned highFlag(uint8_t symbol)
{
    return symbol >= 0x40 ? 0x08u : 0u;
}

void seeUpdate(See *see)
{
    if (see->shift < PeriodBits && --see->count == 0) {
        see->summ = uint16_t(see->summ << 1);
        see->count = uint8_t(3u << see->shift++);
    }
}

}  // namespace

Model::Model()
{
    for (unsigned i = 0, k = 0; i < NumIndexes; ++i) {
        unsigned step = i >= 12 ? 4 : (i >> 2) + 1;
        do
            units2Indx_[k++] = uint8_t(i);
        while (--step);
        indx2Units_[i] = uint8_t(k);
    }
    ns2BsIndx_[0] = 0 << 1;
    ns2BsIndx_[1] = 1 << 1;
    std::memset(ns2BsIndx_ + 2, 2 << 1, 9);
    std::memset(ns2BsIndx_ + 11, 3 << 1, 256 - 11);
    unsigned i = 0;
    for (; i < 5; ++i)
        ns2Indx_[i] = uint8_t(i);
    for (unsigned m = i, k = 1; i < 260; ++i) {
        ns2Indx_[i] = uint8_t(m);
        if (--k == 0)
            k = ++m - 4;
    }
    // Frequency 0 cannot occur in a sound model; its row stays in range
    // all the same.
    for (unsigned f = 0; f < 256; ++f)
        binRow_[f] = uint8_t(std::min<unsigned>(ns2Indx_[f], 24));
    for (unsigned n = 0; n < 256; ++n)
        seeRow_[n] = uint8_t(std::max<unsigned>(ns2Indx_[n + 2], 3) - 3);
}

bool Model::allocate(uint32_t size)
{
    alignOffset_ = 4 - (size & 3);
    // Slack past the end so that a stamp read just beyond the last unit
    // stays inside the allocation.
    arena_.reset(static_cast<uint8_t *>(std::calloc(size_t(alignOffset_) + size + 4 * UnitSize, 1)));
    if (!arena_)
        return false;
    base_ = arena_.get();
    size_ = size;
    arenaEnd_ = alignOffset_ + size;
    return true;
}

void Model::start(unsigned order, unsigned restoreMethod)
{
    maxOrder_ = order;
    restoreMethod_ = restoreMethod;
    restartModel();
    dummySee_.shift = PeriodBits;
    dummySee_.summ = 0;
    dummySee_.count = 64;
}

// ---- Range decoder ----

bool Model::startDecoding()
{
    low_ = 0;
    range_ = 0xFFFFFFFFu;
    code_ = 0;
    for (int i = 0; i < 4; ++i)
        code_ = (code_ << 8) | nextByte();
    return code_ < 0xFFFFFFFFu;
}

void Model::normalize()
{
    for (;;) {
        if ((low_ ^ (low_ + range_)) >= RangeTop) {
            if (range_ >= RangeBottom)
                break;
            range_ = (0u - low_) & (RangeBottom - 1);
        }
        code_ = (code_ << 8) | nextByte();
        range_ <<= 8;
        low_ <<= 8;
        // Only data no encoder wrote gets here; stop instead of spinning.
        if (range_ == 0) {
            broken_ = true;
            range_ = RangeBottom;
            break;
        }
    }
}

// `code_` is kept relative to `low_`.
uint32_t Model::threshold(uint32_t total)
{
    if (total == 0 || (range_ /= total) == 0) {
        broken_ = true;
        range_ = 1;
        return total;
    }
    return code_ / range_;
}

void Model::decodeRange(uint32_t start, uint32_t size)
{
    start *= range_;
    low_ += start;
    code_ -= start;
    range_ *= size;
    normalize();
}

// ---- Unit allocator ----

void Model::insertNode(void *p, unsigned indx)
{
    auto *node = static_cast<FreeBlock *>(p);
    node->stamp = EmptyNode;
    node->next = freeList_[indx];
    node->nu = indexToUnits(indx);
    freeList_[indx] = ref(node);
    ++stamps_[indx];
}

void *Model::removeNode(unsigned indx)
{
    FreeBlock *node = block(freeList_[indx]);
    freeList_[indx] = node->next;
    --stamps_[indx];
    return node;
}

void Model::splitBlock(void *p, unsigned oldIndx, unsigned newIndx)
{
    const unsigned nu = indexToUnits(oldIndx) - indexToUnits(newIndx);
    uint8_t *rest = static_cast<uint8_t *>(p) + unitBytes(indexToUnits(newIndx));
    unsigned i = unitsToIndex(nu);
    if (indexToUnits(i) != nu) {
        const unsigned k = indexToUnits(--i);
        insertNode(rest + unitBytes(k), nu - k - 1);
    }
    insertNode(rest, i);
}

void Model::glueFreeBlocks()
{
    uint32_t head = 0;
    uint32_t *prev = &head;
    glueCount_ = 1u << 13;
    std::memset(stamps_, 0, sizeof stamps_);
    // The top unit is always the root context, which stops a run of free
    // blocks; the gap between LoUnit and HiUnit needs a guard.
    if (loUnit_ != hiUnit_)
        reinterpret_cast<FreeBlock *>(loUnit_)->stamp = 0;

    for (unsigned i = 0; i < NumIndexes; ++i) {
        uint32_t next = freeList_[i];
        freeList_[i] = 0;
        while (next != 0) {
            FreeBlock *node = block(next);
            if (node->nu != 0) {
                *prev = next;
                prev = &node->next;
                for (;;) {
                    const uint32_t after = ref(node) + unitBytes(node->nu);
                    if (after >= arenaEnd_)
                        break;
                    FreeBlock *node2 = block(after);
                    if (node2->stamp != EmptyNode || node2->nu == 0)
                        break;
                    node->nu += node2->nu;
                    node2->nu = 0;
                }
            }
            next = node->next;
        }
    }
    *prev = 0;

    while (head != 0) {
        FreeBlock *node = block(head);
        head = node->next;
        unsigned nu = node->nu;
        if (nu == 0)
            continue;
        for (; nu > 128; nu -= 128, node += 128)
            insertNode(node, NumIndexes - 1);
        unsigned i = unitsToIndex(nu);
        if (indexToUnits(i) != nu) {
            const unsigned k = indexToUnits(--i);
            insertNode(node + k, nu - k - 1);
        }
        insertNode(node, i);
    }
}

void *Model::allocUnitsRare(unsigned indx)
{
    if (glueCount_ == 0) {
        glueFreeBlocks();
        if (freeList_[indx] != 0)
            return removeNode(indx);
    }
    unsigned i = indx;
    do {
        if (++i == NumIndexes) {
            const uint32_t numBytes = unitBytes(indexToUnits(indx));
            --glueCount_;
            if (uint32_t(unitsStart_ - text_) > numBytes) {
                unitsStart_ -= numBytes;
                return unitsStart_;
            }
            return nullptr;
        }
    } while (freeList_[i] == 0);
    void *p = removeNode(i);
    splitBlock(p, i, indx);
    return p;
}

void *Model::allocUnits(unsigned indx)
{
    if (freeList_[indx] != 0)
        return removeNode(indx);
    const uint32_t numBytes = unitBytes(indexToUnits(indx));
    if (numBytes <= uint32_t(hiUnit_ - loUnit_)) {
        void *p = loUnit_;
        loUnit_ += numBytes;
        return p;
    }
    return allocUnitsRare(indx);
}

Context *Model::allocContext()
{
    if (hiUnit_ != loUnit_)
        return reinterpret_cast<Context *>(hiUnit_ -= UnitSize);
    if (freeList_[0] != 0)
        return static_cast<Context *>(removeNode(0));
    return static_cast<Context *>(allocUnitsRare(0));
}

void *Model::shrinkUnits(void *oldPtr, unsigned oldNU, unsigned newNU)
{
    const unsigned i0 = unitsToIndex(oldNU), i1 = unitsToIndex(newNU);
    if (i0 == i1)
        return oldPtr;
    if (freeList_[i1] != 0) {
        void *p = removeNode(i1);
        copyUnits(p, oldPtr, newNU);
        insertNode(oldPtr, i0);
        return p;
    }
    splitBlock(oldPtr, i0, i1);
    return oldPtr;
}

void *Model::moveUnitsUp(void *oldPtr, unsigned nu)
{
    const unsigned indx = unitsToIndex(nu);
    if (ref(oldPtr) > ref(unitsStart_) + 16 * 1024 || ref(oldPtr) > freeList_[indx])
        return oldPtr;
    void *p = removeNode(indx);
    copyUnits(p, oldPtr, nu);
    if (oldPtr != unitsStart_)
        insertNode(oldPtr, indx);
    else
        unitsStart_ += unitBytes(indexToUnits(indx));
    return p;
}

void Model::freeSingleUnit(void *p)
{
    if (p != unitsStart_)
        insertNode(p, 0);
    else
        unitsStart_ += UnitSize;
}

// Gives the free blocks at the bottom of the units area back to the text.
void Model::expandTextArea()
{
    uint32_t count[NumIndexes] = {};
    if (loUnit_ != hiUnit_)
        reinterpret_cast<FreeBlock *>(loUnit_)->stamp = 0;
    auto *node = reinterpret_cast<FreeBlock *>(unitsStart_);
    while (node->stamp == EmptyNode && node->nu != 0 && node->nu <= 128) {
        node->stamp = 0;
        ++count[unitsToIndex(node->nu)];
        node += node->nu;
    }
    unitsStart_ = reinterpret_cast<uint8_t *>(node);

    for (unsigned i = 0; i < NumIndexes; ++i) {
        uint32_t *link = &freeList_[i];
        while (count[i] != 0 && *link != 0) {
            FreeBlock *n = block(*link);
            if (n->stamp == 0) {
                *link = n->next;
                --stamps_[i];
                --count[i];
            } else {
                link = &n->next;
            }
        }
    }
}

uint32_t Model::usedMemory() const
{
    uint32_t freeUnits = 0;
    for (unsigned i = 0; i < NumIndexes; ++i)
        freeUnits += stamps_[i] * indexToUnits(i);
    return size_ - uint32_t(hiUnit_ - loUnit_) - uint32_t(unitsStart_ - text_) - unitBytes(freeUnits);
}

// ---- Model ----

void Model::restartModel()
{
    std::memset(freeList_, 0, sizeof freeList_);
    std::memset(stamps_, 0, sizeof stamps_);
    text_ = base_ + alignOffset_;
    hiUnit_ = text_ + size_;
    loUnit_ = unitsStart_ = hiUnit_ - size_ / 8 / UnitSize * 7 * UnitSize;
    glueCount_ = 0;

    orderFall_ = maxOrder_;
    runLength_ = initRL_ = -int32_t(std::min(maxOrder_, 12u)) - 1;
    prevSuccess_ = 0;

    hiUnit_ -= UnitSize;
    minContext_ = maxContext_ = reinterpret_cast<Context *>(hiUnit_);
    minContext_->suffix = 0;
    minContext_->numStats = 255;
    minContext_->flags = 0;
    minContext_->summFreq = 256 + 1;
    foundState_ = reinterpret_cast<State *>(loUnit_);
    loUnit_ += unitBytes(256 / 2);
    minContext_->stats = ref(foundState_);
    for (unsigned i = 0; i < 256; ++i) {
        State *s = &foundState_[i];
        s->symbol = uint8_t(i);
        s->freq = 1;
        setSuccessor(s, 0);
    }

    // A row of binSumm_ serves several frequencies and a row of see_ several
    // symbol counts; each starts from the value of the largest one it
    // serves, as the encoder's model does (any other start decodes the first
    // few dozen symbols and then goes astray).
    for (unsigned f = 0; f < BinFreqLimit; ++f)
        for (unsigned k = 0; k < 8; ++k) {
            const auto value = uint16_t(BinScale - InitBinEsc[k] / (f + 2));
            for (unsigned m = 0; m < 64; m += 8)
                binSumm_[ns2Indx_[f]][k + m] = value;
        }
    for (unsigned ns = 1; ns < 256; ++ns)
        for (See &see : see_[seeRow_[ns]]) {
            see.shift = PeriodBits - 4;
            see.summ = uint16_t((2 * ns + 5) << see.shift);
            see.count = 7;
        }
}

// The memory ran out while the model grew from MaxContext down to c1: undo
// that step, then restart the model or cut it down.
void Model::restoreModel(Context *c1)
{
    text_ = base_ + alignOffset_;
    Context *c = maxContext_;
    for (; c != c1; c = suffixOf(c)) {
        if (--c->numStats == 0) {
            State *s = statesOf(c);
            c->flags = uint8_t((c->flags & 0x10) + highFlag(s->symbol));
            *oneState(c) = *s;
            freeSingleUnit(s);
            oneState(c)->freq = uint8_t((oneState(c)->freq + 11u) >> 3);
        } else {
            refresh(c, (c->numStats + 3u) >> 1, 0);
        }
    }
    for (; c != minContext_; c = suffixOf(c)) {
        if (c->numStats == 0) {
            State *s = oneState(c);
            s->freq = uint8_t(s->freq - (s->freq >> 1));
        } else if ((c->summFreq = uint16_t(c->summFreq + 4)) > 128 + 4 * c->numStats) {
            refresh(c, (c->numStats + 2u) >> 1, 1);
        }
    }

    if (restoreMethod_ == RestoreRestart || usedMemory() < (size_ >> 1)) {
        restartModel();
        return;
    }
    while (maxContext_->suffix)
        maxContext_ = suffixOf(maxContext_);
    do {
        cutOff(maxContext_, 0);
        expandTextArea();
    } while (usedMemory() > 3 * (size_ >> 2));
    glueCount_ = 0;
    orderFall_ = maxOrder_;
}

// Drops what points into the (now discarded) text and what lies deeper than
// the model's order; returns the context's new reference, 0 when it is gone.
uint32_t Model::cutOff(Context *c, unsigned order)
{
    if (c->numStats == 0) {
        State *s = oneState(c);
        if (successor(s) >= ref(unitsStart_)) {
            if (order < maxOrder_)
                setSuccessor(s, cutOff(context(successor(s)), order + 1));
            else
                setSuccessor(s, 0);
            if (successor(s) || order <= OrderBound)
                return ref(c);
        }
        freeSingleUnit(c);
        return 0;
    }

    const unsigned units = (c->numStats + 2u) >> 1;
    c->stats = ref(moveUnitsUp(statesOf(c), units));
    State *stats = statesOf(c);
    int i = c->numStats;
    for (int k = i; k >= 0; --k) {
        State *s = stats + k;
        if (successor(s) < ref(unitsStart_)) {
            setSuccessor(s, 0);
            std::swap(*s, stats[i--]);
        } else if (order < maxOrder_) {
            setSuccessor(s, cutOff(context(successor(s)), order + 1));
        } else {
            setSuccessor(s, 0);
        }
    }
    if (i != c->numStats && order) {
        c->numStats = uint8_t(i);
        if (i < 0) {
            freeUnits(stats, units);
            freeSingleUnit(c);
            return 0;
        }
        if (i == 0) {
            c->flags = uint8_t((c->flags & 0x10) + highFlag(stats->symbol));
            *oneState(c) = *stats;
            freeUnits(stats, units);
            oneState(c)->freq = uint8_t((oneState(c)->freq + 11u) >> 3);
        } else {
            refresh(c, units, c->summFreq > 16 * unsigned(i));
        }
    }
    return ref(c);
}

void Model::refresh(Context *c, unsigned oldNU, unsigned scale)
{
    unsigned i = c->numStats;
    auto *s = static_cast<State *>(shrinkUnits(statesOf(c), oldNU, (i + 2) >> 1));
    c->stats = ref(s);
    unsigned flags = (c->flags & (0x10 + 0x04 * scale)) + highFlag(s->symbol);
    unsigned escFreq = c->summFreq - s->freq;
    s->freq = uint8_t((s->freq + scale) >> scale);
    unsigned sumFreq = s->freq;
    do {
        escFreq -= (++s)->freq;
        s->freq = uint8_t((s->freq + scale) >> scale);
        sumFreq += s->freq;
        flags |= highFlag(s->symbol);
    } while (--i);
    c->summFreq = uint16_t(sumFreq + ((escFreq + scale) >> scale));
    c->flags = uint8_t(flags);
}

void Model::rescale()
{
    Context *mc = minContext_;
    State *stats = statesOf(mc);
    State *s = foundState_;
    {
        const State found = *s;
        for (; s != stats; --s)
            s[0] = s[-1];
        *s = found;
    }
    unsigned escFreq = mc->summFreq - s->freq;
    const unsigned adder = orderFall_ != 0;
    s->freq = uint8_t((s->freq + 4u + adder) >> 1);
    unsigned sumFreq = s->freq;
    unsigned i = mc->numStats;
    do {
        escFreq -= (++s)->freq;
        s->freq = uint8_t((s->freq + adder) >> 1);
        sumFreq += s->freq;
        if (s[0].freq > s[-1].freq) {
            State *s1 = s;
            const State moved = *s1;
            do
                s1[0] = s1[-1];
            while (--s1 != stats && moved.freq > s1[-1].freq);
            *s1 = moved;
        }
    } while (--i);

    if (s->freq == 0) {
        const unsigned numStats = mc->numStats;
        i = 0;
        do
            ++i;
        while ((--s)->freq == 0);
        escFreq += i;
        mc->numStats = uint8_t(mc->numStats - i);
        if (mc->numStats == 0) {
            State only = *stats;
            const unsigned freq = escFreq ? (2 * only.freq + escFreq - 1) / escFreq : MaxFreq / 3;
            only.freq = uint8_t(std::min(freq, MaxFreq / 3));
            insertNode(stats, unitsToIndex((numStats + 2) >> 1));
            mc->flags = uint8_t((mc->flags & 0x10) + highFlag(only.symbol));
            *(foundState_ = oneState(mc)) = only;
            return;
        }
        const unsigned n0 = (numStats + 2) >> 1, n1 = (mc->numStats + 2u) >> 1;
        if (n0 != n1)
            mc->stats = ref(shrinkUnits(stats, n0, n1));
        unsigned flags = mc->flags & ~0x08u;
        s = statesOf(mc);
        flags |= highFlag(s->symbol);
        i = mc->numStats;
        do
            flags |= highFlag((++s)->symbol);
        while (--i);
        mc->flags = uint8_t(flags);
    }
    mc->summFreq = uint16_t(sumFreq + escFreq - (escFreq >> 1));
    mc->flags |= 0x04;
    foundState_ = statesOf(mc);
}

// The model guarantees that a suffix holds every symbol of its children;
// the search is bounded all the same.
State *Model::findSymbol(Context *c, uint8_t symbol) const
{
    State *s = statesOf(c);
    for (unsigned n = c->numStats + 1u; n; --n, ++s)
        if (s->symbol == symbol)
            return s;
    return nullptr;
}

Context *Model::createSuccessors(bool skip, State *s1, Context *c)
{
    const uint32_t upBranch = successor(foundState_);
    State *ps[MaxOrder + 2];
    unsigned numPs = 0;
    if (!skip)
        ps[numPs++] = foundState_;

    while (c->suffix) {
        c = suffixOf(c);
        State *s;
        if (s1) {
            s = s1;
            s1 = nullptr;
        } else if (c->numStats != 0) {
            s = findSymbol(c, foundState_->symbol);
            if (!s)
                return nullptr;
            if (s->freq < MaxFreq - 9) {
                ++s->freq;
                ++c->summFreq;
            }
        } else {
            s = oneState(c);
            s->freq = uint8_t(s->freq + ((suffixOf(c)->numStats == 0) & (s->freq < 24)));
        }
        const uint32_t next = successor(s);
        if (next != upBranch) {
            c = context(next);
            break;
        }
        if (numPs == std::size(ps))
            return nullptr;
        ps[numPs++] = s;
    }
    if (numPs == 0)
        return c;

    State up;
    up.symbol = base_[upBranch];
    setSuccessor(&up, upBranch + 1);
    const auto flags = uint8_t((foundState_->symbol >= 0x40 ? 0x10 : 0) + highFlag(up.symbol));
    if (c->numStats == 0) {
        up.freq = oneState(c)->freq;
    } else {
        const State *s = findSymbol(c, up.symbol);
        if (!s)
            return nullptr;
        const uint32_t cf = s->freq - 1u;
        const uint32_t s0 = c->summFreq - c->numStats - cf;
        up.freq = uint8_t(1 + (2 * cf <= s0 ? uint32_t(5 * cf > s0) : (cf + 2 * s0 - 3) / std::max(s0, 1u)));
    }

    do {
        Context *c1 = allocContext();
        if (!c1)
            return nullptr;
        c1->numStats = 0;
        c1->flags = flags;
        *oneState(c1) = up;
        c1->suffix = ref(c);
        setSuccessor(ps[--numPs], ref(c1));
        c = c1;
    } while (numPs != 0);
    return c;
}

Context *Model::reduceOrder(State *s1, Context *c)
{
    State *s = nullptr;
    Context *const c1 = c;
    const uint32_t upBranch = ref(text_);
    setSuccessor(foundState_, upBranch);
    ++orderFall_;
    for (;;) {
        if (s1) {
            c = suffixOf(c);
            s = s1;
            s1 = nullptr;
        } else {
            if (!c->suffix)
                return c;
            c = suffixOf(c);
            if (c->numStats) {
                s = findSymbol(c, foundState_->symbol);
                if (!s)
                    return nullptr;
                if (s->freq < MaxFreq - 9) {
                    s->freq = uint8_t(s->freq + 2);
                    c->summFreq = uint16_t(c->summFreq + 2);
                }
            } else {
                s = oneState(c);
                s->freq = uint8_t(s->freq + (s->freq < 32));
            }
        }
        if (successor(s))
            break;
        setSuccessor(s, upBranch);
        ++orderFall_;
    }
    if (successor(s) <= upBranch) {
        State *const found = foundState_;
        foundState_ = s;
        Context *made = createSuccessors(false, nullptr, c);
        setSuccessor(s, made ? ref(made) : 0);
        foundState_ = found;
    }
    if (orderFall_ == 1 && c1 == maxContext_) {
        setSuccessor(foundState_, successor(s));
        --text_;
    }
    return successor(s) ? context(successor(s)) : nullptr;
}

void Model::updateModel()
{
    uint32_t fSuccessor = successor(foundState_);
    const unsigned fFreq = foundState_->freq;
    const uint8_t fSymbol = foundState_->symbol;
    State *s = nullptr;

    if (fFreq < MaxFreq / 4 && minContext_->suffix != 0) {
        Context *c = suffixOf(minContext_);
        if (c->numStats == 0) {
            s = oneState(c);
            if (s->freq < 32)
                ++s->freq;
        } else {
            s = statesOf(c);
            if (s->symbol != fSymbol) {
                s = findSymbol(c, fSymbol);
                if (!s) {
                    restoreModel(maxContext_);
                    return;
                }
                if (s[0].freq >= s[-1].freq) {
                    std::swap(s[0], s[-1]);
                    --s;
                }
            }
            if (s->freq < MaxFreq - 9) {
                s->freq = uint8_t(s->freq + 2);
                c->summFreq = uint16_t(c->summFreq + 2);
            }
        }
    }

    Context *c = maxContext_;
    if (orderFall_ == 0 && fSuccessor) {
        Context *made = createSuccessors(true, s, minContext_);
        if (!made) {
            setSuccessor(foundState_, 0);
            restoreModel(c);
        } else {
            setSuccessor(foundState_, ref(made));
            maxContext_ = made;
        }
        return;
    }

    *text_++ = fSymbol;
    uint32_t successorRef = ref(text_);
    if (text_ >= unitsStart_) {
        restoreModel(c);
        return;
    }

    if (!fSuccessor) {
        Context *made = reduceOrder(s, minContext_);
        if (!made) {
            restoreModel(c);
            return;
        }
        fSuccessor = ref(made);
    } else if (fSuccessor < ref(unitsStart_)) {
        Context *made = createSuccessors(false, s, minContext_);
        if (!made) {
            restoreModel(c);
            return;
        }
        fSuccessor = ref(made);
    }

    if (--orderFall_ == 0) {
        successorRef = fSuccessor;
        text_ -= maxContext_ != minContext_;
    }

    const unsigned ns = minContext_->numStats;
    const uint32_t s0 = minContext_->summFreq - ns - fFreq;
    const unsigned flag = highFlag(fSymbol);

    for (; c != minContext_; c = suffixOf(c)) {
        const unsigned ns1 = c->numStats;
        if (ns1 != 0) {
            if (ns1 & 1) {
                // The states fill their units: one more.
                const unsigned oldNU = (ns1 + 1) >> 1;
                const unsigned i = unitsToIndex(oldNU);
                if (i != unitsToIndex(oldNU + 1)) {
                    void *p = allocUnits(i + 1);
                    if (!p) {
                        restoreModel(c);
                        return;
                    }
                    void *old = statesOf(c);
                    copyUnits(p, old, oldNU);
                    insertNode(old, i);
                    c->stats = ref(p);
                }
            }
            c->summFreq = uint16_t(c->summFreq + (3 * ns1 + 1 < ns));
        } else {
            auto *s2 = static_cast<State *>(allocUnits(0));
            if (!s2) {
                restoreModel(c);
                return;
            }
            *s2 = *oneState(c);
            c->stats = ref(s2);
            if (s2->freq < MaxFreq / 4 - 1)
                s2->freq = uint8_t(s2->freq << 1);
            else
                s2->freq = MaxFreq - 4;
            c->summFreq = uint16_t(s2->freq + initEsc_ + (ns > 2));
        }
        uint32_t cf = 2 * fFreq * (c->summFreq + 6u);
        const uint32_t sf = s0 + c->summFreq;
        if (cf < 6 * sf) {
            cf = 1 + (cf > sf) + (cf >= 4 * sf);
            c->summFreq = uint16_t(c->summFreq + 4);
        } else {
            cf = 4 + (cf > 9 * sf) + (cf > 12 * sf) + (cf > 15 * sf);
            c->summFreq = uint16_t(c->summFreq + cf);
        }
        State *added = statesOf(c) + ns1 + 1;
        setSuccessor(added, successorRef);
        added->symbol = fSymbol;
        added->freq = uint8_t(cf);
        c->flags = uint8_t(c->flags | flag);
        c->numStats = uint8_t(ns1 + 1);
    }
    maxContext_ = minContext_ = context(fSuccessor);
}

void Model::nextContext()
{
    const uint32_t next = successor(foundState_);
    if (orderFall_ == 0 && next >= ref(unitsStart_)) {
        minContext_ = maxContext_ = context(next);
    } else {
        updateModel();
        minContext_ = maxContext_;
    }
}

void Model::update1()
{
    State *s = foundState_;
    s->freq = uint8_t(s->freq + 4);
    minContext_->summFreq = uint16_t(minContext_->summFreq + 4);
    if (s[0].freq > s[-1].freq) {
        std::swap(s[0], s[-1]);
        foundState_ = --s;
        if (s->freq > MaxFreq)
            rescale();
    }
    nextContext();
}

void Model::update1First()
{
    prevSuccess_ = 2u * foundState_->freq >= minContext_->summFreq;
    runLength_ += int32_t(prevSuccess_);
    minContext_->summFreq = uint16_t(minContext_->summFreq + 4);
    if ((foundState_->freq = uint8_t(foundState_->freq + 4)) > MaxFreq)
        rescale();
    nextContext();
}

void Model::update2()
{
    minContext_->summFreq = uint16_t(minContext_->summFreq + 4);
    if ((foundState_->freq = uint8_t(foundState_->freq + 4)) > MaxFreq)
        rescale();
    runLength_ = initRL_;
    updateModel();
    minContext_ = maxContext_;
}

void Model::updateBin()
{
    foundState_->freq = uint8_t(foundState_->freq + (foundState_->freq < 196));
    prevSuccess_ = 1;
    ++runLength_;
    nextContext();
}

See *Model::makeEscFreq(unsigned numMasked, uint32_t &escFreq)
{
    const Context *mc = minContext_;
    const unsigned ns = mc->numStats;
    if (ns == 0xFF) {
        escFreq = 1;
        return &dummySee_;
    }
    const unsigned column =
        (mc->summFreq > 11 * (ns + 1)) + 2 * (2 * ns < suffixOf(mc)->numStats + numMasked) + mc->flags;
    See *see = &see_[seeRow_[ns]][column & 31];
    const unsigned r = see->summ >> see->shift;
    see->summ = uint16_t(see->summ - r);
    escFreq = r + (r == 0);
    return see;
}

int Model::decodeSymbol()
{
    uint8_t charMask[256];
    Context *mc = minContext_;
    if (mc->numStats != 0) {
        State *s = statesOf(mc);
        const uint32_t summ = mc->summFreq;
        const uint32_t count = threshold(summ);
        uint32_t hiCnt = s->freq;
        if (count < hiCnt) {
            decodeRange(0, s->freq);
            foundState_ = s;
            const uint8_t symbol = s->symbol;
            update1First();
            return symbol;
        }
        prevSuccess_ = 0;
        unsigned i = mc->numStats;
        do {
            if ((hiCnt += (++s)->freq) > count) {
                decodeRange(hiCnt - s->freq, s->freq);
                foundState_ = s;
                const uint8_t symbol = s->symbol;
                update1();
                return symbol;
            }
        } while (--i);
        if (count >= summ)
            return -2;
        decodeRange(hiCnt, summ - hiCnt);
        std::memset(charMask, 0xFF, sizeof charMask);
        charMask[s->symbol] = 0;
        i = mc->numStats;
        do
            charMask[(--s)->symbol] = 0;
        while (--i);
    } else {
        State *s = oneState(mc);
        const unsigned column =
            ns2BsIndx_[suffixOf(mc)->numStats] + prevSuccess_ + mc->flags + unsigned((runLength_ >> 26) & 0x20);
        uint16_t &prob = binSumm_[binRow_[uint8_t(s->freq - 1)]][column & 63];
        range_ >>= TotBits;
        if (code_ / range_ < prob) {
            decodeRange(0, prob);
            prob = uint16_t(prob + Interval - mean(prob));
            foundState_ = s;
            const uint8_t symbol = s->symbol;
            updateBin();
            return symbol;
        }
        decodeRange(prob, BinScale - prob);
        prob = uint16_t(prob - mean(prob));
        initEsc_ = ExpEscape[prob >> 10];
        std::memset(charMask, 0xFF, sizeof charMask);
        charMask[s->symbol] = 0;
        prevSuccess_ = 0;
    }

    for (;;) {
        const unsigned numMasked = minContext_->numStats;
        do {
            ++orderFall_;
            if (!minContext_->suffix)
                return -1;
            minContext_ = suffixOf(minContext_);
        } while (minContext_->numStats == numMasked);
        mc = minContext_;

        // A sound model has exactly this many unmasked symbols here; the
        // scan still never leaves the context's states.
        const unsigned unmasked = mc->numStats - numMasked;
        State *ps[256];
        unsigned n = 0;
        uint32_t hiCnt = 0;
        State *s = statesOf(mc);
        for (unsigned k = mc->numStats + 1u; k && n != unmasked; --k, ++s)
            if (charMask[s->symbol]) {
                ps[n++] = s;
                hiCnt += s->freq;
            }

        uint32_t freqSum;
        See *see = makeEscFreq(numMasked, freqSum);
        freqSum += hiCnt;
        const uint32_t count = threshold(freqSum);
        if (count < hiCnt) {
            State **pps = ps;
            hiCnt = 0;
            while ((hiCnt += (*pps)->freq) <= count)
                ++pps;
            s = *pps;
            decodeRange(hiCnt - s->freq, s->freq);
            seeUpdate(see);
            foundState_ = s;
            const uint8_t symbol = s->symbol;
            update2();
            return symbol;
        }
        if (count >= freqSum)
            return -2;
        decodeRange(hiCnt, freqSum - hiCnt);
        see->summ = uint16_t(see->summ + freqSum);
        while (n)
            charMask[ps[--n]->symbol] = 0;
    }
}

}  // namespace unzeng::ppmd
