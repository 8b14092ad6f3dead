#pragma once
// TGradientCaption: the title bar of a frameless window, painted by the
// program. A horizontal gradient (or a solid fill) runs from Color to the
// desktop's caption colour; on it go the window's small icon and up to three
// texts side by side: a company text, an application name and the window's
// own title, each with its own font and colours. Dragging the bar moves the
// window, a double-click maximises or restores it, and the minimise,
// maximise and close buttons sit on its right.
//
// installCaptionBar() (controls/CaptionHost.h) makes a window frameless and
// docks a bar on its top; WindowEdgeResizer (controls/WindowEdgeResizer.h)
// keeps such a window resizable by its edges.

#include "controls/CaptionLogic.h"
#include "controls/CaptionParts.h"
#include "platform/Palette.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <QWindow>

#include <memory>

class QMenu;
class QToolButton;

class TGradientCaption : public QWidget, public CaptionPartHost {
    Q_OBJECT
public:
    // `owner` is the window whose title bar this is; anything that is not a
    // window throws std::invalid_argument ("Invalid class typecast").
    explicit TGradientCaption(QWidget *owner);
    ~TGradientCaption() override;

    TAppNameText *AppNameText() const { return appNameText_.get(); }
    TCaptionText *CaptionText() const { return captionText_.get(); }
    TCompanyText *CompanyText() const { return companyText_.get(); }

    // The gradient's start colour, on the left.
    platform::ColorRef Color() const { return color_; }
    void setColor(const platform::ColorRef &value);
    // Named as in stored layouts; QWidget's own enabling stays available.
    TGradEnabled Enabled() const { return enabled_; }
    void setEnabled(TGradEnabled value);
    using QWidget::setEnabled;
    // Number of colour bands, 1 to 256: 0 or less is ignored, more is 256.
    int NumColors() const { return numColors_; }
    void setNumColors(int value);

    QWidget *OwnerForm() const override { return owner_; }
    const QFont &CaptionFont() const override { return captionFont_; }

    // The current desktop's look (true): icon, close button, texts from the
    // left. False gives the older shell's: a system-menu box on the left, no
    // close button, texts centred.
    bool NewShell() const { return newShell_; }
    void setNewShell(bool value);
    // The frame the bar stands for; follows the owner (tool window, dialog,
    // fixed or resizable size) until set. bkNone hides the bar.
    TBorderKind BorderStyle() const;
    void setBorderStyle(TBorderKind value);
    void resetBorderStyle();

    // The state the bar is painted in: that of the last activation change,
    // or, before the first, whether the owner is the active window.
    bool paintsActive() const;
    // The owner's activation changed: repaint in the new state and keep it.
    void activationChanged(bool active);
    // The desktop's fonts or colours changed: reload the caption font,
    // derive the parts' fonts again and repaint.
    void reloadSystemSettings();

    caption::CaptionMetrics metrics() const;
    caption::CaptionLayout currentLayout() const;
    // `rect`, given as if the bar ran left to right, where it goes in the
    // bar's own direction.
    QRect fromReadingStart(const QRect &rect) const;
    // Paints the whole strip in the given state.
    void paintBar(QPainter &painter, bool active);
    // Fits `font` to the caption font's character height.
    QFont fitToCaptionHeight(const QFont &font) const override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Called by the parts when one of their properties changed.
    void partChanged() override;

signals:
    // The strip's height changed (the caption font did).
    void heightChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    friend QImage renderWithCaption(QWidget *window, bool active);

    caption::CaptionWindow windowInfo() const;
    QIcon iconForPaint() const;
    // Strip height, buttons and picture after a change of shell, frame or font.
    void relayout();
    void layoutButtons();
    void updateButtonStates();
    void showWindowMenu(const QPoint &globalPos);
    void toggleMaximized();
    bool canMaximize() const;
    void loadCaptionFont();

    QPointer<QWidget> owner_;
    QFont captionFont_;
    std::unique_ptr<TAppNameText> appNameText_;
    std::unique_ptr<TCaptionText> captionText_;
    std::unique_ptr<TCompanyText> companyText_;
    platform::ColorRef color_ = QColor(Qt::black);
    TGradEnabled enabled_ = geAlways;
    int numColors_ = caption::DefaultColors;
    bool newShell_ = true;
    bool borderStyleSet_ = false;
    TBorderKind borderStyle_ = bkSizeable;
    bool lastActive_ = true;
    bool activeKnown_ = false;
    int lastHeight_ = 0;

    QToolButton *minimizeButton_ = nullptr;
    QToolButton *maximizeButton_ = nullptr;
    QToolButton *closeButton_ = nullptr;
    QToolButton *helpButton_ = nullptr;
    QToolButton *systemMenuBox_ = nullptr;
    QMenu *windowMenu_ = nullptr;

    // Dragging: armed by a press, moving once past the drag distance.
    bool dragArmed_ = false;
    bool dragMoving_ = false;
    QPoint pressGlobal_;
    QPoint windowStart_;
};
