#include "platform/statetext.h"

#include <QAccessible>

namespace platform {

namespace {

// Tells assistive technology, if any listens, that the words of `control` went from `before` to
// its words now: the text of a cell that has the focus is then read again.
void tellChange(QWidget *control, const QString &before, const QString &now)
{
    if (before == now || !QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent event(control, 0, before, now);
    QAccessible::updateAccessibility(&event);
}

} // namespace

bool ColourState::change(QWidget *control, ColourValue value)
{
    if (back_ == value)
        return false;
    const QString before = words_ ? words() : QString();
    back_ = value;
    if (words_)
        tellChange(control, before, words());
    return true;
}

void ColourState::setWords(QWidget *control, StateText words)
{
    const QString before = this->words();
    words_ = words;
    tellChange(control, before, this->words());
}

} // namespace platform
