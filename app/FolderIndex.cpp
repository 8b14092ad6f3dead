#include "app/FolderIndex.h"

#include <algorithm>

QString cleanedMemberPath(const QString &name)
{
    // Most names are clean: they are returned as they are, sharing their text.
    const bool clean = !name.startsWith(u'/') && !name.contains(QLatin1String("//")) && !name.startsWith(u"./")
                       && !name.contains(QLatin1String("/./")) && name != u'.' && !name.endsWith(u"/.");
    if (clean)
        return name;
    QStringList kept;
    for (const QString &part : name.split(u'/'))
        if (!part.isEmpty() && part != u'.')
            kept << part;
    QString path = kept.join(u'/');
    if (name.endsWith(u'/') && !path.isEmpty())
        path += u'/';
    return path;
}

void FolderIndex::clear()
{
    folders_.assign(1, Folder{});
    byPath_.clear();
    byPath_.insert(QString(), Root);
    folderOfEntry_.clear();
    cleanNames_.clear();
    duplicateFolderEntries_.clear();
}

int FolderIndex::folderFor(const QString &path, int parent, QStringView name)
{
    if (const auto found = byPath_.constFind(path); found != byPath_.constEnd())
        return *found;
    const int id = int(folders_.size());
    Folder folder;
    folder.name = name.toString();
    folder.path = path;
    folder.parent = parent;
    folder.depth = folders_[std::size_t(parent)].depth + 1;
    folders_.push_back(std::move(folder));
    folders_[std::size_t(parent)].subfolders.push_back(id);
    byPath_.insert(path, id);
    return id;
}

void FolderIndex::build(const std::vector<QString> &names, const std::vector<ArchiveEntry> &entries)
{
    clear();
    const std::size_t count = std::min(names.size(), entries.size());
    folderOfEntry_.resize(count, Root);
    cleanNames_.resize(count);
    // Members of one folder mostly come together: the last folder found is
    // tried before the table.
    QString lastPath;
    int lastFolder = Root;
    for (std::size_t i = 0; i < count; ++i) {
        const QString name = cleanedMemberPath(names[i]);
        cleanNames_[i] = name;
        const bool storedFolder = name.endsWith(u'/');
        const qsizetype end = storedFolder ? name.size() - 1 : name.size();
        if (end <= 0) {
            folderOfEntry_[i] = Root;
            folders_[Root].files.push_back(int(i));
            continue;
        }
        const qsizetype slash = name.lastIndexOf(u'/', end - 1);
        const QStringView parentPath = QStringView(name).left(slash + 1);
        int parent = Root;
        if (parentPath == lastPath) {
            parent = lastFolder;
        } else {
            // Each folder on the way, from the root down.
            for (qsizetype from = 0, next; (next = name.indexOf(u'/', from)) >= 0 && next <= slash; from = next + 1)
                parent = folderFor(name.left(next + 1), parent, QStringView(name).mid(from, next - from));
            lastPath = parentPath.toString();
            lastFolder = parent;
        }
        int home = parent;
        if (storedFolder) {
            home = folderFor(name, parent, QStringView(name).mid(slash + 1, end - slash - 1));
            // A folder stored twice keeps its first member; the second is
            // still counted under it.
            if (folders_[std::size_t(home)].entry < 0)
                folders_[std::size_t(home)].entry = int(i);
            else
                duplicateFolderEntries_.push_back(int(i));
        } else {
            folders_[std::size_t(parent)].files.push_back(int(i));
        }
        folderOfEntry_[i] = home;
        const ArchiveEntry &entry = entries[i];
        for (int f = home; f >= 0; f = folders_[std::size_t(f)].parent) {
            Folder &up = folders_[std::size_t(f)];
            ++up.members;
            if (entry.PackedSizeKnown) {
                up.packed += entry.TruePackedSize;
                up.packedKnown = true;
            }
            if (entry.UnpackedSizeKnown) {
                up.unpacked += entry.TrueUnpackedSize;
                up.unpackedKnown = true;
            }
            up.newestDosDateTime = std::max(up.newestDosDateTime, entry.DosDateTime());
        }
    }
    // The tree lists a folder's subfolders by name.
    for (Folder &folder : folders_)
        std::sort(folder.subfolders.begin(), folder.subfolders.end(), [this](int a, int b) {
            const QString &left = folders_[std::size_t(a)].name, &right = folders_[std::size_t(b)].name;
            const int order = left.compare(right, Qt::CaseInsensitive);
            return order != 0 ? order < 0 : left < right;
        });
}

int FolderIndex::find(const QString &path) const
{
    QString key = cleanedMemberPath(path);
    if (!key.isEmpty() && !key.endsWith(u'/'))
        key += u'/';
    return byPath_.value(key, -1);
}

std::vector<int> FolderIndex::membersUnder(int id) const
{
    std::vector<int> members;
    if (id == Root) {
        members.resize(folderOfEntry_.size());
        for (std::size_t i = 0; i < members.size(); ++i)
            members[i] = int(i);
        return members;
    }
    std::vector<int> pending{id};
    while (!pending.empty()) {
        const Folder &folder = folders_[std::size_t(pending.back())];
        pending.pop_back();
        members.insert(members.end(), folder.files.begin(), folder.files.end());
        if (folder.entry >= 0)
            members.push_back(folder.entry);
        pending.insert(pending.end(), folder.subfolders.begin(), folder.subfolders.end());
    }
    // A folder stored twice: its second member is found by its place.
    for (const int entry : duplicateFolderEntries_)
        if (isUnder(folderOfEntry_[std::size_t(entry)], id))
            members.push_back(entry);
    std::sort(members.begin(), members.end());
    members.erase(std::unique(members.begin(), members.end()), members.end());
    return members;
}

int FolderIndex::anyMemberUnder(int id) const
{
    for (int folder = id;;) {
        const Folder &here = folders_[std::size_t(folder)];
        if (here.entry >= 0)
            return here.entry;
        if (!here.files.empty())
            return here.files.front();
        // A folder exists only with a member below it.
        if (here.subfolders.empty())
            return -1;
        folder = here.subfolders.front();
    }
}

bool FolderIndex::isUnder(int folder, int ancestor) const
{
    for (int f = folder; f >= 0; f = folders_[std::size_t(f)].parent)
        if (f == ancestor)
            return true;
    return false;
}

QStringView FolderIndex::relativeView(int entry, int folder) const
{
    const QString &name = cleanNames_[std::size_t(entry)];
    const QString &base = folders_[std::size_t(folder)].path;
    return name.startsWith(base) ? QStringView(name).mid(base.size()) : QStringView(name);
}
