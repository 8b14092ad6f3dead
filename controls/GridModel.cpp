#include "controls/GridModel.h"

#include <algorithm>

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent), rows_(1) {}

void GridModel::setGridRowCount(int count)
{
    count = std::max(count, 1);
    const int old = gridRowCount();
    if (count == old)
        return;
    if (count < fixedRows_)
        fixedRows_ = count;
    const int first = std::max(old, fixedRows_) - fixedRows_;
    if (count > old) {
        beginInsertRows(QModelIndex(), old - fixedRows_, count - fixedRows_ - 1);
        rows_.resize(std::size_t(count));
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), count - fixedRows_, first - 1);
        rows_.resize(std::size_t(count));
        endRemoveRows();
    }
}

void GridModel::setGridColCount(int count)
{
    count = std::max(count, 1);
    if (count == colCount_)
        return;
    if (count > colCount_) {
        beginInsertColumns(QModelIndex(), colCount_, count - 1);
        colCount_ = count;
        endInsertColumns();
        return;
    }
    beginRemoveColumns(QModelIndex(), count, colCount_ - 1);
    // Cells beyond the new count go, so that growing again shows them empty.
    for (GridRow &row : rows_)
        if (int(row.size()) > count)
            row.resize(std::size_t(count));
    colCount_ = count;
    endRemoveColumns();
}

void GridModel::setFixedRows(int count)
{
    if (count < 0 || count > 1 || count > gridRowCount())
        throw EInvalidGridOperation("Fixed row count must be 0 or 1 and not above the row count");
    if (count == fixedRows_)
        return;
    beginResetModel();
    fixedRows_ = count;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, colCount_ - 1);
}

void GridModel::checkCell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= colCount_ || row >= gridRowCount())
        throw EInvalidGridOperation("Grid index out of range");
}

GridCell &GridModel::cellForWrite(int col, int row)
{
    checkCell(col, row);
    GridRow &cells = rows_[std::size_t(row)];
    if (int(cells.size()) <= col)
        cells.resize(std::size_t(col) + 1);
    return cells[std::size_t(col)];
}

void GridModel::cellChanged(int col, int row)
{
    if (row < fixedRows_)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - fixedRows_, col), index(row - fixedRows_, col));
}

QString GridModel::text(int col, int row) const
{
    if (col < 0 || row < 0 || col >= colCount_ || row >= gridRowCount())
        return QString();
    const GridRow &cells = rows_[std::size_t(row)];
    return col < int(cells.size()) ? cells[std::size_t(col)].Text : QString();
}

void GridModel::setText(int col, int row, const QString &text)
{
    cellForWrite(col, row).Text = text;
    cellChanged(col, row);
}

void *GridModel::object(int col, int row) const
{
    if (col < 0 || row < 0 || col >= colCount_ || row >= gridRowCount())
        return nullptr;
    const GridRow &cells = rows_[std::size_t(row)];
    return col < int(cells.size()) ? cells[std::size_t(col)].Object : nullptr;
}

void GridModel::setObject(int col, int row, void *object)
{
    cellForWrite(col, row).Object = object;
}

QIcon GridModel::icon(int col, int row) const
{
    if (col < 0 || row < 0 || col >= colCount_ || row >= gridRowCount())
        return QIcon();
    const GridRow &cells = rows_[std::size_t(row)];
    return col < int(cells.size()) ? cells[std::size_t(col)].Icon : QIcon();
}

void GridModel::setIcon(int col, int row, const QIcon &icon)
{
    cellForWrite(col, row).Icon = icon;
    cellChanged(col, row);
}

QStringList GridModel::rowTexts(int row) const
{
    QStringList texts;
    texts.reserve(colCount_);
    for (int c = 0; c < colCount_; ++c)
        texts.append(text(c, row));
    return texts;
}

