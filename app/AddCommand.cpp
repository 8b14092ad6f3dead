#include "app/AddCommand.h"

#include "app/AddPasswordScope.h"
#include "app/OperationFrame.h"
#include "app/Session.h"
#include "dialogs/AddForm.h"
#include "platform/Prompts.h"

#include <QFile>
#include <algorithm>

namespace AddCommand {

namespace {

// The option each box of the dialog stands for.
const struct {
    bool AddFormChoices::*box;
    AddOptsEnum option;
} boxOptions[] = {
    {&AddFormChoices::dirNames, AddDirNames},   {&AddFormChoices::recurseDirs, AddRecurseDirs},
    {&AddFormChoices::moveFiles, AddMove},      {&AddFormChoices::useTimestamp, AddZipTime},
    {&AddFormChoices::forceDos, AddForceDOS},   {&AddFormChoices::updateOnly, AddUpdate},
};

}  // namespace

AddOpts addOptionsFor(const AddFormChoices &choices)
{
    AddOpts options;
    for (const auto &entry : boxOptions)
        if (choices.*entry.box)
            options.insert(entry.option);
    return options;
}

QString dialogFolder(const QString &fileName)
{
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : fileName.left(slash + 1);
}

OperationTexts operationTexts(const QString &archive)
{
    return {QStringLiteral("Adding file(s)"), QStringLiteral("Beginning Add to ") + archive,
            QStringLiteral("Error in Extract; Fatal DLL Exception"), QStringLiteral(" files were added")};
}

void run(ArchiveSession &session, QWidget *parent, TAddForm &dialog)
{
    TZipEngine &engine = session.engine;
    if (!session.hasArchive()) {
        platform::warningBox(parent, QStringLiteral("You must create a new zipfile or open a zipfile first!"));
        return;
    }
    const QString folder = dialogFolder(session.openDialogFileName);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    const AddFormResult result = dialog.ask();
    if (result.DialogCancelled)
        return;
    if (result.entries.isEmpty()) {
        platform::warningBox(parent, QStringLiteral("No files selected!"));
        return;
    }

    session.operationFrame().run(operationTexts(session.archivePath()), [&] {
        engine.AddOptions = addOptionsFor(result.choices);
        engine.AddCompLevel = result.choices.level;
        engine.FileSpecs.clear();
        for (const QString &entry : result.entries)
            engine.FileSpecs.push_back(QFile::encodeName(entry).toStdString());
        const AddPasswordScope password(engine, result.password.toStdString());
        engine.Add();
        // A refused or failed add keeps the list, so that the user can try again.
        if (engine.LastResult > 0)
            dialog.clearList();
    });
}

}  // namespace AddCommand
