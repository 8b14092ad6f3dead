#include "app/ExtractCommand.h"

#include "app/Mainform.h"
#include "app/OperationFrame.h"
#include "controls/SortableGrid.h"
#include "dialogs/ExtractForm.h"
#include "platform/Prompts.h"

#include <QFile>
#include <QFileInfo>

ExtrOpts extractOptions(bool expandDirs, bool overwriteFiles, bool updateOnly)
{
    ExtrOpts options;
    if (expandDirs)
        options.insert(ExtrDirNames);
    if (overwriteFiles)
        options.insert(ExtrOverWrite);
    if (updateOnly)
        options.insert(ExtrUpdate);
    return options;
}

void runExtractCommand(TMainform &form, TExtract &dialog)
{
    const QString archive = form.statusPanelText(1);
    if (!QFileInfo(archive).isFile()) {
        platform::warningBox(&form, QStringLiteral("Error :File not found ") + archive);
        return;
    }

    dialog.exec();
    if (DialogCancelled || ExtractDir.isEmpty())
        return;
    // The engine extracts into the process's current directory when the
    // target is not a directory, which would put the members wherever the
    // last extraction went.
    if (ExtractDir == TDirTree::NoPath) {
        platform::warningBox(&form, QStringLiteral("Error :No directory selected"));
        return;
    }
    if (!QFileInfo(ExtractDir).isDir()) {
        platform::warningBox(&form, QStringLiteral("Error :Directory not found ") + ExtractDir);
        return;
    }

    if (form.StringGrid1->RowCount() < 2) {
        platform::warningBox(&form, QStringLiteral("Error :No file(s) to extract"));
        return;
    }
    TZipEngine &engine = form.ZipEngine1;
    engine.FileSpecs.clear();
    // An empty FileSpecs asks the engine for every member, whatever rows are selected.
    if (!ExtractAllFiles) {
        engine.FileSpecs = form.selectedNames();
        if (engine.FileSpecs.empty()) {
            platform::warningBox(&form, QStringLiteral("Error :No file(s) selected"));
            return;
        }
    }

    const QString targetDir = ExtractDir;
    const OperationTexts texts{QStringLiteral("Extracting file(s)"),
                               QStringLiteral("Beginning Extract from ") + QFile::decodeName(engine.ZipFilename().c_str())
                                   + QStringLiteral(" to ") + targetDir,
                               QStringLiteral("Error in Extract; Fatal DLL Exception"),
                               QStringLiteral(" file(s) were extracted")};
    form.operationFrame().run(texts, [&] {
        engine.ExtrBaseDir = QFile::encodeName(targetDir).toStdString();
        engine.ExtrOptions = extractOptions(ExpandDirs, OverwriteFiles, ExtractUpdateOnly);
        engine.Extract();
    });
}
