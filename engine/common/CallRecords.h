#pragma once
// The records through which the archive component calls the two engine
// libraries, and through which they call back. The field order and meaning are
// fixed; fields that hold a pointer are pointer-wide, so on a 64-bit build the
// offsets after them shift. The static_asserts below pin this build's layout,
// and every side includes this one header.

#include <cstddef>
#include <cstdint>

extern "C" {

// Action codes of a callback.
enum : int32_t {
    ZipActionFileBegin = 1,  // a file starts: Text is its name, FileSize its size
    ZipActionFileStep = 2,   // one step of progress on the current file
    ZipActionBatchEnd = 3,   // the operation has ended
    ZipActionMessage = 4,    // Text is a message; ErrorCode > 0 for an error, 0 for information
    // Nothing new to show: the library is busy with a long step (compressing
    // a large file, copying kept members, waiting for its workers) and asks
    // whether to go on. Sent about every tenth of a second while no other
    // callback comes, so that the caller can repaint and hear a cancel.
    ZipActionWorking = 5,
};

// ErrorCode of a message (action 4). The two libraries number their errors
// each after the tool its callers knew, so one number can mean two things;
// a caller that acts on a code must know which library sent it. 0 is
// information in both. (zipeng/ErrorCodes.h and common/MessageCode.h name them.)
//
//   code  libzipeng.so (add, delete)            libunzeng.so (extract)
//   ----  ------------------------------------  ---------------------------------
//     1   -                                     warning
//     2   -                                     a member could not be extracted
//     3   existing archive is no readable ZIP   the archive is damaged
//     4   out of memory                         -
//     5   internal error                        -
//     6   a name too long for a ZIP header      -
//     9   cancelled by the caller               not a ZIP archive
//    10   temporary archive not created         unusable request
//    11   reading a source or the archive       a name matched no member
//    12   an argument matched nothing           -
//    13   delete from a missing archive         -
//    14   writing the new archive               -
//    15   the new archive not put in place      -
//    16   unusable parameters; a name refused   -
//    18   a source or base directory not opened -
//    50   -                                     writing a file or directory
//    81   -                                     method or encryption unsupported
struct CallbackRecord {
    int32_t Unread0;
    void *Instance;  // handed back from the parameter record
    int32_t Unread8;
    int32_t Unread12;
    int32_t Action;
    int32_t ErrorCode;  // action 4
    int32_t FileSize;   // action 1; sizes past 2 GiB - 1 are reported as 2 GiB - 1
    char Text[1];       // zero-terminated; the record is allocated to fit the text
};

// Returns 1 to ask the library to stop, 0 to go on.
typedef int32_t (*EngineCallback)(CallbackRecord *record);

// The longest password, in bytes, that anything of ours writes or reads:
// the add record's, a callback's answer, a password file's line, a typed one.
// One limit for both directions, so that nothing writes an archive it cannot
// open again. 1 KiB holds any passphrase and a key file of random bytes;
// PBKDF2 hashes a password longer than 64 bytes first, so more would add
// nothing to the keys' strength.
constexpr int32_t MaxPasswordLength = 1024;

// Asks the caller for the password of an encrypted member, on the calling
// thread. `attempt` is 1 for the first password asked in the call and counts
// up while the member refuses what was given. With PasswordGiven the answer
// is the first `*passwordLength` bytes of `buffer` (`bufferSize` bytes, at
// most MaxPasswordLength): bytes with a length, NULs included, no terminator;
// a length outside 0 to `bufferSize` stops the call as PasswordCancel does.
// The library forgets it when the call ends and never shows it in a message.
enum : int32_t {
    PasswordCancel = -1,  // stop the whole operation
    PasswordNone = 0,     // no password: the member is skipped
    PasswordGiven = 1,
};
typedef int32_t (*PasswordCallback)(void *instance, const char *memberName, int32_t attempt, char *buffer,
                                    int32_t bufferSize, int32_t *passwordLength);

// Hands a test's decoded members to the caller, one after the other on the
// calling thread: MemberDataBegin (`index`: the member's place in the central
// directory, or in the walk of the local headers; `bytes`, `length`: its
// name as listed, UTF-8), then MemberDataPiece for each piece of its data
// (links: the target), then MemberDataEnd (`length` 1: the data was read
// to the end and its CRC or authentication code matched; 0: it was not, and
// a message says why). The data is the caller's only for the call. A folder
// comes with no data; members refused before their data is read do not come.
// Returns 1 to stop the whole call, 0 to go on.
enum : int32_t { MemberDataBegin = 1, MemberDataPiece = 2, MemberDataEnd = 3 };
typedef int32_t (*MemberDataCallback)(void *instance, int32_t event, int64_t index, const void *bytes, uint64_t length);

// The archive name and every file specification stay valid for the whole call;
// they may be of any length.
constexpr int MaxFileSpecs = 4097;
constexpr int32_t EngineInterfaceVersion = 110;

struct ZipCallRecord {
    int32_t Reserved0;
    void *Instance;
    int32_t Version;  // 110
    EngineCallback Callback;
    int32_t TraceFlag;
    int32_t Reserved20;
    int32_t Reserved24;
    int32_t Reserved28;
    int32_t Reserved32;
    int32_t Reserved36;
    int32_t Reserved40;
    int32_t Constant44;  // 1
    int32_t Reserved48;
    int32_t VerboseFlag;
    int32_t Constant56;  // 1
    int32_t Level;       // 0 (stored) to 9
    int32_t Reserved64;
    int32_t Reserved68;
    int32_t DropDirNamesFlag;  // store bare file names
    int32_t RecurseFlag;
    int32_t AddFlag;  // 1 for add, 0 for delete
    int32_t ForceDosFlag;
    int32_t MoveFlag;
    int32_t DeleteFlag;
    int32_t UpdateFlag;
    int32_t FreshenFlag;
    int32_t Reserved104;
    int32_t ArchiveTimeFlag;  // give the archive the time of its newest member
    int32_t Reserved112[2];
    int32_t FileSpecCount;
    const char *ArchiveName;
    int32_t Constant128;  // 7
    const char *FileSpecs[MaxFileSpecs];
    // Relative file specifications are found under this directory and keep
    // their relative form as stored names; null means the current directory.
    // Last, so that every field before it keeps its place.
    const char *BaseDirectory;
    // Set: the files added are encrypted with the PasswordLength bytes here
    // (WinZip AES-256, AE-2); NULs are part of it, no terminator is read.
    // Fields added later come after the others.
    const char *Password;
    int32_t PasswordLength;  // 1 to MaxPasswordLength when Password is set
    // Set and not empty: a folder of the archive ("docs/"), relative, '/'
    // between its components, each file and directory added is stored in;
    // update and freshen compare with the names so made. A folder with an
    // empty, "." or ".." component, a leading '/' or a '\' is refused.
    const char *ArchiveFolder;
};

struct UnzipCallRecord {
    int32_t Reserved0;
    void *Instance;
    int32_t Version;  // 110
    EngineCallback Callback;
    int32_t TraceFlag;
    int32_t Reserved20;
    int32_t Reserved24;
    int32_t Reserved28;
    int32_t Reserved32;
    int32_t Reserved36;
    int32_t Constant40;  // 1
    int32_t VerboseFlag;
    int32_t UpdateFlag;
    int32_t FreshenFlag;
    int32_t DirNamesFlag;  // recreate stored directories
    int32_t OverwriteFlag;
    int32_t FileSpecCount;  // 0: every member
    const char *ArchiveName;
    int32_t Constant72;  // 7
    const char *FileSpecs[MaxFileSpecs];
    // The directory to extract into; null means the current directory.
    const char *BaseDirectory;
    // Fields added later come after the others, so the ones above keep their place.
    // Set: every selected member is decoded and checked, nothing is written;
    // the result is the number of members that passed.
    int32_t TestFlag;
    // The code page of names that carry no UTF-8 flag and are not valid
    // UTF-8: "437", "850", "852", "866", "737", "932", "936", "949", "950",
    // "1252"; null, "" or "auto" guesses it from the archive's names.
    const char *NameCharset;
    // Null: encrypted members are skipped.
    PasswordCallback Password;
    // Set: copies for the user alone (members opened, edited or dragged out):
    // files are written 0600 and directories 0700 whatever the member's mode
    // says, so nothing extracted this way is executable or readable by others.
    int32_t PrivateFlag;
    // Set together with TestFlag: each selected member's decoded (and
    // decrypted) data goes to this callback instead of being discarded, in
    // archive order on the calling thread (see MemberDataCallback).
    MemberDataCallback MemberData;
    // Set and not empty, with DirNamesFlag: a folder of the archive ("docs/")
    // the members below it are extracted relative to ("docs/api/x.html"
    // becomes "api/x.html"); the folder's own entry makes nothing, members
    // elsewhere keep their paths. Ignored by a test; an absolute folder or one
    // with a ".." component is refused.
    const char *BaseFolder;
};

// The libraries' entry points: the number of files processed.
int32_t orvex_zipeng_call(ZipCallRecord *record);
int32_t orvex_unzeng_call(UnzipCallRecord *record);

// libzipeng.so's streaming writer: a new archive written entry by entry from
// data the caller hands over, with no file of the caller's read. Reports go
// to Callback as the add's do (actions 1 to 5, zipeng's error codes).
struct ZipStreamRecord {
    int32_t Version;  // 110
    void *Instance;
    EngineCallback Callback;
    const char *ArchiveName;  // the new archive, written beside itself under a temporary name
    int32_t Level;            // 0 (stored) to 9
    int32_t VerboseFlag;
    int32_t TraceFlag;
    int32_t ReplaceFlag;  // 0: a file that appears at ArchiveName meanwhile is kept and the write fails
    // Set: file members are encrypted with the PasswordLength bytes here, as
    // the add encrypts them (WinZip AES-256, AE-2).
    const char *Password;
    int32_t PasswordLength;  // 1 to MaxPasswordLength when Password is set
};

// libzipeng.so's rename: the member OldName, or with OldName a folder's name
// ending in '/' every member under it by that prefix, gets NewName in a new
// archive written beside the old one and renamed over it, as a delete writes
// it. A name that would collide or escape is refused before anything is
// written. Reports go to Callback as the delete's do; the result is the
// number of members renamed.
struct ZipRenameRecord {
    int32_t Version;  // 110
    void *Instance;
    EngineCallback Callback;
    const char *ArchiveName;
    int32_t VerboseFlag;
    int32_t TraceFlag;
    const char *OldName;  // a stored name, bytes as stored
    const char *NewName;
    // Fields added later come after the others, so the ones above keep their place.
    // Set: no member is renamed (the names are not read); the archive comment
    // becomes the CommentLength bytes at Comment, every member copied as it is.
    int32_t CommentFlag;
    const char *Comment;
    int32_t CommentLength;
};
int32_t orvex_zipeng_rename(const ZipRenameRecord *record);

// A hard link's data is the name of a file entry written before it, whose
// member it becomes a copy of under its own name.
enum : int32_t { ZipStreamFile = 0, ZipStreamDirectory = 1, ZipStreamSymlink = 2, ZipStreamHardLink = 3 };

struct ZipStreamEntry {
    const char *Name;  // relative, '/' between components; absolute and ".." names are refused
    int32_t Kind;      // ZipStreamFile, ZipStreamDirectory, ZipStreamSymlink or ZipStreamHardLink
    uint32_t Mode;     // permission bits (07777) as the member keeps them
    int64_t Modified;  // seconds since the epoch; 0: not stored
    uint64_t Size;     // the data's size, when SizeKnown
    int32_t SizeKnown;
};

// What the calls below return.
enum : int32_t {
    ZipStreamStop = -1,   // the write has failed or was cancelled: only finish is left
    ZipStreamPassed = 0,  // this entry is not written (said in a message); the write goes on
    ZipStreamGoOn = 1,
    ZipStreamOmitted = 2,  // entry only: nothing to write for it, and nothing wrong (a source's "./")
};

struct ZipStream;
// Null when the new archive cannot be begun (said through the callback).
ZipStream *orvex_zipeng_stream_begin(const ZipStreamRecord *record);
// An entry begins; its data follows (a link's target is its data).
int32_t orvex_zipeng_stream_entry(ZipStream *stream, const ZipStreamEntry *entry);
int32_t orvex_zipeng_stream_data(ZipStream *stream, const void *bytes, uint64_t length);
// `complete` 0: the entry's data could not be read to the end; it is left out.
int32_t orvex_zipeng_stream_end_entry(ZipStream *stream, int32_t complete);
// With `commit` the archive is completed and renamed into place; without,
// or after a failure, nothing is left. Returns the members written, or -1
// when the archive was not put in place. The stream is freed.
int32_t orvex_zipeng_stream_finish(ZipStream *stream, int32_t commit);

}  // extern "C"

