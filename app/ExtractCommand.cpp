#include "app/ExtractCommand.h"

#include "app/OperationFrame.h"
#include "app/PasswordQuestion.h"
#include "app/Session.h"
#include "dialogs/DirectoryCreation.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/ExtractTarget.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

void runExtractCommand(ArchiveSession &session, QWidget *parent, TExtract &dialog, bool selectionAsked)
{
    // With no archive current the caption is no path: a file of that name
    // in the current directory is not the archive.
    const QString archive = session.archivePath();
    if (archive.isEmpty() || !QFileInfo(archive).isFile()) {
        //: The program's old text, its odd spacing included; %1 is the archive's path or "None"
        platform::warningBox(
            parent,
            QCoreApplication::translate("ExtractCommand", "Error :File not found %1").arg(session.archiveCaption()));
        return;
    }

    TZipEngine &engine = session.engine;
    const ExtractContext context{
        .selectedRows = session.selectedRowCount(),
        .membersUnderOneFolder = extract_target::membersUnderOneFolder(
            engine.EntryCount(), [&engine](qsizetype i) { return engine.Entries(int(i)).DisplayName(); }),
        .selectionAsked = selectionAsked};
    const ExtractChoices choices = dialog.ask(context);
    const QString &ExtractDir = choices.ExtractDir;
    if (choices.DialogCancelled || ExtractDir.isEmpty())
        return;
    // The engine extracts into the process's current directory when the
    // target is not a directory, which would put the members wherever the
    // last extraction went.
    if (ExtractDir == TDirTree::NoPath) {
        platform::warningBox(parent, QCoreApplication::translate("ExtractCommand", "Error :No directory selected"));
        return;
    }
    if (!choices.MakeExtractDir && !QFileInfo(ExtractDir).isDir()) {
        platform::warningBox(
            parent, QCoreApplication::translate("ExtractCommand", "Error :Directory not found %1").arg(ExtractDir));
        return;
    }

    if (session.listingRowCount() < 2) {
        platform::warningBox(parent, QCoreApplication::translate("ExtractCommand", "Error :No file(s) to extract"));
        return;
    }
    std::vector<std::string> names;
    // No names asks the engine for every member, whatever rows are selected.
    if (!choices.ExtractAllFiles) {
        names = session.selectedNames();
        if (names.empty()) {
            platform::warningBox(parent, QCoreApplication::translate("ExtractCommand", "Error :No file(s) selected"));
            return;
        }
    }

    // Folders are made only for an extraction that runs.
    const auto madeFolder = [parent](const QString &folder) {
        const QString failure = newdir::createPath(folder);
        if (!failure.isEmpty())
            //: %1 is a folder's path, %2 why it could not be made
            platform::warningBox(parent,
                                 QCoreApplication::translate("ExtractCommand", "Error :Cannot make the folder %1: %2")
                                     .arg(folder, failure));
        return failure.isEmpty();
    };
    QString targetDir = ExtractDir;
    if (choices.MakeExtractDir && !madeFolder(targetDir))
        return;
    if (choices.IntoArchiveFolder) {
        targetDir = extract_target::folderBelow(targetDir, extract_target::archiveFolderName(archive));
        if (!madeFolder(targetDir))
            return;
    }
    const OperationTexts texts = extractTexts(archive, targetDir);
    PasswordQuestion passwords(engine, parent);
    // Kept as the component's settings: the last extraction's choices.
    engine.ExtrOptions = extractOptionsFor(
        {.dirNames = choices.ExpandDirs, .overwrite = choices.OverwriteFiles, .updateOnly = choices.ExtractUpdateOnly});
    orvex::ExtractRequest request = engine.extractRequest();
    request.specs = std::move(names);
    request.target = QFile::encodeName(targetDir).toStdString();
    // From inside a folder, its members land as the user sees them there.
    if (!choices.ExtractAllFiles)
        request.baseFolder = session.shownFolder;
    session.operationFrame().run(
        texts, [&](orvex::ComponentEvents &events) { engine.Extract(std::move(request), events); },
        [&engine, &texts] { return extractResultText(engine, texts.countSuffix); }, &passwords);
}

OperationTexts extractTexts(const QString &archive, const QString &target)
{
    return {QCoreApplication::translate("ExtractCommand", "Extracting file(s)"),
            //: The message window's first line; %1 is the archive's path, %2 the folder extracted into
            QCoreApplication::translate("ExtractCommand", "Beginning Extract from %1 to %2").arg(archive, target),
            //: "DLL" is the program's old word for its libraries
            QCoreApplication::translate("ExtractCommand", "Error in Extract; Fatal DLL Exception"),
            QStringLiteral(QT_TRANSLATE_N_NOOP("OperationTexts", "%n file(s) were extracted"))};
}

QString extractResultText(const TZipEngine &engine, const QString &countSuffix)
{
    QString text = countText(countSuffix, engine.LastResult);
    // Kept files are no failure, but the user may have expected them replaced.
    const int kept = engine.LastKeptFiles;
    if (kept == 1)
        //: "OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them
        text += QLatin1Char('\n')
                + QCoreApplication::translate(
                    "ExtractCommand", "%n existing file was kept; choose OverWrite Existing: Yes to replace it.",
                    nullptr, kept);
    else if (kept > 1)
        //: "OverWrite Existing" and "Yes" are a choice of the Extract dialog, spelt as it shows them
        text += QLatin1Char('\n')
                + QCoreApplication::translate(
                    "ExtractCommand", "%n existing files were kept; choose OverWrite Existing: Yes to replace them.",
                    nullptr, kept);
    return text;
}
