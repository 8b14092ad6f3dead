#pragma once
// TSortableGrid: a table view over a GridModel, addressed like a string grid
// (cells by column and row, the title row as fixed row 0), with sorting of
// its data rows (by a click on a title or by a call, undoable once), a
// per-cell formatting hook, row and column editing with notifications,
// column fitting, search, delimited text files and edit validation.
//
// The view paints only the visible rows and uses the desktop's header and
// selection; screen readers see it through Qt's own table accessibility.

#include "controls/CellConversion.h"
#include "controls/GridModel.h"
#include "controls/SortTypes.h"

#include <QBrush>
#include <QColor>
#include <QFlags>
#include <QFont>
#include <QPointer>
#include <QTableView>

#include <functional>
#include <memory>

enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,  // with bevels: the left and right edges of data cells
    goFixedHorzLine = 1u << 1,  // with bevels: the top and bottom edges
    goVertLine = 1u << 2,       // either of the two draws the lines between cells
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goColSizing = 1u << 7,
    goEditing = 1u << 10,
    goRowSelect = 1u << 12,
    goThumbTracking = 1u << 14,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

enum TGridDrawStateFlag : unsigned { gdSelected = 1u << 0, gdFocused = 1u << 1, gdFixed = 1u << 2 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

enum TGridState { gsNormal, gsSelecting, gsColSizing };

struct TGridRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const TGridRect &) const = default;
};

// The drawing options of one cell, filled with defaults before the cell is
// drawn or measured and handed to OnGetCellFormat by reference.
struct TFormatOptions {
    QBrush &Brush;      // the cell's fill, changed in place
    QFont &Font;        // the text's font, changed in place
    QColor &FontColor;  // the text's colour
    TAlignment AlignmentHorz = taLeftJustify;
    TVertAlignment AlignmentVert = taTopJustify;
    TCellBevelStyle Bevel = cbNone;
    QColor LightEdgeColor;
    QColor DarkEdgeColor;
    bool SuppressText = false;
};

class TSortableGrid : public QTableView {
    Q_OBJECT
public:
    explicit TSortableGrid(QWidget *parent = nullptr);
    ~TSortableGrid() override;

    // Counts. Rows and columns are at least 1. The view has one header, so
    // FixedRows is 0 or 1; there are no fixed columns.
    int RowCount() const { return model_->gridRowCount(); }
    void setRowCount(int value);
    int ColCount() const { return model_->gridColCount(); }
    void setColCount(int value);
    int FixedRows() const { return model_->fixedRows(); }
    void setFixedRows(int value);  // throws EInvalidGridOperation outside 0..min(1, RowCount)
    int FixedCols() const { return 0; }

    int DefaultColWidth() const;
    void setDefaultColWidth(int value);
    int DefaultRowHeight() const;
    void setDefaultRowHeight(int value);
    int ColWidths(int col) const { return columnWidth(col); }
    void setColWidths(int col, int width);
    // The column that takes the free width of the view (-1: none): whenever
    // the view's width changes it is made as wide as the view leaves free,
    // but never narrower than its own width, the one last given to it by
    // setColWidths or by the user's drag.
    int FillColumn() const { return fillColumn_; }
    void setFillColumn(int col);
    // The fill column's own width: what a caller keeps as the user's choice,
    // where ColWidths tells what this view's size has made of it.
    int FillColumnOwnWidth() const { return fillOwnWidth_; }
    // A data row's height, or the title row's.
    int RowHeights(int row) const;

    QString Cells(int col, int row) const { return model_->text(col, row); }
    void setCells(int col, int row, const QString &text) { model_->setText(col, row, text); }
    void *Objects(int col, int row) const { return model_->object(col, row); }
    void setObjects(int col, int row, void *object) { model_->setObject(col, row, object); }
    QIcon Icons(int col, int row) const { return model_->icon(col, row); }
    void setIcons(int col, int row, const QIcon &icon) { model_->setIcon(col, row, icon); }
    QStringList Rows(int row) const { return model_->rowTexts(row); }
    void setRows(int row, const QStringList &texts);
    // Replaces every data row in one step, objects included; the title row
    // stays, the row count follows, and the first row becomes current.
    void AssignDataRows(std::vector<GridRow> rows);
    // Adds rows after the last one, objects included: the rows there, the
    // current cell, the selection and the scrolling stay; nothing is sorted.
    void AppendDataRows(std::vector<GridRow> rows);
    // Takes the data rows out, objects included, to be given back changed
    // (AssignDataRows); the title row stays.
    std::vector<GridRow> TakeDataRows();
    // Keeps the data rows whose first cell's object `keep` says yes to, in
    // their order; the first row becomes current.
    void RetainDataRows(const std::function<bool(void *Object)> &keep);

