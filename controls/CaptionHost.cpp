#include "controls/CaptionHost.h"

#include "controls/GradCaption.h"
#include "controls/WindowChecks.h"
#include "controls/WindowEdgeResizer.h"
#include "platform/Palette.h"

#include <QGuiApplication>
#include <QLayout>
#include <QPainter>
#include <QPointer>
#include <qdrawutil.h>

using platform::SystemColor;

namespace {

// Keeps an installed bar on the window's top, inside the frame, with the
// window's contents below it, and paints the frame.
class CaptionDock : public QObject {
public:
    explicit CaptionDock(QWidget *window) : QObject(window), window_(window) { window->installEventFilter(this); }

    void attach(TGradientCaption *bar, WindowEdgeResizer *resizer)
    {
        bar_ = bar;
        resizer_ = resizer;
        connect(bar, &TGradientCaption::heightChanged, this, &CaptionDock::place);
        connect(bar, &QObject::destroyed, this, &CaptionDock::barRemoved);
        place();
    }

    int frameWidth() const { return window_->isMaximized() || window_->isFullScreen() ? 0 : CaptionFrameWidth; }

    void place()
    {
        if (!window_ || !bar_)
            return;
        const int frame = frameWidth();
        const int height = bar_->sizeHint().height();
        // The window's layout (menu bar included) keeps to the contents rectangle.
        window_->setContentsMargins(frame, frame + height, frame, frame);
        bar_->setGeometry(frame, frame, std::max(0, window_->width() - 2 * frame), height);
        bar_->raise();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != window_ || !bar_)
            return false;
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::WindowStateChange: place(); break;
        case QEvent::Paint: paintFrame(); break;
        default: break;
        }
        return false;
    }

private:
    void paintFrame()
    {
        const int frame = frameWidth();
        if (frame <= 0)
            return;
        QPainter painter(window_);
        const QRect outer = window_->rect();
        qDrawWinPanel(&painter, outer, QGuiApplication::palette(), false);
        const QColor face = platform::systemColor(SystemColor::ActiveBorder);
        const QRect inner = outer.adjusted(2, 2, -2, -2);
        const int band = frame - 2;
        painter.fillRect(QRect(inner.left(), inner.top(), inner.width(), band), face);
        painter.fillRect(QRect(inner.left(), inner.bottom() - band + 1, inner.width(), band), face);
        painter.fillRect(QRect(inner.left(), inner.top(), band, inner.height()), face);
        painter.fillRect(QRect(inner.right() - band + 1, inner.top(), band, inner.height()), face);
    }

    void barRemoved()
    {
        // The bar went while the window stays: the window gets its system frame
        // back. The bar is half destroyed already (widgets announce their end
        // before their QPointers clear), so it is let go of first.
        bar_ = nullptr;
        delete resizer_;
        if (window_) {
            const bool visible = window_->isVisible();
            window_->setContentsMargins(0, 0, 0, 0);
            window_->setWindowFlag(Qt::FramelessWindowHint, false);
            if (visible)
                window_->show();
        }
        deleteLater();
    }

    QPointer<QWidget> window_;
    QPointer<TGradientCaption> bar_;
    QPointer<WindowEdgeResizer> resizer_;
};

}  // namespace

TGradientCaption *installCaptionBar(QWidget *window)
{
    caption::requireWindow(window);
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    // Dock and resizer come before the bar among the window's children, so
    // when the window itself goes they go first and do not try to give a
    // dying window its frame back.
    auto *dock = new CaptionDock(window);
    auto *resizer = new WindowEdgeResizer(window);
    auto *bar = new TGradientCaption(window);
    dock->attach(bar, resizer);
    if (wasVisible)
        window->show();
    return bar;
}

QImage renderWithCaption(QWidget *window, bool active)
{
    auto *bar = window->findChild<TGradientCaption *>();
    if (!bar)
        return window->grab().toImage();
    const bool lastActive = bar->lastActive_;
    const bool activeKnown = bar->activeKnown_;
    bar->activationChanged(active);
    if (QLayout *layout = window->layout())
        layout->activate();
    const QImage image = window->grab().toImage();
    bar->lastActive_ = lastActive;
    bar->activeKnown_ = activeKnown;
    bar->update();
    return image;
}
