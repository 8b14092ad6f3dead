#include "app/cli/Console.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>

namespace cli {

void writeOut(const std::string &line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

void writeOut(const QString &line)
{
    writeOut(line.toStdString());
}

void writeError(const std::string &message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", terminalText(message).c_str());
}

std::string filled(const QString &pattern, std::initializer_list<std::string_view> arguments)
{
    const std::string text = pattern.toStdString();
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t number = i + 1 < text.size() ? size_t(text[i + 1] - '0') : 0;
        if (text[i] == '%' && number >= 1 && number <= arguments.size()) {
            result.append(arguments.begin()[number - 1]);
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

// The first of SIGINT, SIGTERM and SIGHUP to arrive while an operation is
// prepared or runs, 0 before. Killed outright, the process would leave the
// libraries' temporary files behind (a partly written member in the target,
// a partly written archive beside the old one); asked through the component
// instead, they stop at their next block and remove them.
std::atomic<int> stopSignal{0};
std::atomic<bool> stopRequested{false};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
              "set from a signal handler");

namespace {

// Written once a stop signal came, for waits that no flag can end (the
// password question's); both ends are made before any signal is caught.
int stopWakePipe[2] = {-1, -1};

extern "C" void noteStopSignal(int signalNumber)
{
    int none = 0;
    stopSignal.compare_exchange_strong(none, signalNumber);
    stopRequested.store(true);
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(stopWakePipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

int stopWake()
{
    if (stopWakePipe[0] < 0 && ::pipe2(stopWakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        stopWakePipe[0] = stopWakePipe[1] = -1;
    return stopWakePipe[0];
}

// Without SA_RESTART, so that the signal also ends a wait for the archive's
// lock. A signal ignored from the start (nohup, a background job) stays so.
void catchStopSignals(TZipEngine *engine)
{
    stopWake();
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        if (::sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = noteStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        ::sigaction(signalNumber, &action, nullptr);
    }
    if (engine)
        engine->CancelRequest = &stopSignal;
}

bool stopped()
{
    return stopSignal.load() != 0;
}
int stopStatus(int otherwise)
{
    return stopped() ? 128 + stopSignal.load() : otherwise;
}

}  // namespace cli
