#include "engine/common/Umask.h"

#include <cstdio>

namespace common {

mode_t currentUmask()
{
    if (FILE *status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "Umask: %o", &mask) == 1) {
                found = true;
                break;
            }
        std::fclose(status);
        if (found)
            return mode_t(mask & 0777);
    }
    // Without /proc the only way would be to set it and put it back, which
    // races with the caller's threads: the usual mask instead.
    return 022;
}

}  // namespace common
