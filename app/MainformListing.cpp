#include "app/Mainform.h"

// The listing grid: its columns and its rows, filled from the component's
// member list; the column widths and the chosen sort, kept between runs.

#include "app/GridSelection.h"
#include "app/ListingSummary.h"
#include "app/ListingText.h"
#include "controls/SortableGrid.h"
#include "platform/Locale.h"
#include "platform/Palette.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QIcon>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace {

// The first run's; later runs take the user's from the settings.
const int ColumnWidths[] = {150, 84, 84, 120};
constexpr int ColumnCount = int(std::size(ColumnWidths));
// The optional column after them.
constexpr int RatioColumn = ColumnCount;
constexpr int RatioColumnWidth = 56;
// A width outside these, from a settings file edited by hand, is not taken.
constexpr int NarrowestColumn = 8;
constexpr int WidestColumn = 8000;

constexpr int BigListing = 100000;

const char *const ColumnWidthsKey = "listing/ColumnWidths";
// The titles those widths were chosen for.
const char *const ColumnTitlesKey = "listing/ColumnTitles";
const char *const SortColumnKey = "listing/sortColumn";
const char *const SortDescendingKey = "listing/sortDescending";
const char *const RatioWidthKey = "listing/ratioColumnWidth";

// Marks an encrypted member's name: the desktop's lock where its theme has
// one, our own on a bare machine.
QIcon lockIcon()
{
    return QIcon::fromTheme(QStringLiteral("emblem-locked"), QIcon(QStringLiteral(":/icons/locked.svg")));
}

// A member's row: its name as shown, sizes, date and, when shown, ratio.
GridRow memberRow(const ArchiveEntry &entry, const QString &text, void *tag, ListingCellTexts &cells,
                  const QIcon &locked, bool ratioShown)
{
    GridRow row{{text, tag, entry.Encrypted() ? locked : QIcon()},
                {entry.PackedSizeKnown ? cells.size(entry.TruePackedSize) : QString(), nullptr},
                {entry.UnpackedSizeKnown ? cells.size(entry.TrueUnpackedSize) : QString(), nullptr},
                {cells.dateTime(entry.DosDateTime()), nullptr}};
    if (ratioShown)
        row.push_back({ratioText(entry), nullptr});
    return row;
}

}  // namespace

void TMainform::setUpGrid()
{
    // The text and cell colours are the palette's: a fixed black would be
    // unreadable on a dark desktop's rows.
    listingGrid->setFont(platform::uiFont(11));
    listingGrid->setDefaultRowHeight(18);
    listingGrid->setOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
                                         goRowSelect, goColSizing, goThumbTracking});

    listingGrid->setFixedRows(1);
    listingGrid->setRowCount(2);
    setUpColumns();
    for (int c = 0; c < ColumnCount; ++c)
        listingGrid->setColWidths(c, wholeTitleWidth(c, ColumnWidths[c]));
    // The names get whatever width the window has to spare.
    listingGrid->setFillColumn(0);
    // The blank row of a grid without members is nothing to choose.
    listingGrid->clearSelection();
    // A click on a title is the user's choice of order, kept for every refill.
    listingGrid->OnClickSort = [this](TSortableGrid *, int col, int, TSortOptions &options) {
        sortColumn_ = col;
        sortDescending_ = options.Order == soDescending;
        showSortArrow();
        saveListingLayout();
    };
}

int TMainform::wholeTitleWidth(int column, int width) const
{
    // A title longer than the English one, translated, widens its column. The
    // names' column takes the width to spare anyway.
    return column == 0 ? width : std::max(width, listingGrid->horizontalHeader()->sectionSizeHint(column));
}

QStringList TMainform::shownTitles() const
{
    QStringList titles;
    for (int c = 0; c < ColumnCount; ++c)
        titles << listingGrid->Cells(c, 0);
    return titles;
}

void TMainform::resetGrid()
{
    // The column widths stay as the user left them.
    listingGrid->Clear();
    listingGrid->setRowCount(2);
    listingGrid->setFixedRows(1);
    setUpColumns();
    listingGrid->clearSelection();
}

