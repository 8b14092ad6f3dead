#pragma once
// The main window's add command: the add dialog builds the list, the archive
// component adds it inside the operation frame.

#include "app/OperationFrame.h"
#include "engine/EngineOptions.h"

#include <QString>

class ArchiveSession;
class QWidget;
class TAddForm;
struct AddFormChoices;

namespace AddCommand {

// The add options the dialog's boxes stand for; AddFreshen has no box.
AddOpts addOptionsFor(const AddFormChoices &choices);

// The folder of the file dialog's last name, up to and including its last
// '/'; empty when the name has none.
QString dialogFolder(const QString &fileName);

// The status window's caption, start line, failure and count texts of an
// add to `archive`; files dropped on the window are added with the same.
OperationTexts operationTexts(const QString &archive);

// Runs the command: checks the archive name, shows `dialog` modally and adds
// its list to the archive with its options and level. Boxes go over `parent`.
void run(ArchiveSession &session, QWidget *parent, TAddForm &dialog);

}  // namespace AddCommand
