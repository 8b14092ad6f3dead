#include "app/FolderTreeModel.h"

#include "app/FolderIndex.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>

FolderTreeModel::FolderTreeModel(QObject *parent)
    : QAbstractItemModel(parent),
      folderIcon_(QIcon::fromTheme(QStringLiteral("folder"), QApplication::style()->standardIcon(QStyle::SP_DirIcon)))
{
}

void FolderTreeModel::setFolders(const FolderIndex *folders, const QString &archiveName)
{
    beginResetModel();
    folders_ = folders;
    archiveName_ = archiveName;
    endResetModel();
}

int FolderTreeModel::folderOf(const QModelIndex &index)
{
    return index.isValid() ? int(index.internalId()) : -1;
}

QModelIndex FolderTreeModel::indexOfFolder(int folder) const
{
    if (!folders_ || folder < 0 || folder >= folders_->folderCount())
        return {};
    const int parent = folders_->folder(folder).parent;
    if (parent < 0)
        return createIndex(0, 0, quintptr(folder));
    const std::vector<int> &siblings = folders_->folder(parent).subfolders;
    const auto at = std::find(siblings.begin(), siblings.end(), folder);
    return createIndex(int(at - siblings.begin()), 0, quintptr(folder));
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!folders_ || column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? createIndex(0, 0, quintptr(FolderIndex::Root)) : QModelIndex();
    const std::vector<int> &children = folders_->folder(folderOf(parent)).subfolders;
    return row < int(children.size()) ? createIndex(row, 0, quintptr(children[std::size_t(row)])) : QModelIndex();
}

QModelIndex FolderTreeModel::parent(const QModelIndex &child) const
{
    if (!folders_ || !child.isValid())
        return {};
    return indexOfFolder(folders_->folder(folderOf(child)).parent);
}

int FolderTreeModel::rowCount(const QModelIndex &parent) const
{
    if (!folders_)
        return 0;
    if (!parent.isValid())
        return 1;
    return int(folders_->folder(folderOf(parent)).subfolders.size());
}

int FolderTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant FolderTreeModel::data(const QModelIndex &index, int role) const
{
    if (!folders_ || !index.isValid())
        return {};
    const int folder = folderOf(index);
    switch (role) {
    case Qt::DisplayRole: return folder == FolderIndex::Root ? archiveName_ : folders_->folder(folder).name;
    case Qt::DecorationRole: return folderIcon_;
    case Qt::ToolTipRole: return folder == FolderIndex::Root ? archiveName_ : folders_->folder(folder).path;
    default: return {};
    }
}
