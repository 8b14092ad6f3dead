#pragma once
// The arithmetic of the flat tool button, free of any window: its option set,
// the shaded and embossed glyphs, the dithered face of a button that is down,
// the pixels of the frame and the arrow mark, where glyph and caption go, what
// each visual state draws, the caption's accelerator and hint rules, and the
// lines the caption is broken into. TFlatButton paints what these say.

#include "controls/SortTypes.h"  // TAlignment

#include <QChar>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

enum TFlatButtonLayout : std::uint8_t { blBitmapTop = 0, blBitmapBottom = 1, blBitmapLeft = 2, blBitmapRight = 3 };
enum TFlatButtonOption : std::uint8_t { boMonoDisplay = 0, boIconOnly = 1, boPopupMark = 2, boShowBevel = 3 };
enum TFlatButtonShadingType : std::uint8_t { stLight = 0, stMedium = 1, stDark = 2 };
enum TBevelStyle : std::uint8_t { bsLowered = 0, bsRaised = 1 };

// A set of TFlatButtonOption in one byte, bit n standing for value n.
class TFlatButtonOptions {
public:
    constexpr TFlatButtonOptions() = default;
    constexpr TFlatButtonOptions(std::initializer_list<TFlatButtonOption> options)
    {
        for (const TFlatButtonOption option : options)
            bits_ = std::uint8_t(bits_ | bit(option));
    }
    static constexpr TFlatButtonOptions fromByte(std::uint8_t bits)
    {
        TFlatButtonOptions options;
        options.bits_ = std::uint8_t(bits & 0x0F);
        return options;
    }

    constexpr std::uint8_t toByte() const { return bits_; }
    constexpr bool contains(TFlatButtonOption option) const { return (bits_ & bit(option)) != 0; }
    constexpr TFlatButtonOptions with(TFlatButtonOption option) const
    {
        return fromByte(std::uint8_t(bits_ | bit(option)));
    }
    constexpr TFlatButtonOptions without(TFlatButtonOption option) const
    {
        return fromByte(std::uint8_t(bits_ & ~bit(option)));
    }
    constexpr bool operator==(const TFlatButtonOptions &) const = default;

private:
    static constexpr std::uint8_t bit(TFlatButtonOption option) { return std::uint8_t(1u << unsigned(option)); }
    std::uint8_t bits_ = 0;
};

