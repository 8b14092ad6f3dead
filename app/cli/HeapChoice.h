#pragma once
// Whether orvexzip starts again on the huge-page heap (platform/HugePageHeap.h)
// for its command line. The second start costs a few milliseconds; it pays
// back only where this process builds a large heap. A listing, test or
// extraction builds one only from a long member list, which a ZIP's end
// record counts before anything is read: those commands take the heap for
// a ZIP of ManyMembers members or more. Another format's member count is
// known only once it is read, and its reading is the reader process's work,
// so those commands never take it for one. The commands that write (add,
// delete, convert) keep it: they gather files and rewrite archives of any size.

#include <cstdint>
#include <span>

namespace cli {

// Below this many members the second start costs about what the huge pages save.
inline constexpr uint64_t ManyMembers = 50000;

// `arguments`: the command and what follows it (argv[1] on).
bool wantsHugePageHeap(std::span<char *const> arguments);

}  // namespace cli
