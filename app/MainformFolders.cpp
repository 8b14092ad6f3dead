#include "app/Mainform.h"

// The listing as folders and its filter: the folder tree beside the grid,
// the place bar (back, forward, up, the path), the filter field, and moving
// between folders with the keys a file manager uses.

#include "app/FolderTreeModel.h"
#include "app/GridSelection.h"
#include "controls/SortableGrid.h"
#include "platform/Palette.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QScopedValueRollback>
#include <QSettings>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const char *const AsFoldersKey = "listing/asFolders";
// Beyond this many chosen rows a refill starts afresh: finding each again
// would cost more than the choice is worth.
constexpr std::size_t MostRowsKept = 20000;

QIcon themeIcon(const char *name, QStyle::StandardPixmap fallback, const QStyle *style)
{
    return QIcon::fromTheme(QString::fromLatin1(name), style->standardIcon(fallback));
}

}  // namespace

QWidget *TMainform::buildListingArea(QWidget *parent)
{
    auto *area = new QWidget(parent);
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The place bar: where the user is among the folders, and the ways out.
    placeBar_ = new QWidget(area);
    placeBar_->setObjectName(QStringLiteral("placeBar"));
    auto *place = new QHBoxLayout(placeBar_);
    place->setContentsMargins(2, 1, 2, 1);
    place->setSpacing(1);
    auto addPlaceButton = [&](const char *name, QAction *action) {
        auto *button = new QToolButton(placeBar_);
        button->setObjectName(QString::fromLatin1(name));
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);  // their keys reach them from anywhere
        place->addWidget(button);
    };
    addPlaceButton("backButton", goBackAction_);
    addPlaceButton("forwardButton", goForwardAction_);
    addPlaceButton("upButton", goUpAction_);
    pathLine_ = new QLineEdit(placeBar_);
    pathLine_->setObjectName(QStringLiteral("folderPathLine"));
    //: The path field above the listing: the folder inside the archive that is shown.
    pathLine_->setAccessibleName(tr("Folder"));
    pathLine_->setToolTip(tr("The folder shown; type a folder's path and press Enter to go there"));
    place->addWidget(pathLine_, 1);
    connect(pathLine_, &QLineEdit::returnPressed, this, [this] { goToTypedPath(); });
    layout->addWidget(placeBar_);

    // The filter field, shown by Ctrl+F.
    filterBar_ = new QWidget(area);
    filterBar_->setObjectName(QStringLiteral("filterBar"));
    auto *filter = new QHBoxLayout(filterBar_);
    filter->setContentsMargins(2, 1, 2, 1);
    auto *label = new QLabel(tr("&Filter:"), filterBar_);
    filterField_ = new QLineEdit(filterBar_);
    filterField_->setObjectName(QStringLiteral("filterField"));
    filterField_->setAccessibleName(tr("Filter"));
    //: Placeholder of the filter field; * and ? are typed as they are.
    filterField_->setPlaceholderText(tr("part of a name; * and ? as wildcards"));
    filterField_->setClearButtonEnabled(true);
    filterField_->installEventFilter(this);
    label->setBuddy(filterField_);
    filter->addWidget(label);
    filter->addWidget(filterField_, 1);
    connect(filterField_, &QLineEdit::textChanged, this, [this](const QString &text) { filterChanged(text); });
    filterBar_->hide();
    layout->addWidget(filterBar_);

    listingSplit_ = new QSplitter(Qt::Horizontal, area);
    listingSplit_->setObjectName(QStringLiteral("listingSplit"));
    listingSplit_->setChildrenCollapsible(false);
    folderTree_ = new QTreeView(listingSplit_);
    folderTree_->setObjectName(QStringLiteral("folderTree"));
    //: The tree of the archive's folders.
    folderTree_->setAccessibleName(tr("Folders"));
    folderTree_->setHeaderHidden(true);
    // Deep trees stay readable in a narrow pane: little indentation, and the
    // pane scrolls sideways rather than cutting names.
    folderTree_->setIndentation(12);
    folderTree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    folderTree_->header()->setStretchLastSection(false);
    folderTree_->setUniformRowHeights(true);
    folderTree_->setFont(platform::uiFont(11));
    folderTreeModel_ = new FolderTreeModel(folderTree_);
    folderTree_->setModel(folderTreeModel_);
    // Backspace goes up from the tree as from the grid.
    folderTree_->installEventFilter(this);
    connect(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                // Not a command: the keys stay in the tree as the user walks it.
                if (!followingListing_ && !session_.operationRunning())
                    guarded([this, folder = FolderTreeModel::folderOf(current)] { enterFolder(folder); });
            });
    listingGrid = new TSortableGrid(listingSplit_);
    listingGrid->setObjectName(QStringLiteral("listingGrid"));
    //: The listing of the archive's members.
    listingGrid->setAccessibleName(tr("Members"));
    listingSplit_->addWidget(folderTree_);
    listingSplit_->addWidget(listingGrid);
    listingSplit_->setStretchFactor(1, 1);
    listingSplit_->setSizes({130, 320});
    layout->addWidget(listingSplit_, 1);
    return area;
}

