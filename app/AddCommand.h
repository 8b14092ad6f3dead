#pragma once
// The main window's add command: the add dialog builds the list, the archive
// component adds it inside the operation frame.

#include "app/OperationFrame.h"
#include "engine/EngineOptions.h"

#include <QString>
#include <QStringList>
#include <vector>

class ArchiveSession;
class QWidget;
class TAddForm;

namespace AddCommand {

// The folder of the file dialog's last name, up to and including its last
// '/'; empty when the name has none.
QString dialogFolder(const QString &fileName);

// The status window's caption, start line, failure and count texts of an
// add to `archive`; files dropped on the window are added with the same.
OperationTexts operationTexts(const QString &archive);

// What one Add stores: `names`, found in and stored relative to `folder`
// (empty: the names are absolute paths, stored from the root).
struct FolderGroup {
    QString folder;
    QStringList names;
};

// The add dialog's entries, each stored relative to the folder that holds
// it, so that a chosen folder's own name is the archive's top level; the
// root, which has no name, gives its contents. With `fullPaths`, one group
// of the paths as they are, stored from the root.
std::vector<FolderGroup> folderGroups(const QStringList &entries, bool fullPaths);

// Runs one Add per group, with the component's options as they are set and
// `password` (empty: nothing encrypted), into `archiveFolder` of the archive
// (stored form; empty: its top), until one is cancelled. With more
// than one group, LastResult counts the members of all of them. Returns
// the last Add's result.
orvex::OperationResult addGroups(TZipEngine &engine, const std::vector<FolderGroup> &groups,
                                 const orvex::Secret &password, const std::string &archiveFolder,
                                 orvex::ComponentEvents &events);

// Runs the command: checks the archive name, shows `dialog` modally and adds
// its list to the archive with its options and level. Boxes go over `parent`.
void run(ArchiveSession &session, QWidget *parent, TAddForm &dialog);

}  // namespace AddCommand
