#include "placement/frmimposta.h"

#include "game/frmgioco.h"
#include "platform/board.h"
#include "platform/fonts.h"
#include "platform/gridnavigation.h"
#include "platform/random.h"
#include "platform/shapes.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "resources/texts.h"

#include <QAction>
#include <QPushButton>

using platform::twipsRect;

namespace {

// A game is running or over while the main window offers "Ricomincia"; this window then
// leaves the main window's menus and help line alone.
bool gameInProgress(const frmgioco &gioco)
{
    return gioco.mnuricomincia->isEnabled();
}

} // namespace

frmimposta::frmimposta()
    : Form({QStringLiteral("frmimposta"), QStringLiteral("Imposta le navi"),
            platform::Frame::FixedDialog, platform::twipsSize(5055, 6015), colours::lightOrange})
{
    lblcom = new platform::Label(client(), twipsRect(240, 360, 4575, 495),
                                 texts::placementCounter(fleet::size));
    lblcom->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblcom->setFont(platform::font(QStringLiteral("Comic Sans MS"), 14.25));
    lblcom->setForeColour(colours::blue);

    Shape1 = new platform::Shape(client(), twipsRect(600, 1200, 3855, 3855),
                                 platform::Shape::Kind::Rectangle, colours::lightBlue,
                                 platform::Shape::Border{colours::red, 2});
    auto *board =
        new platform::Board(client(), twipsRect(720, 1320, 3615, 3615), texts::placementGrid);
    QStringList rows;
    for (int row = 1; row <= 10; ++row)
        rows.append(QString::number(row));
    board->setHeaderNames(QStringList(std::begin(texts::columns), std::end(texts::columns)), rows);
    fleet::createGrid(lblimp, board, QPoint(0, 0));
    for (int k = 1; k <= 100; ++k) {
        // Reached by Tab after the buttons and moved through by the arrows; a click leaves the
        // focus where it was.
        lblimp[k]->setFocusPolicy(Qt::TabFocus);
        lblimp[k]->setCursor(Qt::CrossCursor);
        lblimp[k]->setAccessibleName(texts::cellName(k));
        lblimp[k]->setStateText(texts::fleetCellState);
        connect(lblimp[k], &QAbstractButton::clicked, this, [this, k] { lblimpClick(k); });
    }
    Shape2 = new platform::Shape(client(), twipsRect(720, 1320, 3615, 3615),
                                 platform::Shape::Kind::Rectangle, std::nullopt,
                                 platform::Shape::Border{colours::red, 2});

    auto button = [this](int left, const QString &caption, void (frmimposta::*handler)()) {
        auto *b = new QPushButton(caption, client());
        b->setGeometry(twipsRect(left, 5400, 855, 375));
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    cmdcasuale = button(480, QStringLiteral("C&asuale"), &frmimposta::cmdcasualeClick);
    cmdcancella = button(1560, QStringLiteral("&Cancella"), &frmimposta::cmdcancellaClick);
    cmdannulla = button(2640, QStringLiteral("A&nnulla"), &frmimposta::cmdannullaClick);
    cmdok = button(3720, QStringLiteral("&OK"), &frmimposta::cmdokClick);
    setDefaultButton(cmdok);
    cmdok->setEnabled(false);
    setCancelButton(cmdannulla);
    setFocusHome(cmdcasuale);
    new platform::GridNavigation(this, {platform::cellList(lblimp)});
    notice = new platform::Notice(client());
}

void frmimposta::load()
{
    place(platform::centred);
    navirestanti = fleet::size;
}

void frmimposta::unload()
{
    frmgioco &gioco = frmgioco::get();
    if (gameInProgress(gioco))
        return;
    gioco.mnucomincia->setEnabled(false);
    gioco.mnuricomincia->setEnabled(false);
}

void frmimposta::showCounter()
{
    if (navirestanti > 0) {
        lblcom->setText(texts::placementCounter(navirestanti));
        disableControls({cmdok});
    } else {
        lblcom->setText(texts::placementDone);
        cmdok->setEnabled(true);
    }
}

void frmimposta::withdrawUnreadyFleet()
{
    // An unloaded main window starts without "Comincia" anyway: it is not loaded for this.
    if (navirestanti == 0 || !frmgioco::isLoaded() || gameInProgress(frmgioco::get()))
        return;
    frmgioco::get().mnucomincia->setEnabled(false);
}

void frmimposta::lblimpClick(int k)
{
    const int before = navirestanti;
    if (lblimp[k]->backColour() == colours::noShip) {
        if (navirestanti > 0) {
            lblimp[k]->setBackColour(colours::ship);
            --navirestanti;
        }
    } else {
        lblimp[k]->setBackColour(colours::noShip);
        ++navirestanti;
    }
    showCounter();
    withdrawUnreadyFleet();
    if (navirestanti != before)
        notice->announce(texts::placementReport(k, texts::fleetCellState(lblimp[k]->backColour()),
                                                lblcom->text()));
}

void frmimposta::cmdcasualeClick()
{
    platform::random().reseed();
    fleet::clear(lblimp);
    // OK is enabled before the draw; no event can reach it until the fleet is complete.
    cmdok->setEnabled(true);
    fleet::drawShips(lblimp);
    lblcom->setText(texts::placementDone);
    navirestanti = 0;
    notice->announce(lblcom->text());
}

void frmimposta::cmdcancellaClick()
{
    disableControls({cmdok});
    fleet::clear(lblimp);
    navirestanti = fleet::size;
    showCounter();
    withdrawUnreadyFleet();
    notice->announce(lblcom->text());
}

void frmimposta::cmdannullaClick()
{
    fleet::clear(lblimp);
    navirestanti = fleet::size;
    frmgioco::get().showForm();
    unloadForm();
}

void frmimposta::cmdokClick()
{
    hide();
    frmgioco &gioco = frmgioco::get();
    if (gameInProgress(gioco))
        return;
    gioco.mnucomincia->setEnabled(true);
    gioco.lblaiuto->setText(texts::aiutoFleetReady);
    gioco.announcePhase();
}
