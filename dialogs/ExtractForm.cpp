#include "dialogs/ExtractForm.h"

#include "controls/FlatButton.h"
#include "dialogs/DirectoryCreation.h"
#include "dialogs/ExtractTarget.h"
#include "dialogs/RadioGroup.h"
#include "platform/Palette.h"
#include "platform/Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const int RightColumnWidth = 124;

const QString ExpandDirsKey = QStringLiteral("extract/expandDirs");
const QString OverwriteKey = QStringLiteral("extract/overwriteFiles");
const QString DirectoryKey = QStringLiteral("extract/directory");
const QString IntoFolderKey = QStringLiteral("extract/intoArchiveFolder");

QPixmap newDirectoryGlyph(const QStyle *style)
{
    return QIcon::fromTheme(QStringLiteral("folder-new"), style->standardIcon(QStyle::SP_FileDialogNewFolder))
        .pixmap(16, 16);
}

}  // namespace

TExtract::TExtract(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Extract"));
    setWindowTitle(tr("Select Extract Directory"));
    setFont(platform::uiFont(11));
    setFixedSize(FormWidth, FormHeight);
    setModal(true);

    lookInLabel = new QLabel(tr("Look &in:"), this);
    lookInLabel->setObjectName(QStringLiteral("lookInLabel"));
    driveBox = new QComboBox(this);
    driveBox->setObjectName(QStringLiteral("driveBox"));
    lookInLabel->setBuddy(driveBox);
    newDirectoryButton = new TFlatButton(this);
    newDirectoryButton->setObjectName(QStringLiteral("newDirectoryButton"));
    newDirectoryButton->setFixedSize(25, 25);
    newDirectoryButton->setGlyph(newDirectoryGlyph(style()));
    newDirectoryButton->setOptions(TFlatButtonOptions{boPopupMark, boShowBevel});
    newDirectoryButton->setToolTip(tr("Create new directory"));

    directoryTree = new TDirTree(this);
    directoryTree->setObjectName(QStringLiteral("directoryTree"));
    directoryTree->setReadOnStart(true);
    directoryTree->OnChange = [this](TDirTree &, QTreeWidgetItem *) { treeChanged(); };

    targetLabel = new QLabel(tr("Extract &to:"), this);
    targetLabel->setObjectName(QStringLiteral("targetLabel"));
    targetEdit = new QLineEdit(this);
    targetEdit->setObjectName(QStringLiteral("targetEdit"));
    targetEdit->setToolTip(tr("The folder to extract into; one that does not exist yet is made"));
    targetEdit->setClearButtonEnabled(true);
    targetLabel->setBuddy(targetEdit);
    intoFolderBox = new QCheckBox(tr("Into a folder named after the archive"), this);
    intoFolderBox->setObjectName(QStringLiteral("intoFolderBox"));
    //: "photos.tar.gz: photos" is an example: an archive's name and the folder named after it.
    intoFolderBox->setToolTip(tr("Extract into a new folder in the chosen one, named after the archive "
                                 "(photos.tar.gz: photos)"));

    //: Group title: whether the folders stored in the archive are made again ("Dirs": directories).
    expandDirsGroup = new RadioGroup(tr("Expand ZIP Dirs"), {tr("No"), tr("Yes")}, this);
    expandDirsGroup->setObjectName(QStringLiteral("expandDirsGroup"));
    expandDirsGroup->setToolTip(
        tr("Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs stored "
           "in the archive (if any) will also be recreated."));
    //: Group title: whether existing files are overwritten. The capital W is the program's own.
    overwriteGroup = new RadioGroup(tr("OverWrite Existing"), {tr("No"), tr("Yes")}, this);
    overwriteGroup->setObjectName(QStringLiteral("overwriteGroup"));
    overwriteGroup->setToolTip(tr("Overwrite any pre-existing files during extraction."));
    filesToExtractGroup = new RadioGroup(tr("Files to Extract"), {tr("All Files"), tr("Selected Files")}, this);
    filesToExtractGroup->setObjectName(QStringLiteral("filesToExtractGroup"));
    filesToExtractGroup->setToolTip(tr("Files to extract"));
    updateOnlyBox = new QCheckBox(tr("Only Update file(s)"), this);
    updateOnlyBox->setObjectName(QStringLiteral("updateOnlyBox"));

    okButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setToolTip(tr("Start extracting file(s)"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("&Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setToolTip(tr("Cancel operation"));
    cancelButton->setAutoDefault(false);

    auto *strip = new QHBoxLayout;
    strip->setSpacing(6);
    strip->addWidget(lookInLabel);
    strip->addWidget(driveBox, 1);
    strip->addWidget(newDirectoryButton);
    auto *targetRow = new QHBoxLayout;
    targetRow->setSpacing(6);
    targetRow->addWidget(targetLabel);
    targetRow->addWidget(targetEdit, 1);
    auto *left = new QVBoxLayout;
    left->setSpacing(6);
    left->addLayout(strip);
    left->addLayout(targetRow);
    left->addWidget(directoryTree, 1);
    left->addWidget(intoFolderBox);

    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    for (QWidget *widget :
         std::initializer_list<QWidget *>{expandDirsGroup, overwriteGroup, filesToExtractGroup, updateOnlyBox})
        right->addWidget(widget);
    right->addStretch(1);
    right->addWidget(okButton);
    right->addWidget(cancelButton);
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
    setTabOrder(driveBox, targetEdit);
    setTabOrder(targetEdit, directoryTree);
    setTabOrder(directoryTree, intoFolderBox);
    setTabOrder(intoFolderBox, expandDirsGroup->button(0));
    setTabOrder(expandDirsGroup->button(0), expandDirsGroup->button(1));
    setTabOrder(expandDirsGroup->button(1), overwriteGroup->button(0));
    setTabOrder(overwriteGroup->button(0), overwriteGroup->button(1));
    setTabOrder(overwriteGroup->button(1), filesToExtractGroup->button(0));
    setTabOrder(filesToExtractGroup->button(0), filesToExtractGroup->button(1));
    setTabOrder(filesToExtractGroup->button(1), okButton);
    setTabOrder(okButton, cancelButton);
    setTabOrder(cancelButton, updateOnlyBox);

    connect(okButton, &QPushButton::clicked, this, &TExtract::okClicked);
    connect(cancelButton, &QPushButton::clicked, this, &TExtract::cancelClicked);
    connect(newDirectoryButton, &TFlatButton::clicked, this, &TExtract::newDirectoryClicked);
    connect(driveBox, &QComboBox::currentIndexChanged, this, &TExtract::driveChanged);
    connect(targetEdit, &QLineEdit::textEdited, this, &TExtract::targetEdited);
    connect(intoFolderBox, &QCheckBox::clicked, this, [this] { intoFolderClicked_ = true; });

    fillDriveComboBox();
    initialise();
}

void TExtract::initialise()
{
    // Members keep their folders unless the user said otherwise: flattened,
    // files of the same name in different folders would overwrite each other.
    // Files already there are kept unless the user said otherwise: one the
    // user edited since the last extraction is not replaced without a word.
    const QSettings settings;
    expandDirsGroup->setItemIndex(settings.value(ExpandDirsKey, true).toBool() ? 1 : 0);
    overwriteGroup->setItemIndex(settings.value(OverwriteKey, false).toBool() ? 1 : 0);
    rememberedDir_ = settings.value(DirectoryKey).toString();
    filesToExtractGroup->setItemIndex(0);  // "All Files"
    updateOnlyBox->setChecked(false);
}

void TExtract::setVolumeSource(TDirTree::VolumeSource source)
{
    directoryTree->setVolumeSource(std::move(source));
    fillDriveComboBox();
}

void TExtract::fillDriveComboBox()
{
    // Filled without moving the tree: at start no directory is selected.
    const QSignalBlocker quiet(driveBox);
    driveBox->clear();
    QStringList roots;
    for (const platform::Volume &volume : directoryTree->volumes()) {
        const QString root = dirtree::withSlash(volume.rootPath);
        //: A drive in the list: %1 is its name, %2 the folder it is mounted on.
        const QString named = tr("%1 (%2)").arg(volume.displayName, volume.rootPath);
        const QString text = volume.displayName.isEmpty() || volume.displayName == volume.rootPath ? volume.rootPath
                                                                                                   : named;
        driveBox->addItem(text, root);
        roots.append(root);
    }
    const QString current = dirtree::volumeRootOf(roots, QDir::currentPath());
    driveBox->setCurrentIndex(std::max(0, int(roots.indexOf(current))));
}

ExtractChoices TExtract::ask(const ExtractContext &context)
{
    // One row is where the cursor stands, not a choice: an earlier
    // "Selected Files" must not carry over to another archive.
    filesToExtractGroup->setItemIndex(context.selectionAsked || context.selectedRows > 1 ? 1 : 0);
    const QSettings settings;
    intoFolderBox->setChecked(settings.contains(IntoFolderKey) ? settings.value(IntoFolderKey).toBool()
                                                               : !context.membersUnderOneFolder);
    intoFolderClicked_ = false;
    exec();
    return choices_;
}

void TExtract::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // The tree has read the volumes by now: its show event comes first.
    QDialog::showEvent(event);
    attachCompleter();
    if (!rememberedDir_.isEmpty() && directoryTree->SelectedPath() == TDirTree::NoPath)
        directoryTree->SelectPath(rememberedDir_);
    rememberedDir_.clear();
    activated();
}

void TExtract::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // An activation that arrives after OK has hidden the dialog is stale.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        activated();
}

void TExtract::activated()
{
    choices_.DialogCancelled = true;
}

void TExtract::keyPressEvent(QKeyEvent *event)
{
    // Escape presses Cancel, which empties the directory; a close by the title
    // bar leaves it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancelClicked();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TExtract::attachCompleter()
{
    if (targetEdit->completer())
        return;
    auto *folders = new QFileSystemModel(targetEdit);
    folders->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    folders->setRootPath(QString());
    auto *completer = new QCompleter(folders, targetEdit);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    targetEdit->setCompleter(completer);
}

void TExtract::treeChanged()
{
    if (followingLine_)
        return;
    const QString path = directoryTree->SelectedPath();
    targetEdit->setText(path == TDirTree::NoPath ? QString() : path);
    targetTyped_ = false;
}

void TExtract::targetEdited(const QString &text)
{
    targetTyped_ = true;
    const QString folder = extract_target::typedFolder(text);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    followingLine_ = true;
    directoryTree->SelectPath(folder);
    followingLine_ = false;
}

QString TExtract::takeTarget()
{
    choices_.MakeExtractDir = false;
    const QString typed = targetEdit->text();
    // What the tree shows is taken as the tree has it, even when it is gone.
    if (!targetTyped_ || typed.isEmpty()) {
        choices_.ExtractDir = directoryTree->SelectedPath();
        return {};
    }
    const QString folder = extract_target::typedFolder(typed);
    if (folder.isEmpty())
        //: %1 is the folder as the user typed it.
        return tr("The folder to extract into must be a full path, starting with \"/\" or \"~\": %1").arg(typed);
    if (const QString problem = extract_target::folderProblem(folder); !problem.isEmpty())
        return problem;
    choices_.ExtractDir = folder;
    choices_.MakeExtractDir = !QFileInfo(folder).isDir();
    return {};
}

void TExtract::okClicked()
{
    // A folder that cannot be used is said at once, and the dialog stays.
    if (const QString problem = takeTarget(); !problem.isEmpty()) {
        platform::warningBox(this, problem);
        return;
    }
    choices_.DialogCancelled = false;
    choices_.ExpandDirs = expandDirsGroup->ItemIndex() != 0;
    choices_.OverwriteFiles = overwriteGroup->ItemIndex() != 0;
    choices_.ExtractAllFiles = filesToExtractGroup->ItemIndex() == 0;
    choices_.ExtractUpdateOnly = updateOnlyBox->isChecked();
    choices_.IntoArchiveFolder = intoFolderBox->isChecked();
    QSettings settings;
    // Until the user sets the box, the archive's own layout decides it.
    if (intoFolderClicked_)
        settings.setValue(IntoFolderKey, choices_.IntoArchiveFolder);
    settings.setValue(ExpandDirsKey, choices_.ExpandDirs);
    settings.setValue(OverwriteKey, choices_.OverwriteFiles);
    if (choices_.ExtractDir != TDirTree::NoPath)
        settings.setValue(DirectoryKey, choices_.ExtractDir);
    close();
}

void TExtract::cancelClicked()
{
    choices_.ExtractDir.clear();
    close();
}

void TExtract::driveChanged()
{
    directoryTree->SelectDrive(driveBox->currentData().toString());
}

void TExtract::newDirectoryClicked()
{
    QString typed;
    // Cancelled, or nothing typed: nothing to make.
    //: The title of the box that asks for a new folder's name.
    const QString title = tr("Input Box");
    //: The prompt of the box that asks for a new folder's name.
    const QString prompt = tr("Directory");
    if (!platform::prompts().inputText(this, title, prompt, typed) || typed.isEmpty())
        return;
    if (const QString problem = newdir::nameProblem(typed); !problem.isEmpty()) {
        platform::warningBox(this, problem);
        return;
    }
    const QString name = dirtree::withSlash(typed);
    const QString failure = newdir::createOneLevel(directoryTree->SelectedPath() + name);
    if (!failure.isEmpty()) {
        // The tree stays as it is and the dialog stays open.
        platform::applicationErrorBox(this, failure);
        return;
    }
    directoryTree->Reload();
    directoryTree->SelectPath(directoryTree->SelectedPath() + name);
}
