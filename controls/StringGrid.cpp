#include "controls/StringGrid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {

const char kIndexOutOfRange[] = "Grid index out of range";
constexpr int kSizingTolerance = 2;  // pixels either side of a border that grab it

// Where a cell index ends up when one row or column moves from one index to another.
void moveAdjust(int &pos, int from, int to)
{
    if (pos == from)
        pos = to;
    else if (pos > from && pos <= to)
        --pos;
    else if (pos < from && pos >= to)
        ++pos;
}

template <typename T>
void moveElement(std::vector<T> &v, int from, int to)
{
    const auto b = v.begin();
    if (from < to)
        std::rotate(b + from, b + from + 1, b + to + 1);
    else if (to < from)
        std::rotate(b + to, b + from, b + from + 1);
}

}  // namespace

// ---------------------------------------------------------------------------
// TGridCanvas

void TGridCanvas::FillRect(const QRect &rect)
{
    if (Painter)
        Painter->fillRect(rect, Brush);
}

void TGridCanvas::TextRect(const QRect &rect, int x, int y, const QString &text)
{
    if (!Painter || text.isEmpty())
        return;
    Painter->save();
    Painter->setClipRect(rect, Qt::IntersectClip);
    Painter->setFont(Font);
    Painter->setPen(FontColor);
    Painter->drawText(QPoint(x, y + QFontMetrics(Font).ascent()), text);
    Painter->restore();
}

int TGridCanvas::TextWidth(const QString &text) const
{
    return QFontMetrics(Font).horizontalAdvance(text);
}

int TGridCanvas::TextHeight(const QString &) const
{
    return QFontMetrics(Font).height();
}

// ---------------------------------------------------------------------------
// TInplaceEdit

TInplaceEdit::TInplaceEdit(TStringGrid *grid) : QLineEdit(grid->viewport()), m_grid(grid)
{
    setFrame(false);
    hide();
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_grid->SetEditText(m_grid->Col(), m_grid->Row(), text); });
}

void TInplaceEdit::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    bool toGrid = false;
    switch (event->key()) {
    case Qt::Key_Escape:
        // Take the edit back and leave the editor.
        setText(m_grid->m_editorOriginalText);
        m_grid->SetEditText(m_grid->Col(), m_grid->Row(), m_grid->m_editorOriginalText);
        if (!(m_grid->Options() & goAlwaysShowEditor))
            m_grid->HideEditor();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        toGrid = true;
        break;
    case Qt::Key_Left:
        toGrid = cursorPosition() == 0 && !hasSelectedText();
        break;
    case Qt::Key_Right:
        toGrid = cursorPosition() == text().size() && !hasSelectedText();
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
        toGrid = mods & Qt::ControlModifier;
        break;
    default:
        break;
    }
    if (toGrid)
        m_grid->keyPressEvent(event);
    else
        QLineEdit::keyPressEvent(event);
}

void TInplaceEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    m_grid->editorGainedFocus();
}

void TInplaceEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    m_grid->editorLostFocus(event);
}

// ---------------------------------------------------------------------------
// TStringGrid: construction and storage

TStringGrid::TStringGrid(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    m_rows.resize(std::size_t(m_rowCount));
    m_colWidths.assign(std::size_t(m_colCount), m_defaultColWidth);
    m_rowHeights.assign(std::size_t(m_rowCount), m_defaultRowHeight);
    for (QScrollBar *bar : {verticalScrollBar(), horizontalScrollBar()}) {
        bar->setSingleStep(1);
        bar->setPageStep(0);  // the platform's standard thumb until someone sizes it
        bar->setTracking(false);
    }
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { pageAction(Qt::Vertical, action); });
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { pageAction(Qt::Horizontal, action); });
    UpdateScrollRange();
}

TStringGrid::~TStringGrid() = default;

void TStringGrid::checkCell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= m_colCount || row >= m_rowCount)
        throw EInvalidGridOperation(kIndexOutOfRange);
}

TStringGrid::Cell &TStringGrid::cellForWrite(int col, int row)
{
    checkCell(col, row);
    std::vector<Cell> &cells = m_rows[std::size_t(row)].Cells;
    if (cells.size() <= std::size_t(col))
        cells.resize(std::size_t(m_colCount));
    return cells[std::size_t(col)];
}

QString TStringGrid::Cells(int col, int row) const
{
    if (col < 0 || row < 0 || col >= m_colCount || row >= m_rowCount)
        return QString();
    const std::vector<Cell> &cells = m_rows[std::size_t(row)].Cells;
    return std::size_t(col) < cells.size() ? cells[std::size_t(col)].Text : QString();
}

void TStringGrid::setCells(int col, int row, const QString &text)
{
    cellForWrite(col, row).Text = text;
    if (m_editorMode && col == m_curCol && row == m_curRow && m_editor->text() != text)
        m_editor->setText(text);
    // Only a cell that may be on screen costs a repaint.
    if (row < m_fixedRows || (row >= m_topRow && row <= m_topRow + VisibleRowCount()))
        viewport()->update();
}

void *TStringGrid::Objects(int col, int row) const
{
    if (col < 0 || row < 0 || col >= m_colCount || row >= m_rowCount)
        return nullptr;
    const std::vector<Cell> &cells = m_rows[std::size_t(row)].Cells;
    return std::size_t(col) < cells.size() ? cells[std::size_t(col)].Object : nullptr;
}

void TStringGrid::setObjects(int col, int row, void *object)
{
    cellForWrite(col, row).Object = object;
}

QStringList TStringGrid::Rows(int row) const
{
    QStringList list;
    for (int c = 0; c < m_colCount; ++c)
        list.append(Cells(c, row));
    return list;
}

void TStringGrid::setRows(int row, const QStringList &texts)
{
    for (int c = 0; c < m_colCount; ++c)
        setCells(c, row, c < texts.size() ? texts[c] : QString());
}

QStringList TStringGrid::Cols(int col) const
{
    QStringList list;
    for (int r = 0; r < m_rowCount; ++r)
        list.append(Cells(col, r));
    return list;
}

void TStringGrid::setCols(int col, const QStringList &texts)
{
    for (int r = 0; r < m_rowCount; ++r)
        setCells(col, r, r < texts.size() ? texts[r] : QString());
}