void TMainform::buildFolderActions()
{
    auto make = [this](const char *name, const QString &caption, const QKeySequence &key, const QIcon &icon,
                       void (TMainform::*handler)()) {
        auto *action = new QAction(icon, caption, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        //: A command's tooltip: %1 is its name, %2 its key.
        action->setToolTip(tr("%1 (%2)").arg(action->text().remove(u'&'), key.toString(QKeySequence::NativeText)));
        connect(action, &QAction::triggered, this, handler);
        addAction(action);  // the window's: the keys work with the menu bar closed
        return action;
    };
    goBackAction_ = make("goBackAction", tr("&Back"), QKeySequence(Qt::ALT | Qt::Key_Left),
                         themeIcon("go-previous", QStyle::SP_ArrowBack, style()), &TMainform::goBackCommand);
    goForwardAction_ = make("goForwardAction", tr("&Forward"), QKeySequence(Qt::ALT | Qt::Key_Right),
                            themeIcon("go-next", QStyle::SP_ArrowForward, style()), &TMainform::goForwardCommand);
    goUpAction_ = make("goUpAction", tr("&Up one folder"), QKeySequence(Qt::ALT | Qt::Key_Up),
                       themeIcon("go-up", QStyle::SP_FileDialogToParent, style()), &TMainform::goUpCommand);
    filterAction_ = make("filterAction", tr("F&ilter…"), QKeySequence::Find, QIcon(), &TMainform::filterCommand);
}

void TMainform::addFolderItemsToViewMenu(QMenu *view)
{
    // Before the listing exists: the choice is read when the window is made.
    const bool asFolders = settings_->value(QLatin1String(AsFoldersKey)).toBool();
    foldersViewAction_ = view->addAction(tr("As f&olders"));
    foldersViewAction_->setObjectName(QStringLiteral("foldersViewAction"));
    flatViewAction_ = view->addAction(tr("As a f&lat list"));
    flatViewAction_->setObjectName(QStringLiteral("flatViewAction"));
    auto *group = new QActionGroup(view);
    for (QAction *action : {foldersViewAction_, flatViewAction_}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    (asFolders ? foldersViewAction_ : flatViewAction_)->setChecked(true);
    connect(foldersViewAction_, &QAction::toggled, this, &TMainform::foldersViewToggled);
    view->addSeparator();
    view->addAction(goBackAction_);
    view->addAction(goForwardAction_);
    view->addAction(goUpAction_);
    view->addAction(filterAction_);
    view->addSeparator();
}

void TMainform::applyStoredView()
{
    listing_.showFolders(foldersViewAction_->isChecked(), session_.engine.EntryList());
    ++listingReading_;
    showFolderPlace();
}

void TMainform::foldersViewToggled(bool asFolders)
{
    settings_->setValue(QLatin1String(AsFoldersKey), asFolders);
    command([this, asFolders] {
        const KeptRows kept = keptRows();
        listing_.showFolders(asFolders, session_.engine.EntryList());
        ++listingReading_;
        showListingRows(kept);
    });
}

void TMainform::showFolderPlace()
{
    const bool asFolders = listing_.foldersShown();
    placeBar_->setVisible(asFolders);
    folderTree_->setVisible(asFolders);
    goBackAction_->setEnabled(asFolders && listing_.canGoBack());
    goForwardAction_->setEnabled(asFolders && listing_.canGoForward());
    goUpAction_->setEnabled(asFolders && listing_.currentFolder() != FolderIndex::Root);
    pathLine_->setText(u'/' + listing_.currentPath());
    session_.shownFolder = shownFolderAsStored();
    listingGrid->SortsFirst = asFolders ? [](const TSortableGrid *grid,
                                             int row) { return GridSelection::folderOfTag(grid->Objects(0, row)) >= 0; }
                                        : std::function<bool(const TSortableGrid *, int)>();
    if (!asFolders) {
        folderTreeModel_->setFolders(nullptr, QString());
        return;
    }
    // The tree shows the folders of this reading, at the folder shown.
    QScopedValueRollback<bool> following(followingListing_, true);
    if (treeShowsReading_ != listingReading_) {
        folderTreeModel_->setFolders(&listing_.folders(), QFileInfo(session_.archivePath()).fileName());
        treeShowsReading_ = listingReading_;
        folderTree_->expand(folderTreeModel_->indexOfFolder(FolderIndex::Root));
    }
    const QModelIndex current = folderTreeModel_->indexOfFolder(listing_.currentFolder());
    folderTree_->setCurrentIndex(current);
    folderTree_->scrollTo(current);
}

std::string TMainform::shownFolderAsStored() const
{
    const int folder = listing_.currentFolder();
    if (folder == FolderIndex::Root)
        return std::string();
    const int member = listing_.folders().anyMemberUnder(folder);
    if (member < 0 || member >= session_.engine.EntryCount())
        return std::string();
    return ArchiveSession::storedFolderOf(session_.engine.Entries(member).FileName,
                                          listing_.folders().folder(folder).depth);
}

void TMainform::enterFolder(int folder)
{
    if (listing_.enter(folder))
        showListingRows({});
}

void TMainform::goUpCommand()
{
    command([this] {
        // The folder left is the row the user is at, as in a file manager.
        const QString left = listing_.currentPath();
        KeptRows kept;
        kept.names.insert(left);
        kept.current = left;
        if (listing_.goUp())
            showListingRows(kept);
    });
}

void TMainform::goBackCommand()
{
    command([this] {
        if (listing_.goBack())
            showListingRows({});
    });
}

void TMainform::goForwardCommand()
{
    command([this] {
        if (listing_.goForward())
            showListingRows({});
    });
}

void TMainform::goToTypedPath()
{
    command([this] {
        const QString typed = pathLine_->text();
        if (listing_.enterPath(typed)) {
            showListingRows({});
            focusListing();
            return;
        }
        pathLine_->setText(u'/' + listing_.currentPath());
        platform::warningBox(this, tr("There is no folder %1 in this archive.").arg(typed));
    });
}

bool TMainform::enterCurrentFolderRow()
{
    if (!listing_.foldersShown())
        return false;
    const int folder = GridSelection::folderOfTag(listingGrid->Objects(0, listingGrid->Row()));
    if (folder < 0)
        return false;
    enterFolder(folder);
    return true;
}

void TMainform::filterCommand()
{
    filterBar_->show();
    filterField_->setFocus(Qt::ShortcutFocusReason);
    filterField_->selectAll();
}

void TMainform::filterChanged(const QString &text)
{
    if (session_.operationRunning())
        return;
    const KeptRows kept = keptRows();
    if (!listing_.setFilter(text))
        return showListingRows(kept);
    // Typed further: the rows shown are thinned where they stand, in the
    // order the user chose, with nothing sorted again.
    listingGrid->RetainDataRows([this](void *tag) {
        return listing_.keeps({GridSelection::folderOfTag(tag), GridSelection::entryOfTag(tag)});
    });
    showShownCount(listingGrid->RowCount() - listingGrid->FixedRows());
    chooseKeptRows(kept);
    showSelectionTotals();
}

void TMainform::clearFilter()
{
    filterField_->clear();
    filterBar_->hide();
    listingGrid->setFocus(Qt::OtherFocusReason);
}

void TMainform::showShownCount(int shownMembers)
{
    const bool filtered = !listing_.filter().isEmpty();
    if (filtered)
        //: Status bar while the listing is filtered: %1 members of %Ln match.
        shownCountPanel_->setText(
            tr("%1 of %Ln members shown", nullptr, listing_.fileCount()).arg(QLocale().toString(shownMembers)));
    shownCountPanel_->setVisible(filtered);
}

TMainform::KeptRows TMainform::keptRows() const
{
    KeptRows kept;
    const std::vector<int> rows = [this] {
        std::vector<int> chosen;
        for (const QItemSelectionRange &range : listingGrid->selectionModel()->selection())
            for (int row = range.top(); row <= range.bottom() && chosen.size() <= MostRowsKept; ++row)
                chosen.push_back(row + listingGrid->FixedRows());
        return chosen;
    }();
    if (rows.size() > MostRowsKept)
        return kept;
    kept.reading = listingReading_;
    for (const int row : rows) {
        kept.names.insert(selection_->rowAt(row).text);
        kept.tags.insert(listingGrid->Objects(0, row));
    }
    if (listingGrid->RowCount() > listingGrid->FixedRows()) {
        kept.current = selection_->rowAt(listingGrid->Row()).text;
        kept.currentTag = listingGrid->Objects(0, listingGrid->Row());
    }
    return kept;
}

void TMainform::chooseKeptRows(const KeptRows &kept)
{
    if (kept.names.isEmpty() && kept.current.isEmpty())
        return;
    const int first = listingGrid->FixedRows();
    QItemSelection chosen;
    int current = -1;
    // Within one reading a row's tag names it; after a re-read only its name does.
    const bool sameReading = kept.reading == listingReading_;
    for (int row = first; row < listingGrid->RowCount(); ++row) {
        void *tag = listingGrid->Objects(0, row);
        const QString name = sameReading ? QString() : selection_->rowAt(row).text;
        if (sameReading ? kept.tags.contains(tag) : kept.names.contains(name)) {
            const QModelIndex left = listingGrid->model()->index(row - first, 0);
            chosen.merge(QItemSelection(left, left.siblingAtColumn(listingGrid->ColCount() - 1)),
                         QItemSelectionModel::Select);
        }
        if (sameReading ? tag == kept.currentTag : name == kept.current)
            current = row;
    }
    if (current >= 0)
        listingGrid->GoToCell(0, current);
    if (!chosen.isEmpty())
        listingGrid->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
}

bool TMainform::folderKeyPressed(QObject *watched, QKeyEvent *event)
{
    if (watched == filterField_) {
        if (event->key() == Qt::Key_Escape) {
            clearFilter();
            return true;
        }
        // Down goes on to the rows, as in a file manager's filter.
        if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            listingGrid->setFocus(Qt::OtherFocusReason);
            return true;
        }
        return false;
    }
    if (watched != listingGrid && watched != folderTree_)
        return false;
    if (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier && listing_.foldersShown()) {
        goUpCommand();
        return true;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !listing_.filter().isEmpty()) {
        clearFilter();
        return true;
    }
    return false;
}
