#include "app/AddCommand.h"

#include "app/OperationFrame.h"
#include "app/Session.h"
#include "app/WriteLimits.h"
#include "dialogs/AddForm.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace AddCommand {

std::vector<FolderGroup> folderGroups(const QStringList &entries, bool fullPaths)
{
    if (fullPaths)
        return {{QString(), entries}};
    std::vector<FolderGroup> groups;
    for (const QString &entry : entries) {
        const QFileInfo info(QDir::cleanPath(entry));
        QString name = info.fileName();
        QString folder = info.path();
        if (name.isEmpty()) {
            folder.clear();
            name = entry;
        }
        auto group =
            std::find_if(groups.begin(), groups.end(), [&](const FolderGroup &g) { return g.folder == folder; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {folder, {}});
        if (!group->names.contains(name))
            group->names << name;
    }
    return groups;
}

orvex::OperationResult addGroups(TZipEngine &engine, const std::vector<FolderGroup> &groups,
                                 const orvex::Secret &password, const std::string &archiveFolder,
                                 orvex::ComponentEvents &events)
{
    int32_t added = 0;
    orvex::OperationResult last;
    for (const FolderGroup &group : groups) {
        orvex::AddRequest request = engine.addRequest();
        request.baseDirectory = QFile::encodeName(group.folder).toStdString();
        request.specs.clear();
        for (const QString &name : group.names)
            request.specs.push_back(QFile::encodeName(name).toStdString());
        request.password = password;
        request.archiveFolder = archiveFolder;
        last = engine.Add(std::move(request), events);
        added += std::max<int32_t>(engine.LastResult, 0);
        if (last.cancelled)
            break;
    }
    // The count box counts every folder's members.
    if (groups.size() > 1)
        engine.LastResult = added;
    return last;
}

QString dialogFolder(const QString &fileName)
{
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : fileName.left(slash + 1);
}

OperationTexts operationTexts(const QString &archive)
{
    //: The status window's title while files are added
    return {QCoreApplication::translate("AddCommand", "Adding file(s)"),
            //: The message window's first line; %1 is the archive's path
            QCoreApplication::translate("AddCommand", "Beginning Add to %1").arg(archive),
            //: The program's old text, "Extract" included, for an add that failed; "DLL" is its word for its libraries
            QCoreApplication::translate("AddCommand", "Error in Extract; Fatal DLL Exception"),
            QStringLiteral(QT_TRANSLATE_N_NOOP("OperationTexts", "%n files were added"))};
}

void run(ArchiveSession &session, QWidget *parent, TAddForm &dialog)
{
    TZipEngine &engine = session.engine;
    if (!session.hasArchive()) {
        platform::warningBox(parent, QCoreApplication::translate("AddCommand", "You must create a new zipfile or open "
                                                                               "a zipfile first!"));
        return;
    }
    const QString folder = dialogFolder(session.openDialogFileName);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    // What the archive cannot keep is greyed in the dialog, and left out here
    // whatever the dialog hands back.
    const orvex::WriteAbilities abilities = engine.WriteAbilities();
    dialog.startFor(session.archivePath(), write_limits::limitsFor(abilities));
    const AddFormResult result = dialog.ask();
    // A cancelled add leaves nothing behind for the next one to add unasked.
    if (result.DialogCancelled) {
        dialog.clearList();
        return;
    }
    if (result.entries.isEmpty()) {
        platform::warningBox(parent, QCoreApplication::translate("AddCommand", "No files selected!"));
        return;
    }

    const AddFormChoices choices = write_limits::keptChoices(result.choices, abilities);
    engine.AddOptions = ::addOptionsFor(choices);
    engine.AddCompLevel = choices.level;
    const auto groups = folderGroups(result.entries, choices.fullPaths);
    const orvex::Secret password(abilities.encryption ? result.password.toStdString() : std::string());
    session.operationFrame().run(operationTexts(session.archivePath()), [&](orvex::ComponentEvents &events) {
        addGroups(engine, groups, password, session.shownFolder, events);
    });
    // A refused or failed add keeps the list, so that the user can try again;
    // one the user stopped does not.
    if (engine.LastResult > 0 || engine.Cancel)
        dialog.clearList();
}

}  // namespace AddCommand
