#include "controls/SortableGrid.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

// Exposes the title release handler, so that an exception can be caught
// without passing through Qt's event delivery.
class ProbeGrid : public TSortableGrid {
public:
    using TSortableGrid::titleReleased;
};

class SortableGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(window.get());
        grid = new ProbeGrid;
        other = new QLineEdit;
        layout->addWidget(grid);
        layout->addWidget(other);
        window->resize(500, 300);
        // The listing's set-up: one title row, four columns, whole rows, column sizing.
        grid->setColCount(4);
        grid->setOptions(grid->Options() | goRowSelect | goColSizing);
        fill({{"Name", "Size", "Date"}, {"b", "12", "1/5/24"}, {"a", "9", "12/31/23"}, {"c", "100", "1/5/24"}});
        window->show();
        QApplication::setActiveWindow(window.get());
        grid->setFocus();
    }
    void TearDown() override
    {
        // Closing the window takes the focus from the grid, which validates
        // its cell: a test's handler must not outlive the test's variables.
        grid->OnCellValidate = nullptr;
        window.reset();
        QLocale::setDefault(QLocale::c());
    }

    void fill(const std::vector<QStringList> &rows)
    {
        grid->setRowCount(int(rows.size()));
        grid->setFixedRows(1);
        for (int r = 0; r < int(rows.size()); ++r)
            grid->setRows(r, rows[std::size_t(r)]);
    }

    QStringList column(int col) const
    {
        QStringList texts;
        for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
            texts.append(grid->Cells(col, r));
        return texts;
    }

    QPoint title(int col) const { return grid->CellRect(col, 0).center(); }
    QWidget *titles() const { return grid->horizontalHeader()->viewport(); }

    void clickTitle(int col, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(titles(), button, mods, title(col));
    }

    std::unique_ptr<QWidget> window;
    ProbeGrid *grid = nullptr;
    QLineEdit *other = nullptr;
};

}  // namespace

