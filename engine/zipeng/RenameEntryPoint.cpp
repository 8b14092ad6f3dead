// The library's entry point for renaming members (RenameJob.h), beside the
// add's and delete's record: that record's layout is fixed, and a rename
// needs two names where it holds a list.

#include "engine/zipeng/ZipEngineLibrary.h"

#include "engine/common/ArchivePath.h"
#include "engine/common/SystemCalls.h"
#include "engine/zipeng/ErrorCodes.h"
#include "engine/zipeng/RenameJob.h"
#include "engine/zipeng/Reporter.h"
#include "engine/zipeng/ZipJob.h"
#include "engine/zipformat/ZipRecords.h"

#include <exception>
#include <new>

namespace {

using namespace zipeng;

int32_t rename(const ZipRenameRecord &record, Reporter &reporter)
{
    if (record.Version != EngineInterfaceVersion) {
        reporter.message(BadParameters, "Unsupported interface version " + std::to_string(record.Version));
        return 0;
    }
    if (!record.ArchiveName || !*record.ArchiveName) {
        reporter.message(BadParameters, "No archive name was given");
        return 0;
    }
    if (record.CommentFlag) {
        if (record.CommentLength < 0 || std::size_t(record.CommentLength) > zipformat::MaxCommentLength
            || (record.CommentLength > 0 && !record.Comment)) {
            reporter.message(BadParameters, "An archive comment holds at most 65,535 bytes");
            return 0;
        }
        const std::string archive = record.ArchiveName;
        const std::string comment(record.Comment ? record.Comment : "", std::size_t(record.CommentLength));
        JobOptions options;
        options.archive = archive;
        return reportFailures(archive, reporter, [&] {
            return RenameJob(options, reporter).setComment(common::resolveArchivePath(archive), comment);
        });
    }
    if (!record.OldName || !record.NewName) {
        reporter.message(BadParameters, "No member was named to rename");
        return 0;
    }
    const std::string archive = record.ArchiveName;
    JobOptions options;
    options.archive = archive;
    return reportFailures(archive, reporter, [&] {
        return RenameJob(options, reporter).run(common::resolveArchivePath(archive), record.OldName, record.NewName);
    });
}

}  // namespace

extern "C" ORVEX_ZIPENG_EXPORT int32_t orvex_zipeng_rename(const ZipRenameRecord *record)
{
    if (!record)
        return 0;
    // Reads the test build's fault plan; nothing in a normal build.
    const common::sys::FaultScope faults;
    int32_t result = 0;
    try {
        Reporter reporter(record->Callback, record->Instance,
                          reporterOptions(record->VerboseFlag != 0, record->TraceFlag != 0));
        result = rename(*record, reporter);
        try {
            reporter.batchEnd();
        } catch (...) {
        }
    } catch (...) {
        // Only the reporter itself can get here; nothing may unwind into the
        // caller's C frames.
        result = 0;
    }
    return result;
}
