#pragma once

#include "platform/colour.h"

#include <QString>
#include <QWidget>
#include <optional>

namespace platform {

// Tells in words what a back colour means, for a control's accessible description: a grid
// cell's state is its colour, which a screen reader cannot see.
using StateText = QString (*)(ColourValue);

// Describes `control` in the state `back`; without a state text or a back colour, not at all.
inline void describeState(QWidget *control, StateText stateText, std::optional<ColourValue> back)
{
    control->setAccessibleDescription(stateText && back ? stateText(*back) : QString());
}

} // namespace platform
