#pragma once
// A new tar or 7z archive written beside its target under a temporary name
// and put there only by commit(), so that a cancel, a full disk or a crash
// leaves whatever the target held as it was. Entries come from a reader
// (this is an EntrySink), kept, renamed or passed over as the caller
// decides, and from the disk.

#include "engine/ArchiveEvents.h"
#include "engine/EntryStream.h"
#include "engine/otherformats/ArchiveWriter.h"
#include "engine/otherformats/DiskSources.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>

namespace orvex {

class OtherArchiveOutput : public EntrySink {
public:
    // Said through `events` as the add library says them.
    OtherArchiveOutput(std::string target, otherformats::WriterSettings settings, ArchiveEvents &events);
    ~OtherArchiveOutput() override;
    OtherArchiveOutput(const OtherArchiveOutput &) = delete;
    OtherArchiveOutput &operator=(const OtherArchiveOutput &) = delete;

    // The temporary file and the writer; false when either could not be made.
    bool open();
    // Where what follows is said: each step of a conversion may run on
    // another thread with its own events.
    void setEvents(ArchiveEvents &events) { events_ = &events; }

    // Asked of each entry a reader tells: the name it is written under, or
    // none to pass it over. Unset: every entry as it is.
    std::function<std::optional<std::string>(const StreamEntry &)> nameFor;
    // An entry the reader could not read in full, or one that cannot be
    // written, breaks the whole archive when this is set (a change of an
    // archive must lose nothing); otherwise it is left out and counted.
    bool wholeOrNothing = true;

    // Breaks the archive, saying why with the add library's code: nothing
    // more is written and commit() refuses.
    void refuse(int code, const std::string &text) { fail(code, text); }

    bool begin(const StreamEntry &entry) override;
    bool data(const void *bytes, size_t length) override;
    bool end(bool complete) override;

    // A file, folder or link found by scanDisk, read through `base`.
    bool addFromDisk(int base, const otherformats::DiskItem &item);

    struct Placement {
        bool replace = false;        // the target may exist, and is replaced
        std::optional<mode_t> mode;  // the old archive's; else 0666 less the umask
        std::optional<std::pair<uid_t, gid_t>> owner;
        std::optional<int64_t> modified;  // the archive file's own time
    };
    // The trailer written, the file synced and renamed onto the target.
    bool commit(const Placement &placement);

    bool broken() const { return broken_; }
    uint64_t written() const { return written_; }  // entries
    uint64_t left() const { return left_; }        // entries of the reader left out
    int64_t newestTime() const { return newest_; }

private:
    bool fail(int code, const std::string &text);
    bool writeHeader(const otherformats::WriteEntry &entry, bool &takesData);
    bool spoolFinished();

    std::string target_;
    otherformats::WriterSettings settings_;
    ArchiveEvents *events_;
    std::string temporary_;
    int fd_ = -1;
    std::unique_ptr<otherformats::ArchiveWriter> writer_;
    bool broken_ = false;
    bool committed_ = false;
    uint64_t written_ = 0;
    uint64_t left_ = 0;
    int64_t newest_ = 0;
    std::unordered_set<std::string> names_;  // written, for hard links and repeats

    // The reader's entry in progress.
    enum class Copy { None, Direct, Spooled, Passed };
    Copy copy_ = Copy::None;
    otherformats::WriteEntry current_;
    uint64_t copied_ = 0;
    int spool_ = -1;  // memory file holding the data of an entry of unknown size
};

}  // namespace orvex
