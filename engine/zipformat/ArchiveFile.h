#pragma once
// An archive path opened for reading: the single file it names, or every
// part of the split archive it belongs to, joined end to end into one
// source. The listing, the extraction and the update of an archive all open
// it here, so that the three agree on what a set is and which part is missing.

#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/SplitParts.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zipformat {

class ArchiveFile final : public RandomAccessSource {
public:
    struct Part {
        std::string path;
        std::string name;    // the file name alone, as messages give it
        uint64_t start = 0;  // where it begins in this source
        uint64_t size = 0;   // a missing part's is a guess: its neighbours'
        bool present = false;
    };

    ArchiveFile() = default;
    ArchiveFile(const ArchiveFile &) = delete;
    ArchiveFile &operator=(const ArchiveFile &) = delete;

    // False with error() (errno) when the file named cannot be opened, or
    // with problem() when its set lacks the part that holds the central
    // directory, so that nothing of it can be listed.
    bool open(const std::string &path);
    void close();
    int error() const { return error_; }
    const std::string &problem() const { return problem_; }
    bool isRegularFile() const { return regular_; }
    // More than one part, present or not.
    bool isSplit() const { return parts_.size() > 1; }
    // The single file's descriptor; -1 for a set.
    int descriptor() const;

    uint64_t size() const override { return size_; }
    // A missing part reads as zeros, so that the search for the end record
    // may look back across it. No member is taken from there: the member
    // list refuses every one that needs a missing part, and a set without
    // the parts of its central directory does not open.
    size_t readAt(uint64_t offset, void *buffer, size_t n) const override;
    const ArchiveFile *splitArchive() const override { return isSplit() ? this : nullptr; }

    const std::vector<Part> &parts() const { return parts_; }
    // Whether the records' disk numbers say where each member lies (Info-ZIP
    // sets); a set cut by bytes is one disk.
    bool numbersDisks() const { return kind_ == SplitParts::Kind::Disks; }
    // Where `offset` of disk `disk` lies in this source; nothing when that
    // part is missing or the set has no such disk.
    std::optional<uint64_t> diskOffset(uint32_t disk, uint64_t offset) const;
    // The first missing part that bytes [from, to) would need.
    const Part *missingPartIn(uint64_t from, uint64_t to) const;
    const Part *missingDisk(uint32_t disk) const;
    // What the listing and the extraction say about the set before anything
    // else: the missing parts, or that only one part of several is here.
    std::vector<std::string> absenceNotes() const;

    // "Part NAME of this split archive is missing"
    static std::string missingText(const Part &part);

private:
    bool openParts(const SplitParts &found);
    std::string checkDirectoryParts();

    SplitParts::Kind kind_ = SplitParts::Kind::Single;
    std::vector<Part> parts_;
    std::vector<std::unique_ptr<PosixFile>> files_;  // one per part; closed when missing
    size_t opened_ = 0;
    uint32_t directoryDisk_ = 0;
    uint64_t size_ = 0;
    int error_ = 0;
    bool regular_ = false;
    std::string problem_;
};

}  // namespace zipformat
