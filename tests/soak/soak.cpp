// Plays whole games one after the other in one process, each started afresh through "Sì", and
// checks that memory does not grow: usage: soak [GAMES] (10000 by default).
#include "computer/turn.h"
#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "resources/colours.h"
#include "shell/frmperso.h"
#include "shell/frmvinto.h"
#include "support.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

long residentBytes()
{
    FILE *statm = std::fopen("/proc/self/statm", "r");
    long pages = 0;
    long resident = 0;
    if (statm) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// One game from the placement to its end, by the windows' own handlers.
bool playGame(int game)
{
    frmgioco &gioco = frmgioco::get();
    gioco.mnuimpostaClick();
    frmimposta::get().cmdcasualeClick();
    frmimposta::get().cmdokClick();
    gioco.mnucominciaClick();
    // Sweep the attack grid from a different corner each game.
    for (int shot = 0; shot < 100 && !frmvinto::isLoaded() && !frmperso::isLoaded(); ++shot) {
        const int cell = (shot * 37 + game) % 100 + 1;
        gioco.cmdatClick(cell);
        if (gioco.tempo->isActive())
            computer::tempoTimer();
    }
    if (frmvinto::isLoaded()) {
        frmvinto::get().cmdsiClick();
    } else if (frmperso::isLoaded()) {
        frmperso::get().cmdsiClick();
    } else {
        return false;
    }
    support::settle();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
    support::freshStart();
    frmgioco::get().showForm();
    long afterHundredth = 0;
    for (int game = 1; game <= games; ++game) {
        if (!playGame(game)) {
            std::printf("game %d did not end\n", game);
            return 1;
        }
        if (game == std::min(100, games))
            afterHundredth = residentBytes();
    }
    const long afterLast = residentBytes();
    support::releaseAll();
    const double growth = double(afterLast - afterHundredth) / (1024.0 * 1024.0);
    std::printf("%d games; resident memory %.1f MiB after game %d, %.1f MiB after the last "
                "(%+.2f MiB)\n",
                games, afterHundredth / 1048576.0, std::min(100, games), afterLast / 1048576.0,
                growth);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed memory in quarantine: here only the leak check counts.
    return 0;
#else
    return growth <= 2.0 ? 0 : 1;
#endif
}