TEST_F(SortableGrid, TitleClicksSortWithEvents)
{
    QStringList events;
    grid->OnClickSort = [&](TSortableGrid *, int col, int row, TSortOptions &o) {
        events << QStringLiteral("click %1,%2 order %3 mode %4").arg(col).arg(row).arg(int(o.Order)).arg(int(o.Mode));
    };
    grid->OnBeginSort = [&](TSortableGrid *, int col, TSortOptions &o) {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        events << QStringLiteral("begin %1 mode %2 wait %3")
                      .arg(col)
                      .arg(int(o.Mode))
                      .arg(int(cursor && cursor->shape() == Qt::WaitCursor));
    };
    grid->OnEndSort = [&](TSortableGrid *, int col) { events << QStringLiteral("end %1").arg(col); };

    clickTitle(1);
    EXPECT_EQ(column(1), QStringList({"9", "12", "100"}));
    EXPECT_EQ(column(0), QStringList({"a", "b", "c"}));  // whole rows move
    EXPECT_EQ(events, QStringList({"click 1,0 order 0 mode 0", "begin 1 mode 2 wait 1", "end 1"}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(grid->Cells(1, 0), "Size");  // the title row stays

    clickTitle(1, Qt::RightButton);
    EXPECT_EQ(column(1), QStringList({"100", "12", "9"}));
    clickTitle(1);  // never toggled: left is always ascending
    EXPECT_EQ(column(1), QStringList({"9", "12", "100"}));

    clickTitle(2);  // a date column sorts by date, equal dates in their previous order
    EXPECT_EQ(column(2), QStringList({"12/31/23", "1/5/24", "1/5/24"}));
    EXPECT_EQ(column(1), QStringList({"9", "12", "100"}));
}

TEST_F(SortableGrid, ReleasesThatMustNotSort)
{
    int clicks = 0, begins = 0, ends = 0;
    grid->OnClickSort = [&](TSortableGrid *, int, int, TSortOptions &) { ++clicks; };
    grid->OnBeginSort = [&](TSortableGrid *, int, TSortOptions &) { ++begins; };
    grid->OnEndSort = [&](TSortableGrid *, int) { ++ends; };
    const QStringList before = column(1);

    // Right of the last column.
    const QRect last = grid->CellRect(3, 0);
    ASSERT_LT(last.right() + 20, titles()->width());
    QTest::mouseClick(titles(), Qt::LeftButton, {}, QPoint(last.right() + 20, last.center().y()));
    // The release that ends a column resize.
    const QPoint border(grid->CellRect(1, 0).right() + 1, title(1).y());
    const int width = grid->ColWidths(1);
    QTest::mousePress(titles(), Qt::LeftButton, {}, border);
    QTest::mouseMove(titles(), border + QPoint(10, 0));
    QTest::mouseRelease(titles(), Qt::LeftButton, {}, border + QPoint(10, 0));
    EXPECT_EQ(grid->ColWidths(1), width + 10);
    // Ctrl held.
    clickTitle(1, Qt::LeftButton, Qt::ControlModifier);
    // Without the focus.
    other->setFocus();
    QTest::mouseRelease(titles(), Qt::LeftButton, {}, title(1));
    grid->setFocus();
    // Click sorting off.
    grid->setClickSorting(false);
    clickTitle(1);
    grid->setClickSorting(true);
    EXPECT_EQ(column(1), before);
    EXPECT_EQ(clicks + begins + ends, 0);

    // One data row: the click event comes, the sort does not.
    fill({{"Name", "Size"}, {"x", "1"}});
    clickTitle(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(begins + ends, 0);
}

TEST_F(SortableGrid, HourglassGoesAwayWhenTheSortFails)
{
    grid->OnBeginSort = [](TSortableGrid *, int, TSortOptions &) { throw std::runtime_error("handler failed"); };
    const QPointF at = title(1);
    QMouseEvent release(QEvent::MouseButtonRelease, at, titles()->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    EXPECT_THROW(grid->titleReleased(&release), std::runtime_error);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(grid->GridState(), gsNormal);
}

TEST_F(SortableGrid, CurrentRecordFollowsSortAndUndo)
{
    grid->setRow(3);  // "c", 100
    grid->SortColumn(1, TSortOptions{smDetect, soAscending, false, {}});
    EXPECT_EQ(grid->Row(), 3);
    grid->setRow(1);  // "a", 9
    grid->SortColumn(1, TSortOptions{smDetect, soDescending, false, {}});
    EXPECT_EQ(column(0), QStringList({"c", "b", "a"}));
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Cells(0, grid->Row()), "a");

    ASSERT_TRUE(grid->CanUndoSort());
    grid->UndoSort();
    EXPECT_EQ(column(0), QStringList({"a", "b", "c"}));
    EXPECT_EQ(grid->Cells(0, grid->Row()), "a");
    EXPECT_FALSE(grid->CanUndoSort());
    grid->UndoSort();  // a second undo does nothing
    EXPECT_EQ(column(0), QStringList({"a", "b", "c"}));
}

TEST_F(SortableGrid, ChangesThatInvalidateTheUndo)
{
    grid->SortColumn(0, TSortOptions{smDetect, soDescending, false, {}});
    grid->InsertRow(2);
    EXPECT_FALSE(grid->CanUndoSort());
    EXPECT_EQ(grid->SortRecord().Count(), 0);

    // The title row turned into a data row: the record's rows no longer fit.
    grid->DeleteRow(2);
    grid->SortColumn(0, TSortOptions{smDetect, soDescending, false, {}});
    grid->DeleteRow(3);
    grid->setFixedRows(0);
    EXPECT_FALSE(grid->CanUndoSort());
    grid->UndoSort();
    EXPECT_EQ(grid->Cells(0, 0), "Name");
}

TEST_F(SortableGrid, BeginSortCanChooseAComparison)
{
    fill({{"T"}, {"ccc"}, {"a"}, {"bb"}, {"dd"}});
    grid->OnBeginSort = [](TSortableGrid *, int, TSortOptions &o) {
        o.Mode = smUser;
        o.Compare = [](const QString &a, const QString &b) { return int(a.size() - b.size()); };
    };
    grid->SortColumn(0, TSortOptions{});
    EXPECT_EQ(column(0), QStringList({"a", "bb", "dd", "ccc"}));

    // A comparison that throws leaves the rows where they were and nothing to undo.
    grid->OnBeginSort = [](TSortableGrid *, int, TSortOptions &o) {
        o.Mode = smUser;
        o.Compare = [](const QString &, const QString &) -> int { throw std::runtime_error("compare"); };
    };
    EXPECT_THROW(grid->SortColumn(0, TSortOptions{}), std::runtime_error);
    EXPECT_EQ(column(0), QStringList({"a", "bb", "dd", "ccc"}));
    EXPECT_FALSE(grid->CanUndoSort());
}

TEST_F(SortableGrid, DelimitedFilesRoundTrip)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.txt");
    fill({{"Name", "Size"}, {"\u00E9t\u00E9", ""}, {"b c", "2"}});
    grid->SaveToFile(path, QLatin1Char(';'));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Name;Size;;\r\n\xC3\xA9t\xC3\xA9;;;\r\nb c;2;;\r\n"));
    file.close();

    grid->Clear();
    grid->setRowCount(7);
    grid->LoadFromFile(path, QLatin1Char(';'));
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->Rows(1), QStringList({"\u00E9t\u00E9", "", "", ""}));

    // A cell holding the delimiter comes back as two cells.
    grid->setCells(0, 2, "x;y");
    grid->SaveToFile(path, QLatin1Char(';'));
    grid->LoadFromFile(path, QLatin1Char(';'));
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->Rows(2), QStringList({"x", "y", "2", "", ""}));

    // Bytes that are not UTF-8 survive a load and a save.
    const QByteArray raw("\xFF\xFE;\x80\r\n");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(raw);
    file.close();
    grid->LoadFromFile(path, QLatin1Char(';'));
    grid->SaveToFile(path, QLatin1Char(';'));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xFF\xFE;\x80\r\n"));
    file.close();

    // An empty file leaves one empty row.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.close();
    grid->LoadFromFile(path, QLatin1Char(';'));
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->Cells(0, 0), QString());
}

