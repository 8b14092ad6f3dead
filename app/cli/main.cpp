// orvexzip: the archive component without the window. Longer than most
// files here: every command's parsing and run sit side by side.
//
//   orvexzip list ARCHIVE [--charset NAME] [--password-file FILE]
//                                the members, as the main window's grid shows
//                                them, and whether each is encrypted (the
//                                password for a 7z whose names are encrypted)
//   orvexzip add ARCHIVE [options] SPEC...
//                                --encrypt: the files added get WinZip AES-256,
//                                with the password of --password-file FILE or
//                                typed twice on the terminal
//                                --folder FOLDER/: stored in that folder of the
//                                archive ("docs/notes.txt")
//   orvexzip delete ARCHIVE NAME...
//   orvexzip extract ARCHIVE [options] [NAME...]
//                                --base-folder FOLDER/ with --paths: members
//                                below that folder land relative to it
//   orvexzip test ARCHIVE [options] [NAME...]
//   orvexzip convert SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]
//                                every member of SOURCE into a new archive in
//                                the format TARGET's name gives: .tar, .tar.gz,
//                                .tar.bz2, .tar.xz, .tar.zst, .7z, else ZIP
//                                (app/cli/Convert.cpp); only ZIP is encrypted
//
// list, test and extract also read tar (all its compressions), 7z, RAR, ISO,
// cpio, ar, cab, LHA, xar and lone compressed files: the archive component
// reads them as the window does, with the ZIP rows, counts and exit
// statuses; a size such a format does not give is an empty cell.
//
// --charset NAME reads names from other systems (no UTF-8 flag, no UTF-8)
// in code page NAME ("437", "866", "932", ...; "auto" guesses, as without it).
//
// Encrypted members take their password from --password-file FILE (its first
// line), else from a question on the terminal when standard input is one;
// otherwise they are skipped (app/cli/PasswordSource.h).
//
// --help (-h) prints the usage on stdout.
//
// An error message that has a line in plain words in the window gets the
// same line under it (app/PlainWords.h).
//
// Exit status: 0 done, 1 the archive could not be read in full or an error
// message came, 2 bad usage, 128 + the signal's number when SIGINT, SIGTERM
// or SIGHUP stopped an add, delete, extract, test or convert.

#include "app/ListingText.h"
#include "app/PlainWords.h"
#include "app/cli/Console.h"
#include "app/cli/Convert.h"
#include "app/cli/HeapChoice.h"
#include "app/cli/PasswordSource.h"
#include "app/cli/TerminalText.h"
#include "engine/ArchiveDirectoryReader.h"
#include "engine/ZipEngine.h"
#include "engine/otherformats/WriteFormat.h"
#include "engine/zipformat/NameCharset.h"
#include "engine/zipformat/Utf8.h"
#include "platform/HugePageHeap.h"
#include "platform/TimeZone.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using cli::catchStopSignals;
using cli::ConsoleReporter;
using cli::filled;
using cli::plainAscii;
using cli::rowText;
using cli::stopped;
using cli::stopSignal;
using cli::stopWake;
using cli::Tabs;
using cli::TerminalCells;
using cli::terminalText;
using cli::writeError;
using cli::writeOut;

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// The listing's header line: scripts find the columns by it, so it stays in
// these words in every language. They are the grid's column titles
// (listingTitles()) and the encrypted column's.
constexpr const char *ListingHeader = "File Name\tCompr Size\tUncmpr Size\tDate/Time\tencrypted";

struct Command {
    const char *name;
    const char *arguments;
    int argumentCount;  // -1: at least one, options allowed
    int (*run)(std::span<char *const> arguments);
};

// The options of one command line: flags, valued options (--level N, --to DIR,
// --charset NAME), and the rest.
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
            parsed.error = filled(QCoreApplication::translate("cli", "Unknown or incomplete option: %1"), {argument});
        }
    }
    return parsed;
}

// A command's arguments, or nothing when they are not usable (an unknown
// option, or fewer than `needed` operands), which is said on stderr.
std::optional<ParsedArguments> parseCommand(std::span<char *const> arguments, const std::vector<std::string> &flags,
                                            const std::vector<std::string> &valued, size_t needed,
                                            const QString &missingOperands)
{
    ParsedArguments parsed = parseArguments(arguments, flags, valued);
    if (parsed.error.empty() && parsed.operands.size() < needed)
        parsed.error = missingOperands.toStdString();
    if (!parsed.error.empty()) {
        writeError(parsed.error);
        return std::nullopt;
    }
    return parsed;
}

