#include "app/MemberCommands.h"

#include "app/OperationFrame.h"
#include "app/PasswordQuestion.h"
#include "app/Session.h"
#include "dialogs/EditForm.h"
#include "dialogs/EditorCaptions.h"
#include "platform/AppDirectory.h"
#include "platform/ProgramRunner.h"
#include "platform/Prompts.h"
#include "platform/WorkingArea.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <stdexcept>

namespace member_commands {

namespace {

//: "DLL" is the program's old word for its libraries
const char *const FatalLibraryText = QT_TRANSLATE_NOOP("member_commands", "Error in Extract; Fatal DLL Exception");

// The password a member was opened with, kept while it is edited so that the
// write-back can encrypt it again, and wiped on every way out.
struct HeldPassword {
    std::string text;
    HeldPassword() = default;
    HeldPassword(const HeldPassword &) = delete;
    HeldPassword &operator=(const HeldPassword &) = delete;
    ~HeldPassword() { std::fill(text.begin(), text.end(), '\0'); }
};

bool isEncrypted(const TZipEngine &engine, const std::string &storedName)
{
    for (int i = 0; i < engine.EntryCount(); ++i)
        if (engine.Entries(i).FileName == storedName)
            return engine.Entries(i).Encrypted();
    return false;
}

// Runs the component's call `operation` in the operation frame.
void runInFrame(ArchiveSession &session, QWidget *parent, const OperationFrame::EngineCall &operation)
{
    OperationFrame::Running running(session.operationFrame());
    try {
        session.operationFrame().call(operation);
    } catch (const std::exception &) {
        platform::warningBox(parent, QCoreApplication::translate("member_commands", FatalLibraryText));
    }
    session.operationFrame().reportLoggedErrors();
}

QString notWrittenBackText(const ArchiveSession &session)
{
    //: %1 is the member's name, %2 the archive's path; "Update zipfile?" is the question the editor asks on closing
    return QCoreApplication::translate("member_commands",
                                       "Your changes to \"%1\" were not written into %2. The editor opens again "
                                       "with them: close it to try again, or keep them with File > "
                                       "Save As; answer No to \"Update zipfile?\" to let them go.")
        .arg(session.memberName, session.archivePath());
}

}  // namespace

bool extractMembers(ArchiveSession &session, QWidget *parent, const QString &directory, std::vector<std::string> names,
                    ExtrOpts options, std::string *password, const std::string &baseFolder)
{
    TZipEngine &engine = session.engine;
    engine.Verbose = true;
    engine.Trace = false;
    orvex::ExtractRequest request{
        .specs = std::move(names), .target = QFile::encodeName(directory).toStdString(), .options = options};
    request.baseFolder = baseFolder;
    OperationFrame &frame = session.operationFrame();
    {
        OperationFrame::Running running(frame);
        PasswordQuestion passwords(engine, parent, password);
        try {
            frame.call([&](orvex::ComponentEvents &events) { engine.Extract(std::move(request), events); }, &passwords);
        } catch (const std::exception &) {
            platform::warningBox(parent, QCoreApplication::translate("member_commands", FatalLibraryText));
        }
        frame.reportLoggedErrors();
    }
    return !frame.closeRequested();
}

WorkingCopy fetchMember(ArchiveSession &session, QWidget *parent, std::string *password)
{
    QString &member = session.memberName;
    member = session.topSelectedText();
    // The stored bytes, so that the extraction matches the member exactly.
    const std::vector<std::string> names = session.selectedNames();
    const std::string stored = names.empty() || member.isEmpty() ? member.toStdString() : names.front();
    session.memberStoredName = stored;
    session.engine.FileSpecs = {stored};
    // A folder row is no file to open or run.
    if (member.isEmpty() || ArchiveSession::isFolderName(stored) || member.endsWith(u'/')) {
        platform::warningBox(parent, QCoreApplication::translate("member_commands", "Error :No file selected"));
        return {};
    }

    // A folder no earlier copy has used: nothing stale can stand in for a
    // member that this extraction refuses or fails to write, and whatever
    // the member's name on disk (decoded, with control characters), the copy
    // is the one file in it.
    const QString folder = session.workingArea().newFolder();
    if (!extractMembers(session, parent, folder, {stored}, ExtrOpts{ExtrOverWrite, ExtrDirNames, ExtrPrivate},
                        password)) {
        platform::WorkingArea::removeFolder(folder);
        return {};
    }
    return WorkingCopy(folder);
}

void refuseLink(QWidget *parent, const QString &member)
{
    //: %1 is the member's name
    platform::warningBox(
        parent, QCoreApplication::translate("member_commands",
                                            "\"%1\" is a link, and the archive holds nothing to open through it.")
                    .arg(member));
}

// Puts the copy back into the archive in the member's place.
// A member whose stored name was in another system's code page comes back
// under its decoded name (UTF-8), and the old one is deleted by its stored
// bytes, but only once the add has taken the copy: each call writes a new
// archive, so a failed add leaves the member as it was. An encrypted member
// goes back encrypted (AES-256, whatever cipher it had) with the password it
// was opened with; without one it goes back in the clear only when the user
// says so. False when the member was not written back.
bool writeBack(ArchiveSession &session, QWidget *parent, const EditedCopy &copy, const std::string &password)
{
    TZipEngine &engine = session.engine;
    const bool encrypted = isEncrypted(engine, copy.storedName);
    if (encrypted && password.empty()
        && !platform::confirmBox(
            parent,
            //: %1 is the member's name
            QCoreApplication::translate("member_commands",
                                        "\"%1\" is encrypted in the archive, and its password is not known "
                                        "here. Write it back without encryption?")
                .arg(copy.memberName),
            platform::DefaultAnswer::No))
        return false;
    engine.Verbose = true;
    engine.Trace = false;
    engine.AddCompLevel = 9;
    // The stored name is the path relative to the copy's folder, so the
    // member replaces itself instead of arriving as a new one at the root.
    engine.AddOptions = AddOpts{AddMove, AddDirNames};
    orvex::AddRequest request = engine.addRequest();
    request.specs.clear();
    const QString relative = platform::relativeToDirectory(copy.folder, copy.path);
    if (!relative.isEmpty())
        request.specs.push_back(QFile::encodeName(relative).toStdString());
    request.baseDirectory = QFile::encodeName(copy.folder).toStdString();
    request.password = orvex::Secret(encrypted ? password : std::string());
    // The copy was made private (0600); the member keeps its own permissions.
    request.keepMemberModes = true;
    const std::string addedName = request.specs.empty() ? std::string() : request.specs.front();
    engine.LastResult = 0;
    runInFrame(session, parent, [&](orvex::ComponentEvents &events) { engine.Add(std::move(request), events); });
    const bool written = engine.LastResult > 0;
    const bool added = written && !QFile::exists(copy.path);
    const std::string &oldName = copy.storedName;
    if (added && !oldName.empty() && !addedName.empty() && oldName != addedName)
        runInFrame(session, parent, [&](orvex::ComponentEvents &events) {
            orvex::DeleteRequest removal = engine.deleteRequest();
            removal.specs = {oldName};
            engine.Delete(std::move(removal), events);
        });
    // Re-reading the archive refills the grid, whether the add worked or not.
    try {
        session.readMembers(engine.ZipFilename());
    } catch (const EReadCancelled &) {
        // The user stopped the refresh; the write-back itself is done.
        if (session.operationFrame().OnListingOutOfDate)
            session.operationFrame().OnListingOutOfDate();
    }
    return written;
}

void editMember(ArchiveSession &session, QWidget *parent, TF_Editform &editor)
{
    HeldPassword password;
    const WorkingCopy copy = fetchMember(session, parent, &password.text);
    if (copy.folder().isEmpty())
        return;
    const QString &member = session.memberName;
    if (copy.isLink())
        return refuseLink(parent, member);
    if (!copy.exists())
        throw std::runtime_error(
            //: %1 is the member's name
            QCoreApplication::translate("member_commands", "Cannot open file \"%1\"").arg(member).toStdString());
    // Nothing goes back into an archive in a format we only read: the editor
    // shows the member and says why it cannot be changed.
    const bool readOnly = session.engine.ReadOnly();
    editor.setReadOnlyText(readOnly);
    editor.loadFromFile(copy.path());
    //: The editor's title; %1 is its caption for the member, %2 why the archive is read-only ("split", "tar.gz")
    editor.setCaption(
        readOnly ? QCoreApplication::translate("member_commands", "%1 (read-only: a %2 archive is not written)")
                       .arg(editor::fileCaption(member), session.readOnlyKind())
                 : editor::fileCaption(member));
    editor.Tag = readOnly ? TF_Editform::TagDiscard : TF_Editform::TagMember;
    // After the load, which counts as a change in the text control.
    editor.TextChanged = false;
    // The copy's own path is the editor's current file, so that Save and
    // the close step write the copy wherever its folder lies.
    editor.OpenDialog.FileName = copy.path();
    editor.SaveDialog.FileName = member;
    editor.MemberPath = copy.path();
    editor.exec();
    // The copy holds the user's text until it is in the archive or the user
    // lets it go: a write-back that fails (a busy or read-only archive, a
    // full disk, encryption declined) brings the editor back with it. A
    // quit the user confirmed during the write-back ends it.
    const EditedCopy edited{member, session.memberStoredName, copy.folder(), editor.MemberPath};
    while (editor.Tag == TF_Editform::TagUpdate && !writeBack(session, parent, edited, password.text)
           && !session.operationFrame().closeRequested()) {
        platform::warningBox(parent, notWrittenBackText(session));
        editor.Tag = TF_Editform::TagMember;
        editor.TextChanged = true;
        editor.exec();
    }
}

void executeMember(ArchiveSession &session, QWidget *parent)
{
    const WorkingCopy copy = fetchMember(session, parent);
    if (!copy.exists())
        return;
    if (copy.isLink())
        return refuseLink(parent, session.memberName);
    // Copies are written without execute bits; this command is the one that
    // runs a member, on purpose, so its copy alone gets them.
    QFile::setPermissions(copy.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The result does not matter: a member that is no program fails quietly.
    // It runs in its copy's folder; ours stays where it is. Until it ends the
    // commands wait, as for an operation, and quitting asks it to end.
    OperationFrame &frame = session.operationFrame();
    const OperationFrame::Running running(frame);
    platform::RunProgram(copy.path(), {}, platform::ShowNormal, true, copy.folder(),
                         [&frame] { return frame.closeRequested(); });
}

}  // namespace member_commands
