#include "engine/otherformats/ConfinedProcess.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace otherformats {

namespace {

// How often a wait for the child looks at the caller's cancel.
constexpr int CancelLookMs = 50;

uint64_t fromEnvironment(const char *name, uint64_t fallback)
{
    const char *value = std::getenv(name);
    if (!value || !*value)
        return fallback;
    char *end = nullptr;
    const unsigned long long parsed = std::strtoull(value, &end, 10);
    return end && *end == '\0' && parsed > 0 ? uint64_t(parsed) : fallback;
}

bool isExecutable(const std::string &path)
{
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string runningProgramFolder()
{
    char path[PATH_MAX] = {};
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    const std::string program(path, size_t(length));
    return program.substr(0, program.find_last_of('/'));
}

// A descriptor above the standard ones and 3, where the child's own go, so
// that the spawn's dup2()s cannot overwrite one another.
int highCopy(int fd)
{
    return ::fcntl(fd, F_DUPFD_CLOEXEC, 10);
}

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

uint64_t cpuSecondsFor(const ConfinedProcess::Launch &launch)
{
    if (launch.limits.cpuSeconds)
        return launch.limits.cpuSeconds;
    return 60 + 2 * (launch.archiveSize >> 20);
}

std::atomic<uint64_t> startedChildren = 0;

}  // namespace

ReaderLimits defaultReaderLimits()
{
    ReaderLimits limits;
    limits.memoryBytes = fromEnvironment("ORVEX97_READER_MEMORY_MB", limits.memoryBytes >> 20) << 20;
    limits.quiet =
        std::chrono::milliseconds(fromEnvironment("ORVEX97_READER_QUIET_MS", uint64_t(limits.quiet.count())));
    limits.cpuSeconds = fromEnvironment("ORVEX97_READER_CPU_SECONDS", limits.cpuSeconds);
    return limits;
}

std::string bytesInWords(uint64_t bytes)
{
    if (bytes >= (1ull << 30) && bytes % (1ull << 30) == 0)
        return std::to_string(bytes >> 30) + " GiB";
    if (bytes >= (1ull << 20))
        return std::to_string(bytes >> 20) + " MiB";
    return std::to_string(bytes) + " bytes";
}

std::string durationInWords(std::chrono::milliseconds duration)
{
    const auto ms = uint64_t(duration.count());
    if (ms % 1000 == 0)
        return std::to_string(ms / 1000) + " s";
    std::string tenths = std::to_string(ms / 100);
    if (tenths.size() < 2)
        tenths.insert(0, "0");
    return tenths.substr(0, tenths.size() - 1) + "." + tenths.back() + " s";
}

uint64_t childrenStarted()
{
    return startedChildren.load(std::memory_order_relaxed);
}

std::string readerProgram()
{
    static const std::string found = [] {
        const std::string here = runningProgramFolder();
        std::vector<std::string> candidates = {here + "/orvex97-reader", here + "/" ORVEX_READER_INSTALLED_RELATIVE};
        // Tests run from their own folder of the build tree; an installed
        // program never takes a build tree's reader.
        const std::string buildTree = ORVEX_BUILD_DIR;
        if (here == buildTree || here.starts_with(buildTree + "/"))
            candidates.push_back(buildTree + "/orvex97-reader");
        for (const std::string &candidate : candidates)
            if (isExecutable(candidate))
                return candidate;
        return std::string();
    }();
    return found;
}

ConfinedProcess::~ConfinedProcess()
{
    closeFd(input_);
    closeFd(output_);
    if (pid_ > 0 && !reaped_) {
        ::kill(pid_, SIGKILL);
        while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
        }
    }
}

