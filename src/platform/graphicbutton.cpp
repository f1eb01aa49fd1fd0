#include "platform/graphicbutton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace platform {

GraphicButton::GraphicButton(QWidget *parent, const QRect &geometry, const QString &caption)
    : QPushButton(caption, parent)
{
    setGeometry(geometry);
}

void GraphicButton::setBackColour(ColourValue value)
{
    if (back_.change(this, value))
        update();
}

void GraphicButton::setStateText(StateText stateText)
{
    back_.setWords(this, stateText);
}

void GraphicButton::setPicture(const Picture &picture)
{
    if (picture_ == picture)
        return;
    picture_ = picture;
    update();
}

void GraphicButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QBrush face(toQColor(backColour()));
    const bool sunken = isDown() || isChecked();
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);

    const QRect inner = rect().adjusted(2, 2, -2, -2).translated(sunken ? QPoint(1, 1) : QPoint());
    painter.save();
    painter.setClipRect(rect().adjusted(1, 1, -1, -1));
    picture_.drawCentred(painter, inner);
    painter.restore();

    if (!text().isEmpty()) {
        const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
        painter.setPen(palette().color(group, QPalette::ButtonText));
        style()->drawItemText(&painter, inner,
                              Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap, palette(),
                              isEnabled(), text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        focus.backgroundColor = face.color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

GraphicButton *createButton(QWidget *parent, const QRect &geometry, const QString &caption,
                            ColourValue back, const QFont &font)
{
    auto *button = new GraphicButton(parent, geometry, caption);
    button->setBackColour(back);
    button->setFont(font);
    return button;
}

} // namespace platform
