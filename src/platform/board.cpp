#include "platform/board.h"

#include "platform/accessibility.h"

namespace platform {

Board::Board(QWidget *parent, const QRect &geometry, const QString &name)
    : QWidget(parent)
{
    installAccessibleFaces();
    setGeometry(geometry);
    setAccessibleName(name);
}

QWidget *Board::cellAt(int row, int column) const
{
    if (row < 0 || row >= side || column < 0 || column >= side)
        return nullptr;
    const QObjectList &cells = children();
    const int index = row * side + column;
    return index < cells.size() ? qobject_cast<QWidget *>(cells[index]) : nullptr;
}

int Board::indexOf(const QWidget *cell) const
{
    if (!cell || cell->parentWidget() != this)
        return -1;
    const int index = int(children().indexOf(const_cast<QWidget *>(cell)));
    return index < side * side ? index : -1;
}

void Board::setHeadings(const QList<QWidget *> &columns, const QList<QWidget *> &rows)
{
    columns_ = QList<QPointer<QWidget>>(columns.begin(), columns.end());
    rows_ = QList<QPointer<QWidget>>(rows.begin(), rows.end());
}

void Board::setHeaderNames(const QStringList &columns, const QStringList &rows)
{
    columnNames_ = columns;
    rowNames_ = rows;
}

} // namespace platform
