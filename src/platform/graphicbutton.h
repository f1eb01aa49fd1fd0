#pragma once

#include "platform/colour.h"
#include "platform/picture.h"
#include "platform/statetext.h"

#include <QPushButton>

namespace platform {

// A push button painted in its own back colour, with its picture centred and its caption, if
// any, over it. It stays a real button: Tab reaches it, Space presses it, Enter presses it in a
// dialog, and Alt with its access letter presses it.
class GraphicButton : public QPushButton, public TellsState {
public:
    GraphicButton(QWidget *parent, const QRect &geometry, const QString &caption = {});

    void setBackColour(ColourValue value);
    ColourValue backColour() const { return *back_.colour(); }
    void setPicture(const Picture &picture);
    const Picture &picture() const { return picture_; }
    void setStateText(StateText stateText);
    QString stateInWords() const override { return back_.words(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColourState back_{system::buttonFace};
    Picture picture_;
};

// A graphical button with a caption, as the dialogs have them.
GraphicButton *createButton(QWidget *parent, const QRect &geometry, const QString &caption,
                            ColourValue back, const QFont &font);

} // namespace platform
