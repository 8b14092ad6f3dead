// The reader's limits, with what the environment sets instead.
#include "engine/otherformats/OtherFormats.h"

#include <algorithm>
#include <cstdlib>

namespace otherformats {

namespace {

// A positive whole number from the environment, or none.
std::optional<uint64_t> fromEnvironment(const char *name)
{
    const char *text = std::getenv(name);
    if (!text || !*text)
        return std::nullopt;
    char *end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (*end != '\0' || value == 0 || text[0] == '-')
        return std::nullopt;
    return uint64_t(value);
}

}  // namespace

ReaderLimits defaultReaderLimits()
{
    ReaderLimits limits;
    if (const auto megabytes = fromEnvironment("ORVEX97_READER_MEMORY_MB"); megabytes && *megabytes < (1ull << 40))
        limits.memoryBytes = *megabytes << 20;
    if (const auto milliseconds = fromEnvironment("ORVEX97_READER_QUIET_MS"))
        limits.quiet = std::chrono::milliseconds(int64_t(std::min<uint64_t>(*milliseconds, 1ull << 40)));
    if (const auto seconds = fromEnvironment("ORVEX97_READER_CPU_SECONDS"))
        limits.cpuSeconds = *seconds;
    return limits;
}

}  // namespace otherformats
