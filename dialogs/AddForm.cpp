#include "dialogs/AddForm.h"

#include "engine/common/CallRecords.h"
#include "platform/Palette.h"
#include "platform/Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTreeWidget>
#include <algorithm>

namespace {

constexpr int PathRole = Qt::UserRole;
// Kept on an option box while the archive cannot keep its option: its own
// hint, and whether the user had checked it.
constexpr const char *OwnHintProperty = "ownHint";
constexpr const char *CheckedProperty = "checkedBeforeGreyed";

// The directory list is always fully open: no expand or collapse marks.
class DirectoryTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter *, const QRect &, const QModelIndex &) const override {}
};

// A check box whose caption goes on two lines, broken at its last blank,
// when it is wider than the box: the column below the options is narrower
// than the encrypt box's caption, and its text stays whole for the reader.
class TwoLineCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

    // On two lines: as wide as the longer of them.
    QSize sizeHint() const override
    {
        const QSize oneLine = QCheckBox::sizeHint();
        const qsizetype blank = text().lastIndexOf(QLatin1Char(' '));
        if (blank <= 0)
            return oneLine;
        const QFontMetrics metrics = fontMetrics();
        const int longer =
            std::max(metrics.horizontalAdvance(text().left(blank)), metrics.horizontalAdvance(text().mid(blank + 1)));
        return {oneLine.width() - metrics.horizontalAdvance(text()) + longer, oneLine.height() + metrics.lineSpacing()};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect room = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
        const qsizetype blank = option.text.lastIndexOf(QLatin1Char(' '));
        if (option.fontMetrics.horizontalAdvance(option.text) > room.width() && blank > 0)
            option.text[blank] = QLatin1Char('\n');
        painter.drawControl(QStyle::CE_CheckBox, option);
    }
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
    //: A drive in the list: %1 is the folder it is mounted on, %2 its name.
    return QCoreApplication::translate("TAddForm", "%1 [%2]").arg(volume.rootPath, volume.displayName);
}

}  // namespace

TAddForm::TAddForm(QWidget *parent) : TAddForm(&platform::volumes, QDir::currentPath(), parent) {}

TAddForm::TAddForm(VolumeSource volumes, const QString &start, QWidget *parent)
    : QDialog(parent), volumeSource_(std::move(volumes)), chain_(volumeSource_(), start)
{
    setObjectName(QStringLiteral("AddForm"));
    setWindowTitle(tr("Add File(s)"));
    setFont(platform::uiFont(11));
    setFixedSize(FormWidth, FormHeight);
    setModal(true);

    buildBrowsing();
    buildListStrip();
    buildOptions();
    chainTabOrder();
    initialise();
    refreshBrowsing();
}

TAddForm::~TAddForm() = default;

