#pragma once

#include <QList>
#include <QObject>

class QWidget;

namespace platform {

// Moves the keyboard focus among the cells of 10 x 10 grids with the arrow keys, the keypad's
// included, wrapping from one edge to the opposite one. The cells keep every other key, and their
// clicks. On the focus sink, if the window has one, the arrows go on from the cell that last gave
// the focus up, or enter the first grid at its first cell.
class GridNavigation : public QObject {
public:
    // Each grid lists its cells 1 to 100 in order.
    GridNavigation(QObject *parent, const QList<QList<QWidget *>> &grids, QWidget *sink = nullptr);

    // The cell that an arrow key leads to from cell `index` (1 to 100).
    static int neighbour(int index, int key);
    // Forgets the cell that last gave the focus up: the arrows on the sink enter the first grid
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
