#pragma once

#include "platform/dialog.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/picturebox.h"

class QPushButton;
namespace platform {
class Line;
}

// Information on the program: its title, version, date and authors.
class frminfo : public platform::Form<frminfo, platform::Dialog> {
public:
    QPushButton *cmdok;
    platform::Label *Label9; // the date
    platform::Label *Label8;
    platform::Label *Label7; // the e-mail address
    platform::Label *Label6; // the author
    platform::Label *Label5; // the version
    platform::Label *Label4;
    platform::Label *Label3;
    platform::Label *Label2;
    platform::Label *Label1; // the frame round the icon
    platform::PictureBox *Image2;
    platform::Line *Line1;
    platform::PictureBox *Image1;

    void cmdokClick();

protected:
    void load() override;

private:
    frminfo();
    friend Form;
};
