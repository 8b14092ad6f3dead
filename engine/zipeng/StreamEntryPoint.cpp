// The streaming writer's exported entry points (StreamWriter.h). Each one
// turns what the writer throws into a message; after a failure or a cancel
// every call but finish does nothing and says to stop, and finish leaves
// nothing behind.

#include "engine/zipeng/ZipEngineLibrary.h"

#include "engine/common/SystemCalls.h"
#include "engine/zipeng/ErrorCodes.h"
#include "engine/zipeng/JobOptions.h"
#include "engine/zipeng/Reporter.h"
#include "engine/zipeng/StreamWriter.h"

#include <exception>
#include <memory>
#include <new>
#include <optional>

struct ZipStream {
    explicit ZipStream(const ZipStreamRecord &record)
        : reporter(record.Callback, record.Instance,
                   zipeng::reporterOptions(record.VerboseFlag != 0, record.TraceFlag != 0))
    {
    }
    // Reads the test build's fault plan for the stream's whole life.
    common::sys::FaultScope faults;
    zipeng::Reporter reporter;
    zipeng::JobOptions options;
    std::optional<zipeng::StreamWriter> writer;
    bool broken = false;
};

namespace {

using namespace zipeng;

// Runs `step` on a stream that still works; any failure breaks it.
template <typename Step>
int32_t guarded(ZipStream *stream, Step step)
{
    if (!stream || stream->broken || !stream->writer)
        return ZipStreamStop;
    Reporter &reporter = stream->reporter;
    const std::string &archive = stream->options.archive;
    try {
        return step(*stream->writer);
    } catch (const Cancelled &) {
        reporter.message(InfoCode, "Cancelled: " + archive + " was not written");
    } catch (const JobError &error) {
        reporter.message(error.code, error.message);
    } catch (const std::bad_alloc &) {
        reporter.message(OutOfMemory, "Out of memory; " + archive + " was not written");
    } catch (const std::exception &error) {
        reporter.message(InternalError, std::string("Internal error: ") + error.what());
    } catch (...) {
        reporter.message(InternalError, "Internal error; " + archive + " was not written");
    }
    stream->broken = true;
    return ZipStreamStop;
}

}  // namespace

extern "C" ORVEX_ZIPENG_EXPORT ZipStream *orvex_zipeng_stream_begin(const ZipStreamRecord *record)
{
    if (!record)
        return nullptr;
    std::unique_ptr<ZipStream> stream;
    try {
        stream = std::make_unique<ZipStream>(*record);
        Reporter &reporter = stream->reporter;
        if (record->Version != EngineInterfaceVersion) {
            reporter.message(BadParameters, "Unsupported interface version " + std::to_string(record->Version));
            reporter.batchEnd();
            return nullptr;
        }
        if (!record->ArchiveName || !*record->ArchiveName) {
            reporter.message(BadParameters, "No archive name was given");
            reporter.batchEnd();
            return nullptr;
        }
        if (record->Password && (record->PasswordLength <= 0 || record->PasswordLength > MaxPasswordLength)) {
            reporter.message(BadParameters, "The password's length " + std::to_string(record->PasswordLength)
                                                + " is not from 1 to " + std::to_string(MaxPasswordLength) + " bytes");
            reporter.batchEnd();
            return nullptr;
        }
        stream->options.archive = record->ArchiveName;
        stream->options.level = record->Level;
        if (record->Password)
            stream->options.password = Secret(std::string_view(record->Password, size_t(record->PasswordLength)));
        stream->writer.emplace(stream->options, reporter, record->ReplaceFlag != 0);
    } catch (...) {
        return nullptr;  // no memory for the stream or its reporter
    }
    ZipStream *raw = stream.get();
    if (guarded(raw,
                [](StreamWriter &writer) {
                    writer.open();
                    return ZipStreamGoOn;
                })
        != ZipStreamGoOn) {
        try {
            raw->reporter.batchEnd();
        } catch (...) {
        }
        return nullptr;
    }
    return stream.release();
}

extern "C" ORVEX_ZIPENG_EXPORT int32_t orvex_zipeng_stream_entry(ZipStream *stream, const ZipStreamEntry *entry)
{
    if (!entry)
        return ZipStreamStop;
    return guarded(stream, [entry](StreamWriter &writer) { return writer.beginEntry(*entry); });
}

extern "C" ORVEX_ZIPENG_EXPORT int32_t orvex_zipeng_stream_data(ZipStream *stream, const void *bytes, uint64_t length)
{
    if (!bytes && length > 0)
        return ZipStreamStop;
    return guarded(stream, [bytes, length](StreamWriter &writer) {
        writer.data({static_cast<const uint8_t *>(bytes), size_t(length)});
        return ZipStreamGoOn;
    });
}

extern "C" ORVEX_ZIPENG_EXPORT int32_t orvex_zipeng_stream_end_entry(ZipStream *stream, int32_t complete)
{
    return guarded(stream, [complete](StreamWriter &writer) {
        return writer.endEntry(complete != 0) ? ZipStreamGoOn : ZipStreamPassed;
    });
}

extern "C" ORVEX_ZIPENG_EXPORT int32_t orvex_zipeng_stream_finish(ZipStream *stream, int32_t commit)
{
    if (!stream)
        return -1;
    const std::unique_ptr<ZipStream> owned(stream);
    int32_t written = -1;
    if (commit)
        guarded(stream, [&written](StreamWriter &writer) {
            written = writer.finish();
            return ZipStreamGoOn;
        });
    // The temporary archive goes with the writer unless it was put in place.
    stream->writer.reset();
    try {
        stream->reporter.batchEnd();
    } catch (...) {
    }
    return written;
}
