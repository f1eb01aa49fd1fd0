#include "platform/label.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace platform {

namespace {

// A label that takes the keyboard focus is pressed as a button is, and assistive technology is
// told so: it then reads the label's state out with its name as the focus reaches it.
QAccessibleInterface *pressableFace(const QString &, QObject *object)
{
    auto *label = qobject_cast<Label *>(object);
    if (label && (label->focusPolicy() & Qt::TabFocus))
        return new QAccessibleWidget(label, QAccessible::Button);
    return nullptr;
}

} // namespace

Label::Label(QWidget *parent, const QRect &geometry, const QString &text)
    : QLabel(text, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(pressableFace);
        return true;
    }();
    Q_UNUSED(installed);
    setGeometry(geometry);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::setBackColour(ColourValue value)
{
    if (back_.change(this, value))
        update();
}

void Label::setStateText(StateText stateText)
{
    back_.setWords(this, stateText);
}

void Label::setForeColour(ColourValue value)
{
    fore_ = value;
    update();
}

void Label::setBorder(bool single)
{
    border_ = single;
    setContentsMargins(single ? QMargins(1, 1, 1, 1) : QMargins());
    update();
}

void Label::paintEvent(QPaintEvent *)
{
    // Painted here rather than by QLabel, so that the text colour needs no palette of its own:
    // a window's worth of labels costs less to create.
    QPainter painter(this);
    if (const auto back = back_.colour())
        painter.fillRect(rect(), toQColor(*back));
    if (border_) {
        painter.setPen(QColor(Qt::black));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    if (text().isEmpty())
        return;
    painter.setPen(isEnabled() ? toQColor(fore_)
                               : palette().color(QPalette::Disabled, QPalette::WindowText));
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(),
                          QPalette::NoRole);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void Label::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier &&
        (focusPolicy() & Qt::TabFocus)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

Label *createLabel(QWidget *parent, const QRect &geometry, const QString &text, const QFont &font,
                   ColourValue colour, Qt::Alignment alignment)
{
    auto *label = new Label(parent, geometry, text);
    label->setFont(font);
    label->setForeColour(colour);
    label->setAlignment(alignment);
    return label;
}

} // namespace platform