    // The current cell in grid rows; FixedRows when there is no data row.
    int Col() const;
    void setCol(int col);
    int Row() const;
    void setRow(int row);
    // The selected block of cells (whole rows with goRowSelect), or the
    // current cell; Top > Bottom when there is no data row. Rows chosen one
    // by one (Ctrl+click) need not touch: the block then spans from the top
    // selected cell to the bottom one and may hold rows that are not
    // selected. Whoever acts on the chosen rows reads selectionModel().
    TGridRect Selection() const;
    void setSelection(const TGridRect &rect);
    int TopRow() const;
    // Fully visible data rows.
    int VisibleRowCount() const;

    TGridOptions Options() const { return options_; }
    void setOptions(TGridOptions options);
    TGridState GridState() const { return gridState_; }
    bool EditorMode() const { return state() == QAbstractItemView::EditingState; }
    // The in-place editor while a cell is edited, else null.
    QWidget *InplaceEditor() const { return editor_; }

    // A data cell's rectangle in viewport coordinates, or a title's in the
    // header's viewport; empty when scrolled out of view.
    QRect CellRect(int col, int row) const;

    // Sorting
    virtual void ExecuteSort(int Col, const TSortOptions &Options);
    virtual TSortMode DetectSortMode(int Col);
    virtual void SortColumn(int Col, TSortOptions Options);
    virtual bool CanUndoSort();
    virtual void UndoSort();

    virtual void RememberCurrentCell();
    virtual void GoToCell(int Col, int Row);
    virtual void Clear();
    virtual void InsertRow(int Index);
    virtual void InsertColumn(int Index);
    virtual void DeleteRow(int Index);
    virtual void DeleteColumn(int Index);
    virtual void MoveRow(int FromIndex, int ToIndex);
    virtual void MoveColumn(int FromIndex, int ToIndex);
    virtual void SwapRows(int IndexA, int IndexB);
    virtual void SwapColumns(int IndexA, int IndexB);
    virtual void FitColumn(int Col);
    virtual void FitColumns(bool IncludeFixed, int ExtraWidth);
    // Leaves Col and Row unchanged when nothing matches.
    virtual bool FindCell(const QString &Text, int &Col, int &Row);
    // Reads the whole file before touching the grid: a file that cannot be
    // read throws and leaves the grid as it was.
    virtual void LoadFromFile(const QString &FileName, QChar Delimiter);
    virtual void SaveToFile(const QString &FileName, QChar Delimiter);
    virtual void ValidateCell();

    // The entries of the last sort (empty when there is nothing to undo).
    const TSortedList &SortRecord() const { return sortRecord_; }

    // Properties
    bool CaseSensitive() const { return caseSensitive_; }
    void setCaseSensitive(bool on) { caseSensitive_ = on; }
    TAlignment AlignmentHorz() const { return alignmentHorz_; }
    void setAlignmentHorz(TAlignment value);
    TVertAlignment AlignmentVert() const { return alignmentVert_; }
    void setAlignmentVert(TVertAlignment value);
    bool ClickSorting() const { return clickSorting_; }
    void setClickSorting(bool on) { clickSorting_ = on; }
    TCellBevelStyle BevelStyle() const { return bevelStyle_; }
    void setBevelStyle(TCellBevelStyle value);
    // Browse-only: the rows can be scrolled (wheel, scroll bars) but the
    // keyboard and the mouse choose, sort, resize and drag nothing.
    bool BrowseOnly() const { return browseOnly_; }
    void setBrowseOnly(bool on) { browseOnly_ = on; }
    bool ExtendedKeys() const { return extendedKeys_; }
    void setExtendedKeys(bool on) { extendedKeys_ = on; }
    bool Modified() const { return modified_; }
    void setModified(bool on) { modified_ = on; }

