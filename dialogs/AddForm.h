#pragma once
// The add dialog: the user browses to files and directories, collects them in
// the "Files to Add:" list and sets the add options and the compression level.
// It only builds a list of paths; the main window's add command reads it.

#include "dialogs/AddFileList.h"
#include "dialogs/DirectoryChain.h"
#include "engine/EngineOptions.h"

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QTreeWidget;
class QTreeWidgetItem;

// What the option boxes and the track bar were set to.
// The boxes "Save DirNames", "Recurse Dirs", "Force MS-DOS", "Use
// Timestamp", "Delete file(s) after" and "Only update file(s)" are the
// component's add choices; the dialog has no box for freshenOnly.
struct AddFormChoices : AddChoices {
    // "Store full paths": stored names start at the root folder, not at the
    // folder that holds each entry.
    bool fullPaths = false;
    int level = 9;  // 0 stores, 9 compresses most
};

// Why the archive added to cannot keep an option, one text per box; empty:
// it can. A box with a reason is greyed and unchecked, and its hint says why.
struct AddFormLimits {
    QString encryption;  // "Encrypt with password…"
    QString dosNames;    // "Force MS-DOS"
    QString timestamp;   // "Use Timestamp"
};

// What an opening of the dialog hands back.
struct AddFormResult {
    // Left by Cancel or the close button, or otherwise without OK once the
    // list was changed: the add must not run, whatever the list holds.
    bool DialogCancelled = false;
    QStringList entries;  // "Files to Add:", in list order
    AddFormChoices choices;
    // Given through "Encrypt with password…": the added files are encrypted
    // with it. Empty: they are not.
    QString password;
};

class TAddForm : public QDialog {
    Q_OBJECT
public:
    using VolumeSource = std::function<QList<platform::Volume>()>;

    // Starts in the process's current directory with the mounted volumes.
    explicit TAddForm(QWidget *parent = nullptr);
    // `volumes` gives what the drive box offers, asked again at each opening;
    // `start` is the first current directory.
    TAddForm(VolumeSource volumes, const QString &start, QWidget *parent = nullptr);
    ~TAddForm() override;

    static constexpr int FormWidth = 594;
    static constexpr int FormHeight = 480;

    QComboBox *driveBox = nullptr;
    QPushButton *selectAllButton = nullptr;
    QTreeWidget *directoryList = nullptr;
    QListWidget *fileList = nullptr;
    QLabel *filesToAddLabel = nullptr;  // "Files to Add:"
    QPushButton *sortButton = nullptr;
    QPushButton *addDirectoryButton = nullptr;  // "Add &dir"
    QPushButton *addFilesButton = nullptr;      // "Add &file(s)"
    QPushButton *removeButton = nullptr;        // "&Remove file"
    QListWidget *filesToAddList = nullptr;
    QLabel *optionsLabel = nullptr;
    QGroupBox *optionsBox = nullptr;
    QCheckBox *dirNamesBox = nullptr;
    QCheckBox *recurseBox = nullptr;
    QCheckBox *forceDosBox = nullptr;
    QCheckBox *timestampBox = nullptr;
    QCheckBox *moveBox = nullptr;
    QCheckBox *updateOnlyBox = nullptr;
    QCheckBox *encryptBox = nullptr;    // "Encrypt with password…"
    QCheckBox *fullPathsBox = nullptr;  // "Store full paths"
    QLabel *encryptNote = nullptr;      // why the archive cannot be encrypted; hidden when it can
    QLabel *levelLabel = nullptr;       // "Compression level"
    QSlider *levelSlider = nullptr;
    QLabel *minLabel = nullptr;
    QLabel *medLabel = nullptr;
    QLabel *maxLabel = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

    // The directory list's current directory. Setting it moves the drive box
    // and the file list along; a directory that is gone gives the nearest one above.
    QString directory() const { return chain_.directory(); }
    void setDirectory(const QString &path);

    // The entries of "Files to Add:", in list order.
    QStringList entries() const { return list_.entries(); }
    // Empties "Files to Add:"; the add command does it once it has the
    // entries, and when the add was cancelled.
    void clearList();
    // The list is built for one archive: opened for another, it starts empty.
    // `limits` greys what that archive cannot keep; a box greyed for one
    // archive comes back as the user left it for the next that keeps it.
    void startFor(const QString &archive, const AddFormLimits &limits = {});
    AddFormChoices choices() const;
    // The password the encrypt box stands for; empty while it is unchecked.
    QString password() const { return password_; }
    // Shows the dialog modally and hands back how it was left.
    AddFormResult ask();

public slots:
    void addDirectoryClicked();
    void addFilesClicked();
    void selectAllClicked();
    void removeClicked();
    void sortClicked();
    void dirNamesToggled();
    void recurseToggled();
    // Checking asks for the password twice; anything but the same password
    // twice leaves the box unchecked.
    void encryptClicked(bool checked);
    void okClicked();
    void cancelClicked();
    void driveChanged(int index);
    // Makes the directory of `item` the current one (double-click or Enter).
    void openDirectory(QTreeWidgetItem *item);

    // Closing without OK, by Cancel or by the window's close button.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void initialise();
    void buildBrowsing();
    void buildListStrip();
    void buildOptions();
    void chainTabOrder();
    // Fills the drive box, the directory list and the file list from the chain.
    void refreshBrowsing();
    void insertEntry(int row, const QString &entry);
    void scrollToEnd();
    void forgetPassword();
    void applyLimits(const AddFormLimits &limits);

    VolumeSource volumeSource_;
    bool dialogCancelled_ = false;
    DirectoryChain chain_;
    AddFileList list_;
    QString password_;
    QString listArchive_;  // the archive "Files to Add:" was built for
};
