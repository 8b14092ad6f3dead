// orvexzip: the archive component without the window.
//
//   orvexzip list ARCHIVE        the members, as the main window's grid shows them
//   orvexzip add ARCHIVE [options] SPEC...
//   orvexzip delete ARCHIVE NAME...
//   orvexzip extract ARCHIVE [options] [NAME...]
//
// Exit status: 0 done, 1 the archive could not be read in full or an error
// message came, 2 bad usage.

#include "app/ListingText.h"
#include "engine/ArchiveDirectoryReader.h"
#include "engine/ZipEngine.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

struct Command {
    const char *name;
    const char *arguments;
    int argumentCount;   // -1: at least one, options allowed
    int (*run)(std::span<char *const> arguments);
};

void writeOut(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

// Messages carry member names from the archive: an escape sequence in one
// must not reach the terminal, where it could rewrite the screen or the
// title. C0 controls other than line break and tab, DEL and the C1 controls
// (as UTF-8) are shown as '?'.
std::string terminalText(const std::string &text)
{
    std::string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80
            && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            shown += '?';
            ++i;
        } else if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
            shown += '?';
        } else {
            shown += char(c);
        }
    }
    return shown;
}

void writeError(const std::string &message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", terminalText(message).c_str());
}

// A control character or line separator in a name (a line break, a tab)
// would split a row or a column; it is shown as '?' instead.
QString cellText(QString text)
{
    for (QChar &c : text) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            c = QLatin1Char('?');
    }
    return text;
}

QString rowText(const QStringList &cells)
{
    QStringList shown;
    shown.reserve(cells.size());
    for (const QString &cell : cells)
        shown << cellText(cell);
    return shown.join(QLatin1Char('\t'));
}

int listCommand(std::span<char *const> arguments)
{
    const std::string archive = arguments[0];
    // The component lists a missing archive as empty; here that is an error.
    if (!orvex::ArchiveDirectoryReader::archiveExists(archive)) {
        writeError("No such archive: " + archive);
        return ExitFailed;
    }

    TZipEngine engine;
    std::string readError;
    try {
        engine.setZipFilename(archive);
    } catch (const EZipError &e) {
        readError = e.what();   // the members read before the failure are still listed
    }

    writeOut(listingTitles().join(QLatin1Char('\t')));
    // The same text as listingRow(), with the regional settings taken once and
    // each distinct time stamp formatted once: members often share one, and
    // formatting dominates the time of a long listing.
    const platform::RegionalSettings settings = platform::RegionalSettings::current();
    std::unordered_map<uint32_t, QString> dateTimeTexts;
    for (int i = 0; i < engine.EntryCount(); ++i) {
        const ArchiveEntry &entry = engine.Entries(i);
        try {
            QStringList row = listingTextsBeforeDate(entry);
            auto known = dateTimeTexts.find(entry.DosDateTime());
            if (known == dateTimeTexts.end()) {
                const QString text = formatListingDateTime(dosDateTimeToDateTime(entry.DosDateTime()), settings);
                known = dateTimeTexts.emplace(entry.DosDateTime(), text).first;
            }
            row << known->second;
            writeOut(rowText(row));
        } catch (const EConvertError &e) {
            writeError(e.what());
            return ExitFailed;
        }
    }
    if (!readError.empty()) {
        writeError(readError);
        return ExitFailed;
    }
    return std::fflush(stdout) == 0 ? ExitOk : ExitFailed;
}

// ---- add, delete, extract ----

// The options of one command line: flags, --level N and --to DIR, and the rest.
struct ParsedArguments {
    std::map<std::string, std::string> options;
    std::vector<std::string> operands;
    std::string error;
};

