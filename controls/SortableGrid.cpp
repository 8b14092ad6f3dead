#include "controls/SortableGrid.h"

#include "controls/DelimitedText.h"
#include "controls/GridSort.h"

#include <QCollator>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <QScrollBar>

#include <cfenv>
#include <climits>
#include <cmath>
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

}  // namespace

TSortableGrid::TSortableGrid(QWidget *parent) : TStringGrid(parent)
{
    RememberCurrentCell();
    UpdateScrollPages();
}

TSortableGrid::~TSortableGrid()
{
    m_sortRecord.Reset();
}

// ---------------------------------------------------------------------------
// Properties

void TSortableGrid::setAlignmentHorz(TAlignment value)
{
    m_alignmentHorz = value;
    InvalidateGrid();
}

void TSortableGrid::setAlignmentVert(TVertAlignment value)
{
    m_alignmentVert = value;
    InvalidateGrid();
}

void TSortableGrid::setBevelStyle(TCellBevelStyle value)
{
    m_bevelStyle = value;
    InvalidateGrid();
}

void TSortableGrid::setProportionalScrollBars(bool on)
{
    m_proportionalScrollBars = on;
    UpdateScrollPages();
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
    PermuteRows(sourceRows);
    m_sortRecord.Entries() = std::move(entries);
    m_sortFixedRows = fixedRows;

    const int current = Row();
    for (int i = 0; i < m_sortRecord.Count(); ++i) {
        if (m_sortRecord[i].SourceRow == current) {
            GoToCell(TStringGrid::Col(), fixedRows + i);
            break;
        }
    }
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
    PermuteRows(sourceRows);

    const int index = Row() - fixedRows;
    const int target = index >= 0 && index < n ? m_sortRecord[index].SourceRow : Row();
    // Reset before moving the current cell, so that a throwing event handler
    // cannot leave a record that a second undo would apply again.
    m_sortRecord.Reset();
    GoToCell(Col(), target);
}

// ---------------------------------------------------------------------------
// Current cell and scroll thumbs

void TSortableGrid::GoToCell(int Col, int Row)
{
    Col = std::max(Col, FixedCols());
    Row = std::max(Row, FixedRows());
    if (!SelectCell(Col, Row))
        return;
    setCol(Col);
    setRow(Row);
    FocusCell(Col, Row, true);
}

int TSortableGrid::ProportionalPageStep(int shown, int count, int range)
{
    if (range <= 0 || count <= 0)
        return 1;
    const double share = double(shown) / double(count);
    if (share >= 1.0)
        return INT_MAX / 2;
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double page = std::nearbyint(share * double(range) / (1.0 - share));
    std::fesetround(saved);
    return int(std::clamp(page, 1.0, double(INT_MAX / 2)));
}

void TSortableGrid::UpdateScrollPages()
{
    if (ScrollBars() == ssVertical || ScrollBars() == ssBoth) {
        QScrollBar *bar = verticalScrollBar();
        bar->setPageStep(m_proportionalScrollBars
                             ? ProportionalPageStep(VisibleRowCount() + FixedRows(), RowCount(),
                                                    bar->maximum() - bar->minimum())
                             : 0);
    }
    if (ScrollBars() == ssHorizontal || ScrollBars() == ssBoth) {
        QScrollBar *bar = horizontalScrollBar();
        bar->setPageStep(m_proportionalScrollBars
                             ? ProportionalPageStep(VisibleColCount() + FixedCols(), ColCount(),
                                                    bar->maximum() - bar->minimum())
                             : 0);
    }
}

// ---------------------------------------------------------------------------
// Rows and columns

void TSortableGrid::Clear()
{
    ClearAllCells();
    m_modified = false;
}

void TSortableGrid::withoutAlwaysShowEditor(const std::function<void()> &action)
{
    if (!(Options() & goAlwaysShowEditor)) {
        action();
        return;
    }
    setOptions(Options() & ~TGridOptions(goAlwaysShowEditor));
    try {
        action();
    } catch (...) {
        setOptions(Options() | goAlwaysShowEditor);
        throw;
    }
    setOptions(Options() | goAlwaysShowEditor);
}

