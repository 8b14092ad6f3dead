#include "controls/SortableGrid.h"

#include "controls/GridSort.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>

#include <climits>

namespace {

Qt::Alignment alignmentOf(TAlignment horz, TVertAlignment vert)
{
    const Qt::Alignment h = horz == taRightJustify ? Qt::AlignRight
                            : horz == taCenter     ? Qt::AlignHCenter
                                                   : Qt::AlignLeft;
    const Qt::Alignment v = vert == taBottomJustify ? Qt::AlignBottom
                            : vert == taMiddle      ? Qt::AlignVCenter
                                                    : Qt::AlignTop;
    return h | v;
}

}  // namespace

// Draws a data cell as the desktop's style draws an item, after the grid's
// format hook has had its say, and hands edits back to the grid.
class GridCellDelegate : public QStyledItemDelegate {
public:
    explicit GridCellDelegate(TSortableGrid *grid) : QStyledItemDelegate(grid), grid_(grid) {}

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
        TFormatOptions format = grid_->DefaultFormat(brush, font, color);
        if (grid_->OnGetCellFormat)
            grid_->OnGetCellFormat(grid_, index.column(), index.row() + grid_->FixedRows(), state, format);

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
        const bool vert = grid_->Options() & goFixedVertLine;
        const bool horz = grid_->Options() & goFixedHorzLine;
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
        grid_->editor_ = editor;
        return editor;
    }

    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            grid_->SetEditText(index.column(), index.row() + grid_->FixedRows(), line->text());
    }

private:
    TSortableGrid *grid_;
};

TSortableGrid::TSortableGrid(QWidget *parent) : QTableView(parent), model_(new GridModel(this))
{
    setModel(model_);
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
    connect(titles, &QHeaderView::sectionResized, this, [this](int col, int, int newWidth) {
        if (gridState_ == gsNormal && QGuiApplication::mouseButtons() != Qt::NoButton)
            gridState_ = gsColSizing;
        columnResized(col, newWidth);
        if (OnColumnWidthsChanged)
            OnColumnWidthsChanged(this);
    });
    connect(qApp, &QApplication::focusChanged, this, &TSortableGrid::focusMoved);

    model_->setGridColCount(5);
    model_->setGridRowCount(5);
    model_->setFixedRows(1);
    setOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect);
    RememberCurrentCell();
}

TSortableGrid::~TSortableGrid()
{
    // The focus signal must not reach a grid that is half destroyed.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    sortRecord_.Reset();
}

// ---------------------------------------------------------------------------
// Counts, sizes, cells

QModelIndex TSortableGrid::modelIndex(int col, int row) const
{
    return model_->index(row - FixedRows(), col);
}

void TSortableGrid::countsChanged(int oldColCount, int oldRowCount)
{
    // The string grid always had a current cell; commands read it as the choice.
    if (!currentIndex().isValid() && model_->rowCount() > 0)
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
    model_->setGridRowCount(value);
    countsChanged(cols, rows);
}

void TSortableGrid::setColCount(int value)
{
    const int cols = ColCount(), rows = RowCount();
    model_->setGridColCount(value);
    countsChanged(cols, rows);
}

void TSortableGrid::setFixedRows(int value)
{
    model_->setFixedRows(value);
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

void TSortableGrid::setFillColumn(int col)
{
    fillColumn_ = col;
    fillOwnWidth_ = col >= 0 && col < ColCount() ? columnWidth(col) : 0;
    fillView();
}

void TSortableGrid::columnResized(int col, int newWidth)
{
    // A width given to the fill column is its least. The free space goes to
    // it only when the view changes: refilling during a drag would move the
    // dragged border away from the pointer, or undo the drag under it.
    if (!filling_ && col == fillColumn_)
        fillOwnWidth_ = newWidth;
}

void TSortableGrid::fillView()
{
    if (filling_ || fillColumn_ < 0 || fillColumn_ >= ColCount())
        return;
    int others = 0;
    for (int c = 0; c < ColCount(); ++c)
        if (c != fillColumn_)
            others += columnWidth(c);
    const int width = std::max(fillOwnWidth_, viewport()->width() - others);
    if (width == columnWidth(fillColumn_))
        return;
    const QScopedValueRollback<bool> filling(filling_, true);
    setColumnWidth(fillColumn_, width);
}

bool TSortableGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && RowHint) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString hint = index.isValid() ? RowHint(this, index.row() + FixedRows()) : QString();
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, viewport(), visualRect(index));
        return true;
    }
    const bool handled = QTableView::viewportEvent(event);
    // Also when a scroll bar comes or goes: the viewport is what narrows.
    if (event->type() == QEvent::Resize)
        fillView();
    return handled;
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
    model_->replaceDataRows(std::move(rows));
    countsChanged(cols, before);
}

void TSortableGrid::AppendDataRows(std::vector<GridRow> rows)
{
    const int cols = ColCount(), before = RowCount();
    // An undo would put back an order that never held the new rows.
    sortRecord_.Reset();
    model_->appendDataRows(std::move(rows));
    countsChanged(cols, before);
}