void TStringGrid::PermuteRows(const std::vector<int> &sourceRows)
{
    const int n = m_rowCount - m_fixedRows;
    // A bad permutation would duplicate one row over another; refuse it whole.
    if (int(sourceRows.size()) != n)
        throw EInvalidGridOperation(kIndexOutOfRange);
    std::vector<char> seen(std::size_t(n), 0);
    for (int src : sourceRows) {
        if (src < m_fixedRows || src >= m_rowCount || seen[std::size_t(src - m_fixedRows)])
            throw EInvalidGridOperation(kIndexOutOfRange);
        seen[std::size_t(src - m_fixedRows)] = 1;
    }
    std::vector<GridRow> moved;
    moved.reserve(std::size_t(n));
    for (int src : sourceRows)
        moved.push_back(std::move(m_rows[std::size_t(src)]));
    for (int i = 0; i < n; ++i)
        m_rows[std::size_t(m_fixedRows + i)] = std::move(moved[std::size_t(i)]);
    if (m_editorMode)
        m_editor->setText(Cells(m_curCol, m_curRow));
    viewport()->update();
}

void TStringGrid::ClearAllCells()
{
    for (GridRow &row : m_rows)
        std::vector<Cell>().swap(row.Cells);
    if (m_editorMode)
        m_editor->setText(QString());
    viewport()->update();
}

void TStringGrid::ClearRow(int row)
{
    checkCell(0, row);
    std::vector<Cell>().swap(m_rows[std::size_t(row)].Cells);
    if (m_editorMode && row == m_curRow)
        m_editor->setText(QString());
    viewport()->update();
}

void TStringGrid::ClearColumn(int col)
{
    checkCell(col, 0);
    for (GridRow &row : m_rows)
        if (std::size_t(col) < row.Cells.size())
            row.Cells[std::size_t(col)] = Cell();
    if (m_editorMode && col == m_curCol)
        m_editor->setText(QString());
    viewport()->update();
}

// ---------------------------------------------------------------------------
// Counts and extents

void TStringGrid::setColCount(int value)
{
    value = std::max(1, value);
    if (value == m_colCount)
        return;
    const int oldCols = m_colCount, oldRows = m_rowCount;
    if (value <= m_fixedCols)
        m_fixedCols = value - 1;
    if (value < m_colCount)
        for (GridRow &row : m_rows)
            if (row.Cells.size() > std::size_t(value))
                row.Cells.resize(std::size_t(value));
    m_colWidths.resize(std::size_t(value), m_defaultColWidth);
    m_colCount = value;
    layoutChanged();
    SizeChanged(oldCols, oldRows);
}

void TStringGrid::setRowCount(int value)
{
    value = std::max(1, value);
    if (value == m_rowCount)
        return;
    const int oldCols = m_colCount, oldRows = m_rowCount;
    if (value <= m_fixedRows)
        m_fixedRows = value - 1;
    m_rows.resize(std::size_t(value));
    m_rowHeights.resize(std::size_t(value), m_defaultRowHeight);
    m_rowCount = value;
    layoutChanged();
    SizeChanged(oldCols, oldRows);
}

void TStringGrid::setFixedCols(int value)
{
    if (value == m_fixedCols)
        return;
    if (value < 0)
        throw EInvalidGridOperation(kIndexOutOfRange);
    if (value >= m_colCount)
        throw EInvalidGridOperation("Fixed column count must be less than column count");
    m_fixedCols = value;
    // The grid starts over at its first data cell, as after creation.
    m_curCol = m_anchorCol = m_leftCol = m_fixedCols;
    if (m_options & goRowSelect)
        m_anchorCol = m_colCount - 1;
    layoutChanged();
}

void TStringGrid::setFixedRows(int value)
{
    if (value == m_fixedRows)
        return;
    if (value < 0)
        throw EInvalidGridOperation(kIndexOutOfRange);
    if (value >= m_rowCount)
        throw EInvalidGridOperation("Fixed row count must be less than row count");
    m_fixedRows = value;
    m_curRow = m_anchorRow = m_topRow = m_fixedRows;
    layoutChanged();
}

void TStringGrid::setDefaultColWidth(int value)
{
    m_defaultColWidth = std::max(0, value);
    std::fill(m_colWidths.begin(), m_colWidths.end(), m_defaultColWidth);
    layoutChanged();
    ColWidthsChanged();
}

void TStringGrid::setDefaultRowHeight(int value)
{
    m_defaultRowHeight = std::max(0, value);
    std::fill(m_rowHeights.begin(), m_rowHeights.end(), m_defaultRowHeight);
    layoutChanged();
    RowHeightsChanged();
}

int TStringGrid::ColWidths(int col) const
{
    return col >= 0 && col < m_colCount ? m_colWidths[std::size_t(col)] : m_defaultColWidth;
}

void TStringGrid::setColWidths(int col, int width)
{
    if (col < 0 || col >= m_colCount)
        throw EInvalidGridOperation(kIndexOutOfRange);
    width = std::max(0, width);
    if (m_colWidths[std::size_t(col)] == width)
        return;
    m_colWidths[std::size_t(col)] = width;
    layoutChanged();
    ColWidthsChanged();
}

int TStringGrid::RowHeights(int row) const
{
    return row >= 0 && row < m_rowCount ? m_rowHeights[std::size_t(row)] : m_defaultRowHeight;
}

void TStringGrid::setRowHeights(int row, int height)
{
    if (row < 0 || row >= m_rowCount)
        throw EInvalidGridOperation(kIndexOutOfRange);
    height = std::max(0, height);
    if (m_rowHeights[std::size_t(row)] == height)
        return;
    m_rowHeights[std::size_t(row)] = height;
    layoutChanged();
    RowHeightsChanged();
}

// ---------------------------------------------------------------------------
// Geometry

int TStringGrid::lineWidthX() const
{
    return (m_options & (goFixedVertLine | goVertLine)) ? 1 : 0;
}

int TStringGrid::lineWidthY() const
{
    return (m_options & (goFixedHorzLine | goHorzLine)) ? 1 : 0;
}

