#include "controls/GridModel.h"

#include <algorithm>

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent), m_rows(1) {}

void GridModel::setGridRowCount(int count)
{
    count = std::max(count, 1);
    const int old = gridRowCount();
    if (count == old)
        return;
    if (count < m_fixedRows)
        m_fixedRows = count;
    const int first = std::max(old, m_fixedRows) - m_fixedRows;
    if (count > old) {
        beginInsertRows(QModelIndex(), old - m_fixedRows, count - m_fixedRows - 1);
        m_rows.resize(std::size_t(count));
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), count - m_fixedRows, first - 1);
        m_rows.resize(std::size_t(count));
        endRemoveRows();
    }
}

void GridModel::setGridColCount(int count)
{
    count = std::max(count, 1);
    if (count == m_colCount)
        return;
    if (count > m_colCount) {
        beginInsertColumns(QModelIndex(), m_colCount, count - 1);
        m_colCount = count;
        endInsertColumns();
        return;
    }
    beginRemoveColumns(QModelIndex(), count, m_colCount - 1);
    // Cells beyond the new count go, so that growing again shows them empty.
    for (GridRow &row : m_rows)
        if (int(row.size()) > count)
            row.resize(std::size_t(count));
    m_colCount = count;
    endRemoveColumns();
}

void GridModel::setFixedRows(int count)
{
    if (count < 0 || count > 1 || count > gridRowCount())
        throw EInvalidGridOperation("Fixed row count must be 0 or 1 and not above the row count");
    if (count == m_fixedRows)
        return;
    beginResetModel();
    m_fixedRows = count;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, m_colCount - 1);
}

void GridModel::checkCell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= m_colCount || row >= gridRowCount())
        throw EInvalidGridOperation("Grid index out of range");
}

GridCell &GridModel::cellForWrite(int col, int row)
{
    checkCell(col, row);
    GridRow &cells = m_rows[std::size_t(row)];
    if (int(cells.size()) <= col)
        cells.resize(std::size_t(col) + 1);
    return cells[std::size_t(col)];
}

void GridModel::cellChanged(int col, int row)
{
    if (row < m_fixedRows)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - m_fixedRows, col), index(row - m_fixedRows, col));
}

QString GridModel::text(int col, int row) const
{
    if (col < 0 || row < 0 || col >= m_colCount || row >= gridRowCount())
        return QString();
    const GridRow &cells = m_rows[std::size_t(row)];
    return col < int(cells.size()) ? cells[std::size_t(col)].Text : QString();
}

void GridModel::setText(int col, int row, const QString &text)
{
    cellForWrite(col, row).Text = text;
    cellChanged(col, row);
}

void *GridModel::object(int col, int row) const
{
    if (col < 0 || row < 0 || col >= m_colCount || row >= gridRowCount())
        return nullptr;
    const GridRow &cells = m_rows[std::size_t(row)];
    return col < int(cells.size()) ? cells[std::size_t(col)].Object : nullptr;
}

void GridModel::setObject(int col, int row, void *object)
{
    cellForWrite(col, row).Object = object;
}

QIcon GridModel::icon(int col, int row) const
{
    if (col < 0 || row < 0 || col >= m_colCount || row >= gridRowCount())
        return QIcon();
    const GridRow &cells = m_rows[std::size_t(row)];
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
    texts.reserve(m_colCount);
    for (int c = 0; c < m_colCount; ++c)
        texts.append(text(c, row));
    return texts;
}

void GridModel::replaceDataRows(std::vector<GridRow> rows)
{
    beginResetModel();
    m_rows.resize(std::size_t(m_fixedRows));
    if (m_rows.empty() && rows.empty())
        m_rows.emplace_back();  // a grid keeps one row
    m_rows.reserve(m_rows.size() + rows.size());
    for (GridRow &row : rows) {
        if (int(row.size()) > m_colCount)
            row.resize(std::size_t(m_colCount));
        m_rows.push_back(std::move(row));
    }
    endResetModel();
}

