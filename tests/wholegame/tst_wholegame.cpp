// Whole games, played as a player plays them: keys for the menus, mouse clicks on the cells
// and buttons, and the ticks of the computer's timer.
#include "computer/frmcomputer.h"
#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "resources/colours.h"
#include "resources/texts.h"
#include "support.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

namespace {

// A random placement of the player's fleet: draws for "Casuale" come from the script.
QList<int> placeAtRandom(const QList<int> &cells)
{
    frmgioco &gioco = frmgioco::get();
    support::key(&gioco, Qt::Key_F1);
    frmimposta &imposta = frmimposta::get();
    support::script().queueCells(cells);
    // Casuale has the focus when the window opens: Space presses it.
    support::key(imposta.focusWidget(), Qt::Key_Space);
    support::key(imposta.cmdok, Qt::Key_Return);
    return support::cellsColoured(imposta.lblimp, colours::ship);
}

} // namespace

class WholeGameTest : public QObject {
    Q_OBJECT

private slots:
    void init() { support::freshStart(); }
    void cleanup() { support::releaseAll(); }

    void playerWins()
    {
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        const QList<int> mine = placeAtRandom({11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22});
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoFleetReady);
        support::script().queueCells(support::computerFleet);
        support::key(&gioco, Qt::Key_F2);
        QCOMPARE(support::cellsColoured(gioco.cmddi, colours::ownShip), mine);

        // The player sweeps the grid from the top, and wins with the last cell; the computer
        // fires at all its open water first, then at eleven of the player's twelve ships.
        int shots = 0;
        QList<int> targets = support::cellsOtherThan(mine) + mine.mid(0, 11);
        for (int cell = 1; gioco.colpiutente < 12; ++cell) {
            QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
            support::click(gioco.cmdat[cell]);
            ++shots;
            if (gioco.colpiutente == 12)
                break;
            QCOMPARE(gioco.lblaiuto->text(), texts::aiutoWait);
            support::script().queueCells({targets.takeFirst()});
            QVERIFY(support::computerTurn());
        }
        QCOMPARE(shots, 100);
        QCOMPARE(support::cellsColoured(gioco.cmdat, colours::hit).size(), 12);
        QCOMPARE(support::cellsColoured(gioco.cmdat, colours::miss).size(), 88);
        QCOMPARE(support::cellsColoured(gioco.cmddi, colours::miss).size(), 88);
        QCOMPARE(support::cellsColoured(gioco.cmddi, colours::hit), mine.mid(0, 11));
        QCOMPARE(gioco.lblnc->text(), QStringLiteral("0"));
        QCOMPARE(gioco.lblnu->text(), QStringLiteral("1"));
        QVERIFY(gioco.lblaiuto->text().isEmpty());
        QVERIFY(!gioco.tempo->isActive());
    }

    void computerWins()
    {
        const QList<int> mine = {5, 6, 7, 8, 45, 46, 47, 48, 85, 86, 87, 88};
        frmgioco &gioco = support::startedGame(mine);
        const QList<int> water = support::cellsOtherThan(support::computerFleet);
        for (int shot = 0; shot < 12; ++shot) {
            support::click(gioco.cmdat[water[shot]]);
            QCOMPARE(gioco.lblmessat->text(), QStringLiteral("Acqua ..."));
            // The computer misses once, then hits, each tick one shot.
            support::script().queueCells({mine[shot]});
            QVERIFY(support::computerTurn());
        }
        QCOMPARE(gioco.colpicomputer, 12);
        QCOMPARE(support::cellsColoured(gioco.cmddi, colours::hit), mine);
        QCOMPARE(gioco.lblnu->text(), QStringLiteral("0"));
        QCOMPARE(gioco.lblnc->text(), QStringLiteral("12"));
        QVERIFY(gioco.lblaiuto->text().isEmpty());
        QVERIFY(!gioco.tempo->isActive());
        support::click(gioco.cmdat[water[20]]);
        QCOMPARE(gioco.cmdat[water[20]]->backColour(), colours::untouched);
    }

    void twoGamesInARowThroughRestart()
    {
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        placeAtRandom({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        support::script().queueCells(support::computerFleet);
        support::key(&gioco, Qt::Key_F2);
        support::click(gioco.cmdat[5]);
        QCOMPARE(gioco.colpiutente, 1);
        support::key(&gioco, Qt::Key_F3);

        // The second game: a new fleet on both sides, and again 12 hits to win.
        const QList<int> secondFleet = {31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42};
        const QList<int> mine = placeAtRandom({61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72});
        support::script().queueCells(secondFleet);
        support::key(&gioco, Qt::Key_F2);
        QCOMPARE(support::cellsColoured(gioco.cmddi, colours::ownShip), mine);
        QCOMPARE(gioco.lblnc->text(), QStringLiteral("12"));
        support::click(gioco.cmdat[2]);
        QCOMPARE(gioco.cmdat[2]->backColour(), colours::miss);
        for (int shot = 0; shot < 12; ++shot) {
            if (shot > 0)
                support::click(gioco.cmdat[secondFleet[shot]]);
            else {
                support::script().queueCells({1});
                QVERIFY(support::computerTurn());
                support::click(gioco.cmdat[secondFleet[shot]]);
            }
            if (gioco.colpiutente < 12) {
                support::script().queueCells({10 + shot});
                QVERIFY(support::computerTurn());
            }
        }
        QCOMPARE(gioco.colpiutente, 12);
        QVERIFY(gioco.lblaiuto->text().isEmpty());
    }
};

QTEST_MAIN(WholeGameTest)
#include "tst_wholegame.moc"
