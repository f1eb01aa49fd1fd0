#include "game/frmgioco.h"

#include "computer/frmcomputer.h"
#include "placement/frmimposta.h"
#include "platform/board.h"
#include "platform/fonts.h"
#include "platform/statusarea.h"
#include "platform/system.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "resources/pictures.h"
#include "resources/texts.h"
#include "shell/frminfo.h"
#include "shell/frmistruzioni.h"
#include "shell/frmperso.h"
#include "shell/frmscelta.h"
#include "shell/frmvinto.h"

#include <QMenuBar>
#include <QTimer>

using platform::twipsRect;

namespace {

constexpr int gridTop = 1920;
constexpr int pitch = 480;
constexpr int cellSide = 495;
constexpr int attackLeft = 960;
constexpr int defenceLeft = 6840;

// A grid's cells lie in its board, which starts at the grid's first cell.
QRect cellRect(int index)
{
    return twipsRect((index - 1) % 10 * pitch, (index - 1) / 10 * pitch, cellSide, cellSide);
}

template <class Cell>
void createBoard(platform::ControlArray<Cell, 100> &board, platform::Board *parent,
                 Qt::CursorShape cursor, platform::StateText stateText,
                 void (frmgioco::*click)(int), frmgioco *window)
{
    for (int i = 1; i <= 100; ++i) {
        auto *cell = new Cell(parent, cellRect(i));
        cell->setObjectName(QStringLiteral("cell%1").arg(i));
        cell->setAccessibleName(texts::cellName(i));
        cell->setStateText(stateText);
        cell->setCursor(cursor);
        QObject::connect(cell, &QAbstractButton::clicked, window,
                         [window, click, i] { (window->*click)(i); });
        board[i] = cell;
    }
}

// Letters above a grid that starts at `gridLeft`, numbers down its left side at `numbersLeft`.
void createHeadingsOf(platform::ControlArray<platform::Label, 20> &headings, QWidget *parent,
                      int gridLeft, int numbersLeft, platform::ColourValue textColour)
{
    const QFont font = platform::font(QStringLiteral("Comic Sans MS"), 15.75, true);
    for (int k = 1; k <= 20; ++k) {
        const bool letter = k <= 10;
        const QRect geometry = letter
                                   ? twipsRect(gridLeft + (k - 1) * pitch, 1320, 495, 495)
                                   : twipsRect(numbersLeft, gridTop + (k - 11) * pitch, 495, 495);
        auto *heading = new platform::Label(
            parent, geometry, letter ? texts::columns[k - 1] : QString::number(k - 10));
        heading->setBackColour(colours::paleYellow);
        heading->setForeColour(textColour);
        heading->setBorder(true);
        heading->setAlignment(Qt::AlignCenter);
        heading->setFont(font);
        headings[k] = heading;
    }
}

} // namespace

frmgioco::frmgioco()
    : Form({QStringLiteral("frmgioco"), QStringLiteral("Marolda"), platform::Frame::Sizable,
            platform::twipsSize(11880, 7950)})
{
    client()->setPicture(pictures::picture(pictures::Id::seascape));
    createHeadings();
    createPicturesAndLabels();
    createGrids();
    createMenus();
    tempo = new QTimer(this);
    tempo->setInterval(1500);
    connect(tempo, &QTimer::timeout, this, &frmgioco::tempoTimer);
    notice = new platform::Notice(client());
    fitToClientArea();
}

void frmgioco::createHeadings()
{
    createHeadingsOf(lblat, client(), attackLeft, 360, colours::red);
    createHeadingsOf(lbldi, client(), defenceLeft, 6240, colours::blue);
}

void frmgioco::createPicturesAndLabels()
{
    using pictures::Id;
    using pictures::picture;
    QWidget *area = client();
    Image1 =
        new platform::PictureBox(area, twipsRect(960, 240, 2610, 600), picture(Id::attackTitle));
    Image2 =
        new platform::PictureBox(area, twipsRect(9000, 240, 2085, 975), picture(Id::defenceTitle));
    Image1->setAccessibleName(texts::attackTitle);
    Image2->setAccessibleName(texts::defenceTitle);
    Image3 =
        new platform::PictureBox(area, twipsRect(3960, 120, 1005, 1170), picture(Id::computerFace));
    Image4 =
        new platform::PictureBox(area, twipsRect(7680, 120, 885, 1095), picture(Id::playerFace));

    const QFont counter = platform::font(QStringLiteral("Comic Sans MS"), 15.75, true);
    // The help line and the counters are the game's status, read in that order.
    statusArea = new platform::StatusArea(area, QRect(QPoint(0, 0), clientSize()));
    lblaiuto =
        platform::createLabel(statusArea, twipsRect(120, 7440, 6015, 375), texts::aiutoNoFleet,
                              platform::font(QStringLiteral("Comic Sans MS"), 12, false, true),
                              colours::yellow, Qt::AlignLeft | Qt::AlignTop);
    lblnc = platform::createLabel(statusArea, twipsRect(5040, 360, 735, 495), {}, counter,
                                  colours::yellow, Qt::AlignCenter);
    lblnc->setCounts(texts::computerShipsAfloat);
    lblnu = platform::createLabel(statusArea, twipsRect(6840, 360, 735, 495), {}, counter,
                                  colours::yellow, Qt::AlignCenter);
    lblnu->setCounts(texts::playerShipsAfloat);
    const QFont message = platform::font(QStringLiteral("Times New Roman"), 21.75, false, true);
    lblmessat = platform::createLabel(area, twipsRect(960, 6840, 4815, 570), {}, message,
                                      colours::cyan, Qt::AlignHCenter | Qt::AlignTop);
    lblmessdi = platform::createLabel(area, twipsRect(6840, 6840, 4815, 570), {}, message,
                                      colours::cyan, Qt::AlignHCenter | Qt::AlignTop);

    pct = new platform::PictureBox(area, twipsRect(600, 1320, 255, 255), picture(Id::hitSymbol),
                                   colours::hit);
    pct2 = new platform::PictureBox(area, twipsRect(600, 1560, 255, 255), picture(Id::missSymbol),
                                    colours::miss);
    pct3 = new platform::PictureBox(area, twipsRect(360, 1560, 255, 255), {}, colours::untouched);
    for (auto *holder : {pct, pct2, pct3})
        holder->hide();
}

