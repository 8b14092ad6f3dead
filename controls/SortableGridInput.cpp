#include "controls/SortableGrid.h"

#include "controls/GridSort.h"
#include "controls/WaitCursor.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include <cstdlib>
#include <exception>

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

