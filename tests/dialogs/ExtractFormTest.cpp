// The extract dialog, shown modally and driven by queued interaction, with
// temporary directories as its only volumes.
#include "controls/FlatButton.h"
#include "dialogs/DirectoryCreation.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/ExtractTarget.h"
#include "dialogs/RadioGroup.h"
#include "platform/Prompts.h"
#include "support/TestApplication.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <memory>

using platform::IconKind;

namespace {

class ExtractFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ziptest::ensureApplication();  // with no settings of an earlier test
        ASSERT_TRUE(temp.isValid());
        root = temp.path() + "/";
        ASSERT_TRUE(QDir(root).mkpath("c/TEMP"));
        ASSERT_TRUE(QDir(root).mkpath("d/DATA"));
        script = platform::ScriptedPrompts::install();
        newRun();
    }
    // The dialog as a fresh start of the program makes it.
    void newRun()
    {
        dialog = std::make_unique<TExtract>();
        dialog->setVolumeSource([this] {
            return QList<platform::Volume>{{root + "c", "c"}, {root + "d", "Data disk"}};
        });
    }
    void TearDown() override { platform::setPromptHandler(nullptr); }

    // Shows the dialog modally and runs `interaction` once it is up; the
    // interaction is expected to close it. The dialog's choices land in `got`.
    void run(const std::function<void()> &interaction, const ExtractContext &context = {})
    {
        QMetaObject::invokeMethod(
            dialog.get(),
            [this, interaction] {
                interaction();
                if (dialog->isVisible()) {
                    ADD_FAILURE() << "the dialog is still open";
                    dialog->done(0);
                }
            },
            Qt::QueuedConnection);
        got = dialog->ask(context);
    }

    const platform::PromptRecord &lastShown() const { return script->shown.back(); }

    QTemporaryDir temp;
    QString root;
    std::shared_ptr<platform::ScriptedPrompts> script;
    std::unique_ptr<TExtract> dialog;
    ExtractChoices got;
};

}  // namespace

TEST_F(ExtractFormTest, AFreshDialogShowsItsCaptionsHintsAndDefaults)
{
    TExtract &d = *dialog;
    EXPECT_EQ(d.objectName(), "Extract");
    EXPECT_EQ(d.windowTitle(), "Select Extract Directory");
    EXPECT_EQ(d.size(), QSize(511, 465));
    EXPECT_EQ(d.lookInLabel->text(), "Look &in:");
    EXPECT_EQ(d.lookInLabel->buddy(), d.driveBox);
    EXPECT_EQ(d.newDirectoryButton->toolTip(), "Create new directory");
    EXPECT_EQ(d.newDirectoryButton->size(), QSize(25, 25));
    EXPECT_TRUE(d.directoryTree->ReadOnStart());

    EXPECT_EQ(d.expandDirsGroup->title(), "Expand ZIP Dirs");
    EXPECT_EQ(d.expandDirsGroup->toolTip(),
              "Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs "
              "stored in the archive (if any) will also be recreated.");
    EXPECT_EQ(d.overwriteGroup->title(), "OverWrite Existing");
    EXPECT_EQ(d.overwriteGroup->toolTip(), "Overwrite any pre-existing files during extraction.");
    EXPECT_EQ(d.filesToExtractGroup->title(), "Files to Extract");
    EXPECT_EQ(d.filesToExtractGroup->button(1)->text(), "Selected Files");
    EXPECT_EQ(d.filesToExtractGroup->toolTip(), "Files to extract");
    EXPECT_EQ(d.expandDirsGroup->ItemIndex(), 1);      // "Yes": folders are kept
    EXPECT_EQ(d.overwriteGroup->ItemIndex(), 0);       // "No"
    EXPECT_EQ(d.filesToExtractGroup->ItemIndex(), 0);  // "All Files"
    EXPECT_EQ(d.updateOnlyBox->text(), "Only Update file(s)");
    EXPECT_FALSE(d.updateOnlyBox->isChecked());

    EXPECT_EQ(d.okButton->text(), "&OK");
    EXPECT_EQ(d.okButton->toolTip(), "Start extracting file(s)");
    EXPECT_TRUE(d.okButton->isDefault());
    EXPECT_EQ(d.cancelButton->text(), "&Cancel");
    EXPECT_EQ(d.cancelButton->toolTip(), "Cancel operation");

    EXPECT_EQ(d.driveBox->count(), 2);
    EXPECT_EQ(d.driveBox->itemText(1), "Data disk (" + root + "d)");

    // Tab order: drive box, tree, the radio groups, OK, Cancel, then the check box.
    const QList<QWidget *> order{d.driveBox,
                                 d.directoryTree,
                                 d.expandDirsGroup->button(0),
                                 d.expandDirsGroup->button(1),
                                 d.overwriteGroup->button(0),
                                 d.overwriteGroup->button(1),
                                 d.filesToExtractGroup->button(0),
                                 d.filesToExtractGroup->button(1),
                                 d.okButton,
                                 d.cancelButton,
                                 d.updateOnlyBox};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget *next = order[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || !order.contains(next))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, order[i + 1]) << i;
    }

    // The tree reads the volumes when first shown, with nothing selected.
    EXPECT_EQ(d.directoryTree->topLevelItemCount(), 0);
    run([&] {
        EXPECT_EQ(d.directoryTree->topLevelItemCount(), 2);
        EXPECT_EQ(d.directoryTree->SelectedPath(), TDirTree::NoPath);
        d.okClicked();
    });
    EXPECT_EQ(got.ExtractDir, "?");
    EXPECT_FALSE(got.DialogCancelled);
}

