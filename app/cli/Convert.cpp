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

#include <QCoreApplication>
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

}  // namespace

int convertArchive(const ConvertRequest &request)
{
    struct stat source {};
    if (::stat(request.source.c_str(), &source) != 0 || !S_ISREG(source.st_mode)) {
        writeError(filled(QCoreApplication::translate("cli", "No such archive: %1"), {request.source}));
        return ExitFailed;
    }
    if (struct stat target{}; ::stat(request.target.c_str(), &target) == 0 && target.st_dev == source.st_dev
                              && target.st_ino == source.st_ino) {
        //: %1 is the path of the new archive given to convert
        writeError(filled(QCoreApplication::translate("cli", "%1 is the archive being converted"), {request.target}));
        return ExitUsage;
    }
    if (exists(request.target)) {
        //: %1 is the path of the new archive; "convert" is the command's name and stays as it is
        writeError(filled(QCoreApplication::translate("cli", "%1 exists; convert writes a new archive only"),
                          {request.target}));
        return ExitUsage;
    }
    orvex::ConversionRequest conversion;
    conversion.target = request.target;
    if (request.level >= 0)
        conversion.level = request.level;
    conversion.password = request.password;
    conversion.replace = false;
    // The source is read through the component, which chooses its reader by
    // content; the conversion's events are the component's own, told on the
    // terminal, and an encrypted member's password is asked there when
    // standard input is one.
    TZipEngine engine;
    ConsoleReporter reporter(engine);
    catchStopSignals(&engine);
    PasswordSource passwords(&stopSignal, stopWake(), [](std::string_view name) { return terminalText(name); });
    if (std::string error; !attachPasswordSource(engine, passwords, {}, error)) {
        writeError(error);
        return ExitUsage;
    }
    // What the listing cannot read, the reading of the entries says again
    // entry by entry, so the listing's own error is not said here.
    try {
        engine.setZipFilename(request.source);
    } catch (const EReadCancelled &) {
        return stopStatus(ExitFailed);
    } catch (const EZipError &) {
    }
    const orvex::ConversionResult result = orvex::convert(
        conversion,
        [&engine](orvex::EntrySink &sink, orvex::ArchiveEvents &reading) { return engine.ReadEntries(sink, reading); },
        engine.events());
    ::explicit_bzero(conversion.password.data(), conversion.password.size());
    if (stopped())
        return stopStatus(ExitFailed);
    if (result.written == 0 && !result.cancelled && !result.writeFailed) {
        //: %1 is the path of the source archive
        writeError(filled(QCoreApplication::translate("cli", "Nothing in %1 could be converted"), {request.source}));
        return ExitFailed;
    }
    // The count line is read by scripts, so it stays in these words.
    std::printf("%llu file(s) were converted\n", static_cast<unsigned long long>(result.placed ? result.written : 0));
    const bool flushed = std::fflush(stdout) == 0;
    const bool whole = result.placed && result.failed == 0 && !reporter.sawError();
    return stopStatus(whole && flushed ? ExitOk : ExitFailed);
}

}  // namespace cli
