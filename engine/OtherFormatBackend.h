#pragma once
// Archives in formats other than ZIP, read with libarchive
// (engine/otherformats) and told to the caller with the events and in the
// words of a ZIP archive, so that no caller needs a second path. tar (with
// gzip, bzip2, xz or zstd) and 7z are changed by writing them anew with
// libarchive's writers (OtherFormatChanges.cpp); the rest is read-only.

#include "engine/ArchiveBackend.h"
#include "engine/OtherArchiveOutput.h"
#include "engine/otherformats/OtherFormats.h"
#include "engine/otherformats/WriteFormat.h"

#include <memory>
#include <string>

namespace orvex {

class OtherFormatBackend : public ArchiveBackend {
public:
    // `sighting` is what chose this backend for `archive`, with the reader
    // its first list() reads on with, if it kept one; `format` what the
    // archive is written as, none when it is only read.
    OtherFormatBackend(std::string archive, otherformats::Sighting sighting,
                       std::optional<otherformats::WriteFormat> format);

    void list(const std::string &nameCharset, ArchiveEvents &events, ArchiveListing &listing) override;
    OperationResult extract(const ExtractRequest &request, const std::vector<ArchiveEntry> &listing,
                            ArchiveEvents &events) override;
    StreamOutcome readEntries(const std::vector<ArchiveEntry> &listing, const std::string &nameCharset, EntrySink &sink,
                              ArchiveEvents &events) override;
    // Written when its format is, and when nothing read says otherwise: a
    // listing that met damage or encryption leaves it read-only.
    std::optional<std::string> formatWithoutListing() const override;
    bool writable() const override;
    WriteAbilities abilities() const override;
    OperationResult add(const AddRequest &request, ArchiveEvents &events) override;
    OperationResult remove(const DeleteRequest &request, ArchiveEvents &events) override;
    OperationResult rename(const RenameRequest &request, ArchiveEvents &events) override;

private:
    bool refuseChange(ArchiveEvents &events) const;
    bool compressed() const;
    // A new archive in place of the old one: `fill` writes into the output,
    // given a function that copies the old entries through the output's
    // nameFor; true once the new archive is in place.
    template <typename Fill>
    bool rewrite(int level, ArchiveEvents &events, OtherArchiveOutput::Placement placement, const Fill &fill);

    std::string archive_;
    otherformats::Detection detection_;
    std::shared_ptr<otherformats::EntryCursor> listingReader_;  // for the first list(), then none
    std::optional<otherformats::WriteFormat> writeFormat_;
    bool listedWhole_ = false;  // a listing read every entry, none encrypted
    bool encrypted_ = false;    // a listing met encrypted names or data
    // The password that opened encrypted names, for every later reading of
    // the same archive without asking again.
    Secret password_;
};

}  // namespace orvex
