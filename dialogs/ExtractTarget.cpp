#include "dialogs/ExtractTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace extract_target {

namespace {

// The endings an archive's name carries; a compressed tar carries two.
const QStringList ArchiveExtensions = {
    QStringLiteral("zip"),  QStringLiteral("zipx"), QStringLiteral("jar"), QStringLiteral("tar"),
    QStringLiteral("gz"),   QStringLiteral("tgz"),  QStringLiteral("bz2"), QStringLiteral("tbz"),
    QStringLiteral("tbz2"), QStringLiteral("xz"),   QStringLiteral("txz"), QStringLiteral("lzma"),
    QStringLiteral("zst"),  QStringLiteral("tzst"), QStringLiteral("z"),   QStringLiteral("lz"),
    QStringLiteral("7z"),   QStringLiteral("rar"),  QStringLiteral("iso"), QStringLiteral("cpio"),
    QStringLiteral("ar"),   QStringLiteral("deb"),  QStringLiteral("cab"), QStringLiteral("lzh"),
    QStringLiteral("lha"),  QStringLiteral("xar"),  QStringLiteral("lz4"),
};

QStringList components(const std::string &name)
{
    QStringList parts;
    // Both separators: a name from DOS holds '\\'.
    for (const QString &part :
         QString::fromUtf8(name).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/')))
        if (!part.isEmpty() && part != QLatin1String("."))
            parts << part;
    return parts;
}

}  // namespace

QString typedFolder(const QString &typed)
{
    QString path = typed;
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path = QDir::homePath() + path.mid(1);
    if (!path.startsWith(QLatin1Char('/')))
        return {};
    path = QDir::cleanPath(path);
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString folderProblem(const QString &folder)
{
    // Walked from the folder up: the first thing that exists must be a folder.
    for (QString path = QDir::cleanPath(folder);; path = QFileInfo(path).path()) {
        const QFileInfo info(path);
        if (info.exists() || info.isSymLink()) {
            if (info.isDir())
                return {};
            //: %1 is the path of a file, %2 the folder chosen, which lies below it or is it.
            return QCoreApplication::translate("extract_target",
                                               "%1 is a file, not a folder: nothing can be extracted into %2")
                .arg(path, folder);
        }
        if (path == QLatin1String("/"))
            return {};
    }
}

QString archiveFolderName(const QString &archivePath)
{
    const QString fileName = QFileInfo(archivePath).fileName();
    QString name = fileName;
    for (;;) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot <= 0 || !ArchiveExtensions.contains(name.mid(dot + 1), Qt::CaseInsensitive))
            break;
        name.truncate(dot);
    }
    return name.isEmpty() ? fileName : name;
}

bool membersUnderOneFolder(const std::vector<std::string> &names)
{
    return membersUnderOneFolder(qsizetype(names.size()), [&names](qsizetype i) { return names[size_t(i)]; });
}

bool membersUnderOneFolder(qsizetype count, const std::function<std::string(qsizetype)> &nameAt)
{
    QString top;
    for (qsizetype i = 0; i < count; ++i) {
        const std::string name = nameAt(i);
        const QStringList parts = components(name);
        if (parts.isEmpty())
            continue;
        // A file at the top, however many folders stand beside it.
        const bool isFolderEntry = !name.empty() && (name.back() == '/' || name.back() == '\\');
        if (parts.size() == 1 && !isFolderEntry)
            return false;
        if (top.isEmpty())
            top = parts.front();
        else if (parts.front() != top)
            return false;
    }
    return !top.isEmpty();
}

QString folderBelow(const QString &target, const QString &name)
{
    QString candidate = name;
    for (int number = 2;; ++number) {
        const QFileInfo info(target + candidate);
        if (info.isDir() || (!info.exists() && !info.isSymLink()))
            return target + candidate + QLatin1Char('/');
        // One arg() call: a name holding "%1" must not take the number.
        candidate = QStringLiteral("%1 (%2)").arg(name, QString::number(number));
    }
}

}  // namespace extract_target
