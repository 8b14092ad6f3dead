#include "app/OpenCommand.h"

#include "app/ExternalEditWatch.h"
#include "app/MemberCommands.h"
#include "app/ProgramCheck.h"
#include "app/Session.h"
#include "controls/SortableGrid.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>
#include <optional>
#include <utility>

namespace open_command {

namespace {

// Takes Enter before the grid sees it: the view would only pass it on.
class EnterKey : public QObject {
public:
    EnterKey(TSortableGrid &grid, std::function<void()> open) : QObject(&grid), grid_(grid), open_(std::move(open)) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || grid_.EditorMode())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        open_();
        return true;
    }

private:
    TSortableGrid &grid_;
    std::function<void()> open_;
};

// The member's copy, fetched and checked as both open commands need it;
// nothing when it is not to be opened (the box has said why).
std::optional<WorkingCopy> fetchToOpen(ArchiveSession &session, QWidget *parent, std::string &password)
{
    WorkingCopy copy = member_commands::fetchMember(session, parent, &password);
    // Not written: the extraction has said why.
    if (!copy.exists())
        return std::nullopt;
    if (copy.isLink()) {
        member_commands::refuseLink(parent, session.memberName);
        return std::nullopt;
    }
    if (const auto kind = program_check::programKind(copy.path()); kind != program_check::ProgramKind::None) {
        platform::warningBox(parent, program_check::refusalText(session.memberName, kind));
        return std::nullopt;
    }
    return copy;
}

// The other program may save its changes to the copy: they are offered back
// to the archive, unless it is one we only read. Else the copy stays until
// the program ends, since that program may read it long after this returns.
void watchForChanges(ArchiveSession &session, QWidget *parent, WorkingCopy copy, std::string &password)
{
    if (session.engine.ReadOnly())
        return copy.keepUntilExit();
    ExternalEditWatch::Member member{session.archivePath(), session.memberName, session.memberStoredName,
                                     std::exchange(password, std::string())};
    session.externalEdits().watch(
        std::move(copy), std::move(member), parent,
        [&session, parent](const ExternalEditWatch::Member &edited, const QString &folder, const QString &path) {
            // Never into another archive than the member's.
            if (session.archivePath() != edited.archive)
                return false;
            return member_commands::writeBack(session, parent, {edited.name, edited.storedName, folder, path},
                                              edited.password);
        });
}

// Wiped however the command ends.
struct PasswordWipe {
    std::string text;
    ~PasswordWipe() { std::fill(text.begin(), text.end(), '\0'); }
};

}  // namespace

void openMember(ArchiveSession &session, QWidget *parent)
{
    PasswordWipe password;
    std::optional<WorkingCopy> copy = fetchToOpen(session, parent, password.text);
    if (!copy)
        return;
    // Watched from before the hand-over: a program that saves at once is
    // seen too.
    const QString path = copy->path();
    watchForChanges(session, parent, std::move(*copy), password.text);
    // Without an application for the type, the desktop does nothing: say so.
    if (!platform::prompts().openWithDefaultApplication(path)) {
        session.externalEdits().forget(path);
        return platform::warningBox(
            parent,
            //: %1 is the path of the member's copy
            QCoreApplication::translate("open_command", "No application is set up to open %1").arg(path));
    }
}

void openMemberWith(ArchiveSession &session, QWidget *parent)
{
    PasswordWipe password;
    std::optional<WorkingCopy> copy = fetchToOpen(session, parent, password.text);
    if (!copy)
        return;
    const std::vector<platform::DesktopApplication> applications = platform::applicationsFor(
        platform::mimeTypesOf(copy->path()), platform::dataDirectories(), platform::configDirectories());
    const QString chosen = platform::prompts().chooseApplication(parent, session.memberName, applications);
    if (chosen.trimmed().isEmpty())
        return;
    const QStringList command = platform::commandLine(chosen, copy->path());
    if (command.isEmpty())
        return platform::warningBox(
            parent,
            //: %1 is the command line the user chose
            QCoreApplication::translate("open_command", "This command cannot be started: %1").arg(chosen));
    const QString path = copy->path(), folder = copy->folder();
    watchForChanges(session, parent, std::move(*copy), password.text);
    // It runs in the copy's folder; ours stays where it is.
    if (!platform::prompts().startApplication(command, folder)) {
        session.externalEdits().forget(path);
        return platform::warningBox(
            parent,
            //: %1 is the command line the user chose
            QCoreApplication::translate("open_command", "This command cannot be started: %1").arg(chosen));
    }
}

void attachToGrid(TSortableGrid &grid, std::function<void()> open)
{
    grid.installEventFilter(new EnterKey(grid, open));
    QObject::connect(&grid, &QAbstractItemView::doubleClicked, &grid, [open](const QModelIndex &) { open(); });
}

}  // namespace open_command
