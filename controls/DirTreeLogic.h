#pragma once
// What the directory tree knows without a window: its paths, the list of
// nodes' paths with their read states, the directory last chosen on each
// volume, and reading one directory's subdirectories. QtCore only.

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

namespace dirtree {

// Paths in the tree always end in '/', so that "/a/" is never taken for a
// prefix of "/ab/". An empty path stays empty.
QString withSlash(const QString &path);

// The root in `roots` (each ending in '/') that is the longest prefix of
// `path`; empty when none holds it. Volumes mount inside one another, so the
// longest one is the volume the path lives on.
QString volumeRootOf(const QStringList &roots, const QString &path);

// The directories a walk from `root` down to `path` passes, each ending in
// '/': the root first, `path` last. Empty unless `path` lies on `root`.
QStringList levelsBelow(const QString &root, const QString &path);

// Sorts names ascending ignoring case; names that differ only in case (both
// may exist) keep a fixed order.
void sortIgnoringCase(QStringList &names);

// Asked for each directory before it goes into the tree (its full path with a
// trailing '/'); false leaves it and everything below it out.
using AcceptDirectory = std::function<bool(const QString &path)>;

// The names of the subdirectories of `directory` (ending in '/'), hidden and
// system ones included, sorted ignoring case. A directory that cannot be read
// has none.
QStringList readSubdirectories(const QString &directory, const AcceptDirectory &accept);

// Whether `directory` has at least one accepted subdirectory; stops at the first.
bool hasSubdirectory(const QString &directory, const AcceptDirectory &accept);

// Whether `path` (ending in '/') is, through a link, a directory already on
// the way from it up to the root: entering it would go round for ever, so
// the tree shows it but does not enter it.
bool revisitsAncestor(const QString &path);

// Whether `path` lies in one of the kernel's trees (/proc, /sys, /dev): their
// subdirectories are read only when the user opens them, never ahead.
bool readOnlyWhenOpened(const QString &path);

}  // namespace dirtree

// One entry per volume and directory node since the last rebuild: a state
// letter followed by the node's full path, "u/home/" while its subdirectories
// have not been read and "i/home/" once they have. A node keeps the index of
// its entry; the list is only ever appended to until it is emptied.
class TPathList {
public:
    static constexpr QChar Unread = QLatin1Char('u');
    static constexpr QChar Read = QLatin1Char('i');

    // Appends an unread entry for `path` (given with its trailing '/') and
    // returns its index.
    int append(const QString &path);
    void clear() { entries_.clear(); }
    int size() const { return int(entries_.size()); }
    bool contains(int index) const { return index >= 0 && index < size(); }

    // The whole entry, state letter first; empty for an index out of range.
    QString entry(int index) const;
    QString path(int index) const;
    bool isRead(int index) const;
    void markRead(int index);

private:
    QStringList entries_;
};

// The directory last selected on each volume, keyed by the volume's root (with
// its trailing '/'); a volume never chosen answers its root.
class RememberedDirs {
public:
    QString dir(const QString &root) const { return dirs_.value(root, root); }
    void set(const QString &root, const QString &path) { dirs_.insert(root, dirtree::withSlash(path)); }
    bool remembers(const QString &root) const { return dirs_.contains(root); }

private:
    QHash<QString, QString> dirs_;
};
