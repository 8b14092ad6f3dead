#pragma once
// The main window: toolbar, menu, the listing grid and the status bar.

#include "engine/ZipEngine.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class TGradientCaption;
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

    QString statusPanelText(int panel) const;
    QToolButton *toolButton(const QString &objectName) const;
    QAction *menuAction(const QString &objectName) const;

    // Applies the command-line archive; runs at the first activation.
    void FormActivate();
    // Rebuilds the grid's rows from the component's entries.
    void FillGrid();

    static constexpr int OuterWidth = 457;
    static constexpr int OuterHeight = 346;

public slots:
    // Commands; those without a body are built with the archive commands.
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
    void ShowMsgClick();
    void About2Click();

protected:
    void changeEvent(QEvent *event) override;

private:
    void FormCreate();
    void buildToolbar();
    void buildMenu();
    void buildStatusBar();
    void buildCaptionBar();
    void ZipEngine1DirUpdate(TZipEngine &sender);
    void setStatusPanel(int panel, const QString &text);
    // Runs a handler and turns an uncaught error into the application's error box.
    void guarded(const std::function<void()> &handler);

    QStringList arguments_;
    bool commandLineApplied_ = false;
    ToolbarPanel *Panel2 = nullptr;
    QLabel *statusPanels_[2] = {nullptr, nullptr};
};
