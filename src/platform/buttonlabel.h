#pragma once

#include "platform/colour.h"
#include "platform/statetext.h"

#include <QAbstractButton>

namespace platform {

// A label without caption, with a single-line border, that is clicked as a button is: the
// toolkit's button gives it the mouse, Space (once per press, on release) and the press action
// of assistive technology, which sees a button. It takes the keyboard focus only where its
// window gives it a focus policy.
class ButtonLabel : public QAbstractButton, public TellsState {
public:
    ButtonLabel(QWidget *parent, const QRect &geometry);

    void setBackColour(ColourValue value);
    ColourValue backColour() const { return *back_.colour(); }
    // Kept as designed; a label without caption shows no text in it.
    void setForeColour(ColourValue value) { fore_ = value; }
    ColourValue foreColour() const { return fore_; }
    void setStateText(StateText stateText);
    QString stateInWords() const override { return back_.words(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColourState back_{system::buttonFace};
    ColourValue fore_ = system::buttonText;
};

} // namespace platform
