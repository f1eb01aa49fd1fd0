#include "platform/colour.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace platform {

namespace {

// The classic system colour indices, each mapped to the palette role that plays its part.
constexpr std::array<QPalette::ColorRole, 25> systemRoles = {
    QPalette::Button,          // 0 scroll bar
    QPalette::Dark,            // 1 desktop
    QPalette::Highlight,       // 2 active caption
    QPalette::Mid,             // 3 inactive caption
    QPalette::Window,          // 4 menu bar
    QPalette::Base,            // 5 window background
    QPalette::Shadow,          // 6 window frame
    QPalette::WindowText,      // 7 menu text
    QPalette::Text,            // 8 window text
    QPalette::HighlightedText, // 9 active caption text
    QPalette::Button,          // 10 active border
    QPalette::Button,          // 11 inactive border
    QPalette::Mid,             // 12 application workspace
    QPalette::Highlight,       // 13 highlight
    QPalette::HighlightedText, // 14 highlighted text
    QPalette::Button,          // 15 button face
    QPalette::Dark,            // 16 button shadow
    QPalette::PlaceholderText, // 17 grey text
    QPalette::ButtonText,      // 18 button text
    QPalette::WindowText,      // 19 inactive caption text
    QPalette::Light,           // 20 button highlight
    QPalette::Shadow,          // 21 3D dark shadow
    QPalette::Midlight,        // 22 3D light
    QPalette::ToolTipText,     // 23 tooltip text
    QPalette::ToolTipBase,     // 24 tooltip background
};

} // namespace

QColor toQColor(ColourValue value)
{
    if (isSystemColour(value)) {
        const auto index = value & 0xFFu;
        const auto role = index < systemRoles.size() ? systemRoles[index] : QPalette::Window;
        return QGuiApplication::palette().color(QPalette::Active, role);
    }
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

} // namespace platform
