#pragma once
// The reader process closing itself in before it reads an untrusted archive:
// no descriptors but its pipes and the archive, a working folder that no
// longer exists, limits on memory, processor time and file size, and a
// seccomp filter that refuses every call that writes, removes or renames a
// file, starts a program or a second process (unless it is to become a
// program; threads it may start), opens a socket or signals another process.

#include <cstdint>

namespace otherformats {

struct ConfinementRules {
    uint64_t memoryBytes = 0;
    uint64_t cpuSeconds = 0;
    bool becomesProgram = false;  // it will exec one program after this
};

// False when a step that must not be skipped failed; the reader then does
// not read.
bool confineThisProcess(const ConfinementRules &rules);

// The address-space limit, set last for a program about to be started: set
// earlier, it would stop a sanitizer's runtime from mapping its memory.
void limitAddressSpace(uint64_t bytes);

// Whether this build carries a sanitizer, whose runtime needs address space
// far beyond any limit: its memory is then watched by a thread instead.
bool sanitizerBuild();

}  // namespace otherformats
