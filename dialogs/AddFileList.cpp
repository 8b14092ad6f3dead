#include "dialogs/AddFileList.h"

#include <algorithm>
#include <numeric>

QString AddFileList::appendSlash(const QString &path)
{
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

QString AddFileList::directoryEntry(const QString &directory)
{
    return appendSlash(directory);
}

QString AddFileList::fileEntry(const QString &directory, const QString &fileName)
{
    return appendSlash(directory) + fileName;
}

bool AddFileList::sortsBefore(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

bool AddFileList::contains(const QString &entry) const
{
    return entries_.contains(entry, Qt::CaseSensitive);
}

int AddFileList::add(const QString &entry)
{
    if (contains(entry))
        return -1;
    qsizetype row = entries_.size();
    if (sorted_)
        row = std::upper_bound(entries_.begin(), entries_.end(), entry, &AddFileList::sortsBefore) - entries_.begin();
    entries_.insert(row, entry);
    return int(row);
}

QList<int> AddFileList::sort()
{
    sorted_ = true;
    QList<int> order(entries_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return sortsBefore(entries_[a], entries_[b]); });
    QStringList sortedEntries;
    sortedEntries.reserve(entries_.size());
    for (int row : order)
        sortedEntries.append(entries_[row]);
    entries_ = sortedEntries;
    return order;
}

void AddFileList::removeRows(QList<int> rows)
{
    // From the last row up, so that the rows still to go keep their numbers.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        if (row >= 0 && row < entries_.size())
            entries_.removeAt(row);
}