std::vector<GridRow> TSortableGrid::TakeDataRows()
{
    const int cols = ColCount(), before = RowCount();
    sortRecord_.Reset();
    std::vector<GridRow> taken = model_->takeDataRows();
    countsChanged(cols, before);
    return taken;
}

void TSortableGrid::RetainDataRows(const std::function<bool(void *Object)> &keep)
{
    const int cols = ColCount(), before = RowCount();
    // The record's row numbers would name other rows.
    sortRecord_.Reset();
    model_->retainDataRows([&keep](const GridRow &row) { return keep(row.empty() ? nullptr : row.front().Object); });
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
    if (options_ & goRowSelect)
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
    if (options_ & goRowSelect)
        return TGridRect{0, row, ColCount() - 1, row};
    return TGridRect{current.column(), row, current.column(), row};
}

void TSortableGrid::setSelection(const TGridRect &rect)
{
    const int fixed = FixedRows();
    if (model_->rowCount() == 0)
        return;
    auto clampRow = [&](int r) { return std::clamp(r, fixed, RowCount() - 1); };
    auto clampCol = [&](int c) { return std::clamp(c, 0, ColCount() - 1); };
    const QModelIndex topLeft = modelIndex(clampCol(rect.Left), clampRow(rect.Top));
    const QModelIndex bottomRight = modelIndex(clampCol(rect.Right), clampRow(rect.Bottom));
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (options_ & goRowSelect)
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
    return std::min(viewport()->height() / height, model_->rowCount());
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
    options_ = options;
    setShowGrid(options & (goVertLine | goHorzLine));
    setSelectionBehavior(options & goRowSelect ? SelectRows : SelectItems);
    // The desktop's way: Ctrl+click adds or takes away one row, Shift
    // extends from the anchor, Ctrl+arrows move without selecting.
    setSelectionMode(options & goRangeSelect ? ExtendedSelection : SingleSelection);
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
    alignmentHorz_ = value;
    viewport()->update();
}

void TSortableGrid::setAlignmentVert(TVertAlignment value)
{
    alignmentVert_ = value;
    viewport()->update();
}

void TSortableGrid::setBevelStyle(TCellBevelStyle value)
{
    bevelStyle_ = value;
    viewport()->update();
}

TFormatOptions TSortableGrid::DefaultFormat(QBrush &brush, QFont &font, QColor &fontColor) const
{
    TFormatOptions options{brush,       font,     fontColor, alignmentHorz_, alignmentVert_,
                           bevelStyle_, QColor(), QColor(),  false};
    const QPalette &pal = palette();
    switch (bevelStyle_) {
    case cbRaised:
        options.LightEdgeColor = pal.color(QPalette::Light);
        options.DarkEdgeColor = pal.color(QPalette::Dark);
        break;
    case cbLowered:
        options.LightEdgeColor = pal.color(QPalette::Dark);
        options.DarkEdgeColor = pal.color(QPalette::Light);
        break;
    case cbNone: options.LightEdgeColor = options.DarkEdgeColor = pal.color(QPalette::Base); break;
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
    sortRecord_.Reset();
    const int fixedRows = FixedRows();
    std::vector<TSortedListEntry> entries;
    entries.reserve(std::size_t(RowCount() - fixedRows));
    for (int r = fixedRows; r < RowCount(); ++r)
        entries.push_back({Cells(Col, r), r});

    // Sorted aside: if a Compare function throws, the rows have not moved
    // and there is no record that an undo could wrongly apply.
    gridlogic::SortEntries(entries, Options, gridlogic::ConversionSettings::current());
    if (SortsFirst)
        std::stable_partition(entries.begin(), entries.end(),
                              [this](const TSortedListEntry &e) { return SortsFirst(this, e.SourceRow); });

    std::vector<int> sourceRows;
    sourceRows.reserve(entries.size());
    for (const TSortedListEntry &e : entries)
        sourceRows.push_back(e.SourceRow);
    // Only the current cell rides along: a large selection would be carried cell by cell.
    selectionModel()->clearSelection();
    model_->permuteDataRows(sourceRows);
    sortRecord_.Entries() = std::move(entries);
    sortFixedRows_ = fixedRows;

    // The current record has moved with its row; it becomes the selection and is shown.
    GoToCell(this->Col(), Row());
}

bool TSortableGrid::CanUndoSort()
{
    // The record's row numbers only mean something while the data rows
    // start where they started at the sort.
    if (sortRecord_.Count() != RowCount() - FixedRows() || sortFixedRows_ != FixedRows()) {
        sortRecord_.Reset();
        return false;
    }
    return true;
}

void TSortableGrid::UndoSort()
{
    if (!CanUndoSort())
        return;
    const int fixedRows = FixedRows();
    const int n = sortRecord_.Count();
    std::vector<int> sourceRows(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        sourceRows[std::size_t(sortRecord_[i].SourceRow - fixedRows)] = fixedRows + i;
    // Reset before moving the current cell, so that a throwing event handler
    // cannot leave a record that a second undo would apply again.
    sortRecord_.Reset();
    selectionModel()->clearSelection();
    model_->permuteDataRows(sourceRows);
    GoToCell(Col(), Row());
}
