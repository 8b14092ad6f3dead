#include "controls/FlatButton.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QEnterEvent>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QToolTip>

using namespace flatbutton;

// ---------------------------------------------------------------------------
// Pointer and keyboard

bool TFlatButton::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        if (!showHint_) {
            QToolTip::hideText();
            return true;
        }
        break;
    case QEvent::Shortcut:
        if (static_cast<QShortcutEvent *>(event)->shortcutId() == shortcutId_) {
            performAccelerator();
            return true;
        }
        break;
    case QEvent::WindowActivate: {
        // The window is back, perhaps from a box the button opened.
        const bool handled = QWidget::event(event);
        recheckPointer();
        return handled;
    }
    default: break;
    }
    return QWidget::event(event);
}

void TFlatButton::pointerMoved(bool inside)
{
    reportCrossing(pointer_.moved(inside));
}

void TFlatButton::reportCrossing(flatbutton::PointerTracker::Crossing crossing)
{
    if (!down_ && isEnabled())
        update();
    if (crossing == flatbutton::PointerTracker::Crossing::None)
        return;
    QPointer<TFlatButton> self(this);
    if (crossing == flatbutton::PointerTracker::Crossing::Entered) {
        if (OnEnter)
            OnEnter(this);
        if (self)
            emit entered();
    } else {
        if (OnExit)
            OnExit(this);
        if (self)
            emit exited();
    }
}

void TFlatButton::enterEvent(QEnterEvent *)
{
    pointerMoved(true);
}

void TFlatButton::leaveEvent(QEvent *)
{
    pointerMoved(false);
}

void TFlatButton::mouseMoveEvent(QMouseEvent *event)
{
    // While the left button is held the window system reports no crossing,
    // so the moves tell whether the pointer is still over the button.
    if (pressed_ && rect().contains(event->position().toPoint()) != pointer_.hot())
        pointerMoved(!pointer_.hot());
    QWidget::mouseMoveEvent(event);
}

void TFlatButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        leftPress();
    else
        QWidget::mousePressEvent(event);
}

void TFlatButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a quick double click is a press like any other,
    // so two quick clicks are two clicks.
    mousePressEvent(event);
}

void TFlatButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        leftRelease();
    else
        QWidget::mouseReleaseEvent(event);
}

void TFlatButton::contextMenuEvent(QContextMenuEvent *event)
{
    if (!popupMenu_) {
        event->ignore();  // the parent's own menu, if it has one
        return;
    }
    QPointer<TFlatButton> self(this);
    popupMenu_->exec(event->globalPos());
    if (!self)
        return;
    recomputeHot();
    pressed_ = false;
    update();
}

void TFlatButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        pressed_ = false;
        pointer_.setHot(false);
        update();
    } else if (event->type() == QEvent::PaletteChange && shadedMade_) {
        makeShadedImage();
    }
    QWidget::changeEvent(event);
}

void TFlatButton::leftPress()
{
    if (QWidget *form = window(); form && !form->isActiveWindow()) {
        form->raise();
        form->activateWindow();
    }
    if (!isEnabled() || !isVisible())
        return;
    pressed_ = true;
    pointer_.setHot(true);
    update();
    if (dropDownMenu_)
        showDropDown();
    // Without a menu, the press grabs the mouse until it is released.
}

void TFlatButton::showDropDown()
{
    QPointer<TFlatButton> self(this);
    repaint();  // pressed while the menu is open
    dropDownMenu_->exec(mapToGlobal(QPoint(0, height())));
    if (!self)
        return;
    // The release that belongs to this press went to the menu, or comes
    // later and finds the button no longer pressed: no click either way.
    recomputeHot();
    pressed_ = false;
    update();
}

void TFlatButton::leftRelease()
{
    if (!isEnabled() || !isVisible() || !pressed_)
        return;
    pressed_ = false;
    if (pointer_.hot() && groupIndex_ != 0) {
        if (!down_)
            setDown(true);
        else if (allowAllUp_)
            setDown(false);
    }
    if (!pointer_.hot()) {
        update();
        return;
    }
    recomputeHot();
    update();
    if (!dropDownMenu_) {
        QPointer<TFlatButton> self(this);
        click();
        // The click may have opened a box that held the pointer's crossings.
        if (self)
            recheckPointer();
    }
}

void TFlatButton::click()
{
    QPointer<TFlatButton> self(this);
    if (OnClick)
        OnClick(this);
    if (self)
        emit clicked();
}

void TFlatButton::recomputeHot()
{
    pointer_.setHot(rect().contains(mapFromGlobal(QCursor::pos())));
}

void TFlatButton::recheckPointer()
{
    // While the left button is held the moves decide (mouseMoveEvent).
    if (pressed_ || !isVisible())
        return;
    reportCrossing(pointer_.recheck(rect(), mapFromGlobal(QCursor::pos())));
}

void TFlatButton::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    recheckPointer();
}

void TFlatButton::performAccelerator()
{
    if (!isEnabled() || !isVisible())
        return;
    // Shown step by step like a click with the mouse: hot, pressed, released.
    QPointer<TFlatButton> self(this);
    pointer_.setHot(true);
    pressed_ = false;
    repaint();
    leftPress();
    if (!self)
        return;
    repaint();
    leftRelease();
    if (!self)
        return;
    recomputeHot();
    update();
}
