#include "QtColours.h"

#include <array>
#include <optional>

#include <QGuiApplication>
#include <QPalette>

namespace velk {
namespace {

struct PaletteColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr QPalette::ColorGroup Active = QPalette::Active;

// The system colours by number: scroll bar, desktop, active caption,
// inactive caption, menu, window, window frame, menu text, window text,
// caption text, active border, inactive border, application workspace,
// highlight, highlighted text, button face, button shadow, grey text,
// button text, inactive caption text, button highlight, dark 3D shadow,
// light 3D, tool-tip text, tool-tip background.
const std::array<std::optional<PaletteColour>, 25> SystemColourRoles = {{
    PaletteColour{Active, QPalette::Button},
    std::nullopt,
    PaletteColour{Active, QPalette::Highlight},
    PaletteColour{QPalette::Inactive, QPalette::Highlight},
    PaletteColour{Active, QPalette::Window},
    PaletteColour{Active, QPalette::Base},
    PaletteColour{Active, QPalette::Shadow},
    PaletteColour{Active, QPalette::WindowText},
    PaletteColour{Active, QPalette::Text},
    PaletteColour{Active, QPalette::HighlightedText},
    std::nullopt,
    std::nullopt,
    PaletteColour{Active, QPalette::Dark},
    PaletteColour{Active, QPalette::Highlight},
    PaletteColour{Active, QPalette::HighlightedText},
    PaletteColour{Active, QPalette::Button},
    PaletteColour{Active, QPalette::Dark},
    PaletteColour{QPalette::Disabled, QPalette::Text},
    PaletteColour{Active, QPalette::ButtonText},
    PaletteColour{Active, QPalette::Midlight},
    PaletteColour{Active, QPalette::Light},
    PaletteColour{Active, QPalette::Shadow},
    PaletteColour{Active, QPalette::Midlight},
    PaletteColour{Active, QPalette::ToolTipText},
    PaletteColour{Active, QPalette::ToolTipBase},
}};

const QColor SystemColourFallback(192, 192, 192);

}  // namespace

QColor ToQColor(int32_t colour)
{
    const auto bits = static_cast<uint32_t>(colour);
    if ((bits & 0x80000000u) == 0) return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
    const uint32_t n = bits - 0x80000000u;
    if (n >= SystemColourRoles.size() || !SystemColourRoles[n]) return SystemColourFallback;
    return QGuiApplication::palette().color(SystemColourRoles[n]->group, SystemColourRoles[n]->role);
}

int32_t FromQColor(const QColor& colour)
{
    return colour.red() + colour.green() * 256 + colour.blue() * 65536;
}

}  // namespace velk
