// An archive in another format than ZIP in the main window: listed like a
// ZIP archive; changed like one when it is a tar or 7z, read-only throughout
// in a format only read, and saved as a new ZIP archive.
#include "WindowFixture.h"
#include "app/GridSelection.h"
#include "app/OperationFrame.h"
#include "dialogs/AddForm.h"
#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/HandBuiltArchives.h"
#include "support/Run.h"
#include "support/TarBuilder.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMetaObject>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <future>
#include <sys/stat.h>
#include <utility>

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
    // Whether the commands that change the archive are on, by menu and toolbar.
    bool changesOn()
    {
        return enabled("addAction") && enabled("deleteMembersAction") && enabled("renameAction")
               && form().toolButton("addButton")->isEnabled() && form().toolButton("deleteMembersButton")->isEnabled();
    }
    bool changesOff()
    {
        return !enabled("addAction") && !enabled("deleteMembersAction") && !enabled("renameAction")
               && !form().toolButton("addButton")->isEnabled()
               && !form().toolButton("deleteMembersButton")->isEnabled();
    }
    // Adds `file` through the add dialog with its boxes as they are.
    void addThroughDialog(const QString &file)
    {
        TAddForm &dialog = *windows->AddForm;
        QMetaObject::invokeMethod(
            &dialog,
            [&dialog, file] {
                dialog.setDirectory(QFileInfo(file).path());
                for (QListWidgetItem *item : dialog.fileList->findItems(QFileInfo(file).fileName(), Qt::MatchExactly))
                    item->setSelected(true);
                dialog.addFilesButton->click();
                dialog.okButton->click();
            },
            Qt::QueuedConnection);
        form().addCommand();
    }
    QStringList leftovers() const
    {
        return QDir(root).entryList({QStringLiteral(".orvex-save-as-zip-*")}, QDir::AllEntries | QDir::Hidden);
    }

    // What the folder holds, hidden files included.
    static QStringList namesIn(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    // A tar whose folders link to each other, with members nobody may read;
    // an encrypted ZIP archive with a folder and a link.
    void writeSources()
    {
        using E = ziptest::TarEntry;
        writeFile(path("links.tar"), QByteArray::fromStdString(ziptest::tarArchive({
                                         {"d1/", E::Directory, 0755, 1100000000, {}, {}},
                                         {"d2/", E::Directory, 0700, 1200000000, {}, {}},
                                         {"d1/next", E::Symlink, 0777, 1300000000, {}, "../d2"},
                                         {"d2/next", E::Symlink, 0777, 1300000000, {}, "../d1"},
                                         {"nobody-reads", E::File, 0000, 1400000000, "no read bits", {}},
                                         {"write-only", E::File, 0200, 1400000000, "never read", {}},
                                     })));
        writeFile(
            path("locked.zip"),
            QByteArray::fromStdString(ziptest::buildZip(
                {ziptest::dirEntry("docs/"),
                 ziptest::aesEncrypted(ziptest::fileEntry("docs/secret.txt", std::string(100000, 's')), "source-pw"),
                 ziptest::linkEntry("docs/link", "secret.txt")})));
    }

    // A tar of `count` empty files, "m00000" onwards: its reader tells its
    // members every 4,096.
    static std::string manyEntries(int count)
    {
        std::vector<ziptest::TarEntry> entries;
        for (int i = 0; i < count; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "m%05d", i);
            entries.push_back({name, ziptest::TarEntry::File, 0644, 1400000000 + i, {}, {}});
        }
        return ziptest::tarArchive(entries);
    }
    // Every cell of the listing below the titles, column by column.
    std::vector<std::vector<QString>> cells()
    {
        std::vector<std::vector<QString>> all;
        for (int col = 0; col < grid().ColCount(); ++col)
            all.push_back(column(col));
        return all;
    }

    // Whether every row stands for the member it shows, as the commands read it.
    bool rowsNameTheirMembers()
    {
        for (int row = 1; row < grid().RowCount(); ++row) {
            const int member = GridSelection::entryOfTag(grid().Objects(0, row));
            if (member < 0 || member >= engine().EntryCount()
                || QString::fromStdString(engine().Entries(member).FileName) != grid().Cells(0, row))
                return false;
        }
        return true;
    }

    QString archive;
    QByteArray original;
};

