#include "app/Mainform.h"

// The listing grid: its columns and its rows, filled from the component's
// member list.

#include "app/GridSelection.h"
#include "app/ListingText.h"
#include "controls/SortableGrid.h"
#include "platform/Locale.h"
#include "platform/Palette.h"

#include <QIcon>
#include <algorithm>

namespace {

const int columnWidths[] = {150, 84, 84, 120};

// Marks an encrypted member's name: the desktop's lock where its theme has
// one, our own on a bare machine.
QIcon lockIcon()
{
    return QIcon::fromTheme(QStringLiteral("emblem-locked"), QIcon(QStringLiteral(":/icons/locked.svg")));
}

}  // namespace

void TMainform::setUpGrid()
{
    listingGrid->setFont(platform::uiFont(11));
    QPalette palette = listingGrid->palette();
    palette.setColor(QPalette::Text, Qt::black);
    listingGrid->setPalette(palette);
    listingGrid->setDefaultRowHeight(18);
    listingGrid->setOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                         goRangeSelect, goRowSelect, goColSizing, goThumbTracking});

    listingGrid->setFixedRows(1);
    listingGrid->setRowCount(2);
    setUpColumns();
}

void TMainform::resetGrid()
{
    listingGrid->Clear();
    listingGrid->setRowCount(2);
    listingGrid->setFixedRows(1);
    setUpColumns();
}

void TMainform::setUpColumns()
{
    listingGrid->setColCount(4);
    const QStringList titles = listingTitles();
    for (int c = 0; c < 4; ++c) {
        listingGrid->setCells(c, 0, titles[c]);
        listingGrid->setColWidths(c, columnWidths[c]);
    }
}

void TMainform::fillListing()
{
    ListingCellTexts cells(platform::RegionalSettings::current());
    const TZipEngine &engine = session_.engine;
    const int count = engine.EntryCount();
    std::vector<GridRow> rows(std::size_t(std::max(count, 0)));
    const QIcon locked = lockIcon();
    for (int i = 0; i < count; ++i) {
        const ArchiveEntry &entry = engine.Entries(i);
        rows[std::size_t(i)] = GridRow{{listingName(entry), GridSelection::rowTag(i),
                                        entry.Encrypted() ? locked : QIcon()},
                                       {cells.size(entry.TruePackedSize), nullptr},
                                       {cells.size(entry.TrueUnpackedSize), nullptr},
                                       {cells.dateTime(entry.DosDateTime()), nullptr}};
    }
    // One step: the view is reset once, however many members there are.
    listingGrid->AssignDataRows(std::move(rows));
}
