#include "controls/DirTree.h"

#include "controls/WaitCursor.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPalette>
#include <QShowEvent>
#include <QStyle>

namespace {

const int PathIndexRole = Qt::UserRole;
const QSize SmallIcon(16, 16);

}  // namespace

// Node updates inside a batch repaint once, when the outermost batch ends.
class TDirTree::BatchUpdate {
public:
    explicit BatchUpdate(TDirTree &tree) : tree_(tree)
    {
        if (tree_.batchDepth_++ == 0)
            tree_.setUpdatesEnabled(false);
    }
    ~BatchUpdate()
    {
        if (--tree_.batchDepth_ == 0)
            tree_.setUpdatesEnabled(true);
    }
    BatchUpdate(const BatchUpdate &) = delete;
    BatchUpdate &operator=(const BatchUpdate &) = delete;

private:
    TDirTree &tree_;
};

TDirTree::TDirTree(QWidget *parent) : QTreeWidget(parent), volumeSource_(platform::volumes)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Children appear in the order they are inserted: sorted ignoring case.
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(SmallIcon);
    // The selection stays visible when the tree loses the focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);

    rememberCurrentDirectory();

    // Direct connections: the subdirectories are read before the expanded
    // node is painted.
    connect(this, &QTreeWidget::itemExpanded, this, &TDirTree::nodeExpanded);
    connect(this, &QTreeWidget::itemCollapsed, this, &TDirTree::nodeCollapsed);
    // The selected node, not the current one, is the chosen directory: a
    // tree that gets the focus makes its first node current without
    // selecting it.
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] { selectionChangedTo(selectedNode()); });
}

TDirTree::~TDirTree()
{
    // No change may reach the owner while the nodes are torn down.
    ready_ = false;
    destroying_ = true;
    disconnect(this, nullptr, this, nullptr);
}

void TDirTree::setVolumeSource(VolumeSource source)
{
    volumeSource_ = std::move(source);
    rememberCurrentDirectory();
}

void TDirTree::rememberCurrentDirectory()
{
    QStringList roots;
    for (const platform::Volume &volume : volumeSource_())
        roots.append(dirtree::withSlash(volume.rootPath));
    const QString current = QDir::currentPath();
    const QString root = dirtree::volumeRootOf(roots, current);
    if (!root.isEmpty() && !driveDirs_.remembers(root))
        driveDirs_.set(root, current);
}

void TDirTree::showEvent(QShowEvent *event)
{
    QTreeWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!shownOnce_) {
        shownOnce_ = true;
        if (readOnStart_)
            ReadDrives();
    } else if (ready_) {
        // Hidden, the tree heard nothing of what changed on the disk.
        Refresh();
    }
}

QItemSelectionModel::SelectionFlags TDirTree::selectionCommand(const QModelIndex &index, const QEvent *) const
{
    return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
}

// ---- Reading ----

bool TDirTree::DoAddDir(const QString &path)
{
    if (!OnAddDir)
        return true;
    bool add = true;
    OnAddDir(*this, path, add);
    return add;
}

dirtree::AcceptDirectory TDirTree::acceptor()
{
    if (!OnAddDir)
        return {};
    return [this](const QString &path) { return DoAddDir(path); };
}

int TDirTree::entryIndex(const QTreeWidgetItem *node)
{
    const QVariant data = node ? node->data(0, PathIndexRole) : QVariant();
    return data.isValid() ? data.toInt() : -1;
}

QString TDirTree::pathOf(const QTreeWidgetItem *node) const
{
    return pathList_.path(entryIndex(node));
}

QIcon TDirTree::directoryIcon(const QString &path)
{
    // Open and closed folder; the selected node shows the open one.
    const QIcon closed = iconProvider_.icon(QFileInfo(path));
    auto known = folderIcons_.constFind(closed.cacheKey());
    if (known != folderIcons_.cend())
        return *known;
    const QIcon open = QIcon::fromTheme(QStringLiteral("folder-open"), style()->standardIcon(QStyle::SP_DirOpenIcon));
    QIcon both;
    both.addPixmap(closed.pixmap(SmallIcon), QIcon::Normal);
    both.addPixmap(open.pixmap(SmallIcon), QIcon::Selected);
    folderIcons_.insert(closed.cacheKey(), both);
    return both;
}

