#pragma once
// The arithmetic of the gradient caption bar, free of any window: colour
// bands, the layout of the strip and its buttons, which text parts fit and
// where they go, eliding, font-height fitting, and the edge rules of a
// frameless window. TGradientCaption paints exactly what these functions say.

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <vector>

// When the gradient is painted; the values are those of the stored layouts.
enum TGradEnabled { geAlways = 0, geNever = 1, geWhenActive = 2 };

// How a text part's font is derived from the caption font.
enum TFontKind { fkCustom = 0, fkSystem = 1, fkSystemI = 2, fkSystemB = 3, fkSystemBI = 4, fkAutoHeight = 5 };

// The kind of window frame the bar stands for.
enum TBorderKind { bkNone, bkSingle, bkSizeable, bkDialog, bkToolWindow, bkSizeToolWin };

namespace caption {

constexpr int MinColors = 1;
constexpr int MaxColors = 256;
constexpr int DefaultColors = 64;

// a * b / c with a 64-bit intermediate, rounded to nearest (halves away from
// zero); -1 when c is 0 or the result does not fit in an int.
int MulDiv(int a, int b, int c);

// The value NumColors keeps when `requested` is assigned: 0 or less leaves
// `current`, above MaxColors stores MaxColors.
int clampNumColors(int current, int requested);

bool paintsGradient(TGradEnabled enabled, bool active);

struct GradientBand {
    int left = 0;
    int width = 0;  // may be 0: such a band paints nothing
    QRgb color = 0;
    bool operator==(const GradientBand &) const = default;
};

// `numColors` bands from `start` to `end` across [left, left + width): band i
// spans MulDiv(i, width, n) to MulDiv(i + 1, width, n); its colour moves by
// MulDiv(i, delta, n - 1) per component, so the first band is `start` and the
// last `end`. A single band is `start`.
std::vector<GradientBand> gradientBands(int left, int width, QRgb start, QRgb end, int numColors);

// Sizes the bar is built from (pixels).
struct CaptionMetrics {
    int captionHeight = 18;       // strip of a normal window
    int smallCaptionHeight = 14;  // strip of a tool window
    int buttonWidth = 18;         // slot of one caption button
    int smallButtonWidth = 14;    // slot of a tool window's button
    int smallIcon = 16;
};

struct CaptionWindow {
    TBorderKind border = bkSizeable;
    bool systemMenu = true;
    bool minimizeBox = true;
    bool maximizeBox = true;
    bool helpButton = false;  // counts for dialogs only
    bool newShell = true;
    int width = 0;  // of the strip
};

struct CaptionLayout {
    int height = 0;  // of the strip; 0 without a border
    QRect title;     // where gradient, icon and texts go; empty without a border
    bool showsIcon = false;
    QRect closeButton, helpButton, maximizeButton, minimizeButton, systemMenuBox;  // empty when absent
};

// The strip of a window `window.width` wide: the title area is what remains
// after the caption buttons on the right (and the older shell's system-menu
// box on the left) have been taken off.
CaptionLayout layoutCaption(const CaptionWindow &window, const CaptionMetrics &metrics);

// `rect` placed from the right edge of a strip `width` wide instead of the
// left: where it goes when the layout runs right to left.
QRect mirrored(const QRect &rect, int width);
// Every part of `layout` so placed.
CaptionLayout mirrored(CaptionLayout layout, int width);

// One of the three text parts, in the order company, application name, caption.
struct PartMeasure {
    int width = 3;  // text width in its font plus 3; visible or not
    bool visible = true;
    bool empty = true;
};

enum PartIndex { piCompany = 0, piAppName = 1, piCaption = 2 };

struct PartPlacement {
    bool kept = false;   // counted in the width that is shown
    bool drawn = false;  // actually painted
    int textLeft = 0;    // where the text starts
    int available = 0;   // room up to the title's right edge; the text is elided to it
};

struct CaptionPlan {
    QRect icon;     // empty when no icon is drawn
    int total = 0;  // width of the kept parts
    std::array<PartPlacement, 3> parts;
};

// Places the icon and the text parts inside `title`. The company text goes
// first when the three do not fit, then the application name; widths of
// invisible parts still count. The older shell centres what fits.
CaptionPlan planCaption(const QRect &title, bool drawIcon, int iconSize, const std::array<PartMeasure, 3> &parts,
                        bool newShell);

// `text` cut at the end and given an ellipsis so that it is at most
// `maxWidth` wide by `measure`; unchanged when it fits. Cuts between
// graphemes, never inside one.
QString elideRight(const QString &text, int maxWidth, const std::function<int(const QString &)> &measure);

// Line breaks drawn as blanks: the caption is one line.
QString singleLine(QString text);

// The pixel size that gives a font the caption font's character height.
// `charHeightAt(size)` is the character height the font really gets when
// asked for `size` pixels (fonts with fixed sizes snap); the size is
// corrected once, and once more if the text is still taller.
int fitPixelSize(int pixelSize, int captionCharHeight, const std::function<int(int)> &charHeightAt);

// Edges of a window of `size` within `grip` pixels of `pos`; near a corner
// (within `corner` pixels along either edge) both edges of that corner.
Qt::Edges edgesAt(QPoint pos, QSize size, int grip, int corner);

// The geometry after dragging `edges` of `start` by `delta`, keeping the
// opposite edges in place and the size within [minimum, maximum].
QRect resizedGeometry(const QRect &start, Qt::Edges edges, QPoint delta, QSize minimum, QSize maximum);

}  // namespace caption
