#include "engine/otherformats/LibarchiveCursor.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <new>
#include <utility>

namespace otherformats {

namespace {

EntryLayout layoutOf(archive_entry *e, const Entry &entry)
{
    EntryLayout layout;
    const bool holdsData = entry.kind == EntryKind::File
                           || (entry.kind == EntryKind::HardLink && entry.size.value_or(0) > 0);
    const uint64_t size = entry.size.value_or(0);
    layout.bytesHeld = size;
    if (entry.size && holdsData)
        layout.requiredEnd = size;
    if (archive_entry_sparse_reset(e) <= 0)
        return layout;
    // Holes within are skipped by the blocks' offsets; a hole at the end is
    // covered by no block, so complete data reaches only the last extent.
    layout.sparse = true;
    uint64_t last = 0, held = 0;
    la_int64_t offset = 0, length = 0;
    while (archive_entry_sparse_next(e, &offset, &length) == ARCHIVE_OK) {
        if (offset >= 0 && length > 0)
            last = std::max(last, uint64_t(offset) + uint64_t(length));
        // A map that claims more than the size counts as the size.
        if (length > 0 && held < size)
            held += std::min(uint64_t(length), size - held);
    }
    layout.bytesHeld = held;
    if (layout.requiredEnd)
        layout.requiredEnd = std::min(last, size);
    return layout;
}

}  // namespace

EntryCursor::Next LibarchiveCursor::next()
{
    const ArchiveSource::Next next = first_ ? *std::exchange(first_, std::nullopt) : source_.next();
    if (next != ArchiveSource::Next::Entry)
        return next == ArchiveSource::Next::End          ? Next::End
               : next == ArchiveSource::Next::Unreadable ? Next::Unreadable
                                                         : Next::Failed;
    entry_ = source_.describe();
    layout_ = layoutOf(source_.current(), entry_);
    return Next::Entry;
}

DataStep LibarchiveCursor::readBlock()
{
    DataStep step;
    for (;;) {
        la_int64_t offset = 0;
        const int status = archive_read_data_block(source_.handle(), &step.data, &step.size, &offset);
        if (status == ARCHIVE_RETRY)
            continue;
        if (status == ARCHIVE_EOF) {
            step.kind = DataStep::Kind::End;
            return step;
        }
        step.kind = DataStep::Kind::Failed;
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
            // An entry that says it is encrypted and fails is reported as
            // such: the user can do something about a password.
            const bool encrypted = entry_.encrypted || archive_entry_is_data_encrypted(source_.current());
            step.problem = Problem{entry_.name, encrypted ? ProblemKind::Encrypted : ProblemKind::Damaged,
                                   (encrypted ? "encrypted: " : "") + source_.error()};
            step.fatal = status == ARCHIVE_FATAL;
            return step;
        }
        if (offset < 0) {
            step.problem = Problem{entry_.name, ProblemKind::Damaged, "the data has a negative offset"};
            step.fatal = true;
            return step;
        }
        step.kind = DataStep::Kind::Block;
        step.offset = uint64_t(offset);
        return step;
    }
}

Detection detectOpened(int fd, const std::string &name)
{
    ArchiveSource source;
    std::optional<ArchiveSource::Next> first;
    return detectOpened(source, fd, name, first);
}

Detection detectOpened(ArchiveSource &source, int fd, const std::string &name,
                       std::optional<ArchiveSource::Next> &first)
{
    Detection result;
    try {
        if (!source.open(fd, name, std::nullopt, result.error))
            return result;
        const ArchiveSource::Next next = source.next();
        first = next;
        result.format = source.formatName();
        result.filter = source.filterName();
        if (next == ArchiveSource::Next::Failed)
            result.error = source.error();
        if (source.headerRefused()) {
            // A cpio whose first header is refused: its listing says why.
            result.verdict = Verdict::Other;
            result.format = "cpio";
            return result;
        }
        if (archive_format(source.handle()) == 0)
            return result;
        if (source.isZip())
            // A compressed ZIP is no file our ZIP engine opens; libarchive reads it.
            result.verdict = result.filter == "none" ? Verdict::Zip : Verdict::Other;
        else if (source.isRaw())
            // Without a compression the "raw" format is any file at all.
            result.verdict = result.filter == "none" ? Verdict::NotArchive : Verdict::Other;
        else if (next == ArchiveSource::Next::End && source.onlyZeros())
            // A block of zeros reads as an empty tar archive: a file with
            // nothing in it is no archive of anything. An archive with no
            // entries (an empty 7z, a tar of only a volume label) is one.
            result.verdict = Verdict::NotArchive;
        else
            result.verdict = Verdict::Other;
    } catch (const std::bad_alloc &) {
        result = {};
        result.error = "out of memory";
        first.reset();
    }
    return result;
}

}  // namespace otherformats
