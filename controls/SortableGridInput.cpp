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
    rememberedCol_ = Col();
    rememberedRow_ = Row();
    rememberedText_ = Cells(rememberedCol_, rememberedRow_);
    rememberedModified_ = modified_;
}

void TSortableGrid::ValidateCell()
{
    const int c = rememberedCol_, r = rememberedRow_;
    // A remembered cell that no longer exists (its row or column was deleted) has nothing to check.
    const bool exists = c >= 0 && r >= 0 && c < ColCount() && r < RowCount();
    const QString present = Cells(c, r);
    if (exists && present != rememberedText_) {
        QString value = present;
        bool valid = true;
        if (OnCellValidate)
            OnCellValidate(this, c, r, value, valid);
        if (valid) {
            if (value != present)
                setCells(c, r, value);
        } else {
            setCells(c, r, value != present ? value : rememberedText_);
            modified_ = rememberedModified_;
        }
    }
    RememberCurrentCell();
}

void TSortableGrid::SetEditText(int col, int row, const QString &value)
{
    if (value != Cells(col, row))
        modified_ = true;
    setCells(col, row, value);
}

void TSortableGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    editor_ = nullptr;
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
        if (entered_)
            ValidateCell();
        throw;
    }
    if (entered_)
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
        entered_ = true;
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
        entered_ = false;
        throw;
    }
    entered_ = false;
    if (failure)
        std::rethrow_exception(failure);
}

// ---------------------------------------------------------------------------
// Keys and mouse

void TSortableGrid::keyPressEvent(QKeyEvent *event)
{
    if (browseOnly_)
        return event->ignore();
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !EditorMode())
        ValidateCell();
    QTableView::keyPressEvent(event);
    if (!extendedKeys_ || EditorMode())
        return;
    const Qt::KeyboardModifiers mods = event->modifiers()
                                       & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
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

QModelIndex TSortableGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const bool toAnEnd = cursorAction == MoveHome || cursorAction == MoveEnd;
    if (!toAnEnd || !(options_ & goRowSelect) || model_->rowCount() == 0)
        return QTableView::moveCursor(cursorAction, modifiers);
    const int col = std::max(currentIndex().column(), 0);
    return model_->index(cursorAction == MoveHome ? 0 : model_->rowCount() - 1, col);
}

void TSortableGrid::mousePressEvent(QMouseEvent *event)
{
    if (browseOnly_)
        return event->ignore();
    dragPress_.reset();
    const QModelIndex pressed = indexAt(event->position().toPoint());
    // Below the last row there is no cell: the selection stays, as in a string grid.
    if (!pressed.isValid()) {
        if (focusPolicy() & Qt::ClickFocus)
            setFocus(Qt::MouseFocusReason);
        return;
    }
    gridState_ = gsSelecting;
    if (OnStartDrag && event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier && pressed.isValid()
        && selectionModel()->isSelected(pressed)) {
        dragPress_.reset(event->clone());
        return;
    }
    QTableView::mousePressEvent(event);
}

void TSortableGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (browseOnly_)
        return event->ignore();
    if (!dragPress_) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    if ((event->position() - dragPress_->position()).manhattanLength() < QApplication::startDragDistance())
        return;
    dragPress_.reset();
    gridState_ = gsNormal;
    OnStartDrag(this);
}

void TSortableGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (browseOnly_)
        return event->ignore();
    // The view takes a double-click only on the row its last press was on.
    if (const std::unique_ptr<QMouseEvent> press = std::move(dragPress_))
        QTableView::mousePressEvent(press.get());
    QTableView::mouseDoubleClickEvent(event);
}

void TSortableGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (browseOnly_)
        return event->ignore();
    // A press held back for a drag that never started was a click after all.
    if (const std::unique_ptr<QMouseEvent> press = std::move(dragPress_))
        QTableView::mousePressEvent(press.get());
    QTableView::mouseReleaseEvent(event);
    if (event->buttons() == Qt::NoButton)
        gridState_ = gsNormal;
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
    if (browseOnly_ && dynamic_cast<QMouseEvent *>(event))
        return true;
    if (event->type() == QEvent::MouseButtonPress) {
        auto *press = static_cast<QMouseEvent *>(event);
        // A press on a title focuses the grid, as a press on any of its cells does.
        if (focusPolicy() & Qt::ClickFocus)
            setFocus(Qt::MouseFocusReason);
        gridState_ = onResizeHandle(press->position().toPoint().x()) ? gsColSizing : gsNormal;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto *release = static_cast<QMouseEvent *>(event);
        titleReleased(release);
        if (release->buttons() == Qt::NoButton)
            gridState_ = gsNormal;
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
    const bool sort = focused && clickSorting_ && gridState_ == gsNormal && FixedRows() > 0
                      && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
                      && event->buttons() == Qt::NoButton && onTitle;
    if (!sort)
        return;
    TSortOptions options;
    options.Mode = smDetect;
    options.Order = event->button() == Qt::RightButton ? soDescending : soAscending;
    options.CaseSensitive = caseSensitive_;
    if (OnClickSort)
        OnClickSort(this, col, 0, options);
    const WaitCursor hourglass;
    SortColumn(col, options);
}