// The worker's events, which wait after the first rows they hand on until
// the window has shown them: a test's Cancel then comes while the read runs.
class WaitingForTheWindow : public orvex::ForwardingEvents {
public:
    WaitingForTheWindow(orvex::ComponentEvents &next, std::future<void> shown)
        : ForwardingEvents(next), shown_(std::move(shown))
    {
    }
    void membersRead(std::span<const ArchiveEntry> members) override
    {
        ForwardingEvents::membersRead(members);
        if (shown_.valid())
            shown_.get();
    }

private:
    std::future<void> shown_;
};

}  // namespace

// A large tar shows its rows every 4,096 members while it is read, before
// the component holds its list; once read, or when the read fails midway,
// the window ends as a read that showed nothing on the way, in the user's
// order.
TEST_F(OtherFormatWindow, ALargeTarShowsItsRowsAsTheyAreReadAndEndsAsBefore)
{
    const std::string whole = manyEntries(3 * 4096 + 5);
    const struct {
        const char *name;
        std::string bytes;
        bool sorted;
        std::vector<int> shownAt;  // rows after each hand-over
        int scrolled;              // the top row once read, scrolled to row 500 on the way
    } cases[] = {
        {"whole.tar", whole, false, {4096, 8192, 12288}, 500},
        // Cut inside the 10,001st header: what was read is listed, and said.
        {"cut.tar", whole.substr(0, 10000 * 512 + 100), false, {4096, 8192}, 0},
        // From here on by name, descending: the rows come in archive order.
        {"sorted.tar", whole, true, {4096, 8192, 12288}, 0},
    };
    const QString before = archive;
    form().show();  // rows to scroll
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString big = writeArchive(c.name, c.bytes);
        if (c.sorted) {
            TSortOptions descending;
            descending.Order = soDescending;
            grid().OnClickSort(&grid(), 0, 0, descending);
        }
        auto show = std::exchange(engine().OnMembersRead, nullptr);
        script->shown.clear();
        open(big);
        const auto expected = cells();
        const QStringList expectedMessages = messages();
        engine().OnMembersRead = show;
        open(before);
        script->shown.clear();

        std::vector<int> shownAt;
        std::vector<QString> firstRows;
        engine().OnMembersRead = [&](TZipEngine &sender, std::span<const ArchiveEntry> members) {
            show(sender, members);
            shownAt.push_back(grid().RowCount() - 1);
            firstRows.push_back(grid().Cells(0, 1));
            if (shownAt.size() == 1)
                grid().verticalScrollBar()->setValue(500);
            EXPECT_EQ(grid().verticalScrollBar()->value(), 500);
        };
        // The whole list comes after every hand-over, on rows that show them.
        int shownBeforeTheList = -1;
        auto fill = engine().OnDirUpdate;
        engine().OnDirUpdate = [&](TZipEngine &sender) {
            shownBeforeTheList = grid().RowCount() - 1;
            fill(sender);
        };
        open(big);
        engine().OnMembersRead = show;
        engine().OnDirUpdate = fill;
        EXPECT_EQ(shownAt, c.shownAt);
        EXPECT_EQ(firstRows, std::vector<QString>(c.shownAt.size(), "m00000"));
        EXPECT_EQ(shownBeforeTheList, c.bytes == whole ? c.shownAt.back() : -1);
        EXPECT_EQ(cells(), expected);
        EXPECT_EQ(grid().verticalScrollBar()->value(), c.scrolled);
        EXPECT_TRUE(rowsNameTheirMembers());
        EXPECT_EQ(messages(), expectedMessages);
        // Read again, the row the user chose stays chosen, not one shown on the way.
        selectRows(5, 5);
        const QString chosen = grid().Cells(0, 5);
        open(big);
        EXPECT_EQ(grid().Selection().Top, grid().Selection().Bottom);
        EXPECT_EQ(grid().Cells(0, grid().Selection().Top), chosen);
        open(before);
    }
}

