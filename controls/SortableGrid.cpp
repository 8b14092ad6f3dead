#include "controls/SortableGrid.h"

#include "controls/DelimitedText.h"
#include "controls/GridSort.h"

#include <QApplication>
#include <QCollator>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <climits>
#include <cstdlib>
#include <exception>

namespace {

// Shows the hourglass for its lifetime, also when leaving by an exception.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

std::runtime_error fileError(const char *what, const QString &fileName)
{
    return std::runtime_error((QString::fromLatin1(what) + fileName).toStdString());
}

Qt::Alignment alignmentOf(TAlignment horz, TVertAlignment vert)
{
    const Qt::Alignment h = horz == taRightJustify ? Qt::AlignRight : horz == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    const Qt::Alignment v = vert == taBottomJustify ? Qt::AlignBottom : vert == taMiddle ? Qt::AlignVCenter : Qt::AlignTop;
    return h | v;
}

}  // namespace

// Draws a data cell as the desktop's style draws an item, after the grid's
// format hook has had its say, and hands edits back to the grid.
class GridCellDelegate : public QStyledItemDelegate {
public:
    explicit GridCellDelegate(TSortableGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const bool selected = opt.state & QStyle::State_Selected;
        TGridDrawState state;
        if (selected)
            state |= gdSelected;
        if (opt.state & QStyle::State_HasFocus)
            state |= gdFocused;

        QBrush brush = opt.palette.brush(selected ? QPalette::Highlight : QPalette::Base);
        QFont font = opt.font;
        QColor color = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        TFormatOptions format = m_grid->DefaultFormat(brush, font, color);
        if (m_grid->OnGetCellFormat)
            m_grid->OnGetCellFormat(m_grid, index.column(), index.row() + m_grid->FixedRows(), state, format);

        opt.font = font;
        opt.fontMetrics = QFontMetrics(font);
        opt.palette.setColor(QPalette::Text, color);
        opt.palette.setColor(QPalette::HighlightedText, color);
        if (selected)
            opt.palette.setBrush(QPalette::Highlight, brush);
        else
            opt.backgroundBrush = brush;
        opt.displayAlignment = alignmentOf(format.AlignmentHorz, format.AlignmentVert);
        if (format.SuppressText)
            opt.text.clear();
        const QWidget *widget = opt.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        // Data cells only: the title row is the header's.
        if (format.Bevel == cbNone)
            return;
        const QRect r = opt.rect;
        const bool vert = m_grid->Options() & goFixedVertLine;
        const bool horz = m_grid->Options() & goFixedHorzLine;
        if (vert)
            painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), format.DarkEdgeColor);
        if (horz)
            painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), format.DarkEdgeColor);
        if (vert)
            painter->fillRect(QRect(r.left(), r.top(), 1, r.height()), format.LightEdgeColor);
        if (horz)
            painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), format.LightEdgeColor);
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        m_grid->m_editor = editor;
        return editor;
    }

    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            m_grid->SetEditText(index.column(), index.row() + m_grid->FixedRows(), line->text());
    }

private:
    TSortableGrid *m_grid;
};

TSortableGrid::TSortableGrid(QWidget *parent) : QTableView(parent), m_model(new GridModel(this))
{
    setModel(m_model);
    setItemDelegate(new GridCellDelegate(this));
    setWordWrap(false);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);

    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(24);

    QHeaderView *titles = horizontalHeader();
    titles->setSectionsClickable(false);  // a title click sorts; it does not select a column
    titles->setHighlightSections(false);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titles->setMinimumSectionSize(1);
    titles->setDefaultSectionSize(64);
    titles->viewport()->installEventFilter(this);
    connect(titles, &QHeaderView::sectionResized, this, [this] {
        if (m_gridState == gsNormal && QGuiApplication::mouseButtons() != Qt::NoButton)
            m_gridState = gsColSizing;
        if (OnColumnWidthsChanged)
            OnColumnWidthsChanged(this);
    });
    connect(qApp, &QApplication::focusChanged, this, &TSortableGrid::focusMoved);

    m_model->setGridColCount(5);
    m_model->setGridRowCount(5);
    m_model->setFixedRows(1);
    setOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect);
    RememberCurrentCell();
}

