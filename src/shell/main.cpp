#include "shell/application.h"

int main()
{
    return shell::run();
}