namespace flatbutton {

// The colours the button paints with, resolved from the palette.
struct FaceColors {
    QRgb face = qRgb(192, 192, 192);       // button face
    QRgb highlight = qRgb(255, 255, 255);  // button highlight
    QRgb shadow = qRgb(128, 128, 128);     // button shadow
};

// ---------------------------------------------------------------------------
// Glyphs

// A glyph's transparent colour is that of its top-left pixel. A fully
// transparent pixel is transparent whatever its colour, so images that come
// with an alpha channel draw as they look.
bool isTransparentPixel(QRgb pixel, QRgb key);

struct ShadingThresholds {
    int t1, t2, t3;
    bool operator==(const ShadingThresholds &) const = default;
};
ShadingThresholds shadingThresholds(TFlatButtonShadingType type);

// The colour a glyph pixel of colour sum `sum` (red + green + blue, 0 to 765)
// takes in the shaded image: white above T1, highlight above T2, shadow
// above T3, else black.
QRgb shadeColor(int sum, ShadingThresholds thresholds, QRgb highlight, QRgb shadow);

// The greyed resting glyph: every pixel that is not transparent replaced by
// its shade, the transparent ones unchanged. Empty for an empty glyph.
QImage shadeImage(const QImage &glyph, TFlatButtonShadingType type, QRgb highlight, QRgb shadow);

// `glyph` as drawn: ARGB with its transparent pixels cleared.
QImage transparentGlyph(const QImage &glyph);

// Which pixels of a glyph form its embossed mask: those that are not
// transparent and darker than light grey (grey level below 192), so that a
// glyph's outline and dark detail stand out and its light areas do not.
bool inEmbossMask(QRgb pixel, QRgb key);

// The disabled look of a glyph, one pixel larger each way than the glyph:
// the mask in the highlight colour moved one pixel right and down, then in
// the shadow colour at the origin. Everything else is transparent.
QImage embossedGlyph(const QImage &glyph, QRgb highlight, QRgb shadow);

// The 8 x 8 face of a button that is down: highlight where x and y are both
// even or both odd, face colour elsewhere.
QImage downPattern(QRgb highlight, QRgb face);

// ---------------------------------------------------------------------------
// Frame and arrow

// The one-pixel outline of a W x H button, drawn as two strokes: the first
// (colour A) up the left side from the bottom-left corner and along the top,
// the second (colour B) down the right side and back along the bottom; each
// stroke stops one pixel short of its end. Paint `first`, then `second`.
struct FrameRects {
    std::array<QRect, 2> first;
    std::array<QRect, 2> second;
};
FrameRects frameRects(int width, int height);

enum class FrameKind { None, Raised, Sunken };
// Raised: A = highlight, B = shadow; sunken: the reverse.
struct FrameColors {
    QRgb first, second;
};
FrameColors frameColors(FrameKind kind, const FaceColors &colors);

// A solid triangle pointing down at (x, y): rows y - 1 to y + 2, 7, 5, 3 and
// 1 pixels wide, centred on x + 3.
std::array<QRect, 4> arrowRows(int x, int y);

// ---------------------------------------------------------------------------
// Layout

struct LayoutInput {
    int width = 0, height = 0;  // of the button
    bool captionShown = false;
    int textWidth = 0, textHeight = 0;    // the caption measured in width - 4; 0 when not shown
    int glyphWidth = 0, glyphHeight = 0;  // of Bitmap; 0 x 0 when empty
    bool glyphEmpty = true;
    bool popupMark = false;  // boPopupMark and a drop-down menu are both set
    TFlatButtonLayout layout = blBitmapTop;
    TAlignment alignment = taCenter;
    bool wordWrap = false;
};

struct LayoutResult {
    int glyphX = 0, glyphY = 0;
    int textX = 0, textY = 0;
    int textWidth = 0, textHeight = 0;  // after the limits; never negative
    int spacing = 0;                    // between glyph and caption: 2 with a caption, else 0
    QRect captionRect;                  // (textX, textY) sized textWidth x textHeight
    bool operator==(const LayoutResult &) const = default;
};

// Places glyph and caption. Halving truncates toward zero. Limits that would
// leave the caption less than nothing wide leave it 0 wide.
LayoutResult layoutButton(const LayoutInput &in);

// ---------------------------------------------------------------------------
// Visual states

enum class FaceState { Disabled, Pressed, Hot, Rest };
// The first that applies: disabled, pressed (pressed and hot, or down), hot,
// at rest.
FaceState faceState(bool enabled, bool pressed, bool hot, bool down);

enum class GlyphKind { None, Bitmap, NoFocusBitmap, Shaded, DisabledBitmap, Embossed };
enum class CaptionLook { None, Font, Unselected, Embossed };

struct FaceInput {
    FaceState state = FaceState::Rest;
    bool down = false;
    TBevelStyle bevelStyle = bsRaised;
    TFlatButtonOptions options;
    bool hasDropDown = false;
    bool captionShown = false;
    bool bitmapEmpty = true;
    int bitmapWidth = 0, bitmapHeight = 0;
    bool noFocusBitmapEmpty = true;
    bool disabledBitmapEmpty = true;
    LayoutResult layout;
};

// What one paint draws, in the order frame, caption, glyph, arrow mark
// (disabled: frame, glyph, caption).
struct FacePlan {
    FrameKind frame = FrameKind::None;
    CaptionLook textColor = CaptionLook::Unselected;  // also the arrow mark's colour
    CaptionLook caption = CaptionLook::None;          // None when no caption is drawn
    QRect captionRect;
    GlyphKind glyph = GlyphKind::None;
    QPoint glyphPos;
    bool arrow = false;
    QPoint arrowPos;
};
FacePlan planFace(const FaceInput &in);

// `plan` for a button `width` wide laid out right to left: glyph, caption and
// arrow mark placed from the right edge (the glyph is `glyphWidth` wide).
FacePlan mirroredFace(FacePlan plan, int width, int glyphWidth);
// The caption's alignment right to left: left and right change places.
TAlignment mirroredAlignment(TAlignment alignment);

// ---------------------------------------------------------------------------
// Pointer

// Whether the pointer is over the button (hot), and which crossing OnEnter or
// OnExit last reported. A press or the accelerator makes the button hot
// without a crossing; disabling it makes it cold.
class PointerTracker {
public:
    enum class Crossing { None, Entered, Left };

