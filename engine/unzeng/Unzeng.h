#pragma once
// libunzeng.so: extracts members of a ZIP archive into a target directory:
// BaseDirectory, or the process's current directory when that is null. One
// entry point, orvex_unzeng_call(), declared in CallRecords.h:
//
//     int32_t orvex_unzeng_call(UnzipCallRecord *record);
//
// The target is opened once, as a directory, and everything is created
// relative to it; the library never changes the current directory, which
// the caller's other threads may be using. A target that cannot
// be opened or searched (missing, not a directory, no permission) ends the
// call before anything is written: "cannot open the target directory DIR:
// REASON", code 50, result 0. A relative ArchiveName is still taken from the
// current directory.
//
// The options behave like Info-ZIP unzip 6.0's:
//
//   DirNamesFlag  on:  recreate the stored paths, including stored directories
//                 off: -j, every file goes straight into the target directory
//                      under its last name component; directory entries are
//                      skipped
//   OverwriteFlag on:  -o, replace existing files without asking
//                 off: -n, never replace an existing file; the member is
//                      skipped (an information message when verbose)
//   UpdateFlag        -u, extract a member only when no file of its name exists
//                      or the existing one is older; whether an older file is
//                      replaced still depends on OverwriteFlag (as unzip -u -n)
//   FreshenFlag       -f, like -u but creates no new files; ignored when
//                      UpdateFlag is set. Without OverwriteFlag it could never do
//                      anything (unzip refuses "-f -n"): error 10, nothing done
//   VerboseFlag, TraceFlag
//                     information messages (action 4, code 0): one per member
//                     extracted, created or skipped; trace adds method, sizes,
//                     CRC and header details
//   FileSpecs         FileSpecCount 0 takes every member. Otherwise a member is
//                     taken when its name (see Names below) equals a file specification or
//                     matches it as an fnmatch(3) pattern ('*' also matches '/',
//                     as in unzip). A file specification that matches nothing is
//                     reported: "caution: filename not matched:  SPEC", code 11
//   TestFlag      on: test, as unzip -t: every selected member is decoded in
//                 full on the worker threads and checked (archive checks,
//                 method, sizes, CRC), and nothing is written: BaseDirectory
//                 is neither opened nor needed, no file, directory, link or
//                 temporary file is made, and DirNamesFlag, OverwriteFlag,
//                 UpdateFlag, FreshenFlag and the free-space check do not
//                 apply. Names are not made safe (nothing lands on disk under
//                 them), a link's target is decoded and checked like a file's
//                 contents, a directory entry passes unless the archive
//                 checks refuse it. Progress as for an extraction; a member
//                 that fails gets exactly one message, the one an extraction
//                 gives (code 2, 81 for an unsupported method or encryption,
//                 50 when memory runs out); with verbose, one information
//                 message "    testing: NAME  OK" per member that passed.
//                 Result: the number of selected members that passed,
//                 directories included (after a cancel, the number so far)
//   PrivateFlag   on: every file is written 0600 and every directory 0700,
//                 whatever mode the member carries: copies for the user
//                 alone, never executable (members opened, edited, dragged out)
//   BaseFolder    with DirNamesFlag, not null or empty: a folder of the archive
//                 ("docs/") that members below it are extracted relative to:
//                 once a name is made safe (see Names below), its leading
//                 components equal to the folder's are dropped ("docs/api/x"
//                 lands at "api/x"); the folder's own entry makes nothing;
//                 other members keep their paths. A link's target is kept and
//                 checked at the link's final place. A folder that is absolute
//                 or has a ".." component: error 10, nothing done. Ignored by
//                 a test and without DirNamesFlag
//   Instance, Callback  passed back / called; a null Callback means no reports
//   Version, Constant*, Reserved*  carry nothing and are not read
//
// Result: the number of regular files and symbolic links placed on disk.
// Directories (stored or created on the way) are not counted, nor members
// skipped or refused. After a cancel it is the count placed before it.
//
// Callbacks, all on the calling thread, in archive order:
//   action 1  a regular file or link is being extracted: its stored name (the
//             decoded one for a name in a code page, see NameCharset below) and
//             its uncompressed size (clamped to INT32_MAX)
//   action 2  once per full 32 KiB of that member's output written, so a
//             member of N bytes gives N / 32768 steps
//   action 4  messages as they arise, error codes below
//   action 3  once, at the very end, also after a cancel or a fatal error
// A callback result of 1 cancels: the member in progress is dropped (no file,
// no temporary file), members already in place stay, the count so far is
// returned. An exception thrown by the callback also stops the extraction; it
// is rethrown to the caller once the temporary files are removed.
//
// Error codes of action-4 messages (0 is information):
//   1   warning: a name was made safe and the member extracted anyway
//   2   the member is not extracted: damaged data (CRC, sizes), a refused name
//       or link, headers that disagree, overlapping members, a file in the way,
//       a wrong or missing password, a failed authentication code
//   3   the archive's central directory is damaged
//   9   the archive cannot be opened or is not a ZIP archive
//   10  the request itself is unusable (options, file specifications)
//   11  a file specification matched no member
//   50  writing failed (disk full, I/O error, permissions), or the target
//       directory cannot be opened
//   81  unsupported compression method or encryption (strong encryption)
//
// Names, decided case by case:
//   - A backslash is read as a directory separator (archives written on
//     Windows use it), so "..\x" is "../x".
//   - Leading '/' (any number) is stripped, as unzip does: "/x" and "//x"
//     become "x", with a warning (code 1).
//   - A drive prefix "C:" followed by a separator is stripped the same way:
//     "C:/x" and "C:\x" become "x", with a warning.
//   - Any ".." component refuses the member (code 2), wherever it stands,
//     even where it would stay inside ("a/../b"). Empty and "." components
//     are dropped.
//   - A name with a NUL byte is refused.
//   - When the Info-ZIP Unicode path field (0x7075) matches the stored name,
//     its UTF-8 name is used on disk; the same rules apply to it.
//   - NameCharset: a name with no such field, no UTF-8 flag (general flag bit
//     11) and no well-formed UTF-8 is in a code page: "437", "850", "852",
//     "866", "737", "932", "936", "949", "950" or "1252"; null, "" or "auto"
//     guesses one for the whole archive, as the listing does
//     (engine/zipformat/NameCharset.h); an unknown one reads as 437. Such a
//     name is written on disk under its UTF-8 decoding, to which the same
//     rules apply; action-1 names and messages give the decoded name, and a
//     file specification selects it by its decoded name or its stored bytes.
//
// Links: a member whose made-by host is Unix (or OS X) and whose mode is
// S_IFLNK becomes a symbolic link to its data. The target must be relative,
// all its ".." components must lead it (no ".." after a named component), and
// there must be no more of them than the link's directory is deep below the
// target directory; otherwise the link is refused (code 2). Every directory
// on the way to a member is opened component by component without following
// links, files are created relative to that descriptor, so no member is ever
// written through a link, whether the archive made it or it was there before:
// a member named through one ("link/x") is refused.
//
// Archive checks: a member whose local header is missing, names another
// name or another method than its central-directory entry, whose data runs
// into the central directory or past the end of the file, or whose span
// (local header and data) overlaps another member's span, is refused with a
// message. Sizes and CRC come from the central directory. Output is never
// more than the declared size: a member that decodes to more or less, or
// fails its CRC-32, is an error and leaves nothing behind.
//
// Methods: stored, deflated, bzip2, LZMA (with the ZIP LZMA header), zstd,
// xz. Others are skipped with code 81.
//
// Encrypted members: the traditional PKWARE cipher (flag bit 0; a 12-byte
// header whose last byte is checked against the CRC's high byte, or with a
// data descriptor the DOS time's) and WinZip AES (method 99 with a 0x9901
// field: AES-128/192/256, AE-1 and AE-2; the field gives the real method;
// AE-2 stores CRC 0, which is not checked, AE-1 keeps it and it is).
// Strong encryption (flag bit 6), an encrypted central directory (bit 13)
// and method 99 without a valid 0x9901 field are skipped with code 81.
//   Password  the caller's PasswordCallback, on the calling thread, in archive
//             order, when an encrypted member is about to be written (after
//             the checks of its name, method and the file on disk); what was
//             planned before is put in place first. The answer is the
//             `*passwordLength` bytes the callback put in the buffer
//             (MaxPasswordLength bytes, no terminator needed), NULs
//             included, used whole; 0 bytes is the empty password. A length
//             outside 0 to MaxPasswordLength stops the call as
//             PasswordCancel does, without trying any of it. The answer
//             is checked against the member (check byte; AES verifier, whose key
//             derivation runs once per member on the calling thread, the
//             keys then going to the worker). The first question about a
//             member has attempt 1; a wrong answer is asked again with
//             attempt 2, then 3; after three wrong answers the member is
//             skipped: "NAME: wrong password", code 2. The password that
//             worked is tried first on the next encrypted members without
//             asking; when it fails there, that counts as the member's first
//             wrong answer and the question comes with attempt 2.
//             PasswordCancel stops the call as a callback cancel does.
//             PasswordNone, or a null Password: "NAME: encrypted, no
//             password given", code 2 (the member is fine, it was only not
//             asked for, so not 81), or "NAME: wrong password" when a wrong
//             one was given first. The password is never in a message and
//             is wiped (with the derived keys) when the call ends.
//   Traditional cipher: 1 wrong password in 256 passes the check byte. Its
//             decoding then fails or the CRC does; an encrypted member that
//             fails either is reported as "NAME: wrong password, or the data
//             is damaged: REASON", code 2, and not asked for again.
//   AES:      a wrong password that passes the 2-byte verifier (1 in 65536)
//             fails the authentication code below. The code over the
//             encrypted data is checked
//             before any byte is kept: members decoded whole check it before
//             decoding; streamed ones (past 64 MiB) decode into their
//             temporary file, which is only renamed into place once the code
//             at the end matches. A mismatch: "NAME: authentication failed
//             (the data was changed)", code 2, no file left.
//   Encrypted data shorter than its header (12 bytes; salt, verifier and
//   code for AES), or a stored member whose encrypted data is not its size,
//   is an error (code 2) before any question; data that ends early fails
//   like any other. Encrypted links are decrypted like files.
//
// Decoder memory: the decoders of one call share a limit of a quarter of
// physical memory, at most 2 GiB (ORVEX_UNZENG_MEMORY_MIB in the environment
// can lower it). What a member needs comes from its own header (LZMA and xz
// dictionaries, zstd windows, bzip2 block sizes); a member needing more than
// a quarter of the limit is decoded alone, the others waiting ("decoded
// alone", information when verbose); one needing more than the limit is
// refused (code 2, "it needs N MiB of memory to decode, more than the M MiB
// allowed").
//
// Free space: a member whose declared size is more than the target's file
// system has free (for root, counting the reserved blocks) is skipped before
// anything is written (code 50); the others go on.
//
// Messages (action 4) show line breaks, other control characters, U+0080 to
// U+009F (and raw bytes 0x80 to 0x9F that are no UTF-8), U+2028, U+2029 and
// the bidirectional embeddings, overrides and isolates as '?', so a member
// name cannot forge or hide a line; a NUL shows as "\0". Names on disk and
// the action-1 names are not changed.
//
// Files are written under a temporary name beside their target, then renamed
// into place; modification time (extended timestamp when present, else the
// DOS time as local time) and permission bits are restored. With a Unix
// made-by host the mode's permission bits are used, without set-user-ID,
// set-group-ID and sticky; otherwise 0644 (files) / 0755 (directories) minus
// the umask. Stored directories get their mode and time at the end, and only
// when this call created them; a directory always keeps owner rwx.
//
// Members up to 64 MiB are decoded whole in memory (libdeflate for deflate)
// and written with one call; larger ones are streamed (zlib and the other
// codecs' streaming interfaces). Up to four worker threads decode and write
// the temporary files; the callbacks, the decisions about existing files,
// directory and link creation and the final renames happen on the calling
// thread in archive order, so the outcome is that of extracting one member
// after the other.

#include "engine/common/MessageCode.h"
