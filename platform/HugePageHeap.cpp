#include "platform/HugePageHeap.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <elf.h>
#include <fcntl.h>
#include <link.h>
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

struct ProgramHeaders {
    const ElfW(Phdr) *table = nullptr;
    size_t count = 0;
};

int firstObject(dl_phdr_info *info, size_t, void *data)
{
    auto *headers = static_cast<ProgramHeaders *>(data);
    headers->table = info->dlpi_phdr;
    headers->count = info->dlpi_phnum;
    return 1;  // the loader lists the program itself first
}

// True when `path` holds the program that runs, told by its program headers.
// Started through the loader by hand ("ld-linux-x86-64.so.2 orvexzip ..."),
// /proc/self/exe names the loader, which would take our arguments for its own.
bool holdsThisProgram(const char *path)
{
    ProgramHeaders running;
    ::dl_iterate_phdr(firstObject, &running);
    if (!running.table || running.count == 0)
        return false;
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    ElfW(Ehdr) header{};
    std::vector<ElfW(Phdr)> table(running.count);
    const size_t tableSize = running.count * sizeof(ElfW(Phdr));
    const bool same = ::pread(fd, &header, sizeof header, 0) == ssize_t(sizeof header)
                      && std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 && header.e_phentsize == sizeof(ElfW(Phdr))
                      && header.e_phnum == running.count
                      && ::pread(fd, table.data(), tableSize, off_t(header.e_phoff)) == ssize_t(tableSize)
                      && std::memcmp(table.data(), running.table, tableSize) == 0;
    ::close(fd);
    return same;
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

void startWithHugePageHeap(char **argv, bool restart)
{
    if (const char *before = std::getenv(Restore)) {
        restoreTunables(std::string(before).c_str());
        return;
    }
    if (!restart)
        return;
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
        if (holdsThisProgram(self))
            ::execv(self, argv);
    }
    restoreTunables(before.c_str());  // not started again: go on as we are
}

}  // namespace platform
