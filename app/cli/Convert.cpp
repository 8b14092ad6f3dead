// The conversion reads each entry of SOURCE and writes it straight into the
// new archive (engine/Conversion.h): nothing of the source reaches the disk,
// links stay links, and every member keeps its data, mode and time. The new
// archive is written beside TARGET under a temporary name and put there
// only once complete, never over a file that appeared there meanwhile; a
// stop signal, which both readers and the writer answer at their next
// block, leaves nothing behind.
#include "app/cli/Convert.h"

#include "app/cli/Console.h"
#include "app/cli/PasswordSource.h"
#include "engine/Conversion.h"
#include "engine/ZipEngine.h"

#include <cstdio>
#include <string.h>
#include <sys/stat.h>

namespace cli {

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

bool exists(const std::string &path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

// The conversion's events on the terminal, as ConsoleReporter shows the
// component's: messages on stderr, a progress line when stderr is a
// terminal, the stop signals as the stop request. An encrypted member's
// password is asked on the terminal, when standard input is one.
class ConsoleEvents : public orvex::ArchiveEvents {
public:
    ConsoleEvents()
        : interactive_(::isatty(STDERR_FILENO) == 1),
          passwords_(&stopSignal, stopWake(), [](std::string_view name) { return terminalText(name); })
    {
    }
    void progress(ProgressType type, const std::string &name, int64_t) override
    {
        if (!interactive_)
            return;
        if (type == FileBegin) {
            std::fprintf(stderr, "\r\033[KFile: %s", terminalText(name).c_str());
            progressShown_ = true;
        } else if (type == BatchEnd) {
            endProgressLine();
        }
    }
    void readProgress(int64_t, int64_t, int64_t) override {}
    void message(int code, const std::string &text) override
    {
        if (code > 0)
            sawError_ = true;
        endProgressLine();
        std::fprintf(stderr, "%s\n", terminalText(text).c_str());
    }
    void notice(const std::string &text) override { message(1, text); }
    orvex::PasswordAnswer password(const std::string &member, int attempt, std::string &password) override
    {
        endProgressLine();
        const TZipEngine::PasswordAnswer answer = passwords_.answer(member, attempt, password);
        if (!passwords_.refusal().empty()) {
            message(1, passwords_.refusal());
            refused_ = true;
        }
        return answer == TZipEngine::PasswordAnswer::Given  ? orvex::PasswordAnswer::Given
               : answer == TZipEngine::PasswordAnswer::None ? orvex::PasswordAnswer::None
                                                            : orvex::PasswordAnswer::Cancel;
    }
    bool stopRequested() const override { return stopped() || refused_; }
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
    bool refused_ = false;
    PasswordSource passwords_;
};

}  // namespace

int convertArchive(const ConvertRequest &request)
{
    struct stat source {};
    if (::stat(request.source.c_str(), &source) != 0 || !S_ISREG(source.st_mode)) {
        writeError("No such archive: " + request.source);
        return ExitFailed;
    }
    if (struct stat target{}; ::stat(request.target.c_str(), &target) == 0 && target.st_dev == source.st_dev
                              && target.st_ino == source.st_ino) {
        writeError(request.target + " is the archive being converted");
        return ExitUsage;
    }
    if (exists(request.target)) {
        writeError(request.target + " exists; convert writes a new archive only");
        return ExitUsage;
    }
    ConsoleEvents events;
    orvex::ConversionRequest conversion;
    conversion.target = request.target;
    if (request.level >= 0)
        conversion.level = request.level;
    conversion.password = request.password;
    conversion.replace = false;
    // The source is read through the component, which chooses its reader by
    // content. What its listing cannot read, the entries' reading says again
    // entry by entry, so the listing's own error is not said here.
    TZipEngine engine;
    catchStopSignals(&engine);
    try {
        engine.setZipFilename(request.source);
    } catch (const EReadCancelled &) {
        return stopStatus(ExitFailed);
    } catch (const EZipError &) {
    }
    const orvex::ConversionResult result = orvex::convertToZip(
        conversion,
        [&engine](orvex::EntrySink &sink, orvex::ArchiveEvents &reading) { return engine.ReadEntries(sink, reading); },
        events);
    ::explicit_bzero(conversion.password.data(), conversion.password.size());
    if (stopped())
        return stopStatus(ExitFailed);
    if (result.written == 0 && !result.cancelled && !result.writeFailed) {
        writeError("Nothing in " + request.source + " could be converted");
        return ExitFailed;
    }
    std::printf("%llu file(s) were converted\n", static_cast<unsigned long long>(result.placed ? result.written : 0));
    const bool flushed = std::fflush(stdout) == 0;
    const bool whole = result.placed && result.failed == 0 && !events.sawError();
    return stopStatus(whole && flushed ? ExitOk : ExitFailed);
}

}  // namespace cli