TEST_F(ExtractFormTest, OkHandsOverTheDirectoryInItsOwnCaseAndTheOptions)
{
    run([&] {
        dialog->directoryTree->SelectPath(root + "d/DATA");
        dialog->expandDirsGroup->setItemIndex(1);
        dialog->overwriteGroup->setItemIndex(0);
        dialog->filesToExtractGroup->setItemIndex(1);
        dialog->updateOnlyBox->setChecked(true);
        // Enter in the tree presses the default button.
        QTest::keyClick(dialog->directoryTree, Qt::Key_Return);
    });
    EXPECT_FALSE(got.DialogCancelled);
    EXPECT_EQ(got.ExtractDir, root + "d/DATA/");
    EXPECT_TRUE(got.ExpandDirs);
    EXPECT_FALSE(got.OverwriteFiles);
    EXPECT_FALSE(got.ExtractAllFiles);
    EXPECT_TRUE(got.ExtractUpdateOnly);

    // The next opening keeps the selection and the choices.
    run([&] {
        EXPECT_TRUE(dialog->choices().DialogCancelled);  // set on activation
        EXPECT_EQ(dialog->directoryTree->SelectedPath(), root + "d/DATA/");
        EXPECT_EQ(dialog->filesToExtractGroup->ItemIndex(), 0);  // no rows selected this time
        dialog->expandDirsGroup->setItemIndex(0);
        dialog->overwriteGroup->setItemIndex(1);
        dialog->filesToExtractGroup->setItemIndex(0);
        dialog->updateOnlyBox->setChecked(false);
        QTest::mouseClick(dialog->okButton, Qt::LeftButton);
    });
    EXPECT_FALSE(got.ExpandDirs);
    EXPECT_TRUE(got.OverwriteFiles);
    EXPECT_TRUE(got.ExtractAllFiles);
    EXPECT_FALSE(got.ExtractUpdateOnly);
}

