#include "resources/texts.h"

#include "resources/colours.h"

namespace texts {

QString cellName(int index)
{
    const int row = (index - 1) / 10;
    const int column = (index - 1) % 10;
    return columns[column] + QString::number(row + 1);
}

QString shotReport(const QString &grid, int cell, const QString &result, const QString &next)
{
    const QString shot = grid + QLatin1Char(' ') + cellName(cell) + QStringLiteral(": ") + result;
    return next.isEmpty() ? shot : shot + QLatin1Char(' ') + next;
}

QString placementReport(int cell, const QString &state, const QString &counter)
{
    return cellName(cell) + QStringLiteral(": ") + state + QStringLiteral(". ") + counter;
}

QString placementCounter(int shipsLeft)
{
    return QStringLiteral("Ti restano ") + QString::number(shipsLeft) +
           QStringLiteral(" navi da posizionare");
}

QString attackCellState(platform::ColourValue value)
{
    switch (value) {
    case colours::hit:
        return QStringLiteral("colpito");
    case colours::miss:
        return QStringLiteral("acqua");
    default:
        return QStringLiteral("non ancora colpito");
    }
}

QString defenceCellState(platform::ColourValue value)
{
    switch (value) {
    case colours::ownShip:
        return QStringLiteral("nave");
    case colours::hit:
        return QStringLiteral("nave colpita");
    case colours::miss:
        return QStringLiteral("acqua colpita");
    default:
        return QStringLiteral("acqua");
    }
}

QString fleetCellState(platform::ColourValue value)
{
    return value == colours::ship ? QStringLiteral("nave") : QStringLiteral("acqua");
}

} // namespace texts
