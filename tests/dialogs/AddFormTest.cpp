// The add dialog driven headless: the list handlers, the browsing chain and
// how an opening ends.
#include "dialogs/AddForm.h"
#include "platform/Prompts.h"

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
#include <deque>
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
        for (int i = 0; i < form->fileList->count(); ++i)
            if (names.contains(form->fileList->item(i)->text()))
                form->fileList->item(i)->setSelected(true);
        form->addFilesButton->click();
    }

    QString docs(const QString &name = {}) const { return root + "/docs/" + name; }

    // Opens the dialog modally and runs `interaction` inside its event loop;
    // what the dialog hands back lands in `got`.
    void open(const std::function<void()> &interaction)
    {
        QMetaObject::invokeMethod(form.get(), interaction, Qt::QueuedConnection);
        got = form->ask();
    }

    QTemporaryDir temp;
    const QString root = temp.path();
    QList<platform::Volume> volumes{{"/", "/"}};
    std::unique_ptr<TAddForm> form;
    AddFormResult got;
};

}  // namespace

TEST_F(AddFormTest, AddFilesAppendsOnlyNewOnesDeselectsThemAndLeavesTheLastUnselected)
{
    open([this] {
        form->addFilesButton->click();  // nothing selected: still an add action
        form->hide();                   // left without a button, as when the main window closes
    });
    EXPECT_TRUE(got.DialogCancelled);
    EXPECT_TRUE(got.entries.isEmpty());

    addFiles({"b.txt"});
    form->filesToAddList->item(0)->setSelected(true);
    addFiles({"a.txt", "b.txt", "d.txt"});
    EXPECT_EQ(form->entries(), QStringList({docs("b.txt"), docs("a.txt"), docs("d.txt")}));
    EXPECT_TRUE(form->fileList->selectedItems().isEmpty());
    EXPECT_EQ(selectedRows(*form->filesToAddList), QList<int>({0}));

    form->filesToAddList->item(2)->setSelected(true);
    form->selectAllButton->click();
    EXPECT_EQ(form->fileList->selectedItems().size(), 4);
    form->addFilesButton->click();
    EXPECT_EQ(form->entries().back(), docs("c.txt"));
    EXPECT_EQ(selectedRows(*form->filesToAddList), QList<int>({0, 2}));
}

TEST_F(AddFormTest, AddDirAddsTheHighlightedDirectory)
{
    // A click highlights "sub" without opening it: "sub" is what is added.
    QTreeWidgetItem *sub = form->directoryList->currentItem()->child(0);
    QTest::mouseClick(form->directoryList->viewport(), Qt::LeftButton, {},
                      form->directoryList->visualItemRect(sub).center());
    ASSERT_TRUE(sub->isSelected());
    form->addDirectoryButton->click();
    form->addDirectoryButton->click();
    EXPECT_EQ(form->directory(), root + "/docs");
    form->setDirectory("/");
    form->addDirectoryButton->click();  // the opened folder is highlighted
    EXPECT_EQ(form->entries(), QStringList({docs("sub/"), "/"}));

    // Nothing highlighted in the directory list: nothing added.
    form->directoryList->clearSelection();
    form->addDirectoryButton->click();
    EXPECT_EQ(form->entries().size(), 2);
}

TEST_F(AddFormTest, EscapeInTheListsNeitherClosesTheDialogNorClearsAnything)
{
    open([this] {
        addFiles({"a.txt", "b.txt"});
        form->filesToAddList->item(0)->setSelected(true);
        form->fileList->item(2)->setSelected(true);
        for (QWidget *list : std::initializer_list<QWidget *>{form->directoryList, form->fileList, form->filesToAddList,
                                                              form->driveBox}) {
            QTest::keyClick(list, Qt::Key_Escape);
            EXPECT_TRUE(form->isVisible()) << list->objectName().toStdString();
        }
        EXPECT_EQ(form->entries(), QStringList({docs("a.txt"), docs("b.txt")}));
        EXPECT_EQ(selectedRows(*form->filesToAddList), QList<int>{0});
        EXPECT_EQ(form->fileList->selectedItems().size(), 1);
        EXPECT_EQ(form->directoryList->selectedItems().size(), 1);
        form->okButton->click();
    });
    EXPECT_FALSE(got.DialogCancelled);
    EXPECT_EQ(got.entries.size(), 2);
}

