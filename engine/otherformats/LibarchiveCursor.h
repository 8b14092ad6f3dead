#pragma once
// The entries of an archive libarchive reads in this process. The reader
// process runs this one; nothing else should, since a hostile archive can
// make libarchive loop or take all memory.

#include "engine/otherformats/ArchiveSource.h"
#include "engine/otherformats/EntryCursor.h"

#include <optional>

namespace otherformats {

class LibarchiveCursor : public EntryCursor {
public:
    // `first`: the source's first step, when detection has already made it;
    // next() then tells it rather than reading on.
    explicit LibarchiveCursor(ArchiveSource &source, std::optional<ArchiveSource::Next> first = std::nullopt)
        : source_(source), first_(first)
    {
    }

    Next next() override;
    const Entry &entry() const override { return entry_; }
    EntryLayout layout() const override { return layout_; }
    Problem unreadable() const override { return source_.unreadable(); }
    Problem failure() const override { return source_.failure(); }
    bool isPlainZip() const override { return source_.isPlainZip(); }
    std::string formatName() const override { return source_.formatName(); }
    uint64_t bytesRead() const override { return source_.bytesRead(); }
    uint64_t size() const override { return source_.size(); }
    DataStep readBlock() override;

private:
    ArchiveSource &source_;
    std::optional<ArchiveSource::Next> first_;
    Entry entry_;
    EntryLayout layout_;
};

// What detect() says of a file that is neither missing nor a ZIP, read with
// libarchive in this process (the reader process's part of detect()).
Detection detectOpened(int fd, const std::string &name);
// The same with `source`, which stays open for a walk that reads on:
// `first` is set to the first step detection made of its entries, when it
// made one.
Detection detectOpened(ArchiveSource &source, int fd, const std::string &name,
                       std::optional<ArchiveSource::Next> &first);

}  // namespace otherformats
