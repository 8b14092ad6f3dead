#pragma once
// The archive's members as folders: every folder a member's name passes
// through, whether the archive stores it as a member or not, with its
// subfolders, the members directly in it and the totals of everything
// under it. Built from the names the listing shows, without the window.

#include "engine/ArchiveEntry.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

class FolderIndex {
public:
    struct Folder {
        QString name;  // its last component; empty for the archive's root
        QString path;  // as the listing names it, ending in '/'; empty for the root
        int parent = -1;
        int depth = 0;  // components in path
        std::vector<int> subfolders;
        std::vector<int> files;  // members directly in it, in archive order
        int entry = -1;          // the member stored for the folder itself, if any
        // Of every member under it.
        int members = 0;
        uint64_t packed = 0, unpacked = 0;
        bool packedKnown = false, unpackedKnown = false;  // some member's size was known
        uint32_t newestDosDateTime = 0;
    };
    static constexpr int Root = 0;

    FolderIndex() { clear(); }
    // `names` are the listing's names of `entries`, index for index.
    void build(const std::vector<QString> &names, const std::vector<ArchiveEntry> &entries);
    void clear();

    int folderCount() const { return int(folders_.size()); }
    const Folder &folder(int id) const { return folders_[std::size_t(id)]; }
    // The folder the member is in (or, for a stored folder, is).
    int folderOf(int entry) const { return folderOfEntry_[std::size_t(entry)]; }
    // The folder named `path`, with or without its last '/', leading and
    // doubled slashes and "." components ignored; -1 when there is none.
    int find(const QString &path) const;
    // Every member under the folder, the folder's own included, in archive order.
    std::vector<int> membersUnder(int id) const;
    // One member under the folder, found without gathering them all; -1 for none.
    int anyMemberUnder(int id) const;
    // Whether `folder` is `ancestor` or lies under it.
    bool isUnder(int folder, int ancestor) const;
    // The member's name from `folder` down ("api/index.html" in "docs/").
    QString relativeName(int entry, int folder) const { return relativeView(entry, folder).toString(); }
    QStringView relativeView(int entry, int folder) const;

private:
    int folderFor(const QString &path, int parent, QStringView name);

    std::vector<Folder> folders_;
    QHash<QString, int> byPath_;
    std::vector<int> folderOfEntry_;
    // The names split into the components the folders were made of.
    std::vector<QString> cleanNames_;
    std::vector<int> duplicateFolderEntries_;  // a folder's members after its first
};

// A name's components without the empty and "." ones, joined by '/'; a
// trailing '/' (a stored folder) is kept.
QString cleanedMemberPath(const QString &name);