void TAddForm::buildBrowsing()
{
    driveBox = new QComboBox(this);
    driveBox->setObjectName(QStringLiteral("driveBox"));
    driveBox->setGeometry(8, 8, 264, 22);
    connect(driveBox, &QComboBox::activated, this, &TAddForm::driveChanged);

    selectAllButton = makeButton(this, "selectAllButton", QStyle::SP_DialogApplyButton, tr("&Select all"),
                                 tr("Select all files"), QRect(276, 6, 96, 25));
    connect(selectAllButton, &QPushButton::clicked, this, &TAddForm::selectAllClicked);

    // A tree holding one chain (root, its open descendants, then the current
    // directory's children) draws the indented list of a directory list box.
    directoryList = new DirectoryTree(this);
    directoryList->setObjectName(QStringLiteral("directoryList"));
    directoryList->setGeometry(8, 36, 264, 208);
    directoryList->setHeaderHidden(true);
    directoryList->setRootIsDecorated(false);
    directoryList->setItemsExpandable(false);
    directoryList->setExpandsOnDoubleClick(false);
    directoryList->setIndentation(12);
    directoryList->setIconSize(QSize(16, 16));
    directoryList->setSelectionMode(QAbstractItemView::SingleSelection);
    directoryList->installEventFilter(this);
    connect(directoryList, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { openDirectory(item); });

    fileList = new QListWidget(this);
    fileList->setObjectName(QStringLiteral("fileList"));
    fileList->setGeometry(276, 36, 170, 208);
    fileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void TAddForm::buildListStrip()
{
    filesToAddLabel = makeLabel(tr("Files to Add:"), "filesToAddLabel", this, QRect(8, 254, 78, 17));
    sortButton =
        makeButton(this, "sortButton", QStyle::SP_ArrowDown, tr("&Sort"), tr("Sort file(s)"), QRect(86, 250, 62, 25));
    // The Sort button keeps its hint text but does not show it.
    sortButton->installEventFilter(this);
    addDirectoryButton = makeButton(this, "addDirectoryButton", QStyle::SP_DirIcon, tr("Add &dir"),
                                    tr("Add directory to Zipfile"), QRect(152, 250, 84, 25));
    addFilesButton = makeButton(this, "addFilesButton", QStyle::SP_FileIcon, tr("Add &file(s)"),
                                tr("Add file(s) to Zipfile"), QRect(240, 250, 98, 25));
    removeButton = makeButton(this, "removeButton", QStyle::SP_TrashIcon, tr("&Remove file"),
                              tr("Remove file(s) from Zipfile"), QRect(342, 250, 104, 25));
    connect(sortButton, &QPushButton::clicked, this, &TAddForm::sortClicked);
    connect(addDirectoryButton, &QPushButton::clicked, this, &TAddForm::addDirectoryClicked);
    connect(addFilesButton, &QPushButton::clicked, this, &TAddForm::addFilesClicked);
    connect(removeButton, &QPushButton::clicked, this, &TAddForm::removeClicked);

    filesToAddList = new QListWidget(this);
    filesToAddList->setObjectName(QStringLiteral("filesToAddList"));
    filesToAddList->setGeometry(8, 282, 438, 190);
    filesToAddList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    filesToAddList->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
}

void TAddForm::buildOptions()
{
    optionsLabel = makeLabel(tr("Options"), "optionsLabel", this, QRect(458, 8, 120, 17));
    optionsBox = new QGroupBox(this);
    optionsBox->setObjectName(QStringLiteral("optionsBox"));
    optionsBox->setGeometry(452, 26, 138, 152);
    //: Option: store each file's folder names with it. The box is 130 pixels wide.
    dirNamesBox =
        makeCheckBox(optionsBox, "dirNamesBox", tr("Save DirNames"), tr("Saves the pathname with each filename"), 0);
    //: Option: include the subfolders of each folder added.
    recurseBox = makeCheckBox(optionsBox, "recurseBox", tr("Recurse Dirs"),
                              tr("Subdirectories below EACH given filespecification will be included in "
                                 "the filespecification"),
                              1);
    //: Option: store names as short 8.3 MS-DOS names.
    forceDosBox = makeCheckBox(optionsBox, "forceDosBox", tr("Force MS-DOS"),
                               tr("Force all filenames that go into the ZIP file to meet the DOS 8x3 "
                                  "restriction. If not checked, long filenames are supported"),
                               2);
    //: Option: give the archive file the date of its newest member.
    timestampBox = makeCheckBox(optionsBox, "timestampBox", tr("Use Timestamp"),
                                tr("Set ZIP timestamp to that of the newest file in the archive"), 3);
    moveBox = makeCheckBox(optionsBox, "moveBox", tr("Delete file(s) after"),
                           tr("After adding to archive, delete original file"), 4);
    updateOnlyBox = makeCheckBox(optionsBox, "updateOnlyBox", tr("Only update file(s)"), QString(), 5);
    // Below the level's scale, so that the boxes and buttons of old stay where they were.
    encryptBox = new TwoLineCheckBox(tr("Encrypt with password…"), this);
    encryptBox->setObjectName(QStringLiteral("encryptBox"));
    encryptBox->setToolTip(tr("Encrypt the added files with a password (AES-256)"));
    encryptBox->setGeometry(458, 262, 132, 36);
    connect(encryptBox, &QCheckBox::clicked, this, &TAddForm::encryptClicked);
    fullPathsBox = new QCheckBox(tr("Store full paths"), this);
    fullPathsBox->setObjectName(QStringLiteral("fullPathsBox"));
    fullPathsBox->setToolTip(tr("With Save DirNames, store each path from the root folder instead of "
                                "from the folder that holds what was added"));
    fullPathsBox->setGeometry(458, 302, 132, 20);
    // Under the boxes, where the user looks for the password: a greyed box's
    // hint shows only to a pointer resting on it.
    encryptNote = makeLabel(QString(), "encryptNote", this, QRect(458, 328, 132, 66), Qt::AlignLeft | Qt::AlignTop);
    encryptNote->setWordWrap(true);
    encryptNote->hide();
    connect(dirNamesBox, &QCheckBox::toggled, this, &TAddForm::dirNamesToggled);
    connect(recurseBox, &QCheckBox::toggled, this, &TAddForm::recurseToggled);

    levelLabel = makeLabel(tr("Compression level"), "levelLabel", this, QRect(458, 188, 128, 17));
    levelSlider = new QSlider(Qt::Horizontal, this);
    levelSlider->setObjectName(QStringLiteral("levelSlider"));
    levelSlider->setGeometry(454, 206, 134, 30);
    levelSlider->setRange(0, 9);
    levelSlider->setSingleStep(1);
    levelSlider->setPageStep(1);
    levelSlider->setTickInterval(1);
    levelSlider->setTickPosition(QSlider::TicksBelow);
    levelSlider->setValue(9);
    levelSlider->setToolTip(tr("Compression level, default = max = save space, Min = save time"));
    //: Under the compression level's scale: the least compression (fastest).
    minLabel = makeLabel(tr("Min"), "minLabel", this, QRect(458, 236, 36, 15));
    //: Under the compression level's scale: medium compression.
    medLabel = makeLabel(tr("Med"), "medLabel", this, QRect(503, 236, 36, 15), Qt::AlignCenter);
    //: Under the compression level's scale: the most compression (smallest).
    maxLabel = makeLabel(tr("Max"), "maxLabel", this, QRect(548, 236, 36, 15), Qt::AlignRight | Qt::AlignVCenter);

    okButton = makeButton(this, "okButton", QStyle::SP_DialogOkButton, tr("&OK"), tr("Start compressing file(s)"),
                          QRect(466, 404, 112, 28));
    okButton->setDefault(true);
    cancelButton = makeButton(this, "cancelButton", QStyle::SP_DialogCancelButton, tr("&Cancel"),
                              tr("Cancel operation"), QRect(466, 440, 112, 28));
    connect(okButton, &QPushButton::clicked, this, &TAddForm::okClicked);
    connect(cancelButton, &QPushButton::clicked, this, &TAddForm::cancelClicked);
}

void TAddForm::chainTabOrder()
{
    const QList<QWidget *> order = {dirNamesBox,  recurseBox,         levelSlider,     okButton,      cancelButton,
                                    forceDosBox,  timestampBox,       moveBox,         updateOnlyBox, encryptBox,
                                    fullPathsBox, driveBox,           selectAllButton, directoryList, fileList,
                                    sortButton,   addDirectoryButton, addFilesButton,  removeButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TAddForm::initialise()
{
    dirNamesBox->setChecked(false);
    recurseBox->setChecked(false);
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
        const QSignalBlocker blocker(driveBox);
        driveBox->clear();
        for (const platform::Volume &volume : chain_.volumes())
            driveBox->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), volumeText(volume), volume.rootPath);
        driveBox->setCurrentIndex(chain_.volumeIndex());
    }

    directoryList->clear();
    QTreeWidgetItem *parent = nullptr;
    QTreeWidgetItem *current = nullptr;
    const QList<DirectoryRow> rows = chain_.rows();
    const int currentRow = chain_.currentRow();
    for (int i = 0; i < rows.size(); ++i) {
        const DirectoryRow &row = rows[i];
        QTreeWidgetItem *item = i <= currentRow
                                    ? (parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(directoryList))
                                    : new QTreeWidgetItem(current);
        item->setText(0, row.text);
        item->setData(0, PathRole, row.path);
        const QStyle::StandardPixmap icon = i == 0     ? QStyle::SP_DriveHDIcon
                                            : row.open ? QStyle::SP_DirOpenIcon
                                                       : QStyle::SP_DirClosedIcon;
        item->setIcon(0, style()->standardIcon(icon));
        if (i <= currentRow)
            parent = current = item;
    }
    directoryList->expandAll();
    if (current) {
        directoryList->setCurrentItem(current);
        current->setSelected(true);
        directoryList->scrollToItem(current);
    }

    fileList->clear();
    fileList->addItems(chain_.files());
}

