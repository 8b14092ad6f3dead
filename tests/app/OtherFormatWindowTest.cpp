// An archive in another format than ZIP in the main window: listed like a
// ZIP archive, read-only throughout, and saved as a new ZIP archive.
#include "WindowFixture.h"
#include "support/Run.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QToolButton>

namespace {

class OtherFormatWindow : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        writeFile(path("src/a.txt"), QByteArray(70000, 'a'));
        writeFile(path("src/dir/b.txt"), "bee");
        ASSERT_EQ(ziptest::sh("tar -cJf ../sample.tar.xz a.txt dir", path("src").toStdString()), 0);
        archive = path("sample.tar.xz");
        original = readBytes(archive);
        open(archive);
        script->shown.clear();
    }

    QLabel *statePanel() { return form().findChild<QLabel *>(QStringLiteral("archiveStatePanel")); }
    bool enabled(const char *action) { return form().menuAction(QString::fromLatin1(action))->isEnabled(); }
    QStringList leftovers() const
    {
        return QDir(root).entryList({QStringLiteral(".orvex-save-as-zip-*")}, QDir::AllEntries | QDir::Hidden);
    }

    QString archive;
    QByteArray original;
};

}  // namespace

TEST_F(OtherFormatWindow, IsListedWithoutPackedSizesAndOnlyItsReadingCommandsAreOn)
{
    EXPECT_EQ(column(0), (std::vector<QString>{"a.txt", "dir/", "dir/b.txt"}));
    EXPECT_EQ(column(1), (std::vector<QString>{"", "", ""}));
    EXPECT_EQ(column(2)[0], "70000");
    ASSERT_NE(statePanel(), nullptr);
    EXPECT_FALSE(statePanel()->isHidden());
    EXPECT_TRUE(statePanel()->text().startsWith("Read-only: ")) << statePanel()->text().toStdString();
    for (const char *action : {"addAction", "deleteMembersAction"})
        EXPECT_FALSE(enabled(action)) << action;
    for (const char *action : {"extractAction", "testAction", "editAction", "saveAsZipAction", "openArchiveAction"})
        EXPECT_TRUE(enabled(action)) << action;
    EXPECT_FALSE(form().toolButton("addButton")->isEnabled());
    EXPECT_EQ(form().menuAction("saveAsZipAction")->text().remove(u'&'), QStringLiteral("Save as ZIP…"));

    // A ZIP archive opened next takes members again.
    addWithEngine(path("plain.zip"), {path("src/a.txt")});
    open(path("plain.zip"));
    EXPECT_TRUE(statePanel()->isHidden());
    EXPECT_TRUE(enabled("addAction") && enabled("deleteMembersAction"));
}

TEST_F(OtherFormatWindow, SavedAsZipTheCopyHoldsEveryMemberAndIsOpenedWritable)
{
    struct Case {
        const char *answer;  // what the save dialog returns
        bool encrypt;
        const char *written;
    };
    const Case cases[] = {{"copy.zip", false, "copy.zip"}, {"locked", true, "locked.zip"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.written);
        open(archive);
        script->fileAnswers.push_back(path(c.answer));
        script->buttonAnswers.push_back(c.encrypt ? 0 : 1);  // Encrypt?
        if (c.encrypt)
            script->passwordAnswers = {{true, "secret"}, {true, "secret"}};
        form().saveAsZipCommand();
        EXPECT_EQ(engine().ZipFilename(), path(c.written).toStdString());
        EXPECT_FALSE(engine().ReadOnly());
        EXPECT_EQ(storedNames(), (std::vector<std::string>{"a.txt", "dir/", "dir/b.txt"}));
        EXPECT_EQ(engine().Entries(0).Encrypted(), c.encrypt);
        EXPECT_TRUE(statePanel()->isHidden());
        EXPECT_TRUE(enabled("addAction"));
        ASSERT_FALSE(messages().isEmpty());
        EXPECT_EQ(messages().last(), "3 files were saved in " + path(c.written));
        EXPECT_EQ(readBytes(archive), original);
        EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(' ').toStdString();
    }
}

TEST_F(OtherFormatWindow, SavingOverTheOpenArchiveOrAnUnconfirmedFileIsRefused)
{
    addWithEngine(path("plain.zip"), {path("src/a.txt")});
    open(path("plain.zip"));
    script->fileAnswers = {path("plain.zip")};
    form().saveAsZipCommand();
    open(archive);
    writeFile(path("taken.zip"), "not mine");
    script->fileAnswers = {path("taken")};  // ".zip" added: the dialog never asked about taken.zip
    script->buttonAnswers = {1};            // Replace? No
    form().saveAsZipCommand();
    ASSERT_GE(messages().size(), 2);
    EXPECT_TRUE(messages()[0].endsWith("is the open archive; Save as ZIP writes another file."))
        << messages()[0].toStdString();
    EXPECT_EQ(messages()[1], path("taken.zip") + " exists. Replace it?");
    EXPECT_EQ(readBytes(path("taken.zip")), "not mine");
    EXPECT_EQ(engine().ZipFilename(), archive.toStdString());
    EXPECT_TRUE(leftovers().isEmpty());
}
