// Starts as the programs do and prints whether it was started again, the
// tunables it has then, whether the restart marker is gone, and its name.
#include "platform/HugePageHeap.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int, char **argv)
{
    const bool restarted = std::getenv("ORVEX_TUNABLES_BEFORE") != nullptr;
    platform::startWithHugePageHeap(argv);
    const char *now = std::getenv("GLIBC_TUNABLES");
    const char *marker = std::getenv("ORVEX_TUNABLES_BEFORE");
    std::string name;
    std::getline(std::ifstream("/proc/self/comm"), name);
    std::printf("%s|%s|%s|%s\n", restarted ? "restarted" : "first", now ? now : "-", marker ? marker : "-",
                name.c_str());
    return 0;
}