// Cancelled once rows of the new archive are shown, the open keeps the
// listing before, with its chosen row.
TEST_F(OtherFormatWindow, AnOpenCancelledAfterItsFirstRowsKeepsTheListingBefore)
{
    const QString big = writeArchive("big.tar", manyEntries(3 * 4096));
    selectRows(2, 2);
    const auto before = cells();
    std::promise<void> shown;
    int rowsShown = 0;
    auto show = engine().OnMembersRead;
    OperationFrame &frame = form().session().operationFrame();
    engine().OnMembersRead = [&](TZipEngine &sender, std::span<const ArchiveEntry> members) {
        show(sender, members);
        if (rowsShown == 0) {
            rowsShown = grid().RowCount() - 1;
            EXPECT_TRUE(frame.requestCancel());
            shown.set_value();
        }
    };
    EXPECT_THROW(frame.readListing([&](orvex::ComponentEvents &events) {
        WaitingForTheWindow waiting(events, shown.get_future());
        engine().setZipFilename(big.toStdString(), waiting);
    }),
                 EReadCancelled);
    EXPECT_EQ(rowsShown, 4096);
    EXPECT_EQ(cells(), before);
    EXPECT_EQ(grid().Selection().Top, 2);
    EXPECT_EQ(grid().Selection().Bottom, 2);
    EXPECT_EQ(engine().ZipFilename(), archive.toStdString());
    EXPECT_EQ(messages(), QStringList{});
}

TEST_F(OtherFormatWindow, ATarIsListedWithoutPackedSizesAndTakesChangesLikeAZipArchive)
{
    EXPECT_EQ(column(0), (std::vector<QString>{"a.txt", "dir/", "dir/b.txt"}));
    EXPECT_EQ(column(1), (std::vector<QString>{"", "", ""}));
    EXPECT_EQ(column(2)[0], "70000");
    ASSERT_NE(statePanel(), nullptr);
    EXPECT_TRUE(statePanel()->isHidden()) << statePanel()->text().toStdString();
    EXPECT_TRUE(changesOn());

    // One made in the window: added to, then deleted from, and a tar.gz all along.
    const QString made = newArchive("made.tar.gz");
    addThroughDialog(path("src/a.txt"));
    addThroughDialog(path("src/dir/b.txt"));
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_TRUE(statePanel()->isHidden()) << statePanel()->text().toStdString();
    EXPECT_TRUE(changesOn());
    const QByteArray added = readBytes(made);
    EXPECT_TRUE(added.startsWith("\x1f\x8b"));
    selectRows(1, 1);
    script->buttonAnswers.push_back(0);  // Delete selected files? Yes
    form().deleteMembersCommand();
    EXPECT_EQ(storedNames(), std::vector<std::string>{"b.txt"});
    const QByteArray deleted = readBytes(made);
    EXPECT_NE(deleted, added);
    EXPECT_TRUE(deleted.startsWith("\x1f\x8b"));
}

