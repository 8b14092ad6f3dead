// The library's one exported symbol. Everything else is hidden.
#include <cstdint>

extern "C" {
struct UnzipCallRecord;
__attribute__((visibility("default"))) int32_t orvex_unzeng_call(UnzipCallRecord *record);
}

#include "engine/common/SystemCalls.h"
#include "engine/unzeng/Extraction.h"
#include "engine/unzeng/Reporter.h"
#include "engine/unzeng/Unzeng.h"

#include <exception>

extern "C" int32_t orvex_unzeng_call(UnzipCallRecord *record)
{
    if (!record)
        return 0;
    unzeng::Reporter reporter(record->Callback, record->Instance, unzeng::reporterOptions());
    int32_t count = 0;
    {
        // Reads the test build's fault plan; nothing in a normal build.
        const common::sys::FaultScope faults;
        unzeng::Extraction extraction(*record, reporter);
        count = extraction.run();
    }
    // The caller's own exception, after the clean-up above.
    if (reporter.failure())
        std::rethrow_exception(reporter.failure());
    return count;
}
