#include "controls/FlatButton.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QEnterEvent>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

using namespace flatbutton;
using platform::SystemColor;

namespace {

Qt::Alignment horizontalFlags(TAlignment alignment)
{
    switch (alignment) {
    case taLeftJustify: return Qt::AlignLeft;
    case taRightJustify: return Qt::AlignRight;
    case taCenter: return Qt::AlignHCenter;
    }
    return Qt::AlignHCenter;
}

// Draws the caption's lines into `rect`, clipped to it, one line per line
// height from its top.
void drawCaption(QPainter &painter, const CaptionText &text, const QRect &rect, TAlignment alignment,
                 const QColor &color)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(color);
    const int flags = int(horizontalFlags(alignment) | Qt::AlignAbsolute | Qt::AlignTop) | Qt::TextShowMnemonic
                      | Qt::TextSingleLine;
    for (int i = 0; i < int(text.lines().size()); ++i) {
        const QRect lineRect(rect.left(), rect.top() + i * text.lineHeight(), rect.width(), text.lineHeight());
        if (lineRect.top() > rect.bottom())
            break;
        painter.drawText(lineRect, flags, text.lineForDrawing(i, rect.width()));
    }
    painter.restore();
}

}  // namespace

TFlatButton::TFlatButton(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    resize(50, 40);
}

TFlatButton::~TFlatButton() = default;

// ---------------------------------------------------------------------------
// Properties

void TFlatButton::setAlignment(TAlignment value)
{
    m_alignment = value;
    update();
}

void TFlatButton::setAllowAllUp(bool value)
{
    m_allowAllUp = value;
    for (TFlatButton *other : groupMembers())
        other->m_allowAllUp = value;
}

void TFlatButton::setBevelStyle(TBevelStyle value)
{
    m_bevelStyle = value;
    update();
}

void TFlatButton::setBitmap(const QImage &value)
{
    m_bitmap = value;
    makeShadedImage();
    update();
}

void TFlatButton::setBitmap(const QPixmap &value)
{
    setBitmap(value.toImage());
}

void TFlatButton::setNoFocusBitmap(const QImage &value)
{
    m_noFocusBitmap = value;
    makeShadedImage();
    update();
}

void TFlatButton::setNoFocusBitmap(const QPixmap &value)
{
    setNoFocusBitmap(value.toImage());
}

void TFlatButton::setDisabledBitmap(const QImage &value)
{
    m_disabledBitmap = value;
    if (!isEnabled())
        update();
}

void TFlatButton::setDisabledBitmap(const QPixmap &value)
{
    setDisabledBitmap(value.toImage());
}

void TFlatButton::setShadedBitmap(const QImage &value)
{
    m_shaded = value;
    m_shadedMade = false;
    update();
}

void TFlatButton::setCaption(const QString &value)
{
    m_caption = value;
    updateShortcut();
    if (m_options.contains(boIconOnly)) {
        const HintState hint = hintAfterCaption(m_options, {Hint(), m_showHint}, m_caption);
        setHint(hint.hint);
        m_showHint = hint.showHint;
    } else {
        update();
    }
}

void TFlatButton::setGroupIndex(int value)
{
    m_groupIndex = value;
    if (value == 0 && m_down) {
        m_down = false;
        update();
    }
}

void TFlatButton::setDown(bool value)
{
    if (m_groupIndex == 0 || value == m_down)
        return;
    m_down = value;
    update();
    if (value) {
        for (TFlatButton *other : groupMembers()) {
            if (other->m_down)
                other->setDown(false);
        }
    }
}

void TFlatButton::setShowDownPattern(bool value)
{
    m_showDownPattern = value;
    update();
}

void TFlatButton::setDropDownMenu(QMenu *value)
{
    m_dropDownMenu = value;
    if (m_options.contains(boPopupMark))
        update();
}

void TFlatButton::setPopupMenu(QMenu *value)
{
    m_popupMenu = value;
}

void TFlatButton::setLayout(TFlatButtonLayout value)
{
    m_layout = value;
    update();
}

void TFlatButton::setOptions(TFlatButtonOptions value)
{
    const HintState hint = hintAfterOptions(value, {Hint(), m_showHint}, m_caption);
    setHint(hint.hint);
    m_showHint = hint.showHint;
    m_options = value;
    update();
}

void TFlatButton::setShadingType(TFlatButtonShadingType value)
{
    m_shadingType = value;
    makeShadedImage();
    update();
}

void TFlatButton::setWordWrap(bool value)
{
    m_wordWrap = value;
    update();
}

void TFlatButton::setFontColor(const platform::ColorRef &value)
{
    m_fontColor = value;
    update();
}