bool ConfinedProcess::start(const Launch &launch, std::string &error)
{
    launch_ = launch;
    const std::string reader = readerProgram();
    if (reader.empty()) {
        error = "the archive reader orvex97-reader is not installed";
        return false;
    }
    int toChild[2] = {-1, -1}, fromChild[2] = {-1, -1};
    if (::pipe2(toChild, O_CLOEXEC) != 0 || ::pipe2(fromChild, O_CLOEXEC) != 0) {
        error = std::string("cannot start the archive reader: ") + std::strerror(errno);
        for (int &fd : toChild)
            closeFd(fd);
        return false;
    }
    // Room for a few blocks, so that the child decodes while we write.
    ::fcntl(fromChild[0], F_SETPIPE_SZ, 1 << 20);
    int childIn = highCopy(toChild[0]), childOut = highCopy(fromChild[1]);
    int archive = launch.archiveFd >= 0 ? highCopy(launch.archiveFd) : -1;
    int errors = launch.errorFd >= 0 ? highCopy(launch.errorFd) : -1;
    closeFd(toChild[0]);
    closeFd(fromChild[1]);

    std::vector<std::string> words = {reader, "--memory", std::to_string(launch.limits.memoryBytes), "--cpu",
                                      std::to_string(cpuSecondsFor(launch))};
    if (!launch.program.empty()) {
        words.push_back("--run");
        words.push_back(launch.program);
    }
    words.insert(words.end(), launch.arguments.begin(), launch.arguments.end());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, childIn, 0);
    posix_spawn_file_actions_adddup2(&actions, childOut, 1);
    if (errors >= 0)
        posix_spawn_file_actions_adddup2(&actions, errors, 2);
    if (archive >= 0)
        posix_spawn_file_actions_adddup2(&actions, archive, 3);
    const int spawned = ::posix_spawn(&pid_, reader.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    for (int *fd : {&childIn, &childOut, &archive, &errors})
        closeFd(*fd);
    if (spawned != 0) {
        pid_ = -1;
        closeFd(toChild[1]);
        closeFd(fromChild[0]);
        error = std::string("cannot start the archive reader: ") + std::strerror(spawned);
        return false;
    }
    input_ = toChild[1];
    output_ = fromChild[0];
    startedChildren.fetch_add(1, std::memory_order_relaxed);
    return true;
}

bool ConfinedProcess::write(const void *data, size_t size)
{
    if (input_ < 0)
        return false;
    // A child that has gone must not take us with it through SIGPIPE: the
    // signal is held back for this thread and taken off if it came.
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    const char *at = static_cast<const char *>(data);
    bool written = true;
    while (size > 0) {
        const ssize_t wrote = ::write(input_, at, size);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            if (errno == EPIPE) {
                const timespec none{};
                sigtimedwait(&pipeSignal, nullptr, &none);
            }
            written = false;
            break;
        }
        at += wrote;
        size -= size_t(wrote);
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return written;
}

void ConfinedProcess::closeInput()
{
    closeFd(input_);
}

ConfinedProcess::Read ConfinedProcess::read(void *buffer, size_t size, size_t &got,
                                            const std::function<bool()> &stopAsked)
{
    got = 0;
    if (output_ < 0)
        return Read::End;
    using Clock = std::chrono::steady_clock;
    Clock::duration quiet{};
    for (;;) {
        if (stopAsked && stopAsked()) {
            stopReason_ = "cancelled";
            kill();
            return Read::Cancelled;
        }
        pollfd watch{output_, POLLIN, 0};
        const auto before = Clock::now();
        const int ready = ::poll(&watch, 1, CancelLookMs);
        quiet += Clock::now() - before;
        if (ready < 0 && errno != EINTR)
            return Read::End;
        if (ready > 0) {
            const ssize_t n = ::read(output_, buffer, size);
            if (n < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            if (n <= 0)
                return Read::End;
            got = size_t(n);
            return Read::Data;
        }
        if (quiet >= launch_.limits.quiet) {
            stopReason_ = "it made no progress for " + durationInWords(launch_.limits.quiet);
            kill();
            return Read::Quiet;
        }
    }
}

ConfinedProcess::Read ConfinedProcess::readExactly(void *buffer, size_t size, const std::function<bool()> &stopAsked)
{
    char *at = static_cast<char *>(buffer);
    while (size > 0) {
        size_t got = 0;
        const Read read = this->read(at, size, got, stopAsked);
        if (read != Read::Data)
            return read;
        at += got;
        size -= got;
    }
    return Read::Data;
}

void ConfinedProcess::kill()
{
    if (pid_ > 0 && !reaped_)
        ::kill(pid_, SIGKILL);
}

std::string ConfinedProcess::finish(int &exitCode)
{
    exitCode = -1;
    closeFd(input_);
    closeFd(output_);
    if (pid_ <= 0)
        return "it did not start";
    if (!reaped_) {
        while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
    }
    if (!stopReason_.empty())
        return stopReason_;
    if (WIFSIGNALED(status_)) {
        const int signal = WTERMSIG(status_);
        if (signal == SIGXCPU)
            return "it used more than " + std::to_string(cpuSecondsFor(launch_)) + " s of processor time";
        return std::string("it stopped on signal ") + std::to_string(signal) + " (" + strsignal(signal) + ")";
    }
    exitCode = WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
    if (exitCode == reader_exit::OutOfMemory)
        return "it used more than " + bytesInWords(launch_.limits.memoryBytes) + " of memory";
    if (exitCode == reader_exit::CannotRun)
        return "it could not start " + launch_.program;
    if (launch_.program.empty() && exitCode != reader_exit::Done)
        return "it ended with code " + std::to_string(exitCode);
    return {};
}

}  // namespace otherformats
