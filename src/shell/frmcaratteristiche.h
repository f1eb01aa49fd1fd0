#pragma once

#include "shell/helppage.h"

// What the game is, and its rules.
class frmcaratteristiche : public shell::HelpPage<frmcaratteristiche> {
public:
    platform::Label *Label1;
    platform::Label *Label2;
    platform::Label *Label3;

private:
    frmcaratteristiche();
    friend platform::Form<frmcaratteristiche, platform::Dialog>;
};
