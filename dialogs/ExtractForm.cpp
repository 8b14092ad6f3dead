#include "dialogs/ExtractForm.h"

#include "controls/FlatButton.h"
#include "dialogs/DirectoryCreation.h"
#include "dialogs/RadioGroup.h"
#include "platform/Palette.h"
#include "platform/Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

QString ExtractDir;
bool ExpandDirs = false;
bool OverwriteFiles = false;
bool ExtractAllFiles = false;
bool ExtractUpdateOnly = false;

namespace {

const int RightColumnWidth = 124;

QPixmap newDirectoryGlyph(const QStyle *style)
{
    return QIcon::fromTheme(QStringLiteral("folder-new"), style->standardIcon(QStyle::SP_FileDialogNewFolder))
        .pixmap(16, 16);
}

}  // namespace

TExtract::TExtract(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Extract"));
    setWindowTitle(QStringLiteral("Select Extract Directory"));
    setFont(platform::uiFont(11));
    setFixedSize(FormWidth, FormHeight);
    setModal(true);

    Label1 = new QLabel(QStringLiteral("Look &in:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    Label1->setBuddy(DriveComboBox1);
    FlatButton1 = new TFlatButton(this);
    FlatButton1->setObjectName(QStringLiteral("FlatButton1"));
    FlatButton1->setFixedSize(25, 25);
    FlatButton1->setGlyph(newDirectoryGlyph(style()));
    FlatButton1->setOptions(TFlatButtonOptions{boPopupMark, boShowBevel});
    FlatButton1->setToolTip(QStringLiteral("Create new directory"));

    DirTree1 = new TDirTree(this);
    DirTree1->setObjectName(QStringLiteral("DirTree1"));
    DirTree1->setReadOnStart(true);

    RadioGroup1 = new TRadioGroup(QStringLiteral("Expand ZIP Dirs"), {QStringLiteral("No"), QStringLiteral("Yes")}, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setToolTip(QStringLiteral(
        "Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored "
        "in the archive (if any) will also be recreated."));
    RadioGroup2 = new TRadioGroup(QStringLiteral("OverWrite Existing"), {QStringLiteral("No"), QStringLiteral("Yes")},
                                  this);
    RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
    RadioGroup2->setToolTip(QStringLiteral("Overwrite any pre-existing files during extraction."));
    RadioGroup3 = new TRadioGroup(QStringLiteral("Files to Extract"),
                                  {QStringLiteral("All Files"), QStringLiteral("Selected Files")}, this);
    RadioGroup3->setObjectName(QStringLiteral("RadioGroup3"));
    RadioGroup3->setToolTip(QStringLiteral("Files to extract"));
    Ch_ExtUpdate = new QCheckBox(QStringLiteral("Only Update file(s)"), this);
    Ch_ExtUpdate->setObjectName(QStringLiteral("Ch_ExtUpdate"));

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setToolTip(QStringLiteral("Start extracting file(s)"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("&Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setToolTip(QStringLiteral("Cancel operation"));
    BitBtn2->setAutoDefault(false);

    auto *strip = new QHBoxLayout;
    strip->setSpacing(6);
    strip->addWidget(Label1);
    strip->addWidget(DriveComboBox1, 1);
    strip->addWidget(FlatButton1);
    auto *left = new QVBoxLayout;
    left->setSpacing(6);
    left->addLayout(strip);
    left->addWidget(DirTree1, 1);

    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    for (QWidget *widget : std::initializer_list<QWidget *>{RadioGroup1, RadioGroup2, RadioGroup3, Ch_ExtUpdate})
        right->addWidget(widget);
    right->addStretch(1);
    right->addWidget(BitBtn1);
    right->addWidget(BitBtn2);
    auto *column = new QWidget(this);
    column->setFixedWidth(RightColumnWidth);
    column->setLayout(right);
    right->setContentsMargins(0, 0, 0, 0);

    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(8);
    outer->addLayout(left, 1);
    outer->addWidget(column);

    // The check box comes last: it was added after the others.
    setTabOrder(DriveComboBox1, DirTree1);
    setTabOrder(DirTree1, RadioGroup1->button(0));
    setTabOrder(RadioGroup1->button(0), RadioGroup1->button(1));
    setTabOrder(RadioGroup1->button(1), RadioGroup2->button(0));
    setTabOrder(RadioGroup2->button(0), RadioGroup2->button(1));
    setTabOrder(RadioGroup2->button(1), RadioGroup3->button(0));
    setTabOrder(RadioGroup3->button(0), RadioGroup3->button(1));
    setTabOrder(RadioGroup3->button(1), BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, Ch_ExtUpdate);

    connect(BitBtn1, &QPushButton::clicked, this, &TExtract::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TExtract::BitBtn2Click);
    connect(FlatButton1, &TFlatButton::clicked, this, &TExtract::FlatButton1Click);
    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, &TExtract::DriveComboBox1Change);

    fillDriveComboBox();
    FormCreate();
}

void TExtract::FormCreate()
{
    RadioGroup1->setItemIndex(0);  // "No"
    RadioGroup2->setItemIndex(1);  // "Yes"
    RadioGroup3->setItemIndex(0);  // "All Files"
    Ch_ExtUpdate->setChecked(false);
}

void TExtract::setVolumeSource(TDirTree::VolumeSource source)
{
    DirTree1->setVolumeSource(std::move(source));
    fillDriveComboBox();
}

void TExtract::fillDriveComboBox()
{
    // Filled without moving the tree: at start no directory is selected.
    const QSignalBlocker quiet(DriveComboBox1);
    DriveComboBox1->clear();
    QStringList roots;
    for (const platform::Volume &volume : DirTree1->volumes()) {
        const QString root = dirtree::withSlash(volume.rootPath);
        const QString text = volume.displayName.isEmpty() || volume.displayName == volume.rootPath
                                 ? volume.rootPath
                                 : volume.displayName + QStringLiteral(" (") + volume.rootPath + QLatin1Char(')');
        DriveComboBox1->addItem(text, root);
        roots.append(root);
    }
    const QString current = dirtree::volumeRootOf(roots, QDir::currentPath());
    DriveComboBox1->setCurrentIndex(std::max(0, int(roots.indexOf(current))));
}

void TExtract::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
    FormActivate();
}

void TExtract::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // An activation that arrives after OK has hidden the dialog is stale.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        FormActivate();
}

void TExtract::FormActivate()
{
    DialogCancelled = true;
}

void TExtract::keyPressEvent(QKeyEvent *event)
{
    // Escape presses Cancel, which empties ExtractDir; a close by the title
    // bar leaves it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        BitBtn2Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TExtract::BitBtn1Click()
{
    DialogCancelled = false;
    ExtractDir = DirTree1->SelectedPath();
    ExpandDirs = RadioGroup1->ItemIndex() != 0;
    OverwriteFiles = RadioGroup2->ItemIndex() != 0;
    ExtractAllFiles = RadioGroup3->ItemIndex() == 0;
    ExtractUpdateOnly = Ch_ExtUpdate->isChecked();
    close();
}

void TExtract::BitBtn2Click()
{
    ExtractDir.clear();
    close();
}

void TExtract::DriveComboBox1Change()
{
    DirTree1->SelectDrive(DriveComboBox1->currentData().toString());
}

void TExtract::FlatButton1Click()
{
    QString typed;
    // Cancelled, or nothing typed: nothing to make.
    if (!platform::prompts().inputText(this, QStringLiteral("Input Box"), QStringLiteral("Directory"), typed)
        || typed.isEmpty())
        return;
    if (const QString problem = newdir::nameProblem(typed); !problem.isEmpty()) {
        platform::warningBox(this, problem);
        return;
    }
    const QString name = dirtree::withSlash(typed);
    const QString failure = newdir::createOneLevel(DirTree1->SelectedPath() + name);
    if (!failure.isEmpty()) {
        // The tree stays as it is and the dialog stays open.
        platform::applicationErrorBox(this, failure);
        return;
    }
    DirTree1->Reload();
    DirTree1->SelectPath(DirTree1->SelectedPath() + name);
}
