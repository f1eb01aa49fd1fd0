#include "shell/frmscelta.h"

#include "platform/fonts.h"
#include "platform/system.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "resources/texts.h"

using platform::twipsRect;

frmscelta::frmscelta()
    : Form({QStringLiteral("frmscelta"), QStringLiteral("Arrivederci"),
            platform::Frame::FixedDialog, platform::twipsSize(3270, 1590), colours::lightOrange})
{
    Label1 = platform::createLabel(client(), twipsRect(120, 240, 3015, 375), texts::goodbye,
                                   platform::font(QStringLiteral("Comic Sans MS"), 14.25),
                                   colours::blue, Qt::AlignHCenter | Qt::AlignTop);
    cmdok = platform::createButton(client(), twipsRect(1080, 960, 1095, 495),
                                   QStringLiteral("&Ciao"), colours::yellow,
                                   platform::font(QStringLiteral("Comic Sans MS"), 12));
    connect(cmdok, &QPushButton::clicked, this, &frmscelta::cmdokClick);
    setFocusHome(cmdok);
}

void frmscelta::load()
{
    place(platform::centred);
    platform::beep();
}

void frmscelta::cmdokClick()
{
    platform::endProgram();
}