TSortableGrid::~TSortableGrid()
{
    // The focus signal must not reach a grid that is half destroyed.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    m_sortRecord.Reset();
}

// ---------------------------------------------------------------------------
// Counts, sizes, cells

QModelIndex TSortableGrid::modelIndex(int col, int row) const
{
    return m_model->index(row - FixedRows(), col);
}

void TSortableGrid::countsChanged(int oldColCount, int oldRowCount)
{
    // The string grid always had a current cell; commands read it as the choice.
    if (!currentIndex().isValid() && m_model->rowCount() > 0)
        GoToCell(0, FixedRows());
    if (oldColCount != ColCount() || oldRowCount != RowCount())
        SizeChanged(oldColCount, oldRowCount);
}

void TSortableGrid::SizeChanged(int oldColCount, int oldRowCount)
{
    if (OnSizeChanged)
        OnSizeChanged(this, oldColCount, oldRowCount);
}

void TSortableGrid::setRowCount(int value)
{
    const int cols = ColCount(), rows = RowCount();
    m_model->setGridRowCount(value);
    countsChanged(cols, rows);
}

void TSortableGrid::setColCount(int value)
{
    const int cols = ColCount(), rows = RowCount();
    m_model->setGridColCount(value);
    countsChanged(cols, rows);
}

void TSortableGrid::setFixedRows(int value)
{
    m_model->setFixedRows(value);
    horizontalHeader()->setVisible(value > 0);
    countsChanged(ColCount(), RowCount());
}

int TSortableGrid::DefaultColWidth() const
{
    return horizontalHeader()->defaultSectionSize();
}

void TSortableGrid::setDefaultColWidth(int value)
{
    horizontalHeader()->setDefaultSectionSize(value);
    for (int c = 0; c < ColCount(); ++c)
        setColumnWidth(c, value);
}

int TSortableGrid::DefaultRowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void TSortableGrid::setDefaultRowHeight(int value)
{
    verticalHeader()->setDefaultSectionSize(value);
}

void TSortableGrid::setColWidths(int col, int width)
{
    if (col < 0 || col >= ColCount())
        throw EInvalidGridOperation("Grid index out of range");
    setColumnWidth(col, width);
}

int TSortableGrid::RowHeights(int row) const
{
    return row < FixedRows() ? horizontalHeader()->sizeHint().height() : DefaultRowHeight();
}

void TSortableGrid::setRows(int row, const QStringList &texts)
{
    for (int c = 0; c < ColCount(); ++c)
        setCells(c, row, c < texts.size() ? texts[c] : QString());
}

void TSortableGrid::AssignDataRows(std::vector<GridRow> rows)
{
    const int cols = ColCount(), before = RowCount();
    m_model->replaceDataRows(std::move(rows));
    countsChanged(cols, before);
}

// ---------------------------------------------------------------------------
// Current cell and selection

int TSortableGrid::Col() const
{
    return currentIndex().isValid() ? currentIndex().column() : 0;
}

int TSortableGrid::Row() const
{
    return currentIndex().isValid() ? currentIndex().row() + FixedRows() : FixedRows();
}

void TSortableGrid::setCol(int col)
{
    if (col < 0 || col >= ColCount())
        throw EInvalidGridOperation("Grid index out of range");
    GoToCell(col, Row());
}

void TSortableGrid::setRow(int row)
{
    if (row < 0 || row >= RowCount())
        throw EInvalidGridOperation("Grid index out of range");
    GoToCell(Col(), row);
}

void TSortableGrid::GoToCell(int Col, int Row)
{
    const QModelIndex index = modelIndex(std::max(Col, 0), std::max(Row, FixedRows()));
    if (!index.isValid())
        return;
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (m_options & goRowSelect)
        flags |= QItemSelectionModel::Rows;
    selectionModel()->setCurrentIndex(index, flags);
    scrollTo(index);
}

