#include "controls/WindowEdgeResizer.h"

#include "controls/CaptionLogic.h"
#include "controls/WindowChecks.h"

#include <QMouseEvent>
#include <QWindow>

namespace {

// Where the pointer must be for a corner resize, along either edge.
constexpr int CornerExtent = 16;

}  // namespace

WindowEdgeResizer::WindowEdgeResizer(QWidget *window, int grip) : QObject(window), window_(window), grip_(grip)
{
    window->installEventFilter(this);
    attachWindowHandle();
}

WindowEdgeResizer::~WindowEdgeResizer()
{
    setSizingCursor({});
    if (window_)
        window_->removeEventFilter(this);
    if (handle_)
        handle_->removeEventFilter(this);
}

void WindowEdgeResizer::attachWindowHandle()
{
    // The window handle sees every pointer event of the window before any
    // child widget does, so the edges work above the children too.
    QWindow *handle = window_ ? window_->windowHandle() : nullptr;
    if (!handle || handle == handle_)
        return;
    if (handle_)
        handle_->removeEventFilter(this);
    handle_ = handle;
    handle->installEventFilter(this);
}

Qt::Edges WindowEdgeResizer::edgesAt(const QPoint &pos) const
{
    if (!window_ || window_->isMaximized() || window_->isFullScreen() || !caption::isResizable(window_))
        return {};
    return caption::edgesAt(pos, window_->size(), grip_, CornerExtent);
}

void WindowEdgeResizer::setSizingCursor(Qt::Edges edges)
{
    if (!window_)
        return;
    if (!edges) {
        if (cursorSet_) {
            window_->unsetCursor();
            cursorSet_ = false;
        }
        return;
    }
    Qt::CursorShape shape = Qt::SizeAllCursor;
    if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
        shape = Qt::SizeFDiagCursor;
    else if (edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge))
        shape = Qt::SizeBDiagCursor;
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        shape = Qt::SizeHorCursor;
    else
        shape = Qt::SizeVerCursor;
    window_->setCursor(shape);
    cursorSet_ = true;
}

bool WindowEdgeResizer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_) {
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)
            attachWindowHandle();
        return false;
    }
    if (watched != handle_ || !window_)
        return false;

    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (resizing_) {
            if (!(mouse->buttons() & Qt::LeftButton)) {
                resizing_ = false;
                break;
            }
            const QPoint delta = mouse->globalPosition().toPoint() - pressGlobal_;
            window_->setGeometry(caption::resizedGeometry(startGeometry_, resizeEdges_, delta, window_->minimumSize(),
                                                          window_->maximumSize()));
            return true;
        }
        if (mouse->buttons() == Qt::NoButton)
            setSizingCursor(edgesAt(mouse->position().toPoint()));
        break;  // hovering still reaches the widgets
    }
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        const Qt::Edges edges = edgesAt(mouse->position().toPoint());
        if (!edges)
            break;
        if (handle_->startSystemResize(edges))
            return true;
        // No help from the window system: follow the pointer ourselves.
        resizing_ = true;
        resizeEdges_ = edges;
        startGeometry_ = window_->geometry();
        pressGlobal_ = mouse->globalPosition().toPoint();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (resizing_) {
            resizing_ = false;
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (resizing_ || edgesAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
            return true;
        break;
    case QEvent::Leave:
        if (!resizing_)
            setSizingCursor({});
        break;
    default: break;
    }
    return false;
}
