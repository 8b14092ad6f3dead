#include "engine/ZipEngine.h"

#include "engine/ArchiveDirectoryReader.h"
#include "engine/ArchiveLock.h"
#include "engine/BackendChoice.h"
#include "engine/otherformats/FormatNames.h"
#include "engine/otherformats/WriteFormat.h"

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

// Which file `path` is and when it was last written: a change of the
// archive replaces it (a new file renamed over it), so another identity
// means the archive changed, also when the count of files is 0 (an add or
// delete of folders alone).
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t modifiedSeconds = 0;
    long modifiedNanoseconds = 0;
    bool operator==(const FileIdentity &) const = default;
};

FileIdentity identityOf(const std::string &path)
{
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return {};
    return {true, st.st_dev, st.st_ino, st.st_size, int64_t(st.st_mtim.tv_sec), st.st_mtim.tv_nsec};
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

}  // namespace

// The component's own events: each goes to its handler, when one is set.
class TZipEngine::HandlerEvents : public orvex::ComponentEvents {
public:
    explicit HandlerEvents(TZipEngine &engine) : engine_(engine) {}

    void progress(ProgressType type, const std::string &name, int64_t size) override
    {
        if (engine_.OnProgress)
            engine_.OnProgress(engine_, type, name, int32_t(std::clamp<int64_t>(size, 0, INT32_MAX)));
    }
    void readProgress(int64_t members, int64_t done, int64_t total) override
    {
        if (engine_.OnReadProgress)
            engine_.OnReadProgress(engine_, members, done, total);
    }
    void membersRead(std::span<const ArchiveEntry> members) override
    {
        if (engine_.OnMembersRead)
            engine_.OnMembersRead(engine_, members);
    }
    void message(int code, const std::string &text) override
    {
        if (engine_.OnMessage)
            engine_.OnMessage(engine_, code, text);
    }
    void notice(const std::string &text) override
    {
        if (engine_.MessageSink)
            engine_.MessageSink(text);
    }
    orvex::PasswordAnswer password(const std::string &member, int attempt, std::string &password) override
    {
        return engine_.OnPassword ? engine_.OnPassword(member, attempt, password) : orvex::PasswordAnswer::None;
    }
    bool stopRequested() const override { return engine_.cancelRequested(); }
    void directoryUpdated() override
    {
        if (engine_.OnDirUpdate)
            engine_.OnDirUpdate(engine_);
    }

private:
    TZipEngine &engine_;
};

TZipEngine::TZipEngine(EngineLibraries libraries)
    : libraries_(libraries), handlerEvents_(std::make_unique<HandlerEvents>(*this))
{
}

TZipEngine::~TZipEngine() = default;

orvex::ComponentEvents &TZipEngine::events()
{
    return *handlerEvents_;
}

const std::string &TZipEngine::ZipFilename() const
{
    return zipFilename_;
}

void TZipEngine::setZipFilename(const std::string &name)
{
    readMembers(name, events());
}

void TZipEngine::setZipFilename(const std::string &name, orvex::ComponentEvents &events)
{
    readMembers(name, events);
}

void TZipEngine::ReadDirectory()
{
    readMembers(zipFilename_, events());
}

void TZipEngine::ReadDirectory(orvex::ComponentEvents &events)
{
    readMembers(zipFilename_, events);
}

bool TZipEngine::setZipFilenameForAll(const std::string &name)
{
    orvex::ComponentEvents &events = this->events();
    std::unique_ptr<orvex::ArchiveBackend> backend;
    if (orvex::ArchiveDirectoryReader::archiveExists(name)) {
        backend = orvex::chooseBackend(absolutePath(name), libraries_, [&events] { return events.stopRequested(); });
        if (std::optional<std::string> format = backend->formatWithoutListing()) {
            zipFilename_ = name;
            otherFormat_ = std::move(*format);
            splitParts_ = 1;
            entries_.clear();
            comments_.clear();
            backend_ = std::move(backend);
            return false;
        }
    }
    readMembers(name, events, std::move(backend));
    return true;
}

void TZipEngine::readMembers(const std::string &name, orvex::ComponentEvents &events,
                             std::unique_ptr<orvex::ArchiveBackend> chosen)
{
    // A cancel is for this read only, however it ends.
    struct ClearCancel {
        std::atomic<bool> &cancel;
        ~ClearCancel() { cancel = false; }
    } clearCancel{Cancel};
    orvex::ArchiveListing read;
    std::unique_ptr<orvex::ArchiveBackend> backend = std::move(chosen);
    auto makeCurrent = [&] {
        zipFilename_ = name;
        otherFormat_ = std::move(read.format);
        splitParts_ = std::max<std::size_t>(read.parts, 1);
        entries_ = std::move(read.entries);
        comments_ = std::move(read.comments);
        backend_ = std::move(backend);
    };
    if (!orvex::ArchiveDirectoryReader::archiveExists(name))
        return makeCurrent();
    if (!backend)
        backend = orvex::chooseBackend(
            absolutePath(name), libraries_, [&events] { return events.stopRequested(); }, true);
    if (events.stopRequested())
        throw EReadCancelled("Reading the archive was cancelled");
    // The reader has closed the file by the time it returns, so a handler may
    // open the archive itself.
    try {
        backend->list(NameCharset, events, read);
    } catch (const EReadCancelled &) {
        throw;
    } catch (...) {
        // The members read before the failure are listed.
        makeCurrent();
        throw;
    }
    makeCurrent();
    events.directoryUpdated();
}

