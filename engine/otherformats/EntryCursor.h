#pragma once
// An archive's entries one after the other, with their data, however they
// are read: libarchive in a confined reader process (ConfinedCursor), the
// same in this process (LibarchiveCursor, which the reader process itself
// runs), or 7-Zip's program for 7z. The listing, the test, the stream and
// the extraction walk a cursor and never know which.

#include "engine/otherformats/OtherFormats.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace otherformats {

// What a walk will read of the entries' data, told when the cursor is
// opened, so that a reader in another process can send it without being
// asked entry by entry.
struct DataWanted {
    enum class Kind { None, All, Chosen };
    Kind kind = Kind::All;
    std::set<uint64_t> chosen{};  // list()'s indices, for Chosen
    // False: the data is read to check it but kept by nobody (a test), so a
    // reader elsewhere tells each block's place and size without its bytes.
    bool bytes = true;

    static DataWanted none() { return {Kind::None, {}, true}; }
    static DataWanted all() { return {Kind::All, {}, true}; }
    bool wants(uint64_t index) const { return kind == Kind::All || (kind == Kind::Chosen && chosen.count(index) != 0); }
};

// The shape of the current entry's data besides its declared size.
struct EntryLayout {
    // Where complete data must reach: the declared size less a hole its
    // sparse map leaves at the end. None for an entry whose size is not its
    // data's (a folder, a symbolic link) or that declares none.
    std::optional<uint64_t> requiredEnd{};
    // The bytes the data puts on the disk: a sparse entry's holes stay holes.
    uint64_t bytesHeld = 0;
    bool sparse = false;
};

struct DataStep {
    enum class Kind { Block, End, Failed };
    Kind kind = Kind::End;
    const void *data = nullptr;  // a Block's bytes, valid until the next call; none without DataWanted::bytes
    size_t size = 0;
    uint64_t offset = 0;  // where they go in the entry
    Problem problem{};    // a Failed step's, named after the entry
    bool fatal = false;   // Failed, and nothing more of the archive can be read
};

class EntryCursor {
public:
    virtual ~EntryCursor() = default;

    // Unreadable: this entry cannot be read, or is refused before it is,
    // but the next may be; Failed: nothing more can be read. unreadable()
    // or failure() says why.
    enum class Next { Entry, Unreadable, End, Failed };
    virtual Next next() = 0;
    // The current entry, after Next::Entry.
    virtual const Entry &entry() const = 0;
    virtual EntryLayout layout() const = 0;
    virtual Problem unreadable() const = 0;
    virtual Problem failure() const = 0;
    // A ZIP archive as it is: our own ZIP engine reads it, not this.
    virtual bool isPlainZip() const = 0;
    virtual std::string formatName() const = 0;
    virtual uint64_t bytesRead() const = 0;
    virtual uint64_t size() const = 0;

    // From now on the cancel and stop of `options` are heeded rather than
    // those the cursor was opened with: a cursor opened to detect the
    // archive goes on to serve its listing.
    virtual void heed(const ReadOptions &options) { static_cast<void>(options); }

    // The current entry's data, block by block, to End or Failed. Only for
    // an entry the DataWanted given at opening asks for; a walk may stop
    // before the end, and next() passes over the rest.
    virtual DataStep readBlock() = 0;
};

// The cursor that reads `path`: each call starts its own reader. Null with
// `problem` set when the archive cannot be opened (or the reader started).
std::unique_ptr<EntryCursor> openCursor(const std::string &path, const ReadOptions &options, const DataWanted &wanted,
                                        Problem &problem);

}  // namespace otherformats
