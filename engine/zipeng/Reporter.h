#pragma once
// This library's reporter: the shared one (engine/common/Reporter.h), with
// every name and message made printable, so that no name in them can break
// a line or turn text around. A callback's exception goes through to the
// entry point.

#include "engine/common/Reporter.h"

#include <cstdint>

namespace zipeng {

using common::Reporter;

Reporter::Options reporterOptions(bool verbose, bool trace);

// Steps of progress a file of this many bytes is worth: one per 32 KiB.
inline uint64_t stepsFor(uint64_t bytes)
{
    return bytes / 32768;
}

}  // namespace zipeng
