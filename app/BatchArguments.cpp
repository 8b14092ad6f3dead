#include "app/BatchArguments.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>
#include <algorithm>
#include <array>

namespace batch {

namespace {

struct Option {
    const char *name;
    Mode mode;
    bool takesTarget;
};
constexpr std::array<Option, 5> Options{{
    {"--extract-here", Mode::ExtractHere, false},
    {"--extract-to", Mode::ExtractTo, true},
    {"--extract", Mode::ExtractAsk, false},
    {"--compress", Mode::Compress, false},
    {"--add-to", Mode::AddTo, true},
}};

// Empty for a URL that names no local file: the modes work on files only.
QString localPath(const QString &argument, const QString &currentDir)
{
    QString path = argument;
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        if (!url.isLocalFile())
            return {};
        path = url.toLocalFile();
    } else if (argument.contains(QLatin1String("://"))) {
        return {};
    }
    // A name ends at its first NUL for the system: it would name another file.
    if (path.isEmpty() || path.contains(QChar(0)))
        return {};
    return QDir::cleanPath(QDir(currentDir).absoluteFilePath(path));
}

}  // namespace

Arguments parse(const QStringList &arguments, const QString &currentDir)
{
    Arguments parsed;
    if (arguments.isEmpty())
        return parsed;
    const QString &first = arguments.front();
    const auto option = std::find_if(Options.begin(), Options.end(),
                                     [&first](const Option &o) { return first == QLatin1String(o.name); });
    if (option == Options.end())
        return parsed;
    parsed.mode = option->mode;
    qsizetype next = 1;
    if (option->takesTarget) {
        if (arguments.size() < 2) {
            //: %1 is the option given (--add-to); "a archive" is the program's own English, kept as it is
            parsed.error = option->mode == Mode::AddTo
                               ? QCoreApplication::translate("batch", "%1 needs a archive").arg(first)
                               //: %1 is the option given (--extract-to)
                               : QCoreApplication::translate("batch", "%1 needs a folder").arg(first);
            return parsed;
        }
        parsed.target = localPath(arguments[1], currentDir);
        if (parsed.target.isEmpty()) {
            //: %1 is a path or URL from the command line
            parsed.error = QCoreApplication::translate("batch", "Not a local file: %1").arg(arguments[1]);
            return parsed;
        }
        next = 2;
    }
    for (qsizetype i = next; i < arguments.size(); ++i) {
        // "--" ends the options, so that a file named like one can be given.
        if (arguments[i] == QLatin1String("--") && i == next)
            continue;
        const QString path = localPath(arguments[i], currentDir);
        if (path.isEmpty()) {
            parsed.error = QCoreApplication::translate("batch", "Not a local file: %1").arg(arguments[i]);
            return parsed;
        }
        if (!parsed.files.contains(path))
            parsed.files << path;
    }
    if (parsed.files.isEmpty())
        //: %1 is the option given (--compress)
        parsed.error = QCoreApplication::translate("batch", "%1 needs at least one file").arg(first);
    return parsed;
}

QString usageText()
{
    //: Part of --help. The options (--extract-here …) and the words in capitals (FILE, DIR, ARCHIVE) are typed
    //: as they are: keep them, and keep the text within 80 columns
    return QCoreApplication::translate(
        "batch", "  --extract-here FILE...       extract each archive into the folder that holds it;\n"
                 "                               members not all under one top folder go into a\n"
                 "                               new folder named after the archive\n"
                 "  --extract-to DIR FILE...     the same, into DIR\n"
                 "  --extract FILE...            ask where to extract, in the extract dialog\n"
                 "  --compress FILE...           ask for a new archive's name, format, level and\n"
                 "                               password, then add FILEs to it\n"
                 "  --add-to ARCHIVE FILE...     add FILEs to ARCHIVE (made when missing) without asking\n"
                 "FILE may be a path or a file:// URL. These modes open no main window; the exit\n"
                 "status is 0 when everything asked was done, 1 when something failed or was\n"
                 "cancelled, and 2 for a wrong command line.\n");
}

}  // namespace batch
