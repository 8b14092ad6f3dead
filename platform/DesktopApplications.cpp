#include "platform/DesktopApplications.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <map>

namespace platform {

namespace {

// The general escapes of a desktop file's string values.
QString unescapeValue(const QString &value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value[++i];
        if (next == QLatin1Char('s'))
            out += QLatin1Char(' ');
        else if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (next == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else
            out += next;
    }
    return out;
}

// The Exec line split into arguments: double quotes group, and inside them
// a backslash takes the next character as it is. Nothing for broken quoting.
std::optional<QStringList> splitExec(const QString &exec)
{
    QStringList arguments;
    QString current;
    bool inArgument = false, quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else if (c == QLatin1Char('\\') && i + 1 < exec.size())
                current += exec[++i];
            else
                current += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inArgument = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        arguments << current;
    return arguments;
}

bool programExists(const QString &program)
{
    if (program.isEmpty())
        return true;
    if (QFileInfo(program).isAbsolute())
        return QFileInfo(program).isExecutable();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(1 << 20));
}

// The ids mimeapps.list names as the default for `mimeType`, in its order.
QStringList defaultsIn(const QString &text, const QString &mimeType)
{
    bool inDefaults = false;
    for (const QString &rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inDefaults = line == QLatin1String("[Default Applications]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inDefaults && equals > 0 && line.left(equals).trimmed() == mimeType)
            return line.mid(equals + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    return {};
}

}  // namespace

std::optional<DesktopApplication> parseDesktopEntry(const QString &text, const QString &id)
{
    DesktopApplication application;
    application.id = id;
    bool inEntry = false;
    QString type;
    for (const QString &rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inEntry || equals <= 0)
            continue;
        // Localised keys (Name[de]) are left to the plain ones.
        const QString key = line.left(equals).trimmed();
        const QString value = unescapeValue(line.mid(equals + 1).trimmed());
        if (key == QLatin1String("Type"))
            type = value;
        else if (key == QLatin1String("Name"))
            application.name = value;
        else if (key == QLatin1String("Exec"))
            application.exec = value;
        else if (key == QLatin1String("TryExec"))
            application.tryExec = value;
        else if (key == QLatin1String("MimeType"))
            application.mimeTypes = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        else if (key == QLatin1String("NoDisplay"))
            application.noDisplay = value == QLatin1String("true");
        else if (key == QLatin1String("Hidden"))
            application.hidden = value == QLatin1String("true");
    }
    if (type != QLatin1String("Application") || (application.exec.isEmpty() && !application.hidden))
        return std::nullopt;
    if (application.name.isEmpty())
        application.name = id;
    return application;
}

QStringList commandLine(const QString &exec, const QString &file)
{
    const std::optional<QStringList> split = splitExec(exec);
    if (!split || split->isEmpty())
        return {};
    const QString url = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    QStringList command;
    bool fileGiven = false;
    for (const QString &argument : *split) {
        QString out;
        bool dropped = false;
        for (qsizetype i = 0; i < argument.size(); ++i) {
            if (argument[i] != QLatin1Char('%') || i + 1 == argument.size()) {
                out += argument[i];
                continue;
            }
            const QChar code = argument[++i];
            if (code == QLatin1Char('%')) {
                out += QLatin1Char('%');
            } else if (code == QLatin1Char('f') || code == QLatin1Char('F')) {
                out += file;
                fileGiven = true;
            } else if (code == QLatin1Char('u') || code == QLatin1Char('U')) {
                out += url;
                fileGiven = true;
            } else {
                // %i, %c, %k and the deprecated codes: nothing of them is given.
                dropped = true;
            }
        }
        if (!(dropped && out.isEmpty()))
            command << out;
    }
    if (command.isEmpty())
        return {};
    if (!fileGiven)
        command << file;
    return command;
}

QStringList dataDirectories()
{
    QStringList directories;
    const QString home = qEnvironmentVariable("XDG_DATA_HOME");
    directories << (home.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : home);
    const QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    directories << (dirs.isEmpty() ? QStringLiteral("/usr/local/share:/usr/share") : dirs)
                       .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return directories;
}

QStringList configDirectories()
{
    QStringList directories;
    const QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    directories << (home.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : home);
    const QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    directories << (dirs.isEmpty() ? QStringLiteral("/etc/xdg") : dirs).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return directories;
}

QStringList mimeTypesOf(const QString &path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    QStringList types{type.name()};
    for (const QString &ancestor : type.allAncestors())
        if (!types.contains(ancestor))
            types << ancestor;
    return types;
}

std::vector<DesktopApplication> applicationsFor(const QStringList &mimeTypes, const QStringList &dataDirectories,
                                                const QStringList &configDirectories)
{
    // The first folder that has an id decides what it is.
    std::map<QString, DesktopApplication> byId;
    for (const QString &data : dataDirectories) {
        const QString folder = data + QStringLiteral("/applications");
        QDirIterator files(folder, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        std::map<QString, DesktopApplication> here;
        while (files.hasNext()) {
            const QString path = files.next();
            // A file in a subfolder has the folder in its id: kde/a.desktop is kde-a.desktop.
            QString id = QDir(folder).relativeFilePath(path);
            id.replace(QLatin1Char('/'), QLatin1Char('-'));
            if (byId.count(id) != 0)
                continue;
            if (std::optional<DesktopApplication> application = parseDesktopEntry(readText(path), id))
                here.emplace(id, std::move(*application));
            else
                here.emplace(id, DesktopApplication{.id = id,
                                                    .name = {},
                                                    .exec = {},
                                                    .tryExec = {},
                                                    .mimeTypes = {},
                                                    .noDisplay = false,
                                                    .hidden = true,
                                                    .isDefault = false});
        }
        byId.merge(here);
    }
    std::vector<DesktopApplication> offered;
    for (auto &[id, application] : byId) {
        if (application.hidden || application.noDisplay || !programExists(application.tryExec))
            continue;
        const bool fits = std::any_of(mimeTypes.begin(), mimeTypes.end(),
                                      [&](const QString &type) { return application.mimeTypes.contains(type); });
        if (fits)
            offered.push_back(application);
    }
    // A collator of our own: the one QString::localeAwareCompare caches is
    // never freed, and the leak checker says so.
    const QCollator byName;
    std::sort(offered.begin(), offered.end(), [&byName](const DesktopApplication &a, const DesktopApplication &b) {
        return byName.compare(a.name, b.name) < 0;
    });

    QStringList lists;
    for (const QString &config : configDirectories)
        lists << config + QStringLiteral("/mimeapps.list");
    for (const QString &data : dataDirectories)
        lists << data + QStringLiteral("/applications/mimeapps.list");
    for (const QString &type : mimeTypes)
        for (const QString &list : lists)
            for (const QString &id : defaultsIn(readText(list), type)) {
                const auto found = std::find_if(offered.begin(), offered.end(),
                                                [&](const DesktopApplication &a) { return a.id == id; });
                if (found == offered.end())
                    continue;
                found->isDefault = true;
                std::rotate(offered.begin(), found, found + 1);
                return offered;
            }
    return offered;
}

}  // namespace platform
