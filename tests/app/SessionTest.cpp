// The session the main window's commands act on, without a window: which
// archive is current and what it is called, and which members a listing's
// selection stands for.
#include "WindowFixture.h"
#include "app/Session.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "QStringPrinter.h"

namespace {

struct FakeListing : ListingSelection {
    std::vector<ListedRow> rows;
    int rowCount() const override { return int(rows.size()) + 1; }
    std::vector<ListedRow> selectedRows() const override { return rows; }
    QString topSelectedText() const override { return rows.empty() ? QString() : rows.front().text; }
};

class Session : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // An archive of `members` (paths under the folder, folders kept), made by the engine.
    QString makeArchive(const QStringList &members)
    {
        for (const QString &member : members)
            writeFile(dir.filePath("src/" + member), {});
        return addWithEngine(dir.filePath("a.zip"), members, AddOpts{AddDirNames}, dir.filePath("src"));
    }

    // The index of the member stored as `name`.
    int indexOf(const ArchiveSession &session, const std::string &name)
    {
        for (int i = 0; i < session.engine.EntryCount(); ++i)
            if (session.engine.Entries(i).FileName == name)
                return i;
        ADD_FAILURE() << name;
        return -1;
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(Session, TheCaptionSaysWhetherAnArchiveWasEverCurrentOrWasDeleted)
{
    const QString archive = makeArchive({"a.txt"});
    ArchiveSession session;
    int told = 0;
    session.OnArchiveChanged = [&] { ++told; };
    EXPECT_EQ(session.archiveCaption(), "None");

    session.openArchive(archive);
    EXPECT_EQ(session.archivePath(), archive);
    EXPECT_EQ(session.archiveCaption(), archive);
    EXPECT_EQ(session.engine.EntryCount(), 1);

    session.forgetDeletedArchive();
    EXPECT_FALSE(session.hasArchive());
    EXPECT_EQ(session.archivePath(), "");
    EXPECT_EQ(session.archiveCaption(), "<none>");
    EXPECT_EQ(session.engine.EntryCount(), 0);
    EXPECT_EQ(told, 2);

    // A new archive that does not exist yet is current all the same.
    session.openArchive(dir.filePath("new.zip"));
    EXPECT_EQ(session.archiveCaption(), dir.filePath("new.zip"));
}

TEST_F(Session, TheSelectionNamesTheStoredMembersAndAFolderRowAllUnderIt)
{
    ArchiveSession session;
    session.openArchive(makeArchive({"top.txt", "docs/a.txt", "docs/sub/b.txt", "line\nbreak.txt"}));
    FakeListing listing;
    EXPECT_TRUE(session.selectedNames().empty());  // no listing yet
    session.setListing(&listing);
    const int top = indexOf(session, "top.txt");
    const int broken = indexOf(session, "line\nbreak.txt");
    using Names = std::vector<std::string>;
    const struct {
        const char *what;
        std::vector<ListedRow> rows;
        Names expected;
    } cases[] = {
        {"a member's row", {{"top.txt", top}}, {"top.txt"}},
        {"the stored bytes, not the shown name", {{"line?break.txt", broken}}, {"line\nbreak.txt"}},
        {"a row no longer matching its member", {{"gone.txt", top}}, {"gone.txt"}},
        {"a folder row", {{"docs/", -1}}, {"docs/", "docs/a.txt", "docs/sub/b.txt"}},
        {"each member once",
         {{"docs/a.txt", -1}, {"docs/", -1}, {"top.txt", top}},
         {"docs/a.txt", "docs/", "top.txt", "docs/sub/b.txt"}},
        {"nothing selected", {}, {}},
    };
    for (const auto &c : cases) {
        listing.rows = c.rows;
        EXPECT_EQ(session.selectedNames(), c.expected) << c.what;
    }
}
