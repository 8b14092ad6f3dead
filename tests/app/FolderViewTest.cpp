// The listing as folders and under a filter, driven with the keys and clicks
// a user has: where the view goes, and what each command then acts on.
#include "WindowFixture.h"
#include "app/DropAdd.h"
#include "controls/DirTree.h"
#include "dialogs/CommentForm.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/RadioGroup.h"
#include "engine/ArchiveSummary.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>
#include <map>

namespace {

class FolderView : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        const QStringList members{"README", "docs/api/index.html", "docs/api/types.html", "docs/guide.md",
                                  "src/main.cpp"};
        for (const QString &member : members)
            writeFile(path("src-tree/" + member), member.toUtf8());
        open(addWithEngine(path("tree.zip"), members, AddOpts{AddDirNames}, path("src-tree")));
        form().show();
        QApplication::setActiveWindow(&form());
        grid().setFocus();
    }

    void asFolders() { form().menuAction("foldersViewAction")->trigger(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(&grid(), key, modifiers); }
    // Goes to the row showing `name` and presses Enter.
    void enter(const QString &name)
    {
        const std::vector<QString> names = column(0);
        const auto at = std::find(names.begin(), names.end(), name);
        ASSERT_NE(at, names.end()) << name.toStdString();
        grid().GoToCell(0, int(at - names.begin()) + grid().FixedRows());
        key(Qt::Key_Return);
    }
    QLineEdit &pathLine() { return *form().findChild<QLineEdit *>("folderPathLine"); }
    QLineEdit &filterField() { return *form().findChild<QLineEdit *>("filterField"); }
    QString currentName() { return grid().Cells(0, grid().Row()); }
    QString treeCurrent() { return form().findChild<QTreeView *>("folderTree")->currentIndex().data().toString(); }
    std::vector<QString> names() { return column(0); }
    using Names = std::vector<QString>;
};

}  // namespace

TEST_F(FolderView, KeysWalkTheFoldersAndTheTreeMovesInStep)
{
    asFolders();
    EXPECT_EQ(names(), (Names{"docs", "src", "README"}));
    enter("docs");
    EXPECT_EQ(names(), (Names{"api", "guide.md"}));
    EXPECT_EQ(pathLine().text(), "/docs/");
    EXPECT_EQ(treeCurrent(), "docs");
    enter("api");
    EXPECT_EQ(names(), (Names{"index.html", "types.html"}));

    // Up lands on the folder it came out of, as in a file manager.
    key(Qt::Key_Backspace);
    EXPECT_EQ(pathLine().text(), "/docs/");
    EXPECT_EQ(currentName(), "api");
    key(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(pathLine().text(), "/docs/api/");
    key(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(pathLine().text(), "/docs/");
    key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(pathLine().text(), "/");

    pathLine().setText("src");
    QTest::keyClick(&pathLine(), Qt::Key_Return);
    EXPECT_EQ(names(), Names{"main.cpp"});
    EXPECT_EQ(treeCurrent(), "src");
    pathLine().setText("nowhere");
    QTest::keyClick(&pathLine(), Qt::Key_Return);
    EXPECT_EQ(pathLine().text(), "/src/");
    EXPECT_EQ(lastShown().text, "There is no folder nowhere in this archive.");

    // A folder chosen in the tree is the one the grid shows.
    auto *tree = form().findChild<QTreeView *>("folderTree");
    const QModelIndex top = tree->model()->index(0, 0);
    tree->setCurrentIndex(tree->model()->index(0, 0, top));
    EXPECT_EQ(pathLine().text(), "/docs/");

    // Folders stay above files whichever way the rows are sorted.
    key(Qt::Key_Backspace);
    TSortOptions descending;
    descending.Order = soDescending;
    grid().SortColumn(0, descending);
    EXPECT_EQ(names(), (Names{"src", "docs", "README"}));

    // The choice is kept for the next run.
    form().menuAction("flatViewAction")->trigger();
    EXPECT_EQ(names().size(), 5u);
    openWindows();
    EXPECT_TRUE(form().menuAction("flatViewAction")->isChecked());
}

TEST_F(FolderView, CommandsOnAFolderRowCoverEverythingUnderIt)
{
    asFolders();
    enter("docs");
    grid().setSelection(TGridRect{0, 1, 3, 1});  // api
    EXPECT_EQ(form().session().selectedNames(),
              (std::vector<std::string>{"docs/api/index.html", "docs/api/types.html"}));

    // Delete asks how many members go, and the view stays where it was.
    script->buttonAnswers.push_back(0);
    form().deleteMembersCommand();
    EXPECT_EQ(messages().filter("Delete 2 members (the selected folders").size(), 1)
        << messages().join("|").toStdString();
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"README", "docs/guide.md", "src/main.cpp"}));
    EXPECT_EQ(pathLine().text(), "/docs/");
    EXPECT_EQ(names(), Names{"guide.md"});

    // Edit on a folder is refused; Enter goes in instead of opening.
    key(Qt::Key_Backspace);
    grid().setSelection(TGridRect{0, 1, 3, 1});
    form().editMemberCommand();
    EXPECT_EQ(lastShown().text, "Error :No file selected");
}