void GridModel::clearCells()
{
    for (GridRow &row : m_rows)
        GridRow().swap(row);
    if (m_fixedRows > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_colCount - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, m_colCount - 1));
}

void GridModel::clearRow(int row)
{
    checkCell(0, row);
    GridRow().swap(m_rows[std::size_t(row)]);
    for (int c = 0; c < m_colCount; ++c)
        cellChanged(c, row);
}

void GridModel::clearColumn(int col)
{
    checkCell(col, 0);
    for (GridRow &row : m_rows)
        if (col < int(row.size()))
            row[std::size_t(col)] = GridCell();
    if (m_fixedRows > 0)
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
        const int source = sourceRows[std::size_t(i)] - m_fixedRows;
        if (source < 0 || source >= dataRows || newPosition[std::size_t(source)] != -1)
            throw EInvalidGridOperation("Row order is not a permutation of the data rows");
        newPosition[std::size_t(source)] = i;
    }

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<GridRow> reordered;
    reordered.reserve(m_rows.size());
    for (int r = 0; r < m_fixedRows; ++r)
        reordered.push_back(std::move(m_rows[std::size_t(r)]));
    for (int source : sourceRows)
        reordered.push_back(std::move(m_rows[std::size_t(source)]));
    m_rows.swap(reordered);

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
        GridRow moving = std::move(m_rows[std::size_t(from)]);
        m_rows.erase(m_rows.begin() + from);
        m_rows.insert(m_rows.begin() + to, std::move(moving));
    };
    if (from < m_fixedRows || to < m_fixedRows) {
        // The title row takes part: the header and the data both change.
        beginResetModel();
        shift();
        endResetModel();
        emit headerDataChanged(Qt::Horizontal, 0, m_colCount - 1);
        return;
    }
    const int f = from - m_fixedRows, t = to - m_fixedRows;
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
    for (GridRow &row : m_rows) {
        const int last = std::max(from, to);
        if (int(row.size()) <= last)
            row.resize(std::size_t(last) + 1);
        GridCell moving = std::move(row[std::size_t(from)]);
        row.erase(row.begin() + from);
        row.insert(row.begin() + to, std::move(moving));
    }
    endMoveColumns();
    if (m_fixedRows > 0)
        emit headerDataChanged(Qt::Horizontal, std::min(from, to), std::max(from, to));
}

void GridModel::removeRow(int row)
{
    checkCell(0, row);
    if (gridRowCount() == 1) {  // a grid keeps one row: the last one is emptied instead
        clearRow(row);
        return;
    }
    if (row < m_fixedRows) {
        beginResetModel();
        m_rows.erase(m_rows.begin() + row);
        m_fixedRows = std::min(m_fixedRows, gridRowCount());
        endResetModel();
        emit headerDataChanged(Qt::Horizontal, 0, m_colCount - 1);
        return;
    }
    beginRemoveRows(QModelIndex(), row - m_fixedRows, row - m_fixedRows);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void GridModel::removeColumn(int col)
{
    checkCell(col, 0);
    if (m_colCount == 1) {
        clearColumn(col);
        return;
    }
    beginRemoveColumns(QModelIndex(), col, col);
    for (GridRow &row : m_rows)
        if (col < int(row.size()))
            row.erase(row.begin() + col);
    --m_colCount;
    endRemoveColumns();
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : gridRowCount() - m_fixedRows;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_colCount;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (index.isValid() && role == Qt::DecorationRole) {
        const QIcon cellIcon = icon(index.column(), index.row() + m_fixedRows);
        return cellIcon.isNull() ? QVariant() : QVariant(cellIcon);
    }
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::AccessibleTextRole))
        return QVariant();
    return text(index.column(), index.row() + m_fixedRows);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + m_fixedRows;
    return m_fixedRows > 0 ? QVariant(text(section, 0)) : QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Whether a cell is edited at all is the view's choice (its edit triggers).
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}