    bool hot() const { return hot_; }
    void setHot(bool hot) { hot_ = hot; }
    bool inside() const { return inside_; }

    // The pointer is over the button or not: hot follows, and the crossing
    // to report, None when the last one reported says so already.
    Crossing moved(bool inside);
    // Where the pointer really is, in the button's coordinates, against the
    // button's rect. For when the button is shown again or its window is
    // activated again: a box the button opened took the pointer's crossings
    // while it was up, so the last one seen may be stale.
    Crossing recheck(const QRect &buttonRect, const QPoint &pointer);

private:
    bool hot_ = false;
    bool inside_ = false;
};

// ---------------------------------------------------------------------------
// Caption text

// The caption without accelerator marks: a single ampersand before a
// character is dropped, a doubled one becomes one.
QString stripAccelerators(const QString &caption);
// The accelerator character (the one after the first single ampersand), or
// a null character when there is none.
QChar acceleratorChar(const QString &caption);
// Whether `ch` is the caption's accelerator, ignoring case.
bool isAccelerator(const QString &caption, QChar ch);

// The caption as painted: at most 259 characters, or 258 and a blank
// appended with word wrap. Never cuts a character in two.
QString paintedCaption(const QString &caption, bool wordWrap);

struct HintState {
    QString hint;
    bool showHint = false;
    bool operator==(const HintState &) const = default;
};
// The hint after Options are set: icon-only with an empty hint shows the
// caption without marks as the hint; leaving icon-only takes that hint away
// again. An empty hint stays as it is, so is a hint shown on it later.
HintState hintAfterOptions(TFlatButtonOptions options, const HintState &current, const QString &caption);
// The hint after the caption changed: in icon-only mode, the new caption
// without marks.
HintState hintAfterCaption(TFlatButtonOptions options, const HintState &current, const QString &caption);

// One line of a caption laid out in a font: a range of the text without
// accelerator marks, and its natural width.
struct CaptionLine {
    int start = 0;
    int length = 0;
    int width = 0;
};

// A caption broken into lines in `font`: at line breaks, and with `wordWrap`
// also at word boundaries to fit `wrapWidth` (a word longer than that stays
// whole on its line). `painted` is the text from paintedCaption().
class CaptionText {
public:
    CaptionText(const QString &painted, const QFont &font, bool wordWrap, int wrapWidth);

    const QString &plain() const { return plain_; }        // without accelerator marks
    int acceleratorIndex() const { return accelerator_; }  // into plain(), -1 when none
    const std::vector<CaptionLine> &lines() const { return lines_; }
    int lineHeight() const { return lineHeight_; }
    // The measured size: the widest line and the lines' total height.
    int width() const;
    int height() const;
    // Line `index` for drawing in `width` pixels: accelerator marks put back
    // (single-line text for QPainter with Qt::TextShowMnemonic), and cut with
    // an ellipsis at the end when it does not fit.
    QString lineForDrawing(int index, int width) const;

private:
    QString plain_;
    int accelerator_ = -1;
    QFont font_;
    int lineHeight_ = 0;
    std::vector<CaptionLine> lines_;
};

}  // namespace flatbutton