static_assert(sizeof(void *) == 8, "the offsets below are those of a 64-bit build");
static_assert(offsetof(CallbackRecord, Instance) == 8);
static_assert(offsetof(CallbackRecord, Action) == 24);
static_assert(offsetof(CallbackRecord, ErrorCode) == 28);
static_assert(offsetof(CallbackRecord, FileSize) == 32);
static_assert(offsetof(CallbackRecord, Text) == 36);

static_assert(offsetof(ZipCallRecord, Instance) == 8);
static_assert(offsetof(ZipCallRecord, Version) == 16);
static_assert(offsetof(ZipCallRecord, Callback) == 24);
static_assert(offsetof(ZipCallRecord, TraceFlag) == 32);
static_assert(offsetof(ZipCallRecord, Constant44) == 60);
static_assert(offsetof(ZipCallRecord, VerboseFlag) == 68);
static_assert(offsetof(ZipCallRecord, Level) == 76);
static_assert(offsetof(ZipCallRecord, DropDirNamesFlag) == 88);
static_assert(offsetof(ZipCallRecord, DeleteFlag) == 108);
static_assert(offsetof(ZipCallRecord, ArchiveTimeFlag) == 124);
static_assert(offsetof(ZipCallRecord, FileSpecCount) == 136);
static_assert(offsetof(ZipCallRecord, ArchiveName) == 144);
static_assert(offsetof(ZipCallRecord, Constant128) == 152);
static_assert(offsetof(ZipCallRecord, FileSpecs) == 160);
static_assert(offsetof(ZipCallRecord, BaseDirectory) == 160 + 8 * MaxFileSpecs);

