#include "app/Mainform.h"

#include <algorithm>
#include <unordered_set>

#include "app/AddCommand.h"
#include "app/DragOut.h"
#include "app/DropAdd.h"
#include "app/ExtractCommand.h"
#include "app/ListingText.h"
#include "app/MemberCommands.h"
#include "app/OpenCommand.h"
#include "app/OperationFrame.h"
#include "app/RecentArchives.h"
#include "app/ToolbarPanel.h"
#include "controls/CaptionHost.h"
#include "controls/GradCaption.h"
#include "dialogs/AboutForm.h"
#include "dialogs/AddForm.h"
#include "dialogs/EditForm.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/MsgForm.h"
#include "dialogs/StatusForm.h"
#include "controls/SortableGrid.h"
#include "platform/Locale.h"
#include "platform/Palette.h"
#include "platform/Prompts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QUrl>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct ToolbarButtonDesign {
    const char *name;
    int left;
    const char *icon;
    const char *toolTip;
    void (TMainform::*handler)();
};

// The gaps group the buttons: archive file, member, archive contents, quit.
const ToolbarButtonDesign toolbarButtons[] = {
    {"BU_New", 0, ":/icons/new.svg", "Create new Zipfile", &TMainform::BU_NewClick},
    {"BU_Open", 39, ":/icons/open.svg", "Open existing Zipfile", &TMainform::BU_OpenClick},
    {"BU_Delete", 78, ":/icons/delete-archive.svg", "Delete existing Zipfile", &TMainform::BU_DeleteClick},
    {"BU_Execute", 137, ":/icons/execute.svg", "Execute selected file", &TMainform::Executefile1Click},
    {"BU_Edit", 176, ":/icons/edit.svg", "Edit selected file", &TMainform::Viewfile1Click},
    {"BU_Extract", 236, ":/icons/extract.svg", "Extract file(s) from Zipfile", &TMainform::BU_ExtractClick},
    {"BU_Add", 275, ":/icons/add.svg", "Add file(s) to Zipfile", &TMainform::BU_AddClick},
    {"BU_DeleteFile", 314, ":/icons/delete-members.svg", "Delete file(s) from Zipfile", &TMainform::BU_DeleteFileClick},
    {"BU_Exit", 408, ":/icons/quit.svg", "Quit Orvex 97", &TMainform::BU_ExitClick},
};

const int columnWidths[] = {150, 84, 84, 120};

// Every archive path is made absolute where it enters, so that nothing
// depends on the current directory of the process.
QString absoluteArchivePath(const QString &name)
{
    return QFileInfo(name).absoluteFilePath();
}

// A file manager may hand over a file:// URL instead of a path.
QString archivePathOfArgument(const QString &argument)
{
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return argument;
}

const char *const GeometryKey = "mainWindow/geometry";

// The system's reason why `path` could not be deleted, or empty when it was.
QString removeFile(const QString &path)
{
    QFile file(path);
    return file.remove() ? QString() : file.errorString();
}

// Matches .zip in any case, as the archive dialogs did on a case-blind file
// system; an archive under another name is still one choice away.
const char *const ZipFilesFilter = "ZIP Files (*.[zZ][iI][pP]);;All files (*)";

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
    setWindowTitle(QStringLiteral(" "));
    setFont(platform::uiFont(10));
    resize(OuterWidth, OuterHeight);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Panel2 = new ToolbarPanel(central);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    layout->addWidget(Panel2);
    StringGrid1 = new TSortableGrid(central);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    layout->addWidget(StringGrid1, 1);
    setCentralWidget(central);

    buildToolbar();
    buildMenu();
    buildStatusBar();
    buildCaptionBar();

    ZipEngine1.OnDirUpdate = [this](TZipEngine &sender) { ZipEngine1DirUpdate(sender); };
    ZipEngine1.OnMessage = [this](TZipEngine &sender, int errCode, const std::string &message) {
        ZipEngine1Message(sender, errCode, message);
    };
    ZipEngine1.OnProgress = [this](TZipEngine &sender, ProgressType type, const std::string &name, int32_t size) {
        ZipEngine1Progress(sender, type, name, size);
    };
    ZipEngine1.MessageSink = [this](const std::string &text) {
        // Another writer holds the archive: the add or delete did not run.
        if (text == TZipEngine::ArchiveBusyText)
            platform::warningBox(this, QString::fromStdString(text));
        else
            platform::plainBox(this, QString::fromStdString(text));
    };

    FormCreate();
    StringGrid1->setFocus();

    setAcceptDrops(true);
    dragOut_ = std::make_unique<DragOut>(*this);
    StringGrid1->OnStartDrag = [this](TSortableGrid *) { command([this] { dragOut_->start(); }); };
    open_command::attachToGrid(*StringGrid1, [this] { OpenWithDefault1Click(); });

    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // Where the user left it last time, if anywhere.
    if (const QByteArray geometry = settings_->value(QLatin1String(GeometryKey)).toByteArray(); !geometry.isEmpty())
        restoreGeometry(geometry);
}

