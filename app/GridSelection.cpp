#include "app/GridSelection.h"

#include "controls/SortableGrid.h"

#include <QItemSelectionModel>
#include <algorithm>
#include <cstdint>

void *GridSelection::rowTag(int entryIndex)
{
    // Offset by one: a row without a tag holds null.
    return reinterpret_cast<void *>(intptr_t(entryIndex) + 1);
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

std::vector<ListedRow> GridSelection::selectedRows() const
{
    std::vector<ListedRow> rows;
    for (const int row : selectedGridRows()) {
        const auto tag = reinterpret_cast<intptr_t>(grid_.Objects(0, row));
        rows.push_back({grid_.Cells(0, row), static_cast<int>(tag) - 1});
    }
    return rows;
}

QString GridSelection::topSelectedText() const
{
    const std::vector<int> rows = selectedGridRows();
    return rows.empty() ? QString() : grid_.Cells(0, rows.front());
}
