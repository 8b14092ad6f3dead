// The add dialog driven headless: the list handlers, the browsing chain and
// how an opening ends.
#include "dialogs/AddForm.h"
#include "dialogs/DialogCancelled.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMetaObject>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

#include "../app/QStringPrinter.h"

namespace {

QList<int> selectedRows(const QListWidget &list)
{
    QList<int> rows;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->isSelected())
            rows << i;
    return rows;
}

class AddFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        ASSERT_TRUE(QDir(root).mkpath("docs/sub"));
        for (const char *name : {"a.txt", "b.txt", "c.txt", "d.txt"})
            ASSERT_TRUE(QFile(docs(name)).open(QIODevice::WriteOnly));
        form = std::make_unique<TAddForm>([this] { return volumes; }, docs());
    }

    void addFiles(const QStringList &names)
    {
        for (int i = 0; i < form->FileListBox1->count(); ++i)
            if (names.contains(form->FileListBox1->item(i)->text()))
                form->FileListBox1->item(i)->setSelected(true);
        form->BitBtn6->click();
    }

    QString docs(const QString &name = {}) const { return root + "/docs/" + name; }

    // Opens the dialog modally and runs `interaction` inside its event loop.
    void open(const std::function<void()> &interaction)
    {
        DialogCancelled = false;
        QMetaObject::invokeMethod(form.get(), interaction, Qt::QueuedConnection);
        form->exec();
    }

    QTemporaryDir temp;
    const QString root = temp.path();
    QList<platform::Volume> volumes{{"/", "/"}};
    std::unique_ptr<TAddForm> form;
};

}  // namespace

TEST_F(AddFormTest, AddFilesAppendsOnlyNewOnesDeselectsThemAndLeavesTheLastUnselected)
{
    DialogCancelled = false;
    form->BitBtn6->click();   // nothing selected: still an add action
    EXPECT_TRUE(DialogCancelled);
    EXPECT_TRUE(form->entries().isEmpty());

    addFiles({"b.txt"});
    form->SelectedList->item(0)->setSelected(true);
    addFiles({"a.txt", "b.txt", "d.txt"});
    EXPECT_EQ(form->entries(), QStringList({docs("b.txt"), docs("a.txt"), docs("d.txt")}));
    EXPECT_TRUE(form->FileListBox1->selectedItems().isEmpty());
    EXPECT_EQ(selectedRows(*form->SelectedList), QList<int>({0}));

    form->SelectedList->item(2)->setSelected(true);
    form->BU_Selectall->click();
    EXPECT_EQ(form->FileListBox1->selectedItems().size(), 4);
    form->BitBtn6->click();
    EXPECT_EQ(form->entries().back(), docs("c.txt"));
    EXPECT_EQ(selectedRows(*form->SelectedList), QList<int>({0, 2}));
}

TEST_F(AddFormTest, AddDirAddsTheOpenedDirectoryNotTheHighlightedOne)
{
    form->DirectoryListBox1->currentItem()->child(0)->setSelected(true);   // "sub", not opened
    form->BitBtn7->click();
    form->BitBtn7->click();
    form->setDirectory("/");
    form->BitBtn7->click();
    EXPECT_EQ(form->entries(), QStringList({docs(), "/"}));

    // Nothing highlighted in the directory list: nothing added.
    form->DirectoryListBox1->clearSelection();
    form->BitBtn7->click();
    EXPECT_EQ(form->entries().size(), 2);
}

TEST_F(AddFormTest, SortKeepsTheSelectionAndPlacesLaterEntries)
{
    addFiles({"d.txt"});
    addFiles({"b.txt", "c.txt"});
    form->SelectedList->item(1)->setSelected(true);   // b.txt
    form->Sortbut->click();
    EXPECT_FALSE(form->Sortbut->isEnabled());
    addFiles({"a.txt"});
    form->BitBtn7->click();
    const QStringList sorted = {docs(), docs("a.txt"), docs("b.txt"), docs("c.txt"), docs("d.txt")};
    EXPECT_EQ(form->entries(), sorted);
    for (int row = 0; row < sorted.size(); ++row)
        EXPECT_EQ(form->SelectedList->item(row)->text(), sorted[row]);
    EXPECT_EQ(selectedRows(*form->SelectedList), QList<int>({2}));
    form->SelectedList->item(2)->setSelected(false);

    for (int row : {0, 2, 4})
        form->SelectedList->item(row)->setSelected(true);
    form->BitBtn5->click();
    EXPECT_EQ(form->entries(), QStringList({docs("a.txt"), docs("c.txt")}));
    EXPECT_EQ(form->SelectedList->count(), 2);
}

