#include "controls/SortableGrid.h"

#include "controls/DelimitedText.h"

#include <QCollator>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QStyle>

#include <stdexcept>

namespace {

// The messages name their context: lupdate does not follow the class through
// SortableGrid.h's declarations before it, which tr() would need.
std::runtime_error fileError(const QString &message)
{
    return std::runtime_error(message.toStdString());
}

// Swapping as two moves: the later one to the earlier place, then the one
// that was there (now one further on) to the later place.
template <typename Move>
void swapByMoves(int indexA, int indexB, Move move)
{
    if (indexA == indexB)
        return;
    const int low = std::min(indexA, indexB);
    const int high = std::max(indexA, indexB);
    move(high, low);
    move(low + 1, high);
}

}  // namespace

// ---------------------------------------------------------------------------
// Rows and columns

void TSortableGrid::Clear()
{
    model_->clearCells();
    modified_ = false;
}

void TSortableGrid::InsertRow(int Index)
{
    if (Index < 0 || Index > RowCount())
        throw EInvalidGridOperation("Grid index out of range");
    setRowCount(RowCount() + 1);
    MoveRow(RowCount() - 1, Index);
    model_->clearRow(Index);
    if (Index >= FixedRows())
        setRow(Index);
    if (OnRowInsert)
        OnRowInsert(this, Index);
}

void TSortableGrid::InsertColumn(int Index)
{
    if (Index < 0 || Index > ColCount())
        throw EInvalidGridOperation("Grid index out of range");
    setColCount(ColCount() + 1);
    MoveColumn(ColCount() - 1, Index);
    model_->clearColumn(Index);
    setCol(Index);
    if (OnColumnInsert)
        OnColumnInsert(this, Index);
}

void TSortableGrid::DeleteRow(int Index)
{
    const int cols = ColCount(), rows = RowCount(), current = Row();
    model_->removeRow(Index);
    // The current cell keeps its place, as in a string grid, rather than
    // jumping to the row the view would choose.
    if (current >= FixedRows() && RowCount() > FixedRows())
        GoToCell(Col(), std::min(current, RowCount() - 1));
    countsChanged(cols, rows);
    if (OnRowDelete)
        OnRowDelete(this, Index);
}

void TSortableGrid::DeleteColumn(int Index)
{
    const int cols = ColCount(), rows = RowCount();
    model_->removeColumn(Index);
    countsChanged(cols, rows);
    if (OnColumnDelete)
        OnColumnDelete(this, Index);
}

void TSortableGrid::MoveRow(int FromIndex, int ToIndex)
{
    model_->moveRow(FromIndex, ToIndex);
}

void TSortableGrid::MoveColumn(int FromIndex, int ToIndex)
{
    model_->moveColumn(FromIndex, ToIndex);
}

void TSortableGrid::SwapRows(int IndexA, int IndexB)
{
    swapByMoves(IndexA, IndexB, [this](int from, int to) { MoveRow(from, to); });
}

void TSortableGrid::SwapColumns(int IndexA, int IndexB)
{
    swapByMoves(IndexA, IndexB, [this](int from, int to) { MoveColumn(from, to); });
}

// ---------------------------------------------------------------------------
// Fitting and searching

void TSortableGrid::FitColumn(int Col)
{
    if (Col < 0 || Col >= ColCount())
        throw EInvalidGridOperation("Grid index out of range");
    QFont font = this->font();
    int widest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        // Each cell is measured as it is drawn: from the defaults, changed by the format handler.
        QBrush brush = palette().brush(QPalette::Base);
        font = this->font();
        QColor color = palette().color(QPalette::Text);
        TFormatOptions options = DefaultFormat(brush, font, color);
        if (OnGetCellFormat) {
            TGridDrawState state;
            if (r < FixedRows())
                state |= gdFixed;
            else if (const QModelIndex index = modelIndex(Col, r); selectionModel()->isSelected(index))
                state |= gdSelected;
            if (hasFocus() && r == Row() && Col == this->Col())
                state |= gdFocused;
            OnGetCellFormat(this, Col, r, state, options);
        }
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(Cells(Col, r)));
    }
    // The style draws an item's text inside a margin on each side.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    setColWidths(Col, widest + QFontMetrics(font).horizontalAdvance(QStringLiteral("x")) + margins);
}

void TSortableGrid::FitColumns(bool, int ExtraWidth)
{
    // There are no fixed columns: every column is fitted.
    for (int c = 0; c < ColCount(); ++c) {
        FitColumn(c);
        if (ExtraWidth != 0)
            setColWidths(c, ColWidths(c) + ExtraWidth);
    }
}

bool TSortableGrid::FindCell(const QString &Text, int &Col, int &Row)
{
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (int c = 0; c < ColCount(); ++c) {
        for (int r = 0; r < RowCount(); ++r) {
            if (collator.compare(Cells(c, r), Text) == 0) {
                Col = c;
                Row = r;
                return true;
            }
        }
    }
    return false;
}

// ---------------------------------------------------------------------------
// Files

void TSortableGrid::LoadFromFile(const QString &FileName, QChar Delimiter)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw fileError(QCoreApplication::translate("TSortableGrid", "Cannot open file %1").arg(FileName));
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw fileError(QCoreApplication::translate("TSortableGrid", "Cannot read file %1").arg(FileName));
    const std::vector<QStringList> lines = gridlogic::ParseDelimited(contents, Delimiter);

    Clear();
    int cols = 1;
    for (const QStringList &fields : lines)
        cols = std::max(cols, int(fields.size()));
    setColCount(1);
    setColCount(cols);
    setRowCount(int(lines.size()));
    const int fixed = std::min(FixedRows(), int(lines.size()));
    for (int r = 0; r < fixed; ++r)
        setRows(r, lines[std::size_t(r)]);
    std::vector<GridRow> rows;
    rows.reserve(lines.size());
    for (std::size_t r = std::size_t(fixed); r < lines.size(); ++r) {
        GridRow row;
        for (const QString &field : lines[r])
            row.push_back(GridCell{field, nullptr});
        rows.push_back(std::move(row));
    }
    AssignDataRows(std::move(rows));
}

void TSortableGrid::SaveToFile(const QString &FileName, QChar Delimiter)
{
    QByteArray out;
    for (int r = 0; r < RowCount(); ++r)
        gridlogic::AppendDelimitedLine(out, Rows(r), Delimiter);
    // Written aside and renamed into place, so a failed write leaves any old file whole.
    QSaveFile file(FileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        throw fileError(QCoreApplication::translate("TSortableGrid", "Cannot create file %1").arg(FileName));
    if (file.write(out) != out.size() || !file.commit())
        throw fileError(QCoreApplication::translate("TSortableGrid", "Cannot write file %1").arg(FileName));
}
