#pragma once
// Open with default application: the member is fetched into the working
// directory as for Edit and Execute, then handed to the desktop, which opens
// it with the application registered for its type.

#include <functional>

class ArchiveSession;
class QWidget;
class TSortableGrid;

namespace open_command {

// Fetches the top selected member and opens its working copy. A folder row
// or no row gives Edit's "No file selected"; a member the extraction refused
// is not opened (the extraction has said why). Boxes go over `parent`.
void openMember(ArchiveSession &session, QWidget *parent);

// Enter on the grid and a double-click on one of its rows call `open`.
void attachToGrid(TSortableGrid &grid, std::function<void()> open);

}  // namespace open_command
