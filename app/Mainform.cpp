#include "app/Mainform.h"

// The main window's making, its events, and the glue from its commands to
// the session's. The toolbar and menus are in MainformChrome.cpp, the grid in
// MainformListing.cpp, the archive file commands in MainformArchive.cpp.

#include "app/AddCommand.h"
#include "app/CommentCommand.h"
#include "app/DragOut.h"
#include "app/DropAdd.h"
#include "app/ExtractCommand.h"
#include "app/GridSelection.h"
#include "app/MemberCommands.h"
#include "app/OpenCommand.h"
#include "app/OperationFrame.h"
#include "app/PlainWords.h"
#include "app/PropertiesCommand.h"
#include "app/RenameCommand.h"
#include "app/SaveAsCommand.h"
#include "app/TestCommand.h"
#include "app/ToolbarPanel.h"
#include "controls/CaptionParts.h"
#include "controls/SortableGrid.h"
#include "dialogs/AboutForm.h"
#include "dialogs/AddForm.h"
#include "dialogs/EditForm.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/MsgForm.h"
#include "dialogs/StatusForm.h"
#include "platform/Palette.h"
#include "platform/Prompts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const char *const GeometryKey = "mainWindow/geometry";

}  // namespace

// The pictures are compiled into a static library, whose resources are not
// registered unless asked for.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

TMainform::TMainform(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), arguments_(arguments), settings_(std::make_unique<QSettings>())
{
    registerResources();
    setObjectName(QStringLiteral("Mainform"));
    // The caption bar draws the single blank the window has always had; task
    // bars and window lists read the window's title, which names the program
    // and the archive.
    setProperty(FormCaptionProperty, QStringLiteral(" "));
    setFont(platform::uiFont(10));
    resize(OuterWidth, OuterHeight);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolbar_ = new ToolbarPanel(central);
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    layout->addWidget(toolbar_);
    buildFolderActions();
    layout->addWidget(buildListingArea(central), 1);
    setCentralWidget(central);

    buildToolbar();
    buildMenu();
    buildStatusBar();
    buildCaptionBar();

    selection_ = std::make_unique<GridSelection>(*listingGrid, listing_);
    session_.setListing(selection_.get());
    // A member's own comment is its row's tooltip.
    listingGrid->RowHint = [this](const TSortableGrid *, int row) {
        const ListedRow listed = selection_->rowAt(row);
        return listed.folder ? QString() : comment_command::memberComment(session_.engine, listed.entryIndex);
    };
    session_.OnArchiveChanged = [this] { showArchiveState(); };
    session_.OnArchiveChanged();
    session_.engine.OnDirUpdate = [this](TZipEngine &) {
        session_.listingOutOfDate = false;
        fillListing();
        rememberCurrentArchive();
        // The first add makes a new archive: it is no longer new.
        showArchiveState();
    };
    session_.engine.OnMembersRead = [this](TZipEngine &, std::span<const ArchiveEntry> members) {
        showMembersRead(members);
    };
    session_.engine.MessageSink = [this](const std::string &text) {
        // Another writer holds the archive: the add or delete did not run.
        if (text == TZipEngine::ArchiveBusyText)
            platform::warningBox(this, QString::fromStdString(text));
        else
            platform::plainBox(this, QString::fromStdString(text));
    };

    setUpGrid();
    restoreListingLayout();
    applyStoredView();
    listingGrid->setFocus();

    setAcceptDrops(true);
    dragOut_ = std::make_unique<DragOut>(session_, this, listingGrid);
    listingGrid->OnStartDrag = [this](TSortableGrid *) { command([this] { dragOut_->start(); }); };
    open_command::attachToGrid(*listingGrid, [this] { openWithDefaultCommand(); });
    buildListingMenu();
    connect(listingGrid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { showSelectionTotals(); });

    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // Where the user left it last time, if anywhere.
    if (const QByteArray geometry = settings_->value(QLatin1String(GeometryKey)).toByteArray(); !geometry.isEmpty())
        restoreGeometry(geometry);
}

TMainform::~TMainform()
{
    session_.OnArchiveChanged = nullptr;
    session_.engine.OnDirUpdate = nullptr;
    session_.engine.OnMembersRead = nullptr;
    session_.engine.MessageSink = nullptr;
    session_.setListing(nullptr);
}

void TMainform::attachWindows(TMsgform *messageWindow, TF_status *statusWindow, TF_About *aboutBox)
{
    messageWindow_ = messageWindow;
    statusWindow_ = statusWindow;
    aboutBox_ = aboutBox;
    auto frame = std::make_unique<OperationFrame>(this, session_.engine, *messageWindow_, *statusWindow_,
                                                  [this] { return showLogAction->isChecked(); });
    frame->OnRunningChanged = [this](bool running) {
        if (!running)
            dropMembersRead();
        setCommandsEnabled(!running);
        // Queued: the operation's caller finishes before the window goes.
        if (!running && session_.operationFrame().closeRequested())
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    };
    frame->OnListingOutOfDate = [this] {
        session_.listingOutOfDate = true;
        showArchiveState();
    };
    session_.setOperationFrame(std::move(frame));
    auto cancel = [this] { return session_.operationFrame().requestCancel(); };
    messageWindow_->OnCancelRequest = cancel;
    statusWindow_->OnCancelRequest = cancel;
}

void TMainform::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Queued, so that the window is on the screen before a read error's box.
    if (!commandLineApplied_)
        QMetaObject::invokeMethod(
            this, [this] { guarded([this] { applyCommandLineArchive(); }); }, Qt::QueuedConnection);
}

void TMainform::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    rememberWindowPlace();
}

void TMainform::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    rememberWindowPlace();
}

