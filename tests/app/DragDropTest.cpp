// Files dropped on the main window, members dragged out of the grid and the
// "Open with default application" command, headless, with scripted prompts
// and the real engine libraries. Drops and drags are driven with QMimeData;
// no real drag is run.
#include "WindowFixture.h"
#include "app/DragOut.h"
#include "app/DropAdd.h"
#include "app/OperationFrame.h"
#include "dialogs/AddForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QSlider>
#include <QTest>
#include <QUrl>
#include <set>

namespace {

// A stored member written as the engine would not: `badCrc` gives it a CRC
// its data does not have.
ziptest::Member rawMember(const QString &name, const QByteArray &data, bool badCrc = false)
{
    ziptest::Member m = dosMember(name, data);
    if (badCrc)
        m.crc = ziptest::crc32Of(data.toStdString()) ^ 1u;
    return m;
}

std::unique_ptr<QMimeData> mimeWithUrls(const QList<QUrl> &urls)
{
    auto mime = std::make_unique<QMimeData>();
    mime->setUrls(urls);
    return mime;
}

class DragDrop : public WindowTest {
public:
    // For the table of ways to open a member.
    using WindowTest::form;
    using WindowTest::grid;

    void SetUp() override
    {
        WindowTest::SetUp();
        // Compressible, so that a stored member is told from a deflated one.
        writeFile(path("x/a.txt"), QByteArray(5000, 'a'));
        writeFile(path("x/dir/b.txt"), "bee");
        writeFile(path("x/dir/sub/c.txt"), "sea");
        writeFile(path("y/d.txt"), "dee");
    }

    QUrl local(const QString &relative) { return QUrl::fromLocalFile(path(relative)); }

    // Names a new, empty archive through New archive.
    QString newArchive()
    {
        const QString archive = WindowTest::newArchive();
        script->shown.clear();
        return archive;
    }

    QString openRaw(const std::vector<ziptest::Member> &members)
    {
        const QString archive = writeArchive("raw.zip", ziptest::buildZip(members));
        open(archive);
        script->shown.clear();
        return archive;
    }

    // Sends a drop of `urls` to the window the way a file manager's drop
    // arrives, then lets the queued add run. True when the drop was taken.
    bool drop(const QList<QUrl> &urls)
    {
        const auto mime = mimeWithUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(&form(), &enter);
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        event.setAccepted(false);
        QApplication::sendEvent(&form(), &event);
        EXPECT_EQ(enter.isAccepted(), event.isAccepted());
        QCoreApplication::processEvents();
        return event.isAccepted();
    }

    std::set<std::string> storedSet()
    {
        const std::vector<std::string> names = storedNames();
        return {names.begin(), names.end()};
    }

    std::set<QString> gridNames()
    {
        const std::vector<QString> names = column(0);
        return {names.begin(), names.end()};
    }

    int rowOf(const QString &name)
    {
        for (int row = 1; row < grid().RowCount(); ++row)
            if (grid().Cells(0, row) == name)
                return row;
        ADD_FAILURE() << "no row " << name.toStdString();
        return 1;
    }

