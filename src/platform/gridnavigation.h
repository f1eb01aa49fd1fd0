#pragma once

#include <QKeyCombination>
#include <QList>
#include <QObject>

class QWidget;

namespace platform {

// Moves the keyboard focus among the cells of 10 x 10 grids, as in a spreadsheet: the arrow keys
// (the keypad's included), wrapping from one edge to the opposite one; Home and End to the first
// and last cell of the row; Ctrl+Home and Ctrl+End to the first and last cell of the grid; F6
// (or Shift+F6) to the same cell of the next grid. The cells keep every other key, and their
// clicks. On the focus sink, if the window has one, the keys go on from the cell that last gave
// the focus up; before any, the arrows enter the first grid at its first cell, and the other keys
// go from there.
class GridNavigation : public QObject {
public:
    // Each grid lists its cells 1 to 100 in order.
    GridNavigation(QObject *parent, const QList<QList<QWidget *>> &grids, QWidget *sink = nullptr);

    // The cell (1 to 100) that `key` leads to from cell `index` of the same grid, or 0 for a key
    // that moves within no grid.
    static int neighbour(int index, QKeyCombination key);
    // Forgets the cell that last gave the focus up: the keys on the sink enter the first grid
    // at its first cell again.
    void forget() { last_ = {}; }
    // The cell that last gave the focus up, if any.
    QWidget *lastCell() const
    {
        return last_.index ? grids_[last_.grid][last_.index - 1] : nullptr;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Place {
        int grid = 0;
        int index = 0; // 0: nowhere yet
    };
    Place placeOf(const QObject *cell) const;
    // Where `key` leads from `from`; nowhere for a key that moves nothing.
    Place target(Place from, QKeyCombination key) const;

    QList<QList<QWidget *>> grids_;
    QWidget *sink_;
    Place last_;
};

// The cells of a control array, as GridNavigation takes them.
template <class Cells> QList<QWidget *> cellList(const Cells &cells)
{
    return QList<QWidget *>(cells.begin(), cells.end());
}

} // namespace platform
