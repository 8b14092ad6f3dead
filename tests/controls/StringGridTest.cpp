#include "controls/StringGrid.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A grid on screen (offscreen), active and focused, with texts "c,r" in every cell.
std::unique_ptr<TStringGrid> shownGrid(int cols = 5, int rows = 5, QSize size = QSize(300, 200))
{
    auto grid = std::make_unique<TStringGrid>();
    grid->setColCount(cols);
    grid->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid->setCells(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    grid->resize(size);
    grid->show();
    QApplication::setActiveWindow(grid.get());
    grid->setFocus();
    return grid;
}

void click(TStringGrid &grid, int col, int row, Qt::KeyboardModifiers mods = {})
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, mods, grid.CellRect(col, row).center());
}

}  // namespace

TEST(StringGrid, DefaultsAndFixedCountLimits)
{
    TStringGrid grid;
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.Options(), TGridOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}));

    try {
        grid.setFixedRows(5);
        FAIL() << "no exception";
    } catch (const EInvalidGridOperation &e) {
        EXPECT_STREQ(e.what(), "Fixed row count must be less than row count");
    }
    try {
        grid.setFixedCols(7);
        FAIL() << "no exception";
    } catch (const EInvalidGridOperation &e) {
        EXPECT_STREQ(e.what(), "Fixed column count must be less than column count");
    }
    EXPECT_EQ(grid.FixedRows(), 1);

    // The listing's refill: fixed rows down first, then the rows, then fixed again.
    grid.setFixedRows(0);
    grid.setRowCount(1);
    grid.setRowCount(2);
    grid.setFixedRows(1);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Row(), 1);

    grid.setRowCount(0);  // a grid keeps one row, and lowers the fixed rows to fit
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedRows(), 0);
}

TEST(StringGrid, CellsHoldTextAndObjects)
{
    TStringGrid grid;
    int marker = 0;
    grid.setCells(2, 3, "x");
    grid.setObjects(2, 3, &marker);
    EXPECT_EQ(grid.Cells(2, 3), "x");
    EXPECT_EQ(grid.Objects(2, 3), &marker);
    EXPECT_EQ(grid.Cells(9, 9), QString());
    EXPECT_THROW(grid.setCells(5, 0, "y"), EInvalidGridOperation);
    EXPECT_THROW(grid.setCells(0, -1, "y"), EInvalidGridOperation);
    // Cells cut off by a smaller count do not come back when it grows again.
    grid.setColCount(2);
    grid.setColCount(5);
    EXPECT_EQ(grid.Cells(2, 3), QString());
    EXPECT_EQ(grid.Objects(2, 3), nullptr);
}

TEST(StringGrid, MovesAndDeletesCarryCellsAndTheCurrentRow)
{
    auto grid = shownGrid();
    grid->setRowHeights(1, 30);
    grid->setRow(1);
    grid->MoveRow(1, 3);
    EXPECT_EQ(grid->Cols(0), QStringList({"0,0", "0,2", "0,3", "0,1", "0,4"}));
    EXPECT_EQ(grid->RowHeights(3), 30);
    EXPECT_EQ(grid->Row(), 3);  // the current row travels with its row

    grid->MoveColumn(4, 1);
    EXPECT_EQ(grid->Rows(0), QStringList({"0,0", "4,0", "1,0", "2,0", "3,0"}));

    grid->DeleteRow(0);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->Cells(0, 0), "0,2");
    grid->DeleteColumn(0);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->Cells(0, 0), "4,2");
    EXPECT_THROW(grid->MoveRow(0, 4), EInvalidGridOperation);
}

TEST(StringGrid, HitTestingAgreesWithCellRects)
{
    auto grid = shownGrid(3, 30);
    for (int r : {0, 1, 2, 5})
        for (int c = 0; c < 3; ++c) {
            const QRect rect = grid->CellRect(c, r);
            ASSERT_TRUE(rect.isValid()) << c << "," << r;
            EXPECT_EQ(grid->MouseCoord(rect.center().x(), rect.center().y()), (TGridCoord{c, r}));
        }
    const QRect last = grid->CellRect(2, 1);
    EXPECT_EQ(grid->MouseCoord(last.right() + 10, last.center().y()).X, -1);  // right of the last column
    EXPECT_EQ(grid->MouseCoord(-1, 5).X, -1);

    grid->setTopRow(10);
    EXPECT_EQ(grid->TopRow(), 10);
    EXPECT_FALSE(grid->CellRect(1, 5).isValid());
    EXPECT_EQ(grid->CellRect(1, 0).top(), 0);  // the fixed row stays on top
    EXPECT_EQ(grid->MouseCoord(5, grid->CellRect(1, 10).center().y()).Y, 10);
    EXPECT_EQ(grid->verticalScrollBar()->value(), 10 - grid->FixedRows());
    grid->verticalScrollBar()->setValue(3);
    EXPECT_EQ(grid->TopRow(), 3 + grid->FixedRows());

    // The bar is there while there is something to scroll.
    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
    grid->setRowCount(2);
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    EXPECT_EQ(grid->TopRow(), 1);
    grid->setRowCount(40);
    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
}

