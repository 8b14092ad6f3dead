#pragma once
// A program that reads an untrusted archive, run as a child under limits:
// our own reader (orvex97-reader, libarchive behind a pipe) or a program it
// starts once it has confined itself (7-Zip's 7zz). The child gets the
// archive as an open descriptor, no other descriptor of ours, an empty
// working folder it cannot write to, a cap on its memory and processor time
// and no way to write files, start programs or reach the network. What it
// writes comes back through a pipe; while waiting for it this side watches
// the caller's cancel and how long the child stays quiet, and kills it on
// either. Whatever the child does, the caller gets bytes or a reason.

#include "engine/otherformats/OtherFormats.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace otherformats {

// "2 GiB", "512 MiB", "20 s", "0.2 s": how the limits are said in messages.
std::string bytesInWords(uint64_t bytes);
std::string durationInWords(std::chrono::milliseconds duration);

// How many children this process has started: one reading's count of
// reader processes, for the tests that hold it to one.
uint64_t childrenStarted();

// Where orvex97-reader is: beside the running program, in its installed
// folder, or for a program of the build tree in that tree; empty when none
// is found.
std::string readerProgram();

class ConfinedProcess {
public:
    struct Launch {
        // The reader's own arguments; with `program` set, the reader
        // confines itself and then becomes that program with `arguments`.
        std::vector<std::string> arguments{};
        std::string program{};  // absolute path, or empty for the reader's own work
        int archiveFd = -1;     // given to the child as descriptor 3; -1: none
        uint64_t archiveSize = 0;
        ReaderLimits limits{};
        // The child's standard error: -1 leaves it ours (sanitizer reports,
        // a program's own complaints go where ours go).
        int errorFd = -1;
    };

    ConfinedProcess() = default;
    ~ConfinedProcess();  // kills the child if it still runs, and reaps it
    ConfinedProcess(const ConfinedProcess &) = delete;
    ConfinedProcess &operator=(const ConfinedProcess &) = delete;

    // False with `error` set when the child cannot be started.
    bool start(const Launch &launch, std::string &error);

    // To the child's standard input; false once it has gone.
    bool write(const void *data, size_t size);
    void closeInput();
    int inputFd() const { return input_; }

    enum class Read { Data, End, Cancelled, Quiet };
    // Up to `size` bytes of the child's standard output. End: it closed its
    // output (it exited, or is about to). Cancelled, Quiet: the child has been
    // killed.
    Read read(void *buffer, size_t size, size_t &got, const std::function<bool()> &stopAsked);
    // Exactly `size` bytes, or the reason why not; a child that ended before
    // them reads as End.
    Read readExactly(void *buffer, size_t size, const std::function<bool()> &stopAsked);

    // Kills the child at once.
    void kill();
    // Waits for the child to end and says why it did, in words for a
    // message ("it used more than 2 GiB of memory"); empty when it exited
    // with 0 and `exitCode` is set to that. Call after End, or after a kill.
    std::string finish(int &exitCode);
    // Why the child was killed by this side, if it was.
    std::string stopReason() const { return stopReason_; }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int input_ = -1;   // its standard input
    int output_ = -1;  // its standard output
    Launch launch_;
    std::string stopReason_;
    bool reaped_ = false;
    int status_ = 0;
};

// The reader's exit codes the parent tells apart.
namespace reader_exit {
inline constexpr int Done = 0;
inline constexpr int OutOfMemory = 3;  // its memory limit was reached
inline constexpr int BadRequest = 4;
inline constexpr int CannotRun = 5;  // the program it was to become could not be started
}  // namespace reader_exit

}  // namespace otherformats