int TStringGrid::fixedWidth() const
{
    int w = 0;
    for (int c = 0; c < m_fixedCols; ++c)
        w += m_colWidths[std::size_t(c)] + lineWidthX();
    return w;
}

int TStringGrid::fixedHeight() const
{
    int h = 0;
    for (int r = 0; r < m_fixedRows; ++r)
        h += m_rowHeights[std::size_t(r)] + lineWidthY();
    return h;
}

// The highest top row that still fills the view: the last row fully visible.
int TStringGrid::maxTopRow() const
{
    const int avail = viewport()->height() - fixedHeight();
    const int lw = lineWidthY();
    int r = m_rowCount - 1;
    int used = m_rowHeights[std::size_t(r)];
    while (r - 1 >= m_fixedRows && used + lw + m_rowHeights[std::size_t(r - 1)] <= avail) {
        used += lw + m_rowHeights[std::size_t(r - 1)];
        --r;
    }
    return std::max(m_fixedRows, r);
}

int TStringGrid::maxLeftCol() const
{
    const int avail = viewport()->width() - fixedWidth();
    const int lw = lineWidthX();
    int c = m_colCount - 1;
    int used = m_colWidths[std::size_t(c)];
    while (c - 1 >= m_fixedCols && used + lw + m_colWidths[std::size_t(c - 1)] <= avail) {
        used += lw + m_colWidths[std::size_t(c - 1)];
        --c;
    }
    return std::max(m_fixedCols, c);
}

int TStringGrid::VisibleRowCount() const
{
    const int h = viewport()->height();
    const int lw = lineWidthY();
    int y = fixedHeight();
    int n = 0;
    for (int r = m_topRow; r < m_rowCount; ++r) {
        const int rh = m_rowHeights[std::size_t(r)];
        if (y + rh > h)
            break;
        ++n;
        y += rh + lw;
    }
    return n;
}

int TStringGrid::VisibleColCount() const
{
    const int w = viewport()->width();
    const int lw = lineWidthX();
    int x = fixedWidth();
    int n = 0;
    for (int c = m_leftCol; c < m_colCount; ++c) {
        const int cw = m_colWidths[std::size_t(c)];
        if (x + cw > w)
            break;
        ++n;
        x += cw + lw;
    }
    return n;
}

QRect TStringGrid::CellRect(int col, int row) const
{
    if (col < 0 || row < 0 || col >= m_colCount || row >= m_rowCount)
        return QRect();
    const int vw = viewport()->width(), vh = viewport()->height();
    const int lwx = lineWidthX(), lwy = lineWidthY();
    int x = 0;
    if (col < m_fixedCols) {
        for (int c = 0; c < col; ++c)
            x += m_colWidths[std::size_t(c)] + lwx;
    } else {
        if (col < m_leftCol)
            return QRect();
        x = fixedWidth();
        for (int c = m_leftCol; c < col && x < vw; ++c)
            x += m_colWidths[std::size_t(c)] + lwx;
    }
    int y = 0;
    if (row < m_fixedRows) {
        for (int r = 0; r < row; ++r)
            y += m_rowHeights[std::size_t(r)] + lwy;
    } else {
        if (row < m_topRow)
            return QRect();
        y = fixedHeight();
        for (int r = m_topRow; r < row && y < vh; ++r)
            y += m_rowHeights[std::size_t(r)] + lwy;
    }
    if (x >= vw || y >= vh)
        return QRect();
    return QRect(x, y, m_colWidths[std::size_t(col)], m_rowHeights[std::size_t(row)]);
}

TGridCoord TStringGrid::MouseCoord(int x, int y) const
{
    TGridCoord coord;
    const int vw = viewport()->width(), vh = viewport()->height();
    if (x >= 0 && x < vw) {
        const int lw = lineWidthX();
        int pos = 0;
        for (int c = 0; c < m_fixedCols && coord.X < 0; ++c) {
            pos += m_colWidths[std::size_t(c)] + lw;
            if (x < pos)
                coord.X = c;
        }
        for (int c = m_leftCol; c < m_colCount && coord.X < 0 && pos < vw; ++c) {
            pos += m_colWidths[std::size_t(c)] + lw;
            if (x < pos)
                coord.X = c;
        }
    }
    if (y >= 0 && y < vh) {
        const int lw = lineWidthY();
        int pos = 0;
        for (int r = 0; r < m_fixedRows && coord.Y < 0; ++r) {
            pos += m_rowHeights[std::size_t(r)] + lw;
            if (y < pos)
                coord.Y = r;
        }
        for (int r = m_topRow; r < m_rowCount && coord.Y < 0 && pos < vh; ++r) {
            pos += m_rowHeights[std::size_t(r)] + lw;
            if (y < pos)
                coord.Y = r;
        }
    }
    return coord;
}

// ---------------------------------------------------------------------------
// Current cell, selection, scrolling

TGridRect TStringGrid::Selection() const
{
    return TGridRect{std::min(m_anchorCol, m_curCol), std::min(m_anchorRow, m_curRow),
                     std::max(m_anchorCol, m_curCol), std::max(m_anchorRow, m_curRow)};
}

void TStringGrid::setSelection(const TGridRect &rect)
{
    auto clampCol = [this](int c) { return std::clamp(c, m_fixedCols, m_colCount - 1); };
    auto clampRow = [this](int r) { return std::clamp(r, m_fixedRows, m_rowCount - 1); };
    m_anchorCol = clampCol(rect.Left);
    m_anchorRow = clampRow(rect.Top);
    m_curCol = clampCol(rect.Right);
    m_curRow = clampRow(rect.Bottom);
    if (m_options & goRowSelect) {
        m_curCol = m_fixedCols;
        m_anchorCol = m_colCount - 1;
    }
    updateEditor();
    viewport()->update();
}

void TStringGrid::setCol(int col)
{
    if (col < 0 || col >= m_colCount)
        throw EInvalidGridOperation(kIndexOutOfRange);
    col = std::max(col, m_fixedCols);
    if (col != m_curCol)
        FocusCell(col, m_curRow, true);
}

void TStringGrid::setRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        throw EInvalidGridOperation(kIndexOutOfRange);
    row = std::max(row, m_fixedRows);
    if (row != m_curRow)
        FocusCell(m_curCol, row, true);
}

