// The listing grid as the user meets it in the main window: rows chosen the
// desktop's way and acted on exactly, a grid that fits the window and keeps
// its columns and chosen order, and colours that follow the desktop's palette.
#include "WindowFixture.h"
#include "dialogs/AddForm.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>

namespace {

class ListingGrid : public WindowTest {
protected:
    // An archive made by the engine, its members in this order.
    QString makeArchive(const QStringList &members)
    {
        for (const QString &member : members)
            writeFile(path(member), QByteArray(100, 'x'));
        return addWithEngine(path("listing.zip"), members, {}, root);
    }

    void showWindow()
    {
        form().show();
        QApplication::setActiveWindow(&form());
        grid().setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(grid().hasFocus());
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(&grid(), key, modifiers); }

    void click(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, modifiers, grid().CellRect(0, row).center());
    }

    std::vector<int> chosenRows()
    {
        std::vector<int> rows;
        for (const QModelIndex &index : grid().selectionModel()->selectedRows())
            rows.push_back(index.row() + grid().FixedRows());
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    // Every column's width together, and what the view has to show them in.
    int columnsWidth() { return grid().horizontalHeader()->length(); }
    int viewWidth() { return grid().viewport()->width(); }
};

// m1.txt to m8.txt: grid row r lists member mr.txt.
QStringList eightMembers()
{
    QStringList names;
    for (int i = 1; i <= 8; ++i)
        names << QStringLiteral("m%1.txt").arg(i);
    return names;
}

}  // namespace

TEST_F(ListingGrid, RowsAreChosenTheDesktopsWayAndCommandsTakeExactlyThose)
{
    open(makeArchive(eightMembers()));
    showWindow();
    const struct {
        const char *what;
        std::function<void()> act;
        std::vector<int> chosen;
        int current;
    } steps[] = {
        {"click", [&] { click(3); }, {3}, 3},
        {"Ctrl+click adds one row", [&] { click(6, Qt::ControlModifier); }, {3, 6}, 6},
        {"Ctrl+click takes one away", [&] { click(3, Qt::ControlModifier); }, {6}, 3},
        {"click chooses one again", [&] { click(2); }, {2}, 2},
        {"Shift+click extends from it", [&] { click(4, Qt::ShiftModifier); }, {2, 3, 4}, 4},
        {"Shift+Down extends", [&] { QTest::keyClick(&grid(), Qt::Key_Down, Qt::ShiftModifier); }, {2, 3, 4, 5}, 5},
        {"Ctrl+Down moves alone",
         [&] { QTest::keyClick(&grid(), Qt::Key_Down, Qt::ControlModifier); },
         {2, 3, 4, 5},
         6},
        {"Ctrl+click adds a row apart", [&] { click(8, Qt::ControlModifier); }, {2, 3, 4, 5, 8}, 8},
        {"Home goes to the first row", [&] { key(Qt::Key_Home); }, {1}, 1},
        {"Shift+End extends to the last", [&] { key(Qt::Key_End, Qt::ShiftModifier); }, {1, 2, 3, 4, 5, 6, 7, 8}, 8},
        {"Ctrl+Home moves alone", [&] { key(Qt::Key_Home, Qt::ControlModifier); }, {1, 2, 3, 4, 5, 6, 7, 8}, 1},
        {"End goes to the last row", [&] { key(Qt::Key_End); }, {8}, 8},
        {"Ctrl+Shift+A chooses every row",
         [&] { key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier); },
         {1, 2, 3, 4, 5, 6, 7, 8},
         8},
        {"a click chooses one", [&] { click(2); }, {2}, 2},
        {"Ctrl+I inverts the choice", [&] { key(Qt::Key_I, Qt::ControlModifier); }, {1, 3, 4, 5, 6, 7, 8}, 2},
        {"and back", [&] { key(Qt::Key_I, Qt::ControlModifier); }, {2}, 2},
        {"Ctrl+click adds rows", [&] { click(5, Qt::ControlModifier); }, {2, 5}, 5},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(chosenRows(), step.chosen);
        EXPECT_EQ(grid().Row(), step.current);
        std::vector<std::string> names;
        for (const int row : step.chosen)
            names.push_back("m" + std::to_string(row) + ".txt");
        EXPECT_EQ(form().session().selectedNames(), names);
    }

    // Ctrl+A is Actions > Add, not the grid's choice of every row.
    bool addDialogShown = false;
    QMetaObject::invokeMethod(
        windows->AddForm.get(),
        [&] {
            addDialogShown = windows->AddForm->isVisible();
            windows->AddForm->cancelButton->click();
        },
        Qt::QueuedConnection);
    QTest::keyClick(&grid(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(addDialogShown);
    EXPECT_EQ(chosenRows(), (std::vector<int>{2, 5}));

    // The Delete key is Actions > Delete, question first.
    showWindow();  // the add dialog was the active window
    script->buttonAnswers.push_back(0);
    key(Qt::Key_Delete);
    EXPECT_TRUE(script->messageTexts().contains("Delete selected files from: " + form().session().archivePath()
                                                + "?\n2 members are selected."))
        << script->messageTexts().join('|').toStdString();
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"m1.txt", "m3.txt", "m4.txt", "m6.txt", "m7.txt", "m8.txt"}));
}

