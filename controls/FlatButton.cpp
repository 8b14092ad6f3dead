#include "controls/FlatButton.h"

#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>

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
    replaceGlyph(m_bitmap, value);
}

void TFlatButton::setBitmap(const QPixmap &value)
{
    setBitmap(value.toImage());
}

void TFlatButton::setNoFocusBitmap(const QImage &value)
{
    replaceGlyph(m_noFocusBitmap, value);
}

void TFlatButton::replaceGlyph(QImage &glyph, const QImage &value)
{
    glyph = value;
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

