#include "controls/WindowEdgeResizer.h"

#include "controls/CaptionLogic.h"
#include "controls/WindowChecks.h"

#include <QMouseEvent>
#include <QWindow>

namespace {

// Where the pointer must be for a corner resize, along either edge.
constexpr int CornerExtent = 16;

}  // namespace

TWindowEdgeResizer::TWindowEdgeResizer(QWidget *window, int grip) : QObject(window), m_window(window), m_grip(grip)
{
    window->installEventFilter(this);
    attachWindowHandle();
}

TWindowEdgeResizer::~TWindowEdgeResizer()
{
    setSizingCursor({});
    if (m_window)
        m_window->removeEventFilter(this);
    if (m_handle)
        m_handle->removeEventFilter(this);
}

void TWindowEdgeResizer::attachWindowHandle()
{
    // The window handle sees every pointer event of the window before any
    // child widget does, so the edges work above the children too.
    QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
    if (!handle || handle == m_handle)
        return;
    if (m_handle)
        m_handle->removeEventFilter(this);
    m_handle = handle;
    handle->installEventFilter(this);
}

Qt::Edges TWindowEdgeResizer::edgesAt(const QPoint &pos) const
{
    if (!m_window || m_window->isMaximized() || m_window->isFullScreen() || !caption::isResizable(m_window))
        return {};
    return caption::edgesAt(pos, m_window->size(), m_grip, CornerExtent);
}

void TWindowEdgeResizer::setSizingCursor(Qt::Edges edges)
{
    if (!m_window)
        return;
    if (!edges) {
        if (m_cursorSet) {
            m_window->unsetCursor();
            m_cursorSet = false;
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
    m_window->setCursor(shape);
    m_cursorSet = true;
}

bool TWindowEdgeResizer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)
            attachWindowHandle();
        return false;
    }
    if (watched != m_handle || !m_window)
        return false;

    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_resizing) {
            if (!(mouse->buttons() & Qt::LeftButton)) {
                m_resizing = false;
                break;
            }
            const QPoint delta = mouse->globalPosition().toPoint() - m_pressGlobal;
            m_window->setGeometry(caption::resizedGeometry(m_startGeometry, m_resizeEdges, delta,
                                                           m_window->minimumSize(), m_window->maximumSize()));
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
        if (m_handle->startSystemResize(edges))
            return true;
        // No help from the window system: follow the pointer ourselves.
        m_resizing = true;
        m_resizeEdges = edges;
        m_startGeometry = m_window->geometry();
        m_pressGlobal = mouse->globalPosition().toPoint();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_resizing) {
            m_resizing = false;
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (m_resizing || edgesAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
            return true;
        break;
    case QEvent::Leave:
        if (!m_resizing)
            setSizingCursor({});
        break;
    default:
        break;
    }
    return false;
}
