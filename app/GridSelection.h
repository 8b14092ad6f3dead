#pragma once
// The listing grid's selection as the session's commands see it.

#include "app/Session.h"

class ArchiveListing;
class TSortableGrid;

class GridSelection : public ListingSelection {
public:
    GridSelection(const TSortableGrid &grid, const ArchiveListing &listing) : grid_(grid), listing_(listing) {}

    // The tag of the row filled from member `entryIndex`, or showing folder
    // `folder` of the listing's folders: the row remembers what it stands
    // for, so that a name chosen in the grid finds the stored bytes again
    // after sorting.
    static void *rowTag(int entryIndex);
    static void *folderRowTag(int folder);
    // The member or folder a row's tag names; -1 when it names the other kind or none.
    static int entryOfTag(const void *tag);
    static int folderOfTag(const void *tag);

    int rowCount() const override;
    std::vector<ListedRow> selectedRows() const override;
    QString topSelectedText() const override;
    // The row a data row of the grid stands for, its members not gathered.
    ListedRow rowAt(int gridRow) const;

private:
    // Grid rows below the titles that are selected, top to bottom.
    std::vector<int> selectedGridRows() const;

    const TSortableGrid &grid_;
    const ArchiveListing &listing_;
};
