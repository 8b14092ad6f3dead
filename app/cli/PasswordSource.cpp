#include "app/cli/PasswordSource.h"

#include "app/cli/Console.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string.h>
#include <termios.h>
#include <unistd.h>

namespace cli {

namespace {

// Echo off for the length of one question, and back on however it ends.
class EchoOff {
public:
    explicit EchoOff(int fd) : fd_(fd)
    {
        if (::tcgetattr(fd_, &saved_) != 0)
            return;
        termios quiet = saved_;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        active_ = ::tcsetattr(fd_, TCSAFLUSH, &quiet) == 0;
    }
    ~EchoOff()
    {
        if (active_)
            ::tcsetattr(fd_, TCSANOW, &saved_);
    }
    EchoOff(const EchoOff &) = delete;
    EchoOff &operator=(const EchoOff &) = delete;

private:
    int fd_;
    termios saved_{};
    bool active_ = false;
};

// Why the password file `path` cannot be read; `error` is errno's value.
std::string unreadableFile(const std::string &path, int error)
{
    //: %1 is the password file's path, %2 the system's reason
    return filled(QCoreApplication::translate("cli", "Cannot read the password file %1: %2"),
                  {path, std::strerror(error)});
}

}  // namespace

PasswordSource::~PasswordSource()
{
    ::explicit_bzero(filePassword_.data(), filePassword_.size());
}

bool PasswordSource::readFile(const std::string &path, std::string &error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = unreadableFile(path, errno);
        return false;
    }
    // Only the first line counts; it is read into a buffer that is wiped, so
    // no copy of it is left in freed memory. A key file of random bytes may
    // hold NULs: they are part of the password.
    size_t length = 0;
    bool lineEnded = false;
    while (!lineEnded && length < filePassword_.size()) {
        const ssize_t n = ::read(fd, filePassword_.data() + length, filePassword_.size() - length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = unreadableFile(path, errno);
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        const void *newline = std::memchr(filePassword_.data() + length, '\n', size_t(n));
        length += size_t(n);
        if (newline) {
            length = size_t(static_cast<const char *>(newline) - filePassword_.data());
            lineEnded = true;
        }
    }
    ::close(fd);
    const bool filled = !lineEnded && length == filePassword_.size();  // the line goes on
    if (!filled && length > 0 && filePassword_[length - 1] == '\r')    // a file written on Windows
        --length;
    if (filled || length > size_t(MaxPasswordLength)) {
        ::explicit_bzero(filePassword_.data(), filePassword_.size());
        //: %1 is the password file's path; %n the most bytes a password may have
        error = cli::filled(QCoreApplication::translate("cli", "The password in %1 is longer than %n bytes", nullptr,
                                                        MaxPasswordLength),
                            {path});
        return false;
    }
    std::fill(filePassword_.begin() + std::ptrdiff_t(length), filePassword_.end(), '\0');
    fileLength_ = length;
    fromFile_ = true;
    return true;
}

TZipEngine::PasswordAnswer PasswordSource::answer(const std::string &member, int attempt, std::string &password)
{
    refusal_.clear();
    if (fromFile_) {
        // A second question means the file's password was wrong for this
        // member; there is no other to give.
        if (attempt > 1)
            return TZipEngine::PasswordAnswer::None;
        password.assign(filePassword_.data(), fileLength_);
        return TZipEngine::PasswordAnswer::Given;
    }
    if (::isatty(STDIN_FILENO) != 1)
        return TZipEngine::PasswordAnswer::None;
    return askTerminal(member, password);
}

TZipEngine::PasswordAnswer PasswordSource::askTerminal(const std::string &member, std::string &password)
{
    auto stopped = [this] { return stop_ && stop_->load() != 0; };
    std::array<char, MaxPasswordLength> typed{};
    size_t length = 0;
    bool lineEnded = false, inputEnded = false, tooLong = false;
    {
        // Echo goes off before the question shows, so that nothing typed
        // once it is seen is echoed or thrown away.
        const EchoOff quiet(STDIN_FILENO);
        std::fflush(stdout);
        if (::isatty(STDERR_FILENO) == 1)
            std::fputs("\r\033[K", stderr);  // over the progress line, if one is shown
        //: The question on the terminal: %1 is the archive or member the password is for
        const std::string question =
            filled(QCoreApplication::translate("cli", "Password for %1: "), {shownName_ ? shownName_(member) : member});
        std::fputs(question.c_str(), stderr);
        std::fflush(stderr);
        while (!lineEnded && !inputEnded && !stopped()) {
            // A stop signal may be taken by any of the engine's threads, and
            // may come between the check above and the wait: the wake-up
            // descriptor ends the wait whichever thread took it, and when.
            // The echo comes back on the way out of this block. The wait
            // also ends now and then: a runtime that defers signal handlers
            // (ThreadSanitizer's) runs one only when a call returns.
            pollfd waits[2] = {{STDIN_FILENO, POLLIN, 0}, {stopWake_, POLLIN, 0}};
            const int ready = ::poll(waits, stopWake_ >= 0 ? 2 : 1, 250);
            if ((ready < 0 && errno == EINTR) || ready == 0)
                continue;
            if (waits[1].revents != 0)
                continue;
            char c = 0;
            const ssize_t n = ::read(STDIN_FILENO, &c, 1);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                inputEnded = true;
            else if (c == '\n')
                lineEnded = true;
            else if (length < typed.size())
                typed[length++] = c;
            else
                tooLong = true;  // read on to the line's end: none of it is left for the next question
        }
    }
    if (!lineEnded)
        std::fputc('\n', stderr);
    TZipEngine::PasswordAnswer result = TZipEngine::PasswordAnswer::Given;
    if (stopped()) {
        result = TZipEngine::PasswordAnswer::Cancel;
    } else if (tooLong) {
        // Cut, it would encrypt with less than was typed, or be refused as wrong.
        //: %n is the most bytes a password may have
        refusal_ =
            QCoreApplication::translate("cli", "The password typed is longer than %n bytes", nullptr, MaxPasswordLength)
                .toStdString();
        result = TZipEngine::PasswordAnswer::Cancel;
    } else if (inputEnded && length == 0) {  // Ctrl-D: no password
        result = TZipEngine::PasswordAnswer::None;
    } else {
        password.assign(typed.data(), length);
    }
    ::explicit_bzero(typed.data(), typed.size());
    return result;
}

bool attachPasswordSource(TZipEngine &engine, PasswordSource &source, const std::map<std::string, std::string> &options,
                          std::string &error)
{
    if (const auto file = options.find(PasswordFileOption); file != options.end())
        if (!source.readFile(file->second, error))
            return false;
    engine.OnPassword = [&source, &engine](const std::string &member, int attempt, std::string &password) {
        const TZipEngine::PasswordAnswer given = source.answer(member, attempt, password);
        if (!source.refusal().empty()) {
            engine.Cancel = true;  // the later slices of the operation too
            if (engine.MessageSink)
                engine.MessageSink(source.refusal());
        }
        return given;
    };
    return true;
}

}  // namespace cli