void TMainform::rememberWindowPlace()
{
    // Written as it changes (QSettings saves it at the next turn of the
    // event loop), so that a session ended by a signal keeps it too.
    if (isVisible())
        settings_->setValue(QLatin1String(GeometryKey), saveGeometry());
}

void TMainform::closeEvent(QCloseEvent *event)
{
    // The library must return before the program ends: the close waits for
    // the cancelled operation, which closes the window again.
    if (session_.operationRunning()) {
        event->ignore();
        // Asked once: the close that follows the cancelled operation goes on.
        if (!session_.operationFrame().closeRequested()
            && platform::confirmBox(this, tr("An operation is running. Stop it and quit?"),
                                    platform::DefaultAnswer::No))
            session_.operationFrame().requestClose();
        return;
    }
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    settings_->setValue(QLatin1String(GeometryKey), saveGeometry());
    saveListingLayout();
    // The program ends with its main window: no other window stays behind.
    for (QWidget *window : std::initializer_list<QWidget *>{messageWindow_, statusWindow_, aboutBox_, editor_,
                                                            addDialog_, extractDialog_})
        if (window)
            window->hide();
}

void TMainform::dragEnterEvent(QDragEnterEvent *event)
{
    if (drop_add::accepts(session_, this, event->mimeData(), event->source()))
        event->acceptProposedAction();
}

void TMainform::dragMoveEvent(QDragMoveEvent *event)
{
    if (drop_add::accepts(session_, this, event->mimeData(), event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TMainform::dropEvent(QDropEvent *event)
{
    if (!drop_add::accepts(session_, this, event->mimeData(), event->source())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Queued: the file manager waits until the drop returns, not for the add.
    QMetaObject::invokeMethod(
        this,
        [this, paths = drop_add::localPaths(*event->mimeData())] {
            command([&] { drop_add::addDropped(session_, this, addDialog_, paths, [this] { newArchive(); }); });
        },
        Qt::QueuedConnection);
}

void TMainform::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const EZipError &error) {
        // The numbered reading errors get a line in plain words under them.
        QString text = QString::fromUtf8(error.what());
        const QString plain = plain_words::readErrorLine(text, session_.archivePath(), session_.engine.EntryCount());
        if (!plain.isEmpty())
            text += QStringLiteral(".\n") + plain.chopped(1);
        platform::applicationErrorBox(this, text);
    } catch (const std::exception &error) {
        platform::applicationErrorBox(this, QString::fromUtf8(error.what()));
    }
}

void TMainform::command(const std::function<void()> &handler)
{
    if (session_.operationRunning())
        return;
    guarded(handler);
    focusListing();
}

void TMainform::focusListing()
{
    if (!isVisible() || (session_.hasOperationFrame() && session_.operationFrame().closeRequested()))
        return;
    activateWindow();
    listingGrid->setFocus(Qt::OtherFocusReason);
}

void TMainform::newArchiveFromToolbar()
{
    command([this] { newArchive(); });
}

void TMainform::newArchiveFromMenu()
{
    command([this] { newArchive(); });
}

void TMainform::openArchiveCommand()
{
    command([this] { openArchive(); });
}

void TMainform::deleteArchiveCommand()
{
    command([this] { deleteArchive(); });
}

void TMainform::saveAsCommand()
{
    command([this] {
        const int level = addDialog_ ? addDialog_->choices().level : session_.engine.AddCompLevel;
        save_as::run(session_, this, level, [this](const QString &path) {
            resetGrid();
            setCurrentArchive(path);
        });
    });
}

void TMainform::deleteMembersCommand()
{
    command([this] { deleteMembers(); });
}

void TMainform::renameMemberCommand()
{
    command([this] { runRenameCommand(session_, this); });
}

void TMainform::propertiesCommand()
{
    command([this] { archive_properties::show(session_, this); });
}

void TMainform::archiveCommentCommand()
{
    command([this] {
        comment_command::show(session_, this, [this](const std::string &bytes) {
            // After the window has closed and its signal returned: the write
            // runs an operation, with its own windows and event loop.
            QMetaObject::invokeMethod(
                this,
                [this, archive = session_.archivePath(), bytes] {
                    command([&] { comment_command::write(session_, archive, bytes); });
                },
                Qt::QueuedConnection);
        });
    });
}

void TMainform::quitCommand()
{
    close();
}

void TMainform::showLogToggled()
{
    // The checkable menu item has toggled its mark already; the next
    // operation reads it.
}

void TMainform::aboutCommand()
{
    aboutBox_->exec();
    focusListing();
}

void TMainform::helpContentsCommand()
{
    // Compiled in: found wherever the program runs from.
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(QUrl(QStringLiteral("qrc:/help/manual.html")), this);
    helpWindow_->showHelp();
}

// The add, extract and member commands act on the session.
void TMainform::addCommand()
{
    command([this] {
        if (addDialog_)
            AddCommand::run(session_, this, *addDialog_);
    });
}

void TMainform::extractCommand()
{
    command([this] {
        if (extractDialog_)
            runExtractCommand(session_, this, *extractDialog_);
    });
}

void TMainform::testCommand()
{
    command([this] { runTestCommand(session_, this); });
}

void TMainform::executeMemberCommand()
{
    command([this] { member_commands::executeMember(session_, this); });
}

void TMainform::openWithDefaultCommand()
{
    command([this] {
        // A folder row opens as a file manager opens a folder: the view goes in.
        if (!enterCurrentFolderRow())
            open_command::openMember(session_, this);
    });
}

void TMainform::openWithCommand()
{
    command([this] { open_command::openMemberWith(session_, this); });
}

void TMainform::editMemberCommand()
{
    command([this] {
        if (editor_)
            member_commands::editMember(session_, this, *editor_);
    });
}