TGridRect TSortableGrid::Selection() const
{
    const int fixed = FixedRows();
    const QItemSelection selection = selectionModel()->selection();
    if (!selection.isEmpty()) {
        TGridRect rect{INT_MAX, INT_MAX, -1, -1};
        for (const QItemSelectionRange &range : selection) {
            rect.Left = std::min(rect.Left, range.left());
            rect.Top = std::min(rect.Top, range.top() + fixed);
            rect.Right = std::max(rect.Right, range.right());
            rect.Bottom = std::max(rect.Bottom, range.bottom() + fixed);
        }
        return rect;
    }
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return TGridRect{0, fixed, ColCount() - 1, fixed - 1};
    const int row = current.row() + fixed;
    if (m_options & goRowSelect)
        return TGridRect{0, row, ColCount() - 1, row};
    return TGridRect{current.column(), row, current.column(), row};
}

void TSortableGrid::setSelection(const TGridRect &rect)
{
    const int fixed = FixedRows();
    if (m_model->rowCount() == 0)
        return;
    auto clampRow = [&](int r) { return std::clamp(r, fixed, RowCount() - 1); };
    auto clampCol = [&](int c) { return std::clamp(c, 0, ColCount() - 1); };
    const QModelIndex topLeft = modelIndex(clampCol(rect.Left), clampRow(rect.Top));
    const QModelIndex bottomRight = modelIndex(clampCol(rect.Right), clampRow(rect.Bottom));
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (m_options & goRowSelect)
        flags |= QItemSelectionModel::Rows;
    selectionModel()->select(QItemSelection(topLeft, bottomRight), flags);
}

int TSortableGrid::TopRow() const
{
    return std::max(rowAt(0), 0) + FixedRows();
}

int TSortableGrid::VisibleRowCount() const
{
    const int height = std::max(DefaultRowHeight(), 1);
    return std::min(viewport()->height() / height, m_model->rowCount());
}

QRect TSortableGrid::CellRect(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return QRect();
    if (row < FixedRows()) {
        const QHeaderView *titles = horizontalHeader();
        return QRect(titles->sectionViewportPosition(col), 0, titles->sectionSize(col), titles->height());
    }
    const QRect rect = visualRect(modelIndex(col, row));
    return rect.intersects(viewport()->rect()) ? rect : QRect();
}

// ---------------------------------------------------------------------------
// Options and properties

void TSortableGrid::setOptions(TGridOptions options)
{
    m_options = options;
    setShowGrid(options & (goVertLine | goHorzLine));
    setSelectionBehavior(options & goRowSelect ? SelectRows : SelectItems);
    setSelectionMode(options & goRangeSelect ? ContiguousSelection : SingleSelection);
    horizontalHeader()->setSectionResizeMode(options & goColSizing ? QHeaderView::Interactive : QHeaderView::Fixed);
    setEditTriggers(options & goEditing ? DoubleClicked | EditKeyPressed | AnyKeyPressed : NoEditTriggers);
    verticalScrollBar()->setTracking(options & goThumbTracking);
    horizontalScrollBar()->setTracking(options & goThumbTracking);
    if (currentIndex().isValid() && selectionModel()->selection().size() <= 1)
        GoToCell(Col(), Row());  // the selection takes the new shape
    viewport()->update();
}

void TSortableGrid::setAlignmentHorz(TAlignment value)
{
    m_alignmentHorz = value;
    viewport()->update();
}

void TSortableGrid::setAlignmentVert(TVertAlignment value)
{
    m_alignmentVert = value;
    viewport()->update();
}

void TSortableGrid::setBevelStyle(TCellBevelStyle value)
{
    m_bevelStyle = value;
    viewport()->update();
}

TFormatOptions TSortableGrid::DefaultFormat(QBrush &brush, QFont &font, QColor &fontColor) const
{
    TFormatOptions options{brush, font, fontColor, m_alignmentHorz, m_alignmentVert, m_bevelStyle, QColor(), QColor(),
                           false};
    const QPalette &pal = palette();
    switch (m_bevelStyle) {
    case cbRaised:
        options.LightEdgeColor = pal.color(QPalette::Light);
        options.DarkEdgeColor = pal.color(QPalette::Dark);
        break;
    case cbLowered:
        options.LightEdgeColor = pal.color(QPalette::Dark);
        options.DarkEdgeColor = pal.color(QPalette::Light);
        break;
    case cbNone:
        options.LightEdgeColor = options.DarkEdgeColor = pal.color(QPalette::Base);
        break;
    }
    return options;
}

