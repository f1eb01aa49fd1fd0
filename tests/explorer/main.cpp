// The explorer's command line:
//   explorer [--seeds 1,2,3] [--actions N]    explore N actions from each seed
//   explorer --replay FILE                     replay a saved failure (seed, then actions);
//                                              an action that cannot be done fails the replay,
//                                              unless its line starts with "!": then it must
//                                              not be possible at that point
// On a failure it prints the seed and the shortest action list it found, in the form that
// --replay reads, and exits with 1.
#include "explorer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {

int replayFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 2;
    }
    QTextStream in(&file);
    bool seeded = false;
    const unsigned seed = in.readLine().trimmed().toUInt(&seeded);
    if (!seeded) {
        std::fprintf(stderr, "%s:1: not a seed\n", qPrintable(path));
        return 2;
    }
    QList<explorer::Action> actions;
    for (int number = 2; !in.atEnd(); ++number) {
        // Each line is one action, as the explorer printed it; a '#' starts a comment.
        const QString text = in.readLine();
        const QString line = text.section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        auto action = explorer::Action::decode(line);
        if (action)
            action->expectComment(text.section(QLatin1Char('#'), 1).trimmed());
        if (!action) {
            std::fprintf(stderr, "%s:%d: not an action: %s\n", qPrintable(path), number,
                         qPrintable(line));
            return 2;
        }
        actions.append(*action);
    }
    const QString problem = explorer::Explorer::replay(seed, actions);
    std::printf("%s\n", problem.isEmpty() ? "replay passed" : qPrintable(problem));
    return problem.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QList<unsigned> seeds = {1, 2, 3, 4};
    long actions = 5000;
    for (qsizetype i = 0; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--replay"))
            return replayFile(arguments[i + 1]);
        if (arguments[i] == QLatin1String("--actions"))
            actions = arguments[i + 1].toLong();
        if (arguments[i] == QLatin1String("--seeds")) {
            seeds.clear();
            for (const QString &seed : arguments[i + 1].split(QLatin1Char(',')))
                seeds.append(seed.toUInt());
        }
    }
    explorer::Statistics total;
    QElapsedTimer clock;
    clock.start();
    for (const unsigned seed : seeds) {
        explorer::Explorer walk(seed);
        const auto failure = walk.run(actions);
        const auto &s = walk.statistics();
        total.actions += s.actions;
        total.programStarts += s.programStarts;
        total.gamesWon += s.gamesWon;
        total.gamesLost += s.gamesLost;
        if (failure) {
            std::printf("FAILED with seed %u: %s\nShortest action list (%lld actions), for "
                        "--replay:\n%u\n",
                        seed, qPrintable(failure->message), qlonglong(failure->actions.size()),
                        failure->seed);
            for (const auto &action : failure->actions)
                std::printf("%s  # %s\n", qPrintable(action.encode()),
                            qPrintable(action.describe()));
            return 1;
        }
    }
    std::printf("explored %ld actions from %lld seeds in %.1f s: %ld program starts, %ld games "
                "won, %ld lost; every invariant held\n",
                total.actions, qlonglong(seeds.size()), clock.elapsed() / 1000.0,
                total.programStarts, total.gamesWon, total.gamesLost);
    return 0;
}
