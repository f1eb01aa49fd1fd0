#include "shell/frminizio.h"

#include "game/frmgioco.h"
#include "platform/shapes.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "resources/pictures.h"

#include <QProgressBar>
#include <QTimer>

using platform::twipsRect;

namespace {

// At the very top of the screen (1 twip), centred across it.
QPoint topCentre(QSize screen, QSize outer)
{
    return {platform::centred(screen, outer).x(), platform::pixels(1)};
}

} // namespace

frminizio::frminizio()
    : Form({QStringLiteral("frminizio"), QStringLiteral("Caricamento..."),
            platform::Frame::FixedDialog, platform::twipsSize(7470, 8115)})
{
    using pictures::Id;
    using pictures::picture;
    client()->setPicture(picture(Id::seascape));
    Shape1 = new platform::Shape(client(), twipsRect(600, 6360, 6375, 495),
                                 platform::Shape::Kind::RoundedRectangle, std::nullopt,
                                 platform::Shape::Border{colours::cyan, 3});
    prg = new QProgressBar(client());
    prg->setGeometry(twipsRect(720, 6480, 6135, 255));
    prg->setRange(0, 3);
    prg->setTextVisible(false);
    tempo = new QTimer(this);
    tempo->setInterval(1000);
    connect(tempo, &QTimer::timeout, this, &frminizio::tempoTimer);
    Image4 = new platform::PictureBox(client(), twipsRect(2880, 7080, 1815, 450),
                                      picture(Id::waitCaption));
    Image3 = new platform::PictureBox(client(), twipsRect(840, 840, 5730, 1500),
                                      picture(Id::splashTitle));
    Image2 =
        new platform::PictureBox(client(), twipsRect(6360, 3720, 615, 870), picture(Id::smallShip));
    Image1 = new platform::PictureBox(client(), twipsRect(4560, 3600, 1050, 1470),
                                      picture(Id::largeShip));
}

void frminizio::load()
{
    tempo->start();
    prg->setValue(0);
    contatore = 0;
    place(topCentre);
}

void frminizio::tempoTimer()
{
    ++contatore;
    if (contatore < 4) {
        prg->setValue(contatore);
        return;
    }
    tempo->stop();
    frmgioco::get().showForm();
    unloadForm();
}