// ---------------------------------------------------------------------------
// Sorting

TSortMode TSortableGrid::DetectSortMode(int Col)
{
    QStringList texts;
    texts.reserve(RowCount() - FixedRows());
    for (int r = FixedRows(); r < RowCount(); ++r)
        texts.append(Cells(Col, r));
    return gridlogic::DetectSortMode(texts, gridlogic::ConversionSettings::current());
}

void TSortableGrid::SortColumn(int Col, TSortOptions Options)
{
    if (EditorMode() || RowCount() <= FixedRows() + 1)
        return;
    if (Options.Mode == smDetect)
        Options.Mode = DetectSortMode(Col);
    if (OnBeginSort)
        OnBeginSort(this, Col, Options);
    ExecuteSort(Col, Options);
    if (OnEndSort)
        OnEndSort(this, Col);
}

void TSortableGrid::ExecuteSort(int Col, const TSortOptions &Options)
{
    m_sortRecord.Reset();
    const int fixedRows = FixedRows();
    std::vector<TSortedListEntry> entries;
    entries.reserve(std::size_t(RowCount() - fixedRows));
    for (int r = fixedRows; r < RowCount(); ++r)
        entries.push_back({Cells(Col, r), r});

    // Sorted aside: if a Compare function throws, the rows have not moved
    // and there is no record that an undo could wrongly apply.
    gridlogic::SortEntries(entries, Options, gridlogic::ConversionSettings::current());

    std::vector<int> sourceRows;
    sourceRows.reserve(entries.size());
    for (const TSortedListEntry &e : entries)
        sourceRows.push_back(e.SourceRow);
    // Only the current cell rides along: a large selection would be carried cell by cell.
    selectionModel()->clearSelection();
    m_model->permuteDataRows(sourceRows);
    m_sortRecord.Entries() = std::move(entries);
    m_sortFixedRows = fixedRows;

    // The current record has moved with its row; it becomes the selection and is shown.
    GoToCell(this->Col(), Row());
}

bool TSortableGrid::CanUndoSort()
{
    // The record's row numbers only mean something while the data rows
    // start where they started at the sort.
    if (m_sortRecord.Count() != RowCount() - FixedRows() || m_sortFixedRows != FixedRows()) {
        m_sortRecord.Reset();
        return false;
    }
    return true;
}