QTreeWidgetItem *TDirTree::AddDriveNode(const QString &root, const QString &displayName)
{
    auto *node = new QTreeWidgetItem(this, QStringList{displayName});
    node->setData(0, PathIndexRole, pathList_.append(root));
    node->setIcon(0, iconProvider_.icon(QAbstractFileIconProvider::Drive));
    roots_.append(root);
    return node;
}

QTreeWidgetItem *TDirTree::AddDirNode(QTreeWidgetItem *parent, const QString &path, const QString &name, int row)
{
    if (!parent)
        return nullptr;
    const QString full = dirtree::withSlash(path);
    auto *node = new QTreeWidgetItem(QStringList{name});
    parent->insertChild(row < 0 ? parent->childCount() : row, node);
    node->setData(0, PathIndexRole, pathList_.append(full));
    node->setIcon(0, directoryIcon(full));
    return node;
}

void TDirTree::AddPlaceholder(QTreeWidgetItem *node)
{
    const int index = entryIndex(node);
    if (!pathList_.contains(index) || pathList_.isRead(index))
        return;
    // It only gives the volume its expand button; expanding reads the volume
    // before the placeholder could be painted.
    if (dirtree::hasSubdirectory(pathList_.path(index), acceptor()))
        new QTreeWidgetItem(node, QStringList{QStringLiteral(" ")});
}

void TDirTree::ReadSubDirs(QTreeWidgetItem *node)
{
    const int index = entryIndex(node);
    if (!pathList_.contains(index) || pathList_.isRead(index))
        return;
    qDeleteAll(node->takeChildren());  // a volume's placeholder
    pathList_.markRead(index);
    const QString path = pathList_.path(index);
    // A link back up the tree is shown but not entered: no expand button.
    if (dirtree::revisitsAncestor(path))
        return;
    for (const QString &name : dirtree::readSubdirectories(path, acceptor()))
        AddDirNode(node, path + name, name);
}

void TDirTree::ReadGrandChildren(QTreeWidgetItem *node)
{
    if (!node)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        readAhead(node->child(i));
}

void TDirTree::readAhead(QTreeWidgetItem *child)
{
    // The kernel's trees are large and some of their files block when
    // read: such a node gets its expand button unread, and is read when
    // opened (an empty one then loses the button).
    const int index = entryIndex(child);
    if (dirtree::readOnlyWhenOpened(pathList_.path(index))) {
        if (!pathList_.isRead(index) && child->childCount() == 0)
            new QTreeWidgetItem(child, QStringList{QStringLiteral(" ")});
        return;
    }
    ReadSubDirs(child);
}

void TDirTree::Refresh()
{
    WaitCursor wait;
    BatchUpdate batch(*this);
    for (int i = 0; i < topLevelItemCount(); ++i)
        refreshNode(topLevelItem(i));
}

void TDirTree::refreshNode(QTreeWidgetItem *node)
{
    const int index = entryIndex(node);
    if (!pathList_.contains(index))
        return;
    if (!pathList_.isRead(index)) {
        // An unread volume's placeholder says whether it has subdirectories.
        if (!node->parent()) {
            qDeleteAll(node->takeChildren());
            AddPlaceholder(node);
        }
        return;
    }
    const QString path = pathList_.path(index);
    if (dirtree::revisitsAncestor(path))
        return;
    QStringList wanted;
    for (const QString &name : dirtree::readSubdirectories(path, acceptor()))
        wanted.append(path + name + QLatin1Char('/'));
    // The nodes of folders that are gone, from the last up.
    for (int i = node->childCount() - 1; i >= 0; --i) {
        if (wanted.contains(pathOf(node->child(i))))
            continue;
        for (const QTreeWidgetItem *above = selectedNode(); above; above = above->parent())
            if (above == node->child(i)) {
                setCurrentItem(node);
                break;
            }
        delete node->takeChild(i);
    }
    // The nodes left are in the order of the names read, so a new folder goes
    // where the first node that does not match it stands.
    for (int i = 0; i < wanted.size(); ++i) {
        if (i < node->childCount() && pathOf(node->child(i)) == wanted[i])
            continue;
        QTreeWidgetItem *added = AddDirNode(node, wanted[i], wanted[i].mid(path.size()).chopped(1), i);
        if (node->isExpanded())
            readAhead(added);
    }
    for (int i = 0; i < node->childCount(); ++i)
        refreshNode(node->child(i));
}