TEST_F(SortableGrid, UnreadableFileLeavesTheGridAlone)
{
    EXPECT_THROW(grid->LoadFromFile(QStringLiteral("/nonexistent/grid.txt"), QLatin1Char(';')), std::runtime_error);
    EXPECT_EQ(column(0), QStringList({"b", "a", "c"}));
    EXPECT_THROW(grid->SaveToFile(QStringLiteral("/nonexistent/grid.txt"), QLatin1Char(';')), std::runtime_error);
}

TEST_F(SortableGrid, ExtendedKeysInsertAndDelete)
{
    QStringList events;
    grid->OnRowDelete = [&](TSortableGrid *, int i) { events << QStringLiteral("row- %1").arg(i); };
    grid->OnRowInsert = [&](TSortableGrid *, int i) { events << QStringLiteral("row+ %1").arg(i); };
    grid->OnColumnDelete = [&](TSortableGrid *, int i) { events << QStringLiteral("col- %1").arg(i); };

    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);  // off by default
    EXPECT_EQ(grid->RowCount(), 4);

    grid->setExtendedKeys(true);
    grid->setRow(2);
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(grid->RowCount(), 4);
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(column(0), QStringList({"b", "c"}));
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(column(0), QStringList({"b"}));
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);  // the last data row stays
    EXPECT_EQ(grid->RowCount(), 2);

    QTest::keyClick(grid, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cells(0, grid->Row()), QString());

    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(events, QStringList({"row- 2", "row- 2", "row+ 1", "col- 0"}));
}