void TStringGrid::FocusCell(int col, int row, bool moveAnchor)
{
    moveCurrent(col, row, moveAnchor, true);
}

bool TStringGrid::moveCurrent(int col, int row, bool moveAnchor, bool show)
{
    checkCell(col, row);
    if (!SelectCell(col, row))
        return false;
    m_curCol = col;
    m_curRow = row;
    if (!(m_options & goAlwaysShowEditor))
        HideEditor();
    if (moveAnchor || !(m_options & goRangeSelect)) {
        m_anchorCol = m_curCol;
        m_anchorRow = m_curRow;
    }
    if (m_options & goRowSelect) {
        m_curCol = m_fixedCols;
        m_anchorCol = m_colCount - 1;
    }
    if (show)
        scrollIntoView(m_curCol, m_curRow);
    updateEditor();
    viewport()->update();
    Click();
    return true;
}

// Mouse selection moves the far corner; the current cell stays where the drag began.
void TStringGrid::moveAnchorTo(int col, int row)
{
    if ((m_options & (goRangeSelect | goEditing)) == goRangeSelect) {
        m_anchorCol = col;
        m_anchorRow = row;
        if (m_options & goRowSelect)
            m_anchorCol = m_colCount - 1;
        scrollIntoView(col, row);
        viewport()->update();
    } else {
        moveCurrent(col, row, true, true);
    }
}

void TStringGrid::scrollIntoView(int col, int row)
{
    if (row >= m_fixedRows) {
        const int visible = VisibleRowCount();
        if (row < m_topRow) {
            setTopRow(row);
        } else if (visible == 0 || row > m_topRow + visible - 1) {
            // The top row that shows `row` as the last fully visible one.
            const int avail = viewport()->height() - fixedHeight();
            const int lw = lineWidthY();
            int top = row;
            int used = m_rowHeights[std::size_t(row)];
            while (top - 1 >= m_fixedRows && used + lw + m_rowHeights[std::size_t(top - 1)] <= avail) {
                used += lw + m_rowHeights[std::size_t(top - 1)];
                --top;
            }
            setTopRow(top);
        }
    }
    if (col >= m_fixedCols && !(m_options & goRowSelect)) {
        const int visible = VisibleColCount();
        if (col < m_leftCol) {
            setLeftCol(col);
        } else if (visible == 0 || col > m_leftCol + visible - 1) {
            const int avail = viewport()->width() - fixedWidth();
            const int lw = lineWidthX();
            int left = col;
            int used = m_colWidths[std::size_t(col)];
            while (left - 1 >= m_fixedCols && used + lw + m_colWidths[std::size_t(left - 1)] <= avail) {
                used += lw + m_colWidths[std::size_t(left - 1)];
                --left;
            }
            setLeftCol(left);
        }
    }
}

void TStringGrid::setTopRow(int row)
{
    row = std::clamp(row, m_fixedRows, maxTopRow());
    if (row == m_topRow)
        return;
    m_topRow = row;
    m_syncingScrollBars = true;
    verticalScrollBar()->setValue(m_topRow - m_fixedRows);
    m_syncingScrollBars = false;
    updateEditor();
    viewport()->update();
    TopLeftChanged();
}

void TStringGrid::setLeftCol(int col)
{
    col = std::clamp(col, m_fixedCols, maxLeftCol());
    if (col == m_leftCol)
        return;
    m_leftCol = col;
    m_syncingScrollBars = true;
    horizontalScrollBar()->setValue(m_leftCol - m_fixedCols);
    m_syncingScrollBars = false;
    updateEditor();
    viewport()->update();
    TopLeftChanged();
}

void TStringGrid::scrollContentsBy(int, int)
{
    if (m_syncingScrollBars)
        return;
    setTopRow(m_fixedRows + verticalScrollBar()->value());
    setLeftCol(m_fixedCols + horizontalScrollBar()->value());
}

// A click in the scroll bar's trough pages by the fully visible rows or
// columns, whatever page step the thumb's size needs.
void TStringGrid::pageAction(Qt::Orientation orientation, int action)
{
    if (action != QAbstractSlider::SliderPageStepAdd && action != QAbstractSlider::SliderPageStepSub)
        return;
    QScrollBar *bar = orientation == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    const int page = std::max(1, orientation == Qt::Vertical ? VisibleRowCount() : VisibleColCount());
    const int step = action == QAbstractSlider::SliderPageStepAdd ? page : -page;
    bar->setSliderPosition(std::clamp(bar->value() + step, bar->minimum(), bar->maximum()));
}

void TStringGrid::clampPositions()
{
    m_curCol = std::clamp(m_curCol, m_fixedCols, m_colCount - 1);
    m_curRow = std::clamp(m_curRow, m_fixedRows, m_rowCount - 1);
    m_anchorCol = std::clamp(m_anchorCol, m_fixedCols, m_colCount - 1);
    m_anchorRow = std::clamp(m_anchorRow, m_fixedRows, m_rowCount - 1);
    if (m_options & goRowSelect) {
        m_curCol = m_fixedCols;
        m_anchorCol = m_colCount - 1;
    }
    m_topRow = std::clamp(m_topRow, m_fixedRows, maxTopRow());
    m_leftCol = std::clamp(m_leftCol, m_fixedCols, maxLeftCol());
}

// Scroll positions count whole rows and columns: value = TopRow - FixedRows.
void TStringGrid::UpdateScrollRange()
{
    m_syncingScrollBars = true;
    clampPositions();
    bool showOrHide = false;
    auto apply = [&showOrHide](QScrollBar *bar, int maximum, int value) {
        const bool wasScrollable = bar->maximum() > bar->minimum();
        {
            // Every range change would otherwise queue a relayout of the scroll
            // area; filling a grid row by row would queue one per row.
            const QSignalBlocker blocker(bar);
            bar->setRange(0, maximum);
            bar->setValue(value);
        }
        showOrHide |= wasScrollable != (maximum > 0);
    };
    apply(verticalScrollBar(), maxTopRow() - m_fixedRows, m_topRow - m_fixedRows);
    apply(horizontalScrollBar(), maxLeftCol() - m_fixedCols, m_leftCol - m_fixedCols);
    m_syncingScrollBars = false;
    if (showOrHide && isVisible()) {
        // Lets the scroll area show or hide an as-needed bar now.
        setVerticalScrollBarPolicy(verticalScrollBarPolicy());
    }
}

