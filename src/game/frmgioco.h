#pragma once

#include "platform/announcer.h"
#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/graphicbutton.h"
#include "platform/gridnavigation.h"
#include "platform/label.h"
#include "platform/picturebox.h"

#include <QMainWindow>

namespace platform {
class Board;
class StatusArea;
} // namespace platform

class QAction;
class QMenu;
class QTimer;

// A cell of the attack grid: a board cell that also hides whether the computer has a ship on
// its square. Nothing on screen shows the flag.
class AttackCell : public platform::GraphicButton {
public:
    using GraphicButton::GraphicButton;
    bool shipFlag = false;
};

// The main window, in which the game is played. All of a game's state lives here: the two
// grids, the four counters, and the help line, whose text is the phase of the game.
class frmgioco : public platform::Form<frmgioco, QMainWindow> {
public:
    platform::ControlArray<AttackCell, 100> cmdat;              // the computer's waters
    platform::ControlArray<platform::GraphicButton, 100> cmddi; // the player's waters
    // Headings: 1 to 10 are the column letters, 11 to 20 the row numbers.
    platform::ControlArray<platform::Label, 20> lblat;
    platform::ControlArray<platform::Label, 20> lbldi;
    platform::PictureBox *Image1;            // "Attacco"
    platform::PictureBox *Image2;            // "Difesa"
    platform::PictureBox *Image3;            // the computer's face
    platform::PictureBox *Image4;            // the player's face
    platform::StatusArea *statusArea;        // the help line and the counters, as a status bar
    platform::Board *attackBoard;            // under the attack cells: their table
    platform::Board *defenceBoard;           // under the defence cells: their table
    platform::Label *lblnc;                  // the computer's ships afloat
    platform::Label *lblnu;                  // the player's ships afloat
    platform::Label *lblmessat;              // the result of the player's last shot
    platform::Label *lblmessdi;              // the result of the computer's last shot
    platform::Label *lblaiuto;               // the help line
    platform::PictureBox *pctfocus;          // takes the focus from every clicked cell
    platform::GridNavigation *navigation;    // the keys that move on the two grids
    platform::PictureBox *pct, *pct2, *pct3; // hidden: the hit, miss and empty markings
    QTimer *tempo;                           // its tick is the computer's shot
    platform::Notice *notice;                // tells a screen reader what happens

    QMenu *mnugioco;
    QAction *mnuimposta;
    QAction *mnucomincia;
    QAction *mnuricomincia;
    QAction *mnusepara;
    QAction *mnuesci;
    QMenu *mnuhelp;
    QAction *mnuistr;
    QAction *mnuinfo;

    int colpiutente = 0;   // the player's hits
    int colpicomputer = 0; // the computer's hits
    int navicomputer = 0;  // the computer's ships afloat, shown in lblnc
    int naviutente = 0;    // the player's ships afloat, shown in lblnu

    // Gives a board cell the back colour and picture of a marking holder (pct or pct2).
    static void mark(platform::GraphicButton *cell, const platform::PictureBox *holder);
    // Tells a screen reader the phase of the game, the help line, once it has gone through the
    // changes that led there: start and restart change the state of all 200 cells.
    void announcePhase();

    void cmdatClick(int index);
    void cmddiClick(int index);
    // The computer's shot: its turn, in src/computer/turn.cpp.
    void tempoTimer();
    void mnuimpostaClick();
    void mnucominciaClick();
    void mnuricominciaClick();
    void mnuesciClick();
    void mnuistrClick();
    void mnuinfoClick();

protected:
    void load() override;
    void unload() override;

private:
    frmgioco();
    friend Form;

    // Tells a screen reader a shot at `cell` of the grid titled `grid`, with its result, and
    // whose turn it is, while the game goes on.
    void announceShot(const QString &grid, int cell, const platform::Label *result,
                      bool gameGoesOn);
    enum class Winner { player, computer };
    // The last hit of either side: the help line and both messages go, and the winner's or the
    // loser's window comes up.
    void gameOver(Winner winner);

    void createGrids();
    void createHeadings();
    void createPicturesAndLabels();
    void createMenus();
    // Both grids' cells, the focus sink aside.
    QList<QWidget *> cells() const;
};
