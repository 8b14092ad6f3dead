#include "app/cli/OtherArchives.h"

#include "app/ListingText.h"
#include "app/cli/Console.h"
#include "app/cli/PasswordSource.h"
#include "app/cli/TerminalText.h"
#include "engine/OtherFormatMembers.h"
#include "platform/Locale.h"

#include <QDateTime>
#include <QStringList>

#include <cstdio>
#include <filesystem>
#include <fnmatch.h>
#include <string.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// The "File: NAME" line the ZIP commands show on a terminal, kept to one
// line per entry however often libarchive reports.
struct ProgressLine {
    bool shown = false;
    bool any = false;
    uint64_t entry = 0;
    void end()
    {
        if (shown)
            std::fputc('\n', stderr);
        shown = false;
    }
};
ProgressLine progressLine;

bool given(const std::map<std::string, std::string> &options, const char *name)
{
    return options.count(name) != 0;
}

// The entries NAME... selects, matched as the ZIP extraction matches specs
// (the name itself or a wildcard pattern). Names that match nothing are said
// as the ZIP engine says them; false then.
bool selectEntries(const std::string &archive, const otherformats::ReadOptions &read,
                   const std::vector<std::string> &names, std::vector<uint64_t> &selection)
{
    if (names.empty())
        return true;
    const otherformats::Listing listing = otherformats::list(archive, read);
    if (listing.cancelled)
        return true;
    bool allMatched = true;
    for (const std::string &pattern : names) {
        bool matched = false;
        for (uint64_t i = 0; i < listing.entries.size(); ++i) {
            const std::string &name = listing.entries[i].name;
            if (name == pattern || ::fnmatch(pattern.c_str(), name.c_str(), 0) == 0) {
                selection.push_back(i);
                matched = true;
            }
        }
        if (!matched) {
            writeError("caution: filename not matched:  " + pattern);
            allMatched = false;
        }
    }
    // Nothing selected must not read as "everything".
    if (selection.empty())
        selection.push_back(UINT64_MAX);
    return allMatched;
}

}  // namespace

bool isOtherFormat(const std::string &path)
{
    return orvex::detectArchive(path).verdict == otherformats::Verdict::Other;
}

bool otherFormatPassword(const std::map<std::string, std::string> &options, std::optional<std::string> &password)
{
    const auto file = options.find(PasswordFileOption);
    if (file == options.end())
        return true;
    PasswordSource source(&stopSignal, stopWake(), [](std::string_view name) { return terminalText(name); });
    std::string error;
    if (!source.readFile(file->second, error)) {
        writeError(error);
        return false;
    }
    std::string text;
    if (source.answer(file->second, 1, text) != TZipEngine::PasswordAnswer::Given) {
        writeError(source.refusal().empty() ? "No password in " + file->second : source.refusal());
        return false;
    }
    password = std::move(text);
    return true;
}

otherformats::ReadOptions otherReadOptions(std::optional<std::string> password)
{
    otherformats::ReadOptions read;
    read.password = std::move(password);
    read.cancel = &stopRequested;
    if (::isatty(STDERR_FILENO) == 1) {
        read.progress = [](const otherformats::Progress &progress) {
            if (progressLine.any && progressLine.entry == progress.entryIndex)
                return;
            progressLine.any = true;
            progressLine.entry = progress.entryIndex;
            std::fprintf(stderr, "\r\033[KFile: %s", terminalText(progress.entry).c_str());
            progressLine.shown = true;
        };
    }
    return read;
}

bool reportProblems(const std::vector<otherformats::Problem> &problems)
{
    progressLine.end();
    bool error = false;
    for (const otherformats::Problem &problem : problems) {
        error = error || problem.kind != otherformats::ProblemKind::Skipped;
        writeError(orvex::problemText(problem));
    }
    return error;
}

int listOtherArchive(const std::string &archive)
{
    catchStopSignals();
    const otherformats::Listing listing = otherformats::list(archive, otherReadOptions(std::nullopt));
    writeOut((listingTitles() << QStringLiteral("encrypted")).join(QLatin1Char('\t')));
    const platform::RegionalSettings settings = platform::RegionalSettings::current();
    ListingCellTexts cells(settings);
    TerminalCells terminalCells(cells);
    for (const otherformats::Entry &entry : listing.entries) {
        // The packed size is the ZIP column's; these formats do not keep one per entry.
        std::string row = terminalText(entry.name, Tabs::Replace) + "\t\t";
        if (entry.size)
            row += terminalCells.size(*entry.size);
        row += '\t';
        if (entry.modified != 0)
            row += terminalText(
                formatListingDateTime(QDateTime::fromSecsSinceEpoch(entry.modified), settings).toStdString(),
                Tabs::Replace);
        row += entry.encrypted ? "\tyes" : "\t";
        writeOut(row);
    }
    const bool failed = reportProblems(listing.problems) || (!listing.complete && !listing.cancelled);
    const bool flushed = std::fflush(stdout) == 0;
    return stopStatus(failed || !flushed ? ExitFailed : ExitOk);
}

int testOtherArchive(const std::string &archive, const std::map<std::string, std::string> &options,
                     const std::vector<std::string> &names)
{
    catchStopSignals();
    std::optional<std::string> password;
    if (!otherFormatPassword(options, password))
        return ExitUsage;
    const otherformats::ReadOptions read = otherReadOptions(std::move(password));
    std::vector<uint64_t> selection;
    const bool allMatched = selectEntries(archive, read, names, selection);
    uint64_t passed = 0;
    bool failed = !allMatched;
    if (!stopped()) {
        const otherformats::TestResult result = otherformats::test(archive, read, selection);
        failed = reportProblems(result.problems) || result.failed > 0 || failed;
        passed = result.passed;
    }
    std::printf("%llu file(s) passed the test\n", static_cast<unsigned long long>(passed));
    const bool flushed = std::fflush(stdout) == 0;
    return stopStatus(failed || !flushed ? ExitFailed : ExitOk);
}

int extractOtherArchive(const std::string &archive, const std::map<std::string, std::string> &options,
                        const std::vector<std::string> &names)
{
    if (given(options, "update") || given(options, "freshen")) {
        writeError("--update and --freshen compare with ZIP members' times; they are for ZIP archives only");
        return ExitUsage;
    }
    catchStopSignals();
    std::optional<std::string> password;
    if (!otherFormatPassword(options, password))
        return ExitUsage;
    otherformats::ExtractOptions extract;
    extract.read = otherReadOptions(std::move(password));
    extract.target = given(options, "to") ? options.at("to") : ".";
    std::error_code ignored;
    // The target is made when missing, as for a ZIP archive.
    if (given(options, "to"))
        std::filesystem::create_directories(extract.target, ignored);
    struct stat target {};
    if (::stat(extract.target.c_str(), &target) != 0 || !S_ISDIR(target.st_mode)) {
        writeError("No such directory: " + extract.target);
        return ExitFailed;
    }
    extract.keepFolders = given(options, "paths");
    extract.overwrite = given(options, "overwrite") ? otherformats::Overwrite::Always : otherformats::Overwrite::Never;
    bool failed = !selectEntries(archive, extract.read, names, extract.selection);
    uint64_t placed = 0;
    if (!stopped()) {
        const otherformats::ExtractResult result = otherformats::extract(archive, extract);
        failed = reportProblems(result.problems) || result.failed > 0 || failed;
        placed = result.placed;
    }
    std::printf("%llu file(s) were extracted\n", static_cast<unsigned long long>(placed));
    const bool flushed = std::fflush(stdout) == 0;
    return stopStatus(failed || !flushed ? ExitFailed : ExitOk);
}

}  // namespace cli
