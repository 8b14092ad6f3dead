#pragma once
// TStringGrid: a scrollable table of text cells with fixed title rows and
// columns, a current cell, a selection rectangle and an optional in-place
// editor. It paints its cells itself and scrolls by whole rows and columns.
//
// Storage is one small struct per row holding its cells (text and an object
// pointer); a row's cell vector may be shorter than ColCount, the missing
// cells being empty. Painting touches only the visible cells.

#include <QAbstractScrollArea>
#include <QBrush>
#include <QColor>
#include <QFlags>
#include <QFont>
#include <QLineEdit>
#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>
#include <vector>

class QPainter;
class TStringGrid;

class EInvalidGridOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

enum TGridDrawStateFlag : unsigned { gdSelected = 1u << 0, gdFocused = 1u << 1, gdFixed = 1u << 2 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

struct TGridRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const TGridRect &) const = default;
};

struct TGridCoord {
    int X = -1, Y = -1;
    bool operator==(const TGridCoord &) const = default;
};

// What a cell is drawn with: the painter (null while a cell is only being
// measured), the fill, the font and the font's colour (a QFont has none).
struct TGridCanvas {
    QPainter *Painter = nullptr;
    QBrush Brush;
    QFont Font;
    QColor FontColor;

    void FillRect(const QRect &rect);
    // Draws text with its top-left corner at (x, y), clipped to rect.
    void TextRect(const QRect &rect, int x, int y, const QString &text);
    int TextWidth(const QString &text) const;
    int TextHeight(const QString &text) const;
};

// The in-place editor: a frameless line edit over the current cell that
// hands navigation keys back to its grid.
class TInplaceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TInplaceEdit(TStringGrid *grid);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    TStringGrid *m_grid;
};

class TStringGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget *parent = nullptr);
    ~TStringGrid() override;

    // Counts. A row or column count below 1 becomes 1; a count at or below
    // the fixed count lowers the fixed count to count - 1.
    int ColCount() const { return m_colCount; }
    void setColCount(int value);
    int RowCount() const { return m_rowCount; }
    void setRowCount(int value);
    int FixedCols() const { return m_fixedCols; }
    void setFixedCols(int value);  // throws EInvalidGridOperation when >= ColCount
    int FixedRows() const { return m_fixedRows; }
    void setFixedRows(int value);  // throws EInvalidGridOperation when >= RowCount

    int DefaultColWidth() const { return m_defaultColWidth; }
    void setDefaultColWidth(int value);  // resets every column's width
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int value);  // resets every row's height
    int ColWidths(int col) const;
    void setColWidths(int col, int width);
    int RowHeights(int row) const;
    void setRowHeights(int row, int height);

    // Reading outside the grid gives an empty text; writing there throws.
    QString Cells(int col, int row) const;
    void setCells(int col, int row, const QString &text);
    void *Objects(int col, int row) const;
    void setObjects(int col, int row, void *object);
    QStringList Rows(int row) const;
    void setRows(int row, const QStringList &texts);
    QStringList Cols(int col) const;
    void setCols(int col, const QStringList &texts);

    // The current cell. Setting it goes through SelectCell, scrolls it into
    // view and raises the click notification.
    int Col() const { return m_curCol; }
    void setCol(int col);
    int Row() const { return m_curRow; }
    void setRow(int row);
    TGridRect Selection() const;
    void setSelection(const TGridRect &rect);

    int TopRow() const { return m_topRow; }
    void setTopRow(int row);
    int LeftCol() const { return m_leftCol; }
    void setLeftCol(int col);
    // Fully visible non-fixed rows and columns from TopRow / LeftCol on.
    int VisibleRowCount() const;
    int VisibleColCount() const;

    TGridOptions Options() const { return m_options; }
    void setOptions(TGridOptions options);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void setScrollBars(TScrollStyle style);
    bool DefaultDrawing() const { return m_defaultDrawing; }
    void setDefaultDrawing(bool on);
    TGridState GridState() const { return m_state; }

    bool EditorMode() const { return m_editorMode; }
    void setEditorMode(bool on);
    TInplaceEdit *InplaceEditor() const { return m_editor; }

    // The cell under a viewport point; -1 for a coordinate outside every cell.
    TGridCoord MouseCoord(int x, int y) const;
    // The cell's rectangle in viewport coordinates, grid lines excluded; an
    // empty rectangle when the cell is scrolled out of view.
    QRect CellRect(int col, int row) const;

    // The canvas a cell is being drawn on, valid inside DrawCell and OnDrawCell.
    TGridCanvas &Canvas() { return m_canvas; }

    // Primitives: move one row or column to another index (those between
    // shift by one; heights and widths travel with them), delete one.
    virtual void MoveRow(int fromIndex, int toIndex);
    virtual void MoveColumn(int fromIndex, int toIndex);
    virtual void DeleteRow(int row);
    virtual void DeleteColumn(int col);

    std::function<void(TStringGrid *Sender, int Col, int Row, bool &CanSelect)> OnSelectCell;
    std::function<void(TStringGrid *Sender)> OnClick;
    std::function<void(TStringGrid *Sender, int Col, int Row, const QRect &Rect, TGridDrawState State)> OnDrawCell;
    std::function<void(TStringGrid *Sender)> OnEnter;
    std::function<void(TStringGrid *Sender)> OnExit;
    std::function<void(TStringGrid *Sender)> OnTopLeftChanged;
    std::function<void(TStringGrid *Sender, int FromIndex, int ToIndex)> OnColumnMoved;
    std::function<void(TStringGrid *Sender, int FromIndex, int ToIndex)> OnRowMoved;
    std::function<void(TStringGrid *Sender, int Col, int Row, const QString &Value)> OnSetEditText;