    void selectNamed(const QStringList &names)
    {
        for (const QString &name : names)
            grid().selectionModel()->select(grid().model()->index(rowOf(name) - 1, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

// ---- Drops ----

TEST_F(DragDrop, DroppedItemsAreStoredRelativeToTheirOwnFolder)
{
    const struct {
        const char *what;
        QStringList dropped;  // below the temporary directory; "http:" ones are not local
        std::set<std::string> stored;
    } cases[] = {
        {"a file and a folder", {"x/a.txt", "x/dir"}, {"a.txt", "dir/", "dir/b.txt", "dir/sub/", "dir/sub/c.txt"}},
        {"a folder below another", {"x/dir/sub"}, {"sub/", "sub/c.txt"}},
        {"files of two folders", {"x/a.txt", "y/d.txt"}, {"a.txt", "d.txt"}},
        {"a web address beside a file", {"http:", "y/d.txt"}, {"d.txt"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QString archive = newArchive();
        QList<QUrl> urls;
        for (const QString &d : c.dropped)
            urls << (d == "http:" ? QUrl("http://example.com/e.txt") : local(d));
        EXPECT_TRUE(drop(urls));
        EXPECT_EQ(storedSet(), c.stored);
        std::set<QString> shown;
        for (const std::string &name : c.stored)
            shown.insert(QString::fromStdString(name));
        EXPECT_EQ(gridNames(), shown);
        // The add's own count box ends it.
        ASSERT_FALSE(messages().isEmpty());
        // Files only: the folders stored are not counted.
        const auto files = std::count_if(c.stored.begin(), c.stored.end(),
                                         [](const std::string &name) { return !name.ends_with('/'); });
        EXPECT_EQ(messages().back(), QString::number(files) + " files were added");
        QFile::remove(archive);
    }
    // Nothing dropped was moved away.
    EXPECT_TRUE(QFile::exists(root + "/x/dir/sub/c.txt"));
}

TEST_F(DragDrop, RefusedDropsChangeNothing)
{
    const QString archive = newArchive();
    ASSERT_TRUE(drop({local("y/d.txt")}));
    const QByteArray before = readBytes(archive);
    ASSERT_FALSE(before.isEmpty());
    script->shown.clear();

    EXPECT_FALSE(drop({QUrl("http://example.com/e.txt"), QUrl("ftp://example.com/f.txt")}));
    EXPECT_FALSE(drop({}));
    // A NUL would end the name at "d.txt" for the system.
    EXPECT_FALSE(drop({QUrl::fromEncoded(QUrl::fromLocalFile(path("y/d.txt")).toEncoded() + "%00.exe")}));
    {
        OperationFrame::Running running(form().session().operationFrame());
        EXPECT_FALSE(drop({local("x/a.txt")}));
    }
    EXPECT_EQ(readBytes(archive), before);
    EXPECT_TRUE(script->shown.empty());
    // The grid's own members coming back: they would be added from the staging folder.
    const auto mime = mimeWithUrls({local("x/a.txt")});
    EXPECT_FALSE(drop_add::accepts(form().session(), &form(), mime.get(), grid().viewport()));
    EXPECT_TRUE(drop_add::accepts(form().session(), &form(), mime.get(), nullptr));
}

TEST_F(DragDrop, WithoutAnArchiveTheDropAsksForANewOne)
{
    const struct {
        const char *what;
        int answer;          // to "create one?"; 0 is yes
        QString fileAnswer;  // New's file dialog; empty cancels it
        bool created;
    } cases[] = {
        {"declined", 1, {}, false},
        {"box closed", -1, {}, false},
        {"dialog cancelled", 0, {}, false},
        {"named", 0, "new.zip", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        script->shown.clear();
        script->buttonAnswers = {c.answer};
        script->fileAnswers.clear();
        if (!c.fileAnswer.isEmpty())
            script->fileAnswers.push_back(root + "/" + c.fileAnswer);
        ASSERT_TRUE(engine().ZipFilename().empty());
        EXPECT_TRUE(drop({local("x/a.txt")}));
        ASSERT_FALSE(script->shown.empty());
        EXPECT_EQ(script->shown[0].kind, platform::PromptRecord::Kind::MessageBox);
        EXPECT_EQ(script->shown[0].buttons, QStringList({"&Yes", "&No"}));
        const bool dialogShown = script->shown.size() > 1
                                 && script->shown[1].kind == platform::PromptRecord::Kind::OpenFile;
        EXPECT_EQ(dialogShown, c.answer == 0);
        if (dialogShown) {
            EXPECT_EQ(script->shown[1].caption, "Create New ZIP File");
        }
        EXPECT_EQ(QDir(root).entryList({"*.zip"}).size(), c.created ? 1 : 0);
        if (c.created) {
            EXPECT_EQ(storedSet(), std::set<std::string>{"a.txt"});
        }
    }
}

TEST_F(DragDrop, ADropUsesTheAddDialogsLevelButNeverMovesTheFiles)
{
    TAddForm &dialog = *windows->AddForm;
    for (int level : {0, 9}) {
        SCOPED_TRACE(level);
        const QString archive = newArchive();
        dialog.levelSlider->setValue(level);
        dialog.moveBox->setChecked(true);
        ASSERT_TRUE(drop({local("x/a.txt")}));
        ASSERT_EQ(engine().EntryCount(), 1);
        const ArchiveEntry &entry = engine().Entries(0);
        if (level == 0) {
            EXPECT_EQ(entry.TruePackedSize, entry.TrueUnpackedSize);
        } else {
            EXPECT_LT(entry.TruePackedSize, entry.TrueUnpackedSize / 10);
        }
        EXPECT_TRUE(QFile::exists(root + "/x/a.txt"));
        QFile::remove(archive);
    }
}

// The dialog's boxes are left as they were for a ZIP archive: a drop on a
// tar archive leaves out what a tar cannot keep.
TEST_F(DragDrop, ADropOnATarLeavesOutTheBoxesATarCannotKeep)
{
    TAddForm &dialog = *windows->AddForm;
    dialog.forceDosBox->setChecked(true);
    dialog.timestampBox->setChecked(true);
    const QString archive = WindowTest::newArchive(QStringLiteral("dropped.tar.gz"));
    ASSERT_TRUE(drop({local("x/a.txt")}));
    EXPECT_EQ(engine().AddOptions, (AddOpts{AddDirNames, AddRecurseDirs, AddZipTime}));
    EXPECT_EQ(storedSet(), std::set<std::string>{"a.txt"});
    EXPECT_TRUE(readBytes(archive).startsWith("\x1f\x8b"));  // gzip
}

// ---- Drags out of the grid ----

TEST_F(DragDrop, ADragOffersTheSelectedMembersTopLevelPaths)
{
    newArchive();
    ASSERT_TRUE(drop({local("x/a.txt"), local("x/dir")}));
    script->shown.clear();
    const struct {
        const char *what;
        QStringList rows;
        QStringList offered;  // relative to the staging folder
        std::vector<std::pair<QString, QByteArray>> files;
    } cases[] = {
        {"one file", {"a.txt"}, {"a.txt"}, {{"a.txt", QByteArray(5000, 'a')}}},
        {"a file deep in a folder", {"dir/sub/c.txt"}, {"dir"}, {{"dir/sub/c.txt", "sea"}}},
        {"a folder row", {"dir/sub/"}, {"dir"}, {{"dir/sub/c.txt", "sea"}}},
        {"a file and a folder", {"a.txt", "dir/"}, {"a.txt", "dir"}, {{"dir/b.txt", "bee"}, {"dir/sub/c.txt", "sea"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        grid().clearSelection();
        selectNamed(c.rows);
        const std::unique_ptr<QMimeData> mime = form().dragOut().prepareMimeData();
        ASSERT_NE(mime, nullptr);
        const QString staging = form().dragOut().stagingFolders().back();
        EXPECT_TRUE(staging.startsWith(workDir + "run-")) << staging.toStdString();
        QStringList offered;
        for (const QUrl &url : mime->urls()) {
            ASSERT_TRUE(url.isLocalFile());
            ASSERT_TRUE(url.toLocalFile().startsWith(staging));
            offered << url.toLocalFile().mid(staging.size());
        }
        EXPECT_EQ(offered, c.offered);
        for (const auto &[name, bytes] : c.files) {
            EXPECT_EQ(readBytes(staging + name), bytes) << name.toStdString();
            EXPECT_EQ(QFile::permissions(staging + name), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                              | QFileDevice::ReadUser | QFileDevice::WriteUser);
        }
        EXPECT_TRUE(script->shown.empty());
    }
    // Each drag has a folder of its own; earlier ones stay until the window
    // goes (a drop target may still be copying from them).
    const QStringList folders = form().dragOut().stagingFolders();
    EXPECT_EQ(int(std::set<QString>(folders.begin(), folders.end()).size()), int(std::size(cases)));
    for (const QString &folder : folders)
        EXPECT_TRUE(QFileInfo(folder).isDir());
    windows.reset();
    for (const QString &folder : folders)
        EXPECT_FALSE(QFileInfo::exists(folder)) << folder.toStdString();
}

TEST_F(DragDrop, MembersTheExtractionRefusesAreNotOffered)
{
    openRaw({rawMember("good.txt", "fine"), rawMember("bad.txt", "broken", true), rawMember("../evil.txt", "out"),
             rawMember("f/bad2.txt", "x", true)});
    const struct {
        const char *what;
        QStringList rows;
        QStringList offered;
    } cases[] = {
        {"all of them", {"good.txt", "bad.txt", "../evil.txt", "f/bad2.txt"}, {"good.txt"}},
        {"only refused ones", {"bad.txt", "../evil.txt", "f/bad2.txt"}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        grid().clearSelection();
        selectNamed(c.rows);
        const std::unique_ptr<QMimeData> mime = form().dragOut().prepareMimeData();
        QStringList offered;
        if (mime)
            for (const QUrl &url : mime->urls())
                offered << QFileInfo(url.toLocalFile()).fileName();
        EXPECT_EQ(offered, c.offered);
        EXPECT_EQ(mime == nullptr, c.offered.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(workDir + "evil.txt"));
        EXPECT_FALSE(QFileInfo::exists(cache.path() + "/orvex97/evil.txt"));
    }
    // A drag with nothing to offer leaves no folder behind.
    ASSERT_EQ(form().dragOut().stagingFolders().size(), 1);
    EXPECT_EQ(copiesLeft(), QStringList{form().dragOut().stagingFolders()[0].mid(workDir.size()) + "good.txt"});
}

TEST_F(DragDrop, ADragStartsOnlyFromASelectedRow)
{
    newArchive();
    ASSERT_TRUE(drop({local("x/a.txt"), local("x/dir")}));
    form().show();
    QCoreApplication::processEvents();
    int drags = 0;
    grid().OnStartDrag = [&](TSortableGrid *) { ++drags; };
    QWidget *viewport = grid().viewport();
    const int distance = QApplication::startDragDistance();
    // Data rows 1..5; rows 1 and 2 selected before each case.
    const struct {
        const char *what;
        int pressRow;
        int moveBy;  // vertical move, in rows, after the press; 0 releases in place
        int drags;
        std::set<int> selected;  // grid rows afterwards
    } cases[] = {
        {"from a selected row", 2, 2, 1, {1, 2}},
        {"from an unselected row: a range", 4, -1, 0, {3, 4}},
        {"a click on a selected row", 1, 0, 0, {1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        drags = 0;
        grid().setSelection(TGridRect{0, 1, 3, 2});
        const QPoint start = grid().CellRect(0, c.pressRow).center();
        const QPoint end = c.moveBy ? grid().CellRect(0, c.pressRow + c.moveBy).center() : start;
        ASSERT_TRUE(c.moveBy == 0 || (end - start).manhattanLength() >= distance);
        QTest::mousePress(viewport, Qt::LeftButton, {}, start);
        if (c.moveBy) {
            QMouseEvent move(QEvent::MouseMove, QPointF(end), viewport->mapToGlobal(QPointF(end)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &move);
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
        EXPECT_EQ(drags, c.drags);
        std::set<int> selected;
        for (const QModelIndex &index : grid().selectionModel()->selectedRows())
            selected.insert(index.row() + 1);
        EXPECT_EQ(selected, c.selected);
    }
}

// ---- Open with default application ----

TEST_F(DragDrop, OpenHandsTheWorkingCopyToTheDesktop)
{
    newArchive();
    ASSERT_TRUE(drop({local("x/a.txt"), local("x/dir")}));
    form().show();
    QCoreApplication::processEvents();
    script->shown.clear();
    const struct {
        const char *what;
        const char *row;
        std::function<void(DragDrop &, int row)> how;
        QString opened;  // relative to the working directory; empty: none
        QByteArray bytes;
    } cases[] = {
        {"menu", "dir/sub/c.txt",
         [](DragDrop &t, int) {
             QAction *open = t.form().menuAction("openWithDefaultAction");
             ASSERT_NE(open, nullptr);
             EXPECT_EQ(open->parent()->objectName(), "actionsMenu");
             open->trigger();
         },
         "dir/sub/c.txt", "sea"},
        {"Enter", "dir/b.txt", [](DragDrop &t, int) { QTest::keyClick(&t.grid(), Qt::Key_Return); }, "dir/b.txt",
         "bee"},
        {"double-click", "a.txt",
         [](DragDrop &t, int row) {
             // As the window system delivers it: the second press comes before the double-click.
             QWidget *viewport = t.grid().viewport();
             const QPoint at = t.grid().CellRect(0, row).center();
             QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
             QTest::mousePress(viewport, Qt::LeftButton, {}, at);
             QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
             QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
         },
         "a.txt", QByteArray(5000, 'a')},
        {"a folder row", "dir/", [](DragDrop &t, int) { t.form().openWithDefaultCommand(); }, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        script->openedWithDefaultApplication.clear();
        script->shown.clear();
        const int row = rowOf(c.row);
        grid().setSelection(TGridRect{0, row, 3, row});
        c.how(*this, row);
        if (c.opened.isEmpty()) {
            EXPECT_TRUE(script->openedWithDefaultApplication.empty());
            EXPECT_EQ(messages(), QStringList{"Error :No file selected"});
            continue;
        }
        ASSERT_EQ(script->openedWithDefaultApplication.size(), 1u);
        const QString opened = script->openedWithDefaultApplication[0];
        EXPECT_TRUE(opened.startsWith(workDir) && opened.endsWith("/" + c.opened)) << opened.toStdString();
        EXPECT_EQ(readBytes(opened), c.bytes);
        EXPECT_TRUE(messages().isEmpty()) << messages().join('|').toStdString();
    }
}

TEST_F(DragDrop, AMemberThatFailsItsCheckIsNotOpened)
{
    openRaw({rawMember("bad.txt", "broken", true)});
    grid().setSelection(TGridRect{0, 1, 3, 1});
    form().openWithDefaultCommand();
    EXPECT_TRUE(script->openedWithDefaultApplication.empty());
    EXPECT_EQ(copiesLeft(), QStringList{});
}

TEST_F(DragDrop, AFileTheDesktopCannotOpenIsReported)
{
    openRaw({rawMember("notes.xyz", "text")});
    script->desktopHasAnApplication = false;
    grid().setSelection(TGridRect{0, 1, 3, 1});
    form().openWithDefaultCommand();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].startsWith("No application is set up to open " + workDir));
    EXPECT_TRUE(messages()[0].endsWith("/notes.xyz"));
    EXPECT_EQ(copiesLeft(), QStringList{});  // nobody reads it
}

TEST_F(DragDrop, OpenNeverHandsOverWhatTheDesktopCouldRun)
{
    auto member = [](const char *name, const QByteArray &data, uint32_t mode = 0100644) {
        ziptest::Member m = ziptest::stored(name, data.toStdString());
        m.externalAttributes = mode << 16;
        return m;
    };
    const QByteArray launcher = "[Desktop Entry]\nType=Application\nExec=sh -c 'touch /tmp/owned'\n";
    const QByteArray pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    const struct {
        const char *name;
        ziptest::Member member;
        const char *refused;  // the start of the warning; null: opened
    } cases[] = {
        {"a launcher named as a document", member("invoice.pdf.desktop", launcher, 0100755),
         "\"invoice.pdf.desktop\" is a desktop launcher"},
        {"a launcher by its content alone", member("invoice", launcher), "\"invoice\" is a desktop launcher"},
        {"a script", member("install.sh", "#!/bin/sh\necho hi\n", 0100755), "\"install.sh\" is a script"},
        {"a script by its name", member("setup.py", "print('hi')\n"), "\"setup.py\" is a script"},
        {"a program",
         member("tool",
                QByteArray("\x7F"
                           "ELF\x02\x01\x01\0",
                           8),
                0100755),
         "\"tool\" is a program"},
        {"a Windows program", member("setup.exe", "MZ\x90\0"), "\"setup.exe\" is a program"},
        {"a link", ziptest::linkEntry("notes.txt", "other.txt"), "\"notes.txt\" is a link"},
        {"an executable document", member("report.pdf", pdf, 0100755), nullptr},
        {"text", member("readme.txt", "hello\n"), nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        openRaw({c.member});
        script->openedWithDefaultApplication.clear();
        grid().setSelection(TGridRect{0, 1, 3, 1});
        form().openWithDefaultCommand();
        if (c.refused) {
            EXPECT_TRUE(script->openedWithDefaultApplication.empty());
            ASSERT_EQ(messages().size(), 1);
            EXPECT_TRUE(messages()[0].startsWith(QString::fromUtf8(c.refused))) << messages()[0].toStdString();
            EXPECT_EQ(copiesLeft(), QStringList{});
            continue;
        }
        ASSERT_EQ(script->openedWithDefaultApplication.size(), 1u) << messages().join('|').toStdString();
        // The copy handed over is the user's alone and never executable.
        EXPECT_EQ(QFile::permissions(script->openedWithDefaultApplication[0]),
                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
    }
}

}  // namespace
