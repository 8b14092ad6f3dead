#pragma once
// The main window: toolbar, menu, the listing grid and the status bar.

#include "engine/ZipEngine.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

class DragOut;
class OperationFrame;
class QAction;
class QLabel;
class QMenu;
class QSettings;
class QToolButton;
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

    TSortableGrid *StringGrid1 = nullptr;
    TGradientCaption *GradientCaption1 = nullptr;
    TZipEngine ZipEngine1;
    QAction *ShowMsg = nullptr;

    // The member last chosen by the edit or run command, as the grid shows
    // it; the editor reads it when it closes.
    QString MemberName;
    // The internal editor the edit command opens.
    void attachEditor(TF_Editform *editor) { F_Editform = editor; }
    TF_Editform *F_Editform = nullptr;

    // The windows the commands show; created after the main window.
    void attachWindows(TMsgform *messageWindow, TF_status *statusWindow, TF_About *aboutBox);
    // The add dialog the add command shows.
    void attachAddForm(TAddForm *addForm) { AddForm = addForm; }
    TAddForm *AddForm = nullptr;
    // The extract dialog the extract command shows.
    void attachExtractDialog(TExtract *dialog) { Extract = dialog; }
    TExtract *Extract = nullptr;

    // What the commands share: the operation frame, the last name of the
    // file dialog (its folder is where the add dialog starts), the selected
    // members' stored names (column 0 of the selected rows, top to bottom).
    OperationFrame &operationFrame() { return *frame_; }
    const QString &openDialogFileName() const { return openDialogFileName_; }
    // A selected folder row adds every member under the folder.
    std::vector<std::string> selectedNames() const;
    static bool isFolderName(const std::string &name);
    // Members dragged out of the grid and their staging folders.
    DragOut &dragOut() { return *dragOut_; }

    QString statusPanelText(int panel) const;
    QToolButton *toolButton(const QString &objectName) const;
    QAction *menuAction(const QString &objectName) const;
    // The File menu's recent archives, newest first.
    QList<QAction *> recentArchiveActions() const { return recentActions_; }

    // Applies the command-line archive, once, when the window is first shown:
    // a window manager may never activate a new window.
    void FormActivate();
    // Rebuilds the grid's rows from the component's entries.
    void FillGrid();

    static constexpr int OuterWidth = 457;
    static constexpr int OuterHeight = 346;

public slots:
    // Commands of the toolbar and the menu.
    void BU_NewClick();
    void Newarchive1Click();
    void BU_OpenClick();
    void Openarchive1Click();
    void BU_DeleteClick();
    void Delete2Click();
    void BU_DeleteFileClick();
    void BU_ExitClick();
    void BU_AddClick();
    void BU_ExtractClick();
    void Executefile1Click();
    void Viewfile1Click();
    void OpenWithDefault1Click();
    void ShowMsgClick();
    void About2Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Files dropped from a file manager are added to the archive (DropAdd).
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void FormCreate();
    void buildToolbar();
    void buildMenu();
    void buildStatusBar();
    void buildCaptionBar();
    void ZipEngine1DirUpdate(TZipEngine &sender);
    void ZipEngine1Message(TZipEngine &sender, int errCode, const std::string &message);
    void ZipEngine1Progress(TZipEngine &sender, ProgressType type, const std::string &fileName, int32_t fileSize);
    void newArchive(bool resetGrid);
    void openArchive();
    void deleteArchive();
    // Makes `name` the current archive in the panel and the component; after a
    // failed read the grid shows what was read before the failure.
    void setCurrentArchive(const QString &name);
    void resetGrid();
    void setStatusPanel(int panel, const QString &text);
    // Runs a handler and turns an uncaught error into the application's error box.
    void guarded(const std::function<void()> &handler);
    // A command: does nothing while an operation runs, whatever started it
    // (a disabled button is not the only way in).
    void command(const std::function<void()> &handler);
    // Turns the commands that start operations or change what the grid's
    // selection means on or off.
    void setCommandsEnabled(bool enabled);
    // The File menu's list of recent archives, from the settings.
    void refreshRecentArchives();
    void openRecentArchive(const QString &path);

    QStringList arguments_;
    bool commandLineApplied_ = false;
    QString openDialogFileName_;   // the file dialog keeps its last name
    TMsgform *Msgform = nullptr;
    TF_status *F_status = nullptr;
    TF_About *F_About = nullptr;
    std::unique_ptr<OperationFrame> frame_;
    std::unique_ptr<DragOut> dragOut_;
    ToolbarPanel *Panel2 = nullptr;
    QLabel *statusPanels_[2] = {nullptr, nullptr};
    std::unique_ptr<QSettings> settings_;  // recent archives and the window's place
    QMenu *fileMenu_ = nullptr;
    QAction *exitAction_ = nullptr;
    QList<QAction *> recentActions_;
};