int usage();

// "\n" and the window's plain line under a reading error `error` of the
// engine's archive, or nothing when it has none.
std::string readErrorLine(const TZipEngine &engine, const std::string &error)
{
    const QString plain = plain_words::readErrorLine(QString::fromStdString(error),
                                                     QString::fromStdString(engine.ZipFilename()), engine.EntryCount());
    return plain.isEmpty() ? std::string() : "\n" + plain.toStdString();
}

// Sets the code page of names from other systems from --charset; false
// (and said why) for a name that is none.
bool takeCharset(const ParsedArguments &parsed, TZipEngine &engine)
{
    if (!parsed.options.count("charset"))
        return true;
    const std::string &name = parsed.options.at("charset");
    if (!zipformat::isNameCodePage(name) && !zipformat::isAutoCodePage(name)) {
        std::string valid = "auto";
        for (const std::string &page : zipformat::nameCodePages())
            valid += ", " + page;
        //: %1 is the code page asked for; %2 lists the ones there are ("auto, 437, 850, ...")
        writeError(filled(QCoreApplication::translate("cli", "Unknown charset %1; it is one of %2"), {name, valid}));
        return false;
    }
    engine.NameCharset = zipformat::isAutoCodePage(name) ? std::string() : name;
    return true;
}

int listCommand(std::span<char *const> arguments)
{
    const std::optional<ParsedArguments> parsed =
        parseCommand(arguments, {}, {"charset", cli::PasswordFileOption}, 1,
                     //: "list" is the command's name and stays as it is
                     QCoreApplication::translate("cli", "list needs an archive"));
    if (!parsed)
        return ExitUsage;
    if (parsed->operands.size() != 1)
        return usage();
    TZipEngine engine;
    if (!takeCharset(*parsed, engine))
        return ExitUsage;
    // A 7z whose names are encrypted lists only with its password.
    cli::PasswordSource passwords(&stopSignal, stopWake(), [](std::string_view name) { return terminalText(name); });
    if (std::string error; !cli::attachPasswordSource(engine, passwords, parsed->options, error)) {
        writeError(error);
        return ExitUsage;
    }
    const std::string archive = parsed->operands[0];
    // The component lists a missing archive as empty; here that is an error.
    if (!orvex::ArchiveDirectoryReader::archiveExists(archive)) {
        writeError(filled(QCoreApplication::translate("cli", "No such archive: %1"), {archive}));
        return ExitFailed;
    }
    std::string readError;
    std::string readPlain;
    try {
        engine.setZipFilename(archive);
    } catch (const EEntriesPassedOver &e) {
        // Each on its line, as every entry passed over is said.
        readError = e.what();
        for (size_t i = 1; i < e.passedOver.size(); ++i)
            readError += "\n" + e.passedOver[i];
    } catch (const EZipError &e) {
        readError = e.what();  // the members read before the failure are still listed
        readPlain = readErrorLine(engine, e.what());
    }

    // The grid's columns, and whether the member is encrypted ("yes" or nothing).
    writeOut(std::string(ListingHeader));
    // The same text as listingRow(), each distinct size and time stamp formatted once.
    ListingCellTexts cells(platform::RegionalSettings::current());
    TerminalCells terminalCells(cells);
    std::string row;
    for (int i = 0; i < engine.EntryCount(); ++i) {
        const ArchiveEntry &entry = engine.Entries(i);
        // What rowText() would make of the cells, without a round trip
        // through QString for every name.
        if (plainAscii(entry.FileName))
            row = entry.FileName;
        else
            row = rowText({listingName(entry)});
        row += '\t';
        if (entry.PackedSizeKnown)
            row += terminalCells.size(entry.TruePackedSize);
        row += '\t';
        if (entry.UnpackedSizeKnown)
            row += terminalCells.size(entry.TrueUnpackedSize);
        row += '\t';
        row += terminalCells.dateTime(entry.DosDateTime());
        row += entry.Encrypted() ? "\tyes" : "\t";
        writeOut(row);
    }
    if (!readError.empty()) {
        writeError(readError);
        if (!readPlain.empty())
            writeError(readPlain.substr(1));
        return ExitFailed;
    }
    return std::fflush(stdout) == 0 ? ExitOk : ExitFailed;
}

// ---- add, delete, extract ----

