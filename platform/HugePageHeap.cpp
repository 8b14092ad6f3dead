#include "platform/HugePageHeap.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include <unistd.h>

namespace platform {

namespace {

const char *const Tunables = "GLIBC_TUNABLES";
const char *const HugePages = "glibc.malloc.hugetlb=1";
// Set for the second start: the tunables the user had, "-" for none.
const char *const Restore = "ORVEX_TUNABLES_BEFORE";

// "always" needs no switch, "never" ignores it.
bool hugePagesOnRequest()
{
    std::ifstream setting("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string line;
    return std::getline(setting, line) && line.find("[madvise]") != std::string::npos;
}

void restoreTunables(const char *before)
{
    if (std::strcmp(before, "-") == 0)
        ::unsetenv(Tunables);
    else
        ::setenv(Tunables, before, 1);
    ::unsetenv(Restore);
}

}  // namespace

void startWithHugePageHeap(char **argv)
{
    if (const char *before = std::getenv(Restore)) {
        restoreTunables(std::string(before).c_str());
        return;
    }
    const char *current = std::getenv(Tunables);
    if (!hugePagesOnRequest() || (current && std::strstr(current, "glibc.malloc.hugetlb")))
        return;
    const std::string before = current ? current : "-";
    const std::string wanted = current && *current ? std::string(current) + ":" + HugePages : HugePages;
    ::setenv(Restore, before.c_str(), 1);
    ::setenv(Tunables, wanted.c_str(), 1);
    // The file itself, not /proc/self/exe: the process is named after the
    // file it runs, and task lists should show this program's name.
    char self[4096];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        self[length] = '\0';
        ::execv(self, argv);
    }
    restoreTunables(before.c_str());  // not started again: go on as we are
}

}  // namespace platform