void TDirTree::ReadDrives()
{
    ready_ = false;
    WaitCursor wait;
    BatchUpdate batch(*this);
    pathList_.clear();
    roots_.clear();
    clear();
    for (const platform::Volume &volume : volumeSource_()) {
        const QString root = dirtree::withSlash(volume.rootPath);
        // One node per root: the walk from a volume needs to know which.
        if (root.isEmpty() || roots_.contains(root))
            continue;
        if (!DoAddDir(root))
            continue;
        AddPlaceholder(AddDriveNode(root, volume.displayName.isEmpty() ? volume.rootPath : volume.displayName));
    }
    ready_ = true;
}

// ---- Hooks ----

void TDirTree::nodeExpanded(QTreeWidgetItem *node)
{
    {
        WaitCursor wait;
        BatchUpdate batch(*this);
        ReadSubDirs(node);
        ReadGrandChildren(node);
    }
    bool allow = true;
    if (OnExpanding)
        OnExpanding(*this, node, allow);
    if (!allow)
        node->setExpanded(false);
}

void TDirTree::nodeCollapsed(QTreeWidgetItem *node)
{
    // The selection never hides inside a folded branch: it moves up to the
    // folded node, which is the directory a user then sees chosen.
    QTreeWidgetItem *selected = selectedNode();
    for (QTreeWidgetItem *above = selected ? selected->parent() : nullptr; above; above = above->parent())
        if (above == node) {
            setCurrentItem(node);
            return;
        }
}

void TDirTree::selectionChangedTo(QTreeWidgetItem *node)
{
    if (destroying_ || !ready_)
        return;
    const int index = entryIndex(node);
    if (pathList_.contains(index)) {
        const QString path = pathList_.path(index);
        const QString root = dirtree::volumeRootOf(roots_, path);
        if (!root.isEmpty())
            driveDirs_.set(root, path);
    }
    if (OnChange)
        OnChange(*this, node);
}

// ---- Selection ----

QTreeWidgetItem *TDirTree::selectedNode() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

QString TDirTree::SelectedPath() const
{
    const int index = entryIndex(selectedNode());
    return pathList_.contains(index) ? pathList_.path(index) : NoPath;
}

QTreeWidgetItem *TDirTree::childWithPath(QTreeWidgetItem *parent, const QString &path) const
{
    const int count = parent ? parent->childCount() : topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem *node = parent ? parent->child(i) : topLevelItem(i);
        if (pathOf(node) == path)
            return node;
    }
    return nullptr;
}

void TDirTree::SelectPath(const QString &requested)
{
    const QString path = dirtree::withSlash(requested);
    if (path == SelectedPath())
        return;
    // A volume's root is taken without asking the disk (a drive without its
    // medium); anything else must be a directory.
    if (!roots_.contains(path) && !QFileInfo(path).isDir())
        return;
    const QStringList levels = dirtree::levelsBelow(dirtree::volumeRootOf(roots_, path), path);
    if (levels.isEmpty())
        return;

    WaitCursor wait;
    BatchUpdate batch(*this);
    QTreeWidgetItem *found = nullptr;
    for (const QString &level : levels) {
        // Looked up by path, not caption, within the level above; a
        // directory made after its parent was read is not there.
        QTreeWidgetItem *node = childWithPath(found, level);
        if (!node)
            return;
        ReadSubDirs(node);
        found = node;
    }
    // Opening the ancestors top down reads one level ahead of each.
    QList<QTreeWidgetItem *> ancestors;
    for (QTreeWidgetItem *above = found->parent(); above; above = above->parent())
        ancestors.prepend(above);
    for (QTreeWidgetItem *above : ancestors)
        above->setExpanded(true);
    setCurrentItem(found);
    scrollToItem(found, QAbstractItemView::PositionAtTop);
}

void TDirTree::SelectDrive(const QString &root)
{
    const QString key = dirtree::withSlash(root);
    if (dirtree::volumeRootOf(roots_, SelectedPath()) == key)
        return;
    QString dir = driveDirs_.dir(key);
    if (!QFileInfo(dir).isDir())
        dir = key;
    SelectPath(dir);
}

void TDirTree::Reload()
{
    const QString old = SelectedPath();
    ReadDrives();
    SelectPath(old);
    if (topLevelItemCount() > 0 && !selectedNode())
        SelectPath(dirtree::volumeRootOf(roots_, old));
    if (topLevelItemCount() > 0 && !selectedNode()) {
        QTreeWidgetItem *first = topLevelItem(0);
        const QString remembered = driveDirs_.dir(pathOf(first));
        SelectPath(remembered);
        if (SelectedPath() != remembered)
            setCurrentItem(first);  // the change hook runs for it
    }
}