void TFlatButton::setUnselectedFontColor(const platform::ColorRef &value)
{
    m_unselectedFontColor = value;
    update();
}

QSize TFlatButton::sizeHint() const
{
    return {50, 40};
}

QList<TFlatButton *> TFlatButton::groupMembers() const
{
    QList<TFlatButton *> members;
    if (m_groupIndex == 0 || !parentWidget())
        return members;
    const auto siblings = parentWidget()->findChildren<TFlatButton *>(QString(), Qt::FindDirectChildrenOnly);
    for (TFlatButton *sibling : siblings) {
        if (sibling != this && sibling->m_groupIndex == m_groupIndex)
            members.append(sibling);
    }
    return members;
}

void TFlatButton::makeShadedImage()
{
    if (m_bitmap.isNull() || !m_noFocusBitmap.isNull())
        return;
    const FaceColors colors = faceColors();
    m_shaded = shadeImage(m_bitmap, m_shadingType, colors.highlight, colors.shadow);
    m_shadedMade = true;
}

void TFlatButton::updateShortcut()
{
    if (m_shortcutId != 0) {
        releaseShortcut(m_shortcutId);
        m_shortcutId = 0;
    }
    const QKeySequence mnemonic = QKeySequence::mnemonic(m_caption);
    if (!mnemonic.isEmpty())
        m_shortcutId = grabShortcut(mnemonic);
}

// ---------------------------------------------------------------------------
// Painting

FaceColors TFlatButton::faceColors() const
{
    const QPalette &pal = palette();
    return {platform::systemColor(SystemColor::ButtonFace, pal).rgb(),
            platform::systemColor(SystemColor::ButtonHighlight, pal).rgb(),
            platform::systemColor(SystemColor::ButtonShadow, pal).rgb()};
}

LayoutResult TFlatButton::currentLayout() const
{
    LayoutInput in;
    in.width = width();
    in.height = height();
    in.captionShown = !m_options.contains(boIconOnly) && !m_caption.isEmpty();
    if (in.captionShown) {
        const CaptionText measured(paintedCaption(m_caption, m_wordWrap), font(), m_wordWrap, width() - 4);
        in.textWidth = measured.width();
        in.textHeight = measured.height();
    }
    in.glyphEmpty = m_bitmap.isNull();
    in.glyphWidth = m_bitmap.width();
    in.glyphHeight = m_bitmap.height();
    in.popupMark = m_options.contains(boPopupMark) && m_dropDownMenu;
    in.layout = m_layout;
    in.alignment = m_alignment;
    in.wordWrap = m_wordWrap;
    return layoutButton(in);
}

void TFlatButton::paintFace(QPainter &painter) const
{
    const FaceColors colors = faceColors();
    const QRect whole(0, 0, width(), height());
    painter.fillRect(whole, QColor(colors.face));
    if (m_down && m_showDownPattern)
        painter.fillRect(whole, QBrush(downPattern(colors.highlight, colors.face)));
    painter.setFont(font());

    FaceInput in;
    in.state = faceState(isEnabled(), m_pressed, m_pointer.hot(), m_down);
    in.down = m_down;
    in.bevelStyle = m_bevelStyle;
    in.options = m_options;
    in.hasDropDown = m_dropDownMenu;
    in.captionShown = !m_options.contains(boIconOnly) && !m_caption.isEmpty();
    in.bitmapEmpty = m_bitmap.isNull();
    in.bitmapWidth = m_bitmap.width();
    in.bitmapHeight = m_bitmap.height();
    in.noFocusBitmapEmpty = m_noFocusBitmap.isNull();
    in.disabledBitmapEmpty = m_disabledBitmap.isNull();
    in.layout = currentLayout();
    const FacePlan plan = planFace(in);

    if (plan.frame != FrameKind::None) {
        const FrameRects rects = frameRects(width(), height());
        const FrameColors frame = frameColors(plan.frame, colors);
        for (const QRect &r : rects.first)
            painter.fillRect(r, QColor(frame.first));
        for (const QRect &r : rects.second)
            painter.fillRect(r, QColor(frame.second));
    }

    const QColor textColor = plan.textColor == CaptionLook::Unselected ? m_unselectedFontColor.resolve(palette())
                                                                       : m_fontColor.resolve(palette());
    const auto drawText = [&] {
        if (plan.caption == CaptionLook::None)
            return;
        const CaptionText text(paintedCaption(m_caption, m_wordWrap), font(), m_wordWrap, plan.captionRect.width());
        if (plan.caption == CaptionLook::Embossed) {
            drawCaption(painter, text, plan.captionRect.translated(1, 1), m_alignment, QColor(colors.highlight));
            drawCaption(painter, text, plan.captionRect, m_alignment, QColor(colors.shadow));
        } else {
            drawCaption(painter, text, plan.captionRect, m_alignment, textColor);
        }
    };
    const auto drawGlyph = [&] {
        QImage image;
        switch (plan.glyph) {
        case GlyphKind::None: return;
        case GlyphKind::Bitmap: image = transparentGlyph(m_bitmap); break;
        case GlyphKind::NoFocusBitmap: image = transparentGlyph(m_noFocusBitmap); break;
        case GlyphKind::Shaded: image = transparentGlyph(m_shaded); break;
        case GlyphKind::DisabledBitmap: image = transparentGlyph(m_disabledBitmap); break;
        case GlyphKind::Embossed: image = embossedGlyph(m_bitmap, colors.highlight, colors.shadow); break;
        }
        if (!image.isNull())
            painter.drawImage(plan.glyphPos, image);
    };

    if (plan.caption == CaptionLook::Embossed) {
        drawGlyph();
        drawText();
    } else {
        drawText();
        drawGlyph();
    }
    if (plan.arrow) {
        for (const QRect &r : arrowRows(plan.arrowPos.x(), plan.arrowPos.y()))
            painter.fillRect(r, textColor);
    }
}