void TAddForm::driveChanged(int index)
{
    chain_.chooseVolume(index);
    refreshBrowsing();
}

void TAddForm::openDirectory(QTreeWidgetItem *item)
{
    if (!item)
        return;
    setDirectory(item->data(0, PathRole).toString());
}

void TAddForm::insertEntry(int row, const QString &entry)
{
    if (row < 0)
        return;
    filesToAddList->insertItem(row, entry);
}

void TAddForm::scrollToEnd()
{
    // The last entry comes into view and is left unselected; the others keep
    // their selection.
    if (filesToAddList->count() == 0)
        return;
    QListWidgetItem *last = filesToAddList->item(filesToAddList->count() - 1);
    filesToAddList->scrollToItem(last);
    last->setSelected(false);
}

void TAddForm::addDirectoryClicked()
{
    dialogCancelled_ = true;
    // The folder the user highlighted, not the opened one above it: a click
    // on a folder is how it is chosen.
    if (const QList<QTreeWidgetItem *> chosen = directoryList->selectedItems(); !chosen.isEmpty()) {
        const QString entry = AddFileList::directoryEntry(chosen.front()->data(0, PathRole).toString());
        insertEntry(list_.add(entry), entry);
    }
    scrollToEnd();
}

void TAddForm::addFilesClicked()
{
    dialogCancelled_ = true;
    for (int i = 0; i < fileList->count(); ++i) {
        QListWidgetItem *item = fileList->item(i);
        if (!item->isSelected())
            continue;
        const QString entry = AddFileList::fileEntry(chain_.directory(), item->text());
        insertEntry(list_.add(entry), entry);
        item->setSelected(false);
    }
    scrollToEnd();
}

