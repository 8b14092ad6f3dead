#pragma once
// The desktop's colours and fonts under the names the program uses for them.
// Each system colour is one palette role of the application palette, chosen
// here once; colours given as a system colour are resolved when painted, so
// they follow a change of the desktop's palette.

#include <QColor>
#include <QFont>
#include <QPalette>

namespace platform {

// In the order of the classic desktop's colour indexes.
enum class SystemColor {
    ScrollBar,
    Desktop,
    ActiveCaption,
    InactiveCaption,
    Menu,
    Window,
    WindowFrame,
    MenuText,
    WindowText,
    CaptionText,
    ActiveBorder,
    InactiveBorder,
    AppWorkspace,
    Highlight,
    HighlightText,
    ButtonFace,
    ButtonShadow,
    GrayText,
    ButtonText,
    InactiveCaptionText,
    ButtonHighlight,
    DarkShadow3D,
    Light3D,
    InfoText,
    InfoBackground,
};

// The palette group and role that stand for `color`.
struct PaletteSlot {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};
PaletteSlot paletteSlot(SystemColor color);

QColor systemColor(SystemColor color, const QPalette &palette);
// From the application palette.
QColor systemColor(SystemColor color);

// A colour property's value: a direct RGB colour or a system colour.
class ColorRef {
public:
    ColorRef() = default;  // black
    ColorRef(const QColor &rgb) : rgb_(rgb.rgb()) {}
    ColorRef(Qt::GlobalColor rgb) : ColorRef(QColor(rgb)) {}
    ColorRef(SystemColor system) : isSystem_(true), system_(system) {}

    bool isSystem() const { return isSystem_; }
    SystemColor system() const { return system_; }
    QColor resolve(const QPalette &palette) const;
    QColor resolve() const;  // against the application palette

    bool operator==(const ColorRef &other) const
    {
        return isSystem_ == other.isSystem_ && (isSystem_ ? system_ == other.system_ : rgb_ == other.rgb_);
    }

private:
    bool isSystem_ = false;
    SystemColor system_ = SystemColor::WindowText;
    QRgb rgb_ = qRgb(0, 0, 0);
};

// The font of window titles: the desktop theme's title-bar font where it
// names one, else the application's font.
QFont captionFont();
// The desktop's user-interface font at a character height in pixels (where
// the classic desktop says "MS Sans Serif").
QFont uiFont(int pixelHeight);
// A sans-serif face at a character height in pixels (where it says "Arial").
QFont sansSerifFont(int pixelHeight);

}  // namespace platform
