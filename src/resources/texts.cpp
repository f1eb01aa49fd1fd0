#include "resources/texts.h"

namespace texts {

QString cellName(int index)
{
    const int row = (index - 1) / 10;
    const int column = (index - 1) % 10;
    return columns[column] + QString::number(row + 1);
}

QString placementCounter(int shipsLeft)
{
    return QStringLiteral("Ti restano ") + QString::number(shipsLeft) +
           QStringLiteral(" navi da posizionare");
}

} // namespace texts
