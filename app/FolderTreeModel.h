#pragma once
// The archive's folders as a tree for the view beside the listing: the
// archive itself at the top, each folder's subfolders below it by name.

#include <QAbstractItemModel>
#include <QIcon>

class FolderIndex;

class FolderTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit FolderTreeModel(QObject *parent = nullptr);

    // Shows `folders` (which must stay while shown) under the archive's
    // name; null shows nothing.
    void setFolders(const FolderIndex *folders, const QString &archiveName);
    QModelIndex indexOfFolder(int folder) const;
    static int folderOf(const QModelIndex &index);

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const FolderIndex *folders_ = nullptr;
    QString archiveName_;
    QIcon folderIcon_;
};
