#pragma once
// Where orvexzip gets the password of encrypted members: the first line of
// the file named by --password-file; otherwise, when standard input is a
// terminal, a question on the terminal with echo off; otherwise none (the
// members are skipped). Never from the command line itself, where other
// users' `ps` would show it.

#include "engine/ZipEngine.h"
#include "engine/common/CallRecords.h"

#include <array>
#include <atomic>
#include <map>
#include <string>
#include <string_view>

namespace cli {

inline constexpr const char *PasswordFileOption = "password-file";

class PasswordSource {
public:
    // Makes a member name safe to show on the terminal.
    using NameFilter = std::string (*)(std::string_view name);
    // `stop` is the command's stop-signal flag: a Ctrl-C at the question
    // cancels the operation. `stopWake` turns readable once it is set (-1:
    // no such descriptor).
    PasswordSource(const std::atomic<int> *stop, int stopWake, NameFilter shownName)
        : stop_(stop), stopWake_(stopWake), shownName_(shownName)
    {
    }
    ~PasswordSource();
    PasswordSource(const PasswordSource &) = delete;
    PasswordSource &operator=(const PasswordSource &) = delete;

    // Reads the password now; false with `error` (naming the file, never
    // showing what it holds) when it cannot, or when its first line is
    // longer than MaxPasswordLength bytes. The line's bytes are the
    // password, NULs included; only a final CR goes.
    bool readFile(const std::string &path, std::string &error);
    // A typed line longer than MaxPasswordLength bytes is never cut: the
    // answer is Cancel and refusal() says why.
    TZipEngine::PasswordAnswer answer(const std::string &member, int attempt, std::string &password);
    // Why the last answer was refused; empty when it was not.
    const std::string &refusal() const { return refusal_; }

private:
    TZipEngine::PasswordAnswer askTerminal(const std::string &member, std::string &password);

    const std::atomic<int> *stop_;
    int stopWake_;
    NameFilter shownName_;
    bool fromFile_ = false;
    // The longest password, a CR after it, and one byte more that shows a
    // line to be longer.
    std::array<char, MaxPasswordLength + 2> filePassword_{};
    size_t fileLength_ = 0;
    std::string refusal_;
};

// The shared step of every command that reads members (extract, test):
// --password-file FILE from the parsed options, and the engine's question
// bound to `source`, whose refusals reach the engine's MessageSink and stop
// the operation. False with `error` when the file cannot be read.
bool attachPasswordSource(TZipEngine &engine, PasswordSource &source, const std::map<std::string, std::string> &options,
                          std::string &error);

}  // namespace cli