// A format only read says so in the status bar, and nothing that writes is on.
TEST_F(OtherFormatWindow, AFormatOnlyReadIsReadOnlyThroughout)
{
    const struct {
        const char *name;
        std::string bytes;
    } cases[] = {
        {"a.rar", ziptest::rar5Archive({{"a.txt"}, {"dir", true}})},
        {"a.cpio", ziptest::newcCpio({{"a.txt", "alpha"}, {"b.txt", "beta"}})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        open(writeArchive(QString::fromLatin1(c.name), c.bytes));
        ASSERT_FALSE(column(0).empty());
        EXPECT_FALSE(statePanel()->isHidden());
        EXPECT_TRUE(statePanel()->text().startsWith("Read-only: ")) << statePanel()->text().toStdString();
        EXPECT_TRUE(changesOff());
        for (const char *action :
             {"extractAction", "testAction", "editAction", "saveAsAction", "openArchiveAction", "propertiesAction"})
            EXPECT_TRUE(enabled(action)) << action;
        EXPECT_EQ(form().menuAction("saveAsAction")->text().remove(u'&'), QStringLiteral("Save as…"));
    }

    // A ZIP archive opened next takes members again.
    addWithEngine(path("plain.zip"), {path("src/a.txt")});
    open(path("plain.zip"));
    EXPECT_TRUE(statePanel()->isHidden());
    EXPECT_TRUE(changesOn());
}

TEST_F(OtherFormatWindow, AnArchiveWithNoEntriesOpensEmptyAndTakesMembers)
{
    writeFile(path("empty.7z"), QByteArray::fromStdString(ziptest::empty7z()));
    open(path("empty.7z"));
    EXPECT_TRUE(messages().isEmpty()) << messages().join(u'\n').toStdString();
    EXPECT_EQ(engine().ZipFilename(), path("empty.7z").toStdString());
    EXPECT_TRUE(column(0).empty());
    EXPECT_TRUE(statePanel()->isHidden()) << statePanel()->text().toStdString();
    EXPECT_TRUE(changesOn());
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
        form().saveAsCommand();
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
    form().saveAsCommand();
    open(archive);
    writeFile(path("taken.zip"), "not mine");
    script->fileAnswers = {path("taken")};  // ".zip" added: the dialog never asked about taken.zip
    script->buttonAnswers = {1};            // Replace? No
    form().saveAsCommand();
    ASSERT_GE(messages().size(), 2);
    EXPECT_TRUE(messages()[0].endsWith("is the open archive; Save as writes another file."))
        << messages()[0].toStdString();
    EXPECT_EQ(messages()[1], path("taken.zip") + " exists. Replace it?");
    EXPECT_EQ(readBytes(path("taken.zip")), "not mine");
    EXPECT_EQ(engine().ZipFilename(), archive.toStdString());
    EXPECT_TRUE(leftovers().isEmpty());
}

// Save as copies the open archive entry for entry, a tar's or an
// encrypted ZIP archive's alike, and nothing of it reaches the disk: while it
// runs only the new archive (its temporary file, then itself) appears beside
// the target, and nothing in the temporary folder. Links stay links, members nobody may read
// keep their data, folders their times, and the new archive opens with its
// own password.
TEST_F(OtherFormatWindow, SavedAsZipEveryEntryIsCopiedAndNothingOfItReachesTheDisk)
{
    writeSources();
    QDir(root).mkdir(QStringLiteral("tmp"));
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", path("tmp").toLocal8Bit());
    struct Case {
        const char *source;
        const char *target;
        bool encrypt;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"links.tar", "from-tar.zip", false, {"d1/", "d1/next", "d2/", "d2/next", "nobody-reads", "write-only"}},
        {"locked.zip", "from-zip.zip", true, {"docs/", "docs/link", "docs/secret.txt"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.source);
        open(path(c.source));
        const QStringList before = namesIn(root);
        QStringList strays;
        auto reported = engine().OnProgress;
        engine().OnProgress = [&](TZipEngine &sender, ProgressType type, const std::string &name, int32_t size) {
            if (type == FileBegin) {
                for (const QString &found : namesIn(root))
                    // The reports come to the window after the worker wrote
                    // them: the new archive may be in place already.
                    if (!before.contains(found) && !found.startsWith(QStringLiteral(".zipeng-"))
                        && found != QString::fromLatin1(c.target))
                        strays << found;
                strays << namesIn(path("tmp"));
            }
            reported(sender, type, name, size);
        };
        script->fileAnswers.push_back(path(c.target));
        script->buttonAnswers.push_back(c.encrypt ? 0 : 1);  // Encrypt?
        if (c.encrypt)
            script->passwordAnswers = {{true, "target-pw"}, {true, "target-pw"}, {true, "source-pw"}};
        form().saveAsCommand();
        engine().OnProgress = reported;

        EXPECT_TRUE(strays.isEmpty()) << strays.join(' ').toStdString();
        EXPECT_EQ(engine().ZipFilename(), path(c.target).toStdString());
        ASSERT_FALSE(messages().isEmpty());
        EXPECT_EQ(messages().last(),
                  QStringLiteral("%1 files were saved in %2").arg(c.names.size()).arg(path(c.target)));
        const ziptest::ArchiveInfo info = ziptest::readArchive(path(c.target).toStdString());
        std::vector<std::string> names = info.names();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, c.names);
        for (const ziptest::ArchiveMember &m : info.members) {
            SCOPED_TRACE(m.name);
            const bool link = m.name.ends_with("next") || m.name.ends_with("link");
            EXPECT_EQ(S_ISLNK(m.externalAttributes >> 16), link);
            EXPECT_EQ(m.flags & 1, c.encrypt && !link && !m.name.ends_with('/') ? 1 : 0);
        }
        if (!c.encrypt) {
            EXPECT_EQ(info.find("nobody-reads")->externalAttributes >> 16, S_IFREG | 0000u);
            EXPECT_EQ(info.find("write-only")->unpackedSize, 10u);
            EXPECT_EQ(info.find("d2/")->unixTime, 1200000000);
        }
        TZipEngine reader;
        reader.setZipFilename(path(c.target).toStdString());
        reader.OnPassword = [](const std::string &, int, std::string &password) {
            password = "target-pw";
            return TZipEngine::PasswordAnswer::Given;
        };
        reader.Test();
        EXPECT_EQ(reader.LastResult, ziptest::filesAmong(c.names));
    }
    EXPECT_TRUE(namesIn(path("tmp")).isEmpty());
    qputenv("TMPDIR", savedTmp);
}

