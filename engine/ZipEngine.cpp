#include "engine/ZipEngine.h"

#include "engine/ArchiveDirectoryReader.h"
#include "engine/ArchiveLock.h"
#include "engine/CallRecordFilling.h"
#include "engine/common/MessageCode.h"
#include "engine/otherformats/FormatNames.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why `path` cannot be extracted into, or empty when it can.
std::string unusableDirectoryReason(const std::string &path)
{
    if (path.empty())
        return std::strerror(ENOENT);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::strerror(errno);
    if (!S_ISDIR(st.st_mode))
        return std::strerror(ENOTDIR);
    if (::access(path.c_str(), X_OK | W_OK) != 0)
        return std::strerror(errno);
    return {};
}

// `path` made absolute against the current directory, which the program
// never changes; empty stays empty. "." components go, ".." stay: through a
// link, "a/.." is not where "a" lies.
std::string absolutePath(const std::string &path)
{
    if (path.empty())
        return path;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        return path;
    std::filesystem::path result;
    for (const auto &part : absolute)
        if (part != "." && !part.empty())
            result /= part;
    return result.string();
}

std::string passwordTooLong(size_t limit)
{
    return "Error - the password is longer than " + std::to_string(limit) + " bytes";
}

}  // namespace

EngineLibraries EngineLibraries::linked()
{
    return EngineLibraries{&orvex_zipeng_call, &orvex_unzeng_call};
}

TZipEngine::TZipEngine(EngineLibraries libraries)
    : libraries_(libraries), zipRecord_(std::make_unique<ZipCallRecord>()),
      unzipRecord_(std::make_unique<UnzipCallRecord>())
{
}

TZipEngine::~TZipEngine() = default;

const std::string &TZipEngine::ZipFilename() const
{
    return zipFilename_;
}

void TZipEngine::setZipFilename(const std::string &name)
{
    readMembers(name);
}

void TZipEngine::ReadDirectory()
{
    readMembers(zipFilename_);
}

void TZipEngine::readMembers(const std::string &name)
{
    // A cancel is for this read only, however it ends.
    struct ClearCancel {
        std::atomic<bool> &cancel;
        ~ClearCancel() { cancel = false; }
    } clearCancel{Cancel};
    std::vector<ArchiveEntry> read;
    std::string format;
    auto makeCurrent = [&] {
        zipFilename_ = name;
        otherFormat_ = std::move(format);
        entries_ = std::move(read);
    };
    if (!orvex::ArchiveDirectoryReader::archiveExists(name))
        return makeCurrent();
    try {
        if (readOtherFormat(name, read, format)) {
            makeCurrent();
            if (OnDirUpdate)
                OnDirUpdate(*this);
            return;
        }
    } catch (const EReadCancelled &) {
        throw;
    } catch (...) {
        makeCurrent();
        throw;
    }
    const zipformat::ReadProgress progress = [this](uint64_t members, uint64_t done, uint64_t total) {
        if (OnReadProgress)
            OnReadProgress(*this, int64_t(members), int64_t(done), int64_t(total));
        if (cancelRequested())
            throw EReadCancelled("Reading the archive was cancelled");
    };
    // The reader has closed the file by the time it returns, so a handler may
    // open the archive itself.
    try {
        orvex::ArchiveDirectoryReader::read(name, read, progress);
    } catch (const EReadCancelled &) {
        throw;
    } catch (...) {
        // The members read before the failure are listed: their names too.
        orvex::decodeEntryNames(read, NameCharset);
        makeCurrent();
        throw;
    }
    orvex::decodeEntryNames(read, NameCharset);
    makeCurrent();
    if (OnDirUpdate)
        OnDirUpdate(*this);
}

int TZipEngine::EntryCount() const
{
    return zipFilename_.empty() ? 0 : int(entries_.size());
}

