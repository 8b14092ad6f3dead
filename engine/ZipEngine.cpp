#include "engine/ZipEngine.h"

#include "engine/ArchiveDirectoryReader.h"
#include "engine/CallRecordFilling.h"

#include <algorithm>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isDirectory(const std::string &path)
{
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

const char *const FatalLibraryError = "Fatal DLL Error: abort exception";

}  // namespace

EngineLibraries EngineLibraries::linked()
{
    return EngineLibraries{&orvex_zipeng_call, &orvex_unzeng_call};
}

TZipEngine::TZipEngine(EngineLibraries libraries)
    : libraries_(libraries),
      zipRecord_(std::make_unique<ZipCallRecord>()),
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
    zipFilename_ = name;
    ReadDirectory();
}

void TZipEngine::ReadDirectory()
{
    entries_.clear();
    if (!orvex::ArchiveDirectoryReader::archiveExists(zipFilename_))
        return;
    // The reader has closed the file by the time it returns, so a handler may
    // open the archive itself.
    orvex::ArchiveDirectoryReader::read(zipFilename_, entries_);
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
    return s;
}

template <typename Record>
void TZipEngine::callInSlices(Record &record, int32_t (*library)(Record *))
{
    // The strings stay alive for the whole call: the records point into them.
    const std::string archiveName = zipFilename_;
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
    } while (!failed && !Cancel && first < specs.size());

    if (failed)
        notify(FatalLibraryError);   // LastResult keeps its earlier value
    else
        LastResult = total;
    // The record's pointers die with the strings above.
    record.ArchiveName = nullptr;
    std::fill(std::begin(record.FileSpecs), std::begin(record.FileSpecs) + record.FileSpecCount, nullptr);
}

void TZipEngine::Add()
{
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
    ZipRunning = true;
    Cancel = false;
    fillAddRecord(*zipRecord_, settings());
    callInSlices(*zipRecord_, libraries_.zip);
    Cancel = false;
    ZipRunning = false;
    if (LastResult > 0)
        ReadDirectory();
}

void TZipEngine::Delete()
{
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
    Cancel = false;
    fillDeleteRecord(*zipRecord_, settings());
    callInSlices(*zipRecord_, libraries_.zip);
    ZipRunning = false;
    if (LastResult > 0)
        ReadDirectory();
}

void TZipEngine::Extract()
{
    if (UnzipRunning)
        return;
    UnzipRunning = true;
    Cancel = false;
    // The library extracts into the current directory.
    if (isDirectory(ExtrBaseDir) && ::chdir(ExtrBaseDir.c_str()) != 0)
        notify("Cannot change to directory " + ExtrBaseDir);
    fillExtractRecord(*unzipRecord_, settings());
    callInSlices(*unzipRecord_, libraries_.unzip);
    Cancel = false;
    UnzipRunning = false;
}

// ---- Callback ----

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
        case ZipActionMessage:
            if (OnMessage)
                OnMessage(*this, record.ErrorCode, trimMessage(record.Text));
            break;
        default:
            break;
        }
    } catch (...) {
        handlerFailed_ = true;
        return 1;
    }
    return Cancel ? 1 : 0;
}