void frmgioco::createGrids()
{
    // Created first among the controls that take the focus, so that it leads the tab order,
    // and before the cells, so that cell 100 covers it. Tab follows the order of creation: Qt
    // puts each new control at the end of its window's focus chain, so the sink, the attack
    // cells 1 to 100 and the defence cells 1 to 100 follow one another.
    pctfocus =
        new platform::PictureBox(client(), twipsRect(5400, 6360, 375, 375), {}, colours::magenta);
    pctfocus->setObjectName(QStringLiteral("pctfocus"));
    pctfocus->setFocusPolicy(Qt::StrongFocus);
    pctfocus->setCursor(Qt::CrossCursor);
    pctfocus->setAccessibleName(QStringLiteral("Tabellone"));
    // The window opens with the focus on it, and it takes the focus back from a cell that a
    // handler disables.
    setFocusHome(pctfocus);
    // Each board under its cells, titled by its picture and headed by its headings.
    const auto board = [this](int left, const QString &name, platform::PictureBox *title,
                              const platform::ControlArray<platform::Label, 20> &headings) {
        auto *board = new platform::Board(
            client(), twipsRect(left, gridTop, 9 * pitch + cellSide, 9 * pitch + cellSide), name);
        const QList<QWidget *> all(headings.begin(), headings.end());
        // A row's heading names the grid too: screen readers tell a cell's row header in the
        // places where they tell no table's name (a braille line, where-am-I).
        for (int row = 1; row <= 10; ++row)
            headings[10 + row]->setAccessibleName(name + QLatin1Char(' ') + QString::number(row));
        board->setHeadings(all.mid(0, 10), all.mid(10, 10));
        board->setTitle(title);
        return board;
    };
    attackBoard = board(attackLeft, texts::attackTitle, Image1, lblat);
    createBoard(cmdat, attackBoard, Qt::CrossCursor, texts::attackCellState, &frmgioco::cmdatClick,
                this);
    defenceBoard = board(defenceLeft, texts::defenceTitle, Image2, lbldi);
    createBoard(cmddi, defenceBoard, Qt::ArrowCursor, texts::defenceCellState,
                &frmgioco::cmddiClick, this);
    navigation = new platform::GridNavigation(
        this, {platform::cellList(cmdat), platform::cellList(cmddi)}, pctfocus);
}

QList<QWidget *> frmgioco::cells() const
{
    return platform::cellList(cmdat) + platform::cellList(cmddi);
}

