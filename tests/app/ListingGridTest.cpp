// The listing grid as the user meets it in the main window: rows chosen the
// desktop's way and acted on exactly, a grid that fits the window and keeps
// its columns and chosen order, and colours that follow the desktop's palette.
#include "WindowFixture.h"
#include "dialogs/AddForm.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
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
    EXPECT_EQ(chosenRows(), (std::vector<int>{2, 3, 4, 5, 8}));

    script->buttonAnswers.push_back(0);
    form().deleteMembersCommand();
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"m1.txt", "m6.txt", "m7.txt"}));
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