TEST_F(ListingGrid, TheBlankRowOfAnEmptyListingIsNotChosen)
{
    const QString archive = makeArchive({"a.txt", "b.txt"});
    for (const bool afterNew : {false, true}) {
        SCOPED_TRACE(afterNew ? "after a new archive" : "at the start");
        openWindows();
        if (afterNew) {
            open(archive);
            newArchive();
        }
        EXPECT_EQ(grid().RowCount(), 2);
        EXPECT_FALSE(grid().selectionModel()->hasSelection());
        EXPECT_TRUE(form().session().selectedNames().empty());
    }
}

TEST_F(ListingGrid, TheNameColumnTakesTheSpareWidthAndColumnsStillResizeByDragging)
{
    open(makeArchive(eightMembers()));
    const int name = grid().ColWidths(0);  // before any window size gave it more
    showWindow();
    form().resize(800, form().height());
    QApplication::processEvents();
    EXPECT_EQ(columnsWidth(), viewWidth());
    EXPECT_GT(grid().ColWidths(0), name);

    // A drag on the border between the second and third titles.
    QWidget *titles = grid().horizontalHeader()->viewport();
    const int size = grid().ColWidths(1);
    const QPoint border(grid().CellRect(1, 0).right() + 1, grid().CellRect(1, 0).center().y());
    QTest::mousePress(titles, Qt::LeftButton, {}, border);
    QTest::mouseMove(titles, border + QPoint(30, 0));
    QTest::mouseRelease(titles, Qt::LeftButton, {}, border + QPoint(30, 0));
    EXPECT_EQ(grid().ColWidths(1), size + 30);

    form().resize(850, form().height());
    QApplication::processEvents();
    EXPECT_EQ(columnsWidth(), viewWidth());
    // Too narrow a window scrolls instead of squeezing the names.
    form().resize(300, form().height());
    QApplication::processEvents();
    EXPECT_EQ(grid().ColWidths(0), name);
}

TEST_F(ListingGrid, TheChosenOrderOutlivesRefillsAndTheRunWithTheColumnWidths)
{
    const QString archive = makeArchive({"d.txt", "b.txt", "e.txt", "a.txt", "c.txt"});
    {
        openWindows();
        open(archive);
        EXPECT_EQ(column(0), (std::vector<QString>{"d.txt", "b.txt", "e.txt", "a.txt", "c.txt"}));
        showWindow();
        QTest::mouseClick(grid().horizontalHeader()->viewport(), Qt::RightButton, {}, grid().CellRect(0, 0).center());
        ASSERT_EQ(column(0), (std::vector<QString>{"e.txt", "d.txt", "c.txt", "b.txt", "a.txt"}));
        grid().setColWidths(2, 61);
        selectRows(3, 3);
        script->buttonAnswers.push_back(0);
        form().deleteMembersCommand();
        EXPECT_EQ(column(0), (std::vector<QString>{"e.txt", "d.txt", "b.txt", "a.txt"}));
        EXPECT_EQ(grid().Row(), 1);
        form().close();
    }
    openWindows();
    EXPECT_EQ(grid().ColWidths(2), 61);
    open(archive);
    EXPECT_EQ(column(0), (std::vector<QString>{"e.txt", "d.txt", "b.txt", "a.txt"}));
}

