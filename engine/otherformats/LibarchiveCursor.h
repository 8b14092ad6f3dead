#pragma once
// The entries of an archive libarchive reads in this process. The reader
// process runs this one; nothing else should, since a hostile archive can
// make libarchive loop or take all memory.

#include "engine/otherformats/ArchiveSource.h"
#include "engine/otherformats/EntryCursor.h"

namespace otherformats {

class LibarchiveCursor : public EntryCursor {
public:
    explicit LibarchiveCursor(ArchiveSource &source) : source_(source) {}

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
    Entry entry_;
    EntryLayout layout_;
};

// What detect() says of a file that is neither missing nor a ZIP, read with
// libarchive in this process (the reader process's part of detect()).
Detection detectOpened(int fd, const std::string &name);

}  // namespace otherformats
