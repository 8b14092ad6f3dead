#include "engine/otherformats/SevenZipRun.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace otherformats {

namespace {

// Enough of 7-Zip's complaints to name what went wrong; one per entry of a
// large archive would be megabytes.
constexpr size_t ErrorsKept = 64 * 1024;

// Far past any password given here (1,024 bytes at most), far below a pipe's
// 64 KiB.
constexpr size_t MaxPasswordBytes = 4096;

bool contains(const std::string &text, const char *words)
{
    return text.find(words) != std::string::npos;
}

// The first line 7-Zip gives after "ERROR: " or under "ERRORS:", without
// the archive's name (/proc/self/fd/3, which says nothing to the user).
std::string firstComplaint(const std::string &errors)
{
    size_t at = 0;
    while (at < errors.size()) {
        size_t end = errors.find('\n', at);
        if (end == std::string::npos)
            end = errors.size();
        std::string line = errors.substr(at, end - at);
        at = end + 1;
        if (line.starts_with("ERROR: "))
            line.erase(0, 7);
        else if (line.starts_with("Open ERROR: "))
            line.erase(0, 12);
        if (line.empty() || line == "ERRORS:" || line.find("/proc/self/fd/") != std::string::npos)
            continue;
        return line;
    }
    return {};
}

// 7-Zip's words for an entry's failure in ours.
std::string reasonInWords(const std::string &reason)
{
    if (reason == "Data Error")
        return "damaged data";
    if (reason == "CRC Failed")
        return "its data does not match its CRC";
    if (reason == "Headers Error")
        return "damaged headers";
    return reason;
}

}  // namespace

std::string sevenZipProgram()
{
    const char *path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t at = 0;
    while (at <= folders.size()) {
        size_t end = folders.find(':', at);
        if (end == std::string::npos)
            end = folders.size();
        const std::string folder = folders.substr(at, end - at);
        at = end + 1;
        // Only an absolute folder: a relative one would be the working
        // folder's, where an archive's own files may lie.
        if (folder.empty() || folder.front() != '/')
            continue;
        const std::string candidate = folder + "/7zz";
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

bool beginsAsSevenZip(int fd)
{
    static constexpr std::array<unsigned char, 6> signature{'7', 'z', 0xBC, 0xAF, 0x27, 0x1C};
    std::array<unsigned char, 6> head{};
    return ::pread(fd, head.data(), head.size(), 0) == ssize_t(head.size()) && head == signature;
}

Problem sevenZipProblem(const std::string &errors, int exitCode, const std::string &stopped, bool passwordGiven,
                        const ReaderLimits &limits)
{
    if (!stopped.empty())
        return {{}, ProblemKind::Limit, "7-Zip was stopped: " + stopped};
    // "Wrong password?" for data or names that do not decrypt; a question
    // for the password that met the end of its input ("Break signaled")
    // when none was given.
    if (contains(errors, "Wrong password") || contains(errors, "Cannot open encrypted archive")
        || contains(errors, "Break signaled"))
        return {{}, ProblemKind::Encrypted, passwordGiven ? "wrong password" : "encrypted: a password is needed"};
    if (exitCode == 8 || contains(errors, "Can't allocate required memory"))
        return {
            {}, ProblemKind::Limit, "7-Zip needs more memory than the limit of " + bytesInWords(limits.memoryBytes)};
    if (contains(errors, "Unsupported Method"))
        return {{}, ProblemKind::Damaged, "unsupported compression method"};
    const std::string complaint = firstComplaint(errors);
    if (contains(errors, "Cannot open the file as"))
        return {{},
                ProblemKind::Damaged,
                "7-Zip cannot read it as a 7z archive" + (complaint.empty() ? std::string() : ": " + complaint)};
    // "Data Error : dir/a.txt": the entry it could not read.
    if (const size_t named = complaint.rfind(" : "); named != std::string::npos)
        return {complaint.substr(named + 3), ProblemKind::Damaged, reasonInWords(complaint.substr(0, named))};
    if (!complaint.empty())
        return {{}, ProblemKind::Damaged, reasonInWords(complaint)};
    return {{}, ProblemKind::Damaged, "7-Zip failed (exit code " + std::to_string(exitCode) + ")"};
}

SevenZipRun::~SevenZipRun()
{
    if (!finished_) {
        process_.kill();
        int exitCode = 0;
        process_.finish(exitCode);
    }
    if (collector_.joinable())
        collector_.join();
}

bool SevenZipRun::start(const std::string &program, const std::vector<std::string> &arguments, int archiveFd,
                        uint64_t archiveSize, const ReadOptions &options, Problem &problem)
{
    stopAsked_ = [cancel = options.cancel, asked = options.stopAsked] {
        return (cancel && cancel->load()) || (asked && asked());
    };
    limits_ = options.limits;
    passwordGiven_ = options.password.has_value();
    // 7-Zip reads the password as one line of its input, written before it
    // reads anything: it must fit in the pipe, which 7-Zip may never read.
    if (options.password && options.password->find_first_of(std::string("\n\r\0", 3)) != std::string::npos) {
        problem = {{}, ProblemKind::Encrypted, "7-Zip takes no password with a line break or a NUL in it"};
        return false;
    }
    if (options.password && options.password->size() > MaxPasswordBytes) {
        problem = {{},
                   ProblemKind::Encrypted,
                   "7-Zip takes no password longer than " + std::to_string(MaxPasswordBytes) + " bytes"};
        return false;
    }
    int errorPipe[2] = {-1, -1};
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) {
        problem = {{}, ProblemKind::Damaged, std::string("cannot start 7-Zip: ") + std::strerror(errno)};
        return false;
    }
    common::UniqueFd errorRead(errorPipe[0]), errorWrite(errorPipe[1]);
    ConfinedProcess::Launch launch;
    launch.arguments = arguments;
    launch.program = program;
    launch.archiveFd = archiveFd;
    launch.archiveSize = archiveSize;
    launch.limits = options.limits;
    launch.errorFd = errorWrite.get();
    std::string error;
    if (!process_.start(launch, error)) {
        finished_ = true;
        couldNotRun_ = true;
        problem = {{}, ProblemKind::Damaged, "cannot start 7-Zip: " + error};
        return false;
    }
    // Ours closed, the child's end alone holds the pipe open: it reads as
    // ended when the child has gone.
    errorWrite.reset();
    collector_ = std::thread([this, fd = errorRead.release()] { collect(fd); });
    if (options.password) {
        std::string line = *options.password + "\n";
        // A 7-Zip that never asks has gone before reading it: no matter.
        process_.write(line.data(), line.size());
        std::fill(line.begin(), line.end(), '\0');
    }
    process_.closeInput();
    return true;
}

void SevenZipRun::collect(int fd)
{
    common::UniqueFd owned(fd);
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return;
        const std::lock_guard lock(errorsLock_);
        if (errors_.size() < ErrorsKept)
            errors_.append(buffer, std::min(size_t(got), ErrorsKept - errors_.size()));
    }
}

