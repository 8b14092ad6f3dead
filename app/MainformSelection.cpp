#include "app/Mainform.h"

// The listing's own commands: choosing rows, copying their names, the
// rows' context menu, the totals in the status bar and the Ratio column.

#include "app/ExtractCommand.h"
#include "app/GridSelection.h"
#include "app/ListingSummary.h"
#include "app/TestCommand.h"
#include "controls/SortableGrid.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSettings>

namespace {

const char *const RatioColumnKey = "listing/ratioColumn";

// The context menu's items, in order; null names a separator. Each is the
// main menu's own action where there is one, so that both are on and off
// together.
const char *const ListingMenuItems[] = {
    "openWithDefaultAction", "openWithAction",      "editAction",   nullptr, "extractSelectedAction",
    "testSelectedAction",    "deleteMembersAction", "renameAction", nullptr, "copyNamesAction",
    "propertiesAction",
};

}  // namespace

void TMainform::selectAllCommand()
{
    command([this] { listingGrid->selectAll(); });
}

void TMainform::invertSelectionCommand()
{
    command([this] {
        QItemSelectionModel *chosen = listingGrid->selectionModel();
        QAbstractItemModel *rows = listingGrid->model();
        if (rows->rowCount() == 0 || rows->columnCount() == 0)
            return;
        const QItemSelection all(rows->index(0, 0), rows->index(rows->rowCount() - 1, rows->columnCount() - 1));
        chosen->select(all, QItemSelectionModel::Toggle);
    });
}

void TMainform::copyNamesCommand()
{
    // Names as the rows show them, one a line, as a file manager copies them.
    QStringList names;
    for (const ListedRow &row : selection_->selectedRows())
        if (row.entryIndex >= 0 || row.folder)
            names << row.text;
    if (!names.isEmpty())
        QGuiApplication::clipboard()->setText(names.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TMainform::extractSelectedCommand()
{
    command([this] {
        if (extractDialog_)
            runExtractCommand(session_, this, *extractDialog_, true);
    });
}

void TMainform::testSelectedCommand()
{
    command([this] { runTestCommand(session_, this, TestScope::Selection); });
}

void TMainform::buildListingMenu()
{
    auto addOwn = [this](const char *objectName, const QString &caption, void (TMainform::*handler)()) {
        auto *action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(objectName));
        connect(action, &QAction::triggered, this, handler);
    };
    addOwn("extractSelectedAction", tr("E&xtract selected…"), &TMainform::extractSelectedCommand);
    addOwn("testSelectedAction", tr("&Test selected"), &TMainform::testSelectedCommand);

    listingMenu_ = new QMenu(this);
    listingMenu_->setObjectName(QStringLiteral("listingMenu"));
    for (const char *name : ListingMenuItems) {
        if (!name) {
            listingMenu_->addSeparator();
        } else if (QAction *action = menuAction(QString::fromLatin1(name))) {
            listingMenu_->addAction(action);
        }
    }

    // The keyboard's ways to the menu, on the listing only.
    auto *fromKeys = new QAction(listingGrid);
    fromKeys->setObjectName(QStringLiteral("listingMenuKeysAction"));
    fromKeys->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    fromKeys->setShortcutContext(Qt::WidgetShortcut);
    listingGrid->addAction(fromKeys);
    connect(fromKeys, &QAction::triggered, this, &TMainform::showListingMenuFromKeyboard);
    // The mouse's: on the rows only; a right click on a title sorts.
    listingGrid->viewport()->installEventFilter(this);
    listingGrid->installEventFilter(this);
}

bool TMainform::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && folderKeyPressed(watched, static_cast<QKeyEvent *>(event)))
        return true;
    if (event->type() == QEvent::ContextMenu && (watched == listingGrid || watched == listingGrid->viewport())) {
        const auto *request = static_cast<QContextMenuEvent *>(event);
        if (request->reason() != QContextMenuEvent::Mouse) {
            showListingMenuFromKeyboard();
            return true;
        }
        if (watched != listingGrid->viewport() || listingGrid->BrowseOnly())
            return true;
        const QModelIndex row = listingGrid->indexAt(request->pos());
        if (!row.isValid())
            return true;
        // A click on a row outside the selection chooses that row alone, as
        // in a file manager; inside it, the menu acts on all of it.
        QItemSelectionModel *chosen = listingGrid->selectionModel();
        if (!chosen->isRowSelected(row.row(), QModelIndex()))
            chosen->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        showListingMenu(request->globalPos());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainform::showListingMenuFromKeyboard()
{
    if (listingGrid->BrowseOnly())
        return;
    const QModelIndex current = listingGrid->currentIndex();
    if (!current.isValid() || !listingGrid->selectionModel()->isRowSelected(current.row(), QModelIndex()))
        return;
    const QRect rect = listingGrid->visualRect(current);
    showListingMenu(listingGrid->viewport()->mapToGlobal(QPoint(rect.left() + 8, rect.bottom())));
}

void TMainform::showListingMenu(const QPoint &globalPos)
{
    // A row that names no member (the blank row of a new archive) has no menu.
    const std::vector<ListedRow> rows = selection_->selectedRows();
    if (std::none_of(rows.begin(), rows.end(), [](const ListedRow &row) { return row.entryIndex >= 0 || row.folder; }))
        return;
    listingMenu_->popup(globalPos);
}

void TMainform::ratioColumnToggled(bool shown)
{
    ratioColumnShown_ = shown;
    settings_->setValue(QLatin1String(RatioColumnKey), shown);
    setUpColumns();
    fillListing();
}

void TMainform::showArchiveTotals()
{
    const bool listed = session_.hasArchive() && session_.engine.EntryCount() > 0;
    archiveTotalsPanel_->setText(listed ? summaryText(orvex::countArchive(session_.engine.EntryList())) : QString());
    archiveTotalsPanel_->setToolTip(archiveTotalsPanel_->text());
    showSelectionTotals();
}

void TMainform::showSelectionTotals()
{
    std::vector<int> indices;
    for (const ListedRow &row : selection_->selectedRows()) {
        if (row.folder)
            indices.insert(indices.end(), row.members.begin(), row.members.end());
        else if (row.entryIndex >= 0)
            indices.push_back(row.entryIndex);
    }
    // One row is where the cursor is, which is no choice of members. The
    // window is narrow: a choice's totals take the archive's place, which
    // its tooltip still gives.
    const bool chosen = indices.size() > 1;
    if (chosen) {
        //: Status bar; %1 sums up the selected members.
        selectionTotalsPanel_->setText(
            tr("Selected: %1").arg(summaryText(orvex::countChosen(session_.engine.EntryList(), indices))));
        //: The second line of the selection's tooltip; %1 sums up the archive's members.
        selectionTotalsPanel_->setToolTip(selectionTotalsPanel_->text() + u'\n'
                                          + tr("Archive: %1").arg(archiveTotalsPanel_->text()));
    }
    selectionTotalsPanel_->setVisible(chosen);
    // A filter's count says how many members there are.
    archiveTotalsPanel_->setVisible(!chosen && !archiveTotalsPanel_->text().isEmpty() && listing_.filter().isEmpty());
}

void TMainform::showSortArrow()
{
    QHeaderView *titles = listingGrid->horizontalHeader();
    const bool sorted = sortColumn_ >= 0 && sortColumn_ < listingGrid->ColCount();
    titles->setSortIndicatorShown(sorted);
    if (sorted)
        titles->setSortIndicator(sortColumn_, sortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
}

bool TMainform::ratioColumnStored(const QSettings &settings)
{
    return settings.value(QLatin1String(RatioColumnKey)).toBool();
}
