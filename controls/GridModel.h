#pragma once
// The cells of the sortable grid as a table model. The grid addresses its
// cells as (column, row) with the title row as row 0 when it is fixed; the
// view sees the rows below it as the model's rows and the title row as the
// header's texts.
//
// Storage is one small vector of cells per row; a row may hold fewer cells
// than there are columns, the missing ones being empty. Reordering the data
// rows moves rows, it never copies their texts.

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>
#include <thread>
#include <vector>

class EInvalidGridOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct GridCell {
    QString Text;
    void *Object = nullptr;
    // Drawn before the text; the text alone is what sorting and copying see.
    QIcon Icon = QIcon();
};
using GridRow = std::vector<GridCell>;

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject *parent = nullptr);
    ~GridModel() override;

    // Grid addressing: rows count the fixed title row, if there is one.
    int gridRowCount() const { return int(rows_.size()); }
    int gridColCount() const { return colCount_; }
    int fixedRows() const { return fixedRows_; }
    // Below 1 becomes 1. New rows and columns are empty.
    void setGridRowCount(int count);
    void setGridColCount(int count);
    // 0 or 1: the view has one header row. Throws for anything else or for
    // more fixed rows than rows.
    void setFixedRows(int count);

    // Reading outside the grid gives an empty text; writing there throws.
    QString text(int col, int row) const;
    void setText(int col, int row, const QString &text);
    void *object(int col, int row) const;
    void setObject(int col, int row, void *object);
    // A null icon outside the grid or where none was set.
    QIcon icon(int col, int row) const;
    void setIcon(int col, int row, const QIcon &icon);
    QStringList rowTexts(int row) const;

    // Every data row at once, in one reset of the view; the fixed row stays.
    void replaceDataRows(std::vector<GridRow> rows);
    // Adds `rows` after the last data row, in one insertion: the rows there
    // and the view's selection, current cell and scrolling stay as they are.
    void appendDataRows(std::vector<GridRow> rows);
    // Takes every data row out, in one reset; the fixed row stays.
    std::vector<GridRow> takeDataRows();
    // Keeps the data rows `keep` says yes to, in their order, in one reset.
    void retainDataRows(const std::function<bool(const GridRow &)> &keep);
    // Empties every cell, the fixed row's included; the counts stay.
    void clearCells();
    void clearRow(int row);
    void clearColumn(int col);
    // Data row fixedRows() + i receives the row that stood at sourceRows[i];
    // sourceRows must be a permutation of the data rows. The view's current
    // cell and selection follow their rows.
    void permuteDataRows(const std::vector<int> &sourceRows);

    // The rows or columns between shift by one.
    void moveRow(int from, int to);
    void moveColumn(int from, int to);
    void removeRow(int row);
    void removeColumn(int col);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void checkCell(int col, int row) const;
    GridCell &cellForWrite(int col, int row);
    void cellChanged(int col, int row);

    std::vector<GridRow> rows_;
    // Frees the texts of rows a filter dropped: freeing a million rows'
    // texts takes longer than filtering them, and holds up the keystroke.
    std::thread discarding_;
    int colCount_ = 1;
    int fixedRows_ = 0;
};
