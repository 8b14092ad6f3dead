#pragma once
// The main window's rename command (F2): the top selected row, a member or
// a folder row (every member under the folder), gets the name the user
// types. The name is checked first as the library will check it, so that a
// refusal comes with its reason before anything is written; the rename then
// runs inside the operation frame and ends with its count.

class ArchiveSession;
class QWidget;

// Boxes go over `parent`.
void runRenameCommand(ArchiveSession &session, QWidget *parent);
