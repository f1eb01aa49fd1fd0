#pragma once

#include "platform/colour.h"

#include <QString>
#include <QWidget>
#include <optional>

namespace platform {

// Tells in words what a back colour means: a grid cell's state is its colour, which a screen
// reader cannot see.
using StateText = QString (*)(ColourValue);

// A control whose state, its back colour, can be told in words: a grid cell, whose words are
// its text to assistive technology (see accessibility.cpp).
class TellsState {
public:
    virtual QString stateInWords() const = 0;

protected:
    ~TellsState() = default;
};

// A control's back colour, which is its state, and the words for it once it has some. A change
// of the words is told to assistive technology as a change of the control's text.
class ColourState {
public:
    explicit ColourState(std::optional<ColourValue> back = std::nullopt)
        : back_(back)
    {}

    std::optional<ColourValue> colour() const { return back_; }
    QString words() const { return words_ && back_ ? words_(*back_) : QString(); }
    // Gives `control` the colour `value`; false if it had it already.
    bool change(QWidget *control, ColourValue value);
    // Takes `words` for the states of `control`.
    void setWords(QWidget *control, StateText words);

private:
    std::optional<ColourValue> back_;
    StateText words_ = nullptr;
};

} // namespace platform