TEST_F(SortableGrid, RowAndColumnEditing)
{
    QStringList events;
    grid->OnSizeChanged = [&](TSortableGrid *, int oldCols, int oldRows) {
        events << QStringLiteral("size %1x%2").arg(oldCols).arg(oldRows);
    };
    grid->OnColumnInsert = [&](TSortableGrid *, int i) { events << QStringLiteral("col+ %1").arg(i); };
    grid->InsertColumn(1);
    EXPECT_EQ(grid->Rows(1), QStringList({"b", "", "12", "1/5/24", ""}));
    EXPECT_EQ(events, QStringList({"size 4x4", "col+ 1"}));

    grid->SwapRows(1, 3);
    EXPECT_EQ(column(0), QStringList({"c", "a", "b"}));
    grid->SwapColumns(2, 0);
    EXPECT_EQ(grid->Rows(0), QStringList({"Size", "", "Name", "Date", ""}));
}

TEST_F(SortableGrid, FindCellIgnoresCaseAndScansByColumn)
{
    int col = -7, row = -7;
    EXPECT_FALSE(grid->FindCell("zzz", col, row));
    EXPECT_EQ(col, -7);
    EXPECT_TRUE(grid->FindCell("SIZE", col, row));
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(1, 0));
    grid->setCells(2, 1, "a");
    EXPECT_TRUE(grid->FindCell("A", col, row));
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(0, 2));  // column 0 comes before column 2
}

TEST_F(SortableGrid, BevelsFollowTheLinesBetweenFixedCells)
{
    grid->setOptions(grid->Options() & ~TGridOptions(goRowSelect));
    grid->setBevelStyle(cbRaised);
    grid->OnGetCellFormat = [](TSortableGrid *, int, int, TGridDrawState, TFormatOptions &f) {
        f.LightEdgeColor = QColor(255, 0, 0);
        f.DarkEdgeColor = QColor(0, 0, 255);
    };
    other->setFocus();  // no focus rectangle in the way
    auto pixel = [&](const QImage &image, int x, int y) { return QColor(image.pixel(x, y)); };

    QImage image = grid->viewport()->grab().toImage();
    const QRect cell = grid->CellRect(2, 2);
    EXPECT_EQ(pixel(image, cell.right(), cell.center().y()), QColor(0, 0, 255));
    EXPECT_EQ(pixel(image, cell.center().x(), cell.bottom()), QColor(0, 0, 255));
    EXPECT_EQ(pixel(image, cell.left(), cell.center().y()), QColor(255, 0, 0));
    EXPECT_EQ(pixel(image, cell.center().x(), cell.top()), QColor(255, 0, 0));

    // Without lines between fixed columns, the left and right bevel edges go.
    grid->setOptions(grid->Options() & ~TGridOptions(goFixedVertLine));
    image = grid->viewport()->grab().toImage();
    EXPECT_NE(pixel(image, cell.right(), cell.center().y()), QColor(0, 0, 255));
    EXPECT_NE(pixel(image, cell.left(), cell.center().y()), QColor(255, 0, 0));
    EXPECT_EQ(pixel(image, cell.center().x(), cell.top()), QColor(255, 0, 0));
}

TEST_F(SortableGrid, FitColumnMeasuresWithTheCellFormat)
{
    grid->setCells(0, 2, "a rather longer name");
    grid->setCells(0, 0, "A TITLE THAT IS LONGEST");
    grid->FitColumn(0);
    const int plain = grid->ColWidths(0);
    grid->OnGetCellFormat = [](TSortableGrid *, int, int row, TGridDrawState state, TFormatOptions &f) {
        f.Font.setBold(row == 0 && (state & gdFixed));
    };
    grid->FitColumn(0);
    QFont bold = grid->font();
    bold.setBold(true);
    const QString title = QStringLiteral("A TITLE THAT IS LONGEST");
    EXPECT_EQ(grid->ColWidths(0) - plain,
              QFontMetrics(bold).horizontalAdvance(title) - QFontMetrics(grid->font()).horizontalAdvance(title));
}

