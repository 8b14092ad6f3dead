#include "app/Mainform.h"

// The main window's toolbar, menu, caption bar and status bar, and turning
// its commands on and off.

#include "app/NameCharsetChoice.h"
#include "app/OperationFrame.h"
#include "app/RecentArchives.h"
#include "app/ToolbarPanel.h"
#include "controls/CaptionHost.h"
#include "controls/GradCaption.h"
#include "controls/SortableGrid.h"
#include "controls/WindowFit.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeView>

namespace {

struct ToolbarButtonDesign {
    const char *name;
    int left;
    const char *icon;
    const char *toolTip;
    void (TMainform::*handler)();
};

// The gaps group the buttons: archive file, member, archive contents, quit.
// The tooltips are translated where the buttons are made.
const ToolbarButtonDesign ToolbarButtons[] = {
    {"newButton", 0, ":/icons/new.svg", QT_TRANSLATE_NOOP("TMainform", "Create new Zipfile"),
     &TMainform::newArchiveFromToolbar},
    {"openButton", 39, ":/icons/open.svg", QT_TRANSLATE_NOOP("TMainform", "Open existing Zipfile"),
     &TMainform::openArchiveCommand},
    {"deleteArchiveButton", 78, ":/icons/delete-archive.svg", QT_TRANSLATE_NOOP("TMainform", "Delete existing Zipfile"),
     &TMainform::deleteArchiveCommand},
    {"executeButton", 137, ":/icons/execute.svg", QT_TRANSLATE_NOOP("TMainform", "Execute selected file"),
     &TMainform::executeMemberCommand},
    {"editButton", 176, ":/icons/edit.svg", QT_TRANSLATE_NOOP("TMainform", "Edit selected file"),
     &TMainform::editMemberCommand},
    {"extractButton", 236, ":/icons/extract.svg", QT_TRANSLATE_NOOP("TMainform", "Extract file(s) from Zipfile"),
     &TMainform::extractCommand},
    {"addButton", 275, ":/icons/add.svg", QT_TRANSLATE_NOOP("TMainform", "Add file(s) to Zipfile"),
     &TMainform::addCommand},
    {"deleteMembersButton", 314, ":/icons/delete-members.svg",
     QT_TRANSLATE_NOOP("TMainform", "Delete file(s) from Zipfile"), &TMainform::deleteMembersCommand},
    {"quitButton", 408, ":/icons/quit.svg", QT_TRANSLATE_NOOP("TMainform", "Quit Orvex 97"), &TMainform::quitCommand},
};

}  // namespace

void TMainform::buildToolbar()
{
    for (const auto &design : ToolbarButtons) {
        QToolButton *button = toolbar_->addButton(QString::fromLatin1(design.name), design.left,
                                                  QString::fromLatin1(design.icon),
                                                  QCoreApplication::translate("TMainform", design.toolTip));
        connect(button, &QToolButton::clicked, this, design.handler);
    }
}