TEST_F(AddFormTest, SaveDirNamesAndRecurseDirsGoTogether)
{
    form->RecurseCB->click();
    EXPECT_TRUE(form->DirNameCB->isChecked());
    form->DirNameCB->click();
    EXPECT_FALSE(form->RecurseCB->isChecked());
    form->DirNameCB->click();
    EXPECT_TRUE(form->RecurseCB->isChecked());
    form->RecurseCB->click();
    EXPECT_FALSE(form->DirNameCB->isChecked());
}

TEST_F(AddFormTest, TheDriveBoxDirectoryListAndFileListMoveTogether)
{
    volumes = {{"/", "/"}, {docs().chopped(1), "DOCS"}};
    form = std::make_unique<TAddForm>([this] { return volumes; }, docs());
    EXPECT_EQ(form->DriveComboBox1->currentIndex(), 1);

    // Enter on the directory list opens the highlighted directory; it does not press OK.
    form->DirectoryListBox1->setCurrentItem(form->DirectoryListBox1->currentItem()->child(0));
    QTest::keyClick(form->DirectoryListBox1, Qt::Key_Return);
    EXPECT_EQ(form->directory(), docs("sub"));
    EXPECT_EQ(form->FileListBox1->count(), 0);

    form->setDirectory(root);
    EXPECT_EQ(form->DriveComboBox1->currentIndex(), 0);
    form->DriveComboBox1Change(1);   // back to where that volume was left
    EXPECT_EQ(form->directory(), docs("sub"));
    emit form->DirectoryListBox1->itemDoubleClicked(form->DirectoryListBox1->currentItem()->parent(), 0);
    EXPECT_EQ(form->FileListBox1->count(), 4);
}

TEST_F(AddFormTest, OnlyOkLeavesTheDialogNotCancelled)
{
    open([this] {
        addFiles({"a.txt"});
        form->BitBtn1->click();
    });
    EXPECT_FALSE(DialogCancelled);

    open([this] {
        addFiles({"b.txt"});
        form->BitBtn2->click();
    });
    EXPECT_TRUE(DialogCancelled);
    EXPECT_EQ(form->entries().size(), 2);   // kept for the next opening

    // Without any add action, Cancel and the close button cancel too.
    open([this] { form->BitBtn2->click(); });
    EXPECT_TRUE(DialogCancelled);
    open([this] { form->close(); });
    EXPECT_TRUE(DialogCancelled);

    // Escape is bound to nothing; Enter in the file list presses OK.
    bool openAfterEscape = false;
    open([&] {
        QTest::keyClick(form.get(), Qt::Key_Escape);
        openAfterEscape = form->isVisible();
        QTest::keyClick(form->FileListBox1, Qt::Key_Return);
        // Should Enter not have closed it, Cancel ends the opening and the test fails.
        QMetaObject::invokeMethod(form.get(), [this] { if (form->isVisible()) form->BitBtn2->click(); },
                                  Qt::QueuedConnection);
    });
    EXPECT_TRUE(openAfterEscape);
    EXPECT_FALSE(DialogCancelled);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(AddFormTest, AReopeningRereadsTheDiskAndSurvivesARemovedDirectory)
{
    ASSERT_TRUE(QDir(docs()).removeRecursively());
    QString shown;
    open([&] {
        shown = form->directory();
        form->BitBtn1->click();
    });
    EXPECT_EQ(shown, root);
    EXPECT_EQ(form->FileListBox1->count(), 0);
}