TEST_F(SortableGrid, EditValidationAcceptsReplacesOrRejects)
{
    grid->setOptions((grid->Options() & ~TGridOptions(goRowSelect)) | goEditing);
    QString verdict;
    QStringList seen;
    grid->OnCellValidate = [&](TSortableGrid *, int col, int row, QString &value, bool &valid) {
        seen << QStringLiteral("%1,%2 %3").arg(col).arg(row).arg(value);
        if (verdict == "reject")
            valid = false;
        else if (verdict == "replace")
            value = value.toUpper();
    };
    auto edit = [&](const QString &text) {
        other->setFocus();
        grid->setFocus();  // entering the grid remembers the current cell
        QTest::keyClick(grid, Qt::Key_F2);
        QTest::keyClicks(grid->InplaceEditor(), text);
        QTest::keyClick(grid->InplaceEditor(), Qt::Key_Return);
        QApplication::processEvents();  // the view ends an edit from a queued call
    };
    grid->setCol(0);
    grid->setRow(1);

    verdict = "accept";
    edit("x");
    EXPECT_EQ(grid->Cells(0, 1), "x");
    EXPECT_TRUE(grid->Modified());
    EXPECT_FALSE(grid->EditorMode());

    grid->setModified(false);
    verdict = "reject";
    edit("y");
    EXPECT_EQ(grid->Cells(0, 1), "x");  // taken back
    EXPECT_FALSE(grid->Modified());

    verdict = "replace";
    edit("z");
    EXPECT_EQ(grid->Cells(0, 1), "Z");
    EXPECT_EQ(seen, QStringList({"0,1 x", "0,1 y", "0,1 z"}));

    grid->Clear();
    EXPECT_FALSE(grid->Modified());
    EXPECT_EQ(grid->RowCount(), 4);
}

TEST_F(SortableGrid, ScrollsByRowsWithAThumbForTheVisibleShare)
{
    fill(std::vector<QStringList>(200, QStringList({"x"})));
    QApplication::processEvents();  // the view lays out its rows from a posted event
    QScrollBar *bar = grid->verticalScrollBar();
    const double thumb = double(bar->pageStep()) / (bar->maximum() - bar->minimum() + bar->pageStep());
    EXPECT_NEAR(thumb, double(grid->VisibleRowCount()) / (grid->RowCount() - 1), 0.01);
    const int top = grid->TopRow();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(grid->TopRow(), top + grid->VisibleRowCount());
}

TEST_F(SortableGrid, AssignedRowsReplaceTheDataAndTheFirstBecomesCurrent)
{
    int tag = 0;
    grid->setRow(3);
    grid->AssignDataRows({{{"x", &tag}, {"1", nullptr}}, {{"y", nullptr}}});
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cells(0, 0), "Name");
    EXPECT_EQ(grid->Objects(0, 1), &tag);
    EXPECT_EQ(grid->Selection(), (TGridRect{0, 1, 3, 1}));
    grid->AssignDataRows({});
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_GT(grid->Selection().Top, grid->Selection().Bottom);  // nothing to choose
}

