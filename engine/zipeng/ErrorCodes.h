#pragma once
// The error codes carried by message callbacks (action 4). 0 is information;
// every other value is an error. The numbers are the exit statuses that
// zip(1) documents, so a user who knows that tool recognises them.

#include <cstdint>
#include <string>

namespace zipeng {

enum ErrorCode : int32_t {
    InfoCode = 0,
    FormatError = 3,  // the existing archive is not a readable ZIP
    OutOfMemory = 4,
    InternalError = 5,
    EntryTooLarge = 6,    // a name longer than a ZIP header can hold
    Interrupted = 9,      // the caller cancelled
    TempFileError = 10,   // the temporary archive could not be created
    ReadError = 11,       // reading a source file or the old archive failed
    NothingMatched = 12,  // a argument matched nothing
    MissingArchive = 13,  // delete from an archive that does not exist
    WriteError = 14,      // writing the new archive failed (full disk, ...)
    CreateError = 15,     // the new archive could not be put in place
    BadParameters = 16,   // the parameter record is unusable, a name is repeated, or a new name refused
    OpenError = 18,       // a source file, or the base directory, is missing or cannot be opened
};

// A failure that ends the job: the old archive stays as it was.
struct JobError {
    int32_t code;
    std::string message;
};

// The callback asked to stop.
struct Cancelled {};

}  // namespace zipeng