void TStringGrid::layoutChanged()
{
    UpdateScrollRange();
    updateEditor();
    viewport()->update();
}

void TStringGrid::InvalidateGrid()
{
    viewport()->update();
}

// ---------------------------------------------------------------------------
// Options

void TStringGrid::setOptions(TGridOptions options)
{
    if (options & goRowSelect)
        options &= ~TGridOptions(goAlwaysShowEditor);
    if (options == m_options)
        return;
    m_options = options;
    for (QScrollBar *bar : {verticalScrollBar(), horizontalScrollBar()})
        bar->setTracking(m_options & goThumbTracking);
    if (!m_editorMode) {
        if ((m_options & goAlwaysShowEditor) && m_focusWithin)
            ShowEditor();
    } else if (!(m_options & goEditing) || (m_options & goRowSelect)) {
        HideEditor();
    }
    if (m_options & goRowSelect) {
        m_curCol = m_fixedCols;
        m_anchorCol = m_colCount - 1;
    }
    layoutChanged();
}

void TStringGrid::setScrollBars(TScrollStyle style)
{
    if (style == m_scrollBars)
        return;
    m_scrollBars = style;
    setVerticalScrollBarPolicy(style == ssVertical || style == ssBoth ? Qt::ScrollBarAsNeeded
                                                                      : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(style == ssHorizontal || style == ssBoth ? Qt::ScrollBarAsNeeded
                                                                          : Qt::ScrollBarAlwaysOff);
    layoutChanged();
}

void TStringGrid::setDefaultDrawing(bool on)
{
    m_defaultDrawing = on;
    viewport()->update();
}

// ---------------------------------------------------------------------------
// Rows and columns

void TStringGrid::MoveRow(int fromIndex, int toIndex)
{
    if (fromIndex < 0 || toIndex < 0 || fromIndex >= m_rowCount || toIndex >= m_rowCount)
        throw EInvalidGridOperation(kIndexOutOfRange);
    if (fromIndex == toIndex)
        return;
    moveElement(m_rows, fromIndex, toIndex);
    moveElement(m_rowHeights, fromIndex, toIndex);
    moveAdjust(m_curRow, fromIndex, toIndex);
    moveAdjust(m_anchorRow, fromIndex, toIndex);
    layoutChanged();
    RowMoved(fromIndex, toIndex);
}

void TStringGrid::MoveColumn(int fromIndex, int toIndex)
{
    if (fromIndex < 0 || toIndex < 0 || fromIndex >= m_colCount || toIndex >= m_colCount)
        throw EInvalidGridOperation(kIndexOutOfRange);
    if (fromIndex == toIndex)
        return;
    const std::size_t low = std::size_t(std::min(fromIndex, toIndex));
    const std::size_t high = std::size_t(std::max(fromIndex, toIndex));
    for (GridRow &row : m_rows) {
        if (row.Cells.size() <= low)
            continue;  // every cell in the moved range is empty
        if (row.Cells.size() <= high)
            row.Cells.resize(high + 1);
        moveElement(row.Cells, fromIndex, toIndex);
    }
    moveElement(m_colWidths, fromIndex, toIndex);
    moveAdjust(m_curCol, fromIndex, toIndex);
    moveAdjust(m_anchorCol, fromIndex, toIndex);
    layoutChanged();
    ColumnMoved(fromIndex, toIndex);
}

void TStringGrid::DeleteRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        throw EInvalidGridOperation(kIndexOutOfRange);
    MoveRow(row, m_rowCount - 1);
    if (m_rowCount == 1)
        m_rows[0] = GridRow();  // the last row cannot go; it is emptied instead
    setRowCount(m_rowCount - 1);
}

void TStringGrid::DeleteColumn(int col)
{
    if (col < 0 || col >= m_colCount)
        throw EInvalidGridOperation(kIndexOutOfRange);
    MoveColumn(col, m_colCount - 1);
    if (m_colCount == 1)
        for (GridRow &row : m_rows)
            row.Cells.clear();
    setColCount(m_colCount - 1);
}

// ---------------------------------------------------------------------------
// Hooks

bool TStringGrid::SelectCell(int col, int row)
{
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

void TStringGrid::Click()
{
    if (OnClick)
        OnClick(this);
}

void TStringGrid::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TStringGrid::DoExit()
{
    if (OnExit)
        OnExit(this);
}

QString TStringGrid::GetEditText(int col, int row)
{
    return Cells(col, row);
}

void TStringGrid::SetEditText(int col, int row, const QString &value)
{
    setCells(col, row, value);
    if (OnSetEditText)
        OnSetEditText(this, col, row, value);
}

void TStringGrid::ColWidthsChanged() {}
void TStringGrid::RowHeightsChanged() {}
void TStringGrid::SizeChanged(int, int) {}

void TStringGrid::TopLeftChanged()
{
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}

void TStringGrid::ColumnMoved(int fromIndex, int toIndex)
{
    if (OnColumnMoved)
        OnColumnMoved(this, fromIndex, toIndex);
}

void TStringGrid::RowMoved(int fromIndex, int toIndex)
{
    if (OnRowMoved)
        OnRowMoved(this, fromIndex, toIndex);
}

// ---------------------------------------------------------------------------
// In-place editor

void TStringGrid::setEditorMode(bool on)
{
    if (on)
        ShowEditor();
    else
        HideEditor();
}

void TStringGrid::ShowEditor()
{
    if (!(m_options & goEditing) || (m_options & goRowSelect))
        return;
    if (!m_editor) {
        m_editor = new TInplaceEdit(this);
        m_editor->setFont(font());
    }
    m_editorMode = true;
    m_editorOriginalText = GetEditText(m_curCol, m_curRow);
    m_editor->setText(m_editorOriginalText);
    m_editor->setProperty("gridCol", m_curCol);
    m_editor->setProperty("gridRow", m_curRow);
    updateEditor();
    m_editor->show();
    m_editor->setFocus();
    m_editor->selectAll();
    viewport()->update();
}

void TStringGrid::HideEditor()
{
    if (!m_editorMode)
        return;
    m_editorMode = false;
    if (m_editor->hasFocus())
        setFocus();  // before hiding, so the focus stays within the grid
    m_editor->hide();
    viewport()->update();
}

void TStringGrid::updateEditor()
{
    if (!m_editorMode || !m_editor)
        return;
    if (m_editor->property("gridCol").toInt() != m_curCol || m_editor->property("gridRow").toInt() != m_curRow) {
        m_editorOriginalText = GetEditText(m_curCol, m_curRow);
        m_editor->setText(m_editorOriginalText);
        m_editor->setProperty("gridCol", m_curCol);
        m_editor->setProperty("gridRow", m_curRow);
    }
    const QRect r = CellRect(m_curCol, m_curRow);
    // A cell scrolled out of view keeps its editor, out of sight.
    m_editor->setGeometry(r.isValid() ? r : QRect(-10000, -10000, 10, 10));
}

// ---------------------------------------------------------------------------
// Focus

void TStringGrid::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (!m_focusWithin) {
        m_focusWithin = true;
        DoEnter();
    }
    if ((m_options & goAlwaysShowEditor) && !m_editorMode)
        ShowEditor();
    viewport()->update();
}