TEST_F(AddFormTest, SortKeepsTheSelectionAndPlacesLaterEntries)
{
    addFiles({"d.txt"});
    addFiles({"b.txt", "c.txt"});
    form->filesToAddList->item(1)->setSelected(true);  // b.txt
    form->sortButton->click();
    EXPECT_FALSE(form->sortButton->isEnabled());
    addFiles({"a.txt"});
    form->addDirectoryButton->click();
    const QStringList sorted = {docs(), docs("a.txt"), docs("b.txt"), docs("c.txt"), docs("d.txt")};
    EXPECT_EQ(form->entries(), sorted);
    for (int row = 0; row < sorted.size(); ++row)
        EXPECT_EQ(form->filesToAddList->item(row)->text(), sorted[row]);
    EXPECT_EQ(selectedRows(*form->filesToAddList), QList<int>({2}));
    form->filesToAddList->item(2)->setSelected(false);

    for (int row : {0, 2, 4})
        form->filesToAddList->item(row)->setSelected(true);
    form->removeButton->click();
    EXPECT_EQ(form->entries(), QStringList({docs("a.txt"), docs("c.txt")}));
    EXPECT_EQ(form->filesToAddList->count(), 2);
}

TEST_F(AddFormTest, SaveDirNamesAndRecurseDirsGoTogether)
{
    form->recurseBox->click();
    EXPECT_TRUE(form->dirNamesBox->isChecked());
    form->dirNamesBox->click();
    EXPECT_FALSE(form->recurseBox->isChecked());
    form->dirNamesBox->click();
    EXPECT_TRUE(form->recurseBox->isChecked());
    form->recurseBox->click();
    EXPECT_FALSE(form->dirNamesBox->isChecked());
}

TEST_F(AddFormTest, TheDriveBoxDirectoryListAndFileListMoveTogether)
{
    volumes = {{"/", "/"}, {docs().chopped(1), "DOCS"}};
    form = std::make_unique<TAddForm>([this] { return volumes; }, docs());
    EXPECT_EQ(form->driveBox->currentIndex(), 1);

    // Enter on the directory list opens the highlighted directory; it does not press OK.
    form->directoryList->setCurrentItem(form->directoryList->currentItem()->child(0));
    QTest::keyClick(form->directoryList, Qt::Key_Return);
    EXPECT_EQ(form->directory(), docs("sub"));
    EXPECT_EQ(form->fileList->count(), 0);

    form->setDirectory(root);
    EXPECT_EQ(form->driveBox->currentIndex(), 0);
    form->driveChanged(1);  // back to where that volume was left
    EXPECT_EQ(form->directory(), docs("sub"));
    emit form->directoryList->itemDoubleClicked(form->directoryList->currentItem()->parent(), 0);
    EXPECT_EQ(form->fileList->count(), 4);
}

