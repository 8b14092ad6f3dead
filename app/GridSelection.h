#pragma once
// The listing grid's selection as the session's commands see it.

#include "app/Session.h"

class TSortableGrid;

class GridSelection : public ListingSelection {
public:
    explicit GridSelection(const TSortableGrid &grid) : grid_(grid) {}

    // The tag of the row filled from member `entryIndex`: the row remembers
    // its member, so that a name chosen in the grid finds the stored bytes
    // again after sorting.
    static void *rowTag(int entryIndex);

    int rowCount() const override;
    std::vector<ListedRow> selectedRows() const override;
    QString topSelectedText() const override;

private:
    // Grid rows below the titles that are selected, top to bottom.
    std::vector<int> selectedGridRows() const;

    const TSortableGrid &grid_;
};
