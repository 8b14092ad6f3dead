#pragma once
// The members of a file with no usable end record (an archive cut short, or
// no archive at all), found by walking its local headers from the first byte
// and stepping over each member's data. The listing shows these members and
// the extraction takes the whole ones from the same walk, so that the two
// agree on what a damaged archive holds. A split archive's parts are not
// walked by the extraction: only its directory says where each part's
// members start.

#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/MemberTable.h"

#include <vector>

namespace zipformat {

// What stopped the walk. A walk always stops at one of these, since a file
// whose end record can be used is read by its directory instead.
enum class WalkEnd {
    NoSignature,     // the file ended where the next record's signature was looked for
    HeaderCutShort,  // a local header or its name runs past the end of the file
    DataPastEnd,     // a member's data does not end an end record's length before the end of the file
    Directory,       // a central-directory record or an end record, which was of no use
};

struct LocalHeaderWalk {
    // In file order. Without a directory, the fields TableMember calls the
    // central record's are the local header's; centralExtra stays empty, and
    // versionMadeBy and externalAttributes are 0, as no local header has them.
    // Every member is listed; one with a problem is not extracted.
    std::vector<TableMember> members;
    WalkEnd end = WalkEnd::NoSignature;
};

// Reads the file once, front to back, in memory that does not grow with it
// beyond the members' names and extra fields. `progress` is told the
// members found so far (with 0 for the rest) and may throw to stop the walk.
LocalHeaderWalk walkLocalHeaders(const RandomAccessSource &source, const ReadProgress &progress = {});

}  // namespace zipformat
