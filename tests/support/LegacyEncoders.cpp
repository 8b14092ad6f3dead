#include "support/LegacyEncoders.h"

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>
#include <queue>
#include <unordered_map>
#include <vector>

namespace ziptest {

void LsbBitWriter::put(uint32_t value, unsigned bits)
{
    pending_ |= uint64_t(value) << count_;
    count_ += bits;
    while (count_ >= 8) {
        out_.push_back(char(pending_ & 0xFF));
        pending_ >>= 8;
        count_ -= 8;
    }
}

void LsbBitWriter::putReversed(uint32_t code, unsigned bits)
{
    while (bits-- > 0)
        put((code >> bits) & 1, 1);
}

std::string LsbBitWriter::finish()
{
    if (count_ > 0)
        out_.push_back(char(pending_ & 0xFF));
    pending_ = 0;
    count_ = 0;
    return std::move(out_);
}

namespace {

struct Match {
    size_t length = 0;
    size_t distance = 0;
};

// Greedy LZ77 matching through hash chains on the first two or three bytes.
class Matcher {
public:
    Matcher(const std::string &data, size_t window, size_t minLength, size_t maxLength)
        : data_(data), window_(window), minLength_(minLength), maxLength_(maxLength), head_(1u << 16, -1),
          previous_(data.size(), -1)
    {
    }

    Match find(size_t pos) const
    {
        Match best;
        if (pos + minLength_ > data_.size())
            return best;
        const size_t limit = std::min(maxLength_, data_.size() - pos);
        int tries = 64;
        for (long candidate = head_[hash(pos)]; candidate >= 0 && tries-- > 0 && pos - size_t(candidate) <= window_;
             candidate = previous_[size_t(candidate)]) {
            size_t length = 0;
            while (length < limit && data_[size_t(candidate) + length] == data_[pos + length])
                ++length;
            if (length > best.length)
                best = {length, pos - size_t(candidate)};
        }
        return best.length >= minLength_ ? best : Match{};
    }

    void insert(size_t pos)
    {
        if (pos + minLength_ > data_.size())
            return;
        const size_t h = hash(pos);
        previous_[pos] = head_[h];
        head_[h] = long(pos);
    }

private:
    size_t hash(size_t pos) const
    {
        const auto byte = [&](size_t k) { return uint32_t(uint8_t(data_[pos + k])); };
        if (minLength_ == 2)
            return byte(0) << 8 | byte(1);
        return ((byte(0) << 16 | byte(1) << 8 | byte(2)) * 2654435761u) >> 16;
    }

