#include "platform/gridnavigation.h"

#include <QKeyEvent>
#include <QWidget>

namespace platform {

GridNavigation::GridNavigation(QObject *parent, const QList<QList<QWidget *>> &grids, QWidget *sink)
    : QObject(parent)
    , grids_(grids)
    , sink_(sink)
{
    for (const auto &grid : grids_)
        for (QWidget *cell : grid)
            cell->installEventFilter(this);
    if (sink_)
        sink_->installEventFilter(this);
}

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

GridNavigation::Place GridNavigation::placeOf(const QObject *cell) const
{
    for (int grid = 0; grid < grids_.size(); ++grid)
        for (int index = 1; index <= grids_[grid].size(); ++index)
            if (grids_[grid][index - 1] == cell)
                return {grid, index};
    return {};
}

bool GridNavigation::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && watched != sink_) {
        last_ = placeOf(watched);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool arrow = key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                       key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
    // The keypad's arrows, with NumLock off, come with the keypad's modifier.
    if (!arrow || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    Place target;
    if (watched == sink_)
        target = last_.index ? Place{last_.grid, neighbour(last_.index, key->key())} : Place{0, 1};
    else if (const Place here = placeOf(watched); here.index)
        target = {here.grid, neighbour(here.index, key->key())};
    QWidget *cell = target.index ? grids_[target.grid][target.index - 1] : nullptr;
    if (!cell || !cell->isEnabled())
        return false;
    cell->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace platform
