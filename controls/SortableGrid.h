#pragma once
// TSortableGrid: the string grid with sorting of its data rows (by a click on
// a title cell or by a call, undoable once), a per-cell formatting hook,
// proportional scroll thumbs, row and column editing with notifications,
// column fitting, search, delimited text files and edit validation.

#include "controls/CellConversion.h"
#include "controls/SortTypes.h"
#include "controls/StringGrid.h"

#include <functional>

// The drawing options of one cell, filled with defaults before the cell is
// drawn or measured and handed to OnGetCellFormat by reference.
struct TFormatOptions {
    QBrush &Brush;       // the canvas's brush, changed in place
    QFont &Font;         // the canvas's font, changed in place
    QColor &FontColor;   // the canvas's text colour
    TAlignment AlignmentHorz = taLeftJustify;
    TVertAlignment AlignmentVert = taTopJustify;
    TCellBevelStyle Bevel = cbNone;
    QColor LightEdgeColor;
    QColor DarkEdgeColor;
    bool SuppressText = false;
};

class TSortableGrid : public TStringGrid {
    Q_OBJECT
public:
    explicit TSortableGrid(QWidget *parent = nullptr);
    ~TSortableGrid() override;

    // Sorting
    virtual void ExecuteSort(int Col, const TSortOptions &Options);
    virtual TSortMode DetectSortMode(int Col);
    virtual void SortColumn(int Col, TSortOptions Options);
    virtual bool CanUndoSort();
    virtual void UndoSort();

    virtual void UpdateScrollPages();
    virtual void RememberCurrentCell();
    virtual void GoToCell(int Col, int Row);
    virtual void Clear();
    virtual void InsertRow(int Index);
    virtual void InsertColumn(int Index);
    void DeleteRow(int Index) override;
    void DeleteColumn(int Index) override;
    void MoveRow(int FromIndex, int ToIndex) override;
    void MoveColumn(int FromIndex, int ToIndex) override;
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
    const TSortedList &SortRecord() const { return m_sortRecord; }

    // Properties
    bool CaseSensitive() const { return m_caseSensitive; }
    void setCaseSensitive(bool on) { m_caseSensitive = on; }
    TAlignment AlignmentHorz() const { return m_alignmentHorz; }
    void setAlignmentHorz(TAlignment value);
    TVertAlignment AlignmentVert() const { return m_alignmentVert; }
    void setAlignmentVert(TVertAlignment value);
    bool ClickSorting() const { return m_clickSorting; }
    void setClickSorting(bool on) { m_clickSorting = on; }
    TCellBevelStyle BevelStyle() const { return m_bevelStyle; }
    void setBevelStyle(TCellBevelStyle value);
    bool ProportionalScrollBars() const { return m_proportionalScrollBars; }
    void setProportionalScrollBars(bool on);
    bool ExtendedKeys() const { return m_extendedKeys; }
    void setExtendedKeys(bool on) { m_extendedKeys = on; }
    bool Modified() const { return m_modified; }
    void setModified(bool on) { m_modified = on; }

    // The page step that makes a QScrollBar's thumb cover the share
    // `shown / count` of its groove. Qt draws the thumb as
    // pageStep / (range + pageStep) of the groove, where range is
    // maximum - minimum, so pageStep = share * range / (1 - share),
    // rounded to the nearest integer (halves to even), at least 1.
    static int ProportionalPageStep(int shown, int count, int range);

    std::function<void(TSortableGrid *Sender, int Col, int Row, TGridDrawState State, TFormatOptions &FormatOptions)>
        OnGetCellFormat;
    std::function<void(TSortableGrid *Sender, int Col, int Row, TSortOptions &SortOptions)> OnClickSort;
    std::function<void(TSortableGrid *Sender, int Index)> OnRowInsert;
    std::function<void(TSortableGrid *Sender, int Index)> OnRowDelete;
    std::function<void(TSortableGrid *Sender, int Index)> OnColumnInsert;
    std::function<void(TSortableGrid *Sender, int Index)> OnColumnDelete;
    std::function<void(TSortableGrid *Sender)> OnColumnWidthsChanged;
    std::function<void(TSortableGrid *Sender)> OnRowHeightsChanged;
    std::function<void(TSortableGrid *Sender, int OldColCount, int OldRowCount)> OnSizeChanged;
    std::function<void(TSortableGrid *Sender, int Col, TSortOptions &SortOptions)> OnBeginSort;
    std::function<void(TSortableGrid *Sender, int Col)> OnEndSort;
    std::function<void(TSortableGrid *Sender, int Col, int Row, QString &Value, bool &Valid)> OnCellValidate;

protected:
    void DrawCell(int col, int row, const QRect &rect, TGridDrawState state) override;
    bool SelectCell(int col, int row) override;
    void Click() override;
    void DoEnter() override;
    void DoExit() override;
    void SetEditText(int col, int row, const QString &value) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void SizeChanged(int oldColCount, int oldRowCount) override;
    void KeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void KeyPress(QChar &key) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    TFormatOptions defaultFormat(TGridCanvas &canvas) const;
    void withoutAlwaysShowEditor(const std::function<void()> &action);

    TSortedList m_sortRecord;
    int m_sortFixedRows = 0;  // FixedRows when the record was made
    bool m_caseSensitive = false;
    TAlignment m_alignmentHorz = taLeftJustify;
    TVertAlignment m_alignmentVert = taTopJustify;
    bool m_clickSorting = true;
    TCellBevelStyle m_bevelStyle = cbNone;
    bool m_proportionalScrollBars = true;
    bool m_extendedKeys = false;
    bool m_modified = false;
    bool m_entered = false;
    int m_rememberedCol = 0;
    int m_rememberedRow = 0;
    QString m_rememberedText;
    bool m_rememberedModified = false;
};