    const std::string &data_;
    size_t window_, minLength_, maxLength_;
    std::vector<long> head_, previous_;
};

}  // namespace

// The encoder keeps the very table the decoder will build: a code's entry is
// made when the decoder reads the next code, at the lowest free code. It
// never sends a code the decoder has yet to define, and clears only when the
// last code sent survives the clear (the decoder would otherwise define a
// code from itself).
std::string shrink(const std::string &data, size_t clearEvery)
{
    constexpr unsigned Codes = 8192, FirstFree = 257;
    LsbBitWriter out;
    if (data.empty())
        return out.finish();
    std::array<int, Codes> parent{};
    std::array<bool, Codes> inUse{}, extended{};
    std::unordered_map<uint32_t, unsigned> entries;  // parent << 8 | byte -> code
    std::array<uint8_t, Codes> last{};
    unsigned codeSize = 9, nextFree = FirstFree, previous = Codes, lastDefined = 256;
    size_t sinceClear = 0;

    // A code's first byte follows its prefixes: a surviving code's prefix
    // may be freed and defined anew.
    auto firstByte = [&](unsigned code) {
        while (code >= FirstFree)
            code = unsigned(parent[code]);
        return uint8_t(code);
    };
    auto findFree = [&] {
        while (nextFree < Codes && (inUse[nextFree] || extended[nextFree]))
            ++nextFree;
    };
    auto emit = [&](unsigned code) {
        while (code >= (1u << codeSize)) {
            out.put(256, codeSize);
            out.put(1, codeSize);
            ++codeSize;
        }
        out.put(code, codeSize);
        if (previous < Codes && nextFree < Codes) {
            parent[nextFree] = int(previous);
            last[nextFree] = firstByte(code);
            inUse[nextFree] = true;
            entries[uint32_t(previous) << 8 | last[nextFree]] = nextFree;
            lastDefined = nextFree;
            findFree();
        }
        previous = code;
        ++sinceClear;
    };
    // Only codes defined since the last clear take part, and marks on codes
    // above them stay, as in the decoder.
    auto partialClear = [&] {
        auto marks = extended;
        for (unsigned c = FirstFree; c <= lastDefined; ++c)
            if (inUse[c] && parent[c] >= int(FirstFree))
                marks[size_t(parent[c])] = true;
        if (previous >= FirstFree && previous <= lastDefined && !marks[previous])
            return;
        out.put(256, codeSize);
        out.put(2, codeSize);
        extended = marks;
        for (unsigned c = FirstFree; c <= lastDefined; ++c) {
            if (extended[c]) {
                extended[c] = false;
            } else if (inUse[c]) {
                inUse[c] = false;
                const auto entry = entries.find(uint32_t(parent[c]) << 8 | last[c]);
                if (entry != entries.end() && entry->second == c)
                    entries.erase(entry);
            }
        }
        lastDefined = 256;
        nextFree = FirstFree;
        findFree();
        sinceClear = 0;
    };

    unsigned current = uint8_t(data[0]);
    for (size_t i = 1; i < data.size(); ++i) {
        const uint8_t byte = uint8_t(data[i]);
        const auto found = entries.find(current << 8 | byte);
        if (found != entries.end()) {
            current = found->second;
            continue;
        }
        emit(current);
        current = byte;
        if (nextFree == Codes || (clearEvery > 0 && sinceClear >= clearEvery))
            partialClear();
    }
    emit(current);
    return out.finish();
}

std::string reduce(const std::string &data, unsigned factor)
{
    constexpr uint8_t Dle = 144;
    const unsigned lengthBits = 8 - factor, lengthMask = (1u << lengthBits) - 1;
    // The LZ77 layer first, as bytes: DLE 0 for a literal DLE; DLE, the
    // length and the distance's high bits, the length's extra byte when the
    // length field is full, the distance's low byte.
    std::string bytes;
    Matcher matcher(data, size_t(256) << factor, 3, lengthMask + 255 + 3);
    for (size_t pos = 0; pos < data.size();) {
        const Match m = matcher.find(pos);
        const size_t length = m.length - 3 * (m.length > 0), high = (m.distance - 1) >> 8;
        // A first byte of 0 would read as a literal DLE.
        if (m.length == 0 || (high == 0 && length == 0)) {
            const uint8_t byte = uint8_t(data[pos]);
            bytes.push_back(char(byte));
            if (byte == Dle)
                bytes.push_back(0);
            matcher.insert(pos++);
            continue;
        }
        bytes.push_back(char(Dle));
        bytes.push_back(char(high << lengthBits | std::min<size_t>(length, lengthMask)));
        if (length >= lengthMask)
            bytes.push_back(char(length - lengthMask));
        bytes.push_back(char((m.distance - 1) & 0xFF));
        for (size_t end = pos + m.length; pos < end;)
            matcher.insert(pos++);
    }

    // Each byte's follower set: its most frequent successors, up to 32.
    std::vector<std::array<unsigned, 256>> counts(256);
    uint8_t previous = 0;
    for (char c : bytes) {
        ++counts[previous][uint8_t(c)];
        previous = uint8_t(c);
    }
    std::vector<std::vector<uint8_t>> sets(256);
    for (size_t j = 0; j < 256; ++j) {
        std::vector<uint8_t> order(256);
        std::iota(order.begin(), order.end(), uint8_t(0));
        std::stable_sort(order.begin(), order.end(), [&](uint8_t a, uint8_t b) { return counts[j][a] > counts[j][b]; });
        for (size_t k = 0; k < 32 && counts[j][order[k]] > 0; ++k)
            sets[j].push_back(order[k]);
    }
    LsbBitWriter out;
    for (size_t j = 256; j-- > 0;) {
        out.put(unsigned(sets[j].size()), 6);
        for (uint8_t b : sets[j])
            out.put(b, 8);
    }
    previous = 0;
    for (char c : bytes) {
        const auto &set = sets[previous];
        const auto at = std::find(set.begin(), set.end(), uint8_t(c));
        if (set.empty()) {
            out.put(uint8_t(c), 8);
        } else if (at == set.end()) {
            out.put(1, 1);
            out.put(uint8_t(c), 8);
        } else {
            unsigned bits = 1;
            while ((1u << bits) < set.size())
                ++bits;
            out.put(0, 1);
            out.put(unsigned(at - set.begin()), bits);
        }
        previous = uint8_t(c);
    }
    return out.finish();
}

namespace {

// Huffman lengths of at most 16 bits for every symbol (each count is made at
// least 1); flatter counts until the longest fits.
std::vector<uint8_t> codeLengths(std::vector<uint64_t> counts)
{
    for (;;) {
        const size_t n = counts.size();
        std::vector<size_t> parent(2 * n, 0);
        using Node = std::pair<uint64_t, size_t>;
        std::priority_queue<Node, std::vector<Node>, std::greater<>> queue;
        for (size_t i = 0; i < n; ++i)
            queue.push({std::max<uint64_t>(counts[i], 1), i});
        size_t next = n;
        while (queue.size() > 1) {
            const Node a = queue.top();
            queue.pop();
            const Node b = queue.top();
            queue.pop();
            parent[a.second] = parent[b.second] = next;
            queue.push({a.first + b.first, next++});
        }
        const size_t root = next - 1;
        std::vector<uint8_t> lengths(n);
        bool fits = true;
        for (size_t i = 0; i < n; ++i) {
            unsigned depth = 0;
            for (size_t k = i; k != root; k = parent[k])
                ++depth;
            fits = fits && depth <= 16;
            lengths[i] = uint8_t(depth);
        }
        if (fits)
            return lengths;
        for (auto &c : counts)
            c = c / 2 + 1;
    }
}

// Implode's code of each symbol: handed out from the longest length to the
// shortest, symbols of one length in falling order, counting up from zero.
std::vector<uint32_t> treeCodes(const std::vector<uint8_t> &lengths)
{
    std::vector<size_t> order(lengths.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return lengths[a] < lengths[b]; });
    std::vector<uint32_t> codes(lengths.size());
    uint32_t code = 0, step = 0;
    unsigned last = 0;
    for (size_t i = order.size(); i-- > 0;) {
        code += step;
        const unsigned length = lengths[order[i]];
        if (length != last) {
            last = length;
            step = uint32_t(1) << (16 - length);
        }
        codes[order[i]] = code >> (16 - length);
    }
    return codes;
}

void putTree(LsbBitWriter &out, const std::vector<uint8_t> &lengths)
{
    std::string runs;
    for (size_t i = 0; i < lengths.size();) {
        size_t run = 1;
        while (i + run < lengths.size() && run < 16 && lengths[i + run] == lengths[i])
            ++run;
        runs.push_back(char((run - 1) << 4 | (lengths[i] - 1u)));
        i += run;
    }
    out.put(uint32_t(runs.size() - 1), 8);
    for (char c : runs)
        out.put(uint8_t(c), 8);
}

}  // namespace

