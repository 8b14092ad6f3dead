#pragma once
// What the listing shows of the archive's members, without the window: all
// of them in one flat list, or one folder's subfolders and members; only
// those a filter keeps; and where the user has been, for Back and Forward.

#include "app/FolderIndex.h"
#include "app/NameFilter.h"

#include <QString>
#include <vector>

// One row: a folder of the index or a member.
struct ShownRow {
    int folder = -1;
    int entry = -1;
    bool operator==(const ShownRow &) const = default;
};

class ArchiveListing {
public:
    // The members as read last; the folder shown stays where it still exists.
    void reset(const std::vector<ArchiveEntry> &entries);
    // The folders are made of the members as read last, which the list
    // alone does not need.
    void showFolders(bool on, const std::vector<ArchiveEntry> &entries);

    int memberCount() const { return int(names_.size()); }
    // The members that are not folders: those a filter looks at.
    int fileCount() const { return fileCount_; }
    // The member's name as the listing shows it, whole.
    const QString &name(int entry) const { return names_[std::size_t(entry)]; }
    // Up to date while the folders are shown.
    const FolderIndex &folders() const { return folders_; }

    bool foldersShown() const { return foldersShown_; }
    // Another archive: back to the top, with no way back.
    void forgetPlaces();
    // The folder shown (FolderIndex::Root in the flat list).
    int currentFolder() const { return foldersShown_ ? current_ : FolderIndex::Root; }
    QString currentPath() const;
    // Goes into the folder, remembering the one left for Back.
    bool enter(int folder);
    // A typed path: false when no such folder exists.
    bool enterPath(const QString &path);
    bool goUp();
    bool goBack();
    bool goForward();
    bool canGoBack() const { return !back_.empty(); }
    bool canGoForward() const { return !forward_.empty(); }

    const NameFilter &filter() const { return filter_; }
    // True when every row the new filter leaves is shown already: the rows
    // shown need only be thinned, as `keeps` says.
    bool setFilter(const QString &text);
    bool keeps(const ShownRow &row) const;

    // The rows to show, in archive order, folders first: the flat list's
    // members, or the current folder's subfolders and members; with a
    // filter, only the members whose shown name it keeps, below the current
    // folder at any depth and named from it, folders left out.
    std::vector<ShownRow> rows() const;
    // The name the row shows: a folder's own name; a member's whole name in
    // the flat list, and from the current folder down in the folders.
    QString textOf(const ShownRow &row) const;
    // The members the rows stand for: a folder row stands for all under it.
    int shownMemberCount(const std::vector<ShownRow> &rows) const;

private:
    std::vector<int> filteredMembers() const;
    // Goes to the folder at `path`, or the nearest one above it that still exists.
    void moveTo(const QString &path);

    std::vector<QString> names_;
    int fileCount_ = 0;
    FolderIndex folders_;
    bool foldersShown_ = false;
    int current_ = FolderIndex::Root;
    QString currentPath_;  // kept across a re-read, which renumbers the folders
    std::vector<QString> back_, forward_;
    NameFilter filter_;
    // The last filter's members, which a narrower one starts from.
    mutable NameFilter lastFilter_;
    mutable int lastFilterFolder_ = -1;
    mutable std::vector<int> lastMatches_;
    std::vector<char> kept_;  // by member, after a filter that thins the rows
};
