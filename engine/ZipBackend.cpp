#include "engine/ZipBackend.h"

#include "engine/ArchiveDirectoryReader.h"
#include "engine/CallRecordFilling.h"
#include "engine/ZipEntryStream.h"
#include "engine/ZipError.h"
#include "engine/zipformat/SplitParts.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>

EngineLibraries EngineLibraries::linked()
{
    return EngineLibraries{&orvex_zipeng_call, &orvex_unzeng_call, &orvex_zipeng_rename};
}

namespace orvex {

namespace {

std::string passwordTooLong(size_t limit)
{
    return "Error - the password is longer than " + std::to_string(limit) + " bytes";
}

}  // namespace

// What one operation's callbacks need; the records' Instance points here.
struct ZipBackend::Call {
    explicit Call(ArchiveEvents &to) : events(to) {}
    ArchiveEvents &events;
    const ExtractRequest *extraction = nullptr;  // set for an extraction or a test
    OperationResult result;
    bool stop = false;  // the whole operation stops, its later slices too
    // The password given last in this operation: the library is called once
    // per slice of specifications, and the user is asked once.
    std::string password;

    ~Call() { std::fill(password.begin(), password.end(), '\0'); }
    bool stopRequested() const { return stop || events.stopRequested(); }
    int32_t handle(const CallbackRecord &record);
    int32_t answerPassword(const char *member, int32_t attempt, char *buffer, int32_t bufferSize,
                           int32_t *passwordLength);
};

ZipBackend::ZipBackend(std::string archive, ZipLibraries &libraries)
    : archive_(std::move(archive)), libraries_(libraries)
{
}

void ZipBackend::list(const std::string &nameCharset, ArchiveEvents &events, ArchiveListing &listing)
{
    const zipformat::ReadProgress progress = [&events](uint64_t members, uint64_t done, uint64_t total) {
        events.readProgress(int64_t(members), int64_t(done), int64_t(total));
        if (events.stopRequested())
            throw EReadCancelled("Reading the archive was cancelled");
    };
    listing.format.clear();
    listing.parts = zipformat::findSplitParts(archive_).paths.size();
    try {
        ArchiveDirectoryReader::read(archive_, listing.entries, progress, &listing.comments);
    } catch (const EReadCancelled &) {
        throw;
    } catch (...) {
        // The members read before the failure are listed: their names too.
        decodeEntryNames(listing.entries, nameCharset);
        throw;
    }
    decodeEntryNames(listing.entries, nameCharset);
}

OperationResult ZipBackend::extract(const ExtractRequest &request, const std::vector<ArchiveEntry> &,
                                    ArchiveEvents &events)
{
    Call call(events);
    call.extraction = &request;
    UnzipCallRecord &record = *libraries_.unzipRecord;
    fillExtractRecord(record, request, {&call, &ZipBackend::callback, &ZipBackend::passwordCallback});
    return callInSlices(call, record, libraries_.entryPoints.unzip, request.specs, request.target);
}

StreamOutcome ZipBackend::readEntries(const std::vector<ArchiveEntry> &, const std::string &nameCharset,
                                      EntrySink &sink, ArchiveEvents &events)
{
    return readZipEntries(archive_, nameCharset, libraries_.entryPoints.unzip, sink, events);
}

OperationResult ZipBackend::add(const AddRequest &request, ArchiveEvents &events)
{
    Call call(events);
    ZipCallRecord &record = *libraries_.zipRecord;
    fillAddRecord(record, request, {&call, &ZipBackend::callback, nullptr});
    OperationResult result =
        callInSlices(call, record, libraries_.entryPoints.zip, request.specs, request.baseDirectory);
    record.Password = nullptr;  // the request's bytes go with it
    record.PasswordLength = 0;
    return result;
}

OperationResult ZipBackend::remove(const DeleteRequest &request, ArchiveEvents &events)
{
    Call call(events);
    ZipCallRecord &record = *libraries_.zipRecord;
    fillDeleteRecord(record, request, {&call, &ZipBackend::callback, nullptr});
    return callInSlices(call, record, libraries_.entryPoints.zip, request.specs, std::string());
}

OperationResult ZipBackend::rename(const RenameRequest &request, ArchiveEvents &events)
{
    Call call(events);
    ZipRenameRecord record{};
    record.Version = EngineInterfaceVersion;
    record.Instance = &call;
    record.Callback = &ZipBackend::callback;
    record.ArchiveName = archive_.c_str();
    record.VerboseFlag = request.flags.verbose || request.flags.trace;
    record.TraceFlag = request.flags.trace;
    record.OldName = request.from.c_str();
    record.NewName = request.to.c_str();
    record.CommentFlag = request.setComment;
    record.Comment = request.comment.data();
    record.CommentLength = int32_t(std::min(request.comment.size(), std::size_t(INT32_MAX)));
    try {
        if (!libraries_.entryPoints.rename)
            throw std::logic_error("no rename entry point");
        const int32_t result = libraries_.entryPoints.rename(&record);
        if (!call.result.handlerFailed)
            call.result.count = result;
    } catch (...) {
        call.result.handlerFailed = true;
    }
    return call.result;
}

template <typename Record>
OperationResult ZipBackend::callInSlices(Call &call, Record &record, int32_t (*library)(Record *),
                                         const std::vector<std::string> &specs, const std::string &baseDirectory)
{
    record.BaseDirectory = baseDirectory.empty() ? nullptr : baseDirectory.c_str();
    int32_t total = 0;
    size_t first = 0;
    do {
        const size_t count = std::min(specs.size() - first, size_t(MaxFileSpecs));
        setFileSpecs(record, archive_, specs, first, count);
        try {
            const int32_t result = library(&record);
            if (!call.result.handlerFailed)
                total += result;
        } catch (...) {
            call.result.handlerFailed = true;
        }
        first += count;
    } while (!call.result.handlerFailed && !call.stopRequested() && first < specs.size());
    call.result.count = total;
    // The record's pointers die with the request.
    record.ArchiveName = nullptr;
    record.BaseDirectory = nullptr;
    std::fill(std::begin(record.FileSpecs), std::begin(record.FileSpecs) + record.FileSpecCount, nullptr);
    return call.result;
}

int32_t ZipBackend::passwordCallback(void *instance, const char *member, int32_t attempt, char *buffer,
                                     int32_t bufferSize, int32_t *passwordLength)
{
    return static_cast<Call *>(instance)->answerPassword(member, attempt, buffer, bufferSize, passwordLength);
}

int32_t ZipBackend::Call::answerPassword(const char *member, int32_t attempt, char *buffer, int32_t bufferSize,
                                         int32_t *passwordLength)
{
    if (!buffer || bufferSize <= 0 || !passwordLength)
        return PasswordCancel;
    try {
        // A later slice of the same operation starts with the password the
        // user already gave, without asking again.
        const bool reuse = attempt == 1 && !password.empty();
        if (!reuse) {
            std::string given;
            const PasswordAnswer answer = events.password(member ? member : "", attempt, given);
            if (answer == PasswordAnswer::Cancel) {
                result.cancelled = true;
                return PasswordCancel;
            }
            if (answer == PasswordAnswer::None)
                return PasswordNone;
            std::fill(password.begin(), password.end(), '\0');
            password = std::move(given);
        }
        // Never cut: a part of the password would only be refused as wrong.
        const size_t room = size_t(std::min(bufferSize, MaxPasswordLength));
        if (password.size() > room) {
            // Each later slice would only refuse the same password again.
            stop = true;
            result.cancelled = true;
            events.notice(passwordTooLong(room));
            return PasswordCancel;
        }
        std::memcpy(buffer, password.data(), password.size());
        *passwordLength = int32_t(password.size());
        return PasswordGiven;
    } catch (...) {
        result.handlerFailed = true;
        return PasswordCancel;
    }
}

int32_t ZipBackend::callback(CallbackRecord *record)
{
    return static_cast<Call *>(record->Instance)->handle(*record);
}

int32_t ZipBackend::Call::handle(const CallbackRecord &record)
{
    // An error must not unwind through the library's frames: it stops the
    // call instead and is reported when the call has returned.
    try {
        switch (record.Action) {
        case ZipActionFileBegin: events.progress(FileBegin, record.Text, record.FileSize); break;
        case ZipActionFileStep: events.progress(FileStep, " ", 0); break;
        case ZipActionBatchEnd: events.progress(BatchEnd, " ", 0); break;
        case ZipActionWorking: events.progress(Working, " ", 0); break;
        case ZipActionMessage: {
            const std::string text = trimMessage(record.Text);
            if (extraction)
                result.countMemberMessage(*extraction, record.ErrorCode, text);
            events.message(record.ErrorCode, text);
            break;
        }
        default: break;
        }
    } catch (...) {
        result.handlerFailed = true;
        return 1;
    }
    if (!stopRequested())
        return 0;
    // At an extraction's end nothing is left to stop.
    if (!extraction || record.Action != ZipActionBatchEnd)
        result.cancelled = true;
    return 1;
}

}  // namespace orvex
