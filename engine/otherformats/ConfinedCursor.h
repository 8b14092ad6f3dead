#pragma once
// The entries of an archive read by libarchive in the confined reader
// process (ConfinedProcess.h), told over its pipe (ReaderProtocol.h). A
// reader that dies, goes quiet or is cancelled ends the walk as a failure
// saying why, naming the archive.

#include "engine/otherformats/ConfinedProcess.h"
#include "engine/otherformats/EntryCursor.h"
#include "engine/otherformats/ReaderProtocol.h"

#include <optional>
#include <string>
#include <vector>

namespace otherformats {

// The reader's records, read from its pipe in large pieces: a listing of a
// million entries takes a few hundred reads rather than two million.
class RecordReader {
public:
    struct Received {
        uint8_t type = 0;
        const char *payload = nullptr;  // valid until the next call
        uint32_t length = 0;
        protocol::Decoder decoder() const { return {payload, length}; }
    };
    // The next record other than a tick. False when the reader has gone or
    // sent what no record is.
    bool next(ConfinedProcess &process, const std::function<bool()> &stopAsked, Received &record);

private:
    static constexpr size_t ReadSize = 1 << 20;
    std::vector<char> buffer_;
    size_t start_ = 0;  // the first byte not yet given out
    size_t end_ = 0;    // one past the last byte read
};

class ConfinedCursor : public EntryCursor {
public:
    // Starts the reader and waits until it has opened the archive. False
    // with `problem` set when it could not.
    bool open(const std::string &path, const ReadOptions &options, const DataWanted &wanted, Problem &problem);
    // detect()'s reading, in a reader that stays: when it says the archive
    // is one of ours, listOn() walks it from where detection stopped.
    Detection look(const std::string &path, const ReadOptions &options);
    // After look(): the reader walks on for a listing (no data, no
    // password). False with `problem` set when it could not.
    bool listOn(Problem &problem);
    void heed(const ReadOptions &options) override;

    Next next() override;
    const Entry &entry() const override { return entry_; }
    EntryLayout layout() const override { return layout_; }
    Problem unreadable() const override { return problem_; }
    Problem failure() const override { return problem_; }
    bool isPlainZip() const override { return plainZip_; }
    std::string formatName() const override { return format_; }
    uint64_t bytesRead() const override { return bytesRead_; }
    uint64_t size() const override { return size_; }
    DataStep readBlock() override;

private:
    bool start(const std::string &path, const ReadOptions &options, std::string &error);
    // Asks the reader to walk, and waits until it has opened the archive.
    bool walk(const std::string &memberName, const std::optional<std::string> &password, Problem &problem);
    // The reader has gone or said something unreadable: the reason, said once.
    Problem stopped();
    void passOverData();

    ConfinedProcess process_;
    std::string name_;        // the archive's file name, for messages
    std::string memberName_;  // a lone compressed file's one entry's
    std::function<bool()> stopAsked_;
    RecordReader reader_;
    RecordReader::Received record_;
    Entry entry_;
    EntryLayout layout_;
    Problem problem_;
    std::string format_;
    uint64_t bytesRead_ = 0;
    uint64_t size_ = 0;
    uint64_t sequence_ = 0;
    DataWanted wanted_;
    uint64_t index_ = 0;  // the next readable entry's, numbered as list() numbers them
    bool plainZip_ = false;
    bool dataOpen_ = false;  // the reader is sending the current entry's data
    bool gone_ = false;
};

// detect()'s reading of a file libarchive is to look at, in the reader.
Detection detectConfined(const std::string &path, const ReadOptions &options);

}  // namespace otherformats
