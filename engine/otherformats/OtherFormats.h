#pragma once
// Reading archives of formats other than ZIP (tar and its compressions, 7z,
// RAR, ISO 9660, cpio, ar, cab, lha, xar, lone compressed files) on
// libarchive: detection, listing, testing and a safe extraction. ZIP is not
// read here: our own engine reads it, and detect() says so; a compressed ZIP
// (a.zip.gz), which that engine does not open, is read here like the others.
//
// Every entry point returns plain values: problems are messages in the
// result, never exceptions, whatever the archive holds. What the caller's own
// callbacks throw goes through, once the temporary file in progress is gone.
// Calls run on the caller's thread; `cancel` may be set from any other.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace otherformats {

enum class Verdict {
    NotArchive,  // nothing libarchive reads, an uncompressed plain file, or zeros
    Zip,         // a ZIP archive: our ZIP engine reads it
    Other,       // an archive for this library
};

struct Detection {
    Verdict verdict = Verdict::NotArchive;
    std::string format;  // libarchive's name, e.g. "GNU tar format", "RAW"
    std::string filter;  // the outer compression, e.g. "gzip"; "none"
    std::string error;   // why the file could not be read, when it could not
    // The reader was stopped at a limit (or crashed): `error` says why, and
    // reading the archive again would only meet the same end.
    bool stopped = false;
};

enum class EntryKind { File, Directory, Symlink, HardLink, Other };

struct Entry {
    std::string name;  // UTF-8 when libarchive could convert it, else the stored bytes
    bool nameIsUtf8 = true;
    std::optional<uint64_t> size;  // none when the format does not say
    int64_t modified = 0;          // seconds since the epoch; 0 when not stored
    uint32_t modifiedNanos = 0;    // the fraction of that second, where the format keeps one
    EntryKind kind = EntryKind::File;
    std::string linkTarget;  // a symbolic link's target, or the entry a hard link names
    uint32_t mode = 0;       // permission bits as stored
    bool encrypted = false;
    // The owner as stored, where the format keeps one: ids and names.
    std::optional<uint32_t> uid;
    std::optional<uint32_t> gid;
    std::string owner;
    std::string group;
};

enum class ProblemKind {
    Encrypted,  // the entry's data is encrypted and could not be read
    Damaged,    // the archive or the entry's data cannot be read
    Refused,    // a name, link or kind that is not written
    Write,      // the disk refused (space, permissions, I/O)
    Skipped,    // not written by choice: an existing file kept, a name taken
    Limit,      // past an entry's declared size, the output budget, or the reader's limits
};

struct Problem {
    std::string entry;  // the entry's name; empty for the archive as a whole
    ProblemKind kind = ProblemKind::Damaged;
    std::string text;
};

struct Progress {
    uint64_t entryIndex = 0;
    std::string entry;
    uint64_t entryBytes = 0;        // of the entry's data, so far
    uint64_t archiveBytesRead = 0;  // of the archive file, so far
    uint64_t archiveSize = 0;       // of the archive file
};

// How far the reader of an archive (a child process) may go before it is
// stopped with a message naming the limit.
struct ReaderLimits {
    // Address space the child may take. 7z and RAR windows of 1 GiB, the
    // largest their own programs offer by default, fit under it.
    uint64_t memoryBytes = 2ull << 30;
    // How long the child may go without sending anything while this side
    // waits for it: a parser looping over the same bytes sends nothing.
    std::chrono::milliseconds quiet{20000};
    // Processor time; 0: one minute plus two seconds per MiB of archive,
    // far beyond what any decoder needs for a real archive.
    uint64_t cpuSeconds = 0;
};

// The limits above, or what ORVEX97_READER_MEMORY_MB, ORVEX97_READER_QUIET_MS
// and ORVEX97_READER_CPU_SECONDS in the environment set instead.
ReaderLimits defaultReaderLimits();

struct ReadOptions {
    std::optional<std::string> password;
    const std::atomic<bool> *cancel = nullptr;
    std::function<void(const Progress &)> progress;
    // Told each problem of a test or an extraction as it is met, so that a
    // window can show the first at once; the result still holds them all.
    std::function<void(const Problem &)> problem;
    // Asked, on the reading's own thread, whenever `cancel` is looked at
    // (also while the reader keeps us waiting): true stops as `cancel` does.
    std::function<bool()> stopAsked;
    // Told each entry of a listing as it is read, before `progress`.
    std::function<void(const Entry &)> listed;
    ReaderLimits limits = defaultReaderLimits();
};

// Reads no more than it must to tell, in the confined reader; `options`
// gives the cancel and the limits.
Detection detect(const std::string &path, const ReadOptions &options = {});

