// The cost of the game's handlers and of painting the main window, measured in-process on the
// offscreen platform. Usage: bench_handlers [SAMPLES]
#include "game/frmgioco.h"
#include "resources/colours.h"
#include "shell/frmperso.h"
#include "shell/frmvinto.h"
#include "stats.h"
#include "support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <algorithm>

namespace {

double microseconds(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1000.0;
}

int untouchedCell(const frmgioco &gioco)
{
    for (int i = 1; i <= 100; ++i)
        if (gioco.cmdat[i]->backColour() == colours::untouched)
            return i;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int samples = argc > 1 ? std::atoi(argv[1]) : 300;
    support::freshStart();
    frmgioco::get().showForm();
    support::settle();

    QList<double> start, restart, shot, tick, yes;
    for (int i = 0; i < samples; ++i) {
        frmgioco &gioco = frmgioco::get();
        support::randomFleetByHandlers();
        start.append(microseconds([&] { gioco.mnucominciaClick(); }));
        support::settle();
        // A few rounds of the game: the player's shot, then the computer's.
        for (int round = 0; round < 5; ++round) {
            const int cell = untouchedCell(gioco);
            shot.append(microseconds([&] { gioco.cmdatClick(cell); }));
            if (gioco.tempo->isActive())
                tick.append(microseconds([] { frmgioco::get().tempoTimer(); }));
        }
        support::settle();
        restart.append(microseconds([&] { gioco.mnuricominciaClick(); }));
        support::settle();
    }
    // "Sì" at the end of a game: every game window goes and a fresh main window comes.
    for (int i = 0; i < std::max(20, samples / 10); ++i) {
        if (!support::playByHandlers(i))
            return 1;
        support::settle();
        yes.append(microseconds([] {
            if (frmvinto::isLoaded())
                frmvinto::get().cmdsiClick();
            else
                frmperso::get().cmdsiClick();
        }));
        support::settle();
    }

    // One paint of the main window in the middle of a game, at pixel ratios 1 and 2.
    support::randomFleetByHandlers();
    frmgioco &gioco = frmgioco::get();
    gioco.mnucominciaClick();
    for (int cell = 1; cell <= 30; ++cell) {
        gioco.cmdatClick(cell);
        frmgioco::get().tempoTimer();
    }
    QList<double> paint1, paint2;
    for (const qreal ratio : {1.0, 2.0}) {
        QImage image(gioco.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        for (int i = 0; i < 50; ++i)
            (ratio == 1.0 ? paint1 : paint2)
                .append(microseconds([&] { gioco.render(&image); }) / 1000.0);
    }
    // With no computer turn pending, no timer of the program runs.
    gioco.mnuricominciaClick();
    support::settle();
    // The windows' timers, and the one voice's, which the application owns.
    QList<QTimer *> timers = qApp->findChildren<QTimer *>();
    for (QWidget *window : QApplication::topLevelWidgets())
        timers += window->findChildren<QTimer *>();
    const auto running = std::count_if(timers.begin(), timers.end(),
                                       [](const QTimer *timer) { return timer->isActive(); });
    support::releaseAll();

    printHeader();
    printRow(QStringLiteral("attack click"), summarise(shot), "us");
    printRow(QStringLiteral("computer tick"), summarise(tick), "us");
    printRow(QStringLiteral("Comincia"), summarise(start), "us");
    printRow(QStringLiteral("Ricomincia"), summarise(restart), "us");
    printRow(QStringLiteral("Si (fresh main window)"), summarise(yes), "us");
    printRow(QStringLiteral("paint of the main window, ratio 1"), summarise(paint1), "ms");
    printRow(QStringLiteral("paint of the main window, ratio 2"), summarise(paint2), "ms");
    std::printf("timers running with no computer turn pending: %d\n", int(running));
    return 0;
}
