#pragma once

#include "platform/picturebox.h"
#include "shell/helppage.h"

// How to place the ships and attack, with the two markings as examples.
class frmpratiche : public shell::HelpPage<frmpratiche> {
public:
    platform::Label *Label1;
    platform::Label *Label2;
    platform::Label *Label6;
    platform::PictureBox *pct2; // the miss symbol
    platform::Label *Label4;
    platform::PictureBox *pct; // the hit symbol
    platform::Label *Label5;
    platform::Label *Label3;

private:
    frmpratiche();
    friend platform::Form<frmpratiche, platform::Dialog>;
};
