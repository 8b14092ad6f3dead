#pragma once
// The one way into an archive, whatever its format: list it, test and
// extract its members, read them as a stream, and, where the format is
// writable, add to it, delete from it and rename its members. Each operation takes one request
// value and one events interface and returns its result; the backend keeps
// nothing of a request once it has returned, but the password that opened
// an archive's encrypted names, which every later reading needs. A backend is made for one
// archive by chooseBackend (engine/BackendChoice.h), which alone knows which
// formats there are.

#include "engine/ArchiveEntry.h"
#include "engine/ArchiveEvents.h"
#include "engine/EngineOptions.h"
#include "engine/EntryStream.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvex {

// Password bytes (NULs included) wiped when they go, so that no request
// leaves a copy of a password behind in freed memory.
class Secret {
public:
    Secret() = default;
    explicit Secret(std::string bytes) : bytes_(std::move(bytes)) {}
    Secret(const Secret &other) : bytes_(other.bytes_) {}
    Secret &operator=(const Secret &other)
    {
        if (this != &other) {
            wipe();
            bytes_ = other.bytes_;
        }
        return *this;
    }
    ~Secret() { wipe(); }
    const std::string &bytes() const { return bytes_; }
    bool empty() const { return bytes_.empty(); }

private:
    void wipe()
    {
        std::fill(bytes_.begin(), bytes_.end(), '\0');
        bytes_.clear();
    }
    std::string bytes_;
};

struct CallFlags {
    bool verbose = false;
    bool trace = false;  // also turns the libraries' verbose flag on
};

struct AddRequest {
    // File names, paths or patterns; relative ones are found under
    // baseDirectory and keep their relative form as stored names.
    std::vector<std::string> specs{};
    std::string baseDirectory{};  // absolute
    AddOpts options{};
    int level = 9;
    Secret password{};  // not empty: the files added are encrypted with it
    CallFlags flags{};
    // A file that replaces a member keeps the member's permission bits and
    // owner rather than the file's: a write-back, whose copy was private.
    // (Kept where the format stores them apart from the data: tar and 7z.)
    bool keepMemberModes = false;
    // A folder of the archive ("docs/": relative, '/' between its components
    // and at its end) every file added is stored in: "notes.txt" becomes
    // "docs/notes.txt", update and freshen compare with the names so made.
    // Empty: the archive's top. No entry is made for the folder itself. A
    // folder with an empty, "." or ".." component, a leading '/' or a '\' is
    // refused before anything is written.
    std::string archiveFolder{};
};

struct DeleteRequest {
    std::vector<std::string> specs{};  // stored names or patterns
    // The add's options and level, which the ZIP library reads in a delete
    // too (recursion into a folder's members among them).
    AddOpts options{};
    int level = 9;
    CallFlags flags{};
};

struct RenameRequest {
    // A member's stored name, or a folder's ending in '/': then every member
    // under it is renamed by that prefix.
    std::string from{};
    std::string to{};  // the new name; a folder's gets its '/' when missing
    CallFlags flags{};
    // Set: no member is renamed; the archive comment becomes `comment`
    // (bytes as stored, at most 65,535), which only a ZIP keeps.
    bool setComment = false;
    std::string comment{};
};

struct ExtractRequest {
    std::vector<std::string> specs{};  // stored names or patterns; empty: every member
    std::string target{};              // absolute, an existing directory; unused by a test
    ExtrOpts options{};
    bool test = false;  // decode and check, write nothing
    // The code page of ZIP names that carry no UTF-8 flag and are not
    // valid UTF-8; empty guesses it, as the listing does.
    std::string nameCharset{};
    CallFlags flags{};
    // With ExtrDirNames: a folder of the archive ("docs/", as stored) the
    // members below it are extracted relative to: "docs/api/x.html" goes to
    // <target>/api/x.html, the folder's own entry makes nothing, members
    // elsewhere keep their whole paths. Empty: none. A test ignores it.
    std::string baseFolder{};
};

struct OperationResult {
    int32_t count = 0;  // members added, deleted, renamed, extracted, or that passed a test
    // A test's members found bad: one per member, whatever its messages.
    int32_t testFailures = 0;
    // Files an extraction left as they were because they existed and were
    // not to be overwritten.
    int32_t keptFiles = 0;
    // Stopped by a stop request or a password question's Cancel before
    // every member was dealt with.
    bool cancelled = false;
    // A handler of the events threw: the operation was stopped there.
    bool handlerFailed = false;

    // Counts what a message of an extraction or a test says of a member.
    void countMemberMessage(const ExtractRequest &request, int code, const std::string &text);
};

struct ArchiveListing {
    std::vector<ArchiveEntry> entries;
    // The members that have a comment of their own, by ascending entry.
    std::vector<MemberComment> comments;
    // Empty for ZIP; otherwise the format as the reader names it, with its
    // compression ("GNU tar format (gzip)").
    std::string format;
    // Files the archive is split over (its disks or pieces); 1 for one file.
    // A split archive is read-only: the writer makes one file.
    std::size_t parts = 1;
};

// What the members added to an archive can keep, for the add dialog to
// offer only what its format holds.
struct WriteAbilities {
    std::string format;       // "ZIP", "tar.gz", "7z" …: what the archive is written as
    bool encryption = true;   // a password encrypts the files added
    bool dosNames = true;     // names made to fit the DOS 8.3 form
    bool archiveTime = true;  // the archive given its newest member's time
};

class ArchiveBackend {
public:
    virtual ~ArchiveBackend() = default;

    // Fills `listing` with the archive's entries, their names decoded with
    // `nameCharset` where a format needs a code page. Throws EZipError with
    // what was read so far left in `listing`; EReadCancelled when events
    // asked to stop.
    virtual void list(const std::string &nameCharset, ArchiveEvents &events, ArchiveListing &listing) = 0;

    // Test or extract the members the request names among `listing` (what
    // list() returned).
    virtual OperationResult extract(const ExtractRequest &request, const std::vector<ArchiveEntry> &listing,
                                    ArchiveEvents &events) = 0;

    // Each entry in archive order with its data, for a writer that takes
    // them one by one (the conversion to ZIP); nothing of them reaches the
    // disk. `listing` is what list() returned.
    virtual StreamOutcome readEntries(const std::vector<ArchiveEntry> &listing, const std::string &nameCharset,
                                      EntrySink &sink, ArchiveEvents &events) = 0;

    // The format list() would name, when list() has to read the whole
    // archive to find its entries (a compressed tar, whose headers lie all
    // through its stream): an operation on every member, which reads the
    // archive anyway, then need not list it first. None: list() is cheap.
    virtual std::optional<std::string> formatWithoutListing() const { return std::nullopt; }

    // False for a format only read: add, remove and rename then refuse, said
    // once, by whoever calls them (the component names the format).
    virtual bool writable() const = 0;
    virtual WriteAbilities abilities() const = 0;
    virtual OperationResult add(const AddRequest &request, ArchiveEvents &events) = 0;
    virtual OperationResult remove(const DeleteRequest &request, ArchiveEvents &events) = 0;
    virtual OperationResult rename(const RenameRequest &request, ArchiveEvents &events) = 0;
};

}  // namespace orvex
