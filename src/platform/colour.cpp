#include "platform/colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform {

namespace {

// The palette role that plays the part of a system colour; the windows store four of them.
QPalette::ColorRole roleOf(ColourValue value)
{
    switch (value) {
    case system::windowBackground:
        return QPalette::Base;
    case system::windowText:
        return QPalette::Text;
    case system::buttonFace:
        return QPalette::Button;
    case system::buttonText:
        return QPalette::ButtonText;
    default:
        return QPalette::Window;
    }
}

} // namespace

QColor toQColor(ColourValue value)
{
    if (isSystemColour(value))
        return QGuiApplication::palette().color(QPalette::Active, roleOf(value));
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

} // namespace platform
