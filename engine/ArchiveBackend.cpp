#include "engine/ArchiveBackend.h"

#include "engine/common/MessageCode.h"

namespace orvex {

void OperationResult::countMemberMessage(const ExtractRequest &request, int code, const std::string &text)
{
    if (request.test && unzeng::isMemberFailure(code))
        ++testFailures;
    // With overwriting asked for, a file left in place was not older (update
    // and freshen), which is no file kept against the user's wish.
    if (code == unzeng::CodeInfo && !request.options.contains(ExtrOverWrite)
        && text.ends_with(unzeng::KeptExistingText))
        ++keptFiles;
}

}  // namespace orvex
