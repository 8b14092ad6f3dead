#include "app/DropAdd.h"

#include "app/AddCommand.h"
#include "app/OperationFrame.h"
#include "app/Session.h"
#include "app/WriteLimits.h"
#include "dialogs/AddForm.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <algorithm>

namespace drop_add {

namespace {

// Dropped items grouped by the folder they lie in, in the order dropped:
// each group is one add with that folder as its base.
std::vector<AddCommand::FolderGroup> byFolder(const QStringList &paths)
{
    std::vector<AddCommand::FolderGroup> groups;
    for (const QString &path : paths) {
        const QFileInfo info(QDir::cleanPath(path));
        const QString name = info.fileName();
        if (name.isEmpty())
            continue;  // the root folder has no name to store under
        const QString folder = info.absolutePath();
        auto group = std::find_if(groups.begin(), groups.end(), [&](const auto &g) { return g.folder == folder; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {folder, {}});
        if (!group->names.contains(name))
            group->names << name;
    }
    return groups;
}

}  // namespace

QStringList localPaths(const QMimeData &mime)
{
    QStringList paths;
    for (const QUrl &url : mime.urls()) {
        const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
        // A name ends at its first NUL for the system: "a%00b" would add "a".
        if (!path.isEmpty() && !path.contains(QChar(0)))
            paths << QFileInfo(path).absoluteFilePath();
    }
    return paths;
}

bool accepts(const ArchiveSession &session, const QObject *window, const QMimeData *mime, const QObject *source)
{
    if (!mime || session.operationRunning())
        return false;
    // Our own members dragged back in would be added from the staging folder.
    for (const QObject *o = source; o; o = o->parent())
        if (o == window)
            return false;
    return !localPaths(*mime).isEmpty();
}

AddOpts addOptionsFor(const AddFormChoices &choices)
{
    AddChoices dropped = choices;
    dropped.dirNames = dropped.recurseDirs = true;
    // A drop copies; the user did not ask for the files to go.
    dropped.moveFiles = false;
    return ::addOptionsFor(dropped);
}

void addDropped(ArchiveSession &session, QWidget *parent, const TAddForm *addDialog, const QStringList &paths,
                const std::function<void()> &createArchive)
{
    const auto groups = byFolder(paths);
    if (groups.empty())
        return;
    TZipEngine &engine = session.engine;
    if (engine.ReadOnly()) {
        //: %1 is the archive's path, %2 why it is read-only ("split", "tar.gz"); "File > Save as…" is the menu item
        platform::warningBox(
            parent, QCoreApplication::translate("drop_add", "%1 is a %2 archive, which is read-only. Save it as ZIP "
                                                            "(File > Save as…) to add files.")
                        .arg(session.archivePath(), session.readOnlyKind()));
        return;
    }
    if (!session.hasArchive()) {
        if (!platform::confirmBox(
                parent, QCoreApplication::translate("drop_add",
                                                    "No archive is open. Create a new archive for the dropped files?")))
            return;
        createArchive();
        if (!session.hasArchive())
            return;
    }
    // The dialog's boxes were last set for whatever archive it was opened
    // for: what this one cannot keep is left out.
    const AddFormChoices choices =
        write_limits::keptChoices(addDialog ? addDialog->choices() : AddFormChoices{}, engine.WriteAbilities());
    engine.AddOptions = addOptionsFor(choices);
    engine.AddCompLevel = choices.level;
    session.operationFrame().run(
        AddCommand::operationTexts(session.archivePath()), [&](orvex::ComponentEvents &events) {
            AddCommand::addGroups(engine, groups, orvex::Secret(), session.shownFolder, events);
        });
}

}  // namespace drop_add