TEST_F(ListingGrid, CellTextStandsOutFromItsRowUnderLightAndDarkPalettes)
{
    // A dark desktop's: light text on dark grey.
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    struct Restore {
        QPalette palette;
        ~Restore() { QApplication::setPalette(palette); }
    } restore{QApplication::palette()};

    const QString archive = makeArchive({"a.txt", "b.txt"});
    const struct {
        const char *what;
        QPalette palette;
    } cases[] = {{"light", QApplication::style()->standardPalette()}, {"dark", dark}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QApplication::setPalette(c.palette);
        openWindows({archive});
        form().applyCommandLineArchive();
        // What each cell is painted with: its text and fill, plain and chosen.
        std::map<bool, std::pair<QColor, QColor>> painted;
        grid().OnGetCellFormat = [&](TSortableGrid *, int, int, TGridDrawState state, TFormatOptions &format) {
            painted[bool(state & gdSelected)] = {format.FontColor, format.Brush.color()};
        };
        form().show();
        QApplication::processEvents();
        grid().grab();
        grid().OnGetCellFormat = nullptr;
        ASSERT_EQ(painted.size(), 2u);
        for (const auto &[chosen, colours] : painted)
            EXPECT_GE(std::abs(colours.first.lightness() - colours.second.lightness()), 100) << chosen;
    }
}

// The rows' context menu opens on a row, from the mouse or the keyboard, and
// acts on what is chosen; a right click on a title still only sorts.
TEST_F(ListingGrid, TheRowsMenuOpensOnRowsAndActsOnTheChoice)
{
    open(makeArchive(eightMembers()));
    showWindow();
    auto *menu = form().findChild<QMenu *>(QStringLiteral("listingMenu"));
    ASSERT_NE(menu, nullptr);
    auto rightClick = [&](QWidget *where, QPoint at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, where->mapToGlobal(at));
        QApplication::sendEvent(where, &event);
    };
    auto shown = [&] {
        const bool visible = menu->isVisible();
        menu->hide();
        return visible;
    };
    click(2);
    click(3, Qt::ControlModifier);
    rightClick(grid().viewport(), grid().CellRect(0, 3).center());
    EXPECT_TRUE(shown());
    EXPECT_EQ(chosenRows(), (std::vector<int>{2, 3}));  // a row inside the choice keeps it
    rightClick(grid().viewport(), grid().CellRect(1, 6).center());
    EXPECT_TRUE(shown());
    EXPECT_EQ(chosenRows(), (std::vector<int>{6}));  // one outside chooses it alone
    rightClick(grid().viewport(), QPoint(5, grid().viewport()->height() - 2));
    EXPECT_FALSE(shown());  // below the last row
    rightClick(grid().horizontalHeader()->viewport(), grid().CellRect(0, 0).center());
    EXPECT_FALSE(shown());
    for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::SHIFT, Qt::Key_F10)}) {
        QTest::keyClick(&grid(), keys.key(), keys.keyboardModifiers());
        EXPECT_TRUE(shown());
    }

    // In each menu, an access key is one item's: a key two share only moves
    // between them.
    QList<QMenu *> menus = form().menuBar()->findChildren<QMenu *>();
    menus << menu;
    for (const QMenu *each : menus) {
        QSet<QChar> keys;
        for (const QAction *action : each->actions()) {
            const qsizetype amp = action->text().indexOf(u'&');
            if (amp < 0 || amp + 1 >= action->text().size())
                continue;
            const QChar key = action->text().at(amp + 1).toLower();
            EXPECT_FALSE(keys.contains(key))
                << each->objectName().toStdString() << ": " << action->text().toStdString();
            keys.insert(key);
        }
    }

    // Its items are the main menu's: what they act on is the choice.
    QStringList items;
    for (QAction *action : menu->actions())
        if (!action->isSeparator())
            items << action->objectName();
    EXPECT_TRUE(items.contains("deleteMembersAction") && items.contains("copyNamesAction"))
        << items.join(' ').toStdString();
    click(4);
    click(7, Qt::ControlModifier);
    form().menuAction(QStringLiteral("copyNamesAction"))->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "m4.txt\nm7.txt\n");
    script->buttonAnswers.push_back(0);
    form().menuAction(QStringLiteral("testSelectedAction"))->trigger();
    EXPECT_TRUE(script->messageTexts().last().startsWith("2 file(s) tested"))
        << script->messageTexts().last().toStdString();
}