void TMainform::setUpColumns()
{
    const int before = listingGrid->ColCount();
    listingGrid->setColCount(ratioColumnShown_ ? ColumnCount + 1 : ColumnCount);
    const QStringList titles = listingTitles();
    // English in orvexzip's listing, which scripts read; the window's own.
    for (int c = 0; c < ColumnCount; ++c)
        listingGrid->setCells(c, 0, QCoreApplication::translate("listing_text", titles[c].toUtf8().constData()));
    if (ratioColumnShown_) {
        //: The listing's column title: each member's packed size as a percentage of its size.
        listingGrid->setCells(RatioColumn, 0, tr("Ratio %"));
        if (before <= RatioColumn) {
            bool ok = false;
            const int width = settings_->value(QLatin1String(RatioWidthKey)).toInt(&ok);
            listingGrid->setColWidths(
                RatioColumn, ok && width >= NarrowestColumn && width <= WidestColumn ? width : RatioColumnWidth);
        }
    }
    showSortArrow();
}

void TMainform::fillListing()
{
    // A refill of the same archive (after an add, a delete, a write-back)
    // keeps the folder and the rows the user was at; another archive starts
    // at its top. The rows shown while the list was read were no one's
    // choice: those chosen before the read are kept.
    const QString archive = session_.archivePath();
    KeptRows kept;
    if (archive == filledArchive_)
        kept = showingMembersRead_ ? std::move(keptBeforeRead_) : keptRows();
    else
        listing_.forgetPlaces();
    // Where the user scrolled while the rows came stays in sight when the
    // whole list keeps their order.
    const bool rowsReadShown = std::exchange(showingMembersRead_, false);
    const int scrolled = rowsReadShown ? listingGrid->verticalScrollBar()->value() : -1;
    keptBeforeRead_ = {};
    std::vector<GridRow>().swap(rowsBeforeRead_);
    filledArchive_ = archive;
    listing_.reset(session_.engine.EntryList());
    ++listingReading_;
    showListingRows(kept, rowsReadShown);
    if (scrolled >= 0 && !listing_.foldersShown() && !(sortColumn_ >= 0 && sortColumn_ < listingGrid->ColCount()))
        listingGrid->verticalScrollBar()->setValue(scrolled);
    showArchiveTotals();
}

void TMainform::showMembersRead(std::span<const ArchiveEntry> members)
{
    if (listing_.foldersShown() || members.empty())
        return;
    ListingCellTexts cells(platform::RegionalSettings::current());
    const QIcon locked = lockIcon();
    const NameFilter &filter = listing_.filter();
    std::vector<GridRow> rows;
    rows.reserve(members.size());
    for (const ArchiveEntry &entry : members) {
        const QString name = listingName(entry);
        // A filter finds files, as the whole list's does.
        if (!filter.isEmpty() && (name.endsWith(u'/') || !filter.matches(name)))
            continue;
        rows.push_back(memberRow(entry, name, nullptr, cells, locked, ratioColumnShown_));
    }
    if (!showingMembersRead_) {
        // Set aside, not dropped: a read that ends without its list puts them
        // back, and they cannot be made again from the component, which a
        // failed read has by then given the members it met.
        keptBeforeRead_ = keptRows();
        scrolledBeforeRead_ = listingGrid->verticalScrollBar()->value();
        rowsBeforeRead_ = listingGrid->TakeDataRows();
        showingMembersRead_ = true;
        listingGrid->AssignDataRows(std::move(rows));
    } else {
        listingGrid->AppendDataRows(std::move(rows));
    }
}

void TMainform::dropMembersRead()
{
    if (!showingMembersRead_)
        return;
    showingMembersRead_ = false;
    listingGrid->AssignDataRows(std::exchange(rowsBeforeRead_, {}));
    chooseKeptRows(std::exchange(keptBeforeRead_, {}));
    listingGrid->verticalScrollBar()->setValue(scrolledBeforeRead_);
    showSelectionTotals();
}

