#pragma once
// The archive component: the member list of the archive named by ZipFilename,
// and the add, delete, extract and test operations. A thin face over the
// archive's backend (engine/ArchiveBackend.h), chosen when the list is read:
// each operation is a request value, taken from the properties below or
// given whole, and its events go to the handlers below or to the events
// interface the caller gives.

#include "engine/ArchiveBackend.h"
#include "engine/ArchiveEntry.h"
#include "engine/ComponentEvents.h"
#include "engine/EngineOptions.h"
#include "engine/ZipBackend.h"
#include "engine/ZipError.h"
#include "engine/common/CallRecords.h"

#include <atomic>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace orvex {
class ArchiveLock;
}

class TZipEngine {
public:
    explicit TZipEngine(EngineLibraries libraries = EngineLibraries::linked());
    ~TZipEngine();
    TZipEngine(const TZipEngine &) = delete;
    TZipEngine &operator=(const TZipEngine &) = delete;

    // ---- The member list ----
    const std::string &ZipFilename() const;
    // Stores the name, then reads the directory, also when the name is
    // unchanged or empty. Errors of the read reach the caller.
    void setZipFilename(const std::string &name);

    // Rebuilds the member list. Throws EZipError; the members met before the
    // failure stay listed. OnDirUpdate is raised only after a complete read,
    // once the archive file is closed again. A read stopped by Cancel or
    // CancelRequest throws EReadCancelled and leaves the name and the list
    // as they were before it.
    void ReadDirectory();
    // The same two with their events going to `events` instead of the handlers.
    void setZipFilename(const std::string &name, orvex::ComponentEvents &events);
    void ReadDirectory(orvex::ComponentEvents &events);
    // Makes `name` current for one Test or Extract of all its members,
    // which reads the whole archive anyway: an archive whose listing reads
    // it whole too (a compressed tar) is not listed, and false says so
    // (EntryCount() is then 0); any other is read as setZipFilename reads it.
    bool setZipFilenameForAll(const std::string &name);

    // The format of an archive our ZIP engine does not read, as libarchive
    // names it ("7-Zip", "GNU tar format"), with its compression when it has
    // one; empty for ZIP and when no archive is current. Extract and Test
    // read it under the same rules as a ZIP archive; tar (with gzip, bzip2,
    // xz or zstd) and 7z are written too, every other format is read-only.
    const std::string &OtherFormat() const { return otherFormat_; }
    // What the current archive keeps of what is added to it: its format by
    // its content once read, by its name before it exists.
    orvex::WriteAbilities WriteAbilities();
    // The files the current archive is split over; 1 for one file.
    std::size_t SplitParts() const { return splitParts_; }
    // An archive in a format not written here, or split over several files,
    // is read-only; ReadOnlyKind names why in the words "X archive" takes:
    // the format, or "split". Empty when the archive can be written.
    bool ReadOnly() const { return !ReadOnlyKind().empty(); }
    std::string ReadOnlyKind() const;

    int EntryCount() const;                        // 0 whenever ZipFilename is empty
    const ArchiveEntry &Entries(int index) const;  // 0 <= index < EntryCount()
    // All of them at once; empty whenever ZipFilename is.
    const std::vector<ArchiveEntry> &EntryList() const;
    // The member's own comment as stored, empty when it has none (formats
    // other than ZIP keep none that can be read).
    std::string EntryComment(int index) const;

    std::function<void(TZipEngine &sender)> OnDirUpdate;
    // Raised every few thousand members while the list is read: `members` is
    // the count the archive gives (0 when unknown), `done` of `total` how far
    // the read has got (total 0: unknown).
    std::function<void(TZipEngine &sender, int64_t members, int64_t done, int64_t total)> OnReadProgress;
    // Raised while the list of an archive read entry by entry (every format
    // but ZIP) is read, every 4,096 members: those read since the last, in
    // archive order, to be shown before the read ends. EntryList stays the
    // one before until the read has ended: OnDirUpdate comes after a
    // complete read; a cancelled or failed one is told as without these.
    std::function<void(TZipEngine &sender, std::span<const ArchiveEntry> members)> OnMembersRead;

