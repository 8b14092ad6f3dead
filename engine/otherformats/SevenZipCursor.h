#pragma once
// A 7z archive read by 7-Zip's own program (7zz), for what libarchive cannot
// read: encrypted data and names, and the newer filters (ARM64, RISC-V).
// One run lists the archive; when data is wanted (or a symbolic link's
// target, which 7z stores as its data) a second run writes every file's
// data, one after the other in the listing's order, and this cursor cuts
// that stream at the listed sizes. 7-Zip's output is not trusted: each
// entry's data is checked against its listed CRC before it counts as read,
// and a short or failed entry shifts nothing but what fails its own check.

#include "engine/otherformats/EntryCursor.h"
#include "engine/otherformats/SevenZipListing.h"
#include "engine/otherformats/SevenZipRun.h"

#include "engine/common/UniqueFd.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace otherformats {

class SevenZipCursor final : public EntryCursor {
public:
    // Lists `path` with `program` (7zz's absolute path). Null with `problem`
    // set when it cannot: encrypted names without the right password among
    // the reasons, and `couldNotRun` set when the program would not run.
    static std::unique_ptr<SevenZipCursor> open(const std::string &program, const std::string &path,
                                                const ReadOptions &options, const DataWanted &wanted, Problem &problem,
                                                bool *couldNotRun = nullptr);

    Next next() override;
    const Entry &entry() const override { return entries_[current_].entry; }
    EntryLayout layout() const override;
    Problem unreadable() const override { return unreadable_; }
    Problem failure() const override { return failure_; }
    bool isPlainZip() const override { return false; }
    std::string formatName() const override { return "7-Zip"; }
    uint64_t bytesRead() const override;
    uint64_t size() const override { return size_; }
    DataStep readBlock() override;
    void heed(const ReadOptions &options) override
    {
        options_.cancel = options.cancel;
        options_.stopAsked = options.stopAsked;
    }

private:
    SevenZipCursor() = default;

    bool startData(const std::string &program, Problem &problem);
    // The current entry's next block, asked for or not (a link's target).
    DataStep nextBlock();
    // Reads and drops what is left of the current entry's data in the stream.
    void passOver();
    // The current entry's data failed: why, named after it.
    DataStep failed(Problem problem, bool fatal);
    Problem streamProblem();
    Problem checksumProblem() const;
    // The current entry's number among those list() gives.
    uint64_t number() const { return numbers_[current_].value_or(UINT64_MAX); }

    ReadOptions options_{};
    DataWanted wanted_{};
    common::UniqueFd fd_;
    uint64_t size_ = 0;
    std::vector<SevenZipEntry> entries_;
    std::vector<std::optional<uint64_t>> numbers_;  // list()'s index of each entry; none for one refused
    size_t current_ = 0;
    bool begun_ = false;

    std::unique_ptr<SevenZipRun> data_;  // the extraction's run, when data or a link is wanted
    size_t lastNeeded_ = 0;              // the last entry it is wanted for
    bool streamEnded_ = false;           // it gave all it will
    uint64_t streamTotal_ = 0;           // of all entries' data
    uint64_t streamRead_ = 0;
    uint64_t left_ = 0;    // of the current entry's data, still in the stream
    uint64_t offset_ = 0;  // in the current entry's data, given out
    uint32_t crc_ = 0;     // of what was given out
    bool done_ = false;    // the current entry's data has had its End or Failed
    std::vector<unsigned char> buffer_;
    std::optional<Problem> linkFailure_;  // why the current link's target, asked for, could not be read
    std::string firstDamaged_;            // the first entry whose data failed as damaged

    Problem unreadable_{};
    Problem failure_{};
};

}  // namespace otherformats