void TSortableGrid::InsertRow(int Index)
{
    if (Index < 0 || Index > RowCount())
        throw EInvalidGridOperation("Grid index out of range");
    setRowCount(RowCount() + 1);
    MoveRow(RowCount() - 1, Index);
    ClearRow(Index);
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
    ClearColumn(Index);
    setCol(Index);
    if (OnColumnInsert)
        OnColumnInsert(this, Index);
}

void TSortableGrid::DeleteRow(int Index)
{
    ClearRow(Index);
    withoutAlwaysShowEditor([&] { TStringGrid::DeleteRow(Index); });
    if (OnRowDelete)
        OnRowDelete(this, Index);
}

void TSortableGrid::DeleteColumn(int Index)
{
    ClearColumn(Index);
    withoutAlwaysShowEditor([&] { TStringGrid::DeleteColumn(Index); });
    if (OnColumnDelete)
        OnColumnDelete(this, Index);
}

void TSortableGrid::MoveRow(int FromIndex, int ToIndex)
{
    withoutAlwaysShowEditor([&] { TStringGrid::MoveRow(FromIndex, ToIndex); });
}

void TSortableGrid::MoveColumn(int FromIndex, int ToIndex)
{
    withoutAlwaysShowEditor([&] { TStringGrid::MoveColumn(FromIndex, ToIndex); });
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

TFormatOptions TSortableGrid::defaultFormat(TGridCanvas &canvas) const
{
    TFormatOptions options{canvas.Brush, canvas.Font, canvas.FontColor, m_alignmentHorz, m_alignmentVert,
                           m_bevelStyle, QColor(), QColor(), false};
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

void TSortableGrid::FitColumn(int Col)
{
    if (Col < 0 || Col >= ColCount())
        throw EInvalidGridOperation("Grid index out of range");
    TGridCanvas canvas;
    int widest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        // Each cell is measured as it is drawn: from the defaults its draw
        // state gives, changed by the format handler.
        PrepareCanvas(canvas, DrawStateOf(Col, r));
        TFormatOptions options = defaultFormat(canvas);
        if (OnGetCellFormat)
            OnGetCellFormat(this, Col, r, DrawStateOf(Col, r), options);
        widest = std::max(widest, canvas.TextWidth(Cells(Col, r)));
    }
    setColWidths(Col, widest + canvas.TextWidth(QStringLiteral("x")));
}

void TSortableGrid::FitColumns(bool IncludeFixed, int ExtraWidth)
{
    if (IncludeFixed) {
        for (int c = 0; c < FixedCols(); ++c) {
            FitColumn(c);
            if (ExtraWidth != 0)
                setColWidths(c, ColWidths(c) + ExtraWidth);
        }
    }
    for (int c = FixedCols(); c < ColCount(); ++c) {
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
    setRowCount(int(lines.size()));
    int cols = FixedCols() + 1;
    for (const QStringList &fields : lines)
        cols = std::max(cols, int(fields.size()));
    setColCount(FixedCols() + 1);
    setColCount(cols);
    for (int r = 0; r < int(lines.size()); ++r) {
        const QStringList &fields = lines[std::size_t(r)];
        for (int c = 0; c < fields.size(); ++c)
            if (!fields[c].isEmpty())
                setCells(c, r, fields[c]);
    }
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
    TStringGrid::SetEditText(col, row, value);
}

bool TSortableGrid::SelectCell(int col, int row)
{
    return TStringGrid::SelectCell(col, row);
}

void TSortableGrid::Click()
{
    try {
        TStringGrid::Click();
    } catch (...) {
        if (m_entered)
            ValidateCell();
        throw;
    }
    if (m_entered)
        ValidateCell();
}

void TSortableGrid::DoEnter()
{
    try {
        TStringGrid::DoEnter();
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
        TStringGrid::DoExit();
    } catch (...) {
        m_entered = false;
        throw;
    }
    m_entered = false;
    if (failure)
        std::rethrow_exception(failure);
}

// ---------------------------------------------------------------------------
// Notifications

void TSortableGrid::ColWidthsChanged()
{
    TStringGrid::ColWidthsChanged();
    if (OnColumnWidthsChanged)
        OnColumnWidthsChanged(this);
    UpdateScrollPages();
}

void TSortableGrid::RowHeightsChanged()
{
    TStringGrid::RowHeightsChanged();
    if (OnRowHeightsChanged)
        OnRowHeightsChanged(this);
    UpdateScrollPages();
}

void TSortableGrid::SizeChanged(int oldColCount, int oldRowCount)
{
    TStringGrid::SizeChanged(oldColCount, oldRowCount);
    if (OnSizeChanged)
        OnSizeChanged(this, oldColCount, oldRowCount);
    UpdateScrollPages();
}

void TSortableGrid::resizeEvent(QResizeEvent *event)
{
    TStringGrid::resizeEvent(event);
    UpdateScrollPages();
}

// ---------------------------------------------------------------------------
// Keys and mouse

void TSortableGrid::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    TStringGrid::KeyDown(key, modifiers);
    if (!m_extendedKeys || EditorMode())
        return;
    const Qt::KeyboardModifiers mods =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (mods == Qt::ControlModifier) {
        if (key == Qt::Key_Insert)
            InsertRow(Row());
        else if (key == Qt::Key_Delete && RowCount() > FixedRows() + 1)
            DeleteRow(Row());
    } else if (mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        if (key == Qt::Key_Insert)
            InsertColumn(Col());
        else if (key == Qt::Key_Delete && ColCount() > FixedCols() + 1)
            DeleteColumn(Col());
    }
}

void TSortableGrid::KeyPress(QChar &key)
{
    if (key == QLatin1Char('\r'))
        ValidateCell();
    TStringGrid::KeyPress(key);
}

void TSortableGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    const TGridCoord cell = MouseCoord(p.x(), p.y());
    const bool sort = hasFocus() && m_clickSorting && GridState() == gsNormal && FixedRows() > 0 &&
                      !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) &&
                      event->buttons() == Qt::NoButton && cell.Y >= 0 && cell.Y < FixedRows() && cell.X >= 0 &&
                      cell.X < ColCount();
    if (sort) {
        try {
            TSortOptions options;
            options.Mode = smDetect;
            options.Order = event->button() == Qt::RightButton ? soDescending : soAscending;
            options.CaseSensitive = m_caseSensitive;
            if (OnClickSort)
                OnClickSort(this, cell.X, cell.Y, options);
            const WaitCursor hourglass;
            SortColumn(cell.X, options);
        } catch (...) {
            TStringGrid::mouseReleaseEvent(event);
            throw;
        }
    }
    TStringGrid::mouseReleaseEvent(event);
}

