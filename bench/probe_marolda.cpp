// The game's own start-up, with a probe on the start-up window.
#include "probe.h"
#include "shell/application.h"

int main()
{
    return shell::run([](QWidget *splash) { new StartupProbe(splash); });
}