TMainform::~TMainform()
{
    ZipEngine1.OnDirUpdate = nullptr;
    ZipEngine1.OnMessage = nullptr;
    ZipEngine1.OnProgress = nullptr;
    ZipEngine1.MessageSink = nullptr;
}

void TMainform::attachWindows(TMsgform *messageWindow, TF_status *statusWindow, TF_About *aboutBox)
{
    Msgform = messageWindow;
    F_status = statusWindow;
    F_About = aboutBox;
    frame_ = std::make_unique<OperationFrame>(this, ZipEngine1, *Msgform, *F_status,
                                              [this] { return ShowMsg->isChecked(); });
    frame_->OnRunningChanged = [this](bool running) {
        setCommandsEnabled(!running);
        // Queued: the operation's caller finishes before the window goes.
        if (!running && frame_->closeRequested())
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    };
    auto cancel = [this] { return frame_->requestCancel(); };
    Msgform->OnCancelRequest = cancel;
    F_status->OnCancelRequest = cancel;
}

void TMainform::buildToolbar()
{
    for (const auto &design : toolbarButtons) {
        QToolButton *button = Panel2->addButton(QString::fromLatin1(design.name), design.left,
                                                QString::fromLatin1(design.icon),
                                                QString::fromLatin1(design.toolTip));
        connect(button, &QToolButton::clicked, this, design.handler);
    }
}

void TMainform::buildMenu()
{
    auto addItem = [this](QMenu *menu, const char *objectName, const char *caption,
                          const QKeySequence &shortcut, void (TMainform::*handler)()) {
        QAction *action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(objectName));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    addItem(file, "Newarchive1", "&New archive", {}, &TMainform::Newarchive1Click);
    addItem(file, "Openarchive1", "&Open archive", {}, &TMainform::Openarchive1Click);
    addItem(file, "Delete2", "&Delete archive", {}, &TMainform::Delete2Click);
    file->addSeparator()->setObjectName(QStringLiteral("N1"));
    exitAction_ = addItem(file, "Exit1", "&Exit", {}, &TMainform::BU_ExitClick);
    fileMenu_ = file;
    // Another window of the program may have opened archives since.
    connect(file, &QMenu::aboutToShow, this, &TMainform::refreshRecentArchives);
    refreshRecentArchives();

    QMenu *actions = menuBar()->addMenu(QStringLiteral("&Actions"));
    actions->setObjectName(QStringLiteral("Actions1"));
    addItem(actions, "Add1", "&Add", QKeySequence(Qt::CTRL | Qt::Key_A), &TMainform::BU_AddClick);
    addItem(actions, "Extract1", "&Extract ", QKeySequence(Qt::CTRL | Qt::Key_E), &TMainform::BU_ExtractClick);
    addItem(actions, "Delete1", "&Delete", QKeySequence(Qt::CTRL | Qt::Key_D), &TMainform::BU_DeleteFileClick);
    actions->addSeparator()->setObjectName(QStringLiteral("N2"));
    addItem(actions, "Executefile1", "Execute file", QKeySequence(Qt::CTRL | Qt::Key_F9),
            &TMainform::Executefile1Click);
    addItem(actions, "Viewfile1", "Edit file", QKeySequence(Qt::Key_F4), &TMainform::Viewfile1Click);
    addItem(actions, "OpenWithDefault1", "&Open with default application", {}, &TMainform::OpenWithDefault1Click);

    QMenu *window = menuBar()->addMenu(QStringLiteral("&Window"));
    window->setObjectName(QStringLiteral("Window1"));
    ShowMsg = addItem(window, "ShowMsg", "&Show compress status", {}, &TMainform::ShowMsgClick);
    ShowMsg->setCheckable(true);  // the menu toggles the mark itself
    ShowMsg->setChecked(false);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("About1"));
    addItem(help, "About2", "&About...", {}, &TMainform::About2Click);
}

