// Starts as the programs do and prints whether it was started again, the
// tunables it has then, and whether the restart marker is gone.
#include "platform/HugePageHeap.h"

#include <cstdio>
#include <cstdlib>

int main(int, char **argv)
{
    const bool restarted = std::getenv("ORVEX_TUNABLES_BEFORE") != nullptr;
    platform::startWithHugePageHeap(argv);
    const char *now = std::getenv("GLIBC_TUNABLES");
    const char *marker = std::getenv("ORVEX_TUNABLES_BEFORE");
    std::printf("%s|%s|%s\n", restarted ? "restarted" : "first", now ? now : "-", marker ? marker : "-");
    return 0;
}