    // The defaults a cell starts from before OnGetCellFormat changes them.
    TFormatOptions DefaultFormat(QBrush &brush, QFont &font, QColor &fontColor) const;
    // Stores an edited text, noting whether it changed anything.
    virtual void SetEditText(int col, int row, const QString &value);

    std::function<void(TSortableGrid *Sender, int Col, int Row, TGridDrawState State, TFormatOptions &FormatOptions)>
        OnGetCellFormat;
    std::function<void(TSortableGrid *Sender, int Col, int Row, TSortOptions &SortOptions)> OnClickSort;
    std::function<void(TSortableGrid *Sender)> OnClick;
    std::function<void(TSortableGrid *Sender)> OnEnter;
    std::function<void(TSortableGrid *Sender)> OnExit;
    std::function<void(TSortableGrid *Sender, int Index)> OnRowInsert;
    std::function<void(TSortableGrid *Sender, int Index)> OnRowDelete;
    std::function<void(TSortableGrid *Sender, int Index)> OnColumnInsert;
    std::function<void(TSortableGrid *Sender, int Index)> OnColumnDelete;
    std::function<void(TSortableGrid *Sender)> OnColumnWidthsChanged;
    std::function<void(TSortableGrid *Sender, int OldColCount, int OldRowCount)> OnSizeChanged;
    std::function<void(TSortableGrid *Sender, int Col, TSortOptions &SortOptions)> OnBeginSort;
    std::function<void(TSortableGrid *Sender, int Col)> OnEndSort;
    // Set: the rows for which it is true stay above the others whatever the
    // order, sorted among themselves (a file list's folders).
    std::function<bool(const TSortableGrid *Sender, int Row)> SortsFirst;
    // Set: the tooltip of a data row, shown over any of its cells; none when empty.
    std::function<QString(const TSortableGrid *Sender, int Row)> RowHint;
    std::function<void(TSortableGrid *Sender, int Col, int Row, QString &Value, bool &Valid)> OnCellValidate;
    // Set: a plain left press on a selected row that moves the desktop's drag
    // distance calls it instead of selecting, as in a file manager; a press
    // on an unselected row still selects a range, and a press released in
    // place is a click.
    std::function<void(TSortableGrid *Sender)> OnStartDrag;

protected:
    // Raised whenever the current cell moves, and when the focus leaves.
    virtual void Click();
    virtual void DoEnter();
    virtual void DoExit();
    virtual void SizeChanged(int oldColCount, int oldRowCount);

    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent *event) override;
    // With whole rows selected, Home and End go to the first and last row
    // (with or without Ctrl), as in a file list.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool viewportEvent(QEvent *event) override;

    // A release over the title row: sorts by that column when every
    // condition of a click sort holds.
    void titleReleased(QMouseEvent *event);

private:
    friend class GridCellDelegate;

    QModelIndex modelIndex(int col, int row) const;
    void focusMoved(QWidget *old, QWidget *now);
    bool onResizeHandle(int x) const;
    void countsChanged(int oldColCount, int oldRowCount);
    void columnResized(int col, int newWidth);
    void fillView();

    GridModel *model_ = nullptr;
    QPointer<QWidget> editor_;
    std::unique_ptr<QMouseEvent> dragPress_;  // held back until it is a drag or a click
    TSortedList sortRecord_;
    int sortFixedRows_ = 0;  // FixedRows when the record was made
    TGridOptions options_;
    TGridState gridState_ = gsNormal;
    int fillColumn_ = -1;
    int fillOwnWidth_ = 0;
    bool filling_ = false;  // the width being set is the fill's, not a choice
    bool caseSensitive_ = false;
    TAlignment alignmentHorz_ = taLeftJustify;
    TVertAlignment alignmentVert_ = taTopJustify;
    bool clickSorting_ = true;
    TCellBevelStyle bevelStyle_ = cbNone;
    bool browseOnly_ = false;
    bool extendedKeys_ = false;
    bool modified_ = false;
    bool entered_ = false;
    int rememberedCol_ = 0;
    int rememberedRow_ = 0;
    QString rememberedText_;
    bool rememberedModified_ = false;
};
