#pragma once
// Set by the add and extract dialogs, read by the main window's commands once
// a dialog has closed: true when it was left without OK.

extern bool DialogCancelled;
