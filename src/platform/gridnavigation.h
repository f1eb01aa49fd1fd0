#pragma once

#include <QList>
#include <QObject>

class QWidget;

namespace platform {

// Moves the keyboard focus among the cells of a 10 x 10 grid with the arrow keys, wrapping
// from one edge to the opposite one. The cells keep every other key, and their clicks.
class GridNavigation : public QObject {
public:
    template <class Cells>
    GridNavigation(QObject *parent, const Cells &cells)
        : QObject(parent)
    {
        for (QWidget *cell : cells)
            cells_.append(cell);
        watch();
    }

    // The cell that an arrow key leads to from cell `index` (1 to 100).
    static int neighbour(int index, int key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch();
    QList<QWidget *> cells_;
};

} // namespace platform
