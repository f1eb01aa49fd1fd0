#include "shell/application.h"

#include "platform/fonts.h"

#include <QApplication>

namespace shell {

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Marolda"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // The program ends when none of its own windows is visible (see platform/form.h).
    QApplication::setQuitOnLastWindowClosed(false);
    // The menus belong to the main window as designed, above its client area, and never move
    // to a desktop-wide menu bar.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    platform::installFontSubstitutes();
}

} // namespace shell
