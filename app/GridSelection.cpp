#include "app/GridSelection.h"

#include "app/ArchiveListing.h"
#include "controls/SortableGrid.h"

#include <QItemSelectionModel>
#include <algorithm>
#include <cstdint>

void *GridSelection::rowTag(int entryIndex)
{
    // Offset by one: a row without a tag holds null.
    return reinterpret_cast<void *>(intptr_t(entryIndex) + 1);
}

void *GridSelection::folderRowTag(int folder)
{
    return reinterpret_cast<void *>(-intptr_t(folder) - 1);
}

int GridSelection::entryOfTag(const void *tag)
{
    const auto value = reinterpret_cast<intptr_t>(tag);
    return value > 0 ? int(value - 1) : -1;
}

int GridSelection::folderOfTag(const void *tag)
{
    const auto value = reinterpret_cast<intptr_t>(tag);
    return value < 0 ? int(-value - 1) : -1;
}

int GridSelection::rowCount() const
{
    return grid_.RowCount();
}

std::vector<int> GridSelection::selectedGridRows() const
{
    // The rows the user chose, not the grid's Selection block: rows chosen
    // with Ctrl need not touch, and the block would take in those between.
    std::vector<int> rows;
    const QItemSelectionModel *chosen = grid_.selectionModel();
    if (!chosen)
        return rows;
    for (const QItemSelectionRange &range : chosen->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row + grid_.FixedRows());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // Row 0 holds the titles, also when the grid is down to that one row and
    // it is no longer fixed: "File Name" is no member.
    rows.erase(rows.begin(), std::lower_bound(rows.begin(), rows.end(), 1));
    return rows;
}

ListedRow GridSelection::rowAt(int gridRow) const
{
    const void *tag = grid_.Objects(0, gridRow);
    if (const int folder = folderOfTag(tag); folder >= 0 && folder < listing_.folders().folderCount()) {
        const FolderIndex::Folder &shown = listing_.folders().folder(folder);
        return {shown.path, shown.entry, true};
    }
    if (const int entry = entryOfTag(tag); entry >= 0 && entry < listing_.memberCount())
        return {listing_.name(entry), entry};
    return {grid_.Cells(0, gridRow), -1};
}

std::vector<ListedRow> GridSelection::selectedRows() const
{
    std::vector<ListedRow> rows;
    for (const int gridRow : selectedGridRows()) {
        ListedRow row = rowAt(gridRow);
        if (row.folder)
            row.members = listing_.folders().membersUnder(folderOfTag(grid_.Objects(0, gridRow)));
        rows.push_back(std::move(row));
    }
    return rows;
}

QString GridSelection::topSelectedText() const
{
    const std::vector<int> rows = selectedGridRows();
    return rows.empty() ? QString() : rowAt(rows.front()).text;
}