// Cancelled at the open archive's password, Save as leaves nothing and
// the open archive stays open.
TEST_F(OtherFormatWindow, ASaveAsZipCancelledMidwayLeavesNothing)
{
    writeSources();
    open(path("locked.zip"));
    const QStringList before = namesIn(root);
    script->fileAnswers = {path("never.zip")};
    script->buttonAnswers = {1};  // Encrypt? No; the password box is then cancelled
    form().saveAsCommand();
    EXPECT_EQ(namesIn(root), before);
    EXPECT_EQ(engine().ZipFilename(), path("locked.zip").toStdString());
    EXPECT_FALSE(messages().join('\n').contains(QStringLiteral("were saved"))) << messages().join('\n').toStdString();
}

// A 7z whose names are encrypted asks for its password on opening, again
// after a wrong one, through the window's password question.
TEST_F(OtherFormatWindow, ASevenZipWithEncryptedNamesAsksOnOpeningUntilThePasswordIsRight)
{
    if (!ziptest::haveProgram("7zz"))
        GTEST_SKIP() << "7zz (the 7zip package) reads these archives";
    ASSERT_EQ(ziptest::sh("7zz a -psecret -mhe=on ../names.7z a.txt dir >/dev/null", path("src").toStdString()), 0);
    script->passwordAnswers = {{true, "wrong"}, {true, "secret"}};
    open(path("names.7z"));
    EXPECT_EQ(column(0), (std::vector<QString>{"dir/", "a.txt", "dir/b.txt"}));
    const auto asked = std::count_if(script->shown.begin(), script->shown.end(), [](const auto &shown) {
        return shown.kind == platform::PromptRecord::Kind::Password;
    });
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(script->passwordAnswers.empty());
}