TEST_F(FolderView, TheFilterHidesRowsAndNoCommandTouchesAHiddenOne)
{
    form().menuAction("filterAction")->trigger();
    EXPECT_TRUE(filterField().hasFocus());
    QTest::keyClicks(&filterField(), "HTML");
    EXPECT_EQ(names(), (Names{"docs/api/index.html", "docs/api/types.html"}));
    EXPECT_EQ(form().findChild<QLabel *>("shownCountPanel")->text(), "2 of 5 members shown");

    form().selectAllCommand();
    script->buttonAnswers.push_back(0);
    form().deleteMembersCommand();
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"README", "docs/guide.md", "src/main.cpp"}));
    EXPECT_TRUE(names().empty() || names() == Names{""});

    // Escape clears it; as folders it searches below the folder shown.
    QTest::keyClick(&filterField(), Qt::Key_Escape);
    EXPECT_EQ(names().size(), 3u);
    asFolders();
    enter("docs");
    form().filterCommand();
    QTest::keyClicks(&filterField(), "g*d");
    EXPECT_EQ(names(), Names{"guide.md"});
    QTest::keyClick(&filterField(), Qt::Key_Escape);
    EXPECT_EQ(names(), Names{"guide.md"});
    EXPECT_EQ(form().focusWidget(), &grid());
    EXPECT_FALSE(filterField().isVisibleTo(&form()));
}

TEST_F(FolderView, ARefillKeepsTheFolderAndTheChosenRows)
{
    asFolders();
    enter("docs");
    enter("api");
    grid().setSelection(TGridRect{0, 2, 3, 2});  // types.html
    // The Ratio column refills the rows from the members, as a re-read does.
    form().menuAction("ratioColumnAction")->trigger();
    EXPECT_EQ(pathLine().text(), "/docs/api/");
    EXPECT_EQ(form().session().selectedNames(), std::vector<std::string>{"docs/api/types.html"});
}

