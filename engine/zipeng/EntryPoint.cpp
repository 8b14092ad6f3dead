// The library's entry point for add and delete (the streaming writer's are
// in StreamEntryPoint.cpp).

#include "engine/zipeng/ZipEngineLibrary.h"

#include "engine/common/SystemCalls.h"
#include "engine/zipeng/Reporter.h"
#include "engine/zipeng/ZipJob.h"

extern "C" ORVEX_ZIPENG_EXPORT int32_t orvex_zipeng_call(ZipCallRecord *record)
{
    if (!record)
        return 0;
    // Reads the test build's fault plan; nothing in a normal build.
    const common::sys::FaultScope faults;
    int32_t result = 0;
    try {
        zipeng::Reporter reporter(record->Callback, record->Instance,
                                  zipeng::reporterOptions(record->VerboseFlag != 0, record->TraceFlag != 0));
        zipeng::JobOptions options;
        if (zipeng::readRecord(*record, options, reporter))
            result = zipeng::runJob(options, reporter);
        try {
            reporter.batchEnd();
        } catch (...) {
        }
    } catch (...) {
        // Only the reporter itself can get here (no memory for a message);
        // nothing may unwind into the caller's C frames.
        result = 0;
    }
    return result;
}
