#pragma once

#include "platform/dialog.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "platform/graphicbutton.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/system.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "resources/pictures.h"
#include "resources/texts.h"

namespace shell {

// Where the controls of an end-of-game window stand (twips) and what they say.
struct EndOfGameDesign {
    QString name;
    QString caption;
    QSize client;
    QRect picture;
    pictures::Id drawing;
    QRect yes;
    QRect no;
    QRect question;
    QRect message;
    QString messageText;
};

// Starts over after a finished game, once the end-of-game window has unloaded itself: every
// game window goes and the main window loads afresh (src/shell/endofgame.cpp).
void playAnotherGame();

// The window that closes a game, won or lost, and offers another one.
template <class Derived> class EndOfGame : public platform::Form<Derived, platform::Dialog> {
    using Base = platform::Form<Derived, platform::Dialog>;

public:
    platform::Label *lblmess;
    platform::Label *Label2;
    platform::GraphicButton *cmdsi;
    platform::GraphicButton *cmdno;
    platform::PictureBox *pctvincitore;

    void cmdsiClick()
    {
        Derived::unloadForm();
        playAnotherGame();
    }
    void cmdnoClick() { platform::endProgram(); }

protected:
    explicit EndOfGame(const EndOfGameDesign &design)
        : Base({design.name, design.caption, platform::Frame::FixedDialog,
                platform::twipsSize(design.client), colours::lightOrange})
    {
        QWidget *area = this->client();
        const QFont font = platform::font(QStringLiteral("Comic Sans MS"), 12);
        using platform::twipsRect;
        lblmess = platform::createLabel(
            area, twipsRect(design.message), design.messageText,
            platform::font(QStringLiteral("Comic Sans MS"), 15.75, true, true), colours::red,
            Qt::AlignHCenter | Qt::AlignTop);
        Label2 = platform::createLabel(area, twipsRect(design.question), texts::anotherGame, font,
                                       colours::blue, Qt::AlignHCenter | Qt::AlignTop);
        cmdsi = platform::createButton(area, twipsRect(design.yes), QStringLiteral("Sì"),
                                       colours::paleYellow, font);
        cmdno = platform::createButton(area, twipsRect(design.no), QStringLiteral("No"),
                                       colours::paleYellow, font);
        pctvincitore =
            new platform::PictureBox(area, twipsRect(design.picture),
                                     pictures::picture(design.drawing), colours::lightOrange);
        QObject::connect(cmdsi, &QPushButton::clicked, this, &EndOfGame::cmdsiClick);
        QObject::connect(cmdno, &QPushButton::clicked, this, &EndOfGame::cmdnoClick);
        this->setCancelButton(cmdno);
        this->setFocusHome(cmdsi);
    }
    void load() override { this->place(platform::centred); }
};

} // namespace shell
