#include "platform/label.h"

#include <QPainter>
#include <QStyle>

namespace platform {

Label::Label(QWidget *parent, const QRect &geometry, const QString &text)
    : QLabel(text, parent)
{
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
    if (text().isEmpty())
        return;
    painter.setPen(isEnabled() ? toQColor(fore_)
                               : palette().color(QPalette::Disabled, QPalette::WindowText));
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(),
                          QPalette::NoRole);
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