const ArchiveEntry &TZipEngine::Entries(int index) const
{
    if (index < 0 || index >= EntryCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return entries_[size_t(index)];
}

// ---- Operations ----

void TZipEngine::notify(const std::string &text)
{
    if (MessageSink)
        MessageSink(text);
}

bool TZipEngine::cancelRequested() const
{
    return Cancel.load() || (CancelRequest && CancelRequest->load() != 0);
}

bool TZipEngine::lockArchive(orvex::ArchiveLock &lock)
{
    // A notice must not leave the operation half begun (ZipRunning set).
    auto inform = [this](const std::string &text) {
        try {
            if (OnMessage)
                OnMessage(*this, 0, text);
        } catch (...) {
        }
    };
    const auto outcome = lock.lock(
        absolutePath(zipFilename_), WaitForArchiveLock,
        [&] { inform("Waiting for another program to finish changing " + zipFilename_); },
        [this] { return cancelRequested(); });
    if (outcome == orvex::ArchiveLock::Locked)
        return true;
    LastResult = 0;  // not what the previous operation did
    if (outcome == orvex::ArchiveLock::Busy) {
        try {
            notify(ArchiveBusyText);
        } catch (...) {
        }
    } else {
        inform("Cancelled: " + zipFilename_ + " was left unchanged");
    }
    return false;
}

EngineCallSettings TZipEngine::settings()
{
    EngineCallSettings s;
    s.instance = this;
    s.callback = &TZipEngine::callback;
    s.verbose = Verbose;
    s.trace = Trace;
    s.level = AddCompLevel;
    s.addOptions = AddOptions;
    s.extractOptions = ExtrOptions;
    s.addPassword = AddPassword;
    s.nameCharset = NameCharset.c_str();
    s.passwordCallback = &TZipEngine::passwordCallback;
    return s;
}

template <typename Record>
void TZipEngine::callInSlices(Record &record, int32_t (*library)(Record *), const std::string &baseDirectory)
{
    // The strings stay alive for the whole call: the records point into them.
    const std::string archiveName = absolutePath(zipFilename_);
    record.BaseDirectory = baseDirectory.empty() ? nullptr : baseDirectory.c_str();
    const std::vector<std::string> specs = std::move(FileSpecs);
    FileSpecs.clear();

    int32_t total = 0;
    bool failed = false;
    size_t first = 0;
    do {
        const size_t count = std::min(specs.size() - first, size_t(MaxFileSpecs));
        setFileSpecs(record, archiveName, specs, first, count);
        handlerFailed_ = false;
        try {
            const int32_t result = library(&record);
            failed = handlerFailed_;
            if (!failed)
                total += result;
        } catch (...) {
            failed = true;
        }
        first += count;
    } while (!failed && !cancelRequested() && first < specs.size());

    if (failed)
        notify(FatalLibraryErrorText);  // LastResult keeps its earlier value
    else
        LastResult = total;
    // The record's pointers die with the strings above.
    record.ArchiveName = nullptr;
    record.BaseDirectory = nullptr;
    std::fill(std::begin(record.FileSpecs), std::begin(record.FileSpecs) + record.FileSpecCount, nullptr);
}

bool TZipEngine::refuseReadOnly()
{
    if (!ReadOnly())
        return false;
    LastResult = 0;  // not what the previous operation did
    FileSpecs.clear();
    notify("Error - " + zipFilename_ + " is a " + otherFormat_
           + " archive, which is read-only: save it as ZIP to change it");
    return true;
}

void TZipEngine::Add()
{
    if (refuseReadOnly())
        return;
    if (FileSpecs.empty()) {
        notify("Error - no files to zip");
        return;
    }
    if (ZipRunning)
        return;
    if (zipFilename_.empty()) {
        notify("Error - no zip file specified");
        return;
    }
    // ZIP data under a name like "x.tar.gz" would be taken for that format
    // by every other program.
    if (const std::string extension = otherformats::formatExtension(zipFilename_);
        !extension.empty() && !orvex::ArchiveDirectoryReader::archiveExists(zipFilename_)) {
        LastResult = 0;  // not what the previous operation did
        notify("Error - " + zipFilename_ + " names a " + extension
               + " archive, and only ZIP archives can be made: choose a name ending in .zip");
        return;
    }
    // What the extraction refuses to read must not be written either.
    if (AddPassword.size() > size_t(MaxPasswordLength)) {
        LastResult = 0;  // not what the previous operation did
        notify(passwordTooLong(size_t(MaxPasswordLength)));
        return;
    }
    // Cancel is not cleared here: the window may set it the moment the call
    // starts on its worker thread. Every operation clears it when it ends.
    ZipRunning = true;
    fillAddRecord(*zipRecord_, settings());
    if (orvex::ArchiveLock lock; lockArchive(lock)) {
        callInSlices(*zipRecord_, libraries_.zip, absolutePath(AddBaseDir.empty() ? "." : AddBaseDir));
        lock.unlock();  // before the re-read: another writer may go on
    }
    Cancel = false;
    ZipRunning = false;
    if (LastResult > 0)
        ReadDirectory();
}

void TZipEngine::Delete()
{
    if (refuseReadOnly())
        return;
    if (FileSpecs.empty()) {
        notify("Error - no files selected for deletion");
        return;
    }
    if (!orvex::ArchiveDirectoryReader::archiveExists(zipFilename_)) {
        notify("Error - no zip file specified");
        return;
    }
    if (ZipRunning)
        return;
    ZipRunning = true;
    fillDeleteRecord(*zipRecord_, settings());
    if (orvex::ArchiveLock lock; lockArchive(lock)) {
        callInSlices(*zipRecord_, libraries_.zip, std::string());
        lock.unlock();  // before the re-read: another writer may go on
    }
    Cancel = false;
    ZipRunning = false;
    if (LastResult > 0)
        ReadDirectory();
}

void TZipEngine::Extract()
{
    if (UnzipRunning)
        return;
    // Extracting into whatever directory happens to be current instead would
    // scatter the members where the user never asked for them.
    if (const std::string reason = unusableDirectoryReason(ExtrBaseDir); !reason.empty()) {
        notify("Error - cannot extract into " + (ExtrBaseDir.empty() ? std::string("\"\"") : ExtrBaseDir) + ": "
               + reason);
        return;
    }
    if (ReadOnly())
        return runOther(false, absolutePath(ExtrBaseDir));
    runUnzip(false, absolutePath(ExtrBaseDir));
}

void TZipEngine::Test()
{
    if (UnzipRunning)
        return;
    if (ReadOnly())
        return runOther(true, std::string());
    runUnzip(true, std::string());
}

void TZipEngine::runUnzip(bool test, const std::string &baseDirectory)
{
    UnzipRunning = true;
    LastTestFailures = 0;
    LastKeptFiles = 0;
    LastCancelled = false;
    testing_ = test;
    operationPassword_.clear();
    if (test)
        fillTestRecord(*unzipRecord_, settings());
    else
        fillExtractRecord(*unzipRecord_, settings());
    callInSlices(*unzipRecord_, libraries_.unzip, baseDirectory);
    std::fill(operationPassword_.begin(), operationPassword_.end(), '\0');
    operationPassword_.clear();
    testing_ = false;
    Cancel = false;
    UnzipRunning = false;
}

// ---- Callback ----

int32_t TZipEngine::passwordCallback(void *instance, const char *member, int32_t attempt, char *buffer,
                                     int32_t bufferSize, int32_t *passwordLength)
{
    return static_cast<TZipEngine *>(instance)->handlePassword(member, attempt, buffer, bufferSize, passwordLength);
}

int32_t TZipEngine::handlePassword(const char *member, int32_t attempt, char *buffer, int32_t bufferSize,
                                   int32_t *passwordLength)
{
    if (!buffer || bufferSize <= 0 || !passwordLength)
        return PasswordCancel;
    try {
        // A later slice of the same operation starts with the password the
        // user already gave, without asking again.
        const bool reuse = attempt == 1 && !operationPassword_.empty();
        if (!reuse) {
            if (!OnPassword)
                return PasswordNone;
            std::string password;
            const PasswordAnswer answer = OnPassword(member ? member : "", attempt, password);
            if (answer == PasswordAnswer::Cancel) {
                LastCancelled = true;
                return PasswordCancel;
            }
            if (answer == PasswordAnswer::None)
                return PasswordNone;
            operationPassword_ = std::move(password);
        }
        // Never cut: a part of the password would only be refused as wrong.
        const size_t room = size_t(std::min(bufferSize, MaxPasswordLength));
        if (operationPassword_.size() > room) {
            // The whole operation stops, the later slices too: each would
            // only refuse the same password again.
            Cancel = true;
            LastCancelled = true;
            notify(passwordTooLong(room));
            return PasswordCancel;
        }
        std::memcpy(buffer, operationPassword_.data(), operationPassword_.size());
        *passwordLength = int32_t(operationPassword_.size());
        return PasswordGiven;
    } catch (...) {
        handlerFailed_ = true;
        return PasswordCancel;
    }
}

int32_t TZipEngine::callback(CallbackRecord *record)
{
    auto *engine = static_cast<TZipEngine *>(record->Instance);
    return engine->handleCallback(*record);
}

int32_t TZipEngine::handleCallback(const CallbackRecord &record)
{
    // An error must not unwind through the library's frames: it stops the
    // call instead and is reported when the call has returned.
    try {
        switch (record.Action) {
        case ZipActionFileBegin:
            if (OnProgress)
                OnProgress(*this, FileBegin, record.Text, record.FileSize);
            break;
        case ZipActionFileStep:
            if (OnProgress)
                OnProgress(*this, FileStep, " ", 0);
            break;
        case ZipActionBatchEnd:
            if (OnProgress)
                OnProgress(*this, BatchEnd, " ", 0);
            break;
        case ZipActionWorking:
            if (OnProgress)
                OnProgress(*this, Working, " ", 0);
            break;
        case ZipActionMessage:
            if (UnzipRunning)
                memberMessage(record.ErrorCode, trimMessage(record.Text));
            else if (OnMessage)
                OnMessage(*this, record.ErrorCode, trimMessage(record.Text));
            break;
        default: break;
        }
    } catch (...) {
        handlerFailed_ = true;
        return 1;
    }
    if (!cancelRequested())
        return 0;
    // At the batch's end nothing is left to stop.
    if (UnzipRunning && record.Action != ZipActionBatchEnd)
        LastCancelled = true;
    return 1;
}

void TZipEngine::memberMessage(int32_t code, const std::string &text)
{
    if (testing_ && unzeng::isMemberFailure(code))
        ++LastTestFailures;
    // With overwriting asked for, a file left in place was not older (update
    // and freshen), which is no file kept against the user's wish.
    if (code == unzeng::CodeInfo && !ExtrOptions.contains(ExtrOverWrite) && text.ends_with(unzeng::KeptExistingText))
        ++LastKeptFiles;
    if (OnMessage)
        OnMessage(*this, code, text);
}