void TMainform::buildCaptionBar()
{
    GradientCaption1 = installCaptionBar(this);
    GradientCaption1->setObjectName(QStringLiteral("GradientCaption1"));
    GradientCaption1->CompanyText()->setCaption(QStringLiteral("Orvex 97"));
    GradientCaption1->CompanyText()->setFontKind(fkSystemBI);
    GradientCaption1->AppNameText()->setCaption(QStringLiteral("by Tolvane"));
    GradientCaption1->AppNameText()->setFontKind(fkSystemB);
    GradientCaption1->CaptionText()->setCaption(QStringLiteral(" "));
    GradientCaption1->CaptionText()->setFontKind(fkSystem);
}

void TMainform::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(19);
    bar->setSizeGripEnabled(true);
    const char *texts[2] = {"Zip filename:", "None"};
    const int widths[2] = {70, 100};
    for (int i = 0; i < 2; ++i) {
        auto *panel = new QLabel(QString::fromLatin1(texts[i]), bar);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(widths[i]);
        if (i == 0)
            panel->setFixedWidth(widths[i]);
        panel->setTextFormat(Qt::PlainText);
        // The path panel takes the rest of the bar, so that a long path stays readable.
        bar->addWidget(panel, i == 1 ? 1 : 0);
        statusPanels_[i] = panel;
    }
}

void TMainform::FormCreate()
{
    StringGrid1->setFont(platform::uiFont(11));
    QPalette palette = StringGrid1->palette();
    palette.setColor(QPalette::Text, Qt::black);
    StringGrid1->setPalette(palette);
    StringGrid1->setDefaultRowHeight(18);
    StringGrid1->setOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                         goRangeSelect, goRowSelect, goColSizing, goThumbTracking});

    StringGrid1->setFixedRows(1);
    StringGrid1->setRowCount(2);
    StringGrid1->setColCount(4);
    const QStringList titles = listingTitles();
    for (int c = 0; c < 4; ++c) {
        StringGrid1->setCells(c, 0, titles[c]);
        StringGrid1->setColWidths(c, columnWidths[c]);
    }
}

void TMainform::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Queued, so that the window is on the screen before a read error's box.
    if (!commandLineApplied_)
        QMetaObject::invokeMethod(this, [this] { guarded([this] { FormActivate(); }); }, Qt::QueuedConnection);
}

void TMainform::closeEvent(QCloseEvent *event)
{
    // The library must return before the program ends: the close waits for
    // the cancelled operation, which closes the window again.
    if (frame_ && frame_->isRunning()) {
        event->ignore();
        frame_->requestClose();
        return;
    }
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    settings_->setValue(QLatin1String(GeometryKey), saveGeometry());
    // The program ends with its main window: no other window stays behind.
    for (QWidget *window : std::initializer_list<QWidget *>{Msgform, F_status, F_About, F_Editform, AddForm, Extract})
        if (window)
            window->hide();
}

void TMainform::dragEnterEvent(QDragEnterEvent *event)
{
    if (drop_add::accepts(*this, event->mimeData(), event->source()))
        event->acceptProposedAction();
}