uint16_t implodeFlags(bool largeWindow, bool literalTree)
{
    return uint16_t((largeWindow ? 2 : 0) | (literalTree ? 4 : 0));
}

std::string implode(const std::string &data, bool largeWindow, bool literalTree)
{
    const unsigned lowBits = largeWindow ? 7 : 6;
    const size_t minLength = literalTree ? 3 : 2;
    struct Token {
        size_t length = 0;  // 0: the literal `byte`
        size_t distance = 0;
        uint8_t byte = 0;
    };
    std::vector<Token> tokens;
    std::vector<uint64_t> literalCounts(256), lengthCounts(64), distanceCounts(64);
    Matcher matcher(data, size_t(1) << (lowBits + 6), minLength, minLength + 63 + 255);
    for (size_t pos = 0; pos < data.size();) {
        const Match m = matcher.find(pos);
        if (m.length == 0) {
            tokens.push_back({0, 0, uint8_t(data[pos])});
            ++literalCounts[uint8_t(data[pos])];
            matcher.insert(pos++);
            continue;
        }
        tokens.push_back({m.length, m.distance, 0});
        ++lengthCounts[std::min<size_t>(m.length - minLength, 63)];
        ++distanceCounts[(m.distance - 1) >> lowBits];
        for (size_t end = pos + m.length; pos < end;)
            matcher.insert(pos++);
    }

    const auto literalLengths = codeLengths(literalCounts), lengthLengths = codeLengths(lengthCounts),
               distanceLengths = codeLengths(distanceCounts);
    const auto literalCodes = treeCodes(literalLengths), lengthCodes = treeCodes(lengthLengths),
               distanceCodes = treeCodes(distanceLengths);
    LsbBitWriter out;
    if (literalTree)
        putTree(out, literalLengths);
    putTree(out, lengthLengths);
    putTree(out, distanceLengths);
    for (const Token &t : tokens) {
        if (t.length == 0) {
            out.put(1, 1);
            if (literalTree)
                out.putReversed(literalCodes[t.byte], literalLengths[t.byte]);
            else
                out.put(t.byte, 8);
            continue;
        }
        out.put(0, 1);
        const size_t distance = t.distance - 1, length = t.length - minLength, symbol = std::min<size_t>(length, 63);
        out.put(uint32_t(distance & ((1u << lowBits) - 1)), lowBits);
        out.putReversed(distanceCodes[distance >> lowBits], distanceLengths[distance >> lowBits]);
        out.putReversed(lengthCodes[symbol], lengthLengths[symbol]);
        if (symbol == 63)
            out.put(uint32_t(length - 63), 8);
    }
    return out.finish();
}

}  // namespace ziptest
