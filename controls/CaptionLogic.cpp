#include "controls/CaptionLogic.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace caption {

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::uint64_t magnitude = product < 0 ? std::uint64_t(-product) : std::uint64_t(product);
    const std::uint64_t divisor = c < 0 ? std::uint64_t(-std::int64_t(c)) : std::uint64_t(c);
    const std::uint64_t quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > std::uint64_t(INT_MAX) + (negative ? 1 : 0))
        return -1;
    return negative ? int(-std::int64_t(quotient)) : int(quotient);
}

int clampNumColors(int current, int requested)
{
    if (requested < MinColors)
        return current;
    return std::min(requested, MaxColors);
}

bool paintsGradient(TGradEnabled enabled, bool active)
{
    return enabled == geAlways || (enabled == geWhenActive && active);
}

std::vector<GradientBand> gradientBands(int left, int width, QRgb start, QRgb end, int numColors)
{
    std::vector<GradientBand> bands;
    if (numColors < 1)
        return bands;
    const int n = numColors;
    const int dr = qRed(end) - qRed(start);
    const int dg = qGreen(end) - qGreen(start);
    const int db = qBlue(end) - qBlue(start);
    bands.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i) {
        const int x0 = left + MulDiv(i, width, n);
        const int x1 = left + MulDiv(i + 1, width, n);
        QRgb color = qRgb(qRed(start), qGreen(start), qBlue(start));
        if (n >= 2)
            color = qRgb(qRed(start) + MulDiv(i, dr, n - 1), qGreen(start) + MulDiv(i, dg, n - 1),
                         qBlue(start) + MulDiv(i, db, n - 1));
        bands.push_back({x0, x1 - x0, color});
    }
    return bands;
}

CaptionLayout layoutCaption(const CaptionWindow &window, const CaptionMetrics &metrics)
{
    CaptionLayout layout;
    if (window.border == bkNone)
        return layout;

    const bool tool = window.border == bkToolWindow || window.border == bkSizeToolWin;
    const int height = tool ? metrics.smallCaptionHeight : metrics.captionHeight;
    layout.height = height;
    const int top = 0;
    int left = 0;
    int right = window.width;

    // A button sits in its slot with 2 pixels to spare on either side and
    // above and below, like the raised boxes of the older desktops.
    const int buttonTop = top + 2;
    const int buttonHeight = std::max(1, height - 4);
    const auto buttonEndingAt = [&](int slotRight, int slotWidth) {
        return QRect(slotRight - slotWidth, buttonTop, std::max(1, slotWidth - 2), buttonHeight);
    };

    const int b = metrics.buttonWidth;
    if (tool) {
        layout.closeButton = buttonEndingAt(right, metrics.smallButtonWidth);
        right -= metrics.smallButtonWidth + 2;
    } else {
        if (window.systemMenu && window.newShell) {
            layout.closeButton = buttonEndingAt(right, b);
            right -= b + 2;
        }
        if (window.border == bkDialog && window.helpButton) {
            layout.helpButton = buttonEndingAt(right, b);
            right -= b + 2;
        }
        if (window.border != bkDialog && (window.minimizeBox || window.maximizeBox)) {
            // Both boxes are shown when either is; the missing one is disabled.
            layout.maximizeButton = QRect(right - (b - 2), buttonTop, std::max(1, b - 2), buttonHeight);
            layout.minimizeButton = layout.maximizeButton.translated(-(b - 2), 0);
            right -= 2 * b;
        }
        if (window.systemMenu && !window.newShell && (window.border == bkSingle || window.border == bkSizeable)) {
            layout.systemMenuBox = QRect(left, top, b, height);
            left += b;
        }
    }
    if (left >= right)
        right = left + 2;

    layout.title = QRect(left, top, right - left, height);
    layout.showsIcon = window.newShell && window.systemMenu
                       && (window.border == bkSingle || window.border == bkSizeable);
    return layout;
}

QRect mirrored(const QRect &rect, int width)
{
    return rect.isEmpty() ? rect : QRect(width - rect.x() - rect.width(), rect.y(), rect.width(), rect.height());
}

CaptionLayout mirrored(CaptionLayout layout, int width)
{
    for (QRect *rect : {&layout.title, &layout.closeButton, &layout.helpButton, &layout.maximizeButton,
                        &layout.minimizeButton, &layout.systemMenuBox})
        *rect = mirrored(*rect, width);
    return layout;
}

