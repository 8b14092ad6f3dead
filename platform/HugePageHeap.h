#pragma once
// A listing of a million members builds hundreds of megabytes of small
// blocks. With the heap on transparent huge pages the kernel maps and caches
// them 512 pages at a time, which halves the time to open such an archive.
// glibc takes that switch (the tunable glibc.malloc.hugetlb) only from the
// environment a program starts with, so the program starts itself once more
// with it set, and then puts the environment back, so that programs it runs
// do not inherit the switch.

namespace platform {

// Call first thing in main. Returns only in the process that goes on: the
// started-again one, or this one when huge pages are not offered (the
// system's setting is not "madvise"), the user set the tunable already, the
// program was started through the loader by hand (the file to start again is
// not known then), or the new start failed. Without `restart` (a run whose
// heap stays small, for which the second start would cost more than it
// gains) it only puts back the environment of a run that was started again.
void startWithHugePageHeap(char **argv, bool restart = true);

}  // namespace platform
