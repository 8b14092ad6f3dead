// The add command of the main window, driven headless through the real add
// dialog and the real engine libraries.
#include "WindowFixture.h"
#include "app/AddCommand.h"
#include "dialogs/AddForm.h"
#include "dialogs/MsgForm.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMetaObject>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <functional>

namespace {

class AddCommandTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        writeFile(path("folder/a.txt"), QByteArray(100, 'x'));
        writeFile(path("folder/sub/b.txt"), QByteArray(5000, 'x'));
    }

    TAddForm &dialog() { return *windows->AddForm; }

    // Runs the add command; `interaction` runs inside the dialog's opening.
    void add(const std::function<void()> &interaction)
    {
        dialogShown = false;
        QMetaObject::invokeMethod(
            &dialog(),
            [this, interaction] {
                dialogShown = dialog().isVisible();
                interaction();
            },
            Qt::QueuedConnection);
        form().addCommand();
    }

    void addEntry(const QString &entry)
    {
        const QFileInfo info(entry);
        if (info.isDir()) {
            dialog().setDirectory(entry);
            dialog().addDirectoryButton->click();
            return;
        }
        dialog().setDirectory(info.path());
        const auto items = dialog().fileList->findItems(info.fileName(), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << entry.toStdString();
        items.front()->setSelected(true);
        dialog().addFilesButton->click();
    }

    // The stored form of an absolute path below the temporary directory.
    std::string stored(const QString &relative) { return (root.mid(1) + "/" + relative).toStdString(); }

    bool dialogShown = false;
};

}  // namespace

TEST_F(AddCommandTest, WithoutAnArchiveNameTheDialogIsNotShown)
{
    add([this] { dialog().okButton->click(); });
    EXPECT_FALSE(dialogShown);
    EXPECT_EQ(messages(), QStringList({"You must create a new zipfile or open a zipfile first!"}));
    QCoreApplication::processEvents();  // the queued interaction must not reach a later opening
}

TEST_F(AddCommandTest, OkAddsTheListWithItsOptionsAndLevelAndEmptiesIt)
{
    const QString archive = newArchive();
    form().showLogAction->setChecked(true);
    // A name with pattern characters is the file itself, not a pattern.
    writeFile(root + "/folder/[ab] ?.txt", QByteArray(3, 'x'));
    add([this] {
        addEntry(root + "/folder/[ab] ?.txt");
        addEntry(root + "/folder/a.txt");
        addEntry(root + "/folder/sub/b.txt");
        dialog().timestampBox->click();
        dialog().levelSlider->setValue(0);
        dialog().okButton->click();
    });
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(script->shown.back().text, "3 files were added");
    EXPECT_EQ(script->shown.back().caption, "Information");
    EXPECT_EQ(windows->Msgform->logLines().front(), "Beginning Add to " + archive);
    // Without Save DirNames the bare names are stored.
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"[ab] ?.txt", "a.txt", "b.txt"}));
    EXPECT_EQ(engine().AddOptions, AddOpts{AddZipTime});
    EXPECT_EQ(engine().AddCompLevel, 0);
    EXPECT_EQ(engine().Entries(1).Method, 0);  // level 0 stores
    EXPECT_TRUE(dialog().entries().isEmpty());
}

TEST_F(AddCommandTest, EachOptionBoxReachesItsAddOptionAndTheLevelReachesTheEngine)
{
    newArchive();
    const struct {
        QCheckBox *TAddForm::*box;
        AddOpts expected;
    } cases[] = {
        {&TAddForm::dirNamesBox, {AddDirNames, AddRecurseDirs}},
        {&TAddForm::forceDosBox, {AddForceDOS}},
        {&TAddForm::moveBox, {AddMove}},
        {&TAddForm::updateOnlyBox, {AddUpdate}},
    };
    int level = 1;
    for (const auto &c : cases) {
        writeFile(root + "/file.txt", QByteArray(10, 'x'));
        add([&] {
            addEntry(root + "/file.txt");
            (dialog().*c.box)->click();
            dialog().levelSlider->setValue(level);
            dialog().okButton->click();
        });
        EXPECT_EQ(engine().AddOptions, c.expected);
        EXPECT_EQ(engine().zipCallRecord().Level, level++);
        // "Delete file(s) after" removes the original once it is in the archive.
        EXPECT_EQ(QFile::exists(root + "/file.txt"), c.box != &TAddForm::moveBox);
        (dialog().*c.box)->setChecked(false);  // the boxes keep their state between openings
    }
}

