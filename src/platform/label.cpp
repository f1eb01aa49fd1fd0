#include "platform/label.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

Label::Label(QWidget *parent, const QRect &geometry, const QString &text)
    : QLabel(text, parent)
{
    setGeometry(geometry);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    applyForeColour();
}

void Label::setBackColour(ColourValue value)
{
    back_ = value;
    update();
}

void Label::setTransparent()
{
    back_.reset();
    update();
}

void Label::setForeColour(ColourValue value)
{
    fore_ = value;
    applyForeColour();
}

void Label::setBorder(bool single)
{
    border_ = single;
    setContentsMargins(single ? QMargins(1, 1, 1, 1) : QMargins());
    update();
}

void Label::applyForeColour()
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, toQColor(fore_));
    setPalette(colours);
}

void Label::paintEvent(QPaintEvent *event)
{
    if (back_ || border_) {
        QPainter painter(this);
        if (back_)
            painter.fillRect(rect(), toQColor(*back_));
        if (border_) {
            painter.setPen(QColor(Qt::black));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    QLabel::paintEvent(event);
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

void Label::changeEvent(QEvent *event)
{
    // System colours follow the palette when the desktop theme changes.
    if (event->type() == QEvent::ApplicationPaletteChange && isSystemColour(fore_))
        applyForeColour();
    QLabel::changeEvent(event);
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
