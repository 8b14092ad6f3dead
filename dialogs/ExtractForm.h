#pragma once
// The extract dialog: the user picks the directory to extract into in a tree
// of volumes and directories, may create a new directory there, and sets the
// extract options. It never touches the archive; it hands the choices over
// as a value, which the main window's extract command reads. The folder
// can also be typed or pasted, kept in step with the tree. The folder
// names and overwrite choices, the directory of the last OK and the user's
// own choice of a folder named after the archive are kept in the settings
// for the next run.

#include "controls/DirTree.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TFlatButton;
class RadioGroup;

// The dialog's choices, kept from one opening to the next.
struct ExtractChoices {
    // Set on every activation, cleared by OK: true when the dialog was left
    // without OK.
    bool DialogCancelled = false;
    // Set by OK: the selected directory with a trailing '/', or
    // TDirTree::NoPath when none was selected. Cancel empties it.
    QString ExtractDir;
    // Set by OK; they keep their last values when the dialog is cancelled.
    bool ExpandDirs = false;         // "Expand ZIP Dirs" is "Yes"
    bool OverwriteFiles = false;     // "OverWrite Existing" is "Yes"
    bool ExtractAllFiles = false;    // "Files to Extract" is "All Files"
    bool ExtractUpdateOnly = false;  // "Only Update file(s)" is checked
    // Set by OK: ExtractDir was typed and does not exist yet; the extraction
    // makes it.
    bool MakeExtractDir = false;
    // Set by OK: "Into a folder named after the archive" is checked.
    bool IntoArchiveFolder = false;
};

// What the dialog is opened for: the choices it starts from depend on it.
struct ExtractContext {
    int selectedRows = 0;  // rows selected in the listing below its titles
    // Every member lies under one top folder: the archive brings its own.
    bool membersUnderOneFolder = false;
    // The user asked for the selected members (the rows' context menu):
    // "Selected Files" whatever the count.
    bool selectionAsked = false;
};

class TExtract : public QDialog {
    Q_OBJECT
public:
    explicit TExtract(QWidget *parent = nullptr);

    static constexpr int FormWidth = 511;
    static constexpr int FormHeight = 465;

    // Where the drive box and the tree take the volumes from (the mounted
    // volumes by default).
    void setVolumeSource(TDirTree::VolumeSource source);

    // Shows the dialog modally and hands back its choices. "Files to Extract"
    // starts on "Selected Files" exactly when more than one row is selected;
    // "Into a folder named after the archive" on the user's own last choice,
    // else on when the members are not all under one folder.
    ExtractChoices ask(const ExtractContext &context = {});
    const ExtractChoices &choices() const { return choices_; }

    QLabel *lookInLabel = nullptr;  // "Look &in:"
    QComboBox *driveBox = nullptr;
    TFlatButton *newDirectoryButton = nullptr;
    QLabel *targetLabel = nullptr;  // "Extract &to:"
    QLineEdit *targetEdit = nullptr;
    TDirTree *directoryTree = nullptr;
    QCheckBox *intoFolderBox = nullptr;         // "Into a folder named after the archive"
    RadioGroup *expandDirsGroup = nullptr;      // "Expand ZIP Dirs"
    RadioGroup *overwriteGroup = nullptr;       // "OverWrite Existing"
    RadioGroup *filesToExtractGroup = nullptr;  // "Files to Extract"
    QCheckBox *updateOnlyBox = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

public slots:
    void okClicked();
    void cancelClicked();
    void driveChanged();
    void newDirectoryClicked();
    // The user typed in the folder line: an existing folder is selected in the tree.
    void targetEdited(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void initialise();
    void activated();
    void fillDriveComboBox();
    // The completer's model reads the disk on a thread of its own: made at
    // the first showing, not for a dialog that is never shown.
    void attachCompleter();
    // The tree's selection, shown in the folder line.
    void treeChanged();
    // ExtractDir from the folder line, or an explanation why it cannot be.
    QString takeTarget();

    ExtractChoices choices_;
    // The directory of the last run's OK, selected at the first opening.
    QString rememberedDir_;
    bool targetTyped_ = false;        // the line holds what the user typed, not the tree's selection
    bool followingLine_ = false;      // the tree moves after the line: leave the line alone
    bool intoFolderClicked_ = false;  // the user set the box in this opening
};
