#pragma once

#include "platform/dialog.h"
#include "platform/form.h"
#include "platform/graphicbutton.h"
#include "platform/label.h"

// The goodbye window, from which the program ends.
class frmscelta : public platform::Form<frmscelta, platform::Dialog> {
public:
    platform::Label *Label1;
    platform::GraphicButton *cmdok;

    void cmdokClick();

protected:
    void load() override;

private:
    frmscelta();
    friend Form;
};