TEST_F(FolderView, ExtractingAndAddingInsideAFolderWorkFromThatFolder)
{
    asFolders();
    enter("docs");
    grid().setSelection(TGridRect{0, 1, 3, 1});  // api
    ASSERT_TRUE(QDir(root).mkpath("out"));
    TExtract &dialog = *windows->Extract;
    dialog.setVolumeSource([this] { return QList<platform::Volume>{{root + "/", "temp"}}; });
    QMetaObject::invokeMethod(
        &dialog,
        [&] {
            dialog.directoryTree->SelectPath(path("out"));
            dialog.intoFolderBox->setChecked(false);
            dialog.expandDirsGroup->setItemIndex(1);      // keep the folders
            dialog.filesToExtractGroup->setItemIndex(1);  // the selected rows
            dialog.okClicked();
        },
        Qt::QueuedConnection);
    form().extractSelectedCommand();
    // The folder's whole subtree, named as the view shows it.
    EXPECT_EQ(readBytes(path("out/api/index.html")), "docs/api/index.html");
    EXPECT_EQ(readBytes(path("out/api/types.html")), "docs/api/types.html");
    EXPECT_FALSE(QFileInfo::exists(path("out/docs")));

    // A file dropped while in docs/api/ is stored there.
    enter("api");
    writeFile(path("new.txt"), "new");
    drop_add::addDropped(form().session(), &form(), windows->AddForm.get(), {path("new.txt")}, [] {});
    const std::vector<std::string> stored = storedNames();
    EXPECT_NE(std::find(stored.begin(), stored.end(), "docs/api/new.txt"), stored.end());
    EXPECT_EQ(names(), (Names{"index.html", "types.html", "new.txt"}));
}

TEST_F(FolderView, TheArchiveCommentIsShownInItsCodePageAndWrittenBackAsEdited)
{
    // CP437 with doubled line ends, as a DOS tool and a text-mode copy wrote it;
    // nothing in the names to guess another code page from.
    engine().SetComment("Z\x81rich\r\r\nline two");
    const std::vector<std::string> members = storedNames();
    auto openComment = [this] {
        form().archiveCommentCommand();
        auto *comment = form().findChild<CommentForm *>();
        EXPECT_NE(comment, nullptr);
        return comment;
    };
    auto close = [](CommentForm *comment, const QString &text, bool ok) {
        comment->commentEdit->setPlainText(text);
        ok ? comment->accept() : comment->reject();
        // The write is queued after the window has closed.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    auto stored = [this] { return orvex::summarizeArchive(engine()).comment; };

    CommentForm *comment = openComment();
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->text(), QString::fromUtf8("Z\u00fcrich\nline two"));
    EXPECT_FALSE(comment->commentEdit->isReadOnly());
    // Cancel, and OK on the text as shown, write nothing.
    close(comment, "changed", false);
    close(openComment(), QString::fromUtf8("Z\u00fcrich\nline two"), true);
    EXPECT_EQ(stored(), "Z\x81rich\r\r\nline two");

    // Too long for a ZIP: refused inside the window, the typing kept.
    comment = openComment();
    comment->commentEdit->setPlainText(QString(70000, u'x'));
    comment->accept();
    EXPECT_TRUE(comment->isVisible());
    EXPECT_TRUE(lastShown().text.startsWith("The comment takes 70,000 bytes"));
    EXPECT_EQ(comment->text().size(), 70000);

    // Written as UTF-8, keeping the DOS line ends it had, the members untouched.
    close(comment, QString::fromUtf8("Z\u00fcrich\nline three"), true);
    EXPECT_EQ(stored(), "Z\xc3\xbcrich\r\nline three");
    EXPECT_EQ(storedNames(), members);
    EXPECT_EQ(form().findChild<CommentForm *>(), nullptr);
}

TEST_F(FolderView, AMembersOwnCommentIsItsRowsTooltip)
{
    ziptest::Member plain = ziptest::stored("plain.txt", "a"), noted = ziptest::stored("noted.txt", "b"),
                    dos = ziptest::stored("dos.txt", "c");
    noted.comment = "checked by Ann";
    dos.comment = "\x81"
                  "ber";
    open(writeArchive("noted.zip", ziptest::buildZip({plain, noted, dos})));
    const std::vector<QString> shown = names();
    std::map<QString, QString> hints;
    for (size_t i = 0; i < shown.size(); ++i)
        hints[shown[i]] = grid().RowHint(&grid(), int(i) + grid().FixedRows());
    EXPECT_EQ(hints,
              (std::map<QString, QString>{
                  {"plain.txt", ""}, {"noted.txt", "checked by Ann"}, {"dos.txt", QString::fromUtf8("\u00fcber")}}));
}
