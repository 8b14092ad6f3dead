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
    TAlignment Alignment() const { return alignment_; }
    void setAlignment(TAlignment value);
    // In a group, a click on the button that is down raises it. Setting it
    // gives every other button of the group the same value.
    bool AllowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool value);
    // bsRaised: raised frame under the pointer, sunken while pressed;
    // bsLowered: the reverse, with the caption one pixel down at rest.
    TBevelStyle BevelStyle() const { return bevelStyle_; }
    void setBevelStyle(TBevelStyle value);

    // The glyph. Its top-left pixel's colour is transparent.
    const QImage &Bitmap() const { return bitmap_; }
    void setBitmap(const QImage &value);
    void setBitmap(const QPixmap &value);
    void setGlyph(const QPixmap &value) { setBitmap(value); }
    // Resting glyph with boMonoDisplay, instead of the shaded image.
    const QImage &NoFocusBitmap() const { return noFocusBitmap_; }
    void setNoFocusBitmap(const QImage &value);
    void setNoFocusBitmap(const QPixmap &value);
    // Glyph while disabled, instead of the embossed Bitmap.
    const QImage &DisabledBitmap() const { return disabledBitmap_; }
    void setDisabledBitmap(const QImage &value);
    void setDisabledBitmap(const QPixmap &value);
    // The greyed glyph made from Bitmap by ShadingType while NoFocusBitmap is
    // empty. A stored image can be given instead; the next change of Bitmap,
    // NoFocusBitmap or ShadingType makes it again.
    const QImage &ShadedBitmap() const { return shaded_; }
    void setShadedBitmap(const QImage &value);

    // An ampersand marks the accelerator character; "&&" is one ampersand.
    QString Caption() const { return caption_; }
    void setCaption(const QString &value);

    // Buttons with the same parent and the same non-zero index form a group
    // in which at most one is down. Setting 0 raises a button that is down.
    int GroupIndex() const { return groupIndex_; }
    void setGroupIndex(int value);
    // Held down; only in a group (GroupIndex not 0), else setting it does nothing.
    bool Down() const { return down_; }
    void setDown(bool value);
    // A button that is down gets a dithered face.
    bool ShowDownPattern() const { return showDownPattern_; }
    void setShowDownPattern(bool value);

    // Shown under the button when it is pressed; then no click follows.
    // Cleared when the menu is destroyed.
    QMenu *DropDownMenu() const { return dropDownMenu_; }
    void setDropDownMenu(QMenu *value);
    // Context menu shown on a right click.
    QMenu *PopupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu *value);

    bool Enabled() const { return isEnabled(); }
    TFlatButtonLayout Layout() const { return layout_; }
    void setLayout(TFlatButtonLayout value);
    using QWidget::setLayout;
    TFlatButtonOptions Options() const { return options_; }
    void setOptions(TFlatButtonOptions value);
    TFlatButtonShadingType ShadingType() const { return shadingType_; }
    void setShadingType(TFlatButtonShadingType value);
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool value);

    // Caption colour while hot or pressed (the font's colour) and at rest.
    platform::ColorRef FontColor() const { return fontColor_; }
    void setFontColor(const platform::ColorRef &value);
    platform::ColorRef UnselectedFontColor() const { return unselectedFontColor_; }
    void setUnselectedFontColor(const platform::ColorRef &value);

    // The hint is the tool tip; ShowHint false keeps it from showing.
    QString Hint() const { return toolTip(); }
    void setHint(const QString &value) { setToolTip(value); }
    bool ShowHint() const { return showHint_; }
    void setShowHint(bool value) { showHint_ = value; }

    int Tag() const { return tag_; }
    void setTag(int value) { tag_ = value; }

    // The left button is held on the button (it may have left it since).
    bool isPressed() const { return pressed_; }
    // The pointer is over the button.
    bool isHot() const { return pointer_.hot(); }

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

    TAlignment alignment_ = taCenter;
    bool allowAllUp_ = false;
    TBevelStyle bevelStyle_ = bsRaised;
    QImage bitmap_, noFocusBitmap_, disabledBitmap_, shaded_;
    QString caption_;
    int groupIndex_ = 0;
    bool down_ = false;
    bool showDownPattern_ = true;
    QPointer<QMenu> dropDownMenu_;
    QPointer<QMenu> popupMenu_;
    TFlatButtonLayout layout_ = blBitmapTop;
    TFlatButtonOptions options_{boMonoDisplay, boPopupMark, boShowBevel};
    TFlatButtonShadingType shadingType_ = stMedium;
    bool wordWrap_ = false;
    platform::ColorRef fontColor_ = platform::SystemColor::WindowText;
    platform::ColorRef unselectedFontColor_ = platform::SystemColor::WindowText;
    bool showHint_ = true;
    int tag_ = 0;
    int shortcutId_ = 0;

    bool shadedMade_ = false;  // made from Bitmap here rather than given

    bool pressed_ = false;
    flatbutton::PointerTracker pointer_;
};
