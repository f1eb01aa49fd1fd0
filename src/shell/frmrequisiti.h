#pragma once

#include "platform/controlarray.h"
#include "platform/picturebox.h"
#include "shell/helppage.h"

namespace platform {
class Shape;
}

// The system requirements, as a bulleted list.
class frmrequisiti : public shell::HelpPage<frmrequisiti> {
public:
    platform::ControlArray<platform::Shape, 4> Shape1; // the bullets, 1 to 4
    platform::Label *Label1;
    platform::Label *Label4;
    platform::Label *Label5;
    platform::Label *Label6;
    platform::PictureBox *Picture1;

private:
    frmrequisiti();
    friend platform::Form<frmrequisiti, platform::Dialog>;
};
