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
    platform::installFontSubstitutes();
}

} // namespace shell
