#pragma once
// The internal text editor: one text area with File, Edit and Search menus.
// The main window opens an archive member in it; when it closes after a
// change, still showing the member's working copy, it saves the copy, asks
// "Update zipfile?" and leaves the answer in Tag. Text that differs from the
// file last saved or opened is never dropped (New, Open, closing) without
// asking "Save changes to NAME?".

#include "dialogs/TextFileForm.h"
#include "dialogs/TextSearch.h"

#include <QDialog>
#include <functional>
#include <memory>

class QAction;
class QMenuBar;
class QPlainTextEdit;
class QPrinter;

class TF_Editform : public QDialog {
    Q_OBJECT
public:
    explicit TF_Editform(QWidget *parent = nullptr);
    ~TF_Editform() override;

    // Tag as hand-over code with the main window.
    static constexpr int TagMember = 1;   // holds a member opened by the main window
    static constexpr int TagUpdate = 2;   // changed, and the user wants the archive updated
    static constexpr int TagDiscard = 0;  // changed, not wanted: the working copy is gone

    QPlainTextEdit *textEdit = nullptr;
    QAction *newAction = nullptr;
    QAction *openAction = nullptr;
    QAction *saveAction = nullptr;
    QAction *saveAsAction = nullptr;
    QAction *printAction = nullptr;
    QAction *printerSetupAction = nullptr;
    QAction *exitAction = nullptr;
    QAction *undoAction = nullptr;
    QAction *cutAction = nullptr;
    QAction *copyAction = nullptr;
    QAction *pasteAction = nullptr;
    QAction *selectAllAction = nullptr;
    QAction *findAction = nullptr;
    QAction *replaceAction = nullptr;
    QAction *findNextAction = nullptr;

    int Tag = 0;
    // The main window's hand-over flag: any change since it loaded the
    // member. Whether the text differs from its file is the document's
    // modified flag.
    bool TextChanged = false;
    // The member's working copy, set by the main window with the member; the
    // close step saves a changed member there.
    QString MemberPath;

    // What the platform's file dialogs keep between openings. The open
    // dialog's file name is the current file; empty means none yet.
    struct FileDialogState {
        QString FileName;
        QString InitialDir;
    };
    FileDialogState OpenDialog;
    FileDialogState SaveDialog;

    TextSearch search;
    platform::SearchDialog &findDialog = search.findDialog;
    platform::SearchDialog &replaceDialog = search.replaceDialog;

    // Replaces the text with the file's, remembering the file's form.
    // Throws std::runtime_error when it cannot be read or is not text.
    void loadFromFile(const QString &path);
    // Writes the text in the form it was read. A text that the file's
    // encoding cannot hold is written as UTF-8 only when the user agrees;
    // false when not, and nothing is written. Throws when it cannot write.
    // The text then counts as saved.
    bool saveToFile(const QString &path);
    const TextFileForm &fileForm() const { return form_; }
    // The text as it is saved, every line break a '\n'.
    QString text() const;
    // Shows `caption` as written: a file's name may hold "[*]", which a
    // window title would otherwise take for its "modified" mark.
    void setCaption(const QString &caption);
    // A member of an archive that cannot be written back: the text can be
    // read, searched, copied and saved elsewhere, not changed. A new file or
    // another one opened is editable again.
    void setReadOnlyText(bool readOnly);

    static constexpr int DefaultWidth = 606;
    static constexpr int DefaultHeight = 407;

public slots:
    void newFile();
    void openFile();
    void saveFile();
    void saveFileAs();
    void printFile();
    void setUpPrinter();
    void exitEditor();
    void undoEdit();
    void cutText();
    void copyText();
    void pasteText();
    void selectAllText();
    void findText();
    void replaceText();
    void findNext();
    void findFromFindDialog();
    void findFromReplaceDialog();
    void replaceFromReplaceDialog();
    void markTextChanged();

    // Every way of closing ends here: the close step runs first.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setInitialState();
    void buildMenu();
    // Saves a changed member and asks whether the archive is to be updated.
    // False when the window is to stay open. Throws when the working copy
    // cannot be saved.
    bool closeStep();
    // Asks "Save changes to NAME?" when the text differs from its file, and
    // saves on Yes. False when the user cancelled or the save did not happen:
    // the text must then stay as it is.
    bool mayDropText();
    // File > Save and File > Save As; false when nothing was written.
    bool saveCurrent();
    bool saveAs();
    // Whether the editor shows the member the main window opened in it.
    bool showsMember() const;
    // A relative current file name lies in the working directory.
    QString currentFilePath() const;
    // Whether the current file is the one at `path`.
    bool showsFile(const QString &path) const;
    QPrinter &printer();
    void guarded(const std::function<void()> &handler);

    QMenuBar *menuBar_ = nullptr;
    TextFileForm form_;
    std::unique_ptr<QPrinter> printer_;
    // A changed text was saved into the member's working copy while the
    // editor showed it: closing offers the archive update even after the
    // editor has moved on to another file.
    bool memberSaved_ = false;
};