CaptionPlan planCaption(const QRect &title, bool drawIcon, int iconSize, const std::array<PartMeasure, 3> &parts,
                        bool newShell)
{
    CaptionPlan plan;
    int left = title.x();
    const int right = title.x() + title.width();
    if (drawIcon) {
        left += 1;
        plan.icon = QRect(left + 1, title.y() + (title.height() - iconSize) / 2, iconSize, iconSize);
        left += iconSize + 1;
    }

    const int room = right - left;
    const int company = parts[piCompany].width;
    const int appName = parts[piAppName].width;
    const int captionWidth = parts[piCaption].width;
    plan.parts[piCaption].kept = true;
    if (company + appName + captionWidth < room) {
        plan.parts[piCompany].kept = plan.parts[piAppName].kept = true;
    } else if (appName + captionWidth < room) {
        plan.parts[piAppName].kept = true;
    }
    for (int i = 0; i < 3; ++i)
        if (plan.parts[std::size_t(i)].kept)
            plan.total += parts[std::size_t(i)].width;

    if (!newShell && plan.total < room)
        left += (room - plan.total) / 2;

    for (int i = 0; i < 3; ++i) {
        PartPlacement &placement = plan.parts[std::size_t(i)];
        const PartMeasure &part = parts[std::size_t(i)];
        if (!placement.kept)
            continue;
        placement.drawn = i == piCaption ? part.visible : part.visible && !part.empty;
        if (!placement.drawn)
            continue;
        left += 3;
        placement.textLeft = left;
        placement.available = right - left;
        left += part.width - 3;
    }
    return plan;
}

QString elideRight(const QString &text, int maxWidth, const std::function<int(const QString &)> &measure)
{
    if (measure(text) <= maxWidth)
        return text;
    const QString ellipsis(QChar(0x2026));

    std::vector<qsizetype> cuts;  // grapheme boundaries short of the whole text
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = 0; at >= 0 && at < text.size(); at = finder.toNextBoundary())
        cuts.push_back(at);

    // The longest prefix that fits with the ellipsis; width grows with length.
    std::size_t low = 0, high = cuts.size();  // cuts[0, low) fit, [high, ...) do not
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (measure(text.left(cuts[mid]) + ellipsis) <= maxWidth)
            low = mid + 1;
        else
            high = mid;
    }
    return low == 0 ? ellipsis : text.left(cuts[low - 1]) + ellipsis;
}

QString singleLine(QString text)
{
    for (QChar &c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return text;
}

int fitPixelSize(int pixelSize, int captionCharHeight, const std::function<int(int)> &charHeightAt)
{
    int size = std::max(1, pixelSize - (charHeightAt(pixelSize) - captionCharHeight));
    const int height = charHeightAt(size);
    if (height > captionCharHeight)
        size = std::max(1, size - (height - captionCharHeight));
    return size;
}

Qt::Edges edgesAt(QPoint pos, QSize size, int grip, int corner)
{
    const int x = pos.x(), y = pos.y(), w = size.width(), h = size.height();
    if (x < 0 || y < 0 || x >= w || y >= h)
        return {};
    // Along one axis: the near edge within `band` of the start, else the far
    // edge within `band` of the end.
    const auto edgeNear = [](int p, int length, int band, Qt::Edge low, Qt::Edge high) -> Qt::Edges {
        if (p < band)
            return low;
        if (p >= length - band)
            return high;
        return {};
    };
    Qt::Edges edges;
    if (const Qt::Edges side = edgeNear(x, w, grip, Qt::LeftEdge, Qt::RightEdge))
        edges |= side | edgeNear(y, h, corner, Qt::TopEdge, Qt::BottomEdge);
    if (const Qt::Edges side = edgeNear(y, h, grip, Qt::TopEdge, Qt::BottomEdge))
        edges |= side | edgeNear(x, w, corner, Qt::LeftEdge, Qt::RightEdge);
    return edges;
}

QRect resizedGeometry(const QRect &start, Qt::Edges edges, QPoint delta, QSize minimum, QSize maximum)
{
    struct Span {
        int pos;
        int length;
    };
    // One axis: dragging the low edge keeps the high one in place, dragging
    // the high edge keeps the position.
    const auto drag = [](Span span, bool lowEdge, bool highEdge, int moved, int least, int most) -> Span {
        const auto clamp = [least, most](int value) { return std::max(std::max(least, 1), std::min(value, most)); };
        if (lowEdge) {
            const int length = clamp(span.length - moved);
            return {span.pos + span.length - length, length};
        }
        if (highEdge)
            return {span.pos, clamp(span.length + moved)};
        return span;
    };
    const Span x = drag({start.x(), start.width()}, edges.testFlag(Qt::LeftEdge), edges.testFlag(Qt::RightEdge),
                        delta.x(), minimum.width(), maximum.width());
    const Span y = drag({start.y(), start.height()}, edges.testFlag(Qt::TopEdge), edges.testFlag(Qt::BottomEdge),
                        delta.y(), minimum.height(), maximum.height());
    return {x.pos, y.pos, x.length, y.length};
}

}  // namespace caption
