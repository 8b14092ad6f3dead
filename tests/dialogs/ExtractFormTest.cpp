// The extract dialog, shown modally and driven by queued interaction, with
// temporary directories as its only volumes.
#include "controls/FlatButton.h"
#include "dialogs/DirectoryCreation.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/RadioGroup.h"
#include "platform/Prompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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
        ASSERT_TRUE(temp.isValid());
        root = temp.path() + "/";
        ASSERT_TRUE(QDir(root).mkpath("c/TEMP"));
        ASSERT_TRUE(QDir(root).mkpath("d/DATA"));
        script = platform::ScriptedPrompts::install();
        dialog = std::make_unique<TExtract>();
        dialog->setVolumeSource([this] {
            return QList<platform::Volume>{{root + "c", "c"}, {root + "d", "Data disk"}};
        });
        ExtractDir = "untouched";
        DialogCancelled = false;
    }
    void TearDown() override { platform::setPromptHandler(nullptr); }

    // Shows the dialog modally and runs `interaction` once it is up; the
    // interaction is expected to close it.
    void run(const std::function<void()> &interaction)
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
        dialog->exec();
    }

    const platform::PromptRecord &lastShown() const { return script->shown.back(); }

    QTemporaryDir temp;
    QString root;
    std::shared_ptr<platform::ScriptedPrompts> script;
    std::unique_ptr<TExtract> dialog;
};

}  // namespace

TEST_F(ExtractFormTest, AFreshDialogShowsItsCaptionsHintsAndDefaults)
{
    TExtract &d = *dialog;
    EXPECT_EQ(d.objectName(), "Extract");
    EXPECT_EQ(d.windowTitle(), "Select Extract Directory");
    EXPECT_EQ(d.size(), QSize(511, 465));
    EXPECT_EQ(d.Label1->text(), "Look &in:");
    EXPECT_EQ(d.Label1->buddy(), d.DriveComboBox1);
    EXPECT_EQ(d.FlatButton1->toolTip(), "Create new directory");
    EXPECT_EQ(d.FlatButton1->size(), QSize(25, 25));
    EXPECT_TRUE(d.DirTree1->ReadOnStart());

    EXPECT_EQ(d.RadioGroup1->title(), "Expand ZIP Dirs");
    EXPECT_EQ(d.RadioGroup1->toolTip(),
              "Extracts and recreates the relative pathname that may have been stored with each file. Empty dirs "
              "stored in the archive (if any) will also be recreated.");
    EXPECT_EQ(d.RadioGroup2->title(), "OverWrite Existing");
    EXPECT_EQ(d.RadioGroup2->toolTip(), "Overwrite any pre-existing files during extraction.");
    EXPECT_EQ(d.RadioGroup3->title(), "Files to Extract");
    EXPECT_EQ(d.RadioGroup3->button(1)->text(), "Selected Files");
    EXPECT_EQ(d.RadioGroup3->toolTip(), "Files to extract");
    EXPECT_EQ(d.RadioGroup1->ItemIndex(), 0);  // "No"
    EXPECT_EQ(d.RadioGroup2->ItemIndex(), 1);  // "Yes"
    EXPECT_EQ(d.RadioGroup3->ItemIndex(), 0);  // "All Files"
    EXPECT_EQ(d.Ch_ExtUpdate->text(), "Only Update file(s)");
    EXPECT_FALSE(d.Ch_ExtUpdate->isChecked());

    EXPECT_EQ(d.BitBtn1->text(), "&OK");
    EXPECT_EQ(d.BitBtn1->toolTip(), "Start extracting file(s)");
    EXPECT_TRUE(d.BitBtn1->isDefault());
    EXPECT_EQ(d.BitBtn2->text(), "&Cancel");
    EXPECT_EQ(d.BitBtn2->toolTip(), "Cancel operation");

    EXPECT_EQ(d.DriveComboBox1->count(), 2);
    EXPECT_EQ(d.DriveComboBox1->itemText(1), "Data disk (" + root + "d)");

    // Tab order: drive box, tree, the radio groups, OK, Cancel, then the check box.
    const QList<QWidget *> order{d.DriveComboBox1,         d.DirTree1,
                                 d.RadioGroup1->button(0), d.RadioGroup1->button(1),
                                 d.RadioGroup2->button(0), d.RadioGroup2->button(1),
                                 d.RadioGroup3->button(0), d.RadioGroup3->button(1),
                                 d.BitBtn1,                d.BitBtn2,
                                 d.Ch_ExtUpdate};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget *next = order[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || !order.contains(next))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, order[i + 1]) << i;
    }

    // The tree reads the volumes when first shown, with nothing selected.
    EXPECT_EQ(d.DirTree1->topLevelItemCount(), 0);
    run([&] {
        EXPECT_EQ(d.DirTree1->topLevelItemCount(), 2);
        EXPECT_EQ(d.DirTree1->SelectedPath(), TDirTree::NoPath);
        d.BitBtn1Click();
    });
    EXPECT_EQ(ExtractDir, "?");
    EXPECT_FALSE(DialogCancelled);
}

