#pragma once
// The rules of the add dialog's "Files to Add" list, apart from the widget
// that shows it: what an entry looks like, that each path is listed once,
// and the order (as added, until sorted once; sorted from then on).

#include <QList>
#include <QString>
#include <QStringList>

class AddFileList {
public:
    // `path` with one '/' at the end; unchanged when empty or already ending in '/'.
    static QString appendSlash(const QString &path);
    // The entry for a whole directory: "/data/reports/"; the root stays "/".
    static QString directoryEntry(const QString &directory);
    // The entry for a file shown in the file list of `directory`.
    static QString fileEntry(const QString &directory, const QString &fileName);
    // The order of sorted mode: ignoring case, and by exact text between
    // paths that differ in case only (both are listed: they are two files).
    static bool sortsBefore(const QString &a, const QString &b);

    const QStringList &entries() const { return entries_; }
    int count() const { return int(entries_.size()); }
    bool isSorted() const { return sorted_; }
    // Paths are compared exactly: Linux file names are case-sensitive.
    bool contains(const QString &entry) const;

    // Places `entry` at the end, or at its sorted position in sorted mode.
    // Returns its row, or -1 when it is listed already (nothing changes).
    int add(const QString &entry);
    // Switches to sorted mode for the rest of the list's life. Returns, for
    // each row of the new order, the row the entry had before.
    QList<int> sort();
    // Removes the entries at `rows`, adjacent or not, in any order.
    void removeRows(QList<int> rows);
    void clear() { entries_.clear(); }

private:
    QStringList entries_;
    bool sorted_ = false;
};
