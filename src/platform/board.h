#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace platform {

// The area under a grid's 100 cells, which are its children, created row by row from the top
// left. It draws nothing and the cells cover it whole, so nothing of it shows; it is there for
// assistive technology, which knows it as a table named for the grid, 10 rows by 10 columns,
// with the headings on screen as its column and row headers.
class Board : public QWidget {
    Q_OBJECT
public:
    static constexpr int side = 10;

    // `name` is the grid's, as a screen reader says it.
    Board(QWidget *parent, const QRect &geometry, const QString &name);

    // The cell at `row`, `column` (0 to 9), or none outside the grid.
    QWidget *cellAt(int row, int column) const;
    // Where `cell` lies, as row * 10 + column; -1 if it is not a cell of this grid.
    int indexOf(const QWidget *cell) const;

    // The headings on screen that name the columns (A to L) and the rows (1 to 10), and the
    // picture that titles the grid.
    void setHeadings(const QList<QWidget *> &columns, const QList<QWidget *> &rows);
    QWidget *columnHeading(int column) const { return heading(columns_, column); }
    QWidget *rowHeading(int row) const { return heading(rows_, row); }
    void setTitle(QWidget *title) { title_ = title; }
    QWidget *title() const { return title_; }
    // The names of the columns and the rows of a grid that shows no headings: assistive
    // technology gets headers that bear them, with no place on screen.
    void setHeaderNames(const QStringList &columns, const QStringList &rows);
    QString columnName(int column) const { return columnNames_.value(column); }
    QString rowName(int row) const { return rowNames_.value(row); }

private:
    static QWidget *heading(const QList<QPointer<QWidget>> &headings, int at)
    {
        return at >= 0 && at < headings.size() ? headings[at].data() : nullptr;
    }

    QList<QPointer<QWidget>> columns_;
    QList<QPointer<QWidget>> rows_;
    QPointer<QWidget> title_;
    QStringList columnNames_;
    QStringList rowNames_;
};

} // namespace platform
