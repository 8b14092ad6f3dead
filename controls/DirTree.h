#pragma once
// A tree of the volumes and, below them, their directories, for choosing a
// directory. The file system is read lazily, one level ahead of what the user
// has opened, so that every visible node shows an expand button exactly when
// it has subdirectories. A node's path comes from the tree's own list of
// paths, never from its caption.

#include "controls/DirTreeLogic.h"
#include "platform/Volumes.h"

#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QTreeWidget>
#include <functional>

class TDirTree;

// Asked before each volume and subdirectory goes into the tree, and when a
// volume is probed for subdirectories. `Filename` is the full path with a
// trailing '/'; `DoAdd` arrives true, and false leaves that directory and
// everything below it out.
using taddfileevent = std::function<void(TDirTree &sender, const QString &Filename, bool &DoAdd)>;

class TDirTree : public QTreeWidget {
    Q_OBJECT
public:
    using VolumeSource = std::function<QList<platform::Volume>()>;

    // What SelectedPath() answers when no directory is selected.
    static inline const QString NoPath = QStringLiteral("?");

    explicit TDirTree(QWidget *parent = nullptr);
    ~TDirTree() override;

    // Where the top-level nodes come from (the mounted volumes by default).
    // Takes effect at the next rebuild; the current directory is remembered
    // on its volume unless another directory is already.
    void setVolumeSource(VolumeSource source);
    QList<platform::Volume> volumes() const { return volumeSource_(); }

    // When true, the volumes are read when the tree is first shown. Every
    // later showing refreshes the tree (Refresh()).
    bool ReadOnStart() const { return readOnStart_; }
    void setReadOnStart(bool value) { readOnStart_ = value; }
    // False until the volumes have been read; no change is reported before.
    bool Ready() const { return ready_; }

    taddfileevent OnAddDir;
    // Raised when a node expands, after its subdirectories have been read;
    // clearing `AllowExpansion` folds it up again before it is painted.
    std::function<void(TDirTree &sender, QTreeWidgetItem *node, bool &AllowExpansion)> OnExpanding;
    // Raised after the selection has changed (also to no node), once the tree
    // is ready.
    std::function<void(TDirTree &sender, QTreeWidgetItem *node)> OnChange;

    const TPathList &PathList() const { return pathList_; }
    // The directory last selected on the volume with root `root` (ending in '/').
    QString DriveDirs(const QString &root) const { return driveDirs_.dir(root); }
    // The path of a volume or directory node; empty for the placeholder.
    QString pathOf(const QTreeWidgetItem *node) const;
    // The node of the selected directory, if any.
    QTreeWidgetItem *selectedNode() const;

    // The selected node's path with a trailing '/'; NoPath when none.
    QString SelectedPath() const;
    // Selects the node of a directory, reading the levels on the way; does
    // nothing when the directory is not in the tree.
    void SelectPath(const QString &path);
    // Jumps to the directory last selected on the volume with root `root`, or
    // to the root itself when that directory is gone.
    void SelectDrive(const QString &root);
    // Rebuilds the tree and brings the selection back as well as it can.
    void Reload();
    // Rebuilds the tree from the volumes, with no node selected.
    void ReadDrives();
    // Reads every directory that was read again, so that folders other
    // programs made or removed since show up; the nodes still there keep
    // their expansion and the selection. A selected folder that is gone
    // gives way to the nearest one above it.
    void Refresh();

protected:
    void showEvent(QShowEvent *event) override;
    // A click never leaves the tree without a selected node.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index, const QEvent *event) const override;

private:
    class BatchUpdate;

    bool DoAddDir(const QString &path);
    dirtree::AcceptDirectory acceptor();
    QTreeWidgetItem *AddDriveNode(const QString &root, const QString &displayName);
    // Adds the node as the last child, or at `row`.
    QTreeWidgetItem *AddDirNode(QTreeWidgetItem *parent, const QString &path, const QString &name, int row = -1);
    void AddPlaceholder(QTreeWidgetItem *node);
    void ReadSubDirs(QTreeWidgetItem *node);
    void ReadGrandChildren(QTreeWidgetItem *node);
    // Reads the subdirectories of a child of an expanded node.
    void readAhead(QTreeWidgetItem *child);
    void refreshNode(QTreeWidgetItem *node);
    static int entryIndex(const QTreeWidgetItem *node);
    // The node with `path` among the top-level nodes (parent null) or the
    // children of `parent`.
    QTreeWidgetItem *childWithPath(QTreeWidgetItem *parent, const QString &path) const;
    QIcon directoryIcon(const QString &path);
    void rememberCurrentDirectory();

    void nodeExpanded(QTreeWidgetItem *node);
    void nodeCollapsed(QTreeWidgetItem *node);
    void selectionChangedTo(QTreeWidgetItem *node);

    VolumeSource volumeSource_;
    TPathList pathList_;
    RememberedDirs driveDirs_;
    QStringList roots_;  // of the top-level nodes, in their order
    bool readOnStart_ = false;
    bool ready_ = false;
    bool destroying_ = false;
    bool shownOnce_ = false;
    int batchDepth_ = 0;
    QFileIconProvider iconProvider_;
    QHash<qint64, QIcon> folderIcons_;  // by the provider icon's cache key
};