void TMainform::dragMoveEvent(QDragMoveEvent *event)
{
    if (drop_add::accepts(*this, event->mimeData(), event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TMainform::dropEvent(QDropEvent *event)
{
    if (!drop_add::accepts(*this, event->mimeData(), event->source())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Queued: the file manager waits until the drop returns, not for the add.
    QMetaObject::invokeMethod(
        this,
        [this, paths = drop_add::localPaths(*event->mimeData())] {
            command([&] { drop_add::addDropped(*this, paths, [this] { newArchive(false); }); });
        },
        Qt::QueuedConnection);
}

void TMainform::FormActivate()
{
    // Applied once: re-reading the command-line archive on every activation would
    // replace an archive the user has opened since.
    if (commandLineApplied_)
        return;
    commandLineApplied_ = true;
    if (arguments_.size() != 1)
        return;
    setCurrentArchive(absoluteArchivePath(archivePathOfArgument(arguments_.front())));
}

void TMainform::setCurrentArchive(const QString &name)
{
    setStatusPanel(1, name);
    try {
        ZipEngine1.setZipFilename(QFile::encodeName(name).toStdString());
    } catch (...) {
        // The component keeps the members read before the failure; showing the
        // previous archive's rows under this name would let a command act on
        // this file with another archive's names.
        try {
            FillGrid();
        } catch (...) {
        }
        throw;
    }
    // A new archive counts once it exists; one that cannot be read not at all.
    if (QFileInfo(name).isFile()) {
        RecentArchives(*settings_).opened(name);
        refreshRecentArchives();
    }
}

void TMainform::refreshRecentArchives()
{
    for (QAction *action : std::as_const(recentActions_))
        delete action;
    recentActions_.clear();
    const QStringList paths = RecentArchives(*settings_).paths();
    for (int i = 0; i < paths.size(); ++i) {
        // "&&": a path's own ampersands are not shortcuts.
        QString caption = QStringLiteral("&%1 %2").arg(i + 1).arg(QString(paths[i]).replace(u'&', QLatin1String("&&")));
        auto *action = new QAction(caption, fileMenu_);
        action->setObjectName(QStringLiteral("Recent%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, path = paths[i]] { openRecentArchive(path); });
        fileMenu_->insertAction(exitAction_, action);
        recentActions_.append(action);
    }
    if (!paths.isEmpty()) {
        QAction *separator = new QAction(fileMenu_);
        separator->setSeparator(true);
        fileMenu_->insertAction(exitAction_, separator);
        recentActions_.append(separator);
    }
    // While an operation runs, nothing else may be opened.
    for (QAction *action : std::as_const(recentActions_))
        action->setEnabled(!frame_ || !frame_->isRunning());
}

void TMainform::openRecentArchive(const QString &path)
{
    command([this, path] {
        if (!QFileInfo(path).isFile()) {
            RecentArchives(*settings_).forget(path);
            refreshRecentArchives();
            platform::warningBox(this, QStringLiteral("Zipfile not found: ") + path
                                           + QStringLiteral(". It is no longer listed under File."));
            return;
        }
        openDialogFileName_ = path;
        setCurrentArchive(path);
    });
}

void TMainform::ZipEngine1DirUpdate(TZipEngine &)
{
    FillGrid();
}

void TMainform::FillGrid()
{
    ListingCellTexts cells(platform::RegionalSettings::current());
    const int count = ZipEngine1.EntryCount();
    std::vector<GridRow> rows(std::size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const ArchiveEntry &entry = ZipEngine1.Entries(i);
        // The row remembers its member, so that a name chosen in the grid finds
        // the stored bytes again after sorting.
        rows[std::size_t(i)] = GridRow{{listingName(entry), reinterpret_cast<void *>(intptr_t(i) + 1)},
                                       {cells.size(entry.TruePackedSize), nullptr},
                                       {cells.size(entry.TrueUnpackedSize), nullptr},
                                       {cells.dateTime(entry.DosDateTime()), nullptr}};
    }
    // One step: the view is reset once, however many members there are.
    StringGrid1->AssignDataRows(std::move(rows));
}

void TMainform::setStatusPanel(int panel, const QString &text)
{
    statusPanels_[panel]->setText(text);
}

QString TMainform::statusPanelText(int panel) const
{
    return statusPanels_[panel]->text();
}

QToolButton *TMainform::toolButton(const QString &objectName) const
{
    return Panel2->findChild<QToolButton *>(objectName);
}

QAction *TMainform::menuAction(const QString &objectName) const
{
    return menuBar()->findChild<QAction *>(objectName);
}

void TMainform::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        platform::applicationErrorBox(this, QString::fromUtf8(error.what()));
    }
}

void TMainform::command(const std::function<void()> &handler)
{
    if (frame_ && frame_->isRunning())
        return;
    guarded(handler);
}

void TMainform::setCommandsEnabled(bool enabled)
{
    // Exit and About stay: closing cancels the operation.
    for (const char *name : {"BU_New", "BU_Open", "BU_Delete", "BU_Execute", "BU_Edit", "BU_Extract", "BU_Add",
                             "BU_DeleteFile"})
        if (QToolButton *button = toolButton(QString::fromLatin1(name)))
            button->setEnabled(enabled);
    for (const char *name : {"Newarchive1", "Openarchive1", "Delete2", "Add1", "Extract1", "Delete1",
                             "Executefile1", "Viewfile1", "OpenWithDefault1", "ShowMsg"})
        if (QAction *action = menuAction(QString::fromLatin1(name)))
            action->setEnabled(enabled);
    // Sorting or selecting would change which members the rows name.
    StringGrid1->setEnabled(enabled);
}

void TMainform::ZipEngine1Message(TZipEngine &, int errCode, const std::string &message)
{
    if (frame_)
        frame_->message(errCode, QString::fromStdString(message));
}

void TMainform::ZipEngine1Progress(TZipEngine &, ProgressType type, const std::string &fileName, int32_t fileSize)
{
    if (frame_)
        frame_->progress(type, QString::fromStdString(fileName), fileSize);
}

std::vector<std::string> TMainform::selectedNames() const
{
    std::vector<std::string> names;
    std::unordered_set<std::string> chosen, folders;
    auto choose = [&](std::string name) {
        if (!name.empty() && name.back() == '/')
            folders.insert(name);
        if (chosen.insert(name).second)
            names.push_back(std::move(name));
    };
    const TGridRect selection = StringGrid1->Selection();
    // The title row is no member.
    for (int row = std::max(selection.Top, StringGrid1->FixedRows()); row <= selection.Bottom; ++row) {
        const QString text = StringGrid1->Cells(0, row);
        const auto tag = reinterpret_cast<intptr_t>(StringGrid1->Objects(0, row));
        const int index = int(tag) - 1;
        // The stored bytes, unless the member list has changed under the grid
        // (a failed read leaves the grid as it was).
        if (index >= 0 && index < ZipEngine1.EntryCount()
            && listingName(ZipEngine1.Entries(index)) == text)
            choose(ZipEngine1.Entries(index).FileName);
        else
            choose(text.toStdString());
    }
    if (folders.empty())
        return names;
    // A folder row stands for the folder and everything under it.
    for (int i = 0; i < ZipEngine1.EntryCount(); ++i) {
        const std::string &name = ZipEngine1.Entries(i).FileName;
        for (size_t slash = name.find('/'); slash != std::string::npos && slash + 1 < name.size();
             slash = name.find('/', slash + 1)) {
            if (folders.count(name.substr(0, slash + 1))) {
                choose(name);
                break;
            }
        }
    }
    return names;
}

bool TMainform::isFolderName(const std::string &name)
{
    return !name.empty() && name.back() == '/';
}

void TMainform::resetGrid()
{
    StringGrid1->Clear();
    StringGrid1->setRowCount(2);
    StringGrid1->setFixedRows(1);
    StringGrid1->setColCount(4);
    const QStringList titles = listingTitles();
    for (int c = 0; c < 4; ++c) {
        StringGrid1->setCells(c, 0, titles[c]);
        StringGrid1->setColWidths(c, columnWidths[c]);
    }
}

void TMainform::newArchive(bool resetTheGrid)
{
    platform::FileDialogOptions options;
    options.title = QStringLiteral("Create New ZIP File");
    options.filter = QString::fromLatin1(ZipFilesFilter);
    options.fileName = openDialogFileName_;
    options.directory = QFileInfo(openDialogFileName_).absolutePath();
    options.mustExist = false;
    QString name = platform::prompts().openFileName(this, options);
    if (name.isEmpty())
        return;
    if (!name.toLower().contains(QStringLiteral(".zip")))
        name += QStringLiteral(".zip");
    name = absoluteArchivePath(name);
    openDialogFileName_ = name;
    if (QFileInfo::exists(name) || QFileInfo(name).isSymLink()) {
        if (!platform::confirmBox(this, QStringLiteral("Overwrite Existing File: ") + name + QStringLiteral("?"),
                                  platform::DefaultAnswer::No))
            return;
        // An old file that stays would be read again and the next add would
        // merge into it.
        if (const QString reason = removeFile(name); !reason.isEmpty()) {
            platform::warningBox(this, QStringLiteral("Cannot delete ") + name + QStringLiteral(": ") + reason);
            return;
        }
    }
    if (resetTheGrid)
        resetGrid();
    setCurrentArchive(name);
}

void TMainform::openArchive()
{
    platform::FileDialogOptions options;
    options.title = QStringLiteral("Open Existing ZIP File");
    options.filter = QString::fromLatin1(ZipFilesFilter);
    options.fileName = openDialogFileName_;
    options.directory = QFileInfo(openDialogFileName_).absolutePath();
    options.mustExist = true;
    QString name = platform::prompts().openFileName(this, options);
    if (name.isEmpty())
        return;
    name = absoluteArchivePath(name);
    openDialogFileName_ = name;
    setCurrentArchive(name);
}

void TMainform::deleteArchive()
{
    const QString path = statusPanelText(1);
    if (!QFileInfo(path).isFile()) {
        platform::warningBox(this, QStringLiteral("Zipfile not found: ") + path);
        return;
    }
    if (!platform::confirmBox(this, QStringLiteral("Are you sure you want to delete: ") + path + QStringLiteral("?"),
                              platform::DefaultAnswer::No))
        return;
    if (const QString reason = removeFile(path); !reason.isEmpty()) {
        platform::warningBox(this, QStringLiteral("Cannot delete ") + path + QStringLiteral(": ") + reason);
        return;
    }
    RecentArchives(*settings_).forget(path);
    refreshRecentArchives();
    setStatusPanel(1, QStringLiteral("<none>"));
    StringGrid1->setRowCount(1);
    // No archive is current any more: an add must not re-create the deleted
    // file, nor another command act on it.
    ZipEngine1.setZipFilename(std::string());
}

void TMainform::BU_NewClick()
{
    command([this] { newArchive(true); });
}

void TMainform::Newarchive1Click()
{
    command([this] { newArchive(false); });
}

void TMainform::BU_OpenClick()
{
    command([this] { openArchive(); });
}

void TMainform::Openarchive1Click()
{
    command([this] { openArchive(); });
}

void TMainform::BU_DeleteClick()
{
    command([this] { deleteArchive(); });
}

void TMainform::Delete2Click()
{
    command([this] { deleteArchive(); });
}

void TMainform::BU_DeleteFileClick()
{
    command([this] {
        if (StringGrid1->RowCount() < 2) {
            platform::warningBox(this, QStringLiteral("Error :No file(s) to delete"));
            return;
        }
        const QString archive = QString::fromStdString(ZipEngine1.ZipFilename());
        const std::vector<std::string> names = selectedNames();
        const bool folders = std::any_of(names.begin(), names.end(), isFolderName);
        // With a folder the user may not see how much goes: the count says it.
        const QString question = folders ? QStringLiteral("Delete %1 members (the selected folders with everything "
                                                          "in them) from: %2?")
                                               .arg(names.size())
                                               .arg(archive)
                                         : QStringLiteral("Delete selected files from: ") + archive + QStringLiteral("?");
        if (!platform::confirmBox(this, question, platform::DefaultAnswer::No))
            return;
        ZipEngine1.FileSpecs = names;
        if (ZipEngine1.FileSpecs.empty()) {
            platform::warningBox(this, QStringLiteral("Error :No file(s) selected"));
            return;
        }
        const OperationTexts texts{QStringLiteral("Deleting file(s)"), QStringLiteral("Beginning delete from ") + archive,
                                   QStringLiteral("Fatal error trying to delete"),
                                   QStringLiteral(" file(s) were Deleted")};
        frame_->run(texts, [this] { ZipEngine1.Delete(); });
    });
}

void TMainform::BU_ExitClick()
{
    close();
}

void TMainform::ShowMsgClick()
{
    // The checkable menu item has toggled its mark already; the next
    // operation reads it.
}

void TMainform::About2Click()
{
    F_About->exec();
}

// The add, extract and member commands live with their dialogs' code.
void TMainform::BU_AddClick()
{
    command([this] {
        if (AddForm)
            AddCommand::run(*this, *AddForm);
    });
}

void TMainform::BU_ExtractClick()
{
    command([this] {
        if (Extract)
            runExtractCommand(*this, *Extract);
    });
}

void TMainform::Executefile1Click()
{
    command([this] { member_commands::executeMember(*this); });
}

void TMainform::OpenWithDefault1Click()
{
    command([this] { open_command::openMember(*this); });
}

void TMainform::Viewfile1Click()
{
    command([this] {
        if (F_Editform)
            member_commands::editMember(*this, *F_Editform);
    });
}
