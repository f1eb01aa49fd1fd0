#pragma once

#include "platform/colour.h"

#include <QString>
#include <QWidget>
#include <optional>

namespace platform {

// Tells in words what a back colour means, for a control's accessible description: a grid
// cell's state is its colour, which a screen reader cannot see.
using StateText = QString (*)(ColourValue);

// A control's back colour, which is its state, kept in words as the control's accessible
// description once it has words for its states.
class ColourState {
public:
    explicit ColourState(std::optional<ColourValue> back = std::nullopt)
        : back_(back)
    {}

    std::optional<ColourValue> colour() const { return back_; }
    // Gives `control` the colour `value`; false if it had it already.
    bool change(QWidget *control, ColourValue value)
    {
        if (back_ == value)
            return false;
        back_ = value;
        describe(control);
        return true;
    }
    // Takes `words` for the states, and describes `control` with them.
    void setWords(QWidget *control, StateText words)
    {
        words_ = words;
        describe(control);
    }

private:
    void describe(QWidget *control) const
    {
        if (words_)
            control->setAccessibleDescription(back_ ? words_(*back_) : QString());
    }

    std::optional<ColourValue> back_;
    StateText words_ = nullptr;
};

} // namespace platform
