#include "controls/DirTreeLogic.h"

#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

namespace dirtree {

QString withSlash(const QString &path)
{
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

QString volumeRootOf(const QStringList &roots, const QString &path)
{
    const QString full = withSlash(path);
    QString best;
    for (const QString &root : roots)
        if (root.size() > best.size() && full.startsWith(root))
            best = root;
    return best;
}

QStringList levelsBelow(const QString &root, const QString &path)
{
    const QString full = withSlash(path);
    if (root.isEmpty() || !full.startsWith(root))
        return {};
    QStringList levels{root};
    for (qsizetype slash = full.indexOf(QLatin1Char('/'), root.size()); slash >= 0;
         slash = full.indexOf(QLatin1Char('/'), slash + 1))
        levels.append(full.left(slash + 1));
    return levels;
}

void sortIgnoringCase(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

namespace {

// Calls `take` with each accepted subdirectory's name until it returns false.
void forEachSubdirectory(const QString &directory, const AcceptDirectory &accept,
                         const std::function<bool(const QString &name)> &take)
{
    // Hidden directories are listed too: the tree offers every directory a
    // user may extract into.
    QDirIterator it(directory, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (!info.isDir())
            continue;
        const QString name = info.fileName();
        if (accept && !accept(directory + name + QLatin1Char('/')))
            continue;
        if (!take(name))
            return;
    }
}

}  // namespace

QStringList readSubdirectories(const QString &directory, const AcceptDirectory &accept)
{
    QStringList names;
    forEachSubdirectory(directory, accept, [&](const QString &name) {
        names.append(name);
        return true;
    });
    sortIgnoringCase(names);
    return names;
}

bool hasSubdirectory(const QString &directory, const AcceptDirectory &accept)
{
    bool found = false;
    forEachSubdirectory(directory, accept, [&](const QString &) {
        found = true;
        return false;
    });
    return found;
}

bool revisitsAncestor(const QString &path)
{
    const QString full = withSlash(path);
    const QString real = withSlash(QFileInfo(full).canonicalFilePath());
    // Without a link on the way the real path is the path itself, and no
    // directory above can be the same one.
    if (real.isEmpty() || real == full)
        return false;
    for (qsizetype slash = full.lastIndexOf(QLatin1Char('/'), full.size() - 2); slash >= 0;
         slash = slash > 0 ? full.lastIndexOf(QLatin1Char('/'), slash - 1) : -1) {
        const QString above = full.left(slash + 1);
        if (withSlash(QFileInfo(above).canonicalFilePath()) == real)
            return true;
    }
    return false;
}

bool readOnlyWhenOpened(const QString &path)
{
    const QString full = withSlash(path);
    for (const char *kernel : {"/proc/", "/sys/", "/dev/"})
        if (full.startsWith(QLatin1String(kernel)))
            return true;
    return false;
}

}  // namespace dirtree

int TPathList::append(const QString &path)
{
    entries_.append(Unread + dirtree::withSlash(path));
    return size() - 1;
}

QString TPathList::entry(int index) const
{
    return contains(index) ? entries_[index] : QString();
}

QString TPathList::path(int index) const
{
    return contains(index) ? entries_[index].mid(1) : QString();
}

bool TPathList::isRead(int index) const
{
    return contains(index) && entries_[index].front() == Read;
}

void TPathList::markRead(int index)
{
    if (contains(index))
        entries_[index][0] = Read;
}
