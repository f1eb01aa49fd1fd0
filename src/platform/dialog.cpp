#include "platform/dialog.h"

#include <QKeyEvent>
#include <QPushButton>

namespace platform {

void Dialog::setDefaultButton(QPushButton *button)
{
    default_ = button;
    button->setDefault(true); // drawn as the default, as the style draws one
}

void Dialog::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (default_ && default_->isEnabled() && default_->isVisible())
        default_->click();
    event->accept();
}

void Dialog::reject()
{
    if (cancel_ && cancel_->isEnabled() && cancel_->isVisible())
        cancel_->click();
}

} // namespace platform
