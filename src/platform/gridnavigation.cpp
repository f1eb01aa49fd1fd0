#include "platform/gridnavigation.h"

#include <QKeyEvent>
#include <QWidget>

namespace platform {

int GridNavigation::neighbour(int index, int key)
{
    const int row = (index - 1) / 10;
    const int column = (index - 1) % 10;
    switch (key) {
    case Qt::Key_Left:
        return row * 10 + (column + 9) % 10 + 1;
    case Qt::Key_Right:
        return row * 10 + (column + 1) % 10 + 1;
    case Qt::Key_Up:
        return (row + 9) % 10 * 10 + column + 1;
    case Qt::Key_Down:
        return (row + 1) % 10 * 10 + column + 1;
    default:
        return index;
    }
}

void GridNavigation::watch()
{
    for (QWidget *cell : cells_)
        cell->installEventFilter(this);
}

bool GridNavigation::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const int index = int(cells_.indexOf(static_cast<QWidget *>(watched))) + 1;
    const int next = neighbour(index, key->key());
    if (index == 0 || next == index || key->modifiers() != Qt::NoModifier)
        return false;
    cells_[next - 1]->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace platform
