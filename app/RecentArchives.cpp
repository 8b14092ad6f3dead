#include "app/RecentArchives.h"

namespace {
const char *const Key = "recentArchives";
}

QStringList RecentArchives::paths() const
{
    // Settings edited by hand may hold anything: blanks and repeats go.
    QStringList paths;
    for (const QString &path : settings_.value(QLatin1String(Key)).toStringList())
        if (!path.isEmpty() && !paths.contains(path) && paths.size() < Limit)
            paths.append(path);
    return paths;
}

void RecentArchives::opened(const QString &path)
{
    QStringList list = paths();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, Limit));
}

void RecentArchives::forget(const QString &path)
{
    QStringList list = paths();
    if (list.removeAll(path) > 0)
        store(list);
}

void RecentArchives::store(const QStringList &paths)
{
    settings_.setValue(QLatin1String(Key), paths);
    settings_.sync();
}
