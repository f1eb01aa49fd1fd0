#pragma once

#include "platform/dialog.h"
#include "platform/form.h"
#include "platform/graphicbutton.h"
#include "platform/picturebox.h"

namespace platform {
class Line;
class Shape;
} // namespace platform

// The instructions hub: three coloured buttons, each of which opens a page of help.
class frmistruzioni : public platform::Form<frmistruzioni, platform::Dialog> {
public:
    platform::Shape *Shape1; // the sunken panel behind the page buttons
    platform::Line *Line1;
    platform::Line *Line2;
    platform::Line *Line3;
    platform::Line *Line4;
    platform::GraphicButton *cmdok;
    platform::GraphicButton *cmdcaratteristiche;
    platform::GraphicButton *cmdistruzioni;
    platform::GraphicButton *cmdrequisiti;
    platform::PictureBox *Picture1;

    void cmdokClick();
    void cmdcaratteristicheClick();
    void cmdistruzioniClick();
    void cmdrequisitiClick();

protected:
    void load() override;

private:
    frmistruzioni();
    friend Form;
};