protected:
    // Draws one cell on Canvas(), already set up for its draw state. With
    // DefaultDrawing the text is drawn at (2, 2) in the cell; without, the
    // cell is handed to OnDrawCell.
    virtual void DrawCell(int col, int row, const QRect &rect, TGridDrawState state);
    // The cell-selection check: OnSelectCell may refuse.
    virtual bool SelectCell(int col, int row);
    // Raised whenever the current cell moves.
    virtual void Click();
    virtual void DoEnter();
    virtual void DoExit();
    virtual QString GetEditText(int col, int row);
    // The in-place editor stores its text (on every change).
    virtual void SetEditText(int col, int row, const QString &value);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void SizeChanged(int oldColCount, int oldRowCount);
    virtual void TopLeftChanged();
    virtual void ColumnMoved(int fromIndex, int toIndex);
    virtual void RowMoved(int fromIndex, int toIndex);
    virtual void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    virtual void KeyPress(QChar &key);

    // The draw state the painting gives a cell.
    TGridDrawState DrawStateOf(int col, int row) const;
    // Sets a canvas's brush, font and colour as the painting starts a cell.
    void PrepareCanvas(TGridCanvas &canvas, TGridDrawState state) const;
    // Data row FixedRows + i receives the row (texts and objects) that stood
    // at sourceRows[i]; sourceRows must be a permutation of the data rows.
    void PermuteRows(const std::vector<int> &sourceRows);
    void ClearAllCells();
    void ClearRow(int row);
    void ClearColumn(int col);
    void ShowEditor();
    void HideEditor();
    // Moves the current cell; moveAnchor false extends the selection.
    void FocusCell(int col, int row, bool moveAnchor);
    void InvalidateGrid();
    void UpdateScrollRange();

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class TInplaceEdit;

    struct Cell {
        QString Text;
        void *Object = nullptr;
    };
    struct GridRow {
        std::vector<Cell> Cells;  // may be shorter than ColCount
    };

    void checkCell(int col, int row) const;
    Cell &cellForWrite(int col, int row);
    int lineWidthX() const;
    int lineWidthY() const;
    int fixedWidth() const;
    int fixedHeight() const;
    int maxTopRow() const;
    int maxLeftCol() const;
    bool moveCurrent(int col, int row, bool moveAnchor, bool show);
    void moveAnchorTo(int col, int row);
    void scrollIntoView(int col, int row);
    void clampPositions();
    void layoutChanged();
    void updateEditor();
    void editorGainedFocus();
    void editorLostFocus(QFocusEvent *event);
    void focusLeft(QFocusEvent *event);
    void pageAction(Qt::Orientation orientation, int action);
    int sizingBorderAt(int x, int y, Qt::Orientation *orientation) const;

    std::vector<GridRow> m_rows;
    std::vector<int> m_colWidths;
    std::vector<int> m_rowHeights;
    int m_colCount = 5;
    int m_rowCount = 5;
    int m_fixedCols = 1;
    int m_fixedRows = 1;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    int m_curCol = 1, m_curRow = 1;
    int m_anchorCol = 1, m_anchorRow = 1;
    int m_topRow = 1, m_leftCol = 1;
    TGridOptions m_options = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    TScrollStyle m_scrollBars = ssBoth;
    bool m_defaultDrawing = true;
    TGridState m_state = gsNormal;
    int m_sizingIndex = -1;   // the column or row being sized
    int m_sizingStart = 0;    // its left or top edge
    int m_moveFrom = -1;
    int m_moveTo = -1;
    bool m_focusWithin = false;
    bool m_editorMode = false;
    bool m_syncingScrollBars = false;
    QString m_editorOriginalText;
    TInplaceEdit *m_editor = nullptr;
    TGridCanvas m_canvas;
};
