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

int GridNavigation::neighbour(int index, QKeyCombination key)
{
    const int row = (index - 1) / 10;
    const int column = (index - 1) % 10;
    // The keypad's keys, with NumLock off, come with the keypad's modifier.
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier) {
        switch (key.key()) {
        case Qt::Key_Home:
            return 1;
        case Qt::Key_End:
            return 100;
        default:
            return 0;
        }
    }
    if (modifiers != Qt::NoModifier)
        return 0;
    switch (key.key()) {
    case Qt::Key_Left:
        return row * 10 + (column + 9) % 10 + 1;
    case Qt::Key_Right:
        return row * 10 + (column + 1) % 10 + 1;
    case Qt::Key_Up:
        return (row + 9) % 10 * 10 + column + 1;
    case Qt::Key_Down:
        return (row + 1) % 10 * 10 + column + 1;
    case Qt::Key_Home:
        return row * 10 + 1;
    case Qt::Key_End:
        return row * 10 + 10;
    default:
        return 0;
    }
}

namespace {

bool isArrow(QKeyCombination key)
{
    return (key.keyboardModifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
           (key.key() == Qt::Key_Left || key.key() == Qt::Key_Right || key.key() == Qt::Key_Up ||
            key.key() == Qt::Key_Down);
}

} // namespace

GridNavigation::Place GridNavigation::placeOf(const QObject *cell) const
{
    for (int grid = 0; grid < grids_.size(); ++grid)
        for (int index = 1; index <= grids_[grid].size(); ++index)
            if (grids_[grid][index - 1] == cell)
                return {grid, index};
    return {};
}

GridNavigation::Place GridNavigation::target(Place from, QKeyCombination key) const
{
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers();
    if (key.key() == Qt::Key_F6 && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier))
        return grids_.size() > 1 ? Place{(from.grid + 1) % int(grids_.size()), from.index}
                                 : Place{};
    return {from.grid, neighbour(from.index, key)};
}

bool GridNavigation::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && watched != sink_) {
        last_ = placeOf(watched);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const QKeyCombination key = static_cast<QKeyEvent *>(event)->keyCombination();
    Place to;
    if (watched != sink_)
        to = target(placeOf(watched), key);
    else if (last_.index)
        to = target(last_, key);
    else if (const Place first{0, 1}; isArrow(key))
        to = first; // the arrows enter the first grid where they start
    else
        to = target(first, key);
    QWidget *cell = to.index ? grids_[to.grid][to.index - 1] : nullptr;
    if (!cell || !cell->isEnabled())
        return false;
    cell->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace platform