TEST_F(AddFormTest, OnlyOkLeavesTheDialogNotCancelled)
{
    open([this] {
        addFiles({"a.txt"});
        form->timestampBox->setChecked(true);
        form->okButton->click();
    });
    EXPECT_FALSE(got.DialogCancelled);
    EXPECT_EQ(got.entries, QStringList{docs("a.txt")});
    EXPECT_TRUE(got.choices.useTimestamp);

    open([this] {
        addFiles({"b.txt"});
        form->cancelButton->click();
    });
    EXPECT_TRUE(got.DialogCancelled);
    EXPECT_EQ(form->entries().size(), 2);  // kept for the next opening

    // Without any add action, Cancel and the close button cancel too; hidden
    // without a button (the main window closing), the dialog is not cancelled.
    open([this] { form->cancelButton->click(); });
    EXPECT_TRUE(got.DialogCancelled);
    open([this] { form->close(); });
    EXPECT_TRUE(got.DialogCancelled);
    open([this] { form->hide(); });
    EXPECT_FALSE(got.DialogCancelled);

    // Escape is bound to nothing; Enter in the file list presses OK.
    bool openAfterEscape = false;
    open([&] {
        QTest::keyClick(form.get(), Qt::Key_Escape);
        openAfterEscape = form->isVisible();
        QTest::keyClick(form->fileList, Qt::Key_Return);
        // Should Enter not have closed it, Cancel ends the opening and the test fails.
        QMetaObject::invokeMethod(
            form.get(),
            [this] {
                if (form->isVisible())
                    form->cancelButton->click();
            },
            Qt::QueuedConnection);
    });
    EXPECT_TRUE(openAfterEscape);
    EXPECT_FALSE(got.DialogCancelled);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(AddFormTest, AReopeningRereadsTheDiskAndSurvivesARemovedDirectory)
{
    ASSERT_TRUE(QDir(docs()).removeRecursively());
    QString shown;
    open([&] {
        shown = form->directory();
        form->okButton->click();
    });
    EXPECT_EQ(shown, root);
    EXPECT_EQ(form->fileList->count(), 0);
}

TEST_F(AddFormTest, EncryptAsksForThePasswordTwiceAndKeepsItOnlyWhenBothAgree)
{
    auto script = platform::ScriptedPrompts::install();
    using Answers = std::deque<std::pair<bool, QString>>;
    const QString longest(1024, u'k'), tooLong = "The password is longer than 1024 bytes.";
    const QString withNul = QString("a") + QChar(u'\0') + "b";
    const struct {
        Answers answers;
        bool checked;
        QString password;
        size_t boxes;
        QStringList warnings;
    } cases[] = {
        {{{true, "pw"}, {true, "pw"}}, true, "pw", 2, {}},
        // The limit counts the UTF-8 bytes the add encrypts with; a U+0000 is one of them.
        {{{true, longest}, {true, longest}}, true, longest, 2, {}},
        {{{true, longest + "k"}}, false, "", 1, {tooLong}},
        {{{true, QString(513, QChar(0xE9))}}, false, "", 1, {tooLong}},
        {{{true, withNul}, {true, withNul}}, true, withNul, 2, {}},
        {{{true, "pw"}, {true, "pW"}}, false, "", 2, {"The passwords do not match."}},
        {{{true, "pw"}, {false, "pw"}}, false, "", 2, {}},
        {{{true, "pw"}, {true, ""}}, false, "", 2, {}},
        {{{true, ""}}, false, "", 1, {}},
        {{{false, "pw"}}, false, "", 1, {}},
    };
    for (const auto &c : cases) {
        form->encryptBox->setChecked(false);
        script->shown.clear();
        script->passwordAnswers = c.answers;
        form->encryptBox->click();
        EXPECT_EQ(form->encryptBox->isChecked(), c.checked) << c.answers.front().second.toStdString();
        EXPECT_EQ(form->password(), c.password);
        EXPECT_EQ(script->messageTexts(), c.warnings);
        const QStringList texts = {"Enter the password for the files to add:", "Enter the password again:"};
        std::vector<platform::PromptRecord> boxes;
        for (const auto &record : script->shown)
            if (record.kind == platform::PromptRecord::Kind::Password)
                boxes.push_back(record);
        ASSERT_EQ(boxes.size(), c.boxes);
        for (size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_EQ(boxes[i].caption, "Password");
            EXPECT_EQ(boxes[i].text, texts[qsizetype(i)]);
        }
    }

    // The password goes with the result of OK, and an opening starts without one.
    open([&] {
        script->passwordAnswers = {{true, "pw"}, {true, "pw"}};
        form->encryptBox->click();
        form->okButton->click();
    });
    EXPECT_EQ(got.password, "pw");
    open([&] { form->okButton->click(); });
    EXPECT_FALSE(form->encryptBox->isChecked());
    EXPECT_EQ(got.password, "");
    platform::setPromptHandler(nullptr);
}
