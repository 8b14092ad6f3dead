#include "app/GridSelection.h"

#include "controls/SortableGrid.h"

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

std::vector<ListedRow> GridSelection::selectedRows() const
{
    std::vector<ListedRow> rows;
    const TGridRect selection = grid_.Selection();
    // The title row is no member.
    for (int row = std::max(selection.Top, grid_.FixedRows()); row <= selection.Bottom; ++row) {
        const auto tag = reinterpret_cast<intptr_t>(grid_.Objects(0, row));
        rows.push_back({grid_.Cells(0, row), static_cast<int>(tag) - 1});
    }
    return rows;
}

QString GridSelection::topSelectedText() const
{
    // Row 0 holds the titles, also when the grid is down to that one row and
    // it is no longer fixed: "File Name" is no member.
    const int top = grid_.Selection().Top;
    return top >= 1 ? grid_.Cells(0, top) : QString();
}