void TSortableGrid::UndoSort()
{
    if (!CanUndoSort())
        return;
    const int fixedRows = FixedRows();
    const int n = m_sortRecord.Count();
    std::vector<int> sourceRows(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        sourceRows[std::size_t(m_sortRecord[i].SourceRow - fixedRows)] = fixedRows + i;
    // Reset before moving the current cell, so that a throwing event handler
    // cannot leave a record that a second undo would apply again.
    m_sortRecord.Reset();
    selectionModel()->clearSelection();
    m_model->permuteDataRows(sourceRows);
    GoToCell(Col(), Row());
}

// ---------------------------------------------------------------------------
// Rows and columns

void TSortableGrid::Clear()
{
    m_model->clearCells();
    m_modified = false;
}

void TSortableGrid::InsertRow(int Index)
{
    if (Index < 0 || Index > RowCount())
        throw EInvalidGridOperation("Grid index out of range");
    setRowCount(RowCount() + 1);
    MoveRow(RowCount() - 1, Index);
    m_model->clearRow(Index);
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
    m_model->clearColumn(Index);
    setCol(Index);
    if (OnColumnInsert)
        OnColumnInsert(this, Index);
}

void TSortableGrid::DeleteRow(int Index)
{
    const int cols = ColCount(), rows = RowCount(), current = Row();
    m_model->removeRow(Index);
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
    m_model->removeColumn(Index);
    countsChanged(cols, rows);
    if (OnColumnDelete)
        OnColumnDelete(this, Index);
}

void TSortableGrid::MoveRow(int FromIndex, int ToIndex)
{
    m_model->moveRow(FromIndex, ToIndex);
}

void TSortableGrid::MoveColumn(int FromIndex, int ToIndex)
{
    m_model->moveColumn(FromIndex, ToIndex);
}

void TSortableGrid::SwapRows(int IndexA, int IndexB)
{
    if (IndexA < IndexB) {
        MoveRow(IndexB, IndexA);
        MoveRow(IndexA + 1, IndexB);
    } else if (IndexB < IndexA) {
        MoveRow(IndexA, IndexB);
        MoveRow(IndexB + 1, IndexA);
    }
}

void TSortableGrid::SwapColumns(int IndexA, int IndexB)
{
    if (IndexA < IndexB) {
        MoveColumn(IndexB, IndexA);
        MoveColumn(IndexA + 1, IndexB);
    } else if (IndexB < IndexA) {
        MoveColumn(IndexA, IndexB);
        MoveColumn(IndexB + 1, IndexA);
    }
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
        throw fileError("Cannot open file ", FileName);
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw fileError("Cannot read file ", FileName);
    const std::vector<QStringList> lines = gridlogic::ParseDelimited(data, Delimiter);

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
        throw fileError("Cannot create file ", FileName);
    if (file.write(out) != out.size() || !file.commit())
        throw fileError("Cannot write file ", FileName);
}

// ---------------------------------------------------------------------------
// Edit validation

void TSortableGrid::RememberCurrentCell()
{
    m_rememberedCol = Col();
    m_rememberedRow = Row();
    m_rememberedText = Cells(m_rememberedCol, m_rememberedRow);
    m_rememberedModified = m_modified;
}

void TSortableGrid::ValidateCell()
{
    const int c = m_rememberedCol, r = m_rememberedRow;
    // A remembered cell that no longer exists (its row or column was deleted) has nothing to check.
    const bool exists = c >= 0 && r >= 0 && c < ColCount() && r < RowCount();
    const QString present = Cells(c, r);
    if (exists && present != m_rememberedText) {
        QString value = present;
        bool valid = true;
        if (OnCellValidate)
            OnCellValidate(this, c, r, value, valid);
        if (valid) {
            if (value != present)
                setCells(c, r, value);
        } else {
            setCells(c, r, value != present ? value : m_rememberedText);
            m_modified = m_rememberedModified;
        }
    }
    RememberCurrentCell();
}

void TSortableGrid::SetEditText(int col, int row, const QString &value)
{
    if (value != Cells(col, row))
        m_modified = true;
    setCells(col, row, value);
}

void TSortableGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    m_editor = nullptr;
    // Enter ends an edit: the new text is checked at once.
    if (hint == QAbstractItemDelegate::SubmitModelCache)
        ValidateCell();
}

void TSortableGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    Click();
}

void TSortableGrid::Click()
{
    try {
        if (OnClick)
            OnClick(this);
    } catch (...) {
        if (m_entered)
            ValidateCell();
        throw;
    }
    if (m_entered)
        ValidateCell();
}

void TSortableGrid::focusMoved(QWidget *old, QWidget *now)
{
    // The in-place editor is part of the grid: moving between them is no entry or exit.
    const bool wasIn = old && (old == this || isAncestorOf(old));
    const bool isIn = now && (now == this || isAncestorOf(now));
    if (!wasIn && isIn)
        DoEnter();
    else if (wasIn && !isIn)
        DoExit();
}

void TSortableGrid::DoEnter()
{
    try {
        if (OnEnter)
            OnEnter(this);
        m_entered = true;
    } catch (...) {
        RememberCurrentCell();
        throw;
    }
    RememberCurrentCell();
}

void TSortableGrid::DoExit()
{
    std::exception_ptr failure;
    try {
        Click();
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        if (OnExit)
            OnExit(this);
    } catch (...) {
        m_entered = false;
        throw;
    }
    m_entered = false;
    if (failure)
        std::rethrow_exception(failure);
}

// ---------------------------------------------------------------------------
// Keys and mouse

