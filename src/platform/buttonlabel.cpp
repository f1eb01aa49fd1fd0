#include "platform/buttonlabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace platform {

ButtonLabel::ButtonLabel(QWidget *parent, const QRect &geometry)
    : QAbstractButton(parent)
{
    setGeometry(geometry);
    setFocusPolicy(Qt::NoFocus);
}

void ButtonLabel::setBackColour(ColourValue value)
{
    if (back_.change(this, value))
        update();
}

void ButtonLabel::setStateText(StateText stateText)
{
    back_.setWords(this, stateText);
}

void ButtonLabel::paintEvent(QPaintEvent *)
{
    // A label's look, pressed or not.
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(backColour()));
    painter.setPen(QColor(Qt::black));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace platform
