#include "app/OpenCommand.h"

#include "app/MemberCommands.h"
#include "app/ProgramCheck.h"
#include "app/Session.h"
#include "controls/SortableGrid.h"
#include "platform/Prompts.h"

#include <QKeyEvent>

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

}  // namespace

void openMember(ArchiveSession &session, QWidget *parent)
{
    WorkingCopy copy = member_commands::fetchMember(session, parent);
    // Not written: the extraction has said why.
    if (!copy.exists())
        return;
    if (copy.isLink())
        return member_commands::refuseLink(parent, session.memberName);
    if (const auto kind = program_check::programKind(copy.path()); kind != program_check::ProgramKind::None)
        return platform::warningBox(parent, program_check::refusalText(session.memberName, kind));
    // Without an application for the type, the desktop does nothing: say so.
    if (!platform::prompts().openWithDefaultApplication(copy.path()))
        return platform::warningBox(parent, QStringLiteral("No application is set up to open ") + copy.path());
    // The application may read the copy long after this returns.
    copy.keepUntilExit();
}

void attachToGrid(TSortableGrid &grid, std::function<void()> open)
{
    grid.installEventFilter(new EnterKey(grid, open));
    QObject::connect(&grid, &QAbstractItemView::doubleClicked, &grid, [open](const QModelIndex &) { open(); });
}

}  // namespace open_command
