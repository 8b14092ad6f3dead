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
    alignment_ = value;
    update();
}

void TFlatButton::setAllowAllUp(bool value)
{
    allowAllUp_ = value;
    for (TFlatButton *other : groupMembers())
        other->allowAllUp_ = value;
}

void TFlatButton::setBevelStyle(TBevelStyle value)
{
    bevelStyle_ = value;
    update();
}

void TFlatButton::setBitmap(const QImage &value)
{
    replaceGlyph(bitmap_, value);
}

void TFlatButton::setBitmap(const QPixmap &value)
{
    setBitmap(value.toImage());
}

void TFlatButton::setNoFocusBitmap(const QImage &value)
{
    replaceGlyph(noFocusBitmap_, value);
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
    disabledBitmap_ = value;
    if (!isEnabled())
        update();
}

void TFlatButton::setDisabledBitmap(const QPixmap &value)
{
    setDisabledBitmap(value.toImage());
}

void TFlatButton::setShadedBitmap(const QImage &value)
{
    shaded_ = value;
    shadedMade_ = false;
    update();
}

void TFlatButton::setCaption(const QString &value)
{
    caption_ = value;
    updateShortcut();
    if (options_.contains(boIconOnly)) {
        const HintState hint = hintAfterCaption(options_, {Hint(), showHint_}, caption_);
        setHint(hint.hint);
        showHint_ = hint.showHint;
    } else {
        update();
    }
}

void TFlatButton::setGroupIndex(int value)
{
    groupIndex_ = value;
    if (value == 0 && down_) {
        down_ = false;
        update();
    }
}

void TFlatButton::setDown(bool value)
{
    if (groupIndex_ == 0 || value == down_)
        return;
    down_ = value;
    update();
    if (value) {
        for (TFlatButton *other : groupMembers()) {
            if (other->down_)
                other->setDown(false);
        }
    }
}

void TFlatButton::setShowDownPattern(bool value)
{
    showDownPattern_ = value;
    update();
}

void TFlatButton::setDropDownMenu(QMenu *value)
{
    dropDownMenu_ = value;
    if (options_.contains(boPopupMark))
        update();
}

void TFlatButton::setPopupMenu(QMenu *value)
{
    popupMenu_ = value;
}

void TFlatButton::setLayout(TFlatButtonLayout value)
{
    layout_ = value;
    update();
}

void TFlatButton::setOptions(TFlatButtonOptions value)
{
    const HintState hint = hintAfterOptions(value, {Hint(), showHint_}, caption_);
    setHint(hint.hint);
    showHint_ = hint.showHint;
    options_ = value;
    update();
}

void TFlatButton::setShadingType(TFlatButtonShadingType value)
{
    shadingType_ = value;
    makeShadedImage();
    update();
}

void TFlatButton::setWordWrap(bool value)
{
    wordWrap_ = value;
    update();
}

void TFlatButton::setFontColor(const platform::ColorRef &value)
{
    fontColor_ = value;
    update();
}

void TFlatButton::setUnselectedFontColor(const platform::ColorRef &value)
{
    unselectedFontColor_ = value;
    update();
}

QSize TFlatButton::sizeHint() const
{
    return {50, 40};
}

QList<TFlatButton *> TFlatButton::groupMembers() const
{
    QList<TFlatButton *> members;
    if (groupIndex_ == 0 || !parentWidget())
        return members;
    const auto siblings = parentWidget()->findChildren<TFlatButton *>(QString(), Qt::FindDirectChildrenOnly);
    for (TFlatButton *sibling : siblings) {
        if (sibling != this && sibling->groupIndex_ == groupIndex_)
            members.append(sibling);
    }
    return members;
}

void TFlatButton::makeShadedImage()
{
    if (bitmap_.isNull() || !noFocusBitmap_.isNull())
        return;
    const FaceColors colors = faceColors();
    shaded_ = shadeImage(bitmap_, shadingType_, colors.highlight, colors.shadow);
    shadedMade_ = true;
}

