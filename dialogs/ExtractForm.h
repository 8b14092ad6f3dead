#pragma once
// The extract dialog: the user picks the directory to extract into in a tree
// of volumes and directories, may create a new directory there, and sets the
// extract options. It never touches the archive; OK hands the choices over in
// the values below, which the main window's extract command reads.

#include "controls/DirTree.h"
#include "dialogs/DialogCancelled.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class TFlatButton;
class TRadioGroup;

// Set by OK: the selected directory with a trailing '/', or TDirTree::NoPath
// when none was selected. Cancel empties it.
extern QString ExtractDir;
// Set by OK; they keep their last values when the dialog is cancelled.
extern bool ExpandDirs;        // "Expand ZIP Dirs" is "Yes"
extern bool OverwriteFiles;    // "OverWrite Existing" is "Yes"
extern bool ExtractAllFiles;   // "Files to Extract" is "All Files"
extern bool ExtractUpdateOnly; // "Only Update file(s)" is checked

class TExtract : public QDialog {
    Q_OBJECT
public:
    explicit TExtract(QWidget *parent = nullptr);

    static constexpr int FormWidth = 511;
    static constexpr int FormHeight = 465;

    // Where the drive box and the tree take the volumes from (the mounted
    // volumes by default).
    void setVolumeSource(TDirTree::VolumeSource source);

    QLabel *Label1 = nullptr;             // "Look &in:"
    QComboBox *DriveComboBox1 = nullptr;
    TFlatButton *FlatButton1 = nullptr;   // create a new directory
    TDirTree *DirTree1 = nullptr;
    TRadioGroup *RadioGroup1 = nullptr;   // "Expand ZIP Dirs"
    TRadioGroup *RadioGroup2 = nullptr;   // "OverWrite Existing"
    TRadioGroup *RadioGroup3 = nullptr;   // "Files to Extract"
    QCheckBox *Ch_ExtUpdate = nullptr;
    QPushButton *BitBtn1 = nullptr;       // "&OK"
    QPushButton *BitBtn2 = nullptr;       // "&Cancel"

public slots:
    void BitBtn1Click();
    void BitBtn2Click();
    void DriveComboBox1Change();
    void FlatButton1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormCreate();
    void FormActivate();
    void fillDriveComboBox();
};
