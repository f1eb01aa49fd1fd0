#include "shell/application.h"

#include "platform/fonts.h"
#include "platform/form.h"
#include "platform/system.h"
#include "resources/pictures.h"
#include "shell/frminizio.h"

#include <QApplication>
#include <vector>

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
    // Every window shows the anchor: the windows that set no icon take the application's.
    QApplication::setWindowIcon(pictures::windowIcon());
    platform::installFontSubstitutes();
}

int run(const std::function<void(QWidget *splash)> &watch)
{
    // The program takes no command line: Qt is given the program's name, and the window systems
    // that the program prefers where the user has chosen none.
    QByteArray systems = platform::preferredWindowSystems();
    char name[] = "marolda";
    char option[] = "-platform";
    std::vector<char *> arguments{name};
    if (!systems.isEmpty())
        arguments.insert(arguments.end(), {option, systems.data()});
    int argc = int(arguments.size());
    arguments.push_back(nullptr);
    QApplication application(argc, arguments.data());
    prepareApplication();
    frminizio &splash = frminizio::get();
    if (watch)
        watch(&splash);
    splash.showForm();
    const int status = QApplication::exec();
    platform::FormRegistry::instance().releaseAll();
    return status;
}

} // namespace shell