void GridModel::replaceDataRows(std::vector<GridRow> rows)
{
    beginResetModel();
    rows_.resize(std::size_t(fixedRows_));
    if (rows_.empty() && rows.empty())
        rows_.emplace_back();  // a grid keeps one row
    rows_.reserve(rows_.size() + rows.size());
    for (GridRow &row : rows) {
        if (int(row.size()) > colCount_)
            row.resize(std::size_t(colCount_));
        rows_.push_back(std::move(row));
    }
    endResetModel();
}

void GridModel::appendDataRows(std::vector<GridRow> rows)
{
    if (rows.empty())
        return;
    const int first = gridRowCount() - fixedRows_;
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    // No reserve of the exact size: batch after batch, that would move every
    // row each time; push_back grows geometrically.
    for (GridRow &row : rows) {
        if (int(row.size()) > colCount_)
            row.resize(std::size_t(colCount_));
        rows_.push_back(std::move(row));
    }
    endInsertRows();
}

std::vector<GridRow> GridModel::takeDataRows()
{
    beginResetModel();
    std::vector<GridRow> taken(std::make_move_iterator(rows_.begin() + fixedRows_),
                               std::make_move_iterator(rows_.end()));
    rows_.resize(std::size_t(fixedRows_));
    if (rows_.empty())
        rows_.emplace_back();  // a grid keeps one row
    endResetModel();
    return taken;
}

GridModel::~GridModel()
{
    if (discarding_.joinable())
        discarding_.join();
}

void GridModel::retainDataRows(const std::function<bool(const GridRow &)> &keep)
{
    beginResetModel();
    // The rows kept move to the front in their order, the others gather
    // behind them. A dropped row's icons go here, on the window's thread:
    // an icon's last copy takes its pixmaps with it.
    auto kept = rows_.begin() + fixedRows_;
    for (auto row = kept; row != rows_.end(); ++row) {
        if (!keep(*row)) {
            for (GridCell &cell : *row)
                cell.Icon = QIcon();
            continue;
        }
        if (row != kept)
            std::swap(*kept, *row);
        ++kept;
    }
    // New memory costs more than moving rows: the smaller part moves to a
    // vector of its own.
    std::vector<GridRow> dropped;
    if (kept - rows_.begin() < rows_.end() - kept) {
        std::vector<GridRow> keptRows(std::make_move_iterator(rows_.begin()), std::make_move_iterator(kept));
        dropped.swap(rows_);
        rows_.swap(keptRows);
    } else {
        dropped.assign(std::make_move_iterator(kept), std::make_move_iterator(rows_.end()));
        rows_.erase(kept, rows_.end());
    }
    if (rows_.empty())
        rows_.emplace_back();  // a grid keeps one row
    endResetModel();
    if (discarding_.joinable())
        discarding_.join();
    if (!dropped.empty())
        // Only texts are left in them, whose shared counts are atomic.
        discarding_ = std::thread([rows = std::move(dropped)]() mutable { rows.clear(); });
}

void GridModel::clearCells()
{
    for (GridRow &row : rows_)
        GridRow().swap(row);
    if (fixedRows_ > 0)
        emit headerDataChanged(Qt::Horizontal, 0, colCount_ - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, colCount_ - 1));
}

void GridModel::clearRow(int row)
{
    checkCell(0, row);
    GridRow().swap(rows_[std::size_t(row)]);
    for (int c = 0; c < colCount_; ++c)
        cellChanged(c, row);
}