QImage TFlatButton::renderFace(qreal devicePixelRatio) const
{
    const QSize pixels = (QSizeF(size()) * devicePixelRatio).toSize();
    QImage image(pixels.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    paintFace(painter);
    return image;
}

void TFlatButton::paintEvent(QPaintEvent *)
{
    // The face is made whole off-screen and copied in one step.
    const QImage face = renderFace(devicePixelRatioF());
    QPainter painter(this);
    painter.drawImage(0, 0, face);
}

// ---------------------------------------------------------------------------
// Pointer and keyboard

bool TFlatButton::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        if (!m_showHint) {
            QToolTip::hideText();
            return true;
        }
        break;
    case QEvent::Shortcut:
        if (static_cast<QShortcutEvent *>(event)->shortcutId() == m_shortcutId) {
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
    default:
        break;
    }
    return QWidget::event(event);
}

void TFlatButton::pointerMoved(bool inside)
{
    reportCrossing(m_pointer.moved(inside));
}

void TFlatButton::reportCrossing(flatbutton::PointerTracker::Crossing crossing)
{
    if (!m_down && isEnabled())
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
    if (m_pressed && rect().contains(event->position().toPoint()) != m_pointer.hot())
        pointerMoved(!m_pointer.hot());
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
    if (event->button() == Qt::LeftButton)
        leftPress();
    else
        QWidget::mouseDoubleClickEvent(event);
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
    if (!m_popupMenu) {
        event->ignore();  // the parent's own menu, if it has one
        return;
    }
    QPointer<TFlatButton> self(this);
    m_popupMenu->exec(event->globalPos());
    if (!self)
        return;
    recomputeHot();
    m_pressed = false;
    update();
}

void TFlatButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_pressed = false;
        m_pointer.setHot(false);
        update();
    } else if (event->type() == QEvent::PaletteChange && m_shadedMade) {
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
    m_pressed = true;
    m_pointer.setHot(true);
    update();
    if (m_dropDownMenu)
        showDropDown();
    // Without a menu, the press grabs the mouse until it is released.
}

void TFlatButton::showDropDown()
{
    QPointer<TFlatButton> self(this);
    repaint();  // pressed while the menu is open
    m_dropDownMenu->exec(mapToGlobal(QPoint(0, height())));
    if (!self)
        return;
    // The release that belongs to this press went to the menu, or comes
    // later and finds the button no longer pressed: no click either way.
    recomputeHot();
    m_pressed = false;
    update();
}

void TFlatButton::leftRelease()
{
    if (!isEnabled() || !isVisible() || !m_pressed)
        return;
    m_pressed = false;
    if (m_pointer.hot() && m_groupIndex != 0) {
        if (!m_down)
            setDown(true);
        else if (m_allowAllUp)
            setDown(false);
    }
    if (!m_pointer.hot()) {
        update();
        return;
    }
    recomputeHot();
    update();
    if (!m_dropDownMenu) {
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
    m_pointer.setHot(rect().contains(mapFromGlobal(QCursor::pos())));
}

void TFlatButton::recheckPointer()
{
    // While the left button is held the moves decide (mouseMoveEvent).
    if (m_pressed || !isVisible())
        return;
    reportCrossing(m_pointer.recheck(rect(), mapFromGlobal(QCursor::pos())));
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
    m_pointer.setHot(true);
    m_pressed = false;
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
