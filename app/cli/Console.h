#pragma once
// What every orvexzip command shares with the terminal: output lines,
// messages on stderr, the component's events bound to them, and the stop
// signals (SIGINT, SIGTERM, SIGHUP) turned into a cancel request.

#include "app/PlainWords.h"
#include "app/cli/TerminalText.h"
#include "engine/ZipEngine.h"

#include <QCoreApplication>
#include <QString>
#include <atomic>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unistd.h>

namespace cli {

void writeOut(const std::string &line);
void writeOut(const QString &line);
void writeError(const std::string &message);

// A translated message with %1, %2 ... replaced by `arguments` byte for
// byte: a path or a member name need not be UTF-8, and a round trip through
// QString would change such a name's bytes.
std::string filled(const QString &pattern, std::initializer_list<std::string_view> arguments);

// Binds the component's events to the terminal: messages to stderr, a
// progress line when stderr is a terminal.
class ConsoleReporter {
public:
    explicit ConsoleReporter(TZipEngine &engine) : interactive_(::isatty(STDERR_FILENO) == 1)
    {
        engine.MessageSink = [this](const std::string &text) {
            endProgressLine();
            std::fprintf(stderr, "%s\n", terminalText(text).c_str());
            sawError_ = true;
        };
        engine.OnMessage = [this](TZipEngine &, int errCode, const std::string &text) {
            if (errCode > 0)
                sawError_ = true;
            endProgressLine();
            std::fprintf(stderr, "%s\n", terminalText(text).c_str());
            // The window's plain second line, under the same error.
            if (errCode > 0)
                if (const QString plain = plain_words::messageLine(errCode, QString::fromStdString(text));
                    !plain.isEmpty())
                    std::fprintf(stderr, "%s\n", terminalText(plain.toStdString()).c_str());
        };
        engine.OnProgress = [this](TZipEngine &, ProgressType type, const std::string &name, int32_t) {
            if (!interactive_)
                return;
            if (type == FileBegin) {
                //: The progress line: %1 is the name of the member being worked on
                const std::string line = filled(QCoreApplication::translate("cli", "File: %1"), {terminalText(name)});
                std::fprintf(stderr, "\r\033[K%s", line.c_str());
                progressShown_ = true;
            } else if (type == BatchEnd) {
                endProgressLine();
            }
        };
    }
    bool sawError() const { return sawError_; }

private:
    void endProgressLine()
    {
        if (progressShown_)
            std::fputc('\n', stderr);
        progressShown_ = false;
    }
    bool interactive_;
    bool progressShown_ = false;
    bool sawError_ = false;
};

// The first stop signal's number, 0 before; `stopRequested` turns true with
// it, for the readers that take an atomic<bool> cancel (engine/otherformats).
extern std::atomic<int> stopSignal;
extern std::atomic<bool> stopRequested;

// A descriptor that turns readable once a stop signal came (-1: none).
int stopWake();
// Catches the stop signals from now on; the component, when given, reads them as its cancel.
void catchStopSignals(TZipEngine *engine = nullptr);
bool stopped();
// 128 + the signal's number once a stop signal came, else `otherwise`.
int stopStatus(int otherwise);

}  // namespace cli
