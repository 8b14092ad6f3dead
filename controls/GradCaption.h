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
// docks a bar on its top; TWindowEdgeResizer (controls/WindowEdgeResizer.h)
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

    TAppNameText *AppNameText() const { return m_appNameText.get(); }
    TCaptionText *CaptionText() const { return m_captionText.get(); }
    TCompanyText *CompanyText() const { return m_companyText.get(); }

    // The gradient's start colour, on the left.
    platform::ColorRef Color() const { return m_color; }
    void setColor(const platform::ColorRef &value);
    // Named as in stored layouts; QWidget's own enabling stays available.
    TGradEnabled Enabled() const { return m_enabled; }
    void setEnabled(TGradEnabled value);
    using QWidget::setEnabled;
    // Number of colour bands, 1 to 256: 0 or less is ignored, more is 256.
    int NumColors() const { return m_numColors; }
    void setNumColors(int value);

    QWidget *OwnerForm() const override { return m_owner; }
    const QFont &CaptionFont() const override { return m_captionFont; }

    // The current desktop's look (true): icon, close button, texts from the
    // left. False gives the older shell's: a system-menu box on the left, no
    // close button, texts centred.
    bool NewShell() const { return m_newShell; }
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

    QPointer<QWidget> m_owner;
    QFont m_captionFont;
    std::unique_ptr<TAppNameText> m_appNameText;
    std::unique_ptr<TCaptionText> m_captionText;
    std::unique_ptr<TCompanyText> m_companyText;
    platform::ColorRef m_color = QColor(Qt::black);
    TGradEnabled m_enabled = geAlways;
    int m_numColors = caption::DefaultColors;
    bool m_newShell = true;
    bool m_borderStyleSet = false;
    TBorderKind m_borderStyle = bkSizeable;
    bool m_lastActive = true;
    bool m_activeKnown = false;
    int m_lastHeight = 0;

    QToolButton *m_minimizeButton = nullptr;
    QToolButton *m_maximizeButton = nullptr;
    QToolButton *m_closeButton = nullptr;
    QToolButton *m_helpButton = nullptr;
    QToolButton *m_systemMenuBox = nullptr;
    QMenu *m_windowMenu = nullptr;

    // Dragging: armed by a press, moving once past the drag distance.
    bool m_dragArmed = false;
    bool m_dragMoving = false;
    QPoint m_pressGlobal;
    QPoint m_windowStart;
};