void TMainform::buildMenu()
{
    auto addItem = [this](QMenu *menu, const char *objectName, const QString &caption, const QKeySequence &shortcut,
                          void (TMainform::*handler)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(objectName));
        action->setShortcut(shortcut);
        if (handler)
            connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    addItem(file, "newArchiveAction", tr("&New archive"), {}, &TMainform::newArchiveFromMenu);
    addItem(file, "openArchiveAction", tr("&Open archive"), {}, &TMainform::openArchiveCommand);
    addItem(file, "deleteArchiveAction", tr("&Delete archive"), {}, &TMainform::deleteArchiveCommand);
    addItem(file, "saveAsAction", tr("Save &as…"), {}, &TMainform::saveAsCommand);
    addItem(file, "propertiesAction", tr("Propert&ies…"), {}, &TMainform::propertiesCommand);
    file->addSeparator()->setObjectName(QStringLiteral("fileSeparator"));
    exitAction_ = addItem(file, "exitAction", tr("&Exit"), {}, &TMainform::quitCommand);
    fileMenu_ = file;
    // Another window of the program may have opened archives since.
    connect(file, &QMenu::aboutToShow, this, &TMainform::refreshRecentArchives);
    refreshRecentArchives();

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    // Ctrl+A is Add's, as it has always been.
    addItem(edit, "selectAllAction", tr("Select &all"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
            &TMainform::selectAllCommand);
    addItem(edit, "invertSelectionAction", tr("&Invert selection"), QKeySequence(Qt::CTRL | Qt::Key_I),
            &TMainform::invertSelectionCommand);
    edit->addSeparator();
    addItem(edit, "copyNamesAction", tr("&Copy names"), QKeySequence::Copy, &TMainform::copyNamesCommand);

    QMenu *actions = menuBar()->addMenu(tr("&Actions"));
    actions->setObjectName(QStringLiteral("actionsMenu"));
    addItem(actions, "addAction", tr("&Add"), QKeySequence(Qt::CTRL | Qt::Key_A), &TMainform::addCommand);
    //: The trailing blank is the menu item's own, as it has always been.
    addItem(actions, "extractAction", tr("&Extract "), QKeySequence(Qt::CTRL | Qt::Key_E), &TMainform::extractCommand);
    addItem(actions, "testAction", tr("&Test archive"), {}, &TMainform::testCommand);
    QAction *deleteMembers = addItem(actions, "deleteMembersAction", tr("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_D),
                                     &TMainform::deleteMembersCommand);
    // The key every file list deletes with, beside the one the menu shows.
    deleteMembers->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_D), QKeySequence(Qt::Key_Delete)});
    addItem(actions, "renameAction", tr("&Rename…"), QKeySequence(Qt::Key_F2), &TMainform::renameMemberCommand);
    actions->addSeparator()->setObjectName(QStringLiteral("actionsSeparator"));
    addItem(actions, "executeAction", tr("Execute file"), QKeySequence(Qt::CTRL | Qt::Key_F9),
            &TMainform::executeMemberCommand);
    addItem(actions, "editAction", tr("Edit file"), QKeySequence(Qt::Key_F4), &TMainform::editMemberCommand);
    addItem(actions, "openWithDefaultAction", tr("&Open with default application"), {},
            &TMainform::openWithDefaultCommand);
    addItem(actions, "openWithAction", tr("Open &with…"), {}, &TMainform::openWithCommand);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    addFolderItemsToViewMenu(view);
    QMenu *names = view->addMenu(tr("Names from other systems"));
    names->setObjectName(QStringLiteral("nameCharsetMenu"));
    auto *nameGroup = new QActionGroup(names);
    nameGroup->setExclusive(true);
    session_.engine.NameCharset = name_charset::stored(*settings_);
    const QString chosen = name_charset::itemOfCharset(session_.engine.NameCharset);
    for (const QString &item : name_charset::menuItems()) {
        QAction *action = names->addAction(name_charset::caption(item));
        action->setObjectName(QStringLiteral("nameCharset") + item);
        action->setCheckable(true);
        action->setChecked(item == chosen);
        nameGroup->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, item] { chooseNameCharset(name_charset::charsetOfItem(item)); });
    }

    addItem(view, "archiveCommentAction", tr("Archive &comment…"), {}, &TMainform::archiveCommentCommand);
    ratioColumnShown_ = ratioColumnStored(*settings_);
    QAction *ratio = addItem(view, "ratioColumnAction", tr("&Ratio column"), {}, nullptr);
    ratio->setCheckable(true);
    ratio->setChecked(ratioColumnShown_);
    connect(ratio, &QAction::toggled, this, &TMainform::ratioColumnToggled);

    QMenu *window = menuBar()->addMenu(tr("&Window"));
    window->setObjectName(QStringLiteral("windowMenu"));
    //: Whether the operations' message window is shown (adding, extracting, testing, not only compressing).
    showLogAction = addItem(window, "showLogAction", tr("&Show compress status"), {}, &TMainform::showLogToggled);
    showLogAction->setCheckable(true);  // the menu toggles the mark itself
    showLogAction->setChecked(false);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    addItem(help, "helpContentsAction", tr("&Contents"), QKeySequence(Qt::Key_F1), &TMainform::helpContentsCommand);
    addItem(help, "aboutAction", tr("&About..."), {}, &TMainform::aboutCommand);
}

void TMainform::buildCaptionBar()
{
    captionBar = installCaptionBar(this);
    captionBar->setObjectName(QStringLiteral("captionBar"));
    captionBar->CompanyText()->setCaption(QStringLiteral("Orvex 97"));
    captionBar->CompanyText()->setFontKind(fkSystemBI);
    //: Caption bar, after the program's name; Tolvane is the maker's name.
    captionBar->AppNameText()->setCaption(tr("by Tolvane"));
    captionBar->AppNameText()->setFontKind(fkSystemB);
    captionBar->CaptionText()->setCaption(QStringLiteral(" "));
    captionBar->CaptionText()->setFontKind(fkSystem);
}

void TMainform::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setFixedHeight(19);
    bar->setSizeGripEnabled(true);
    // The path panel shows the session's caption (the constructor sets it).
    //: Status bar, before the current archive's path.
    const QString texts[2] = {tr("Zip filename:"), QString()};
    const int widths[2] = {70, 100};
    for (int i = 0; i < 2; ++i) {
        auto *panel = new QLabel(texts[i], bar);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(widths[i]);
        if (i == 0)
            panel->setFixedWidth(widths[i]);
        panel->setTextFormat(Qt::PlainText);
        // The path panel takes the rest of the bar, so that a long path stays readable.
        bar->addWidget(panel, i == 1 ? 1 : 0);
        statusPanels_[i] = panel;
        if (i == 1)
            window_fit::showsUsersData(*panel);
    }
    for (QLabel **panel : {&archiveTotalsPanel_, &selectionTotalsPanel_}) {
        *panel = new QLabel(bar);
        (*panel)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        (*panel)->setTextFormat(Qt::PlainText);
        (*panel)->hide();
        bar->addPermanentWidget(*panel);
    }
    shownCountPanel_ = new QLabel(bar);
    shownCountPanel_->setObjectName(QStringLiteral("shownCountPanel"));
    shownCountPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    shownCountPanel_->setTextFormat(Qt::PlainText);
    shownCountPanel_->hide();
    bar->addPermanentWidget(shownCountPanel_);
    archiveTotalsPanel_->setObjectName(QStringLiteral("archiveTotalsPanel"));
    selectionTotalsPanel_->setObjectName(QStringLiteral("selectionTotalsPanel"));
    archiveStatePanel_ = new QLabel(bar);
    archiveStatePanel_->setObjectName(QStringLiteral("archiveStatePanel"));
    archiveStatePanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    archiveStatePanel_->setTextFormat(Qt::PlainText);
    archiveStatePanel_->hide();
    bar->addPermanentWidget(archiveStatePanel_);
}

