#include "app/BatchArguments.h"

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
            parsed.error = QStringLiteral("%1 needs a %2")
                               .arg(first, QLatin1String(option->mode == Mode::AddTo ? "archive" : "folder"));
            return parsed;
        }
        parsed.target = localPath(arguments[1], currentDir);
        if (parsed.target.isEmpty()) {
            parsed.error = QStringLiteral("Not a local file: ") + arguments[1];
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
            parsed.error = QStringLiteral("Not a local file: ") + arguments[i];
            return parsed;
        }
        if (!parsed.files.contains(path))
            parsed.files << path;
    }
    if (parsed.files.isEmpty())
        parsed.error = QStringLiteral("%1 needs at least one file").arg(first);
    return parsed;
}

QString usageText()
{
    return QStringLiteral("  --extract-here FILE...       extract each archive into the folder that holds it;\n"
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
