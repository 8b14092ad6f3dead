// orvexzip: the archive component without the window.
//
//   orvexzip list ARCHIVE   the members, as the main window's grid shows them
//
// Exit status: 0 done, 1 the archive could not be read in full, 2 bad usage.

#include "app/ListingText.h"
#include "engine/ArchiveDirectoryReader.h"
#include "engine/ZipEngine.h"

#include <QStringList>

#include <cstdio>
#include <span>
#include <string>
#include <unordered_map>

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

struct Command {
    const char *name;
    const char *arguments;
    int argumentCount;
    int (*run)(std::span<char *const> arguments);
};

void writeOut(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void writeError(const std::string &message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", message.c_str());
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

// Further commands (add, delete, extract) go here.
constexpr Command Commands[] = {
    {"list", "ARCHIVE", 1, listCommand},
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
        if (argc - 2 != c.argumentCount)
            return usage();
        return c.run(std::span<char *const>(argv + 2, size_t(c.argumentCount)));
    }
    return usage();
}
