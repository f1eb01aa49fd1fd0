#include "platform/form.h"
#include "shell/application.h"
#include "shell/frminizio.h"

#include <QApplication>

int main()
{
    // The program takes no command line: Qt is given the program's name and nothing else.
    int argc = 1;
    char name[] = "marolda";
    char *argv[] = {name, nullptr};
    QApplication application(argc, argv);
    shell::prepareApplication();
    frminizio::get().showForm();
    const int status = QApplication::exec();
    platform::forms::releaseAll();
    return status;
}