void frmgioco::createMenus()
{
    auto item = [this](QMenu *menu, const QString &text, const QKeySequence &shortcut,
                       void (frmgioco::*handler)()) {
        QAction *action = menu->addAction(text);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    mnugioco = menuBar()->addMenu(QStringLiteral("&Gioco"));
    mnuimposta =
        item(mnugioco, QStringLiteral("I&mposta le navi"), Qt::Key_F1, &frmgioco::mnuimpostaClick);
    mnucomincia =
        item(mnugioco, QStringLiteral("&Comincia"), Qt::Key_F2, &frmgioco::mnucominciaClick);
    mnuricomincia =
        item(mnugioco, QStringLiteral("&Ricomincia"), Qt::Key_F3, &frmgioco::mnuricominciaClick);
    mnusepara = mnugioco->addSeparator();
    mnuesci =
        item(mnugioco, QStringLiteral("&Esci"), Qt::CTRL | Qt::Key_Q, &frmgioco::mnuesciClick);
    mnuhelp = menuBar()->addMenu(QStringLiteral("?"));
    mnuistr = item(mnuhelp, QStringLiteral("I&struzioni"), Qt::Key_F4, &frmgioco::mnuistrClick);
    mnuinfo = item(mnuhelp, QStringLiteral("I&nformazioni"), Qt::Key_F5, &frmgioco::mnuinfoClick);
    mnucomincia->setEnabled(false);
    mnuricomincia->setEnabled(false);
}

void frmgioco::mark(platform::GraphicButton *cell, const platform::PictureBox *holder)
{
    cell->setBackColour(holder->backColour().value());
    cell->setPicture(holder->picture());
}

void frmgioco::load()
{
    place(platform::centred);
    disableControls(cells());
    colpiutente = 0;
    colpicomputer = 0;
}

void frmgioco::unload()
{
    // However the main window goes, the goodbye window comes up.
    frmscelta::get().showForm();
}

void frmgioco::mnuimpostaClick()
{
    frmimposta::get().showForm();
}

void frmgioco::mnucominciaClick()
{
    // The computer's window loads on this first use, and its load draws the computer's fleet.
    // It is a hidden store and is never put on screen, not even for an instant: so assistive
    // technology cannot find the fleet either.
    frmcomputer::get();
    mnuimposta->setEnabled(false);
    mnucomincia->setEnabled(false);
    mnuricomincia->setEnabled(true);
    for (int i = 1; i <= 100; ++i) {
        cmdat[i]->setEnabled(true);
        cmddi[i]->setEnabled(true);
        if (frmimposta::get().lblimp[i]->backColour() == colours::ship)
            cmddi[i]->setBackColour(colours::ownShip);
        if (frmcomputer::get().lblcomp[i]->backColour() == colours::ship)
            cmdat[i]->shipFlag = true;
    }
    lblaiuto->setText(texts::aiutoYourTurn);
    navicomputer = fleet::size;
    naviutente = fleet::size;
    lblnc->setText(QString::number(navicomputer));
    lblnu->setText(QString::number(naviutente));
    announcePhase();
}

void frmgioco::mnuricominciaClick()
{
    // A computer turn still pending belongs to the abandoned game, and so does the arrow that
    // the last shot put over the attack grid: the next game starts with the cross-hair.
    tempo->stop();
    mnucomincia->setEnabled(false);
    mnuricomincia->setEnabled(false);
    mnuimposta->setEnabled(true);
    disableControls(cells());
    for (int i = 1; i <= 100; ++i) {
        cmdat[i]->setBackColour(colours::untouched);
        cmdat[i]->setPicture(pct3->picture());
        if (cmdat[i]->cursor().shape() != Qt::CrossCursor)
            cmdat[i]->setCursor(Qt::CrossCursor);
        cmdat[i]->shipFlag = false;
        cmddi[i]->setBackColour(colours::untouched);
        cmddi[i]->setPicture(pct3->picture());
    }
    // The next game's arrows start on the attack grid, as a fresh window's do.
    navigation->forget();
    frmcomputer::unloadForm();
    frmimposta::unloadForm();
    lblaiuto->setText(texts::aiutoNoFleet);
    lblmessat->clear();
    lblmessdi->clear();
    navicomputer = fleet::size;
    naviutente = fleet::size;
    colpiutente = 0;
    colpicomputer = 0;
    lblnc->clear();
    lblnu->clear();
    announcePhase();
}

void frmgioco::mnuesciClick()
{
    frmscelta::get().showForm();
}

void frmgioco::mnuistrClick()
{
    frmistruzioni::get().showForm();
}

void frmgioco::mnuinfoClick()
{
    frminfo::get().showForm();
}

void frmgioco::cmdatClick(int n)
{
    pctfocus->setFocus();
    if (lblaiuto->text() != texts::aiutoYourTurn)
        return;
    if (cmdat[n]->backColour() != colours::untouched)
        return;
    for (auto *cell : cmdat)
        cell->setCursor(Qt::ArrowCursor);
    if (cmdat[n]->shipFlag) {
        mark(cmdat[n], pct);
        lblmessat->setText(texts::hit);
        ++colpiutente;
        --navicomputer;
    } else {
        mark(cmdat[n], pct2);
        lblmessat->setText(texts::playerMiss);
    }
    lblnc->setText(QString::number(navicomputer));
    lblaiuto->setText(texts::aiutoWait);
    const bool won = colpiutente == fleet::size;
    announceShot(texts::attackTitle, n, lblmessat, !won);
    if (won)
        gameOver(Winner::player);
    else
        tempo->start();
}

void frmgioco::announcePhase()
{
    notice->announceAfterChanges(lblaiuto->text());
}

void frmgioco::announceShot(const QString &grid, int cell, const platform::Label *result,
                            bool gameGoesOn)
{
    // The report costs more than the rest of the shot: made only for a screen reader.
    if (!platform::assistiveTechnologyListens())
        return;
    notice->announce(
        texts::shotReport(grid, cell, result->text(), gameGoesOn ? lblaiuto->text() : QString()));
}

void frmgioco::gameOver(Winner winner)
{
    lblaiuto->clear();
    lblmessat->clear();
    lblmessdi->clear();
    if (winner == Winner::player)
        frmvinto::get().showForm();
    else
        frmperso::get().showForm();
}

void frmgioco::cmddiClick(int)
{
    pctfocus->setFocus();
}
