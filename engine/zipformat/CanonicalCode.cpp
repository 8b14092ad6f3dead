#include "engine/zipformat/CanonicalCode.h"

namespace zipformat {

CodeLengthCounts countCodeLengths(const uint8_t *lengths, unsigned count)
{
    CodeLengthCounts counts;
    for (unsigned s = 0; s < count; ++s)
        ++counts.perLength[lengths[s]];
    counts.perLength[0] = 0;
    int left = 1;  // bit patterns of the current length no code has taken
    for (unsigned len = 1; len <= MaxCodeLength; ++len) {
        left = left * 2 - int(counts.perLength[len]);
        if (left < 0) {
            counts.overSubscribed = true;
            return counts;
        }
        counts.used += counts.perLength[len];
        if (counts.perLength[len])
            counts.longest = len;
    }
    counts.incomplete = left > 0;
    return counts;
}

void sortByCode(const uint8_t *lengths, unsigned count, const CodeLengthCounts &counts, uint16_t *sorted)
{
    std::array<unsigned, MaxCodeLength + 1> next{};
    for (unsigned len = 1; len < MaxCodeLength; ++len)
        next[len + 1] = next[len] + counts.perLength[len];
    for (unsigned s = 0; s < count; ++s)
        if (lengths[s])
            sorted[next[lengths[s]]++] = uint16_t(s);
}

}  // namespace zipformat
