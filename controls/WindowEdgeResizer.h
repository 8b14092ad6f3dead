#pragma once
// WindowEdgeResizer: edge and corner resizing for a window without a
// system frame.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <QWindow>

// Lets a frameless window be resized by dragging its edges and corners:
// watches the pointer near the edges of the window, shows the sizing cursor
// there, and hands a press to the window system (QWindow::startSystemResize),
// resizing the window itself where the window system cannot.
class WindowEdgeResizer : public QObject {
    Q_OBJECT
public:
    explicit WindowEdgeResizer(QWidget *window, int grip = DefaultGrip);
    ~WindowEdgeResizer() override;

    static constexpr int DefaultGrip = 6;
    int grip() const { return grip_; }
    // Edges under `pos` (window coordinates), none while the window cannot
    // be resized (fixed size, maximised or full screen).
    Qt::Edges edgesAt(const QPoint &pos) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void attachWindowHandle();
    void setSizingCursor(Qt::Edges edges);

    QPointer<QWidget> window_;
    QPointer<QWindow> handle_;
    int grip_;
    bool cursorSet_ = false;
    bool resizing_ = false;
    Qt::Edges resizeEdges_;
    QRect startGeometry_;
    QPoint pressGlobal_;
};