static_assert(offsetof(UnzipCallRecord, Instance) == 8);
static_assert(offsetof(UnzipCallRecord, Callback) == 24);
static_assert(offsetof(UnzipCallRecord, Constant40) == 56);
static_assert(offsetof(UnzipCallRecord, OverwriteFlag) == 76);
static_assert(offsetof(UnzipCallRecord, FileSpecCount) == 80);
static_assert(offsetof(UnzipCallRecord, ArchiveName) == 88);
static_assert(offsetof(UnzipCallRecord, Constant72) == 96);
static_assert(offsetof(UnzipCallRecord, FileSpecs) == 104);
static_assert(offsetof(UnzipCallRecord, BaseDirectory) == 104 + 8 * MaxFileSpecs);
static_assert(offsetof(UnzipCallRecord, TestFlag) == 112 + 8 * MaxFileSpecs);
static_assert(offsetof(UnzipCallRecord, NameCharset) == 120 + 8 * MaxFileSpecs);
static_assert(offsetof(UnzipCallRecord, Password) == 128 + 8 * MaxFileSpecs);
static_assert(offsetof(UnzipCallRecord, PrivateFlag) == 136 + 8 * MaxFileSpecs);
static_assert(offsetof(ZipCallRecord, Password) == 168 + 8 * MaxFileSpecs);
static_assert(offsetof(ZipCallRecord, PasswordLength) == 176 + 8 * MaxFileSpecs);
static_assert(offsetof(UnzipCallRecord, MemberData) == 144 + 8 * MaxFileSpecs);
static_assert(offsetof(UnzipCallRecord, BaseFolder) == 152 + 8 * MaxFileSpecs);
static_assert(offsetof(ZipCallRecord, ArchiveFolder) == 184 + 8 * MaxFileSpecs);
static_assert(offsetof(ZipStreamRecord, Instance) == 8);
static_assert(offsetof(ZipStreamRecord, Callback) == 16);
static_assert(offsetof(ZipStreamRecord, ArchiveName) == 24);
static_assert(offsetof(ZipStreamRecord, Level) == 32);
static_assert(offsetof(ZipStreamRecord, ReplaceFlag) == 44);
static_assert(offsetof(ZipStreamRecord, Password) == 48);
static_assert(offsetof(ZipStreamRecord, PasswordLength) == 56);
static_assert(offsetof(ZipRenameRecord, Instance) == 8);
static_assert(offsetof(ZipRenameRecord, Callback) == 16);
static_assert(offsetof(ZipRenameRecord, ArchiveName) == 24);
static_assert(offsetof(ZipRenameRecord, VerboseFlag) == 32);
static_assert(offsetof(ZipRenameRecord, OldName) == 40);
static_assert(offsetof(ZipRenameRecord, NewName) == 48);
static_assert(offsetof(ZipStreamEntry, Kind) == 8);
static_assert(offsetof(ZipStreamEntry, Modified) == 16);
static_assert(offsetof(ZipStreamEntry, Size) == 24);
static_assert(offsetof(ZipStreamEntry, SizeKnown) == 32);