void TAddForm::selectAllClicked()
{
    fileList->selectAll();
}

void TAddForm::removeClicked()
{
    QList<int> rows;
    for (int row = filesToAddList->count() - 1; row >= 0; --row) {
        if (filesToAddList->item(row)->isSelected()) {
            rows.append(row);
            delete filesToAddList->takeItem(row);
        }
    }
    list_.removeRows(rows);
}

void TAddForm::sortClicked()
{
    QList<bool> selected;
    for (int row = 0; row < filesToAddList->count(); ++row)
        selected.append(filesToAddList->item(row)->isSelected());
    const QList<int> order = list_.sort();
    filesToAddList->clear();
    for (int row = 0; row < order.size(); ++row) {
        filesToAddList->addItem(list_.entries()[row]);
        filesToAddList->item(row)->setSelected(selected[order[row]]);
    }
    sortButton->setEnabled(false);
}

void TAddForm::dirNamesToggled()
{
    // The partner's own handler then finds both equal and changes nothing.
    recurseBox->setChecked(dirNamesBox->isChecked());
}

void TAddForm::recurseToggled()
{
    dirNamesBox->setChecked(recurseBox->isChecked());
}

void TAddForm::encryptClicked(bool checked)
{
    forgetPassword();
    if (!checked)
        return;
    encryptBox->setChecked(false);  // until the password is known
    const QString caption = tr("Password");
    QString first;
    if (!platform::prompts().inputPassword(this, caption, tr("Enter the password for the files to add:"), first)
        || first.isEmpty())
        return;
    // The add encrypts with the UTF-8 bytes, and the extraction reads no
    // password longer than the limit: refused here, never cut later.
    QByteArray bytes = first.toUtf8();
    const bool tooLong = bytes.size() > MaxPasswordLength;
    std::fill(bytes.begin(), bytes.end(), '\0');
    if (tooLong) {
        std::fill(first.begin(), first.end(), QChar(u'\0'));
        //: %n is the longest password the archive takes, in bytes of UTF-8.
        platform::warningBox(this, tr("The password is longer than %n bytes.", nullptr, MaxPasswordLength));
        return;
    }
    QString second;
    if (!platform::prompts().inputPassword(this, caption, tr("Enter the password again:"), second)
        || second.isEmpty()) {
        std::fill(first.begin(), first.end(), QChar(u'\0'));
        return;
    }
    if (first != second) {
        std::fill(first.begin(), first.end(), QChar(u'\0'));
        std::fill(second.begin(), second.end(), QChar(u'\0'));
        platform::warningBox(this, tr("The passwords do not match."));
        return;
    }
    std::fill(second.begin(), second.end(), QChar(u'\0'));
    password_ = std::move(first);
    encryptBox->setChecked(true);
}

