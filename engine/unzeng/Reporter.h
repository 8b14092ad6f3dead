#pragma once
// This library's reporter: the shared one (engine/common/Reporter.h). A
// message's text is made printable, with a NUL shown as "\0"; an action-1
// name keeps its bytes but for the NUL, which would end the record's text.
// What the callback throws is kept, and rethrown by the entry point once
// the extraction has cleaned up.

#include "engine/common/Reporter.h"

namespace unzeng {

using common::Reporter;

Reporter::Options reporterOptions();

}  // namespace unzeng