ParsedArguments parseArguments(std::span<char *const> arguments, const std::vector<std::string> &flags,
                               const std::vector<std::string> &valued)
{
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string argument = arguments[i];
        if (optionsEnded || argument.rfind("--", 0) != 0) {
            parsed.operands.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::string name = argument.substr(2);
        if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
            parsed.options[name] = "1";
        } else if (std::find(valued.begin(), valued.end(), name) != valued.end() && i + 1 < arguments.size()) {
            parsed.options[name] = arguments[++i];
        } else {
            parsed.error = "Unknown or incomplete option: " + argument;
        }
    }
    return parsed;
}

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
        };
        engine.OnProgress = [this](TZipEngine &, ProgressType type, const std::string &name, int32_t) {
            if (!interactive_)
                return;
            if (type == FileBegin) {
                std::fprintf(stderr, "\r\033[KFile: %s", terminalText(name).c_str());
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

int finish(TZipEngine &engine, const ConsoleReporter &reporter, const char *countSuffix)
{
    std::printf("%d%s\n", engine.LastResult, countSuffix);
    return reporter.sawError() || std::fflush(stdout) != 0 ? ExitFailed : ExitOk;
}

// Runs an operation; an error of the re-read afterwards is reported like a message.
template <typename Operation>
bool runOperation(TZipEngine &engine, Operation operation)
{
    try {
        operation();
        return true;
    } catch (const std::exception &e) {
        engine.MessageSink(e.what());
        return false;
    }
}

int addCommand(std::span<char *const> arguments)
{
    const ParsedArguments parsed = parseArguments(
        arguments, {"paths", "recurse", "move", "update", "freshen", "archive-time", "dos-names"}, {"level"});
    if (!parsed.error.empty() || parsed.operands.size() < 2) {
        writeError(parsed.error.empty() ? "add needs an archive and at least one file" : parsed.error);
        return ExitUsage;
    }
    TZipEngine engine;
    ConsoleReporter reporter(engine);
    runOperation(engine, [&] { engine.setZipFilename(parsed.operands[0]); });
    if (parsed.options.count("level")) {
        char *end = nullptr;
        const long level = std::strtol(parsed.options.at("level").c_str(), &end, 10);
        if (*end != '\0' || level < 0 || level > 9) {
            writeError("The level is a number from 0 to 9");
            return ExitUsage;
        }
        engine.AddCompLevel = int(level);
    }
    const std::pair<const char *, AddOptsEnum> flagOptions[] = {
        {"paths", AddDirNames}, {"recurse", AddRecurseDirs}, {"move", AddMove}, {"update", AddUpdate},
        {"freshen", AddFreshen}, {"archive-time", AddZipTime}, {"dos-names", AddForceDOS}};
    for (const auto &[flag, option] : flagOptions)
        if (parsed.options.count(flag))
            engine.AddOptions.insert(option);
    engine.FileSpecs.assign(parsed.operands.begin() + 1, parsed.operands.end());
    runOperation(engine, [&] { engine.Add(); });
    return finish(engine, reporter, " files were added");
}

int deleteCommand(std::span<char *const> arguments)
{
    const ParsedArguments parsed = parseArguments(arguments, {}, {});
    if (!parsed.error.empty() || parsed.operands.size() < 2) {
        writeError(parsed.error.empty() ? "delete needs an archive and at least one member name" : parsed.error);
        return ExitUsage;
    }
    TZipEngine engine;
    ConsoleReporter reporter(engine);
    runOperation(engine, [&] { engine.setZipFilename(parsed.operands[0]); });
    engine.FileSpecs.assign(parsed.operands.begin() + 1, parsed.operands.end());
    runOperation(engine, [&] { engine.Delete(); });
    return finish(engine, reporter, " file(s) were Deleted");
}

int extractCommand(std::span<char *const> arguments)
{
    const ParsedArguments parsed =
        parseArguments(arguments, {"paths", "overwrite", "update", "freshen"}, {"to"});
    if (!parsed.error.empty() || parsed.operands.empty()) {
        writeError(parsed.error.empty() ? "extract needs an archive" : parsed.error);
        return ExitUsage;
    }
    TZipEngine engine;
    ConsoleReporter reporter(engine);
    if (!orvex::ArchiveDirectoryReader::archiveExists(parsed.operands[0])) {
        writeError("No such archive: " + parsed.operands[0]);
        return ExitFailed;
    }
    if (!runOperation(engine, [&] { engine.setZipFilename(parsed.operands[0]); }))
        return ExitFailed;
    engine.ExtrBaseDir = parsed.options.count("to") ? parsed.options.at("to") : ".";
    std::error_code ignored;
    // The target is made when missing, as other extractors do with their -d.
    if (parsed.options.count("to"))
        std::filesystem::create_directories(engine.ExtrBaseDir, ignored);
    struct stat target {};
    if (::stat(engine.ExtrBaseDir.c_str(), &target) != 0 || !S_ISDIR(target.st_mode)) {
        writeError("No such directory: " + engine.ExtrBaseDir);
        return ExitFailed;
    }
    const std::pair<const char *, ExtrOptsEnum> flagOptions[] = {
        {"paths", ExtrDirNames}, {"overwrite", ExtrOverWrite}, {"update", ExtrUpdate}, {"freshen", ExtrFreshen}};
    for (const auto &[flag, option] : flagOptions)
        if (parsed.options.count(flag))
            engine.ExtrOptions.insert(option);
    engine.FileSpecs.assign(parsed.operands.begin() + 1, parsed.operands.end());
    runOperation(engine, [&] { engine.Extract(); });
    return finish(engine, reporter, " file(s) were extracted");
}

constexpr Command Commands[] = {
    {"list", "ARCHIVE", 1, listCommand},
    {"add", "ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] [--archive-time] "
            "[--dos-names] SPEC...", -1, addCommand},
    {"delete", "ARCHIVE NAME...", -1, deleteCommand},
    {"extract", "ARCHIVE [--to DIR] [--paths] [--overwrite] [--update] [--freshen] [NAME...]", -1,
     extractCommand},
};

int usage()
{
    std::fprintf(stderr, "Usage:\n");
    for (const Command &c : Commands)
        std::fprintf(stderr, "  orvexzip %s %s\n", c.name, c.arguments);
    return ExitUsage;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return usage();
    const std::string name = argv[1];
    for (const Command &c : Commands) {
        if (name != c.name)
            continue;
        const int given = argc - 2;
        if (c.argumentCount >= 0 ? given != c.argumentCount : given < 1)
            return usage();
        return c.run(std::span<char *const>(argv + 2, size_t(given)));
    }
    return usage();
}
