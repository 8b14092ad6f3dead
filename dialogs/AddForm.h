#pragma once
// The add dialog: the user browses to files and directories, collects them in
// the "Files to Add:" list and sets the add options and the compression level.
// It only builds a list of paths; the main window's add command reads it.

#include "dialogs/AddFileList.h"
#include "dialogs/DirectoryChain.h"

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
struct AddFormChoices {
    bool dirNames = false;       // "Save DirNames"
    bool recurseDirs = false;    // "Recurse Dirs"
    bool forceDos = false;       // "Force MS-DOS"
    bool useTimestamp = false;   // "Use Timestamp"
    bool moveFiles = false;      // "Delete file(s) after"
    bool updateOnly = false;     // "Only update file(s)"
    int level = 9;               // 0 stores, 9 compresses most
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

    QComboBox *DriveComboBox1 = nullptr;
    QPushButton *BU_Selectall = nullptr;
    QTreeWidget *DirectoryListBox1 = nullptr;
    QListWidget *FileListBox1 = nullptr;
    QLabel *Label1 = nullptr;          // "Files to Add:"
    QPushButton *Sortbut = nullptr;
    QPushButton *BitBtn7 = nullptr;    // "Add &dir"
    QPushButton *BitBtn6 = nullptr;    // "Add &file(s)"
    QPushButton *BitBtn5 = nullptr;    // "&Remove file"
    QListWidget *SelectedList = nullptr;
    QLabel *Label2 = nullptr;          // "Options"
    QGroupBox *GroupBox1 = nullptr;
    QCheckBox *DirNameCB = nullptr;
    QCheckBox *RecurseCB = nullptr;
    QCheckBox *CB_ForceDos = nullptr;
    QCheckBox *CB_Timestamp = nullptr;
    QCheckBox *CB_Move = nullptr;
    QCheckBox *Ch_Update = nullptr;
    QLabel *Label3 = nullptr;          // "Compression level"
    QSlider *tb_complevel = nullptr;
    QLabel *Label4 = nullptr;          // "Min"
    QLabel *Label5 = nullptr;          // "Med"
    QLabel *Label6 = nullptr;          // "Max"
    QPushButton *BitBtn1 = nullptr;    // "&OK"
    QPushButton *BitBtn2 = nullptr;    // "&Cancel"

    // The directory list's current directory. Setting it moves the drive box
    // and the file list along; a directory that is gone gives the nearest one above.
    QString directory() const { return chain_.directory(); }
    void setDirectory(const QString &path);

    // The entries of "Files to Add:", in list order.
    QStringList entries() const { return list_.entries(); }
    // Empties "Files to Add:"; the add command does it once it has the entries.
    void clearList();
    AddFormChoices choices() const;

public slots:
    void BitBtn7Click();          // Add dir
    void BitBtn6Click();          // Add file(s)
    void BU_SelectallClick();
    void BitBtn5Click();          // Remove file
    void BitBtn4Click();          // Sort
    void DirNameCBClick();
    void RecurseCBClick();
    void BitBtn1Click();          // OK
    void BitBtn2Click();          // Cancel
    void DriveComboBox1Change(int index);
    // Makes the directory of `item` the current one (double-click or Enter).
    void DirectoryListBox1Open(QTreeWidgetItem *item);

    // Closing without OK, by Cancel or by the window's close button.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void buildBrowsing();
    void buildListStrip();
    void buildOptions();
    void chainTabOrder();
    // Fills the drive box, the directory list and the file list from the chain.
    void refreshBrowsing();
    void insertEntry(int row, const QString &entry);
    void scrollToEnd();

    VolumeSource volumeSource_;
    DirectoryChain chain_;
    AddFileList list_;
};
