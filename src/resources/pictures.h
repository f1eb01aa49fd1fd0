#pragma once

#include "platform/picture.h"

#include <QString>

// The seventeen pictures of the program, compiled in and served by name.
namespace pictures {

enum class Id {
    seascape,
    anchorIcon,
    hitSymbol,
    missSymbol,
    attackTitle,
    defenceTitle,
    computerFace,
    playerFace,
    largeShip,
    smallShip,
    splashTitle,
    waitCaption,
    infoTitle,
    instructionsTitle,
    requirementsComputer,
    winner,
    loser,
};
inline constexpr int count = 17;

platform::Picture picture(Id id);
// The catalogue name, such as "hit symbol".
QString name(Id id);
// The natural size in twips, from which the pixel size follows.
QSize naturalTwips(Id id);
// The sizes at which the window icon is rendered.
inline const QList<QSize> windowIconSizes = {QSize(16, 16), QSize(32, 32), QSize(48, 48)};
// The anchor icon of every window's title bar, made anew at each call: the application keeps it
// (shell::prepareApplication) and gives it to every window.
QIcon windowIcon();

} // namespace pictures
