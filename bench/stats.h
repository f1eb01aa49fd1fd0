#pragma once

#include <QList>
#include <QString>
#include <algorithm>
#include <cstdio>

// Minimum, median and maximum of repeated measurements.
struct Summary {
    double minimum = 0;
    double median = 0;
    double maximum = 0;
};

inline Summary summarise(QList<double> samples)
{
    if (samples.isEmpty())
        return {};
    std::sort(samples.begin(), samples.end());
    return {samples.first(), samples[samples.size() / 2], samples.last()};
}

inline void printRow(const QString &what, const Summary &s, const char *unit)
{
    std::printf("%-40s %10.1f %10.1f %10.1f  %s\n", qPrintable(what), s.minimum, s.median,
                s.maximum, unit);
}

inline void printHeader()
{
    std::printf("%-40s %10s %10s %10s\n", "", "min", "median", "max");
}
