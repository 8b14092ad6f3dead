#include "dialogs/AddForm.h"

#include "dialogs/DialogCancelled.h"
#include "platform/Palette.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTreeWidget>

namespace {

constexpr int PathRole = Qt::UserRole;

// The directory list is always fully open: no expand or collapse marks.
class DirectoryTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter *, const QRect &, const QModelIndex &) const override {}
};

QLabel *makeLabel(const QString &text, const char *name, QWidget *parent, const QRect &geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon, const QString &caption,
                        const QString &hint, const QRect &geometry)
{
    auto *button = new QPushButton(parent->style()->standardIcon(icon), caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setGeometry(geometry);
    button->setIconSize(QSize(14, 14));
    return button;
}

QCheckBox *makeCheckBox(QWidget *parent, const char *name, const QString &caption, const QString &hint, int row)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(hint);
    box->setGeometry(6, 8 + row * 23, 130, 20);
    return box;
}

QString volumeText(const platform::Volume &volume)
{
    if (volume.displayName.isEmpty() || volume.displayName == volume.rootPath)
        return volume.rootPath;
    return volume.rootPath + QStringLiteral(" [") + volume.displayName + QLatin1Char(']');
}

}  // namespace

TAddForm::TAddForm(QWidget *parent) : TAddForm(&platform::volumes, QDir::currentPath(), parent) {}

TAddForm::TAddForm(VolumeSource volumes, const QString &start, QWidget *parent)
    : QDialog(parent), volumeSource_(std::move(volumes)), chain_(volumeSource_(), start)
{
    setObjectName(QStringLiteral("AddForm"));
    setWindowTitle(QStringLiteral("Add File(s)"));
    setFont(platform::uiFont(11));
    setFixedSize(FormWidth, FormHeight);
    setModal(true);

    buildBrowsing();
    buildListStrip();
    buildOptions();
    chainTabOrder();
    FormCreate();
    refreshBrowsing();
}

TAddForm::~TAddForm() = default;

