#pragma once
// A new archive written from entries the caller hands over one after the
// other, each with its data in pieces: no file is read, and no more than one
// piece of one entry is held. An entry that fits in one piece is stored or
// deflated whole with its sizes known; a larger one is deflated piece by
// piece into one stream (Deflate.h), its header's CRC and sizes patched once
// its data has ended, or cut off again when its data did not come in full.

#include "engine/common/CallRecords.h"
#include "engine/zipeng/Encryption.h"
#include "engine/zipeng/Job.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace zipeng {

class StreamWriter : public Job {
public:
    // `replace`: the archive may replace a file of its name.
    StreamWriter(const JobOptions &options, Reporter &reporter, bool replace);

    // Creates the temporary archive. Throws JobError.
    void open();
    // ZipStreamGoOn, or ZipStreamPassed (a message says why) or
    // ZipStreamOmitted: the entry is passed over with its data.
    int32_t beginEntry(const ZipStreamEntry &entry);
    void data(std::span<const uint8_t> bytes);
    // False: the entry is not in the archive.
    bool endEntry(bool complete);
    // Completes the archive and puts it in place; the members written.
    int32_t finish();

private:
    enum class Current { None, Passed, Directory, Link, HardLink, File };

    MemberRecord newRecord(const std::string &name, uint32_t typeBits, uint16_t method) const;
    // The member's data as it goes into the archive: encrypted when the
    // member is, its MAC after it by finishEncrypted.
    void writePacked(uint8_t *bytes, size_t length);
    void writeSmallFile();
    void startLargeFile();
    void flushPiece(bool last);
    bool finishLargeFile();
    bool writeHardLink();
    void finishMember();

    bool replace_;
    int level_ = 9;
    size_t piece_ = 0;
    std::unordered_set<std::string> names_;
    // The file members written, for hard links to them: each record and
    // where its data starts.
    struct WrittenFile {
        MemberRecord record;
        uint64_t dataAt = 0;
    };
    std::unordered_map<std::string, WrittenFile> files_;
    int32_t written_ = 0;

    Current current_ = Current::None;
    MemberRecord record_;
    uint32_t mode_ = 0;
    int64_t modified_ = 0;
    uint64_t declared_ = 0;
    bool sizeKnown_ = false;
    std::vector<uint8_t> pending_;  // the entry's data not yet written: at most a piece, or a link's target
    bool started_ = false;          // a large file's header is written
    bool deflating_ = false;
    bool zip64Sizes_ = false;
    uint64_t headerAt_ = 0;
    uint64_t dataAt_ = 0;
    uint32_t crc_ = 0;
    uint64_t unpacked_ = 0;
    uint64_t packed_ = 0;
    std::unique_ptr<MemberEncryption> encryption_;
};

}  // namespace zipeng
