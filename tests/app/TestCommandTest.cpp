// Actions > Test archive, headless, with the real engine libraries.
#include "WindowFixture.h"
#include "dialogs/MsgForm.h"
#include "dialogs/StatusForm.h"

#include <QAction>
#include <QDir>
#include <QItemSelectionModel>
#include <algorithm>

namespace {

class TestCommand : public WindowTest {
protected:
    // a.txt, b.txt whose CRC is wrong, c.txt, d.txt: opened in the window.
    QString openWithOneBadMember()
    {
        ziptest::Member bad = ziptest::fileEntry("b.txt", "bad data");
        bad.crc = 1;
        const QString archive = writeArchive(
            "t.zip", ziptest::buildZip({ziptest::fileEntry("a.txt", "a"), bad, ziptest::fileEntry("c.txt", "c"),
                                        ziptest::fileEntry("d.txt", "d")}));
        open(archive);
        before = QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        script->shown.clear();
        return archive;
    }
    void test() { form().menuAction("testAction")->trigger(); }
    QStringList inRoot() const { return QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

    QStringList before;
};

}  // namespace

TEST_F(TestCommand, EveryOrTheSelectedMembersAreTestedAndTheBoxCountsThoseWithErrors)
{
    openWithOneBadMember();
    const struct {
        int top, bottom;  // selected rows; 0: none
        const char *result;
        bool errorBox;
    } cases[] = {
        {0, 0, "4 file(s) tested, 1 with errors", true},
        // One row is the grid's current row, not a choice: the whole archive.
        {3, 3, "4 file(s) tested, 1 with errors", true},
        {1, 2, "2 file(s) tested, 1 with errors", true},
        {3, 4, "2 file(s) tested, 0 with errors", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.result);
        grid().selectionModel()->clear();
        if (c.top > 0)
            selectRows(c.top, c.bottom);
        script->shown.clear();
        script->buttonAnswers = {0};  // OK to the error box
        test();
        ASSERT_FALSE(script->shown.empty());
        // A count after errors comes under the warning icon.
        EXPECT_EQ(lastShown().icon, c.errorBox ? platform::IconKind::Warning : platform::IconKind::Information);
        EXPECT_EQ(lastShown().text, c.result);
        EXPECT_EQ(script->shown.size(), c.errorBox ? 2u : 1u);
        if (c.errorBox) {
            EXPECT_TRUE(script->shown[0].text.contains("b.txt: bad CRC")) << script->shown[0].text.toStdString();
        }
        EXPECT_EQ(windows->F_status->windowTitle(), "Testing file(s)");
        EXPECT_FALSE(windows->F_status->isVisible());
    }
    EXPECT_EQ(inRoot(), before);
}

TEST_F(TestCommand, AnArchiveCutShortIsTestedMemberByMemberAndItsCountWarns)
{
    const std::string whole =
        ziptest::buildZip({ziptest::fileEntry("a.txt", "alpha"), ziptest::fileEntry("b.txt", "beta"),
                           ziptest::fileEntry("c.txt", std::string(4000, 'c'), 0)});
    // Cut inside c.txt's data: no directory, the members before it whole.
    open(writeArchive("cut.zip", whole.substr(0, whole.find("cccc") + 100)));
    script->shown.clear();
    script->buttonAnswers = {0};  // OK to the first error
    test();
    const auto count = std::find_if(script->shown.begin(), script->shown.end(),
                                    [](const auto &shown) { return shown.text == "3 file(s) tested, 1 with errors"; });
    ASSERT_NE(count, script->shown.end()) << messages().join('|').toStdString();
    EXPECT_EQ(count->icon, platform::IconKind::Warning);
    EXPECT_EQ(inRoot(), QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(TestCommand, FoldersAreNotCountedAsFiles)
{
    open(writeArchive("f.zip", ziptest::buildZip({ziptest::dirEntry("d/"), ziptest::fileEntry("d/a.txt", "a"),
                                                  ziptest::dirEntry("d/e/"), ziptest::fileEntry("b.txt", "b")})));
    script->shown.clear();
    test();
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(lastShown().text, "2 file(s) tested, 0 with errors");
    EXPECT_EQ(lastShown().icon, platform::IconKind::Information);
}

TEST_F(TestCommand, CancelledAtTheErrorBoxItShowsNoResult)
{
    openWithOneBadMember();
    grid().selectionModel()->clear();
    script->buttonAnswers = {1};  // Cancel the operation
    test();
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_TRUE(script->shown[0].text.contains("b.txt: bad CRC"));
    EXPECT_EQ(inRoot(), before);
}

TEST_F(TestCommand, WithoutAnArchiveItSaysSo)
{
    test();
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(lastShown().text, "Error :File not found None");
}

// Encrypted members through the real libraries: the password box comes once
// more after a wrong answer, the right password opens both ciphers, and a
// cancelled box ends the test without a result.
TEST_F(TestCommand, EncryptedMembersAskForThePasswordInTheTest)
{
    ziptest::AesOptions tampered;
    tampered.corruptDataAt = 0;
    const QString archive = writeArchive(
        "e.zip",
        ziptest::buildZip({ziptest::aesEncrypted(ziptest::fileEntry("aes.txt", "aes"), "secret"),
                           ziptest::traditionalEncrypted(ziptest::fileEntry("old.txt", "old"), "secret"),
                           ziptest::fileEntry("plain.txt", "plain"),
                           ziptest::aesEncrypted(ziptest::fileEntry("changed.txt", "x"), "secret", tampered)}));
    open(archive);
    const struct {
        std::vector<std::pair<bool, QString>> answers;
        int boxes;
        const char *result;  // empty: no result box
    } cases[] = {
        {{{true, "wrong"}, {true, "secret"}}, 2, "4 file(s) tested, 1 with errors"},
        {{{false, ""}}, 1, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.result);
        grid().selectionModel()->clear();
        script->shown.clear();
        script->passwordAnswers.assign(c.answers.begin(), c.answers.end());
        script->buttonAnswers = {0};  // OK to the error box
        test();
        int boxes = 0;
        for (const auto &shown : script->shown)
            if (shown.kind == platform::PromptRecord::Kind::Password) {
                ++boxes;
                EXPECT_EQ(shown.caption, "Password");
                EXPECT_TRUE(shown.text.startsWith("Enter the password for aes.txt:")) << shown.text.toStdString();
            }
        EXPECT_EQ(boxes, c.boxes);
        if (*c.result) {
            EXPECT_EQ(lastShown().text, c.result);
            EXPECT_TRUE(script->messageTexts().join('\n').contains(
                "changed.txt: authentication failed (the data was changed)"));
        } else {
            EXPECT_NE(lastShown().caption, "Information");
        }
    }
}
