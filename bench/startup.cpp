// Start-up to the first paint, and resident memory once idle, of the game beside the smallest
// Qt Widgets program; each run several times. Usage: bench_startup [RUNS]
#include "stats.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <ctime>

namespace {

struct Run {
    double startupMs = 0;
    double residentMiB = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

Run runOnce(const QString &program)
{
    QProcess process;
    process.setProgram(program);
    const long long started = monotonicNs();
    process.start();
    process.waitForFinished(30000);
    Run run;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        if (line.startsWith("painted "))
            run.startupMs = double(line.mid(8).toLongLong() - started) / 1e6;
        if (line.startsWith("resident "))
            run.residentMiB = line.mid(9).toDouble() / (1024.0 * 1024.0);
    }
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    const QString here = QCoreApplication::applicationDirPath();
    const QStringList programs = {here + QStringLiteral("/probe_minimal"),
                                  here + QStringLiteral("/probe_marolda")};
    QList<Summary> startup;
    QList<Summary> memory;
    for (const QString &program : programs) {
        runOnce(program); // warms the file cache
        QList<double> times;
        QList<double> resident;
        for (int i = 0; i < runs; ++i) {
            const Run run = runOnce(program);
            times.append(run.startupMs);
            resident.append(run.residentMiB);
        }
        startup.append(summarise(times));
        memory.append(summarise(resident));
    }
    std::printf("platform: %s, %d runs each\n", qgetenv("QT_QPA_PLATFORM").constData(), runs);
    printHeader();
    printRow(QStringLiteral("start-up to first paint, minimal"), startup[0], "ms");
    printRow(QStringLiteral("start-up to first paint, Marolda"), startup[1], "ms");
    printRow(QStringLiteral("resident memory idle, minimal"), memory[0], "MiB");
    printRow(QStringLiteral("resident memory idle, Marolda"), memory[1], "MiB");
    std::printf("ratio of medians: start-up %.2f, memory %.2f\n",
                startup[1].median / startup[0].median, memory[1].median / memory[0].median);
    return 0;
}