    // ---- Settings of the next operation ----
    bool Verbose = false;
    bool Trace = false;  // also turns the libraries' verbose flag on
    int AddCompLevel = 9;
    AddOpts AddOptions;
    // Where relative add specifications are found (they keep their relative
    // form as stored names); empty: the process's current directory.
    std::string AddBaseDir;
    // The directory to extract into; an extraction into anything that is not
    // an existing, enterable directory is refused.
    std::string ExtrBaseDir;
    ExtrOpts ExtrOptions;
    // File names, paths or patterns (add); stored names or patterns (delete,
    // extract; empty extracts every member). An operation that reaches its
    // library empties the list.
    std::vector<std::string> FileSpecs;

    TProgressEvent OnProgress;
    TMessageEvent OnMessage;
    // Where the component's own notices go ("Error - no files to zip"): a
    // message box in the program, standard error in the command line.
    std::function<void(const std::string &text)> MessageSink;

    // ---- Passwords and names from other systems ----
    using PasswordAnswer = orvex::PasswordAnswer;
    // Asked, during Extract and Test, for the password of an encrypted
    // member: `attempt` is 1 for the operation's first question and counts up
    // while the member refuses what was given. None skips the member, Cancel
    // stops the operation. Unset: encrypted members are skipped. The
    // password is its bytes, NULs included; one longer than
    // MaxPasswordLength is refused with a message and stops the operation.
    std::function<PasswordAnswer(const std::string &member, int attempt, std::string &password)> OnPassword;
    // Not empty: Add encrypts the files it adds with these bytes, NULs
    // included. Longer than MaxPasswordLength: Add refuses with a message
    // and writes nothing.
    std::string AddPassword;
    // The code page of names that carry no UTF-8 flag and are not valid
    // UTF-8 ("437", "850", "852", "866", "737", "932", "936", "949", "950",
    // "1252"); empty guesses it. The listing and the extraction both use it.
    std::string NameCharset;

    // Add and Delete hold a lock on the archive while their library works,
    // so that two writers of ours never replace each other's change. When
    // another holds it: true waits (announced by a message of code 0), false
    // refuses with ArchiveBusyText through MessageSink.
    bool WaitForArchiveLock = false;
    // A change reads the member list again for whoever shows it. A caller
    // that shows none (orvexzip) turns this off, and the list it keeps is
    // then the one from before the change.
    bool ReadAfterChange = true;
    static constexpr const char *ArchiveBusyText = "The archive is being changed by another program";

    // ---- State while and after an operation runs ----
    // Set while a call runs to ask it to stop; cleared when the call ends.
    // Atomic: the window sets it while the call runs on another thread.
    std::atomic<bool> Cancel = false;
    // Nonzero asks the running operation to stop, as Cancel does; unlike
    // Cancel it may be set from a signal handler, and an operation does not
    // clear it. Also ends a wait for the archive's lock.
    const std::atomic<int> *CancelRequest = nullptr;
    std::atomic<bool> ZipRunning = false;    // an add, delete or rename is in progress
    std::atomic<bool> UnzipRunning = false;  // an extract is in progress
    int32_t LastResult = 0;                  // what the last library call returned
    // Members the last Test found bad: its messages of a member's error code
    // (2, 50, 81), of which the library gives exactly one per member.
    int32_t LastTestFailures = 0;
    // Files the last Extract left as they were because they existed and
    // were not to be overwritten.
    int32_t LastKeptFiles = 0;
    // The last Extract or Test was stopped by a cancel (Cancel, CancelRequest
    // or Cancel at a password question) before it had dealt with every member.
    bool LastCancelled = false;

    // The operations on the properties above: FileSpecs, AddBaseDir,
    // AddOptions, AddCompLevel and AddPassword for an add; FileSpecs,
    // ExtrBaseDir and ExtrOptions for an extraction. Their events go to the
    // handlers.
    void Add();
    void Delete();
    void Extract();
    // Decodes and checks the members FileSpecs names (all when empty) and
    // writes nothing; LastResult is the number that passed.
    void Test();

