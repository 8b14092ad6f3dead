#pragma once
// The codes unzeng gives its messages (the callback's error number). They
// live below both the library and the archive component, which counts and
// words the failed members by them.

#include <cstdint>

namespace unzeng {

enum MessageCode : int32_t {
    CodeInfo = 0,
    CodeWarning = 1,
    CodeMemberError = 2,
    CodeArchiveError = 3,
    CodeNotAnArchive = 9,
    CodeBadRequest = 10,
    CodeNotMatched = 11,
    CodeWriteError = 50,
    CodeUnsupported = 81,
};

// How an extraction ends the note (code 0) on a file it left in place
// because it exists and overwriting was not asked for, in both readers.
inline constexpr const char *KeptExistingText = "exists and is not overwritten";

// The codes of a member that could not be extracted or checked.
constexpr bool isMemberFailure(int32_t code)
{
    return code == CodeMemberError || code == CodeWriteError || code == CodeUnsupported;
}

}  // namespace unzeng