std::string SevenZipRun::errors() const
{
    const std::lock_guard lock(errorsLock_);
    return errors_;
}

ConfinedProcess::Read SevenZipRun::read(void *buffer, size_t size, size_t &got)
{
    return process_.read(buffer, size, got, stopAsked_);
}

ConfinedProcess::Read SevenZipRun::readExactly(void *buffer, size_t size)
{
    return process_.readExactly(buffer, size, stopAsked_);
}

std::optional<Problem> SevenZipRun::finish()
{
    if (finished_)
        return outcome_;
    finished_ = true;
    int exitCode = -1;
    const std::string reason = process_.finish(exitCode);
    // Its standard error is complete once it has gone.
    if (collector_.joinable())
        collector_.join();
    const std::string stopped = process_.stopReason();
    const bool sevenZipsOwn = exitCode == 2 || exitCode == 7 || exitCode == 8 || exitCode == 255;
    if (stopped.empty() && (exitCode == 0 || exitCode == 1))
        outcome_.reset();
    else if (stopped.empty() && sevenZipsOwn)
        outcome_ = sevenZipProblem(errors(), exitCode, {}, passwordGiven_, limits_);
    else if (stopped.empty() && exitCode == reader_exit::CannotRun) {
        couldNotRun_ = true;
        outcome_ = Problem{{}, ProblemKind::Damaged, "7-Zip could not be started: " + reason};
    } else
        // Killed: by its limits, by this side (cancel, silence) or by a fault.
        outcome_ = sevenZipProblem(errors(), exitCode, stopped.empty() ? reason : stopped, passwordGiven_, limits_);
    return outcome_;
}

}  // namespace otherformats
