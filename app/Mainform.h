#pragma once
// The main window: toolbar, menu, the listing grid and the status bar. It
// owns the session the commands act on and displays it.

#include "app/ArchiveListing.h"
#include "app/Session.h"
#include "controls/GridModel.h"

#include <QMainWindow>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>
#include <span>

class DragOut;
class FolderTreeModel;
class GridSelection;
class HelpWindow;
class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QSettings;
class QSplitter;
class QToolButton;
class QTreeView;
class TAddForm;
class TExtract;
class TF_About;
class TF_Editform;
class TF_status;
class TGradientCaption;
class TMsgform;
class TSortableGrid;
class ToolbarPanel;

class TMainform : public QMainWindow {
    Q_OBJECT
public:
    // `arguments` are the command-line arguments after the program's own path.
    explicit TMainform(const QStringList &arguments, QWidget *parent = nullptr);
    ~TMainform() override;

    TSortableGrid *listingGrid = nullptr;
    TGradientCaption *captionBar = nullptr;
    QAction *showLogAction = nullptr;
    // Off for the file manager's modes: the archives they extract or make
    // without the window do not join File's recent archives.
    bool remembersArchives = true;

    // The component, the current archive, the selection and the operation
    // frame the commands act on.
    ArchiveSession &session() { return session_; }
    const ArchiveSession &session() const { return session_; }

    // The internal editor the edit command opens.
    void attachEditor(TF_Editform *editor) { editor_ = editor; }

    // The windows the commands show; created after the main window.
    void attachWindows(TMsgform *messageWindow, TF_status *statusWindow, TF_About *aboutBox);
    // The add dialog the add command shows.
    void attachAddForm(TAddForm *addForm) { addDialog_ = addForm; }
    // The extract dialog the extract command shows.
    void attachExtractDialog(TExtract *dialog) { extractDialog_ = dialog; }

    // Members dragged out of the grid and their staging folders.
    DragOut &dragOut() { return *dragOut_; }

    QString statusPanelText(int panel) const;
    QToolButton *toolButton(const QString &objectName) const;
    QAction *menuAction(const QString &objectName) const;
    // The File menu's recent archives, newest first.
    QList<QAction *> recentArchiveActions() const { return recentActions_; }

    // Applies the command-line archive, once, when the window is first shown:
    // a window manager may never activate a new window. A notice of the
    // start-up's comes first.
    void applyCommandLineArchive();
    // What the start-up has to tell the user (a working folder it would not
    // use), said once when the window is first shown.
    void setStartupNotice(const QString &text) { startupNotice_ = text; }
    // Rebuilds the grid's rows from the component's entries.
    void fillListing();

    static constexpr int OuterWidth = 457;
    static constexpr int OuterHeight = 346;

public slots:
    // Commands of the toolbar and the menu.
    void newArchiveFromToolbar();
    void newArchiveFromMenu();
    void openArchiveCommand();
    void deleteArchiveCommand();
    void saveAsCommand();
    void propertiesCommand();
    // View > Archive comment….
    void archiveCommentCommand();
    void deleteMembersCommand();
    void renameMemberCommand();
    void quitCommand();
    void addCommand();
    void extractCommand();
    void testCommand();
    void executeMemberCommand();
    void editMemberCommand();
    void openWithDefaultCommand();
    void openWithCommand();
    void showLogToggled();
    void aboutCommand();
    // Help > Contents: the manual, in a window of its own.
    void helpContentsCommand();
    // The listing's own commands (MainformSelection.cpp).
    void selectAllCommand();
    void invertSelectionCommand();
    void copyNamesCommand();
    void extractSelectedCommand();
    void testSelectedCommand();
    void ratioColumnToggled(bool shown);
    // The listing as folders or as one list, and moving among the folders
    // (MainformFolders.cpp).
    void foldersViewToggled(bool asFolders);
    void goUpCommand();
    void goBackCommand();
    void goForwardCommand();
    // Ctrl+F: the filter field, ready for typing.
    void filterCommand();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // The window's place is kept as soon as the user changes it.
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Files dropped from a file manager are added to the archive (DropAdd).
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void setUpGrid();
    void buildToolbar();
    void buildMenu();
    void buildStatusBar();
    void buildCaptionBar();
    // The grid's title row and columns.
    void setUpColumns();
    // `width` for `column`, or more where its title would be cut.
    int wholeTitleWidth(int column, int width) const;
    // The listing's column titles as shown, in the user's language.
    QStringList shownTitles() const;
    // Asks for the name, empties the grid and makes it the current archive.
    void newArchive();
    void openArchive();
    void deleteArchive();
    // Makes `name` the current archive in the panel and the component; after a
    // failed read the grid shows what was read before the failure. False when
    // the user cancelled the read: the archive before stays.
    bool setCurrentArchive(const QString &name);
    // Puts the current archive first in File's recent list once it exists.
    void rememberCurrentArchive();
    void resetGrid();
    void deleteMembers();
    void setStatusPanel(int panel, const QString &text);
    // Runs a handler and turns an uncaught error into the application's error box.
    void guarded(const std::function<void()> &handler);
    // A command: does nothing while an operation runs, whatever started it
    // (a disabled button is not the only way in).
    void command(const std::function<void()> &handler);
    // The keys go back to the listing, whatever dialog or editor a command
    // showed: arrows and Enter work without a click.
    void focusListing();
    // Turns the commands that start operations or change what the grid's
    // selection means on or off.
    void setCommandsEnabled(bool enabled);
    // The status bar and the commands after the current archive changed.
    void showArchiveState();
    // The File menu's list of recent archives, from the settings.
    void refreshRecentArchives();
    void openRecentArchive(const QString &path);
    // View > Names from other systems: the component's NameCharset, kept for
    // the next start, and the listing read again.
    void chooseNameCharset(const std::string &charset);

