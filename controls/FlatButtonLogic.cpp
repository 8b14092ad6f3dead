#include "controls/FlatButtonLogic.h"

#include <QFontMetrics>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <cmath>

namespace flatbutton {

// ---------------------------------------------------------------------------
// Glyphs

bool isTransparentPixel(QRgb pixel, QRgb key)
{
    return qAlpha(pixel) == 0 || pixel == key;
}

ShadingThresholds shadingThresholds(TFlatButtonShadingType type)
{
    switch (type) {
    case stLight: return {205, 127, 68};
    case stMedium: return {553, 231, 57};
    case stDark: return {335, 274, 175};
    }
    return {553, 231, 57};
}

QRgb shadeColor(int sum, ShadingThresholds thresholds, QRgb highlight, QRgb shadow)
{
    if (sum > thresholds.t1)
        return qRgb(255, 255, 255);
    if (sum > thresholds.t2)
        return highlight;
    if (sum > thresholds.t3)
        return shadow;
    return qRgb(0, 0, 0);
}

namespace {

QImage argbCopy(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QImage shadeImage(const QImage &glyph, TFlatButtonShadingType type, QRgb highlight, QRgb shadow)
{
    if (glyph.isNull())
        return {};
    QImage shaded = argbCopy(glyph);
    const QRgb key = shaded.pixel(0, 0);
    const ShadingThresholds thresholds = shadingThresholds(type);
    for (int y = 0; y < shaded.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(shaded.scanLine(y));
        for (int x = 0; x < shaded.width(); ++x) {
            const QRgb pixel = line[x];
            if (isTransparentPixel(pixel, key))
                continue;
            const QRgb shade = shadeColor(qRed(pixel) + qGreen(pixel) + qBlue(pixel), thresholds, highlight, shadow);
            line[x] = qRgba(qRed(shade), qGreen(shade), qBlue(shade), qAlpha(pixel));
        }
    }
    return shaded;
}

QImage transparentGlyph(const QImage &glyph)
{
    if (glyph.isNull())
        return {};
    QImage drawn = argbCopy(glyph);
    const QRgb key = drawn.pixel(0, 0);
    for (int y = 0; y < drawn.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(drawn.scanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            if (isTransparentPixel(line[x], key))
                line[x] = 0;
        }
    }
    return drawn;
}

bool inEmbossMask(QRgb pixel, QRgb key)
{
    return !isTransparentPixel(pixel, key) && qGray(pixel) < 192;
}

QImage embossedGlyph(const QImage &glyph, QRgb highlight, QRgb shadow)
{
    if (glyph.isNull())
        return {};
    const QImage source = argbCopy(glyph);
    const QRgb key = source.pixel(0, 0);
    QImage embossed(source.width() + 1, source.height() + 1, QImage::Format_ARGB32);
    embossed.fill(0);
    for (const auto &[dx, color] : {std::pair{1, highlight}, std::pair{0, shadow}}) {
        for (int y = 0; y < source.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
            for (int x = 0; x < source.width(); ++x) {
                if (inEmbossMask(line[x], key))
                    embossed.setPixel(x + dx, y + dx, qRgb(qRed(color), qGreen(color), qBlue(color)));
            }
        }
    }
    return embossed;
}

QImage downPattern(QRgb highlight, QRgb face)
{
    QImage pattern(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            pattern.setPixel(x, y, (x % 2) == (y % 2) ? highlight : face);
    }
    return pattern;
}

// ---------------------------------------------------------------------------
// Frame and arrow

FrameRects frameRects(int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    FrameRects rects;
    rects.first = {QRect(0, 1, 1, height - 1), QRect(0, 0, width - 1, 1)};
    rects.second = {QRect(width - 1, 0, 1, height - 1), QRect(1, height - 1, width - 1, 1)};
    return rects;
}

FrameColors frameColors(FrameKind kind, const FaceColors &colors)
{
    if (kind == FrameKind::Sunken)
        return {colors.shadow, colors.highlight};
    return {colors.highlight, colors.shadow};
}

std::array<QRect, 4> arrowRows(int x, int y)
{
    return {QRect(x, y - 1, 7, 1), QRect(x + 1, y, 5, 1), QRect(x + 2, y + 1, 3, 1), QRect(x + 3, y + 2, 1, 1)};
}

// ---------------------------------------------------------------------------
// Layout

LayoutResult layoutButton(const LayoutInput &in)
{
    const int W = in.width;
    const int H = in.height;
    LayoutResult r;
    r.spacing = in.captionShown ? 2 : 0;
    const int SP = r.spacing;
    int TW = in.captionShown ? in.textWidth : 0;
    const int TH = in.captionShown ? in.textHeight : 0;
    TW = std::min(TW, W - 4);
    const int GW = in.glyphWidth + (in.popupMark ? 10 : 0);
    const int GH = in.glyphHeight;
    int GX = 0, GY = 0, TX = 0, TY = 0;

    const auto sideBySideLimit = [&] {
        if (GW + TW + SP > W - 4)
            TW = W - 4 - SP - GW;
    };

    if (in.glyphEmpty) {
        TY = (H - TH) / 2;
        // The arrow mark takes 10 pixels right of the caption; the caption
        // gives way first so that caption and mark stay inside the button.
        if (in.popupMark)
            TW = std::min(TW, W - 14);
        const int box = in.popupMark ? TW + 10 : TW;
        switch (in.alignment) {
        case taLeftJustify: TX = 3; break;
        case taRightJustify: TX = W - box - 3; break;
        case taCenter: TX = (W - box) / 2; break;
        }
    } else {
        switch (in.layout) {
        case blBitmapTop:
        case blBitmapBottom:
            if (in.layout == blBitmapTop) {
                GY = (H - (TH + GH + SP)) / 2;
                TY = GY + GH + SP;
            } else {
                TY = (H - (TH + GH + SP)) / 2;
                GY = TY + TH + SP;
            }
            switch (in.alignment) {
            case taLeftJustify:
                GX = 3;
                TX = 3;
                break;
            case taRightJustify:
                GX = W - GW - 3;
                TX = W - TW - 3;
                break;
            case taCenter:
                GX = (W - GW) / 2;
                TX = (W - TW) / 2;
                break;
            }
            break;
        case blBitmapLeft:
        case blBitmapRight: {
            GY = (H - GH) / 2;
            TY = (H - TH) / 2;
            sideBySideLimit();
            // Glyph and caption side by side: `first` is the one on the left.
            const bool glyphFirst = in.layout == blBitmapLeft;
            int &firstX = glyphFirst ? GX : TX;
            int &secondX = glyphFirst ? TX : GX;
            const int firstW = glyphFirst ? GW : TW;
            const int secondW = glyphFirst ? TW : GW;
            switch (in.alignment) {
            case taLeftJustify:
                firstX = 3;
                secondX = firstX + firstW + SP;
                break;
            case taRightJustify:
                secondX = W - secondW - 3;
                firstX = secondX - firstW - SP;
                break;
            case taCenter:
                firstX = (W - (GW + TW + SP)) / 2;
                secondX = firstX + firstW + SP;
                break;
            }
            break;
        }
        }
    }

    if (in.wordWrap && TX + TW > W - 5)
        TW = W - TX - 5;
    TW = std::max(TW, 0);

    r.glyphX = GX;
    r.glyphY = GY;
    r.textX = TX;
    r.textY = TY;
    r.textWidth = TW;
    r.textHeight = TH;
    r.captionRect = QRect(TX, TY, TW, TH);
    return r;
}

// ---------------------------------------------------------------------------
// Visual states

FaceState faceState(bool enabled, bool pressed, bool hot, bool down)
{
    if (!enabled)
        return FaceState::Disabled;
    if ((pressed && hot) || down)
        return FaceState::Pressed;
    return hot ? FaceState::Hot : FaceState::Rest;
}

FacePlan planFace(const FaceInput &in)
{
    const bool bevel = in.options.contains(boShowBevel);
    const bool mark = in.options.contains(boPopupMark) && in.hasDropDown;
    const FrameKind hotFrame = in.bevelStyle == bsRaised ? FrameKind::Raised : FrameKind::Sunken;
    const FrameKind pressedFrame = in.bevelStyle == bsRaised ? FrameKind::Sunken : FrameKind::Raised;
    const LayoutResult &L = in.layout;
    const QPoint shift(1, 1);

    FacePlan plan;
    plan.captionRect = L.captionRect;
    switch (in.state) {
    case FaceState::Disabled:
        if (in.down && bevel)
            plan.frame = pressedFrame;
        plan.textColor = CaptionLook::Embossed;
        if (in.captionShown)
            plan.caption = CaptionLook::Embossed;
        // Like every other state, no glyph where the layout placed none.
        if (!in.bitmapEmpty) {
            plan.glyph = in.disabledBitmapEmpty ? GlyphKind::Embossed : GlyphKind::DisabledBitmap;
            plan.glyphPos = QPoint(L.glyphX, L.glyphY);
        }
        return plan;

    case FaceState::Pressed:
        if (bevel)
            plan.frame = pressedFrame;
        if (in.bevelStyle == bsRaised)
            plan.captionRect.translate(shift);
        plan.textColor = CaptionLook::Font;
        if (in.captionShown)
            plan.caption = CaptionLook::Font;
        if (!in.bitmapEmpty) {
            plan.glyph = GlyphKind::Bitmap;
            plan.glyphPos = QPoint(L.glyphX, L.glyphY) + shift;
            plan.arrow = mark;
            plan.arrowPos = QPoint(in.bitmapWidth + L.glyphX + 4, in.bitmapHeight / 2 + L.glyphY + 1);
        } else {
            plan.arrow = mark;
            plan.arrowPos = QPoint(L.textX + L.textWidth + 4, L.textHeight / 2 + L.textY + 1);
        }
        return plan;

    case FaceState::Hot:
    case FaceState::Rest: {
        const bool hot = in.state == FaceState::Hot;
        if (hot && bevel)
            plan.frame = hotFrame;
        if (in.bevelStyle == bsLowered)
            plan.captionRect.translate(shift);
        plan.textColor = hot ? CaptionLook::Font : CaptionLook::Unselected;
        if (in.captionShown)
            plan.caption = plan.textColor;
        if (!in.bitmapEmpty) {
            plan.glyphPos = QPoint(L.glyphX, L.glyphY);
            if (hot || !in.options.contains(boMonoDisplay))
                plan.glyph = GlyphKind::Bitmap;
            else
                plan.glyph = in.noFocusBitmapEmpty ? GlyphKind::Shaded : GlyphKind::NoFocusBitmap;
            plan.arrow = mark;
            plan.arrowPos = QPoint(in.bitmapWidth + L.glyphX + 3, in.bitmapHeight / 2 + L.glyphY);
        } else {
            plan.arrow = mark;
            plan.arrowPos = QPoint(L.textX + L.textWidth + 3, L.textHeight / 2 + L.textY);
        }
        return plan;
    }
    }
    return plan;
}

// ---------------------------------------------------------------------------
// Pointer

PointerTracker::Crossing PointerTracker::moved(bool inside)
{
    hot_ = inside;
    if (inside == inside_)
        return Crossing::None;
    inside_ = inside;
    return inside ? Crossing::Entered : Crossing::Left;
}

PointerTracker::Crossing PointerTracker::recheck(const QRect &buttonRect, const QPoint &pointer)
{
    return moved(buttonRect.contains(pointer));
}

// ---------------------------------------------------------------------------
// Caption text

namespace {

// The text without accelerator marks and the index of the accelerator
// character in it (-1 when none).
QString strip(const QString &caption, int *accelerator)
{
    QString plain;
    plain.reserve(caption.size());
    int found = -1;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar ch = caption.at(i);
        if (ch == u'&' && i + 1 < caption.size()) {
            ++i;
            if (caption.at(i) != u'&' && found < 0)
                found = int(plain.size());
        }
        plain.append(caption.at(i));
    }
    if (accelerator)
        *accelerator = found;
    return plain;
}

}  // namespace

QString stripAccelerators(const QString &caption)
{
    return strip(caption, nullptr);
}

QChar acceleratorChar(const QString &caption)
{
    int index = -1;
    const QString plain = strip(caption, &index);
    return index < 0 ? QChar() : plain.at(index);
}

bool isAccelerator(const QString &caption, QChar ch)
{
    const QChar accel = acceleratorChar(caption);
    return !accel.isNull() && accel.toCaseFolded() == ch.toCaseFolded();
}

QString paintedCaption(const QString &caption, bool wordWrap)
{
    const qsizetype limit = wordWrap ? 258 : 259;
    qsizetype length = std::min(caption.size(), limit);
    if (length < caption.size() && length > 0 && caption.at(length - 1).isHighSurrogate())
        --length;
    QString painted = caption.left(length);
    if (wordWrap)
        painted.append(u' ');
    return painted;
}

HintState hintAfterOptions(TFlatButtonOptions options, const HintState &current, const QString &caption)
{
    const QString plain = stripAccelerators(caption);
    if (options.contains(boIconOnly)) {
        if (current.hint.isEmpty())
            return {plain, true};
        return current;
    }
    if (!current.hint.isEmpty() && current.hint == plain)
        return {QString(), false};
    return current;
}

HintState hintAfterCaption(TFlatButtonOptions options, const HintState &current, const QString &caption)
{
    if (!options.contains(boIconOnly))
        return current;
    return {stripAccelerators(caption), current.showHint};
}

CaptionText::CaptionText(const QString &painted, const QFont &font, bool wordWrap, int wrapWidth) : font_(font)
{
    QString text = painted;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    plain_ = strip(text, &accelerator_);
    // QTextLayout breaks lines at the line separator only.
    plain_.replace(u'\n', QChar::LineSeparator);

    const QFontMetrics metrics(font);
    lineHeight_ = metrics.height();

    QTextLayout layout(plain_, font);
    QTextOption option;
    option.setWrapMode(wordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(wordWrap ? std::max(wrapWidth, 0) : INT_MAX / 4);
        lines_.push_back({line.textStart(), line.textLength(), int(std::ceil(line.naturalTextWidth()))});
    }
    layout.endLayout();
}

int CaptionText::width() const
{
    int widest = 0;
    for (const CaptionLine &line : lines_)
        widest = std::max(widest, line.width);
    return widest;
}

int CaptionText::height() const
{
    return int(lines_.size()) * lineHeight_;
}

QString CaptionText::lineForDrawing(int index, int width) const
{
    const CaptionLine &line = lines_.at(std::size_t(index));
    QString text = plain_.mid(line.start, line.length);
    while (!text.isEmpty() && (text.back() == QChar::LineSeparator || text.back().isSpace()))
        text.chop(1);
    const int accelerator =
        (accelerator_ >= line.start && accelerator_ < line.start + text.size()) ? accelerator_ - line.start : -1;
    QString marked;
    marked.reserve(text.size() + 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == accelerator)
            marked.append(u'&');
        if (text.at(i) == u'&')
            marked.append(u'&');
        marked.append(text.at(i));
    }
    const QFontMetrics metrics(font_);
    if (metrics.horizontalAdvance(text) > width)
        marked = metrics.elidedText(marked, Qt::ElideRight, std::max(width, 0), Qt::TextShowMnemonic);
    return marked;
}

FacePlan mirroredFace(FacePlan plan, int width, int glyphWidth)
{
    if (!plan.captionRect.isEmpty())
        plan.captionRect.moveLeft(width - plan.captionRect.x() - plan.captionRect.width());
    plan.glyphPos.setX(width - plan.glyphPos.x() - glyphWidth);
    // The mark is 7 pixels wide, from its x.
    plan.arrowPos.setX(width - plan.arrowPos.x() - 7);
    return plan;
}

TAlignment mirroredAlignment(TAlignment alignment)
{
    return alignment == taLeftJustify ? taRightJustify : alignment == taRightJustify ? taLeftJustify : alignment;
}

}  // namespace flatbutton
