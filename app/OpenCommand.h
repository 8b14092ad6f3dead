#pragma once
// Open with default application: the member is fetched into a folder of the
// working area as for Edit and Execute, then handed to the desktop, which
// opens it with the application registered for its type. The copy stays
// until the program ends, since that application may still be reading it.

#include <functional>

class ArchiveSession;
class QWidget;
class TSortableGrid;

namespace open_command {

// Fetches the top selected member and opens its working copy. A folder row
// or no row gives Edit's "No file selected"; a member the extraction refused
// is not opened (the extraction has said why), nor a link or a member the
// desktop could run instead of showing (a launcher, a program, a script),
// each with a warning. Boxes go over `parent`.
void openMember(ArchiveSession &session, QWidget *parent);

// Enter on the grid and a double-click on one of its rows call `open`.
void attachToGrid(TSortableGrid &grid, std::function<void()> open);

}  // namespace open_command