// The count line is read by scripts, so it stays in these words.
int finish(TZipEngine &engine, const ConsoleReporter &reporter, const char *countSuffix)
{
    std::printf("%d%s\n", engine.LastResult, countSuffix);
    const bool flushed = std::fflush(stdout) == 0;
    if (stopped())
        return 128 + stopSignal.load();
    return reporter.sawError() || !flushed ? ExitFailed : ExitOk;
}

// Runs an operation; an error of the re-read afterwards is reported like a message.
template <typename Operation>
bool runOperation(TZipEngine &engine, Operation operation)
{
    try {
        operation();
        return true;
    } catch (const EZipError &e) {
        engine.MessageSink(e.what());
        if (const std::string plain = readErrorLine(engine, e.what()); !plain.empty())
            writeError(plain.substr(1));
        return false;
    } catch (const std::exception &e) {
        engine.MessageSink(e.what());
        return false;
    }
}

// The start of add and delete: stop signals caught, and the archive read
// once any other orvexzip or the window has finished changing it.
void openForChange(TZipEngine &engine, const std::string &archive)
{
    catchStopSignals(&engine);
    engine.WaitForArchiveLock = true;
    engine.ReadAfterChange = false;  // nothing here shows the list
    runOperation(engine, [&] { engine.setZipFilename(archive); });
}

// The end of every command that changes files: the operation run on the
// names after the archive's (unless a stop signal came first), and the count.
template <typename Operation>
int runOnNames(TZipEngine &engine, const ConsoleReporter &reporter, const ParsedArguments &parsed, Operation operation,
               const char *countSuffix)
{
    engine.FileSpecs.assign(parsed.operands.begin() + 1, parsed.operands.end());
    if (!stopped())
        runOperation(engine, operation);
    return finish(engine, reporter, countSuffix);
}

// The password of add --encrypt (and convert's): the password file's, or typed twice on the
// terminal. False, said on stderr, when there is none to use.
bool readAddPassword(const ParsedArguments &parsed, const std::string &archive, const char *command,
                     std::string &password)
{
    cli::PasswordSource source(&stopSignal, stopWake(), [](std::string_view name) { return terminalText(name); });
    std::string error;
    if (const auto file = parsed.options.find(cli::PasswordFileOption); file != parsed.options.end()) {
        if (!source.readFile(file->second, error)) {
            writeError(error);
            return false;
        }
    } else if (::isatty(STDIN_FILENO) != 1) {
        //: %1 is the command's name (add, convert); the options stay as they are
        writeError(
            filled(QCoreApplication::translate(
                       "cli", "%1 --encrypt needs a password: --password-file FILE, or a terminal to type it on"),
                   {command}));
        return false;
    }
    using Answer = TZipEngine::PasswordAnswer;
    if (source.answer(archive, 1, password) != Answer::Given || password.empty()) {
        if (!source.refusal().empty())
            writeError(source.refusal());
        else if (!stopped())
            //: %1 is the command's name (add, convert)
            writeError(filled(QCoreApplication::translate("cli", "%1 --encrypt needs a password that is not empty"),
                              {command}));
        return false;
    }
    if (parsed.options.count(cli::PasswordFileOption))
        return true;
    std::string again;
    //: Shown in the password question, "Password for %1: ", the second time it is asked; %1 is the archive
    const std::string secondTime = filled(QCoreApplication::translate("cli", "%1 (again)"), {archive});
    const bool same = source.answer(secondTime, 1, again) == Answer::Given && again == password;
    ::explicit_bzero(again.data(), again.size());
    if (!source.refusal().empty())
        writeError(source.refusal());
    else if (!same && !stopped())
        writeError(QCoreApplication::translate("cli", "The two passwords differ").toStdString());
    return same;
}

// --level N into `level` (left as it is without the option); false, said on
// stderr, for anything but 0 to 9.
bool takeLevel(const ParsedArguments &parsed, int &level)
{
    if (!parsed.options.count("level"))
        return true;
    char *end = nullptr;
    const long given = std::strtol(parsed.options.at("level").c_str(), &end, 10);
    if (*end != '\0' || given < 0 || given > 9) {
        //: The compression level of --level
        writeError(QCoreApplication::translate("cli", "The level is a number from 0 to 9").toStdString());
        return false;
    }
    level = int(given);
    return true;
}