TEST_F(ExtractFormTest, TheNextRunStartsWithTheLastOksFolderNamesOverwriteAndDirectory)
{
    run([&] {
        dialog->directoryTree->SelectPath(root + "d/DATA");
        dialog->expandDirsGroup->setItemIndex(0);
        dialog->overwriteGroup->setItemIndex(0);
        dialog->okClicked();
    });
    // Cancel hands nothing over, and keeps nothing either.
    run([&] {
        dialog->directoryTree->SelectPath(root + "c/TEMP");
        dialog->expandDirsGroup->setItemIndex(1);
        dialog->cancelClicked();
    });
    newRun();
    run([&] {
        EXPECT_EQ(dialog->directoryTree->SelectedPath(), root + "d/DATA/");
        EXPECT_EQ(dialog->expandDirsGroup->ItemIndex(), 0);
        EXPECT_EQ(dialog->overwriteGroup->ItemIndex(), 0);
        dialog->cancelClicked();
    });

    // A directory gone since: nothing selected, as on a first start.
    ASSERT_TRUE(QDir(root + "d/DATA").removeRecursively());
    newRun();
    run([&] {
        EXPECT_EQ(dialog->directoryTree->SelectedPath(), TDirTree::NoPath);
        dialog->cancelClicked();
    });
}

TEST_F(ExtractFormTest, EscapeAndCancelEmptyTheDirectoryTheTitleBarCloseLeavesIt)
{
    // Each case starts after an OK with a directory and "Expand ZIP Dirs" on.
    const auto okWithExpandedDirs = [&] {
        dialog->directoryTree->SelectPath(root + "c/TEMP");
        dialog->expandDirsGroup->setItemIndex(1);
        dialog->okClicked();
    };
    run(okWithExpandedDirs);
    run([&] {
        dialog->expandDirsGroup->setItemIndex(0);
        QTest::keyClick(dialog->directoryTree, Qt::Key_Escape);
    });
    EXPECT_TRUE(got.DialogCancelled);
    EXPECT_EQ(got.ExtractDir, "");
    EXPECT_TRUE(got.ExpandDirs);  // kept: only OK hands the options over

    run(okWithExpandedDirs);
    run([&] { QTest::mouseClick(dialog->cancelButton, Qt::LeftButton); });
    EXPECT_TRUE(got.DialogCancelled);
    EXPECT_EQ(got.ExtractDir, "");

    run(okWithExpandedDirs);
    run([&] { dialog->close(); });
    EXPECT_TRUE(got.DialogCancelled);
    EXPECT_EQ(got.ExtractDir, root + "c/TEMP/");
}

TEST_F(ExtractFormTest, TheDriveBoxJumpsToTheDirectoryLastSelectedOnThatVolume)
{
    run([&] {
        TDirTree &tree = *dialog->directoryTree;
        QComboBox &drives = *dialog->driveBox;
        drives.setCurrentIndex(1);
        EXPECT_EQ(tree.SelectedPath(), root + "d/");
        tree.SelectPath(root + "d/DATA");
        drives.setCurrentIndex(0);
        EXPECT_EQ(tree.SelectedPath(), root + "c/");
        drives.setCurrentIndex(1);
        EXPECT_EQ(tree.SelectedPath(), root + "d/DATA/");

        // A selection in the tree leaves the box where it is.
        tree.SelectPath(root + "c/TEMP");
        EXPECT_EQ(drives.currentIndex(), 1);

        drives.setCurrentIndex(0);
        QDir(root + "d/DATA").removeRecursively();
        drives.setCurrentIndex(1);
        EXPECT_EQ(tree.SelectedPath(), root + "d/");
        dialog->cancelClicked();
    });
}

