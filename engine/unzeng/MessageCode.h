#pragma once
// The codes unzeng gives its messages (the callback's error number).

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

}  // namespace unzeng