int addCommand(std::span<char *const> arguments)
{
    const std::optional<ParsedArguments> parsed = parseCommand(
        arguments, {"paths", "recurse", "move", "update", "freshen", "archive-time", "dos-names", "encrypt"},
        {"level", "folder", cli::PasswordFileOption}, 2,
        //: "add" is the command's name and stays as it is
        QCoreApplication::translate("cli", "add needs an archive and at least one file"));
    if (!parsed)
        return ExitUsage;
    TZipEngine engine;
    ConsoleReporter reporter(engine);
    // Wiped however the command ends.
    struct PasswordWipe {
        std::string &password;
        ~PasswordWipe() { ::explicit_bzero(password.data(), password.size()); }
    } wipe{engine.AddPassword};
    openForChange(engine, parsed->operands[0]);
    // Asked before any password question: what the format cannot keep is refused.
    const orvex::WriteAbilities abilities = engine.WriteAbilities();
    for (const auto &[flag, kept] : {std::pair{"encrypt", abilities.encryption}, {"dos-names", abilities.dosNames}})
        if (parsed->options.count(flag) && !kept) {
            //: %1 is an option's name (encrypt, dos-names), %2 the archive's path, %3 its format (tar.gz, 7z ...)
            writeError(filled(QCoreApplication::translate("cli", "--%1 is for ZIP archives; %2 is a %3 archive"),
                              {flag, parsed->operands[0], abilities.format}));
            return ExitUsage;
        }
    if (parsed->options.count("encrypt")) {
        catchStopSignals(&engine);  // a Ctrl-C at the question gives the terminal its echo back
        if (!readAddPassword(*parsed, parsed->operands[0], "add", engine.AddPassword))
            return stopped() ? 128 + stopSignal.load() : ExitUsage;
    } else if (parsed->options.count(cli::PasswordFileOption)) {
        writeError(QCoreApplication::translate("cli", "--password-file goes with --encrypt").toStdString());
        return ExitUsage;
    }
    if (!takeLevel(*parsed, engine.AddCompLevel))
        return ExitUsage;
    const auto given = [&](const char *flag) { return parsed->options.count(flag) != 0; };
    engine.AddOptions = addOptionsFor({.dirNames = given("paths"),
                                       .recurseDirs = given("recurse"),
                                       .moveFiles = given("move"),
                                       .updateOnly = given("update"),
                                       .freshenOnly = given("freshen"),
                                       .useTimestamp = given("archive-time"),
                                       .forceDos = given("dos-names")});
    const std::string folder = parsed->options.count("folder") ? parsed->options.at("folder") : "";
    return runOnNames(
        engine, reporter, *parsed,
        [&] {
            orvex::AddRequest request = engine.addRequest();
            request.archiveFolder = folder;
            engine.Add(std::move(request), engine.events());
        },
        " files were added");
}

int deleteCommand(std::span<char *const> arguments)
{
    const std::optional<ParsedArguments> parsed =
        parseCommand(arguments, {}, {}, 2,
                     //: "delete" is the command's name and stays as it is
                     QCoreApplication::translate("cli", "delete needs an archive and at least one member name"));
    if (!parsed)
        return ExitUsage;
    TZipEngine engine;
    ConsoleReporter reporter(engine);
    openForChange(engine, parsed->operands[0]);
    return runOnNames(
        engine, reporter, *parsed, [&] { engine.Delete(); }, " file(s) were Deleted");
}

// What extract and test do before their call: the code page and the
// password source from the options, then the archive's directory. ExitOk
// to go on, also after a read that failed but listed members: those of a
// damaged archive, found by their local headers, which the operation takes
// from the same walk and names one by one where broken. An operation on
// every member (update and freshen compare with the files) reads a
// compressed tar once, not listed first.
int openForReading(TZipEngine &engine, const ParsedArguments &parsed, cli::PasswordSource &passwords)
{
    const bool forAll = parsed.operands.size() == 1 && !parsed.options.count("update")
                        && !parsed.options.count("freshen");
    if (!takeCharset(parsed, engine))
        return ExitUsage;
    if (std::string error; !cli::attachPasswordSource(engine, passwords, parsed.options, error)) {
        writeError(error);
        return ExitUsage;
    }
    if (!orvex::ArchiveDirectoryReader::archiveExists(parsed.operands[0])) {
        writeError(filled(QCoreApplication::translate("cli", "No such archive: %1"), {parsed.operands[0]}));
        return ExitFailed;
    }
    bool listed = true;
    const bool read = runOperation(engine, [&] {
        try {
            if (forAll)
                listed = engine.setZipFilenameForAll(parsed.operands[0]);
            else
                engine.setZipFilename(parsed.operands[0]);
        } catch (const orvex::EArchiveDisagreement &) {
            // The operation reports the same members as it meets them.
        }
    });
    return read || !listed || engine.EntryCount() > 0 ? ExitOk : ExitFailed;
}

