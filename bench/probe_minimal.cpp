// The yardstick: the smallest Qt Widgets program, one window with one label.
#include "probe.h"

#include <QApplication>
#include <QLabel>

int main()
{
    int argc = 1;
    char name[] = "minimal";
    char *argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Marolda"));
    window.resize(498, 541);
    new StartupProbe(&window);
    window.show();
    return QApplication::exec();
}