TEST_F(ExtractFormTest, ANewDirectoryIsMadeBelowTheSelectionAndSelected)
{
    run([&] {
        dialog->directoryTree->SelectPath(root + "c/TEMP");
        script->inputAnswers.push_back({true, "NEW"});
        QTest::mouseClick(dialog->newDirectoryButton, Qt::LeftButton);
        EXPECT_TRUE(QFileInfo(root + "c/TEMP/NEW").isDir());
        EXPECT_EQ(dialog->directoryTree->SelectedPath(), root + "c/TEMP/NEW/");
        EXPECT_TRUE(dialog->isVisible());
        dialog->okClicked();
    });
    const platform::PromptRecord &input = script->shown.front();
    EXPECT_EQ(input.kind, platform::PromptRecord::Kind::InputText);
    EXPECT_EQ(input.caption, "Input Box");
    EXPECT_EQ(input.text, "Directory");
    EXPECT_EQ(input.defaultValue, "");
    EXPECT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(got.ExtractDir, root + "c/TEMP/NEW/");
}

TEST_F(ExtractFormTest, AFailedCreationReportsTheReasonAndChangesNothing)
{
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root));
    run([&] {
        TDirTree &tree = *dialog->directoryTree;
        // Nothing selected: refused rather than made relative to wherever the
        // process happens to be.
        script->inputAnswers.push_back({true, "NEW"});
        dialog->newDirectoryClicked();
        EXPECT_EQ(lastShown().text, "Path not found.");
        EXPECT_EQ(lastShown().icon, IconKind::Stop);
        EXPECT_EQ(lastShown().caption, platform::applicationTitle());
        EXPECT_EQ(QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot), (QStringList{"c", "d"}));

        tree.SelectPath(root + "c/TEMP");
        const int nodes = tree.PathList().size();
        // Cancelled, confirmed empty, or a name that is not one folder's: nothing made.
        const struct {
            bool confirmed;
            QString typed;
            QString shown;  // the box, if any
        } answers[] = {
            {false, "", ""},
            {true, "", ""},
            {true, "a/b", "A folder name cannot contain \"/\": make one folder at a time"},
            {true, "..", "\"..\" is not a name for a new folder"},
            {true, ".", "\".\" is not a name for a new folder"},
        };
        for (const auto &a : answers) {
            script->shown.clear();
            script->inputAnswers.push_back({a.confirmed, a.typed});
            dialog->newDirectoryClicked();
            ASSERT_EQ(script->shown.size(), a.shown.isEmpty() ? 1u : 2u) << a.typed.toStdString();
            if (!a.shown.isEmpty()) {
                EXPECT_EQ(lastShown().text, a.shown);
                EXPECT_EQ(lastShown().icon, IconKind::Warning);
            }
        }
        EXPECT_EQ(QDir(root + "c/TEMP").entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
        // A name that exists says so.
        ASSERT_TRUE(QDir(root + "c/TEMP").mkdir("old"));
        script->inputAnswers.push_back({true, "old"});
        dialog->newDirectoryClicked();
        EXPECT_EQ(lastShown().text, "File already exists.");
        ASSERT_TRUE(QDir(root + "c/TEMP").rmdir("old"));

        // Not reloaded, not moved, still open.
        EXPECT_EQ(tree.PathList().size(), nodes);
        EXPECT_EQ(tree.SelectedPath(), root + "c/TEMP/");
        EXPECT_TRUE(dialog->isVisible());
        dialog->cancelClicked();
    });
    QDir::setCurrent(saved);
}