int extractCommand(std::span<char *const> arguments)
{
    const std::optional<ParsedArguments> parsed =
        parseCommand(arguments, {"paths", "overwrite", "update", "freshen"},
                     {"to", "base-folder", "charset", cli::PasswordFileOption}, 1,
                     //: "extract" is the command's name and stays as it is
                     QCoreApplication::translate("cli", "extract needs an archive"));
    if (!parsed)
        return ExitUsage;
    TZipEngine engine;
    ConsoleReporter reporter(engine);
    catchStopSignals(&engine);
    cli::PasswordSource passwords(&stopSignal, stopWake(), [](std::string_view name) { return terminalText(name); });
    if (const int exitCode = openForReading(engine, *parsed, passwords); exitCode != ExitOk)
        return exitCode;
    engine.ExtrBaseDir = parsed->options.count("to") ? parsed->options.at("to") : ".";
    std::error_code ignored;
    // The target is made when missing, as other extractors do with their -d.
    if (parsed->options.count("to"))
        std::filesystem::create_directories(engine.ExtrBaseDir, ignored);
    struct stat target {};
    if (::stat(engine.ExtrBaseDir.c_str(), &target) != 0 || !S_ISDIR(target.st_mode)) {
        writeError(filled(QCoreApplication::translate("cli", "No such directory: %1"), {engine.ExtrBaseDir}));
        return ExitFailed;
    }
    const auto given = [&](const char *flag) { return parsed->options.count(flag) != 0; };
    engine.ExtrOptions = extractOptionsFor({.dirNames = given("paths"),
                                            .overwrite = given("overwrite"),
                                            .updateOnly = given("update"),
                                            .freshenOnly = given("freshen")});
    const std::string baseFolder = parsed->options.count("base-folder") ? parsed->options.at("base-folder") : "";
    return runOnNames(
        engine, reporter, *parsed,
        [&] {
            orvex::ExtractRequest request = engine.extractRequest();
            request.baseFolder = baseFolder;
            engine.Extract(std::move(request), engine.events());
        },
        " file(s) were extracted");
}

// Decodes and checks the members, writing nothing: a line on stderr per bad
// member, the count that passed on stdout, 1 when any failed.
int testCommand(std::span<char *const> arguments)
{
    const std::optional<ParsedArguments> parsed =
        parseCommand(arguments, {}, {"charset", cli::PasswordFileOption}, 1,
                     //: "test" is the command's name and stays as it is
                     QCoreApplication::translate("cli", "test needs an archive"));
    if (!parsed)
        return ExitUsage;
    TZipEngine engine;
    ConsoleReporter reporter(engine);
    catchStopSignals(&engine);
    cli::PasswordSource passwords(&stopSignal, stopWake(), [](std::string_view name) { return terminalText(name); });
    if (const int exitCode = openForReading(engine, *parsed, passwords); exitCode != ExitOk)
        return exitCode;
    return runOnNames(
        engine, reporter, *parsed, [&] { engine.Test(); }, " file(s) passed the test");
}

int convertCommand(std::span<char *const> arguments)
{
    const std::optional<ParsedArguments> parsed =
        parseCommand(arguments, {"encrypt"}, {"level", cli::PasswordFileOption}, 2,
                     //: "convert" is the command's name and stays as it is
                     QCoreApplication::translate("cli", "convert needs a source archive and a new archive"));
    if (!parsed)
        return ExitUsage;
    if (parsed->operands.size() != 2)
        return usage();
    cli::ConvertRequest request{
        .source = parsed->operands[0], .target = parsed->operands[1], .level = -1, .password = {}};
    if (!takeLevel(*parsed, request.level))
        return ExitUsage;
    struct PasswordWipe {
        std::string &password;
        ~PasswordWipe() { ::explicit_bzero(password.data(), password.size()); }
    } wipe{request.password};
    catchStopSignals();  // a Ctrl-C at the question gives the terminal its echo back
    if (parsed->options.count("encrypt") && otherformats::writeFormatForName(request.target)) {
        //: %1 is the new archive's path, %2 the format its name gives (tar.gz, 7z ...)
        writeError(
            filled(QCoreApplication::translate(
                       "cli", "--encrypt makes a ZIP archive; %1 names a %2 archive, which is written without "
                              "encryption"),
                   {request.target, otherformats::formatLabel(*otherformats::writeFormatForName(request.target))}));
        return ExitUsage;
    }
    if (parsed->options.count("encrypt")) {
        if (!readAddPassword(*parsed, request.target, "convert", request.password))
            return cli::stopStatus(ExitUsage);
    } else if (parsed->options.count(cli::PasswordFileOption)) {
        writeError(QCoreApplication::translate("cli", "--password-file goes with --encrypt").toStdString());
        return ExitUsage;
    }
    return cli::convertArchive(request);
}

