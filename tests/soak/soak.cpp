// Plays whole games one after the other in one process, each started afresh through "Sì", and
// checks that memory does not grow: usage: soak [GAMES] (10000 by default).
#include "game/frmgioco.h"
#include "shell/frmperso.h"
#include "shell/frmvinto.h"
#include "support.h"

#include <QApplication>
#include <cstdio>
#include <malloc.h>

namespace {

// Memory in use, in bytes. The allocator keeps freed pages for reuse, and where a large block
// (a window's backing store) lands depends on its history, so the figures are read after
// handing every free page back: what is left is what the program holds.
struct Memory {
    long anonymous = 0; // resident, not backed by a file: heap, stacks
    long files = 0;     // resident, mapped from files: libraries, fonts
    long heap = 0;      // bytes the allocator has handed out and not got back
};

Memory memory()
{
    Memory result;
#if !defined(__SANITIZE_ADDRESS__)
    malloc_trim(0);
    const struct mallinfo2 info = mallinfo2();
    result.heap = long(info.uordblks + info.hblkhd);
#endif
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return result;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        long kib = 0;
        if (std::sscanf(line, "RssAnon: %ld kB", &kib) == 1)
            result.anonymous = kib * 1024;
        else if (std::sscanf(line, "RssFile: %ld kB", &kib) == 1)
            result.files = kib * 1024;
    }
    std::fclose(status);
    return result;
}

double mebibytes(long bytes)
{
    return double(bytes) / 1048576.0;
}

// One game from the placement to its end, by the windows' own handlers, then "Sì". Each game
// sweeps the attack grid from a different corner.
bool playGame(int game)
{
    if (!support::playByHandlers(game))
        return false;
    if (frmvinto::isLoaded())
        frmvinto::get().cmdsiClick();
    else
        frmperso::get().cmdsiClick();
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
    const int first = std::min(100, games);
    Memory afterFirst;
    for (int game = 1; game <= games; ++game) {
        if (!playGame(game)) {
            std::printf("game %d did not end\n", game);
            return 1;
        }
        if (game == first || game % 1000 == 0) {
            const Memory now = memory();
            if (game == first)
                afterFirst = now;
            std::printf("after game %5d: resident %.2f MiB anonymous + %.2f MiB from files, "
                        "heap %.2f MiB\n",
                        game, mebibytes(now.anonymous), mebibytes(now.files), mebibytes(now.heap));
        }
    }
    const Memory afterLast = memory();
    support::releaseAll();
    const double anonymousGrowth = mebibytes(afterLast.anonymous - afterFirst.anonymous);
    const double heapGrowth = mebibytes(afterLast.heap - afterFirst.heap);
    std::printf("%d games; from game %d to the last: resident anonymous %+.2f MiB, from files "
                "%+.2f MiB, heap %+.2f MiB\n",
                games, first, anonymousGrowth, mebibytes(afterLast.files - afterFirst.files),
                heapGrowth);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed memory in quarantine: here only the leak check counts.
    return 0;
#else
    // Pages mapped from files come and go with the system's page cache, not with the program.
    return anonymousGrowth <= 2.0 && heapGrowth <= 2.0 ? 0 : 1;
#endif
}
