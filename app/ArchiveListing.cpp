#include "app/ArchiveListing.h"

#include "app/ListingText.h"

void ArchiveListing::reset(const std::vector<ArchiveEntry> &entries)
{
    names_.clear();
    names_.reserve(entries.size());
    fileCount_ = 0;
    for (const ArchiveEntry &entry : entries) {
        names_.push_back(listingName(entry));
        fileCount_ += names_.back().endsWith(u'/') ? 0 : 1;
    }
    lastFilterFolder_ = -1;
    lastMatches_.clear();
    if (foldersShown_) {
        folders_.build(names_, entries);
        moveTo(currentPath_);
    } else {
        folders_.clear();
    }
}

void ArchiveListing::showFolders(bool on, const std::vector<ArchiveEntry> &entries)
{
    if (on == foldersShown_)
        return;
    foldersShown_ = on;
    lastFilterFolder_ = -1;
    if (on) {
        folders_.build(names_, entries);
        moveTo(currentPath_);
    } else {
        folders_.clear();
    }
}

void ArchiveListing::moveTo(const QString &path)
{
    // A folder whose members were all deleted or renamed is gone: the view
    // stays as close to it as it can.
    QString wanted = path;
    int found = folders_.find(wanted);
    while (found < 0 && !wanted.isEmpty()) {
        wanted.chop(1);
        wanted.truncate(wanted.lastIndexOf(u'/') + 1);
        found = folders_.find(wanted);
    }
    current_ = found < 0 ? FolderIndex::Root : found;
    currentPath_ = folders_.folder(current_).path;
}

void ArchiveListing::forgetPlaces()
{
    current_ = FolderIndex::Root;
    currentPath_.clear();
    back_.clear();
    forward_.clear();
}

QString ArchiveListing::currentPath() const
{
    return foldersShown_ ? currentPath_ : QString();
}

bool ArchiveListing::enter(int folder)
{
    if (!foldersShown_ || folder < 0 || folder >= folders_.folderCount() || folder == current_)
        return false;
    back_.push_back(currentPath_);
    forward_.clear();
    current_ = folder;
    currentPath_ = folders_.folder(folder).path;
    return true;
}

bool ArchiveListing::enterPath(const QString &path)
{
    const int folder = folders_.find(path);
    if (folder < 0)
        return false;
    enter(folder);
    return true;
}

bool ArchiveListing::goUp()
{
    return foldersShown_ && current_ != FolderIndex::Root && enter(folders_.folder(current_).parent);
}

bool ArchiveListing::goBack()
{
    if (!foldersShown_ || back_.empty())
        return false;
    forward_.push_back(currentPath_);
    moveTo(back_.back());
    back_.pop_back();
    return true;
}

bool ArchiveListing::goForward()
{
    if (!foldersShown_ || forward_.empty())
        return false;
    back_.push_back(currentPath_);
    moveTo(forward_.back());
    forward_.pop_back();
    return true;
}

bool ArchiveListing::setFilter(const QString &text)
{
    const NameFilter before = filter_;
    filter_ = NameFilter(text);
    kept_.clear();
    if (filter_.isEmpty() || !filter_.narrows(before))
        return false;
    // The flat list shows every member unfiltered; a filter shows members
    // only, below the folder it was typed in.
    const bool allShown = before.isEmpty() ? !foldersShown_ : lastFilterFolder_ == currentFolder();
    if (!allShown)
        return false;
    kept_.assign(names_.size(), 0);
    for (const int entry : filteredMembers())
        kept_[std::size_t(entry)] = 1;
    return true;
}

bool ArchiveListing::keeps(const ShownRow &row) const
{
    return row.entry >= 0 && std::size_t(row.entry) < kept_.size() && kept_[std::size_t(row.entry)];
}

QString ArchiveListing::textOf(const ShownRow &row) const
{
    if (row.folder >= 0)
        return folders_.folder(row.folder).name;
    if (!foldersShown_)
        return names_[std::size_t(row.entry)];
    return folders_.relativeName(row.entry, current_);
}

std::vector<int> ArchiveListing::filteredMembers() const
{
    const int folder = currentFolder();
    std::vector<int> candidates;
    if (lastFilterFolder_ == folder && filter_.narrows(lastFilter_)) {
        candidates = std::move(lastMatches_);
    } else {
        // A filter finds files: a folder has its own row in the folders,
        // and in the list its name is in each of its members'.
        candidates.reserve(std::size_t(fileCount_));
        auto addFile = [&](int entry) {
            if (!names_[std::size_t(entry)].endsWith(u'/'))
                candidates.push_back(entry);
        };
        if (!foldersShown_)
            for (std::size_t i = 0; i < names_.size(); ++i)
                addFile(int(i));
        else
            for (const int entry : folders_.membersUnder(folder))
                addFile(entry);
    }
    std::vector<int> matches;
    for (const int entry : candidates) {
        const QStringView shown = foldersShown_ ? folders_.relativeView(entry, folder)
                                                : QStringView(names_[std::size_t(entry)]);
        if (filter_.matches(shown))
            matches.push_back(entry);
    }
    lastFilter_ = filter_;
    lastFilterFolder_ = folder;
    lastMatches_ = matches;
    return matches;
}

std::vector<ShownRow> ArchiveListing::rows() const
{
    std::vector<ShownRow> rows;
    if (!filter_.isEmpty()) {
        for (const int entry : filteredMembers())
            rows.push_back({-1, entry});
    } else if (!foldersShown_) {
        rows.reserve(names_.size());
        for (std::size_t i = 0; i < names_.size(); ++i)
            rows.push_back({-1, int(i)});
    } else {
        const FolderIndex::Folder &folder = folders_.folder(current_);
        rows.reserve(folder.subfolders.size() + folder.files.size());
        for (const int sub : folder.subfolders)
            rows.push_back({sub, -1});
        for (const int entry : folder.files)
            rows.push_back({-1, entry});
    }
    return rows;
}

int ArchiveListing::shownMemberCount(const std::vector<ShownRow> &rows) const
{
    int count = 0;
    for (const ShownRow &row : rows)
        count += row.folder >= 0 ? folders_.folder(row.folder).members : 1;
    return count;
}
