#include "shell/frmistruzioni.h"

#include "platform/fonts.h"
#include "platform/shapes.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "resources/pictures.h"
#include "shell/frmcaratteristiche.h"
#include "shell/frmpratiche.h"
#include "shell/frmrequisiti.h"

using platform::twipsPoint;
using platform::twipsRect;

frmistruzioni::frmistruzioni()
    : Form({QStringLiteral("frmistruzioni"), QStringLiteral("Istruzioni"),
            platform::Frame::FixedDialog, platform::twipsSize(6510, 5310), colours::lightOrange})
{
    Shape1 = new platform::Shape(client(), twipsRect(1080, 1440, 4335, 2895),
                                 platform::Shape::Kind::Rectangle, colours::yellow, std::nullopt);
    Line4 = new platform::Line(client(), twipsPoint(1080, 4320), twipsPoint(5400, 4320),
                               colours::white, 3);
    Line3 = new platform::Line(client(), twipsPoint(5400, 1440), twipsPoint(5400, 4320),
                               colours::white, 3);
    Line2 = new platform::Line(client(), twipsPoint(1080, 1440), twipsPoint(1080, 4320),
                               colours::darkGrey, 3);
    Line1 = new platform::Line(client(), twipsPoint(1080, 1440), twipsPoint(5400, 1440),
                               colours::darkGrey, 3);

    auto button = [this](const QRect &geometry, const QString &caption, platform::ColourValue back,
                         const QFont &font, void (frmistruzioni::*handler)()) {
        auto *b = platform::createButton(client(), twipsRect(geometry), caption, back, font);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    const QFont pageFont = platform::font(QStringLiteral("MS Sans Serif"), 9.75, true);
    cmdok = button(QRect(5400, 4800, 975, 375), QStringLiteral("&OK"), colours::yellow, QFont(),
                   &frmistruzioni::cmdokClick);
    cmdcaratteristiche =
        button(QRect(1680, 1800, 3135, 975), QStringLiteral("&Caratteristiche del gioco"),
               colours::cyan, pageFont, &frmistruzioni::cmdcaratteristicheClick);
    cmdistruzioni = button(QRect(1680, 3000, 1455, 975), QStringLiteral("I&struzioni pratiche"),
                           colours::lightGreen, pageFont, &frmistruzioni::cmdistruzioniClick);
    cmdrequisiti = button(QRect(3360, 3000, 1455, 975), QStringLiteral("Re&quisiti del sistema"),
                          colours::pink, pageFont, &frmistruzioni::cmdrequisitiClick);
    Picture1 = new platform::PictureBox(client(), twipsRect(1320, 360, 3855, 615),
                                        pictures::picture(pictures::Id::instructionsTitle),
                                        colours::lightOrange);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setAccessibleName(QStringLiteral("Istruzioni"));
    setFocusHome(cmdok);
}

void frmistruzioni::load()
{
    place(platform::centred);
}

void frmistruzioni::cmdokClick()
{
    unloadForm();
}

void frmistruzioni::cmdcaratteristicheClick()
{
    frmcaratteristiche::get().showForm();
    unloadForm();
}

void frmistruzioni::cmdistruzioniClick()
{
    frmpratiche::get().showForm();
    unloadForm();
}

void frmistruzioni::cmdrequisitiClick()
{
    frmrequisiti::get().showForm();
    unloadForm();
}