    // The same operations on a request given whole, their events going to
    // `events`; the properties of the next operation are not read, except
    // Verbose, Trace, NameCharset and WaitForArchiveLock, which hold for
    // every operation. A relative base or target directory is taken from
    // the process's current directory. The Last… values are set as by the
    // calls above. An extraction's request with `test` set is a Test.
    orvex::OperationResult Add(orvex::AddRequest request, orvex::ComponentEvents &events);
    orvex::OperationResult Delete(orvex::DeleteRequest request, orvex::ComponentEvents &events);
    orvex::OperationResult Extract(orvex::ExtractRequest request, orvex::ComponentEvents &events);

    // Renames a member, or with a folder's name ending in '/' every member
    // under it by that prefix (zipformat/RenamePlan.h), writing the archive
    // anew as Delete does; the member list is read again when it changed.
    // A read-only archive is refused as Delete refuses it, a name the
    // library refuses is said through OnMessage. LastResult is the number
    // of members renamed. FileSpecs is neither read nor emptied.
    void Rename(const std::string &from, const std::string &to);
    // Writes `comment` (bytes as stored) as the archive's comment, every
    // member copied as it is, with the archive written anew as a rename
    // writes it. LastResult is 1 when written.
    orvex::OperationResult SetComment(std::string comment, orvex::ComponentEvents &events);
    void SetComment(std::string comment);
    orvex::OperationResult Rename(orvex::RenameRequest request, orvex::ComponentEvents &events);

    // Each member of the current archive in order with its data, for a
    // writer that takes them one by one (the conversion to ZIP). Cancel is
    // left as it is: the writer, after the reading, must still hear it.
    orvex::StreamOutcome ReadEntries(orvex::EntrySink &sink, orvex::ArchiveEvents &events);

    // The requests the properties above make; a caller may change them
    // before handing them to the calls above.
    orvex::AddRequest addRequest() const;
    orvex::DeleteRequest deleteRequest() const
    {
        return {.specs = FileSpecs, .options = AddOptions, .level = AddCompLevel};
    }
    orvex::ExtractRequest extractRequest() const;
    orvex::ExtractRequest testRequest() const;

    // The events that go to the handlers above.
    orvex::ComponentEvents &events();
    // True while Cancel or CancelRequest asks the running operation to stop.
    bool cancelRequested() const;

    // The records as the last operation left them.
    const ZipCallRecord &zipCallRecord() const { return *libraries_.zipRecord; }
    const UnzipCallRecord &unzipCallRecord() const { return *libraries_.unzipRecord; }

private:
    class HandlerEvents;
    // Reads the member list of `name` and makes both current; see ReadDirectory.
    void readMembers(const std::string &name, orvex::ComponentEvents &events,
                     std::unique_ptr<orvex::ArchiveBackend> chosen = nullptr);
    // The current archive's backend; chosen now when no list was read yet.
    orvex::ArchiveBackend &backend();
    // True, with the refusal said, when the current archive is read-only;
    // the operations that take FileSpecs (`consumesSpecs`) empty it.
    bool refuseReadOnly(orvex::ArchiveEvents &events, bool consumesSpecs = true);
    // A delete or rename needs the archive there and no other call running
    // (says so for a missing archive).
    bool existingArchiveFree(orvex::ArchiveEvents &events);
    // Takes the archive's lock for Add and Delete; false (and said why) when
    // the operation must not run.
    bool lockArchive(orvex::ArchiveLock &lock, orvex::ArchiveEvents &events);
    // Runs an add, a delete or a rename (`change`) under the archive's lock,
    // then reads the member list again when it changed anything. An
    // operation that takes FileSpecs (`consumesSpecs`) empties it.
    orvex::OperationResult changeArchive(orvex::ComponentEvents &events,
                                         const std::function<orvex::OperationResult()> &change,
                                         bool consumesSpecs = true);
    // Sets LastResult from what an operation returned, or says it failed.
    void takeResult(const orvex::OperationResult &result, orvex::ArchiveEvents &events);
    orvex::CallFlags flags() const { return {Verbose, Trace}; }

    orvex::ZipLibraries libraries_;
    std::unique_ptr<HandlerEvents> handlerEvents_;
    std::string zipFilename_;
    std::string otherFormat_;
    std::size_t splitParts_ = 1;
    std::vector<ArchiveEntry> entries_;
    std::vector<MemberComment> comments_;             // by ascending entry
    std::unique_ptr<orvex::ArchiveBackend> backend_;  // the current archive's; null until chosen
};
