#include "controls/GridModel.h"

#include <QIcon>
#include <QPersistentModelIndex>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

// A model of one title row and the given data rows in one column.
void fill(GridModel &model, const QStringList &data)
{
    model.setGridRowCount(int(data.size()) + 1);
    model.setFixedRows(1);
    model.setText(0, 0, QStringLiteral("Title"));
    for (int r = 0; r < data.size(); ++r)
        model.setText(0, r + 1, data[r]);
}

QStringList dataColumn(const GridModel &model)
{
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r)
        texts << model.data(model.index(r, 0)).toString();
    return texts;
}

}  // namespace

TEST(GridModel, TheTitleRowIsTheHeaderAndTheRestAreRows)
{
    GridModel model;
    fill(model, {"a", "b"});
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Title");
    EXPECT_EQ(dataColumn(model), QStringList({"a", "b"}));
    model.setFixedRows(0);
    EXPECT_EQ(dataColumn(model), QStringList({"Title", "a", "b"}));
    EXPECT_THROW(model.setFixedRows(2), EInvalidGridOperation);
    EXPECT_THROW(model.setText(1, 0, "x"), EInvalidGridOperation);
    EXPECT_EQ(model.text(1, 0), QString());
}

TEST(GridModel, PermutingMovesRowsWithTheirObjectsAndTheViewsIndexes)
{
    GridModel model;
    fill(model, {"a", "b", "c"});
    int tag = 0;
    model.setObject(0, 3, &tag);
    const QPersistentModelIndex onC(model.index(2, 0));
    model.permuteDataRows({3, 1, 2});
    EXPECT_EQ(dataColumn(model), QStringList({"c", "a", "b"}));
    EXPECT_EQ(model.object(0, 1), &tag);
    EXPECT_EQ(onC.row(), 0);
    EXPECT_EQ(model.text(0, 0), "Title");

    for (const std::vector<int> &wrong : {std::vector<int>{1, 2}, {1, 1, 2}, {0, 1, 2}})
        EXPECT_THROW(model.permuteDataRows(wrong), EInvalidGridOperation);
    EXPECT_EQ(dataColumn(model), QStringList({"c", "a", "b"}));
}

TEST(GridModel, RowsAndColumnsChangeShape)
{
    GridModel model;
    model.setGridColCount(2);
    fill(model, {"a", "b", "c"});
    model.setText(1, 1, "a2");
    model.setGridColCount(1);
    model.setGridColCount(2);
    EXPECT_EQ(model.text(1, 1), QString());  // dropped columns come back empty

    model.moveRow(3, 1);
    EXPECT_EQ(dataColumn(model), QStringList({"c", "a", "b"}));
    model.moveRow(1, 0);  // a data row becomes the title
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "c");
    model.removeRow(0);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Title");
    while (model.gridRowCount() > 1)
        model.removeRow(1);
    model.removeRow(0);  // the last row is emptied, not removed
    EXPECT_EQ(model.gridRowCount(), 1);
    EXPECT_EQ(model.text(0, 0), QString());
}

TEST(GridModel, ACellsIconIsItsDecorationAndMovesWithItsRow)
{
    GridModel model;
    fill(model, {"a", "b", "c"});
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::red);
    model.setIcon(0, 2, QIcon(pixmap));
    const auto decorated = [&model] {
        std::vector<bool> rows;
        for (int r = 0; r < model.rowCount(); ++r)
            rows.push_back(model.data(model.index(r, 0), Qt::DecorationRole).isValid());
        return rows;
    };
    EXPECT_EQ(decorated(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(dataColumn(model), QStringList({"a", "b", "c"}));  // the text is untouched

    model.permuteDataRows({2, 3, 1});
    EXPECT_EQ(decorated(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(model.rowTexts(1), QStringList{"b"});
    EXPECT_FALSE(model.icon(0, 1).isNull());
    EXPECT_TRUE(model.icon(3, 9).isNull());
    EXPECT_THROW(model.setIcon(1, 1, QIcon(pixmap)), EInvalidGridOperation);
}

TEST(GridModel, RetainingKeepsTheChosenRowsInTheirOrderBehindTheTitle)
{
    // Few kept and most kept take different ways through.
    const struct {
        QStringList data;
        QString keptLetters;
        QStringList expected;
    } cases[] = {
        {{"a", "x", "b", "y", "z"}, "ab", {"a", "b"}},
        {{"a", "x", "b", "c", "d"}, "abcd", {"a", "b", "c", "d"}},
        {{"x", "y"}, "", {}},
        {{"a", "b"}, "ab", {"a", "b"}},
    };
    for (const auto &c : cases) {
        GridModel model;
        fill(model, c.data);
        model.setIcon(0, 2, QIcon(QPixmap(4, 4)));
        model.retainDataRows([&c](const GridRow &row) { return c.keptLetters.contains(row.front().Text); });
        EXPECT_EQ(dataColumn(model), c.expected) << c.data.join(',').toStdString();
        EXPECT_EQ(model.text(0, 0), "Title");
    }
}