TEST_F(AddCommandTest, OnlyOkRunsTheAddAndACancelledListIsNotCarriedOver)
{
    newArchive();
    // Cancel after an add action: nothing happens, and the list goes.
    add([this] {
        addEntry(root + "/folder/a.txt");
        dialog().cancelButton->click();
    });
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(dialog().entries().isEmpty());
    // Cancel at once: nothing happens either.
    add([this] { dialog().cancelButton->click(); });
    EXPECT_EQ(messages(), QStringList());
    EXPECT_FALSE(QFile::exists(root + "/out.zip"));

    // Escape leaves the dialog open; OK at once on the empty list is reported.
    add([this] {
        QTest::keyClick(dialog().filesToAddList, Qt::Key_Escape);
        EXPECT_TRUE(dialog().isVisible());
        dialog().okButton->click();
    });
    EXPECT_EQ(messages(), QStringList({"No files selected!"}));
    EXPECT_EQ(script->shown.back().caption, "Warning");

    add([this] {
        addEntry(root + "/folder/a.txt");
        dialog().okButton->click();
    });
    EXPECT_EQ(storedNames(), std::vector<std::string>{"a.txt"});
}

TEST_F(AddCommandTest, TheListStartsEmptyForAnotherArchive)
{
    newArchive("first.zip");
    // Kept for another try at the same archive: the file went away.
    writeFile(root + "/gone.txt", "x");
    add([this] {
        addEntry(root + "/gone.txt");
        QFile::remove(root + "/gone.txt");
        dialog().okButton->click();
    });
    ASSERT_EQ(dialog().entries(), QStringList{root + "/gone.txt"});
    newArchive("second.zip");
    QStringList atOpening{"not asked"};
    add([&] {
        atOpening = dialog().entries();
        dialog().cancelButton->click();
    });
    EXPECT_TRUE(atOpening.isEmpty());
}

TEST_F(AddCommandTest, TheDialogStartsInTheFolderOfTheArchiveLastChosen)
{
    dialog().setDirectory(root + "/folder/sub");
    newArchive("folder/x.zip");
    QString shown;
    add([&] {
        shown = dialog().directory();
        dialog().cancelButton->click();
    });
    EXPECT_EQ(shown, root + "/folder");
}

TEST_F(AddCommandTest, AFolderIsStoredFromTheFolderChosenAndFromTheRootOnlyWhenAsked)
{
    newArchive();
    writeFile(path("other/c.txt"), QByteArray(10, 'x'));
    // Save DirNames with Recurse Dirs: the folder's own name is the top
    // level, and a file from another folder goes in by its name.
    add([this] {
        addEntry(root + "/folder");
        addEntry(root + "/other/c.txt");
        dialog().dirNamesBox->click();
        dialog().okButton->click();
    });
    EXPECT_EQ(script->shown.back().text, "3 files were added");  // the files; folders are not counted
    EXPECT_EQ(storedNames(),
              (std::vector<std::string>{"folder/", "folder/a.txt", "folder/sub/", "folder/sub/b.txt", "c.txt"}));

    // "Store full paths": every level from the root, and the box is kept.
    newArchive("full.zip");
    add([this] {
        addEntry(root + "/folder/sub");
        dialog().fullPathsBox->click();
        dialog().okButton->click();
    });
    EXPECT_EQ(storedNames(), (std::vector<std::string>{stored("folder/sub/"), stored("folder/sub/b.txt")}));
    bool keptAtOpening = false;
    add([&] {
        keptAtOpening = dialog().fullPathsBox->isChecked();
        dialog().cancelButton->click();
    });
    EXPECT_TRUE(keptAtOpening);

    // Without either, a folder entry adds nothing, and the user is told why
    // and how to add it; files keep their bare names.
    newArchive("bare.zip");
    script->buttonAnswers = {0};  // OK to the error
    add([this] {
        addEntry(root + "/folder");
        addEntry(root + "/folder/a.txt");
        dialog().recurseBox->click();  // unchecks both
        dialog().okButton->click();
    });
    ASSERT_GE(script->shown.size(), 2u);
    const QString said = script->shown[script->shown.size() - 2].text;
    EXPECT_TRUE(said.endsWith("\nThe folder " + root
                              + "/folder/ was not added: with \"Recurse Dirs\" off a folder "
                                "adds nothing. Check \"Recurse Dirs\" to add it with everything in it."))
        << said.toStdString();
    EXPECT_EQ(script->shown.back().text, "1 files were added");
    EXPECT_EQ(script->shown.back().icon, platform::IconKind::Warning);
    EXPECT_EQ(storedNames(), std::vector<std::string>{"a.txt"});
}