// ---------------------------------------------------------------------------
// Drawing

void TSortableGrid::DrawCell(int col, int row, const QRect &rect, TGridDrawState state)
{
    TGridCanvas &canvas = Canvas();
    TFormatOptions options = defaultFormat(canvas);
    if (OnGetCellFormat)
        OnGetCellFormat(this, col, row, state, options);
    if (!DefaultDrawing()) {
        TStringGrid::DrawCell(col, row, rect, state);
        return;
    }
    const QString text = Cells(col, row);
    const int textWidth = canvas.TextWidth(text);
    const int textHeight = canvas.TextHeight(text);
    int x = 2, y = 2;
    switch (options.AlignmentHorz) {
    case taLeftJustify: x = 2; break;
    case taRightJustify: x = rect.width() - textWidth - 2; break;
    case taCenter: x = (rect.width() - textWidth) / 2; break;
    }
    switch (options.AlignmentVert) {
    case taTopJustify: y = 2; break;
    case taBottomJustify: y = rect.height() - textHeight - 3; break;
    case taMiddle: y = (rect.height() - textHeight) / 2; break;
    }
    canvas.FillRect(rect);
    if (!options.SuppressText)
        canvas.TextRect(rect, rect.left() + x, rect.top() + y, text);

    if (options.Bevel != cbNone && col >= FixedCols() && row >= FixedRows() && canvas.Painter) {
        QPainter &p = *canvas.Painter;
        const bool vert = Options() & goFixedVertLine;
        const bool horz = Options() & goFixedHorzLine;
        if (vert)
            p.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), options.DarkEdgeColor);
        if (horz)
            p.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), options.DarkEdgeColor);
        if (vert)
            p.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), options.LightEdgeColor);
        if (horz)
            p.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), options.LightEdgeColor);
    }
}
