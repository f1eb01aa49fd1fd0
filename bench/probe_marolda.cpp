// The game's own start-up, as its main() does it, with a probe on the splash.
#include "platform/form.h"
#include "probe.h"
#include "shell/application.h"
#include "shell/frminizio.h"

#include <QApplication>

int main()
{
    int argc = 1;
    char name[] = "marolda";
    char *argv[] = {name, nullptr};
    QApplication application(argc, argv);
    shell::prepareApplication();
    frminizio &splash = frminizio::get();
    new StartupProbe(&splash);
    splash.showForm();
    const int status = QApplication::exec();
    platform::forms::releaseAll();
    return status;
}