int TZipEngine::EntryCount() const
{
    return zipFilename_.empty() ? 0 : int(entries_.size());
}

const std::vector<ArchiveEntry> &TZipEngine::EntryList() const
{
    static const std::vector<ArchiveEntry> none;
    return zipFilename_.empty() ? none : entries_;
}

const ArchiveEntry &TZipEngine::Entries(int index) const
{
    if (index < 0 || index >= EntryCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return entries_[size_t(index)];
}

std::string TZipEngine::EntryComment(int index) const
{
    if (index < 0 || index >= EntryCount())
        return {};
    const auto found = std::lower_bound(comments_.begin(), comments_.end(), size_t(index),
                                        [](const MemberComment &c, size_t entry) { return c.entry < entry; });
    return found != comments_.end() && found->entry == size_t(index) ? found->text : std::string();
}

// ---- Operations ----

bool TZipEngine::cancelRequested() const
{
    return Cancel.load() || (CancelRequest && CancelRequest->load() != 0);
}

orvex::ArchiveBackend &TZipEngine::backend()
{
    if (!backend_)
        backend_ = orvex::chooseBackend(absolutePath(zipFilename_), libraries_);
    return *backend_;
}

bool TZipEngine::lockArchive(orvex::ArchiveLock &lock, orvex::ArchiveEvents &events)
{
    // A notice must not leave the operation half begun (ZipRunning set).
    auto inform = [&events](const std::string &text) {
        try {
            events.message(0, text);
        } catch (...) {
        }
    };
    const auto outcome = lock.lock(
        absolutePath(zipFilename_), WaitForArchiveLock,
        [&] { inform("Waiting for another program to finish changing " + zipFilename_); },
        [&events] { return events.stopRequested(); });
    if (outcome == orvex::ArchiveLock::Locked)
        return true;
    LastResult = 0;  // not what the previous operation did
    if (outcome == orvex::ArchiveLock::Busy) {
        try {
            events.notice(ArchiveBusyText);
        } catch (...) {
        }
    } else {
        inform("Cancelled: " + zipFilename_ + " was left unchanged");
    }
    return false;
}

void TZipEngine::takeResult(const orvex::OperationResult &result, orvex::ArchiveEvents &events)
{
    if (result.handlerFailed)
        events.notice(FatalLibraryErrorText);  // LastResult keeps its earlier value
    else
        LastResult = result.count;
}

bool TZipEngine::existingArchiveFree(orvex::ArchiveEvents &events)
{
    if (!orvex::ArchiveDirectoryReader::archiveExists(zipFilename_)) {
        events.notice("Error - no zip file specified");
        return false;
    }
    return !ZipRunning;
}

orvex::WriteAbilities TZipEngine::WriteAbilities()
{
    return backend().abilities();
}

std::string TZipEngine::ReadOnlyKind() const
{
    if (!otherFormat_.empty() && !(backend_ && backend_->writable()))
        return otherFormat_;
    return splitParts_ > 1 ? "split" : "";
}

bool TZipEngine::refuseReadOnly(orvex::ArchiveEvents &events, bool consumesSpecs)
{
    if (!ReadOnly())
        return false;
    LastResult = 0;  // not what the previous operation did
    if (consumesSpecs)
        FileSpecs.clear();
    events.notice("Error - " + zipFilename_ + " is a " + ReadOnlyKind()
                  + " archive, which is read-only: save it as ZIP to change it");
    return true;
}

orvex::AddRequest TZipEngine::addRequest() const
{
    return {.specs = FileSpecs,
            .baseDirectory = AddBaseDir,
            .options = AddOptions,
            .level = AddCompLevel,
            .password = orvex::Secret(AddPassword)};
}

orvex::ExtractRequest TZipEngine::extractRequest() const
{
    return {.specs = FileSpecs, .target = ExtrBaseDir, .options = ExtrOptions};
}

orvex::ExtractRequest TZipEngine::testRequest() const
{
    return {.specs = FileSpecs, .options = ExtrOptions, .test = true};
}

orvex::OperationResult TZipEngine::changeArchive(orvex::ComponentEvents &events,
                                                 const std::function<orvex::OperationResult()> &change,
                                                 bool consumesSpecs)
{
    // Cancel is not cleared here: the window may set it the moment the call
    // starts on its worker thread. Every operation clears it when it ends.
    ZipRunning = true;
    orvex::OperationResult result;
    const FileIdentity before = identityOf(zipFilename_);
    if (orvex::ArchiveLock lock; lockArchive(lock, events)) {
        if (consumesSpecs)
            FileSpecs.clear();  // an operation that reaches its library empties the list
        result = change();
        takeResult(result, events);
        lock.unlock();  // before the re-read: another writer may go on
    } else {
        result.cancelled = events.stopRequested();
    }
    Cancel = false;
    ZipRunning = false;
    if (ReadAfterChange && (LastResult > 0 || identityOf(zipFilename_) != before))
        ReadDirectory(events);
    return result;
}

orvex::StreamOutcome TZipEngine::ReadEntries(orvex::EntrySink &sink, orvex::ArchiveEvents &events)
{
    return backend().readEntries(entries_, NameCharset, sink, events);
}

void TZipEngine::Add()
{
    Add(addRequest(), events());
}

orvex::OperationResult TZipEngine::Add(orvex::AddRequest request, orvex::ComponentEvents &events)
{
    if (refuseReadOnly(events))
        return {};
    if (request.specs.empty()) {
        events.notice("Error - no files to zip");
        return {};
    }
    if (ZipRunning)
        return {};
    if (zipFilename_.empty()) {
        events.notice("Error - no zip file specified");
        return {};
    }
    // A new archive is made in the format its name gives; a name of a
    // format only read ("x.rar") would make ZIP data that every other
    // program takes for that format.
    if (const std::string extension = otherformats::formatExtension(zipFilename_);
        !extension.empty() && !otherformats::writeFormatForName(zipFilename_)
        && !orvex::ArchiveDirectoryReader::archiveExists(zipFilename_)) {
        LastResult = 0;  // not what the previous operation did
        events.notice("Error - " + zipFilename_ + " names a " + extension
                      + " archive, which is read but not written: choose a name ending in .zip, .tar, .tar.gz, "
                        ".tar.bz2, .tar.xz, .tar.zst or .7z");
        return {};
    }
    // What the extraction refuses to read must not be written either.
    if (request.password.bytes().size() > size_t(MaxPasswordLength)) {
        LastResult = 0;  // not what the previous operation did
        events.notice("Error - the password is longer than " + std::to_string(MaxPasswordLength) + " bytes");
        return {};
    }
    // The library is handed absolute paths, so nothing depends on the
    // process's current directory.
    request.baseDirectory = absolutePath(request.baseDirectory.empty() ? "." : request.baseDirectory);
    request.flags = flags();
    return changeArchive(events, [&] { return backend().add(request, events); });
}

void TZipEngine::Delete()
{
    Delete(deleteRequest(), events());
}

orvex::OperationResult TZipEngine::Delete(orvex::DeleteRequest request, orvex::ComponentEvents &events)
{
    if (refuseReadOnly(events))
        return {};
    if (request.specs.empty()) {
        events.notice("Error - no files selected for deletion");
        return {};
    }
    if (!existingArchiveFree(events))
        return {};
    request.flags = flags();
    return changeArchive(events, [&] { return backend().remove(request, events); });
}
void TZipEngine::Rename(const std::string &from, const std::string &to)
{
    Rename({.from = from, .to = to}, events());
}

orvex::OperationResult TZipEngine::Rename(orvex::RenameRequest request, orvex::ComponentEvents &events)
{
    if (refuseReadOnly(events, false))
        return {};
    if (request.from.empty()) {
        events.notice("Error - no file selected for renaming");
        return {};
    }
    if (!existingArchiveFree(events))
        return {};
    request.flags = flags();
    return changeArchive(
        events, [&] { return backend().rename(request, events); }, false);
}

void TZipEngine::SetComment(std::string comment)
{
    SetComment(std::move(comment), events());
}

orvex::OperationResult TZipEngine::SetComment(std::string comment, orvex::ComponentEvents &events)
{
    if (refuseReadOnly(events, false) || !existingArchiveFree(events))
        return {};
    orvex::RenameRequest request;
    request.setComment = true;
    request.comment = std::move(comment);
    request.flags = flags();
    return changeArchive(
        events, [&] { return backend().rename(request, events); }, false);
}

void TZipEngine::Extract()
{
    Extract(extractRequest(), events());
}

void TZipEngine::Test()
{
    Extract(testRequest(), events());
}

orvex::OperationResult TZipEngine::Extract(orvex::ExtractRequest request, orvex::ComponentEvents &events)
{
    if (UnzipRunning)
        return {};
    // Extracting into whatever directory happens to be current instead would
    // scatter the members where the user never asked for them.
    if (!request.test) {
        if (const std::string reason = unusableDirectoryReason(request.target); !reason.empty()) {
            events.notice("Error - cannot extract into "
                          + (request.target.empty() ? std::string("\"\"") : request.target) + ": " + reason);
            return {};
        }
        request.target = absolutePath(request.target);
    }
    // An operation that reaches its library empties the list.
    FileSpecs.clear();
    request.nameCharset = NameCharset;
    request.flags = flags();
    UnzipRunning = true;
    LastTestFailures = 0;
    LastKeptFiles = 0;
    LastCancelled = false;
    orvex::OperationResult result;
    try {
        result = backend().extract(request, entries_, events);
    } catch (...) {
        result.handlerFailed = true;
    }
    LastTestFailures = result.testFailures;
    LastKeptFiles = result.keptFiles;
    LastCancelled = result.cancelled;
    takeResult(result, events);
    Cancel = false;
    UnzipRunning = false;
    return result;
}