void TAddForm::forgetPassword()
{
    std::fill(password_.begin(), password_.end(), QChar(u'\0'));
    password_.clear();
}

void TAddForm::okClicked()
{
    dialogCancelled_ = false;
    accept();
}

void TAddForm::cancelClicked()
{
    reject();
}

void TAddForm::reject()
{
    // Left without OK: the add command must not run, whatever the list holds.
    dialogCancelled_ = true;
    QDialog::reject();
}

void TAddForm::startFor(const QString &archive, const AddFormLimits &limits)
{
    if (archive != listArchive_)
        clearList();
    listArchive_ = archive;
    applyLimits(limits);
}

void TAddForm::applyLimits(const AddFormLimits &limits)
{
    const struct {
        QCheckBox *box;
        const QString &refusal;
    } boxes[] = {{encryptBox, limits.encryption}, {forceDosBox, limits.dosNames}, {timestampBox, limits.timestamp}};
    for (const auto &[box, refusal] : boxes) {
        // The hint of its own is kept for when the box is on again.
        if (!box->property(OwnHintProperty).isValid())
            box->setProperty(OwnHintProperty, box->toolTip());
        const bool refused = !refusal.isEmpty();
        if (refused && box->isEnabled()) {
            // A password is never carried over, whatever the archive.
            box->setProperty(CheckedProperty, box != encryptBox && box->isChecked());
            box->setChecked(false);
        } else if (!refused && !box->isEnabled()) {
            box->setChecked(box->property(CheckedProperty).toBool());
        }
        box->setEnabled(!refused);
        box->setToolTip(refused ? refusal : box->property(OwnHintProperty).toString());
    }
    encryptNote->setText(limits.encryption);
    encryptNote->setVisible(!limits.encryption.isEmpty());
    if (!limits.encryption.isEmpty())
        forgetPassword();
}

void TAddForm::clearList()
{
    list_.clear();
    filesToAddList->clear();
}

AddFormChoices TAddForm::choices() const
{
    AddFormChoices c;
    c.dirNames = dirNamesBox->isChecked();
    c.recurseDirs = recurseBox->isChecked();
    c.forceDos = forceDosBox->isChecked();
    c.useTimestamp = timestampBox->isChecked();
    c.moveFiles = moveBox->isChecked();
    c.updateOnly = updateOnlyBox->isChecked();
    c.fullPaths = fullPathsBox->isChecked();
    c.level = levelSlider->value();
    return c;
}

AddFormResult TAddForm::ask()
{
    // An opening ended neither by a button nor by a change of the list (the
    // main window closing hides it) is not cancelled.
    dialogCancelled_ = false;
    exec();
    return {dialogCancelled_, entries(), choices(), password_};
}

void TAddForm::showEvent(QShowEvent *event)
{
    // A stick plugged in since the last opening shows up in the drive box.
    chain_.setVolumes(volumeSource_());
    // Deleting the user's files is chosen afresh for every add, never carried over.
    moveBox->setChecked(false);
    // Nor is a password kept from one add to the next.
    encryptBox->setChecked(false);
    forgetPassword();
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
    if (watched == sortButton && event->type() == QEvent::ToolTip)
        return true;
    if (watched == directoryList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        // Enter opens the directory instead of pressing OK.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openDirectory(directoryList->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