// The status bar counts the archive's and the chosen rows' members in words
// and readable sizes; the Ratio column is there when asked for, from then on.
TEST_F(ListingGrid, TheStatusBarTotalsTheChoiceAndTheRatioColumnIsKept)
{
    writeFile(path("docs/a.txt"), QByteArray(1000, 'a'));
    writeFile(path("docs/b.txt"), QByteArray(3000, 'b'));
    writeFile(path("top.txt"), QByteArray(10, 't'));
    const QString archive =
        addWithEngine(path("totals.zip"), {"docs/a.txt", "docs/b.txt", "top.txt"}, {AddDirNames}, root);
    open(archive);
    showWindow();
    auto panel = [&](const char *name) { return form().findChild<QLabel *>(QString::fromLatin1(name)); };
    EXPECT_TRUE(panel("archiveTotalsPanel")->text().startsWith("3 members, 1 folder, 3.9 kB ("))
        << panel("archiveTotalsPanel")->text().toStdString();
    click(1);
    EXPECT_TRUE(panel("selectionTotalsPanel")->isHidden());  // one row is only where the cursor is
    click(2, Qt::ControlModifier);
    EXPECT_TRUE(panel("selectionTotalsPanel")->text().startsWith("Selected: 2 members, 0 folders, 3.9 kB ("))
        << panel("selectionTotalsPanel")->text().toStdString();
    EXPECT_TRUE(panel("archiveTotalsPanel")->isHidden());
    EXPECT_TRUE(panel("selectionTotalsPanel")->toolTip().contains("\nArchive: 3 members, 1 folder"));

    EXPECT_EQ(grid().ColCount(), 4);
    form().menuAction(QStringLiteral("ratioColumnAction"))->trigger();
    ASSERT_EQ(grid().ColCount(), 5);
    EXPECT_EQ(grid().Cells(4, 0), "Ratio %");
    EXPECT_EQ(column(0)[0], "docs/a.txt");
    EXPECT_LE(column(4)[0].toInt(), 10);  // a thousand times one letter
    openWindows();
    open(archive);
    EXPECT_EQ(grid().ColCount(), 5);
    EXPECT_EQ(column(0).size(), column(4).size());
}

// The order, the widths and the window's place reach the settings file as
// they change: a session ended by a signal keeps them.
TEST_F(ListingGrid, TheOrderWidthsAndPlaceAreWrittenAsTheyChange)
{
    open(makeArchive({"b.txt", "a.txt"}));
    showWindow();
    QTest::mouseClick(grid().horizontalHeader()->viewport(), Qt::RightButton, {}, grid().CellRect(2, 0).center());
    EXPECT_TRUE(grid().horizontalHeader()->isSortIndicatorShown());
    EXPECT_EQ(grid().horizontalHeader()->sortIndicatorSection(), 2);
    EXPECT_EQ(grid().horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    grid().setColWidths(1, 77);
    form().move(form().pos() + QPoint(13, 0));
    QApplication::processEvents();
    const QByteArray written = readBytes(QSettings().fileName());
    for (const char *line : {"sortColumn=2", "sortDescending=true", "ColumnWidths=", "77", "geometry="})
        EXPECT_TRUE(written.contains(line)) << line;
}
