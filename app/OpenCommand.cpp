#include "app/OpenCommand.h"

#include "app/MemberCommands.h"
#include "controls/SortableGrid.h"
#include "platform/Prompts.h"

#include <QFileInfo>
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
    if (!member_commands::fetchMember(session, parent))
        return;
    const QString path = member_commands::workingCopyOf(session);
    // The stale copy was removed before the extraction: no file, no member.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    // Without an application for the type, the desktop does nothing: say so.
    if (!platform::prompts().openWithDefaultApplication(path))
        platform::warningBox(parent, QStringLiteral("No application is set up to open ") + path);
}

void attachToGrid(TSortableGrid &grid, std::function<void()> open)
{
    grid.installEventFilter(new EnterKey(grid, open));
    QObject::connect(&grid, &QAbstractItemView::doubleClicked, &grid, [open](const QModelIndex &) { open(); });
}

}  // namespace open_command
