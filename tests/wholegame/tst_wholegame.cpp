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
};

QTEST_MAIN(WholeGameTest)
#include "tst_wholegame.moc"