void TAddForm::buildBrowsing()
{
    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setGeometry(8, 8, 264, 22);
    connect(DriveComboBox1, &QComboBox::activated, this, &TAddForm::DriveComboBox1Change);

    BU_Selectall = makeButton(this, "BU_Selectall", QStyle::SP_DialogApplyButton, QStringLiteral("&Select all"),
                              QStringLiteral("Select all files"), QRect(276, 6, 96, 25));
    connect(BU_Selectall, &QPushButton::clicked, this, &TAddForm::BU_SelectallClick);

    // A tree holding one chain (root, its open descendants, then the current
    // directory's children) draws the indented list of a directory list box.
    DirectoryListBox1 = new DirectoryTree(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setGeometry(8, 36, 264, 208);
    DirectoryListBox1->setHeaderHidden(true);
    DirectoryListBox1->setRootIsDecorated(false);
    DirectoryListBox1->setItemsExpandable(false);
    DirectoryListBox1->setExpandsOnDoubleClick(false);
    DirectoryListBox1->setIndentation(12);
    DirectoryListBox1->setIconSize(QSize(16, 16));
    DirectoryListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    DirectoryListBox1->installEventFilter(this);
    connect(DirectoryListBox1, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { DirectoryListBox1Open(item); });

    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setGeometry(276, 36, 170, 208);
    FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void TAddForm::buildListStrip()
{
    Label1 = makeLabel(QStringLiteral("Files to Add:"), "Label1", this, QRect(8, 254, 78, 17));
    Sortbut = makeButton(this, "Sortbut", QStyle::SP_ArrowDown, QStringLiteral("&Sort"),
                         QStringLiteral("Sort file(s)"), QRect(86, 250, 62, 25));
    // The Sort button keeps its hint text but does not show it.
    Sortbut->installEventFilter(this);
    BitBtn7 = makeButton(this, "BitBtn7", QStyle::SP_DirIcon, QStringLiteral("Add &dir"),
                         QStringLiteral("Add directory to Zipfile"), QRect(152, 250, 84, 25));
    BitBtn6 = makeButton(this, "BitBtn6", QStyle::SP_FileIcon, QStringLiteral("Add &file(s)"),
                         QStringLiteral("Add file(s) to Zipfile"), QRect(240, 250, 98, 25));
    BitBtn5 = makeButton(this, "BitBtn5", QStyle::SP_TrashIcon, QStringLiteral("&Remove file"),
                         QStringLiteral("Remove file(s) from Zipfile"), QRect(342, 250, 104, 25));
    connect(Sortbut, &QPushButton::clicked, this, &TAddForm::BitBtn4Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TAddForm::BitBtn7Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TAddForm::BitBtn6Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TAddForm::BitBtn5Click);

    SelectedList = new QListWidget(this);
    SelectedList->setObjectName(QStringLiteral("SelectedList"));
    SelectedList->setGeometry(8, 282, 438, 190);
    SelectedList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    SelectedList->setFocusPolicy(Qt::ClickFocus);   // not a tab stop
}

void TAddForm::buildOptions()
{
    Label2 = makeLabel(QStringLiteral("Options"), "Label2", this, QRect(458, 8, 120, 17));
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(452, 26, 138, 152);
    DirNameCB = makeCheckBox(GroupBox1, "DirNameCB", QStringLiteral("Save DirNames"),
                             QStringLiteral("Saves the pathname with each filename"), 0);
    RecurseCB = makeCheckBox(GroupBox1, "RecurseCB", QStringLiteral("Recurse Dirs"),
                             QStringLiteral("Subdirectories below EACH given filespecification will be included in "
                                            "the filespecification"),
                             1);
    CB_ForceDos = makeCheckBox(GroupBox1, "CB_ForceDos", QStringLiteral("Force MS-DOS"),
                               QStringLiteral("Force all filenames that go into the ZIP file to meet the DOS 8x3 "
                                              "restriction. If not checked, long filenames are supported"),
                               2);
    CB_Timestamp = makeCheckBox(GroupBox1, "CB_Timestamp", QStringLiteral("Use Timestamp"),
                                QStringLiteral("Set ZIP timestamp to that of the newest file in the archive"), 3);
    CB_Move = makeCheckBox(GroupBox1, "CB_Move", QStringLiteral("Delete file(s) after"),
                           QStringLiteral("After adding to archive, delete original file"), 4);
    Ch_Update = makeCheckBox(GroupBox1, "Ch_Update", QStringLiteral("Only update file(s)"), QString(), 5);
    connect(DirNameCB, &QCheckBox::toggled, this, &TAddForm::DirNameCBClick);
    connect(RecurseCB, &QCheckBox::toggled, this, &TAddForm::RecurseCBClick);

    Label3 = makeLabel(QStringLiteral("Compression level"), "Label3", this, QRect(458, 188, 128, 17));
    tb_complevel = new QSlider(Qt::Horizontal, this);
    tb_complevel->setObjectName(QStringLiteral("tb_complevel"));
    tb_complevel->setGeometry(454, 206, 134, 30);
    tb_complevel->setRange(0, 9);
    tb_complevel->setSingleStep(1);
    tb_complevel->setPageStep(1);
    tb_complevel->setTickInterval(1);
    tb_complevel->setTickPosition(QSlider::TicksBelow);
    tb_complevel->setValue(9);
    tb_complevel->setToolTip(QStringLiteral("Compression level, default = max = save space, Min = save time"));
    Label4 = makeLabel(QStringLiteral("Min"), "Label4", this, QRect(458, 236, 36, 15));
    Label5 = makeLabel(QStringLiteral("Med"), "Label5", this, QRect(503, 236, 36, 15), Qt::AlignCenter);
    Label6 = makeLabel(QStringLiteral("Max"), "Label6", this, QRect(548, 236, 36, 15),
                       Qt::AlignRight | Qt::AlignVCenter);

    BitBtn1 = makeButton(this, "BitBtn1", QStyle::SP_DialogOkButton, QStringLiteral("&OK"),
                         QStringLiteral("Start compressing file(s)"), QRect(466, 404, 112, 28));
    BitBtn1->setDefault(true);
    BitBtn2 = makeButton(this, "BitBtn2", QStyle::SP_DialogCancelButton, QStringLiteral("&Cancel"),
                         QStringLiteral("Cancel operation"), QRect(466, 440, 112, 28));
    connect(BitBtn1, &QPushButton::clicked, this, &TAddForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TAddForm::BitBtn2Click);
}

void TAddForm::chainTabOrder()
{
    const QList<QWidget *> order = {DirNameCB,    RecurseCB,     tb_complevel,      BitBtn1,
                                    BitBtn2,      CB_ForceDos,   CB_Timestamp,      CB_Move,
                                    Ch_Update,    DriveComboBox1, BU_Selectall,     DirectoryListBox1,
                                    FileListBox1, Sortbut,       BitBtn7,           BitBtn6,
                                    BitBtn5};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TAddForm::FormCreate()
{
    DirNameCB->setChecked(false);
    RecurseCB->setChecked(false);
}

void TAddForm::setDirectory(const QString &path)
{
    chain_.setDirectory(path);
    refreshBrowsing();
}

void TAddForm::refreshBrowsing()
{
    // A directory removed while the dialog was hidden gives way to the nearest one above.
    chain_.setDirectory(chain_.directory());

    {
        const QSignalBlocker blocker(DriveComboBox1);
        DriveComboBox1->clear();
        for (const platform::Volume &volume : chain_.volumes())
            DriveComboBox1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), volumeText(volume),
                                    volume.rootPath);
        DriveComboBox1->setCurrentIndex(chain_.volumeIndex());
    }

    DirectoryListBox1->clear();
    QTreeWidgetItem *parent = nullptr;
    QTreeWidgetItem *current = nullptr;
    const QList<DirectoryRow> rows = chain_.rows();
    const int currentRow = chain_.currentRow();
    for (int i = 0; i < rows.size(); ++i) {
        const DirectoryRow &row = rows[i];
        QTreeWidgetItem *item = i <= currentRow ? (parent ? new QTreeWidgetItem(parent)
                                                          : new QTreeWidgetItem(DirectoryListBox1))
                                                : new QTreeWidgetItem(current);
        item->setText(0, row.text);
        item->setData(0, PathRole, row.path);
        const QStyle::StandardPixmap icon = i == 0 ? QStyle::SP_DriveHDIcon
                                            : row.open ? QStyle::SP_DirOpenIcon
                                                       : QStyle::SP_DirClosedIcon;
        item->setIcon(0, style()->standardIcon(icon));
        if (i <= currentRow)
            parent = current = item;
    }
    DirectoryListBox1->expandAll();
    if (current) {
        DirectoryListBox1->setCurrentItem(current);
        current->setSelected(true);
        DirectoryListBox1->scrollToItem(current);
    }

    FileListBox1->clear();
    FileListBox1->addItems(chain_.files());
}

void TAddForm::DriveComboBox1Change(int index)
{
    chain_.chooseVolume(index);
    refreshBrowsing();
}

void TAddForm::DirectoryListBox1Open(QTreeWidgetItem *item)
{
    if (!item)
        return;
    setDirectory(item->data(0, PathRole).toString());
}

void TAddForm::insertEntry(int row, const QString &entry)
{
    if (row < 0)
        return;
    SelectedList->insertItem(row, entry);
}

void TAddForm::scrollToEnd()
{
    // The last entry comes into view and is left unselected; the others keep
    // their selection.
    if (SelectedList->count() == 0)
        return;
    QListWidgetItem *last = SelectedList->item(SelectedList->count() - 1);
    SelectedList->scrollToItem(last);
    last->setSelected(false);
}

void TAddForm::BitBtn7Click()
{
    DialogCancelled = true;
    if (!DirectoryListBox1->selectedItems().isEmpty()) {
        const QString entry = AddFileList::directoryEntry(chain_.directory());
        insertEntry(list_.add(entry), entry);
    }
    scrollToEnd();
}

void TAddForm::BitBtn6Click()
{
    DialogCancelled = true;
    for (int i = 0; i < FileListBox1->count(); ++i) {
        QListWidgetItem *item = FileListBox1->item(i);
        if (!item->isSelected())
            continue;
        const QString entry = AddFileList::fileEntry(chain_.directory(), item->text());
        insertEntry(list_.add(entry), entry);
        item->setSelected(false);
    }
    scrollToEnd();
}

void TAddForm::BU_SelectallClick()
{
    FileListBox1->selectAll();
}

void TAddForm::BitBtn5Click()
{
    QList<int> rows;
    for (int row = SelectedList->count() - 1; row >= 0; --row) {
        if (SelectedList->item(row)->isSelected()) {
            rows.append(row);
            delete SelectedList->takeItem(row);
        }
    }
    list_.removeRows(rows);
}

void TAddForm::BitBtn4Click()
{
    QList<bool> selected;
    for (int row = 0; row < SelectedList->count(); ++row)
        selected.append(SelectedList->item(row)->isSelected());
    const QList<int> order = list_.sort();
    SelectedList->clear();
    for (int row = 0; row < order.size(); ++row) {
        SelectedList->addItem(list_.entries()[row]);
        SelectedList->item(row)->setSelected(selected[order[row]]);
    }
    Sortbut->setEnabled(false);
}

void TAddForm::DirNameCBClick()
{
    // The partner's own handler then finds both equal and changes nothing.
    RecurseCB->setChecked(DirNameCB->isChecked());
}

void TAddForm::RecurseCBClick()
{
    DirNameCB->setChecked(RecurseCB->isChecked());
}

void TAddForm::BitBtn1Click()
{
    DialogCancelled = false;
    accept();
}

void TAddForm::BitBtn2Click()
{
    reject();
}

void TAddForm::reject()
{
    // Left without OK: the add command must not run, whatever the list holds.
    DialogCancelled = true;
    QDialog::reject();
}

void TAddForm::clearList()
{
    list_.clear();
    SelectedList->clear();
}

AddFormChoices TAddForm::choices() const
{
    AddFormChoices c;
    c.dirNames = DirNameCB->isChecked();
    c.recurseDirs = RecurseCB->isChecked();
    c.forceDos = CB_ForceDos->isChecked();
    c.useTimestamp = CB_Timestamp->isChecked();
    c.moveFiles = CB_Move->isChecked();
    c.updateOnly = Ch_Update->isChecked();
    c.level = tb_complevel->value();
    return c;
}

void TAddForm::showEvent(QShowEvent *event)
{
    // A stick plugged in since the last opening shows up in the drive box.
    chain_.setVolumes(volumeSource_());
    // Deleting the user's files is chosen afresh for every add, never carried over.
    CB_Move->setChecked(false);
    refreshBrowsing();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TAddForm::keyPressEvent(QKeyEvent *event)
{
    // Escape is bound to no button.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TAddForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Sortbut && event->type() == QEvent::ToolTip)
        return true;
    if (watched == DirectoryListBox1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        // Enter opens the directory instead of pressing OK.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            DirectoryListBox1Open(DirectoryListBox1->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
