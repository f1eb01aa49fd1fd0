#include "platform/shapes.h"

#include <QPainter>

namespace platform {

Shape::Shape(QWidget *parent, const QRect &geometry, Kind kind, std::optional<ColourValue> fill,
             std::optional<Border> border)
    : QWidget(parent)
    , kind_(kind)
    , fill_(fill)
    , border_(border)
{
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, kind_ != Kind::Rectangle);
    const int penWidth = border_ ? border_->width : 0;
    // The pen is centred on its path: inset by half its width to keep it inside the bounds.
    const qreal inset = penWidth / 2.0;
    const QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (border_)
        painter.setPen(
            QPen(toQColor(border_->colour), penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(fill_ ? QBrush(toQColor(*fill_)) : QBrush(Qt::NoBrush));
    switch (kind_) {
    case Kind::Rectangle:
        painter.drawRect(area);
        break;
    case Kind::RoundedRectangle: {
        const qreal radius = std::min(area.width(), area.height()) / 4.0;
        painter.drawRoundedRect(area, radius, radius);
        break;
    }
    case Kind::Circle: {
        const qreal side = std::min(area.width(), area.height());
        QRectF circle(0, 0, side, side);
        circle.moveCenter(area.center());
        painter.drawEllipse(circle);
        break;
    }
    }
}

Line::Line(QWidget *parent, QPoint from, QPoint to, ColourValue colour, int width)
    : QWidget(parent)
    , from_(from)
    , to_(to)
    , colour_(colour)
    , width_(width)
{
    const int half = (width + 1) / 2;
    setGeometry(QRect(from, to).normalized().adjusted(-half, -half, half, half));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(toQColor(colour_), width_, Qt::SolidLine, Qt::FlatCap));
    const QPoint offset = geometry().topLeft();
    painter.drawLine(from_ - offset, to_ - offset);
}

} // namespace platform
