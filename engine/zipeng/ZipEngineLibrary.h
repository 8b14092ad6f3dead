#pragma once
// libzipeng.so: adds files to a ZIP archive, deletes members from it and
// renames them.
//
// The entry point of add and delete, orvex_zipeng_call(ZipCallRecord *), is
// declared with the records in engine/common/CallRecords.h, and so are the
// rename's (orvex_zipeng_rename, ZipRenameRecord; see Rename below) and the
// streaming writer's. The record's flags mean what
// the options of Info-ZIP zip 3.0 mean:
//
//   DropDirNamesFlag   zip -j   store bare file names; no directory entries
//   RecurseFlag        zip -r   take in the whole tree below a directory
//   ForceDosFlag       zip -k   names in DOS 8.3 form, made-by = MS-DOS
//   MoveFlag           zip -m   delete the sources once the new archive is in place
//                               (not what was reached through a symbolic link,
//                               nor the link itself: see below)
//   UpdateFlag         zip -u   add new files, replace members whose file is newer
//   FreshenFlag        zip -f   replace members whose file is newer, add nothing
//                               (ignored when UpdateFlag is set)
//   ArchiveTimeFlag    zip -o   give the archive the time of its newest member
//   DeleteFlag         zip -d   delete the members named by the arguments
//   Level              zip -0 ... -9: 0 stores, 1 to 9 deflate
//   AddFlag                     1 for add, 0 for delete (DeleteFlag decides)
//   BaseDirectory               where relative arguments are found; null: the
//                               current directory (see below)
//   Password, PasswordLength    set: every file added in this call is
//                               encrypted with the PasswordLength bytes at
//                               Password, NULs included (see Encryption below)
//   ArchiveFolder               set, not empty (add): a folder of the archive
//                               ("docs/") every stored name is made in, after
//                               -j and -k ("docs/f"); no entry of its own is
//                               made. Update and freshen with no arguments
//                               refresh only the members under it, from the
//                               files at their names relative to it. A folder
//                               with an empty, "." or ".." component, a
//                               leading '/' or a '\' ends the add before
//                               anything is read: code 16, result 0
//   VerboseFlag, TraceFlag      extra information messages (action 4, code 0);
//                               trace adds the inner steps
// The Reserved and Constant fields carry nothing and are not read. Version
// must be EngineInterfaceVersion (110).
//
// File arguments (add): a file; a directory (its own entry, and with -r
// its whole tree; a trailing '/' makes no difference, as with zip); or a
// pattern with '*', '?' or '[...]' in its last component, expanded in its
// directory as a shell would (a leading dot is not matched by a wildcard).
// Relative arguments are found under BaseDirectory, exactly as if it were the
// current directory: "d/f" reads BaseDirectory/d/f and is stored as "d/f";
// with the move flag it is that file that is deleted. Absolute arguments
// ignore it. Stored names are relative: '/', "." and ".." components are
// dropped (".." is resolved within the name, never above it). Symbolic links
// are followed. Arguments that give the same stored name keep the first; the
// others are reported. With no arguments, update and freshen refresh every
// member from the file of the same name under BaseDirectory; a stored name
// that extraction would refuse or change (absolute, a drive prefix, a ".."
// component with '/' or '\' as separator, a NUL byte) is never read as a
// path: that member is kept as it is and reported (code 18). With the move
// flag, a file or directory reached through a symbolic link (the argument
// itself, or one met while recursing) is added but not deleted; one message
// names each such link. A null
// BaseDirectory means the current directory; the library never changes the
// current directory (it runs worker threads). A BaseDirectory that cannot be
// opened or searched (missing, not a directory, no permission) ends an add
// before anything is read or written: "Cannot open the base directory DIR:
// REASON", code 18, result 0. A delete does not read it, and a relative
// ArchiveName is always taken from the current directory.
//
// Delete: a argument that is a member's stored name deletes that member
// (also when the name holds wildcard characters); otherwise it is a pattern
// (fnmatch(3), where '*' also matches '/'). A directory entry also answers to
// its name without the trailing '/'. A argument that matches nothing is
// reported.
//
// Rename: OldName, a member's stored name, gets NewName; with OldName a
// folder's name ending in '/', every member whose name begins with it gets
// NewName (its '/' added when missing) in place of that prefix. The new
// archive is written as a delete writes it: every other member copied byte
// for byte; a renamed one with its local and central headers rewritten for
// the new name and its length, general-purpose bit 11 set when the new name
// is valid UTF-8 outside ASCII, and its Unicode path fields (0x7075) dropped;
// its data, encryption header, data descriptor and ZIP64 sizes copied as they
// were. Refused before anything is written (code 16; 12 when OldName names no
// member): a new name that extraction would refuse or change (NUL, absolute,
// a drive prefix, "..", '\', empty or "." components, longer than 65,535
// bytes), and one that another member has or would have, or that would be a
// file's and a folder's at once (zipformat/RenamePlan.h). Result: the number
// of members renamed.
//
// Result: the number of members added, replaced or deleted. Directory entries
// count, as zip reports them ("adding: dir/"). A job that changes nothing,
// any error and a cancel return 0 and leave the archive as it was.
//
// Names: a name outside ASCII is stored as UTF-8 with general-purpose flag
// bit 11 when it is valid UTF-8 (other bytes are stored as they are, without
// the flag). With -k each component is cut to 8.3 and upper-cased as zip -k
// does, except that characters outside ASCII become '_' and '\' is dropped,
// and a component left empty becomes "_".
//
// Members: a directory becomes an entry ending in '/'; every member keeps its
// modification time (DOS fields and the 0x5455 extended timestamp) and its
// Unix mode (made-by Unix 3.0, external attributes = mode << 16 plus the DOS
// directory and read-only bits; with -k made-by MS-DOS and DOS bits only).
// Files are deflated with libdeflate when read whole (up to 256 MiB) and with
// zlib in chunks above that; a member that deflate does not shrink is stored,
// and a large one whose samples do not shrink at the fastest level is stored
// without trying.
// Members kept from the old archive are copied byte for byte. An existing
// archive in which members' spans (local header and data) overlap, as
// extraction refuses them, is not changed at all: the add or delete fails
// with a message naming them (code 3), result 0.
//
// ZIP64: end records when there are 65,535 members or more, or the central
// directory's size or offset does not fit 32 bits; a member's central record
// gets a ZIP64 block when its sizes or offset do not fit; a local header gets
// one (both sizes) when the file is 4 GiB or more. Files are read up to the
// size they had when opened, so that is known before the header is written.
//
// The new archive is written beside the old one under a temporary name and
// renamed over it only when the job has succeeded, keeping its permission bits
// (a new archive gets 0666 less the umask); a symbolic link named as the
// archive stays and its target is replaced, or created when the link points
// to a file that does not exist yet.
//
// Encryption: a Password with a PasswordLength from 1 to MaxPasswordLength
// (CallRecords.h) is used whole; any other length with a Password set fails
// the call before anything is read or written ("The password's length N is
// not from 1 to MAX bytes", code 16, result 0), so that an add asked to
// encrypt never writes a file in the clear or with part of the password.
// With a Password, each file added gets WinZip AES-256 in its
// AE-2 form: a random 16-byte salt of its own, keys derived from it with
// PBKDF2-HMAC-SHA1, the 2-byte password verifier, the (stored or deflated)
// data encrypted with AES-256 in counter mode, and 10 bytes of HMAC-SHA1 over
// the encrypted data; the packed size counts all four. Both headers say
// method 99, version needed 5.1 and general-purpose flag bit 0, carry the
// 0x9901 field (vendor version 2, strength 3, the real method 0 or 8) and
// have 0 in the CRC field. The choice between storing and deflating is made
// as without a password; the workers encrypt what they compressed. Directory
// entries and members kept from the old archive are written as they were,
// so one archive may hold both kinds; a delete copies encrypted members like
// any other. No system randomness: the call fails (code 5) before anything is
// written. The password never appears in a message, and the library wipes its
// copies when the call ends. The traditional PKWARE encryption is never
// written.
//
// Callbacks (all on the calling thread): action 1 per member written (name,
// size clamped to INT32_MAX) followed by one action 2 per 32 KiB of it;
// action 1 per member deleted; action 4 for messages as they arise; action 3
// once at the very end, also after an error or a cancel. A callback result of
// 1 cancels the job. Message error codes: see ErrorCodes.h. In the texts of
// actions 1 and 4, control characters (C0, DEL, C1 as characters or as lone
// bytes 0x80-0x9F), U+2028, U+2029 and the bidirectional controls U+202A-202E
// and U+2066-2069 are shown as '?'; the archive keeps the names as they are.

#include "engine/common/CallRecords.h"

#define ORVEX_ZIPENG_EXPORT __attribute__((visibility("default")))