TEST(StringGrid, KeyboardMovesAndExtendsTheSelection)
{
    auto grid = shownGrid(5, 50);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid.get(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 2, 3}));
    QTest::keyClick(grid.get(), Qt::Key_End);
    EXPECT_EQ(grid->Selection(), (TGridRect{4, 3, 4, 3}));
    QTest::keyClick(grid.get(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->Row(), 49);
    EXPECT_EQ(grid->TopRow() + grid->VisibleRowCount() - 1, 49);  // scrolled into view
    QTest::keyClick(grid.get(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{1, 1}));
    QTest::keyClick(grid.get(), Qt::Key_PageDown);
    EXPECT_EQ(grid->Row(), 1 + grid->VisibleRowCount());

    grid->setOptions(grid->Options() & ~TGridOptions(goRangeSelect));
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection().Top, grid->Selection().Bottom);

    grid->setOptions(grid->Options() | goRowSelect | goRangeSelect);
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    const TGridRect sel = grid->Selection();
    EXPECT_EQ(sel.Left, 1);
    EXPECT_EQ(sel.Right, 4);
    EXPECT_EQ(sel.Bottom - sel.Top, 1);
}

TEST(StringGrid, MouseSelectsAndDragsARange)
{
    auto grid = shownGrid();
    int clicks = 0;
    grid->OnClick = [&clicks](TStringGrid *) { ++clicks; };
    click(*grid, 2, 3);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{2, 3}));
    EXPECT_GE(clicks, 1);

    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(1, 1).center());
    QTest::mouseMove(grid->viewport(), grid->CellRect(3, 2).center());
    EXPECT_EQ(grid->GridState(), gsSelecting);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(3, 2).center());
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 2}));
    EXPECT_EQ(grid->GridState(), gsNormal);

    grid->OnSelectCell = [](TStringGrid *, int col, int, bool &can) { can = col != 4; };
    click(*grid, 4, 2);
    EXPECT_EQ(grid->Col(), 1);  // refused
}

TEST(StringGrid, TitleBorderDragSizesAColumn)
{
    auto grid = shownGrid();
    grid->setOptions(grid->Options() | goColSizing);
    const QRect title = grid->CellRect(1, 0);
    const QPoint border(title.right() + 1, title.center().y());
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, border);
    EXPECT_EQ(grid->GridState(), gsColSizing);
    QTest::mouseMove(grid->viewport(), border + QPoint(25, 0));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, border + QPoint(25, 0));
    EXPECT_EQ(grid->ColWidths(1), 64 + 25);
    EXPECT_EQ(grid->GridState(), gsNormal);
}

TEST(StringGrid, PaintingTouchesOnlyVisibleCells)
{
    auto grid = shownGrid(4, 100000, QSize(300, 200));
    grid->setDefaultDrawing(false);
    int drawn = 0;
    grid->OnDrawCell = [&drawn](TStringGrid *, int, int, const QRect &, TGridDrawState) { ++drawn; };
    (void)grid->grab();
    EXPECT_GT(drawn, 0);
    EXPECT_LE(drawn, 4 * (grid->VisibleRowCount() + 2));
}

TEST(StringGrid, InplaceEditorStoresTextAndEscapeTakesItBack)
{
    auto grid = shownGrid();
    grid->setOptions(grid->Options() | goEditing);
    QTest::keyClick(grid.get(), Qt::Key_F2);
    ASSERT_TRUE(grid->EditorMode());
    QTest::keyClicks(grid->InplaceEditor(), "new");
    EXPECT_EQ(grid->Cells(1, 1), "new");  // stored as it is typed
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Escape);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "1,1");

    QTest::keyClick(grid.get(), Qt::Key_A);  // typing opens the editor with that character
    ASSERT_TRUE(grid->EditorMode());
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Down);  // leaving the cell closes it
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "a");
    EXPECT_EQ(grid->Row(), 2);
}