// Rows added at the end leave what the user did alone: the rows above, the
// current row, the chosen rows and the scrolling; an undo of a sort that
// never held them is gone.
TEST_F(SortableGrid, AppendedRowsKeepTheRowsTheChoiceAndTheScrolling)
{
    fill(std::vector<QStringList>(200, QStringList({"x"})));
    QApplication::processEvents();  // the view lays out its rows from a posted event
    grid->SortColumn(0, TSortOptions{smDetect, soAscending, false, {}});
    grid->setRow(50);
    grid->selectionModel()->select(grid->model()->index(60, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QScrollBar *bar = grid->verticalScrollBar();
    bar->setValue(40);
    const auto chosen = grid->selectionModel()->selectedRows();
    int tag = 0;
    grid->AppendDataRows({{{"y", &tag}, {"1", nullptr}}, {{"z", nullptr}}});
    EXPECT_EQ(grid->RowCount(), 202);
    EXPECT_EQ(grid->Cells(0, 199), "x");
    EXPECT_EQ(grid->Cells(0, 200), "y");
    EXPECT_EQ(grid->Objects(0, 200), &tag);
    EXPECT_EQ(grid->Cells(0, 201), "z");
    EXPECT_EQ(grid->Row(), 50);
    EXPECT_EQ(grid->selectionModel()->selectedRows(), chosen);
    EXPECT_EQ(bar->value(), 40);
    EXPECT_FALSE(grid->CanUndoSort());
}

TEST_F(SortableGrid, TypingANameMovesToIt)
{
    grid->setRow(1);
    QTest::keyClicks(grid, "c");
    EXPECT_EQ(grid->Cells(0, grid->Row()), "c");
    EXPECT_EQ(grid->Selection(), (TGridRect{0, 3, 3, 3}));
}

TEST_F(SortableGrid, APressBelowTheLastRowKeepsTheSelection)
{
    grid->setSelection(TGridRect{0, 2, 3, 3});
    const QRect last = grid->CellRect(0, 3);
    ASSERT_LT(last.bottom() + 20, grid->viewport()->height());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 20));
    EXPECT_EQ(grid->Selection(), (TGridRect{0, 2, 3, 3}));
}

TEST_F(SortableGrid, ScreenReadersSeeRowsAndTitles)
{
    grid->SortColumn(0, TSortOptions{smDetect, soDescending, false, {}});
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    QAccessibleTableInterface *cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 3);
    EXPECT_EQ(cells->columnCount(), 4);
    EXPECT_EQ(cells->columnDescription(1), "Size");
    QAccessibleInterface *cell = cells->cellAt(1, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "b");  // rows as sorted
}

TEST_F(SortableGrid, HundredThousandRowsFillAndSort)
{
    const int n = 100000;
    std::mt19937 random(4);
    std::vector<GridRow> rows;
    for (int r = 1; r <= n; ++r)
        rows.push_back({{QStringLiteral("file%1.txt").arg(random() % n), nullptr},
                        {QString::number(random() % 1000000), nullptr},
                        {QString::number(r), nullptr},
                        {QStringLiteral("%1/%2/%3  %4:%5 PM")
                             .arg(1 + r % 12)
                             .arg(1 + r % 28)
                             .arg(r % 100)
                             .arg(1 + r % 12)
                             .arg(r % 60, 2, 10, QLatin1Char('0')),
                         nullptr}});
    grid->AssignDataRows(std::move(rows));
    for (int col : {1, 1, 0, 3, 2}) {  // the second pass sorts presorted data
        grid->SortColumn(col, TSortOptions{});
        ASSERT_EQ(grid->RowCount(), n + 1);
    }
    EXPECT_EQ(grid->Cells(2, 1), "1");
    EXPECT_EQ(grid->Cells(2, n), QString::number(n));
}

TEST_F(SortableGrid, BrowseOnlyScrollsButChoosesAndSortsNothing)
{
    std::vector<QStringList> rows{{"Name", "Size", "Date"}};
    for (int i = 0; i < 200; ++i)
        rows.push_back({QString::number(1000 - i), "1", "1/5/24"});
    fill(rows);
    grid->setRow(1);
    grid->setBrowseOnly(true);
    const QStringList before = column(0);
    clickTitle(0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(0, 3).center());
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_End);
    EXPECT_EQ(column(0), before);
    EXPECT_EQ(grid->Row(), 1);
    QWheelEvent wheel(QPointF(50, 50), grid->viewport()->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, -240),
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->viewport(), &wheel);
    EXPECT_GT(grid->verticalScrollBar()->value(), 0);

    grid->setBrowseOnly(false);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
}
