#pragma once
// The extract dialog: the user picks the directory to extract into in a tree
// of volumes and directories, may create a new directory there, and sets the
// extract options. It never touches the archive; it hands the choices over
// as a value, which the main window's extract command reads. The folder
// names and overwrite choices and the directory of the last OK are kept in
// the settings for the next run.

#include "controls/DirTree.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
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

    // Shows the dialog modally and hands back its choices.
    ExtractChoices ask();
    const ExtractChoices &choices() const { return choices_; }

    QLabel *lookInLabel = nullptr;  // "Look &in:"
    QComboBox *driveBox = nullptr;
    TFlatButton *newDirectoryButton = nullptr;
    TDirTree *directoryTree = nullptr;
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

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void initialise();
    void activated();
    void fillDriveComboBox();

    ExtractChoices choices_;
    // The directory of the last run's OK, selected at the first opening.
    QString rememberedDir_;
};
