#include "platform/Palette.h"

#include <QGuiApplication>

namespace platform {

PaletteSlot paletteSlot(SystemColor color)
{
    using P = QPalette;
    switch (color) {
    case SystemColor::ScrollBar: return {P::Active, P::Button};
    case SystemColor::Desktop: return {P::Active, P::Dark};
    // Title bars: the selection colour while active, the grey of a bevel's
    // dark side while inactive; the light side is the inactive text, so the
    // pair keeps its contrast in light and dark themes alike.
    case SystemColor::ActiveCaption: return {P::Active, P::Highlight};
    case SystemColor::InactiveCaption: return {P::Inactive, P::Dark};
    case SystemColor::CaptionText: return {P::Active, P::HighlightedText};
    case SystemColor::InactiveCaptionText: return {P::Inactive, P::Light};
    case SystemColor::Menu: return {P::Active, P::Window};
    case SystemColor::MenuText: return {P::Active, P::WindowText};
    case SystemColor::Window: return {P::Active, P::Base};
    case SystemColor::WindowText: return {P::Active, P::Text};
    case SystemColor::WindowFrame: return {P::Active, P::Shadow};
    case SystemColor::ActiveBorder: return {P::Active, P::Button};
    case SystemColor::InactiveBorder: return {P::Inactive, P::Button};
    case SystemColor::AppWorkspace: return {P::Active, P::Mid};
    case SystemColor::Highlight: return {P::Active, P::Highlight};
    case SystemColor::HighlightText: return {P::Active, P::HighlightedText};
    case SystemColor::ButtonFace: return {P::Active, P::Button};
    case SystemColor::ButtonShadow: return {P::Active, P::Dark};
    case SystemColor::GrayText: return {P::Disabled, P::Text};
    case SystemColor::ButtonText: return {P::Active, P::ButtonText};
    case SystemColor::ButtonHighlight: return {P::Active, P::Light};
    case SystemColor::DarkShadow3D: return {P::Active, P::Shadow};
    case SystemColor::Light3D: return {P::Active, P::Midlight};
    case SystemColor::InfoText: return {P::Active, P::ToolTipText};
    case SystemColor::InfoBackground: return {P::Active, P::ToolTipBase};
    }
    return {P::Active, P::WindowText};
}

QColor systemColor(SystemColor color, const QPalette &palette)
{
    const PaletteSlot slot = paletteSlot(color);
    return QColor(palette.color(slot.group, slot.role).rgb());
}

QColor systemColor(SystemColor color)
{
    return systemColor(color, QGuiApplication::palette());
}

QColor ColorRef::resolve(const QPalette &palette) const
{
    return isSystem_ ? systemColor(system_, palette) : QColor(rgb_);
}

QColor ColorRef::resolve() const
{
    return resolve(QGuiApplication::palette());
}

QFont captionFont()
{
    // Desktops draw window titles in their interface font, bold. The theme's
    // own title font is not used: where a theme names none, Qt answers with
    // an unrelated default face.
    QFont font = QGuiApplication::font();
    font.setBold(true);
    return font;
}

QFont uiFont(int pixelHeight)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixelHeight);
    return font;
}

QFont sansSerifFont(int pixelHeight)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace platform