void GridModel::clearColumn(int col)
{
    checkCell(col, 0);
    for (GridRow &row : rows_)
        if (col < int(row.size()))
            row[std::size_t(col)] = GridCell();
    if (fixedRows_ > 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    if (rowCount() > 0)
        emit dataChanged(index(0, col), index(rowCount() - 1, col));
}

void GridModel::permuteDataRows(const std::vector<int> &sourceRows)
{
    const int dataRows = rowCount();
    if (int(sourceRows.size()) != dataRows)
        throw EInvalidGridOperation("Row order does not fit the grid");
    // newPosition[old model row] = new model row; also checks the permutation.
    std::vector<int> newPosition(std::size_t(dataRows), -1);
    for (int i = 0; i < dataRows; ++i) {
        const int source = sourceRows[std::size_t(i)] - fixedRows_;
        if (source < 0 || source >= dataRows || newPosition[std::size_t(source)] != -1)
            throw EInvalidGridOperation("Row order is not a permutation of the data rows");
        newPosition[std::size_t(source)] = i;
    }

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<GridRow> reordered;
    reordered.reserve(rows_.size());
    for (int r = 0; r < fixedRows_; ++r)
        reordered.push_back(std::move(rows_[std::size_t(r)]));
    for (int source : sourceRows)
        reordered.push_back(std::move(rows_[std::size_t(source)]));
    rows_.swap(reordered);

    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &i : before)
        after.append(index(newPosition[std::size_t(i.row())], i.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void GridModel::moveRow(int from, int to)
{
    checkCell(0, from);
    checkCell(0, to);
    if (from == to)
        return;
    const auto shift = [&] {
        GridRow moving = std::move(rows_[std::size_t(from)]);
        rows_.erase(rows_.begin() + from);
        rows_.insert(rows_.begin() + to, std::move(moving));
    };
    if (from < fixedRows_ || to < fixedRows_) {
        // The title row takes part: the header and the data both change.
        beginResetModel();
        shift();
        endResetModel();
        emit headerDataChanged(Qt::Horizontal, 0, colCount_ - 1);
        return;
    }
    const int f = from - fixedRows_, t = to - fixedRows_;
    beginMoveRows(QModelIndex(), f, f, QModelIndex(), t > f ? t + 1 : t);
    shift();
    endMoveRows();
}

void GridModel::moveColumn(int from, int to)
{
    checkCell(from, 0);
    checkCell(to, 0);
    if (from == to)
        return;
    beginMoveColumns(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    for (GridRow &row : rows_) {
        const int last = std::max(from, to);
        if (int(row.size()) <= last)
            row.resize(std::size_t(last) + 1);
        GridCell moving = std::move(row[std::size_t(from)]);
        row.erase(row.begin() + from);
        row.insert(row.begin() + to, std::move(moving));
    }
    endMoveColumns();
    if (fixedRows_ > 0)
        emit headerDataChanged(Qt::Horizontal, std::min(from, to), std::max(from, to));
}

void GridModel::removeRow(int row)
{
    checkCell(0, row);
    if (gridRowCount() == 1) {  // a grid keeps one row: the last one is emptied instead
        clearRow(row);
        return;
    }
    if (row < fixedRows_) {
        beginResetModel();
        rows_.erase(rows_.begin() + row);
        fixedRows_ = std::min(fixedRows_, gridRowCount());
        endResetModel();
        emit headerDataChanged(Qt::Horizontal, 0, colCount_ - 1);
        return;
    }
    beginRemoveRows(QModelIndex(), row - fixedRows_, row - fixedRows_);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void GridModel::removeColumn(int col)
{
    checkCell(col, 0);
    if (colCount_ == 1) {
        clearColumn(col);
        return;
    }
    beginRemoveColumns(QModelIndex(), col, col);
    for (GridRow &row : rows_)
        if (col < int(row.size()))
            row.erase(row.begin() + col);
    --colCount_;
    endRemoveColumns();
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : gridRowCount() - fixedRows_;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : colCount_;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (index.isValid() && role == Qt::DecorationRole) {
        const QIcon cellIcon = icon(index.column(), index.row() + fixedRows_);
        return cellIcon.isNull() ? QVariant() : QVariant(cellIcon);
    }
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::AccessibleTextRole))
        return QVariant();
    return text(index.column(), index.row() + fixedRows_);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + fixedRows_;
    return fixedRows_ > 0 ? QVariant(text(section, 0)) : QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Whether a cell is edited at all is the view's choice (its edit triggers).
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}