TEST_F(ExtractFormTest, OkHandsOverTheDirectoryInItsOwnCaseAndTheOptions)
{
    run([&] {
        dialog->DirTree1->SelectPath(root + "d/DATA");
        dialog->RadioGroup1->setItemIndex(1);
        dialog->RadioGroup2->setItemIndex(0);
        dialog->RadioGroup3->setItemIndex(1);
        dialog->Ch_ExtUpdate->setChecked(true);
        // Enter in the tree presses the default button.
        QTest::keyClick(dialog->DirTree1, Qt::Key_Return);
    });
    EXPECT_FALSE(DialogCancelled);
    EXPECT_EQ(ExtractDir, root + "d/DATA/");
    EXPECT_TRUE(ExpandDirs);
    EXPECT_FALSE(OverwriteFiles);
    EXPECT_FALSE(ExtractAllFiles);
    EXPECT_TRUE(ExtractUpdateOnly);

    // The next opening keeps the selection and the choices.
    run([&] {
        EXPECT_TRUE(DialogCancelled);  // set on activation
        EXPECT_EQ(dialog->DirTree1->SelectedPath(), root + "d/DATA/");
        EXPECT_EQ(dialog->RadioGroup3->ItemIndex(), 1);
        dialog->RadioGroup1->setItemIndex(0);
        dialog->RadioGroup2->setItemIndex(1);
        dialog->RadioGroup3->setItemIndex(0);
        dialog->Ch_ExtUpdate->setChecked(false);
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
    });
    EXPECT_FALSE(ExpandDirs);
    EXPECT_TRUE(OverwriteFiles);
    EXPECT_TRUE(ExtractAllFiles);
    EXPECT_FALSE(ExtractUpdateOnly);
}

TEST_F(ExtractFormTest, EscapeAndCancelEmptyTheDirectoryTheTitleBarCloseLeavesIt)
{
    ExpandDirs = true;
    run([&] {
        dialog->RadioGroup1->setItemIndex(0);
        QTest::keyClick(dialog->DirTree1, Qt::Key_Escape);
    });
    EXPECT_TRUE(DialogCancelled);
    EXPECT_EQ(ExtractDir, "");
    EXPECT_TRUE(ExpandDirs);  // kept: only OK hands the options over

    ExtractDir = "untouched";
    run([&] { QTest::mouseClick(dialog->BitBtn2, Qt::LeftButton); });
    EXPECT_TRUE(DialogCancelled);
    EXPECT_EQ(ExtractDir, "");

    ExtractDir = "untouched";
    DialogCancelled = false;
    run([&] { dialog->close(); });
    EXPECT_TRUE(DialogCancelled);
    EXPECT_EQ(ExtractDir, "untouched");
}

TEST_F(ExtractFormTest, TheDriveBoxJumpsToTheDirectoryLastSelectedOnThatVolume)
{
    run([&] {
        TDirTree &tree = *dialog->DirTree1;
        QComboBox &drives = *dialog->DriveComboBox1;
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
        dialog->BitBtn2Click();
    });
}

TEST_F(ExtractFormTest, ANewDirectoryIsMadeBelowTheSelectionAndSelected)
{
    run([&] {
        dialog->DirTree1->SelectPath(root + "c/TEMP");
        script->inputAnswers.push_back({true, "NEW"});
        QTest::mouseClick(dialog->FlatButton1, Qt::LeftButton);
        EXPECT_TRUE(QFileInfo(root + "c/TEMP/NEW").isDir());
        EXPECT_EQ(dialog->DirTree1->SelectedPath(), root + "c/TEMP/NEW/");
        EXPECT_TRUE(dialog->isVisible());
        dialog->BitBtn1Click();
    });
    const platform::PromptRecord &input = script->shown.front();
    EXPECT_EQ(input.kind, platform::PromptRecord::Kind::InputText);
    EXPECT_EQ(input.caption, "Input Box");
    EXPECT_EQ(input.text, "Directory");
    EXPECT_EQ(input.defaultValue, "");
    EXPECT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(ExtractDir, root + "c/TEMP/NEW/");
}

TEST_F(ExtractFormTest, AFailedCreationReportsTheReasonAndChangesNothing)
{
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root));
    run([&] {
        TDirTree &tree = *dialog->DirTree1;
        // Nothing selected: refused rather than made relative to wherever the
        // process happens to be.
        script->inputAnswers.push_back({true, "NEW"});
        dialog->FlatButton1Click();
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
            QString shown;   // the box, if any
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
            dialog->FlatButton1Click();
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
        dialog->FlatButton1Click();
        EXPECT_EQ(lastShown().text, "File already exists.");
        ASSERT_TRUE(QDir(root + "c/TEMP").rmdir("old"));

        // Not reloaded, not moved, still open.
        EXPECT_EQ(tree.PathList().size(), nodes);
        EXPECT_EQ(tree.SelectedPath(), root + "c/TEMP/");
        EXPECT_TRUE(dialog->isVisible());
        dialog->BitBtn2Click();
    });
    QDir::setCurrent(saved);
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
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser is never denied access";
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(newdir::createOneLevel(locked + "denied/"), "File access denied");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