struct Listing {
    std::string format;
    std::vector<Entry> entries;
    bool hasEncrypted = false;
    bool complete = false;  // every entry was read; otherwise `problems` says why
    bool cancelled = false;
    std::vector<Problem> problems;
};

Listing list(const std::string &path, const ReadOptions &options = {});

class EntryCursor;

// What detect() says, and the listing of an archive of ours already under
// way in the reader that looked at it.
struct Sighting {
    Detection detection;
    // The reader, walking on from where detection stopped (no data, no
    // password); none when list() is to start its own.
    std::shared_ptr<EntryCursor> listing;
};

// detect(), keeping its reader for the listing that follows, so that one
// reader process and one opening of the archive serve both: the headers
// detection read (a 7z's, decoded) are not read again. A 7z that 7-Zip's
// program reads is looked at by its listing run.
Sighting detectForListing(const std::string &path, const ReadOptions &options = {});

// list() reading on with the reader detectForListing() kept; with none, the
// same as list(path, options). The reader has ended when it returns.
Listing list(const std::string &path, const ReadOptions &options, std::shared_ptr<EntryCursor> reader);

struct TestResult {
    uint64_t passed = 0;  // entries read to the end, links included; folders are not counted
    uint64_t failed = 0;  // one problem each
    bool cancelled = false;
    std::vector<Problem> problems;
};

// `selection`: indices into list()'s entries to read; empty: all. The
// others are passed over as the archive allows, unread and uncounted.
TestResult test(const std::string &path, const ReadOptions &options = {}, const std::vector<uint64_t> &selection = {});

enum class Overwrite { Ask, Always, Never };

struct ExtractOptions {
    ReadOptions read;
    std::string target;       // an existing directory
    bool keepFolders = true;  // false: every file goes into the target under its last name
    Overwrite overwrite = Overwrite::Never;
    // Asked with the output path (relative to the target) under Ask; true replaces.
    std::function<bool(const std::string &path)> askOverwrite;
    std::vector<uint64_t> selection;  // indices into list()'s entries; empty: all
    uint64_t outputBudget = 0;        // bytes all entries together may write; 0: no limit
    bool sync = false;                // fsync each file before it is renamed into place
    // Copies for the user alone: files 0600, folders 0700, whatever modes
    // the entries store.
    bool privateCopies = false;
    // With keepFolders: a folder of the archive ("docs/") the entries below
    // it are extracted relative to; its own entry makes nothing, others keep
    // their paths. Empty: none. An absolute one, or one with "..", extracts nothing.
    std::string baseFolder;
};

struct ExtractResult {
    uint64_t placed = 0;  // files and links put in place
    uint64_t failed = 0;  // entries with a problem other than Skipped
    bool cancelled = false;
    std::vector<Problem> problems;
};

ExtractResult extract(const std::string &path, const ExtractOptions &options);

// Every entry in archive order with its data, for a writer that takes them
// as they come (a conversion to ZIP): nothing is written to the disk.
struct StreamCallbacks {
    // An entry begins. False passes over its data; end is still told.
    std::function<bool(const Entry &entry)> begin;
    // The next bytes of its data, in order; a sparse entry's holes come as
    // zeros. False stops the whole read.
    std::function<bool(const void *data, size_t size)> data;
    // Its data is complete, or (false) could not be read to the end, which a
    // problem has said. False stops the whole read.
    std::function<bool(bool complete)> end;
};

struct StreamResult {
    uint64_t entries = 0;  // entries told to begin
    uint64_t failed = 0;   // entries with a problem, begun or not
    bool cancelled = false;
    bool stopped = false;  // a callback stopped the read
    std::vector<Problem> problems;
};

StreamResult stream(const std::string &path, const ReadOptions &options, const StreamCallbacks &callbacks);

// A 7z archive read by 7-Zip's program (7zz, when it is installed), which
// decrypts its data and its names: libarchive does neither.
bool readBySevenZip(const std::string &path);

// Whether `options.password` opens the data of entry `index` (list()'s
// numbering) of a 7z that 7-Zip's program reads: false only when its first
// data is refused as encrypted, at the cost of reading up to that data, so
// that a wrong password can be asked again before anything is read.
bool passwordOpens(const std::string &path, const ReadOptions &options, uint64_t index);

// Where extract() puts an entry of this name, relative to the target, and
// so the path askOverwrite is asked with: without "." and empty components
// ("./dir//a.txt" lands at "dir/a.txt"), only the last name when folders are
// not kept, relative to `baseFolder` as extract() makes it. Empty for a name
// that is refused.
std::string outputPath(const std::string &name, bool keepFolders, const std::string &baseFolder = {});

// Why extract() refuses this ExtractOptions::baseFolder; empty when it does not.
std::string baseFolderProblem(const std::string &baseFolder);

}  // namespace otherformats