void TStringGrid::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    focusLeft(event);
    viewport()->update();
}

void TStringGrid::editorGainedFocus()
{
    if (!m_focusWithin) {
        m_focusWithin = true;
        DoEnter();
    }
}

void TStringGrid::editorLostFocus(QFocusEvent *event)
{
    focusLeft(event);
}

// Focus passing between the grid and its editor, or the window losing
// activation, does not leave the grid.
void TStringGrid::focusLeft(QFocusEvent *event)
{
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    QWidget *now = QApplication::focusWidget();
    if (now && (now == this || isAncestorOf(now)))
        return;
    if (m_focusWithin) {
        m_focusWithin = false;
        DoExit();
    }
}

// ---------------------------------------------------------------------------
// Keyboard

bool TStringGrid::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (m_options & goTabs)) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && !(key->modifiers() & Qt::AltModifier)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TStringGrid::keyPressEvent(QKeyEvent *event)
{
    KeyDown(event->key(), event->modifiers());
    const QString text = event->text();
    if (!text.isEmpty()) {
        QChar c = text.front();
        KeyPress(c);
    }
    event->accept();
}

void TStringGrid::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool rowSelect = m_options & goRowSelect;
    const int pageHeight = std::max(1, VisibleRowCount());
    const int pageWidth = std::max(1, VisibleColCount());
    int col = m_curCol, row = m_curRow;
    int top = m_topRow, left = m_leftCol;

    if (ctrl) {
        switch (key) {
        case Qt::Key_Up: --top; break;
        case Qt::Key_Down: ++top; break;
        case Qt::Key_Left:
            if (!rowSelect)
                col -= pageWidth, left -= pageWidth;
            break;
        case Qt::Key_Right:
            if (!rowSelect)
                col += pageWidth, left += pageWidth;
            break;
        case Qt::Key_PageUp: row = m_topRow; break;
        case Qt::Key_PageDown: row = m_topRow + pageHeight - 1; break;
        case Qt::Key_Home: col = m_fixedCols, row = m_fixedRows; break;
        case Qt::Key_End: col = m_colCount - 1, row = m_rowCount - 1; break;
        default: break;
        }
    } else {
        switch (key) {
        case Qt::Key_Up: --row; break;
        case Qt::Key_Down: ++row; break;
        case Qt::Key_Left:
            if (rowSelect)
                --left;
            else
                --col;
            break;
        case Qt::Key_Right:
            if (rowSelect)
                ++left;
            else
                ++col;
            break;
        case Qt::Key_PageDown: row += pageHeight, top += pageHeight; break;
        case Qt::Key_PageUp: row -= pageHeight, top -= pageHeight; break;
        case Qt::Key_Home:
            if (rowSelect)
                row = m_fixedRows;
            else
                col = m_fixedCols;
            break;
        case Qt::Key_End:
            if (rowSelect)
                row = m_rowCount - 1;
            else
                col = m_colCount - 1;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (m_options & goTabs) {
                if (key == Qt::Key_Backtab || shift) {
                    if (--col < m_fixedCols) {
                        col = m_colCount - 1;
                        if (--row < m_fixedRows)
                            row = m_rowCount - 1;
                    }
                } else if (++col >= m_colCount) {
                    col = m_fixedCols;
                    if (++row >= m_rowCount)
                        row = m_fixedRows;
                }
            }
            break;
        case Qt::Key_F2:
            setEditorMode(true);
            break;
        default: break;
        }
    }
    if (top != m_topRow)
        setTopRow(top);
    if (left != m_leftCol)
        setLeftCol(left);
    col = std::clamp(col, m_fixedCols, m_colCount - 1);
    row = std::clamp(row, m_fixedRows, m_rowCount - 1);
    if (col != m_curCol || row != m_curRow) {
        const bool extend = shift && key != Qt::Key_Tab && key != Qt::Key_Backtab;
        FocusCell(col, row, !extend);
    }
}

void TStringGrid::KeyPress(QChar &key)
{
    if (key == QLatin1Char('\r')) {
        if ((m_options & goEditing) && !(m_options & goAlwaysShowEditor)) {
            if (m_editorMode)
                HideEditor();
            else
                ShowEditor();
        }
        key = QChar();
        return;
    }
    if (key.isPrint() && (m_options & goEditing) && !m_editorMode) {
        ShowEditor();
        if (m_editorMode) {
            m_editor->setText(QString(key));
            SetEditText(m_curCol, m_curRow, QString(key));
        }
    }
}

// ---------------------------------------------------------------------------
// Mouse