void TFlatButton::updateShortcut()
{
    if (shortcutId_ != 0) {
        releaseShortcut(shortcutId_);
        shortcutId_ = 0;
    }
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption_);
    if (!mnemonic.isEmpty())
        shortcutId_ = grabShortcut(mnemonic);
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
    in.captionShown = !options_.contains(boIconOnly) && !caption_.isEmpty();
    if (in.captionShown) {
        const CaptionText measured(paintedCaption(caption_, wordWrap_), font(), wordWrap_, width() - 4);
        in.textWidth = measured.width();
        in.textHeight = measured.height();
    }
    in.glyphEmpty = bitmap_.isNull();
    in.glyphWidth = bitmap_.width();
    in.glyphHeight = bitmap_.height();
    in.popupMark = options_.contains(boPopupMark) && dropDownMenu_;
    in.layout = layout_;
    in.alignment = alignment_;
    in.wordWrap = wordWrap_;
    return layoutButton(in);
}

void TFlatButton::paintFace(QPainter &painter) const
{
    const FaceColors colors = faceColors();
    const QRect whole(0, 0, width(), height());
    painter.fillRect(whole, QColor(colors.face));
    if (down_ && showDownPattern_)
        painter.fillRect(whole, QBrush(downPattern(colors.highlight, colors.face)));
    painter.setFont(font());

    FaceInput in;
    in.state = faceState(isEnabled(), pressed_, pointer_.hot(), down_);
    in.down = down_;
    in.bevelStyle = bevelStyle_;
    in.options = options_;
    in.hasDropDown = dropDownMenu_;
    in.captionShown = !options_.contains(boIconOnly) && !caption_.isEmpty();
    in.bitmapEmpty = bitmap_.isNull();
    in.bitmapWidth = bitmap_.width();
    in.bitmapHeight = bitmap_.height();
    in.noFocusBitmapEmpty = noFocusBitmap_.isNull();
    in.disabledBitmapEmpty = disabledBitmap_.isNull();
    in.layout = currentLayout();
    // Right to left, the glyph, caption and mark are placed from the right.
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const FacePlan plan = rightToLeft ? mirroredFace(planFace(in), width(), bitmap_.width()) : planFace(in);
    const TAlignment alignment = rightToLeft ? mirroredAlignment(alignment_) : alignment_;

    if (plan.frame != FrameKind::None) {
        const FrameRects rects = frameRects(width(), height());
        const FrameColors frame = frameColors(plan.frame, colors);
        for (const QRect &r : rects.first)
            painter.fillRect(r, QColor(frame.first));
        for (const QRect &r : rects.second)
            painter.fillRect(r, QColor(frame.second));
    }

    const QColor textColor = plan.textColor == CaptionLook::Unselected ? unselectedFontColor_.resolve(palette())
                                                                       : fontColor_.resolve(palette());
    const auto drawText = [&] {
        if (plan.caption == CaptionLook::None)
            return;
        const CaptionText text(paintedCaption(caption_, wordWrap_), font(), wordWrap_, plan.captionRect.width());
        if (plan.caption == CaptionLook::Embossed) {
            drawCaption(painter, text, plan.captionRect.translated(1, 1), alignment, QColor(colors.highlight));
            drawCaption(painter, text, plan.captionRect, alignment, QColor(colors.shadow));
        } else {
            drawCaption(painter, text, plan.captionRect, alignment, textColor);
        }
    };
    const auto drawGlyph = [&] {
        QImage image;
        switch (plan.glyph) {
        case GlyphKind::None: return;
        case GlyphKind::Bitmap: image = transparentGlyph(bitmap_); break;
        case GlyphKind::NoFocusBitmap: image = transparentGlyph(noFocusBitmap_); break;
        case GlyphKind::Shaded: image = transparentGlyph(shaded_); break;
        case GlyphKind::DisabledBitmap: image = transparentGlyph(disabledBitmap_); break;
        case GlyphKind::Embossed: image = embossedGlyph(bitmap_, colors.highlight, colors.shadow); break;
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