TEST_F(ExtractFormTest, TheFolderLineAndTheTreeFollowEachOther)
{
    run([&] {
        TExtract &d = *dialog;
        QLineEdit &line = *d.targetEdit;
        d.directoryTree->SelectPath(root + "c/TEMP");
        EXPECT_EQ(line.text(), root + "c/TEMP/");
        // Typed: an existing folder is selected as the keys come, the line
        // stays as typed.
        line.clear();
        QTest::keyClicks(&line, root + "d/DATA");
        EXPECT_EQ(d.directoryTree->SelectedPath(), root + "d/DATA/");
        EXPECT_EQ(line.text(), root + "d/DATA");
        // A folder still to be made leaves the tree where it was.
        QTest::keyClicks(&line, "/new/deeper");
        EXPECT_EQ(d.directoryTree->SelectedPath(), root + "d/DATA/");
        ASSERT_NE(line.completer(), nullptr);
        auto *folders = qobject_cast<QFileSystemModel *>(line.completer()->model());
        ASSERT_NE(folders, nullptr);
        EXPECT_EQ(folders->filter() & (QDir::Files | QDir::Dirs), QDir::Dirs);
        QTest::keyClick(&line, Qt::Key_Return);
    });
    EXPECT_FALSE(got.DialogCancelled);
    EXPECT_EQ(got.ExtractDir, root + "d/DATA/new/deeper/");
    EXPECT_TRUE(got.MakeExtractDir);
    EXPECT_FALSE(QFileInfo::exists(root + "d/DATA/new"));  // made by the extraction, not here

    // A folder chosen in the tree is taken as it is, and need not be made.
    run([&] {
        dialog->directoryTree->SelectPath(root + "c/TEMP");
        dialog->okClicked();
    });
    EXPECT_EQ(got.ExtractDir, root + "c/TEMP/");
    EXPECT_FALSE(got.MakeExtractDir);
}

TEST_F(ExtractFormTest, ATypedFolderThatCannotBeUsedIsSaidAndTheDialogStays)
{
    QFile file(root + "c/plain");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const struct {
        QString typed;
        QString shown;
    } cases[] = {
        {"relative/dir", "The folder to extract into must be a full path, starting with \"/\" or \"~\": relative/dir"},
        {root + "c/plain/sub",
         root + "c/plain is a file, not a folder: nothing can be extracted into " + root + "c/plain/sub/"},
        {root + "c/plain",
         root + "c/plain is a file, not a folder: nothing can be extracted into " + root + "c/plain/"},
    };
    run([&] {
        for (const auto &c : cases) {
            dialog->targetEdit->clear();
            QTest::keyClicks(dialog->targetEdit, c.typed);
            const size_t before = script->shown.size();
            dialog->okClicked();
            ASSERT_EQ(script->shown.size(), before + 1) << c.typed.toStdString();
            EXPECT_EQ(lastShown().text, c.shown);
            EXPECT_EQ(lastShown().icon, IconKind::Warning);
            EXPECT_TRUE(dialog->isVisible());
        }
        // "~" is the home folder.
        dialog->targetEdit->clear();
        QTest::keyClicks(dialog->targetEdit, "~/");
        dialog->okClicked();
    });
    EXPECT_EQ(got.ExtractDir, QDir::homePath() + "/");
}

TEST_F(ExtractFormTest, EachOpeningStartsFromTheSelectionAndTheArchivesLayout)
{
    const auto ok = [&] { dialog->okClicked(); };
    const auto check = [&](const ExtractContext &context, int files, bool into) {
        run(
            [&] {
                EXPECT_EQ(dialog->filesToExtractGroup->ItemIndex(), files) << context.selectedRows;
                EXPECT_EQ(dialog->intoFolderBox->isChecked(), into) << context.membersUnderOneFolder;
                ok();
            },
            context);
    };
    // "Selected Files" exactly when more than one row is selected, whatever
    // the last opening chose.
    check({.selectedRows = 2, .membersUnderOneFolder = true}, 1, false);
    check({.selectedRows = 1, .membersUnderOneFolder = true}, 0, false);
    check({.selectedRows = 0, .membersUnderOneFolder = false}, 0, true);
    check({.selectedRows = 5, .membersUnderOneFolder = false}, 1, true);
    // Asked for from the rows' menu, one row is the choice.
    check({.selectedRows = 1, .membersUnderOneFolder = true, .selectionAsked = true}, 1, false);

    // Set by the user, the box keeps the user's choice, in the next run too.
    run([&] {
        QTest::mouseClick(dialog->intoFolderBox, Qt::LeftButton);
        EXPECT_FALSE(dialog->intoFolderBox->isChecked());
        ok();
    });
    EXPECT_FALSE(got.IntoArchiveFolder);
    newRun();
    check({.selectedRows = 0, .membersUnderOneFolder = false}, 0, false);
    QSettings().remove("extract/intoArchiveFolder");
}

