#pragma once

#include "game/frmgioco.h"
#include "platform/random.h"

#include <QList>
#include <QRect>
#include <QTest>
#include <QWidget>
#include <functional>
#include <random>

namespace support {

// A random source for tests: it yields the scripted cells first, then a sequence that follows
// from its seed and the number of reseeds so far, and counts how often it was re-seeded.
class ScriptedRandom final : public platform::RandomSource {
public:
    explicit ScriptedRandom(unsigned seed = 20261208u)
        : seed_(seed)
    {
        fallback_.seed(seed);
    }
    void reseed() override;
    float next() override;

    // Queues draws that land on these cells (1 to 100).
    void queueCells(const QList<int> &cells);
    // Queues raw draws, such as values at the very top of [0, 1).
    void queueDraws(const QList<float> &draws);
    int pending() const { return int(script_.size()); }
    int drawn = 0;
    int reseeds = 0;

private:
    QList<float> script_;
    unsigned seed_;
    std::mt19937 fallback_;
};

// What the program asked of the platform since the last fresh start.
struct Record {
    int beeps = 0;
    int endRequests = 0;
};

// Releases every window, puts the scripted source and the recorders in place: each test
// starts from here.
void freshStart(unsigned seed = 20261208u);
// Releases every window without unload handlers; used between tests.
void releaseAll();
ScriptedRandom &script();
Record &record();
// Handles the events that the last action posted, the check for a visible window included.
void settle();

// A left click in the middle of `widget`, as the mouse gives it.
void click(QWidget *widget);
// Makes `widget`'s window, which must be on screen, the active one; false if it did not become so.
bool activate(QWidget *widget);
// Makes `widget`'s window the active one and types a key there, as the keyboard gives it.
void key(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The fleets of most tests: the player's fills row 1 and A2, B2; the computer's runs down a
// diagonal from E1, so that A1 hits the player and E1 hits the computer.
inline const QList<int> playerFleet = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
inline const QList<int> computerFleet = {5, 14, 23, 32, 41, 50, 59, 68, 77, 86, 95, 100};

// The main window's road to a game, through real clicks and keys: F1, a click on each of
// `cells` in the placement window, then its OK.
void placeFleet(const QList<int> &cells);
// Places `playerCells`, then F2 with the computer's fleet drawn on `computerCells`.
void startGame(const QList<int> &playerCells, const QList<int> &computerCells);
// The main window on screen with a game started on these fleets, by real keys and clicks.
frmgioco &startedGame(const QList<int> &player = playerFleet,
                      const QList<int> &computer = computerFleet);
// A game played to its end by clicks and ticks: the player sinks the computer's fleet in twelve
// shots while the computer fires into water; or the player fires into water while the computer
// sinks the player's fleet, `beforeTheLastAnswer` run just before its winning shot.
frmgioco &wonGame();
frmgioco &lostGame(const std::function<void()> &beforeTheLastAnswer = {});
// Whether a window stands centred on the screen by its outer size.
bool isCentred(const QWidget &window);
// The same road by the windows' own handlers, without events, for the soak and the benchmarks:
// "Imposta le navi", "Casuale", OK.
void randomFleetByHandlers();
// A whole game by the handlers: a random fleet, "Comincia", then shots at the attack cells
// from `offset` + 1 on in steps of 37 (which visit all 100), the computer answering each.
// Returns whether an end-of-game window came up.
bool playByHandlers(int offset);
// The tick of the main window's timer, if it is running: returns whether it was.
bool computerTurn();
// The cells of a grid whose back colour is `value`.
template <class Grid, class Value> QList<int> cellsColoured(const Grid &grid, Value value)
{
    QList<int> cells;
    for (int i = 1; i <= 100; ++i)
        if (grid[i]->backColour() == value)
            cells.append(i);
    return cells;
}
// Where `widget` lies in `client`, the client area of its window, in which the windows are laid
// out; a grid's cells lie in its board.
inline QRect placeIn(const QWidget *client, const QWidget *widget)
{
    return {widget->mapTo(client, QPoint(0, 0)), widget->size()};
}
// Cells 1 to 100 that are not in `cells`.
QList<int> cellsOtherThan(const QList<int> &cells);

} // namespace support