TEST_F(AddCommandTest, AMissingArchiveNamedAtStartIsSaidToBeNewAndMadeOnlyUnderANameOfAFormatWritten)
{
    writeFile(root + "/a.txt", "a");
    const struct {
        const char *name;
        const char *state;  // the status bar's, before the add
        const char *made;   // what the hint says it is made as; null: it is not made
    } cases[] = {
        {"new.zip", "New: the first add makes it", "ZIP"},
        {"new.tar.gz", "New: the first add makes it", "tar.gz"},
        {"new.7z", "New: the first add makes it", "7z"},
        {"new.rar", "Not found", nullptr},
        {"new.iso", "Not found", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString archive = root + "/" + c.name;
        openWindows({archive}).applyCommandLineArchive();
        const auto *state = form().findChild<QLabel *>(QStringLiteral("archiveStatePanel"));
        EXPECT_FALSE(state->isHidden());
        EXPECT_EQ(state->text(), c.state);
        if (c.made) {
            EXPECT_TRUE(state->toolTip().endsWith(QStringLiteral(" as a %1 archive.").arg(c.made)))
                << state->toolTip().toStdString();
        }
        add([this] {
            addEntry(root + "/a.txt");
            dialog().okButton->click();
        });
        EXPECT_EQ(QFile::exists(archive), c.made != nullptr);
        if (!c.made) {
            EXPECT_TRUE(messages().join('|').contains("Error - " + archive + " names a " + QString(c.name).mid(4)
                                                      + " archive, which is read but not written"))
                << messages().join('|').toStdString();
        }
        EXPECT_EQ(state->isHidden(), c.made != nullptr);
        script->shown.clear();
    }
}

// Encryption and DOS names are greyed, with the reason in their hints, for
// an archive that cannot keep them, and never reach its add; the boxes come
// back as they were for a ZIP archive after.
TEST_F(AddCommandTest, WhatTheArchiveCannotKeepIsGreyedWithItsReasonAndNotAsked)
{
    writeFile(root + "/a.txt", "a");
    const struct {
        const char *name;
        const char *encryptionHint;  // null: the box is on
    } cases[] = {
        {"x.tar.zst", "tar archives cannot be encrypted"},
        {"x.7z", "libarchive 3.6.2, which writes 7z here, cannot encrypt it"},
        {"x.tar", "tar archives cannot be encrypted"},
        {"x.zip", nullptr},
    };
    dialog().forceDosBox->setChecked(true);  // what the user wants for ZIP archives
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        newArchive(c.name);
        const bool zip = c.encryptionHint == nullptr;
        add([&] {
            EXPECT_EQ(dialog().encryptBox->isEnabled(), zip);
            EXPECT_EQ(dialog().forceDosBox->isEnabled(), zip);
            EXPECT_EQ(dialog().forceDosBox->isChecked(), zip);
            EXPECT_EQ(dialog().encryptNote->isVisible(), !zip);
            if (!zip) {
                EXPECT_EQ(dialog().encryptBox->toolTip(), c.encryptionHint);
                EXPECT_EQ(dialog().encryptNote->text(), c.encryptionHint);
                EXPECT_TRUE(dialog().forceDosBox->toolTip().contains("only ZIP archives get DOS 8.3 names"))
                    << dialog().forceDosBox->toolTip().toStdString();
            } else {
                EXPECT_TRUE(dialog().encryptBox->toolTip().contains("AES-256"));
            }
            // What every format keeps stays on.
            for (const QCheckBox *box : {dialog().moveBox, dialog().updateOnlyBox, dialog().timestampBox})
                EXPECT_TRUE(box->isEnabled()) << box->objectName().toStdString();
            addEntry(root + "/a.txt");
            dialog().okButton->click();
        });
        EXPECT_TRUE(QFile::exists(path(c.name)));
        EXPECT_EQ(engine().AddOptions.contains(AddForceDOS), zip);
        script->shown.clear();
    }
}

TEST_F(AddCommandTest, AnAddThatAddedNothingKeepsTheListAndDeletingIsNeverCarriedOver)
{
    const QString archive = newArchive();
    // The file goes away between choosing it and the add: nothing is added.
    writeFile(root + "/gone.txt", QByteArray(10, 'x'));
    add([this] {
        addEntry(root + "/gone.txt");
        QFile::remove(root + "/gone.txt");
        dialog().moveBox->setChecked(true);
        dialog().okButton->click();
    });
    EXPECT_EQ(engine().LastResult, 0);
    EXPECT_EQ(dialog().entries(), QStringList{root + "/gone.txt"});
    EXPECT_FALSE(QFile::exists(archive));

    // Next opening: the list is still there to try again, the delete box is not.
    writeFile(root + "/gone.txt", QByteArray(10, 'x'));
    bool moveCheckedAtOpening = true;
    add([&] {
        moveCheckedAtOpening = dialog().moveBox->isChecked();
        dialog().okButton->click();
    });
    EXPECT_FALSE(moveCheckedAtOpening);
    EXPECT_EQ(engine().LastResult, 1);
    EXPECT_TRUE(QFile::exists(root + "/gone.txt"));  // not moved
    EXPECT_TRUE(dialog().entries().isEmpty());
}