// The arguments' words are translated where they are printed; the command
// and option names are not, since they are what is typed.
constexpr Command Commands[] = {
    //: Usage of "orvexzip list": translate only the words in capitals; the options (--...) stay as they are
    {"list", QT_TRANSLATE_NOOP("cli", "ARCHIVE [--charset NAME] [--password-file FILE]"), -1, listCommand},
    {"add",
     //: Usage of "orvexzip add": translate only the words in capitals; the options (--...) stay as they are
     QT_TRANSLATE_NOOP("cli", "ARCHIVE [--level N] [--paths] [--recurse] [--move] [--update] [--freshen] "
                              "[--archive-time] [--dos-names] [--folder FOLDER/] [--encrypt [--password-file FILE]] "
                              "SPEC..."),
     -1, addCommand},
    //: Usage of "orvexzip delete": translate only the words in capitals
    {"delete", QT_TRANSLATE_NOOP("cli", "ARCHIVE NAME..."), -1, deleteCommand},
    {"extract",
     //: Usage of "orvexzip extract": translate only the words in capitals; the options (--...) stay as they are
     QT_TRANSLATE_NOOP("cli", "ARCHIVE [--to DIR] [--paths] [--base-folder FOLDER/] [--overwrite] [--update] "
                              "[--freshen] [--charset NAME] [--password-file FILE] [NAME...]"),
     -1, extractCommand},
    //: Usage of "orvexzip test": translate only the words in capitals; the options (--...) stay as they are
    {"test", QT_TRANSLATE_NOOP("cli", "ARCHIVE [--charset NAME] [--password-file FILE] [NAME...]"), -1, testCommand},
    //: Usage of "orvexzip convert": translate only the words in capitals; the options (--...) stay as they are
    {"convert", QT_TRANSLATE_NOOP("cli", "SOURCE TARGET [--level N] [--encrypt [--password-file FILE]]"), -1,
     convertCommand},
};

void printUsage(std::FILE *to)
{
    //: The first line of orvexzip's usage; the commands follow
    std::fprintf(to, "%s\n", QCoreApplication::translate("cli", "Usage:").toStdString().c_str());
    for (const Command &c : Commands)
        std::fprintf(to, "  orvexzip %s %s\n", c.name,
                     QCoreApplication::translate("cli", c.arguments).toStdString().c_str());
}

// Bad usage: the usage on stderr, status 2.
int usage()
{
    printUsage(stderr);
    return ExitUsage;
}

}  // namespace

int main(int argc, char *argv[])
{
    platform::startWithHugePageHeap(
        argv, cli::wantsHugePageHeap(std::span<char *const>(argv + 1, argc > 0 ? size_t(argc - 1) : 0)));
    platform::readTimeZoneOnce();
    // Messages in the user's language need an application object to hold the
    // catalogue; made only then, and with the C library's locale left as it
    // was, so that nothing else changes with the language.
    std::optional<QCoreApplication> translating;
    if (!platform::userLanguage().isEmpty()) {
        translating.emplace(argc, argv);
        std::setlocale(LC_ALL, "C");
        platform::installTranslations(*translating);
    }
    if (argc < 2)
        return usage();
    const std::string name = argv[1];
    // Asked for: the usage is the output, not an error.
    if (argc == 2 && (name == "--help" || name == "-h")) {
        printUsage(stdout);
        return std::fflush(stdout) == 0 ? ExitOk : ExitFailed;
    }
    // The version line is read by scripts: it is never translated.
    if (argc == 2 && name == "--version") {
        std::printf("orvexzip (Orvex 97) %s\n", ORVEX_VERSION);
        return std::fflush(stdout) == 0 ? ExitOk : ExitFailed;
    }
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
