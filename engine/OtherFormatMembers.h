#pragma once
// The archive component's view of an archive in another format than ZIP:
// its entries as members of the listing, the
// selection the component's patterns choose, and the reader's problems as
// the component's messages, worded and coded as the ZIP extraction words and
// codes its own.

#include "engine/ArchiveEntry.h"
#include "engine/otherformats/OtherFormats.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvex {

// A DOS date-time of the local time `seconds` after the epoch, held to what
// the DOS fields can say (1980 to 2107); 0, an impossible stamp, when the
// format stored no time.
uint32_t dosDateTimeOf(int64_t seconds);

// The member the listing shows for `entry`: a folder's name ends in '/' and
// its size is 0, and a size the format does not give is marked unknown.
ArchiveEntry memberOf(const otherformats::Entry &entry);

// The indices of `members` the patterns name, each a stored name or a
// wildcard pattern, in the archive's order; the patterns that match
// nothing go to `unmatched`.
std::vector<uint64_t> selectMembers(const std::vector<ArchiveEntry> &members, const std::vector<std::string> &patterns,
                                    std::vector<std::string> &unmatched);

// A problem's line, in the words the ZIP extraction uses for the same case.
std::string problemText(const otherformats::Problem &problem);
// The message code the ZIP extraction gives the same case: 0 for a file
// kept by choice, a member's failure code for a member, 3 for the archive.
int32_t problemCode(const otherformats::Problem &problem);

}  // namespace orvex