int TStringGrid::sizingBorderAt(int x, int y, Qt::Orientation *orientation) const
{
    if ((m_options & goColSizing) && y >= 0 && y < fixedHeight()) {
        const int lw = lineWidthX();
        int pos = 0;
        auto hit = [&](int c) {
            const int border = pos + m_colWidths[std::size_t(c)];
            pos = border + lw;
            return x >= border - kSizingTolerance && x <= border + lw - 1 + kSizingTolerance;
        };
        for (int c = 0; c < m_fixedCols; ++c)
            if (hit(c)) {
                *orientation = Qt::Horizontal;
                return c;
            }
        for (int c = m_leftCol; c < m_colCount && pos < viewport()->width(); ++c)
            if (hit(c)) {
                *orientation = Qt::Horizontal;
                return c;
            }
    }
    if ((m_options & goRowSizing) && x >= 0 && x < fixedWidth()) {
        const int lw = lineWidthY();
        int pos = 0;
        auto hit = [&](int r) {
            const int border = pos + m_rowHeights[std::size_t(r)];
            pos = border + lw;
            return y >= border - kSizingTolerance && y <= border + lw - 1 + kSizingTolerance;
        };
        for (int r = 0; r < m_fixedRows; ++r)
            if (hit(r)) {
                *orientation = Qt::Vertical;
                return r;
            }
        for (int r = m_topRow; r < m_rowCount && pos < viewport()->height(); ++r)
            if (hit(r)) {
                *orientation = Qt::Vertical;
                return r;
            }
    }
    return -1;
}

void TStringGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    Qt::Orientation orientation = Qt::Horizontal;
    const int border = sizingBorderAt(p.x(), p.y(), &orientation);
    if (border >= 0) {
        m_sizingIndex = border;
        if (orientation == Qt::Horizontal) {
            m_state = gsColSizing;
            m_sizingStart = CellRect(border, 0).left();
            if (m_sizingStart < 0 || !CellRect(border, 0).isValid())
                m_sizingStart = p.x() - m_colWidths[std::size_t(border)];
        } else {
            m_state = gsRowSizing;
            m_sizingStart = CellRect(0, border).top();
            if (!CellRect(0, border).isValid())
                m_sizingStart = p.y() - m_rowHeights[std::size_t(border)];
        }
        return;
    }
    const TGridCoord cell = MouseCoord(p.x(), p.y());
    if (cell.X < 0 || cell.Y < 0)
        return;
    if ((m_options & goColMoving) && cell.Y < m_fixedRows && cell.X >= m_fixedCols) {
        m_state = gsColMoving;
        m_moveFrom = m_moveTo = cell.X;
        return;
    }
    if ((m_options & goRowMoving) && cell.X < m_fixedCols && cell.Y >= m_fixedRows) {
        m_state = gsRowMoving;
        m_moveFrom = m_moveTo = cell.Y;
        return;
    }
    if (cell.X < m_fixedCols || cell.Y < m_fixedRows)
        return;
    if (m_options & goEditing) {
        if (cell.X == m_curCol && cell.Y == m_curRow)
            ShowEditor();
        else
            moveCurrent(cell.X, cell.Y, true, true);
        return;
    }
    m_state = gsSelecting;
    if (event->modifiers() & Qt::ShiftModifier)
        moveAnchorTo(cell.X, cell.Y);
    else
        moveCurrent(cell.X, cell.Y, true, true);
}

void TStringGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    switch (m_state) {
    case gsSelecting: {
        // Dragging past an edge scrolls one row or column per move.
        const int w = viewport()->width(), h = viewport()->height();
        int col, row;
        if (p.x() < fixedWidth())
            col = std::max(m_fixedCols, m_leftCol - 1);
        else if (p.x() >= w)
            col = std::min(m_colCount - 1, m_leftCol + VisibleColCount());
        else {
            col = MouseCoord(p.x(), std::max(0, std::min(p.y(), h - 1))).X;
            if (col < 0)
                col = m_colCount - 1;
        }
        if (p.y() < fixedHeight())
            row = std::max(m_fixedRows, m_topRow - 1);
        else if (p.y() >= h)
            row = std::min(m_rowCount - 1, m_topRow + VisibleRowCount());
        else {
            row = MouseCoord(std::max(0, std::min(p.x(), w - 1)), p.y()).Y;
            if (row < 0)
                row = m_rowCount - 1;
        }
        col = std::clamp(col, m_fixedCols, m_colCount - 1);
        row = std::clamp(row, m_fixedRows, m_rowCount - 1);
        if (col != m_anchorCol || row != m_anchorRow)
            moveAnchorTo(col, row);
        break;
    }
    case gsColSizing:
        // The width follows the mouse; the change is reported when the button goes up.
        m_colWidths[std::size_t(m_sizingIndex)] = std::max(0, p.x() - m_sizingStart);
        layoutChanged();
        break;
    case gsRowSizing:
        m_rowHeights[std::size_t(m_sizingIndex)] = std::max(0, p.y() - m_sizingStart);
        layoutChanged();
        break;
    case gsColMoving: {
        const int col = MouseCoord(p.x(), std::min(std::max(p.y(), 0), viewport()->height() - 1)).X;
        if (col >= m_fixedCols)
            m_moveTo = col;
        break;
    }
    case gsRowMoving: {
        const int row = MouseCoord(std::min(std::max(p.x(), 0), viewport()->width() - 1), p.y()).Y;
        if (row >= m_fixedRows)
            m_moveTo = row;
        break;
    }
    case gsNormal: {
        Qt::Orientation orientation = Qt::Horizontal;
        if (sizingBorderAt(p.x(), p.y(), &orientation) >= 0)
            viewport()->setCursor(orientation == Qt::Horizontal ? Qt::SplitHCursor : Qt::SplitVCursor);
        else
            viewport()->unsetCursor();
        break;
    }
    }
}

void TStringGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const TGridState state = m_state;
    m_state = gsNormal;
    switch (state) {
    case gsColSizing:
        ColWidthsChanged();
        break;
    case gsRowSizing:
        RowHeightsChanged();
        break;
    case gsColMoving:
        if (m_moveTo >= 0 && m_moveTo != m_moveFrom)
            MoveColumn(m_moveFrom, m_moveTo);
        break;
    case gsRowMoving:
        if (m_moveTo >= 0 && m_moveTo != m_moveFrom)
            MoveRow(m_moveFrom, m_moveTo);
        break;
    default:
        break;
    }
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && (m_options & goEditing)) {
        const QPoint p = event->position().toPoint();
        const TGridCoord cell = MouseCoord(p.x(), p.y());
        if (cell.X == m_curCol && cell.Y == m_curRow) {
            ShowEditor();
            return;
        }
    }
    mousePressEvent(event);
}

