#include "app/AddCommand.h"

#include "app/Mainform.h"
#include "app/OperationFrame.h"
#include "dialogs/AddForm.h"
#include "dialogs/DialogCancelled.h"
#include "platform/Prompts.h"

#include <QFile>

namespace AddCommand {

AddOpts addOptionsFor(const AddFormChoices &choices)
{
    AddOpts options;
    if (choices.dirNames)
        options.insert(AddDirNames);
    if (choices.recurseDirs)
        options.insert(AddRecurseDirs);
    if (choices.moveFiles)
        options.insert(AddMove);
    if (choices.useTimestamp)
        options.insert(AddZipTime);
    if (choices.forceDos)
        options.insert(AddForceDOS);
    if (choices.updateOnly)
        options.insert(AddUpdate);
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

void run(TMainform &form, TAddForm &dialog)
{
    TZipEngine &engine = form.ZipEngine1;
    if (engine.ZipFilename().empty()) {
        platform::warningBox(&form, QStringLiteral("You must create a new zipfile or open a zipfile first!"));
        return;
    }
    DialogCancelled = false;
    const QString folder = dialogFolder(form.openDialogFileName());
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    dialog.exec();
    if (DialogCancelled)
        return;
    if (dialog.entries().isEmpty()) {
        platform::warningBox(&form, QStringLiteral("No files selected!"));
        return;
    }

    const QString archive = QFile::decodeName(QByteArray::fromStdString(engine.ZipFilename()));
    form.operationFrame().run(operationTexts(archive), [&] {
        const AddFormChoices choices = dialog.choices();
        engine.AddOptions = addOptionsFor(choices);
        engine.AddCompLevel = choices.level;
        engine.FileSpecs.clear();
        for (const QString &entry : dialog.entries())
            engine.FileSpecs.push_back(QFile::encodeName(entry).toStdString());
        engine.Add();
        // A refused or failed add keeps the list, so that the user can try again.
        if (engine.LastResult > 0)
            dialog.clearList();
    });
}

}  // namespace AddCommand