void TSortableGrid::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !EditorMode())
        ValidateCell();
    QTableView::keyPressEvent(event);
    if (!m_extendedKeys || EditorMode())
        return;
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (mods == Qt::ControlModifier) {
        if (key == Qt::Key_Insert)
            InsertRow(Row());
        else if (key == Qt::Key_Delete && RowCount() > FixedRows() + 1)
            DeleteRow(Row());
    } else if (mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        if (key == Qt::Key_Insert)
            InsertColumn(Col());
        else if (key == Qt::Key_Delete && ColCount() > 1)
            DeleteColumn(Col());
    }
}

void TSortableGrid::mousePressEvent(QMouseEvent *event)
{
    m_dragPress.reset();
    const QModelIndex pressed = indexAt(event->position().toPoint());
    // Below the last row there is no cell: the selection stays, as in a string grid.
    if (!pressed.isValid()) {
        if (focusPolicy() & Qt::ClickFocus)
            setFocus(Qt::MouseFocusReason);
        return;
    }
    m_gridState = gsSelecting;
    if (OnStartDrag && event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier
        && pressed.isValid() && selectionModel()->isSelected(pressed)) {
        m_dragPress.reset(event->clone());
        return;
    }
    QTableView::mousePressEvent(event);
}

void TSortableGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragPress) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    if ((event->position() - m_dragPress->position()).manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragPress.reset();
    m_gridState = gsNormal;
    OnStartDrag(this);
}

void TSortableGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The view takes a double-click only on the row its last press was on.
    if (const std::unique_ptr<QMouseEvent> press = std::move(m_dragPress))
        QTableView::mousePressEvent(press.get());
    QTableView::mouseDoubleClickEvent(event);
}

void TSortableGrid::mouseReleaseEvent(QMouseEvent *event)
{
    // A press held back for a drag that never started was a click after all.
    if (const std::unique_ptr<QMouseEvent> press = std::move(m_dragPress))
        QTableView::mousePressEvent(press.get());
    QTableView::mouseReleaseEvent(event);
    if (event->buttons() == Qt::NoButton)
        m_gridState = gsNormal;
}

bool TSortableGrid::onResizeHandle(int x) const
{
    const QHeaderView *titles = horizontalHeader();
    if (titles->sectionResizeMode(0) != QHeaderView::Interactive)
        return false;
    const int grip = titles->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, titles);
    for (int c = 0; c < ColCount(); ++c) {
        const int right = titles->sectionViewportPosition(c) + titles->sectionSize(c);
        if (std::abs(x - right) <= grip)
            return true;
    }
    return false;
}

bool TSortableGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != horizontalHeader()->viewport())
        return QTableView::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        auto *press = static_cast<QMouseEvent *>(event);
        // A press on a title focuses the grid, as a press on any of its cells does.
        if (focusPolicy() & Qt::ClickFocus)
            setFocus(Qt::MouseFocusReason);
        m_gridState = onResizeHandle(press->position().toPoint().x()) ? gsColSizing : gsNormal;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto *release = static_cast<QMouseEvent *>(event);
        titleReleased(release);
        if (release->buttons() == Qt::NoButton)
            m_gridState = gsNormal;
    }
    return false;
}

void TSortableGrid::titleReleased(QMouseEvent *event)
{
    const QHeaderView *titles = horizontalHeader();
    const QPoint p = event->position().toPoint();
    const int col = titles->logicalIndexAt(p.x());
    const bool onTitle = p.y() >= 0 && p.y() < titles->height() && col >= 0 && col < ColCount();
    // The press gave the grid the focus; in a window that the press is only
    // now activating, the focus arrives with the activation, maybe after this.
    const bool focused = hasFocus() || window()->focusWidget() == this;
    const bool sort = focused && m_clickSorting && m_gridState == gsNormal && FixedRows() > 0 &&
                      !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) &&
                      event->buttons() == Qt::NoButton && onTitle;
    if (!sort)
        return;
    TSortOptions options;
    options.Mode = smDetect;
    options.Order = event->button() == Qt::RightButton ? soDescending : soAscending;
    options.CaseSensitive = m_caseSensitive;
    if (OnClickSort)
        OnClickSort(this, col, 0, options);
    const WaitCursor hourglass;
    SortColumn(col, options);
}
