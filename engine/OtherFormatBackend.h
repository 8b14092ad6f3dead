#pragma once
// Archives in formats other than ZIP, read with libarchive
// (engine/otherformats) and told to the caller with the events and in the
// words of a ZIP archive, so that no caller needs a second path. Read-only.

#include "engine/ArchiveBackend.h"
#include "engine/otherformats/OtherFormats.h"

#include <string>

namespace orvex {

class OtherFormatBackend : public ArchiveBackend {
public:
    // `detection` is what chose this backend for `archive`.
    OtherFormatBackend(std::string archive, otherformats::Detection detection);

    void list(const std::string &nameCharset, ArchiveEvents &events, ArchiveListing &listing) override;
    OperationResult extract(const ExtractRequest &request, const std::vector<ArchiveEntry> &listing,
                            ArchiveEvents &events) override;
    StreamOutcome readEntries(const std::vector<ArchiveEntry> &listing, const std::string &nameCharset, EntrySink &sink,
                              ArchiveEvents &events) override;
    bool writable() const override { return false; }
    OperationResult add(const AddRequest &request, ArchiveEvents &events) override;
    OperationResult remove(const DeleteRequest &request, ArchiveEvents &events) override;
    OperationResult rename(const RenameRequest &request, ArchiveEvents &events) override;

private:
    std::string archive_;
    otherformats::Detection detection_;
    // The password that opened encrypted names, for every later reading of
    // the same archive without asking again.
    Secret password_;
};

}  // namespace orvex
