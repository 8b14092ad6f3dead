#pragma once
// One run of 7-Zip's program (7zz) on an archive, confined like our own
// reader: its arguments, the password on its standard input (never on its
// command line, which any process may read in /proc), its output, and why
// it failed in the words of a Problem. What it says on its standard error
// is gathered beside, for those words.

#include "engine/common/UniqueFd.h"
#include "engine/otherformats/ConfinedProcess.h"

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace otherformats {

// 7zz on PATH, as an absolute path; empty when there is none.
std::string sevenZipProgram();

// The file begins with 7z's signature.
bool beginsAsSevenZip(int fd);

// 7-Zip's complaints and exit code as a problem of the archive (`entry`
// empty) or of the entry it names. `stopped`: why this side stopped it, if
// it did.
Problem sevenZipProblem(const std::string &errors, int exitCode, const std::string &stopped, bool passwordGiven,
                        const ReaderLimits &limits);

class SevenZipRun {
public:
    SevenZipRun() = default;
    ~SevenZipRun();
    SevenZipRun(const SevenZipRun &) = delete;
    SevenZipRun &operator=(const SevenZipRun &) = delete;

    // Starts `program` with `arguments` on the archive open as `archiveFd`
    // (which it opens as /proc/self/fd/3). False with `problem` set when it
    // cannot be started, or the password cannot be handed to it.
    bool start(const std::string &program, const std::vector<std::string> &arguments, int archiveFd,
               uint64_t archiveSize, const ReadOptions &options, Problem &problem);

    ConfinedProcess::Read read(void *buffer, size_t size, size_t &got);
    ConfinedProcess::Read readExactly(void *buffer, size_t size);

    // Once its output has ended or it was stopped: why it failed, or none
    // when it exited 0 (or 1, 7-Zip's "warning", with all it had to give).
    std::optional<Problem> finish();
    // What it has said on its standard error so far.
    std::string errors() const;
    // 7zz could not be started, or not become the program it is (after
    // start() or finish() said so).
    bool couldNotRun() const { return couldNotRun_; }

private:
    void collect(int fd);

    ConfinedProcess process_;
    std::function<bool()> stopAsked_;  // the caller's cancel or stop request
    ReaderLimits limits_{};
    bool passwordGiven_ = false;
    bool finished_ = false;
    bool couldNotRun_ = false;
    std::optional<Problem> outcome_;
    std::thread collector_;
    mutable std::mutex errorsLock_;
    std::string errors_;
};

}  // namespace otherformats
