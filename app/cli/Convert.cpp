// The conversion goes through the disk rather than member by member: SOURCE
// is extracted under its reader's own safety rules (no name outside, links
// only inside, no devices) into a private directory (mkdtemp, 0700) beside
// TARGET, and that tree is added to TARGET with paths kept and recursion,
// the names relative to the directory. Both readers and the writer are then
// used exactly as extract and add use them, with their checks, encryption
// and atomic rename; symbolic links are followed as the add follows them,
// which cannot reach outside since the extraction made only links that stay
// inside. The directory is removed however the conversion ends: success,
// failure, or a stop signal, which both readers and the writer answer by
// stopping at their next block.
#include "app/cli/Convert.h"

#include "app/cli/Console.h"
#include "engine/ArchiveDirectoryReader.h"
#include "engine/ZipEngine.h"
#include "engine/common/ScratchDirectory.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace cli {

namespace {

namespace fs = std::filesystem;

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// SOURCE's members, of any format, into `directory`, folders kept; false
// when any could not be extracted (said on stderr).
bool extractMembers(const std::string &source, const std::string &directory)
{
    TZipEngine engine;
    ConsoleReporter reporter(engine);
    catchStopSignals(&engine);
    bool read = true;
    try {
        engine.setZipFilename(source);
    } catch (const orvex::EArchiveDisagreement &) {
        // The extraction reports the same members as it meets them.
    } catch (const std::exception &e) {
        engine.MessageSink(e.what());
        read = false;
    }
    if (read && !stopped()) {
        engine.ExtrBaseDir = directory;
        engine.ExtrOptions = extractOptionsFor({.dirNames = true});
        engine.FileSpecs.clear();
        try {
            engine.Extract();
        } catch (const std::exception &e) {
            engine.MessageSink(e.what());
        }
    }
    return !reporter.sawError();
}

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
    const common::ScratchDirectory scratch(request.target, ".orvexzip-convert");
    if (scratch.path().empty()) {
        writeError("Cannot make a temporary directory beside " + request.target + ": " + std::strerror(errno));
        return ExitFailed;
    }
    const bool whole = extractMembers(request.source, scratch.path());
    if (stopped())
        return stopStatus(ExitFailed);

    std::vector<std::string> tops;
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(scratch.path(), error))
        tops.push_back(entry.path().filename().string());
    if (tops.empty()) {
        writeError("Nothing in " + request.source + " could be converted");
        return ExitFailed;
    }
    std::sort(tops.begin(), tops.end());
    // Checked again: the extraction may have taken a while.
    if (exists(request.target)) {
        writeError(request.target + " exists; convert writes a new archive only");
        return ExitUsage;
    }

    TZipEngine engine;
    ConsoleReporter reporter(engine);
    catchStopSignals(&engine);
    engine.AddPassword = request.password;
    if (request.level >= 0)
        engine.AddCompLevel = request.level;
    engine.AddBaseDir = scratch.path();
    engine.AddOptions = addOptionsFor({.dirNames = true, .recurseDirs = true});
    engine.FileSpecs = tops;
    try {
        engine.setZipFilename(request.target);
        if (!stopped())
            engine.Add();
    } catch (const std::exception &e) {
        engine.MessageSink(e.what());
    }
    ::explicit_bzero(engine.AddPassword.data(), engine.AddPassword.size());
    std::printf("%d file(s) were converted\n", engine.LastResult);
    const bool flushed = std::fflush(stdout) == 0;
    return stopStatus(whole && !reporter.sawError() && flushed ? ExitOk : ExitFailed);
}

}  // namespace cli
