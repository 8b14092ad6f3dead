#include "app/MemberCommands.h"

#include "app/OperationFrame.h"
#include "app/PasswordQuestion.h"
#include "app/Session.h"
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

bool extractMembers(ArchiveSession &session, QWidget *parent, const QString &directory, std::vector<std::string> names,
                    ExtrOpts options)
{
    TZipEngine &engine = session.engine;
    engine.FileSpecs = std::move(names);
    engine.ExtrBaseDir = QFile::encodeName(directory).toStdString();
    engine.Verbose = true;
    engine.Trace = false;
    engine.ExtrOptions = options;
    OperationFrame &frame = session.operationFrame();
    {
        OperationFrame::Running running(frame);
        PasswordQuestion passwords(engine, parent);
        try {
            engine.Extract();
        } catch (const std::exception &) {
            platform::warningBox(parent, QString::fromLatin1(FatalLibraryText));
        }
        frame.reportLoggedErrors();
    }
    return !frame.closeRequested();
}

bool fetchMember(ArchiveSession &session, QWidget *parent)
{
    QString &member = session.memberName;
    member = session.topSelectedText();
    // The stored bytes, so that the extraction matches the member exactly.
    const std::vector<std::string> names = session.selectedNames();
    const std::string stored = names.empty() || member.isEmpty() ? member.toStdString() : names.front();
    session.memberStoredName = stored;
    session.engine.FileSpecs = {stored};
    // A folder row is no file to open or run.
    if (member.isEmpty() || ArchiveSession::isFolderName(stored)) {
        platform::warningBox(parent, QStringLiteral("Error :No file selected"));
        return false;
    }

    const QString directory = platform::AppDirectory();
    // A copy left by an earlier run must not stand in for a member that this
    // extraction refuses or fails to write.
    if (const QString stale = workingCopyOf(session); !stale.isEmpty())
        QFile::remove(stale);

    // With its directory names: the copy lies at the working directory
    // followed by the whole name as the listing shows it (a name from another
    // system's code page lands decoded), where the editor and the run look.
    return extractMembers(session, parent, directory, {stored}, ExtrOpts{ExtrOverWrite, ExtrDirNames});
}

namespace {

// Runs the component's call `operation` in the operation frame.
template <typename Operation>
void runInFrame(ArchiveSession &session, QWidget *parent, Operation operation)
{
    OperationFrame::Running running(session.operationFrame());
    try {
        operation();
    } catch (const std::exception &) {
        platform::warningBox(parent, QString::fromLatin1(FatalLibraryText));
    }
    session.operationFrame().reportLoggedErrors();
}

// Puts the editor's saved copy back into the archive in the member's place
// and removes it from the working directory. A member whose stored name was
// in another system's code page comes back under its decoded name (UTF-8),
// and the old one is deleted by its stored bytes, but only once the add has
// taken the copy: each call writes a new archive, so a failed add leaves the
// member as it was.
void writeBack(ArchiveSession &session, QWidget *parent, const TF_Editform &editor)
{
    const QString directory = platform::AppDirectory();
    TZipEngine &engine = session.engine;
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
    const std::string addedName = engine.FileSpecs.empty() ? std::string() : engine.FileSpecs.front();
    engine.LastResult = 0;
    runInFrame(session, parent, [&] { engine.Add(); });
    engine.AddBaseDir.clear();
    const bool added = engine.LastResult > 0 && !QFile::exists(editor.MemberPath);
    const std::string &oldName = session.memberStoredName;
    if (added && !oldName.empty() && !addedName.empty() && oldName != addedName) {
        engine.FileSpecs = {oldName};
        runInFrame(session, parent, [&] { engine.Delete(); });
    }
    if (!QFile::exists(editor.MemberPath))
        platform::removeEmptyParents(directory, editor.MemberPath);
    // Re-reading the archive refills the grid, whether the add worked or not.
    engine.setZipFilename(engine.ZipFilename());
}

}  // namespace

QString workingCopyOf(const ArchiveSession &session)
{
    return platform::workingCopyPath(platform::appDirectoryPath(), session.memberName);
}

void editMember(ArchiveSession &session, QWidget *parent, TF_Editform &editor)
{
    if (!fetchMember(session, parent))
        return;
    const QString path = workingCopyOf(session);
    const QString &member = session.memberName;
    if (path.isEmpty())
        throw std::runtime_error("Cannot open file \"" + member.toStdString() + "\"");
    editor.loadFromFile(path);
    editor.setWindowTitle(editor::fileCaption(member));
    editor.Tag = TF_Editform::TagMember;
    // After the load, which counts as a change in the text control.
    editor.TextChanged = false;
    editor.SaveDialog.FileName = member;
    editor.OpenDialog.FileName = member;
    editor.MemberNameSource = [&session] { return session.memberName; };
    editor.exec();
    if (editor.Tag != TF_Editform::TagUpdate)
        return;
    writeBack(session, parent, editor);
}

void executeMember(ArchiveSession &session, QWidget *parent)
{
    if (!fetchMember(session, parent))
        return;
    // The result does not matter: a member that is no program fails quietly.
    // It runs in the working directory, where the members it was extracted
    // with lie; ours stays where it is.
    platform::RunProgram(workingCopyOf(session), {}, platform::ShowNormal, true, platform::appDirectoryPath());
}

}  // namespace member_commands
