#include "app/MemberCommands.h"

#include "app/Mainform.h"
#include "app/OperationFrame.h"
#include "controls/SortableGrid.h"
#include "dialogs/EditForm.h"
#include "dialogs/EditorCaptions.h"
#include "platform/AppDirectory.h"
#include "platform/ProgramRunner.h"
#include "platform/Prompts.h"

#include <QFile>
#include <stdexcept>

namespace member_commands {

namespace {

const char *const FatalLibraryText = "Error in Extract; Fatal DLL Exception";

}  // namespace

bool extractMembers(TMainform &form, const QString &directory, std::vector<std::string> names, ExtrOpts options)
{
    TZipEngine &engine = form.ZipEngine1;
    engine.FileSpecs = std::move(names);
    engine.ExtrBaseDir = QFile::encodeName(directory).toStdString();
    engine.Verbose = true;
    engine.Trace = false;
    engine.ExtrOptions = options;
    OperationFrame &frame = form.operationFrame();
    {
        OperationFrame::Running running(frame);
        try {
            engine.Extract();
        } catch (const std::exception &) {
            platform::warningBox(&form, QString::fromLatin1(FatalLibraryText));
        }
        frame.reportLoggedErrors();
    }
    return !frame.closeRequested();
}

bool fetchMember(TMainform &form)
{
    TSortableGrid &grid = *form.StringGrid1;
    // Row 0 holds the titles, also when the grid is down to that one row and
    // it is no longer fixed: "File Name" is no member.
    const int top = grid.Selection().Top;
    form.MemberName = top >= 1 ? grid.Cells(0, top) : QString();
    // The stored bytes, so that the extraction matches the member exactly.
    const std::vector<std::string> names = form.selectedNames();
    TZipEngine &engine = form.ZipEngine1;
    const std::string stored = names.empty() || form.MemberName.isEmpty() ? form.MemberName.toStdString()
                                                                          : names.front();
    engine.FileSpecs = {stored};
    // A folder row is no file to open or run.
    if (form.MemberName.isEmpty() || TMainform::isFolderName(stored)) {
        platform::warningBox(&form, QStringLiteral("Error :No file selected"));
        return false;
    }

    const QString directory = platform::AppDirectory();
    // A copy left by an earlier run must not stand in for a member that this
    // extraction refuses or fails to write.
    if (const QString stale = workingCopyOf(form); !stale.isEmpty())
        QFile::remove(stale);

    // With its directory names: the copy lies at the working directory
    // followed by the whole stored name, where the editor and the run look.
    return extractMembers(form, directory, {stored}, ExtrOpts{ExtrOverWrite, ExtrDirNames});
}

namespace {

// Puts the editor's saved copy back into the archive in the member's place
// and removes it from the working directory.
void writeBack(TMainform &form, const TF_Editform &editor)
{
    const QString directory = platform::AppDirectory();
    TZipEngine &engine = form.ZipEngine1;
    engine.Verbose = true;
    engine.Trace = false;
    engine.AddCompLevel = 9;
    // The stored name is the path relative to the working directory, so the
    // member replaces itself instead of arriving as a new one at the root.
    engine.AddOptions = AddOpts{AddMove, AddDirNames};
    engine.FileSpecs.clear();
    const QString relative = platform::relativeToDirectory(directory, editor.MemberPath);
    if (!relative.isEmpty())
        engine.FileSpecs.push_back(QFile::encodeName(relative).toStdString());
    engine.AddBaseDir = QFile::encodeName(directory).toStdString();
    {
        OperationFrame::Running running(form.operationFrame());
        try {
            engine.Add();
        } catch (const std::exception &) {
            platform::warningBox(&form, QString::fromLatin1(FatalLibraryText));
        }
        form.operationFrame().reportLoggedErrors();
    }
    engine.AddBaseDir.clear();
    if (!QFile::exists(editor.MemberPath))
        platform::removeEmptyParents(directory, editor.MemberPath);
    // Re-reading the archive refills the grid, whether the add worked or not.
    engine.setZipFilename(engine.ZipFilename());
}

}  // namespace

QString workingCopyOf(const TMainform &form)
{
    return platform::workingCopyPath(platform::appDirectoryPath(), form.MemberName);
}

void editMember(TMainform &form, TF_Editform &editor)
{
    if (!fetchMember(form))
        return;
    const QString path = workingCopyOf(form);
    if (path.isEmpty())
        throw std::runtime_error("Cannot open file \"" + form.MemberName.toStdString() + "\"");
    editor.loadFromFile(path);
    editor.setWindowTitle(editor::fileCaption(form.MemberName));
    editor.Tag = TF_Editform::TagMember;
    // After the load, which counts as a change in the text control.
    editor.TextChanged = false;
    editor.SaveDialog.FileName = form.MemberName;
    editor.OpenDialog.FileName = form.MemberName;
    editor.MemberNameSource = [&form] { return form.MemberName; };
    editor.exec();
    if (editor.Tag != TF_Editform::TagUpdate)
        return;
    writeBack(form, editor);
}

void executeMember(TMainform &form)
{
    if (!fetchMember(form))
        return;
    // The result does not matter: a member that is no program fails quietly.
    // It runs in the working directory, where the members it was extracted
    // with lie; ours stays where it is.
    platform::RunProgram(workingCopyOf(form), {}, platform::ShowNormal, true, platform::appDirectoryPath());
}

}  // namespace member_commands
