#pragma once
// TFlatButton: a flat push button for tool strips. At rest it shows only its
// glyph and caption on the button face; with boShowBevel a one-pixel raised
// frame appears while the pointer is over it, and a sunken frame with the
// content moved one pixel right and down while it is pressed.
//
// It also offers a greyed resting glyph (boMonoDisplay), an embossed or
// separate disabled glyph, four glyph-and-caption layouts with three
// alignments and word wrap, a drop-down menu opened on press with an arrow
// mark (boPopupMark), radio-style groups (GroupIndex, Down, AllowAllUp) with
// a dithered face for buttons that are down, an icon-only mode that turns
// the caption into the hint (boIconOnly), and an accelerator character
// (Alt and the character after the caption's ampersand).
//
// Every paint draws the whole face into an off-screen image first, so the
// button never flickers between states; renderFace() hands out that image.
//
// Enabled is QWidget's enabled state: a disabled button still follows the
// pointer (OnEnter, OnExit) but ignores presses and its accelerator.

#include "controls/FlatButtonLogic.h"
#include "platform/Palette.h"

#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class TFlatButton : public QWidget {
    Q_OBJECT
public:
    explicit TFlatButton(QWidget *parent = nullptr);
    ~TFlatButton() override;

    // Horizontal placement of glyph and caption.
    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment value);
    // In a group, a click on the button that is down raises it. Setting it
    // gives every other button of the group the same value.
    bool AllowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool value);
    // bsRaised: raised frame under the pointer, sunken while pressed;
    // bsLowered: the reverse, with the caption one pixel down at rest.
    TBevelStyle BevelStyle() const { return m_bevelStyle; }
    void setBevelStyle(TBevelStyle value);

    // The glyph. Its top-left pixel's colour is transparent.
    const QImage &Bitmap() const { return m_bitmap; }
    void setBitmap(const QImage &value);
    void setBitmap(const QPixmap &value);
    void setGlyph(const QPixmap &value) { setBitmap(value); }
    // Resting glyph with boMonoDisplay, instead of the shaded image.
    const QImage &NoFocusBitmap() const { return m_noFocusBitmap; }
    void setNoFocusBitmap(const QImage &value);
    void setNoFocusBitmap(const QPixmap &value);
    // Glyph while disabled, instead of the embossed Bitmap.
    const QImage &DisabledBitmap() const { return m_disabledBitmap; }
    void setDisabledBitmap(const QImage &value);
    void setDisabledBitmap(const QPixmap &value);
    // The greyed glyph made from Bitmap by ShadingType while NoFocusBitmap is
    // empty. A stored image can be given instead; the next change of Bitmap,
    // NoFocusBitmap or ShadingType makes it again.
    const QImage &ShadedBitmap() const { return m_shaded; }
    void setShadedBitmap(const QImage &value);

    // An ampersand marks the accelerator character; "&&" is one ampersand.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &value);

    // Buttons with the same parent and the same non-zero index form a group
    // in which at most one is down. Setting 0 raises a button that is down.
    int GroupIndex() const { return m_groupIndex; }
    void setGroupIndex(int value);
    // Held down; only in a group (GroupIndex not 0), else setting it does nothing.
    bool Down() const { return m_down; }
    void setDown(bool value);
    // A button that is down gets a dithered face.
    bool ShowDownPattern() const { return m_showDownPattern; }
    void setShowDownPattern(bool value);

    // Shown under the button when it is pressed; then no click follows.
    // Cleared when the menu is destroyed.
    QMenu *DropDownMenu() const { return m_dropDownMenu; }
    void setDropDownMenu(QMenu *value);
    // Context menu shown on a right click.
    QMenu *PopupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu *value);

    bool Enabled() const { return isEnabled(); }
    TFlatButtonLayout Layout() const { return m_layout; }
    void setLayout(TFlatButtonLayout value);
    using QWidget::setLayout;
    TFlatButtonOptions Options() const { return m_options; }
    void setOptions(TFlatButtonOptions value);
    TFlatButtonShadingType ShadingType() const { return m_shadingType; }
    void setShadingType(TFlatButtonShadingType value);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool value);

    // Caption colour while hot or pressed (the font's colour) and at rest.
    platform::ColorRef FontColor() const { return m_fontColor; }
    void setFontColor(const platform::ColorRef &value);
    platform::ColorRef UnselectedFontColor() const { return m_unselectedFontColor; }
    void setUnselectedFontColor(const platform::ColorRef &value);

    // The hint is the tool tip; ShowHint false keeps it from showing.
    QString Hint() const { return toolTip(); }
    void setHint(const QString &value) { setToolTip(value); }
    bool ShowHint() const { return m_showHint; }
    void setShowHint(bool value) { m_showHint = value; }

    int Tag() const { return m_tag; }
    void setTag(int value) { m_tag = value; }

    // The left button is held on the button (it may have left it since).
    bool isPressed() const { return m_pressed; }
    // The pointer is over the button.
    bool isHot() const { return m_pointer.hot(); }

    // The whole face as the next paint draws it, at `devicePixelRatio`.
    QImage renderFace(qreal devicePixelRatio = 1.0) const;
    // Where glyph and caption go at the current size and font.
    flatbutton::LayoutResult currentLayout() const;
    flatbutton::FaceColors faceColors() const;

    QSize sizeHint() const override;

    // Events; an unset one is skipped. Each runs before the matching signal.
    std::function<void(TFlatButton *Sender)> OnClick;
    std::function<void(TFlatButton *Sender)> OnEnter;
    std::function<void(TFlatButton *Sender)> OnExit;

signals:
    void clicked();
    void entered();
    void exited();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The pointer is over the button (true) or has left it.
    void pointerMoved(bool inside);
    // Repaints, and calls OnEnter or OnExit for a crossing.
    void reportCrossing(flatbutton::PointerTracker::Crossing crossing);
    void leftPress();
    void leftRelease();
    void performAccelerator();
    void showDropDown();
    // Whether the pointer is over the button now.
    void recomputeHot();
    // Hot from where the pointer really is, with the crossing that no event
    // reported while the button was hidden or its window inactive.
    void recheckPointer();
    void click();
    QList<TFlatButton *> groupMembers() const;
    void makeShadedImage();
    // Sets Bitmap or NoFocusBitmap: the shaded image is made again.
    void replaceGlyph(QImage &glyph, const QImage &value);
    void updateShortcut();
    void paintFace(QPainter &painter) const;

    TAlignment m_alignment = taCenter;
    bool m_allowAllUp = false;
    TBevelStyle m_bevelStyle = bsRaised;
    QImage m_bitmap, m_noFocusBitmap, m_disabledBitmap, m_shaded;
    QString m_caption;
    int m_groupIndex = 0;
    bool m_down = false;
    bool m_showDownPattern = true;
    QPointer<QMenu> m_dropDownMenu;
    QPointer<QMenu> m_popupMenu;
    TFlatButtonLayout m_layout = blBitmapTop;
    TFlatButtonOptions m_options{boMonoDisplay, boPopupMark, boShowBevel};
    TFlatButtonShadingType m_shadingType = stMedium;
    bool m_wordWrap = false;
    platform::ColorRef m_fontColor = platform::SystemColor::WindowText;
    platform::ColorRef m_unselectedFontColor = platform::SystemColor::WindowText;
    bool m_showHint = true;
    int m_tag = 0;
    int m_shortcutId = 0;

    bool m_shadedMade = false;  // made from Bitmap here rather than given

    bool m_pressed = false;
    flatbutton::PointerTracker m_pointer;
};
