// orvex97-reader: reads one archive for its parent, confined (Confinement.h).
//   orvex97-reader --memory BYTES --cpu SECONDS
//       serves one request on its standard input (ReaderProtocol.h), the
//       archive open as descriptor 3;
//   orvex97-reader --memory BYTES --cpu SECONDS --run PROGRAM ARGUMENTS...
//       confines itself the same way, then becomes PROGRAM.
// Started only by ConfinedProcess; nobody runs it by hand.
#include "engine/otherformats/ConfinedProcess.h"
#include "engine/otherformats/Confinement.h"
#include "engine/otherformats/ReaderService.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

uint64_t memoryLimit = 0;

// The address space the process has had at its largest, from the kernel.
uint64_t peakAddressSpace()
{
    FILE *status = std::fopen("/proc/self/status", "re");
    if (!status)
        return 0;
    char line[256];
    unsigned long long kib = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmPeak: %llu kB", &kib) == 1)
            break;
    std::fclose(status);
    return uint64_t(kib) << 10;
}

// The reader leaves by _exit() alone: exit() is libarchive giving up, which
// it does when an allocation fails. Near the memory limit that is the limit
// reached, and said so; a buffer that doubles fails once it holds half.
void libraryGaveUp()
{
    if (memoryLimit && peakAddressSpace() >= memoryLimit / 2)
        ::_exit(otherformats::reader_exit::OutOfMemory);
}

bool number(const char *text, uint64_t &value)
{
    if (!text)
        return false;
    char *end = nullptr;
    value = std::strtoull(text, &end, 10);
    return end && *end == '\0' && end != text;
}

}  // namespace

int main(int argc, char **argv)
{
    using namespace otherformats;
    ConfinementRules rules;
    int next = 1;
    if (argc < 5 || std::strcmp(argv[1], "--memory") != 0 || !number(argv[2], rules.memoryBytes)
        || std::strcmp(argv[3], "--cpu") != 0 || !number(argv[4], rules.cpuSeconds))
        return reader_exit::BadRequest;
    next = 5;
    const bool run = next < argc && std::strcmp(argv[next], "--run") == 0;
    if (run && next + 1 >= argc)
        return reader_exit::BadRequest;
    rules.becomesProgram = run;
    if (!confineThisProcess(rules))
        ::_exit(reader_exit::BadRequest);
    if (run) {
        if (rules.memoryBytes)
            limitAddressSpace(rules.memoryBytes);
        ::execv(argv[next + 1], argv + next + 1);
        ::_exit(reader_exit::CannotRun);
    }
    memoryLimit = sanitizerBuild() ? 0 : rules.memoryBytes;
    std::atexit(libraryGaveUp);
    // _exit: nothing at exit is ours to run, and a leak check's threads
    // would be refused by the filter.
    ::_exit(serveReader(0, 1, 3));
}