void TMainform::showListingRows(const KeptRows &kept, bool rowsReadShown)
{
    ListingCellTexts cells(platform::RegionalSettings::current());
    const TZipEngine &engine = session_.engine;
    const std::vector<ShownRow> shown = listing_.rows();
    // The rows shown while the list was read are its first rows, made from
    // the same members: they get their tags rather than being made again.
    std::vector<GridRow> readRows = rowsReadShown ? listingGrid->TakeDataRows() : std::vector<GridRow>();
    // A big listing's rows go before the new ones are made: two sets of a
    // million rows would double the window's memory for a moment.
    if (listingGrid->RowCount() > BigListing)
        listingGrid->AssignDataRows({});
    std::vector<GridRow> rows(shown.size());
    const QIcon locked = lockIcon();
    const QIcon folderIcon = QIcon::fromTheme(QStringLiteral("folder"), style()->standardIcon(QStyle::SP_DirIcon));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        GridRow &row = rows[i];
        if (shown[i].folder >= 0) {
            const FolderIndex::Folder &folder = listing_.folders().folder(shown[i].folder);
            row = GridRow{{folder.name, GridSelection::folderRowTag(shown[i].folder), folderIcon},
                          {folder.packedKnown ? cells.size(folder.packed) : QString(), nullptr},
                          {folder.unpackedKnown ? cells.size(folder.unpacked) : QString(), nullptr},
                          {cells.dateTime(folder.newestDosDateTime), nullptr}};
            if (ratioColumnShown_)
                row.push_back({folder.unpacked > 0 ? QString::number(
                                   std::llround(100.0 * double(folder.packed) / double(folder.unpacked)))
                                                   : QString(),
                               nullptr});
            continue;
        }
        const int index = shown[i].entry;
        if (i < readRows.size() && !readRows[i].empty() && readRows[i][0].Text == listing_.textOf(shown[i])) {
            row = std::move(readRows[i]);
            row[0].Object = GridSelection::rowTag(index);
            continue;
        }
        row = memberRow(engine.Entries(index), listing_.textOf(shown[i]), GridSelection::rowTag(index), cells, locked,
                        ratioColumnShown_);
    }
    // One step: the view is reset once, however many members there are.
    listingGrid->AssignDataRows(std::move(rows));
    showFolderPlace();
    showShownCount(listing_.shownMemberCount(shown));

    // The rows come in archive order; the user's chosen order, if any, is
    // applied again, and the refill's first row is the top one as shown.
    if (sortColumn_ >= 0 && sortColumn_ < listingGrid->ColCount()) {
        TSortOptions options;
        options.Order = sortDescending_ ? soDescending : soAscending;
        options.CaseSensitive = listingGrid->CaseSensitive();
        listingGrid->SortColumn(sortColumn_, options);
        listingGrid->GoToCell(0, listingGrid->FixedRows());
    }
    chooseKeptRows(kept);
    showSelectionTotals();
}

void TMainform::restoreListingLayout()
{
    const QVariantList widths = settings_->value(QLatin1String(ColumnWidthsKey)).toList();
    // Widths kept from a run in another language were not chosen for these
    // titles: where a title is longer now, its column grows to show it.
    const QVariant keptTitles = settings_->value(QLatin1String(ColumnTitlesKey));
    const bool titlesChanged = keptTitles.isValid() && keptTitles.toStringList() != shownTitles();
    if (widths.size() == ColumnCount) {
        for (int c = 0; c < ColumnCount; ++c) {
            bool ok = false;
            const int width = widths[c].toInt(&ok);
            if (ok && width >= NarrowestColumn && width <= WidestColumn)
                listingGrid->setColWidths(c, titlesChanged ? wholeTitleWidth(c, width) : width);
        }
    }
    bool ok = false;
    const int column = settings_->value(QLatin1String(SortColumnKey)).toInt(&ok);
    if (ok && column >= 0 && column <= RatioColumn) {
        sortColumn_ = column;
        sortDescending_ = settings_->value(QLatin1String(SortDescendingKey)).toBool();
    }
    showSortArrow();
    // Kept as the user drags a title's edge, not only at a normal exit.
    listingGrid->OnColumnWidthsChanged = [this](TSortableGrid *) { saveListingLayout(); };
}

void TMainform::saveListingLayout()
{
    QVariantList widths;
    for (int c = 0; c < ColumnCount; ++c)
        // The names' own width, not what this window's size gave them.
        widths << (c == listingGrid->FillColumn() ? listingGrid->FillColumnOwnWidth() : listingGrid->ColWidths(c));
    settings_->setValue(QLatin1String(ColumnWidthsKey), widths);
    settings_->setValue(QLatin1String(ColumnTitlesKey), shownTitles());
    if (ratioColumnShown_ && listingGrid->ColCount() > RatioColumn)
        settings_->setValue(QLatin1String(RatioWidthKey), listingGrid->ColWidths(RatioColumn));
    if (sortColumn_ >= 0) {
        settings_->setValue(QLatin1String(SortColumnKey), sortColumn_);
        settings_->setValue(QLatin1String(SortDescendingKey), sortDescending_);
    }
}
