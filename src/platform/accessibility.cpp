#include "platform/accessibility.h"

#include "platform/announcer.h"
#include "platform/board.h"
#include "platform/label.h"
#include "platform/statetext.h"
#include "platform/statusarea.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <utility>

namespace platform {

namespace {

QAccessibleInterface *face(QObject *object)
{
    return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

// Text that assistive technology reads but cannot change: no caret, no selection. Screen
// readers present an object's text where they gather what a window shows (a status bar's items,
// a table cell's content), and take an object without it for one that shows nothing.
class ReadOnlyText : public QAccessibleTextInterface {
public:
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override
    {
        const QString all = content();
        if (end < 0 || end > all.size())
            end = int(all.size());
        return start >= 0 && start < end ? all.mid(start, end - start) : QString();
    }
    int characterCount() const override { return int(content().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

protected:
    virtual QString content() const = 0;
};

// A header of a grid that shows no headings: it bears the name of its column or row, and has
// no place on screen.
class HeaderFace : public QAccessibleInterface {
public:
    HeaderFace(Board *board, QAccessible::Role role, const QString &name)
        : board_(board)
        , role_(role)
        , name_(name)
    {}

    bool isValid() const override { return board_; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return face(board_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Name ? name_ : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

private:
    QPointer<Board> board_;
    QAccessible::Role role_;
    QString name_;
};

// A grid of cells as a table: 10 rows of 10 cells, named for the grid, its headings as the
// headers, its title picture as the caption. Nothing in it is ever selected.
class BoardFace : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardFace(Board *board)
        : QAccessibleWidget(board, QAccessible::Table)
    {}
    ~BoardFace() override
    {
        for (const QAccessible::Id id : std::as_const(headers_))
            QAccessible::deleteAccessibleInterface(id);
    }

    // The header of a column or a row: its heading on screen, or one that bears its name.
    QAccessibleInterface *header(Qt::Orientation orientation, int at) const
    {
        const bool column = orientation == Qt::Horizontal;
        if (QWidget *heading = column ? board()->columnHeading(at) : board()->rowHeading(at))
            return face(heading);
        const QString name = column ? board()->columnName(at) : board()->rowName(at);
        if (name.isEmpty())
            return nullptr;
        const int key = column ? at : Board::side + at;
        if (!headers_.contains(key)) {
            auto *header = new HeaderFace(
                board(), column ? QAccessible::ColumnHeader : QAccessible::RowHeader, name);
            headers_.insert(key, QAccessible::registerAccessibleInterface(header));
        }
        return QAccessible::accessibleInterface(headers_.value(key));
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface *caption() const override { return face(board()->title()); }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        return face(board()->cellAt(row, column));
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        return nameOf(header(Qt::Horizontal, column));
    }
    QString rowDescription(int row) const override { return nameOf(header(Qt::Vertical, row)); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Board::side; }
    int rowCount() const override { return Board::side; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    Board *board() const { return static_cast<Board *>(widget()); }
    static QString nameOf(const QAccessibleInterface *header)
    {
        return header ? header->text(QAccessible::Name) : QString();
    }

    // The headers made so far for a grid without headings, by column, then row + 10.
    mutable QHash<int, QAccessible::Id> headers_;
};

// A cell of a board: a table cell that knows its row, its column and its headers, with the
// cell's name ("A1"), its state in words as its text, the keyboard focus, and the press action
// of the button it is, for switch access and voice control. The grid's title labels it.
class CellFace : public QAccessibleWidget,
                 public QAccessibleTableCellInterface,
                 public ReadOnlyText {
public:
    explicit CellFace(QAbstractButton *cell)
        : QAccessibleWidget(cell, QAccessible::Cell)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // As the toolkit's own buttons do: shown pressed for a moment, then clicked.
        if (button()->isEnabled())
            button()->animateClick();
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        return headers({boardFace()->header(Qt::Horizontal, columnIndex())});
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override
    {
        return headers({boardFace()->header(Qt::Vertical, rowIndex())});
    }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        if (QAccessibleInterface *title = face(board()->title());
            title && match & QAccessible::Label)
            related.append({title, QAccessible::Label});
        return related;
    }
    int columnIndex() const override { return board()->indexOf(widget()) % Board::side; }
    int rowIndex() const override { return board()->indexOf(widget()) / Board::side; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return face(board()); }

protected:
    QString content() const override
    {
        return dynamic_cast<TellsState &>(*widget()).stateInWords();
    }

private:
    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }
    Board *board() const { return static_cast<Board *>(widget()->parentWidget()); }
    BoardFace *boardFace() const { return static_cast<BoardFace *>(face(board())); }
    static QList<QAccessibleInterface *> headers(QList<QAccessibleInterface *> faces)
    {
        faces.removeAll(nullptr);
        return faces;
    }
};

// A label of the status area: static text, readable as text, as screen readers want a status
// bar's items. A label that counts something says what it counts before its number: "Navi del
// computer a galla: 11".
class StatusItemFace : public QAccessibleWidget, public ReadOnlyText {
public:
    explicit StatusItemFace(Label *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text which) const override
    {
        if (which != QAccessible::Name || !label()->accessibleName().isEmpty())
            return QAccessibleWidget::text(which);
        return content();
    }

protected:
    QString content() const override
    {
        const QString counts = label()->counts();
        if (counts.isEmpty())
            return label()->text();
        return label()->text().isEmpty() ? counts : counts + QStringLiteral(": ") + label()->text();
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

QAccessibleInterface *programFace(const QString &, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (auto *board = qobject_cast<Board *>(widget))
        return new BoardFace(board);
    if (auto *cell = qobject_cast<QAbstractButton *>(widget);
        cell && dynamic_cast<TellsState *>(cell) && qobject_cast<Board *>(widget->parentWidget()))
        return new CellFace(cell);
    if (qobject_cast<StatusArea *>(widget))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (auto *label = qobject_cast<Label *>(widget);
        label && qobject_cast<StatusArea *>(widget->parentWidget()))
        return new StatusItemFace(label);
    // Before Qt 6.8, a notice's messages go out through its children, as notifications.
    if (qobject_cast<Notice *>(widget->parentWidget()))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibleFaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(programFace);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace platform
