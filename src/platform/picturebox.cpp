#include "platform/picturebox.h"

#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget *parent, const QRect &geometry, const Picture &picture,
                       std::optional<ColourValue> back)
    : QWidget(parent)
    , picture_(picture)
    , back_(back)
{
    setGeometry(geometry);
    if (!back_)
        setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::setPicture(const Picture &picture)
{
    picture_ = picture;
    update();
}

void PictureBox::setBackColour(ColourValue value)
{
    back_ = value;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (back_) {
        painter.fillRect(rect(), toQColor(*back_));
        picture_.drawInBox(painter, rect());
    } else {
        // An image control draws its picture unscaled: its size agrees with the picture's.
        picture_.draw(painter, QPoint(0, 0));
    }
}

} // namespace platform