    ArchiveSession session_;
    std::unique_ptr<GridSelection> selection_;
    QStringList arguments_;
    bool commandLineApplied_ = false;
    QString startupNotice_;
    TMsgform *messageWindow_ = nullptr;
    TF_status *statusWindow_ = nullptr;
    TF_About *aboutBox_ = nullptr;
    HelpWindow *helpWindow_ = nullptr;  // made when first asked for
    TF_Editform *editor_ = nullptr;
    TAddForm *addDialog_ = nullptr;
    TExtract *extractDialog_ = nullptr;
    std::unique_ptr<DragOut> dragOut_;
    ToolbarPanel *toolbar_ = nullptr;
    QLabel *statusPanels_[2] = {nullptr, nullptr};
    // Says when the archive is in a format we only read, or is not made
    // yet; hidden otherwise.
    QLabel *archiveStatePanel_ = nullptr;
    std::unique_ptr<QSettings> settings_;  // recent archives and the window's place
    QMenu *fileMenu_ = nullptr;
    QAction *exitAction_ = nullptr;
    QList<QAction *> recentActions_;

    // The listing's column widths and the order the user chose by a click on
    // a title (MainformListing.cpp): read from the settings once the grid is
    // set up, written when the window closes. Every refill applies the order
    // again; sortColumn_ -1 keeps archive order.
    void restoreListingLayout();
    void saveListingLayout();
    int sortColumn_ = -1;
    bool sortDescending_ = false;
    // The title of the column the rows are ordered by shows the direction.
    void showSortArrow();
    // The optional Ratio column after the four the listing always has.
    bool ratioColumnShown_ = false;

    // The status bar's totals of the archive and of the rows chosen.
    QLabel *archiveTotalsPanel_ = nullptr;
    QLabel *selectionTotalsPanel_ = nullptr;
    void showArchiveTotals();
    void showSelectionTotals();

    // The rows' context menu (MainformSelection.cpp): on a row under the
    // mouse, or on the current row from the keyboard (the Menu key, Shift+F10).
    void buildListingMenu();
    void showListingMenu(const QPoint &globalPos);
    void showListingMenuFromKeyboard();
    QMenu *listingMenu_ = nullptr;
    void rememberWindowPlace();

    // What the listing shows, and the widgets beside the grid that show
    // where (MainformFolders.cpp).
    ArchiveListing listing_;
    QString filledArchive_;   // the archive the rows were last filled from
    int listingReading_ = 0;  // counts fills: the tree is made again after each
    int treeShowsReading_ = -1;
    // The rows chosen before a refill, by the names they stand for.
    struct KeptRows {
        QSet<QString> names;
        QString current;
        int reading = -1;  // the fill the tags below are of
        QSet<void *> tags;
        void *currentTag = nullptr;
    };
    KeptRows keptRows() const;
    void chooseKeptRows(const KeptRows &kept);
    // Fills the grid with what the listing shows now. With `rowsReadShown`
    // the grid's rows are the first ones of the list, shown while it was read.
    void showListingRows(const KeptRows &kept, bool rowsReadShown = false);
    // The rows of the members a read has met so far, shown before it ends
    // (MainformListing.cpp): in archive order, as the flat list shows them,
    // with no tag, since the component still holds the list before. The
    // folders, whose rows need every member under them, wait for the end.
    void showMembersRead(std::span<const ArchiveEntry> members);
    // A read that ended without its list (cancelled or failed) takes the
    // rows shown on the way back: the rows before are shown again as they
    // were, chosen and scrolled, whatever the component holds now.
    void dropMembersRead();
    bool showingMembersRead_ = false;
    // The grid as it was before the first rows of the read were shown.
    std::vector<GridRow> rowsBeforeRead_;
    KeptRows keptBeforeRead_;
    int scrolledBeforeRead_ = 0;
    QWidget *buildListingArea(QWidget *parent);
    void buildFolderActions();
    void addFolderItemsToViewMenu(QMenu *view);
    // The view the user chose last time.
    void applyStoredView();
    void showFolderPlace();
    void showShownCount(int shownMembers);
    std::string shownFolderAsStored() const;
    void enterFolder(int folder);
    // Enter or a double-click on a folder row: true when it went in.
    bool enterCurrentFolderRow();
    void goToTypedPath();
    void filterChanged(const QString &text);
    void clearFilter();
    // Backspace, Escape and the filter field's keys; true when taken.
    bool folderKeyPressed(QObject *watched, QKeyEvent *event);
    QWidget *placeBar_ = nullptr;
    QLineEdit *pathLine_ = nullptr;
    QWidget *filterBar_ = nullptr;
    QLineEdit *filterField_ = nullptr;
    QSplitter *listingSplit_ = nullptr;
    QTreeView *folderTree_ = nullptr;
    FolderTreeModel *folderTreeModel_ = nullptr;
    bool followingListing_ = false;  // the tree is being moved to the listing's folder
    QAction *foldersViewAction_ = nullptr;
    QAction *flatViewAction_ = nullptr;
    QAction *goBackAction_ = nullptr;
    QAction *goForwardAction_ = nullptr;
    QAction *goUpAction_ = nullptr;
    QAction *filterAction_ = nullptr;
    QLabel *shownCountPanel_ = nullptr;
    static bool ratioColumnStored(const QSettings &settings);
};
