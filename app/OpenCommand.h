#pragma once
// Open with default application and Open with…: the member is fetched into a
// folder of the working area as for Edit and Execute, then handed to the
// desktop's application for its type or to the one the user chooses. The
// copy stays until the program ends, since that application may still be
// reading it; what it saves to the copy is offered back to the archive while
// the archive is current (ExternalEditWatch).

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

// Open with…: as openMember, with the application chosen from those the
// desktop has for the member's type (or a command typed) instead of the
// default; the chosen program gets the copy's path and runs in its folder.
// Cancelling the choice ends the command; the copy goes with it.
void openMemberWith(ArchiveSession &session, QWidget *parent);

// Enter on the grid and a double-click on one of its rows call `open`.
void attachToGrid(TSortableGrid &grid, std::function<void()> open);

}  // namespace open_command