TEST(ExtractTarget, TheFolderIsNamedAfterTheArchiveWithoutItsExtensions)
{
    const struct {
        const char *archive;
        const char *folder;
    } cases[] = {
        {"/a/photos.tar.gz", "photos"}, {"/a/backup.zip", "backup"}, {"/a/Old.Backup.ZIP", "Old.Backup"},
        {"/a/notes.txt", "notes.txt"},  {"/a/.zip", ".zip"},         {"/a/src-1.2.tar.xz", "src-1.2"},
        {"/a/plain", "plain"},          {"/a/disk.iso", "disk"},     {"/a/x.tgz", "x"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(extract_target::archiveFolderName(c.archive), c.folder) << c.archive;
}

TEST(ExtractTarget, MembersUnderOneTopFolderBringTheirOwnFolder)
{
    const struct {
        std::vector<std::string> names;
        bool underOne;
    } cases[] = {
        {{"top/", "top/a.txt", "top/sub/b.txt"}, true},
        {{"top/a.txt", "./top/b.txt"}, true},
        {{"top\\a.txt", "top/b.txt"}, true},
        {{"top/a.txt", "a.txt"}, false},
        {{"top/a.txt", "other/b.txt"}, false},
        {{"a.txt"}, false},
        {{"top"}, false},  // a file named like a folder
        {{}, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(extract_target::membersUnderOneFolder(c.names), c.underOne) << testing::PrintToString(c.names);
}

TEST(ExtractTarget, ANameTakenByAFileGetsANumberAFolderIsUsed)
{
    QTemporaryDir temp;
    const QString target = temp.path() + "/";
    EXPECT_EQ(extract_target::folderBelow(target, "photos"), target + "photos/");
    ASSERT_TRUE(QDir(target).mkdir("photos"));
    EXPECT_EQ(extract_target::folderBelow(target, "photos"), target + "photos/");
    ASSERT_TRUE(QDir(target).rmdir("photos"));
    for (const QString name : {"photos", "photos (2)"}) {
        QFile file(target + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(extract_target::folderBelow(target, "photos"), target + "photos (3)/");
    // A name holding a place marker keeps it: the number goes after it.
    QFile taken(target + "50%1 off");
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    EXPECT_EQ(extract_target::folderBelow(target, "50%1 off"), target + "50%1 off (2)/");
}

TEST(DirectoryCreation, ReasonsAreTheRuntimesTexts)
{
    EXPECT_EQ(newdir::ioErrorText(EACCES), "File access denied");
    EXPECT_EQ(newdir::ioErrorText(EROFS), "File access denied");
    EXPECT_EQ(newdir::ioErrorText(ENOENT), "Path not found");
    EXPECT_EQ(newdir::ioErrorText(ENOSPC), QStringLiteral("I/O error %1").arg(ENOSPC));
    EXPECT_EQ(newdir::createOneLevel("relative/"), "Path not found");
}

TEST(DirectoryCreation, ADeniedCreationSaysSo)
{
    QTemporaryDir temp;
    const QString locked = temp.path() + "/locked/";
    ASSERT_TRUE(QDir().mkpath(locked));
    EXPECT_EQ(newdir::createOneLevel(locked + "fresh/"), "");
    EXPECT_EQ(newdir::createPath(locked + "a/b/c"), "");
    EXPECT_TRUE(QFileInfo(locked + "a/b/c").isDir());
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser is never denied access";
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(newdir::createOneLevel(locked + "denied/"), "File access denied");
    EXPECT_EQ(newdir::createPath(locked + "denied/deeper"), "File access denied");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