// ---------------------------------------------------------------------------
// Painting

TGridDrawState TStringGrid::DrawStateOf(int col, int row) const
{
    TGridDrawState state;
    if (col < m_fixedCols || row < m_fixedRows)
        return gdFixed;
    const bool current = col == m_curCol && row == m_curRow;
    if (current && hasFocus())
        state |= gdFocused;
    const TGridRect sel = Selection();
    const bool inSelection = col >= sel.Left && col <= sel.Right && row >= sel.Top && row <= sel.Bottom;
    if (inSelection && !(current && !(m_options & (goRowSelect | goDrawFocusSelected))))
        state |= gdSelected;
    return state;
}

void TStringGrid::PrepareCanvas(TGridCanvas &canvas, TGridDrawState state) const
{
    const QPalette &pal = palette();
    canvas.Font = font();
    if (state & gdFixed) {
        canvas.Brush = QBrush(pal.color(QPalette::Button));
        canvas.FontColor = pal.color(QPalette::ButtonText);
    } else if (state & gdSelected) {
        canvas.Brush = QBrush(pal.color(QPalette::Highlight));
        canvas.FontColor = pal.color(QPalette::HighlightedText);
    } else {
        canvas.Brush = QBrush(pal.color(QPalette::Base));
        canvas.FontColor = pal.color(QPalette::Text);
    }
}

void TStringGrid::DrawCell(int col, int row, const QRect &rect, TGridDrawState state)
{
    if (!m_defaultDrawing) {
        if (OnDrawCell)
            OnDrawCell(this, col, row, rect, state);
        return;
    }
    m_canvas.FillRect(rect);
    m_canvas.TextRect(rect, rect.left() + 2, rect.top() + 2, Cells(col, row));
}

void TStringGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QPalette &pal = palette();
    const QRect dirty = event->rect();
    const int vw = viewport()->width(), vh = viewport()->height();
    painter.fillRect(dirty, pal.color(QPalette::Base));

    struct Span {
        int index, pos;
    };
    const int lwx = lineWidthX(), lwy = lineWidthY();
    std::vector<Span> cols, rows;
    int x = 0;
    for (int c = 0; c < m_fixedCols && x < vw; ++c) {
        cols.push_back({c, x});
        x += m_colWidths[std::size_t(c)] + lwx;
    }
    for (int c = m_leftCol; c < m_colCount && x < vw; ++c) {
        cols.push_back({c, x});
        x += m_colWidths[std::size_t(c)] + lwx;
    }
    int y = 0;
    for (int r = 0; r < m_fixedRows && y < vh; ++r) {
        rows.push_back({r, y});
        y += m_rowHeights[std::size_t(r)] + lwy;
    }
    for (int r = m_topRow; r < m_rowCount && y < vh; ++r) {
        rows.push_back({r, y});
        y += m_rowHeights[std::size_t(r)] + lwy;
    }

    const QColor fixedLine = pal.color(QPalette::Shadow);
    const QColor dataLine = pal.color(QPalette::Midlight);
    const bool raisedFixed = (m_options & goFixedVertLine) && (m_options & goFixedHorzLine);
    m_canvas.Painter = &painter;
    for (const Span &rs : rows) {
        const int rh = m_rowHeights[std::size_t(rs.index)];
        for (const Span &cs : cols) {
            const int cw = m_colWidths[std::size_t(cs.index)];
            const QRect cell(cs.pos, rs.pos, cw, rh);
            if (!cell.adjusted(0, 0, lwx, lwy).intersects(dirty))
                continue;
            const TGridDrawState state = DrawStateOf(cs.index, rs.index);
            const bool fixed = state & gdFixed;
            PrepareCanvas(m_canvas, state);
            painter.save();
            painter.setClipRect(cell);
            DrawCell(cs.index, rs.index, cell, state);
            painter.restore();
            if (fixed && raisedFixed && cw > 0 && rh > 0) {
                painter.setPen(pal.color(QPalette::Light));
                painter.drawLine(cell.left(), cell.top(), cell.right(), cell.top());
                painter.drawLine(cell.left(), cell.top(), cell.left(), cell.bottom());
                painter.setPen(pal.color(QPalette::Dark));
                painter.drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());
                painter.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
            }
            // The grid lines right of and below the cell, or the gap they would fill.
            if (lwx) {
                const bool on = fixed ? bool(m_options & goFixedVertLine) : bool(m_options & goVertLine);
                const QColor colour = on ? (fixed ? fixedLine : dataLine)
                                         : (fixed ? pal.color(QPalette::Button) : pal.color(QPalette::Base));
                painter.fillRect(QRect(cell.left() + cw, cell.top(), lwx, rh), colour);
            }
            if (lwy) {
                const bool on = fixed ? bool(m_options & goFixedHorzLine) : bool(m_options & goHorzLine);
                const QColor colour = on ? (fixed ? fixedLine : dataLine)
                                         : (fixed ? pal.color(QPalette::Button) : pal.color(QPalette::Base));
                painter.fillRect(QRect(cell.left(), cell.top() + rh, cw + lwx, lwy), colour);
            }
        }
    }
    m_canvas.Painter = nullptr;

    if (hasFocus() && !m_editorMode) {
        QRect focus = CellRect(m_curCol, m_curRow);
        if (m_options & goRowSelect) {
            const TGridRect sel = Selection();
            for (int c = std::max(sel.Left, m_leftCol); c <= sel.Right; ++c) {
                const QRect r = CellRect(c, m_curRow);
                if (!r.isValid())
                    break;
                focus = focus.isValid() ? focus.united(r) : r;
            }
        }
        if (focus.isValid()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = focus;
            option.backgroundColor = pal.color(QPalette::Highlight);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }
}

void TStringGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    layoutChanged();
}

void TStringGrid::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        if (m_editor)
            m_editor->setFont(font());
        viewport()->update();
    }
}