void TMainform::showArchiveState()
{
    setStatusPanel(1, session_.archiveCaption());
    setWindowTitle(session_.windowTitle());
    const ArchiveState state = session_.archiveState();
    archiveStatePanel_->setText(state.text);
    archiveStatePanel_->setToolTip(state.explanation);
    archiveStatePanel_->setVisible(!state.text.isEmpty());
    showArchiveTotals();
    setCommandsEnabled(!session_.operationRunning());
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
        action->setEnabled(!session_.operationRunning());
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
    return toolbar_->findChild<QToolButton *>(objectName);
}

QAction *TMainform::menuAction(const QString &objectName) const
{
    // The menu bar's, and those of the listing's context menu.
    return findChild<QAction *>(objectName);
}

void TMainform::setCommandsEnabled(bool enabled)
{
    // Exit and About stay: closing cancels the operation.
    for (const char *name : {"newButton", "openButton", "deleteArchiveButton", "executeButton", "editButton",
                             "extractButton", "addButton", "deleteMembersButton"})
        if (QToolButton *button = toolButton(QString::fromLatin1(name)))
            button->setEnabled(enabled);
    for (const char *name : {"newArchiveAction",
                             "openArchiveAction",
                             "deleteArchiveAction",
                             "saveAsAction",
                             "addAction",
                             "extractAction",
                             "testAction",
                             "deleteMembersAction",
                             "renameAction",
                             "executeAction",
                             "editAction",
                             "openWithDefaultAction",
                             "openWithAction",
                             "showLogAction",
                             "selectAllAction",
                             "invertSelectionAction",
                             "extractSelectedAction",
                             "testSelectedAction",
                             "foldersViewAction",
                             "flatViewAction"})
        if (QAction *action = menuAction(QString::fromLatin1(name)))
            action->setEnabled(enabled);
    // An archive in a format we only read cannot take members or lose them.
    if (session_.engine.ReadOnly()) {
        for (const char *name : {"addButton", "deleteMembersButton"})
            if (QToolButton *button = toolButton(QString::fromLatin1(name)))
                button->setEnabled(false);
        for (const char *name : {"addAction", "deleteMembersAction", "renameAction"})
            if (QAction *action = menuAction(QString::fromLatin1(name)))
                action->setEnabled(false);
    }
    // Nothing to describe without an archive.
    for (const char *name : {"propertiesAction", "archiveCommentAction"})
        if (QAction *action = menuAction(QString::fromLatin1(name)))
            action->setEnabled(enabled && session_.hasArchive());
    // Sorting or selecting would change which members the rows name; the
    // listing can still be scrolled.
    listingGrid->setBrowseOnly(!enabled);
    // Nor may the rows change under an operation by going elsewhere or filtering.
    for (QWidget *moving : std::initializer_list<QWidget *>{placeBar_, filterBar_, folderTree_})
        moving->setEnabled(enabled);
    for (QAction *moving : {goBackAction_, goForwardAction_, goUpAction_, filterAction_})
        moving->setEnabled(enabled);
    if (enabled)
        showFolderPlace();
    // The names are read again on a change, which must wait its turn.
    if (auto *names = menuBar()->findChild<QMenu *>(QStringLiteral("nameCharsetMenu")))
        names->setEnabled(enabled);
}

void TMainform::chooseNameCharset(const std::string &charset)
{
    const std::string before = session_.engine.NameCharset;
    session_.engine.NameCharset = charset;
    // The names are read again: the grid shows them as an extraction now
    // writes them.
    command([this, &before, &charset] {
        if (!session_.hasArchive() || setCurrentArchive(session_.archivePath()))
            return name_charset::store(*settings_, charset);
        // A cancelled read keeps the names as listed, so the choice goes
        // back with them: an extraction must write what the grid shows.
        session_.engine.NameCharset = before;
        const QString item = name_charset::itemOfCharset(before);
        if (auto *action = findChild<QAction *>(QStringLiteral("nameCharset") + item))
            action->setChecked(true);
    });
}
