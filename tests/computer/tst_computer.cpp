#include "computer/frmcomputer.h"
#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "resources/texts.h"
#include "support.h"

#include <QAction>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace {

frmgioco &gameAfterPlayerMiss()
{
    frmgioco &gioco = support::startedGame();
    support::click(gioco.cmdat[51]);
    return gioco;
}

} // namespace

class ComputerTest : public QObject {
    Q_OBJECT

private slots:
    void init() { support::freshStart(); }
    void cleanup() { support::releaseAll(); }

    // The computer's fleet

    void loadPlacesTwelveDistinctShips()
    {
        // Draws that fall on a ship already placed are thrown away.
        support::script().queueCells({7, 7, 1, 2, 7, 3, 100, 4, 5, 6, 1, 8, 9, 10, 11});
        frmcomputer &computer = frmcomputer::get();
        QCOMPARE(support::script().reseeds, 1);
        QCOMPARE(support::cellsColoured(computer.lblcomp, colours::ship),
                 (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 100}));
        QCOMPARE(support::cellsColoured(computer.lblcomp, colours::noShip).size(), 88);
        QCOMPARE(support::script().pending(), 0);
        for (const auto *cell : computer.lblcomp) {
            QVERIFY(!cell->isVisibleTo(&computer));
            QCOMPARE(cell->size(), platform::twipsSize(375, 375));
        }
        QCOMPARE(computer.lblcomp[12]->geometry().topLeft(),
                 platform::twipsPoint(120 + 360, 120 + 360));
        QCOMPARE(computer.windowTitle(), QStringLiteral("Computer"));
        QCOMPARE(computer.size(), platform::twipsSize(3870, 3870));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        const QSize outer = computer.frameGeometry().size();
        QCOMPARE(computer.pos(),
                 QPoint(screen.width() - outer.width(), screen.height() - outer.height() - 33));
        QVERIFY(!computer.isVisible());
    }

    // Mended: a single-precision draw that has rounded up to 1 gives cell 100, not 101.
    void aDrawRoundedUpToOneStaysInTheGrid()
    {
        support::script().queueDraws({1.0f, std::nextafter(1.0f, 0.0f), float(0.999999999)});
        support::script().queueCells({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
        frmcomputer &computer = frmcomputer::get();
        QVERIFY(computer.lblcomp[100]->backColour() == colours::ship);
        QCOMPARE(support::cellsColoured(computer.lblcomp, colours::ship).size(), 12);
        QCOMPARE(support::script().pending(), 0);
    }

    void everyLoadDrawsAFreshFleet()
    {
        support::script().queueCells({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        QCOMPARE(support::cellsColoured(frmcomputer::get().lblcomp, colours::ship).size(), 12);
        frmcomputer::unloadForm();
        support::script().queueCells({21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32});
        QCOMPARE(support::cellsColoured(frmcomputer::get().lblcomp, colours::ship),
                 (QList<int>{21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32}));
        QCOMPARE(support::script().reseeds, 2);
    }

    // The computer's turn

    void tickFiresOnceAtWater()
    {
        frmgioco &gioco = gameAfterPlayerMiss();
        QCOMPARE(gioco.cmdat[1]->cursor().shape(), Qt::ArrowCursor);
        const int reseeds = support::script().reseeds;
        support::script().queueCells({60, 61});
        QVERIFY(support::computerTurn());
        QCOMPARE(support::script().reseeds, reseeds + 1);
        QCOMPARE(support::script().pending(), 1); // one shot per tick
        QCOMPARE(gioco.cmddi[60]->backColour(), colours::miss);
        QCOMPARE(gioco.cmddi[60]->picture(), gioco.pct2->picture());
        QCOMPARE(gioco.cmddi[61]->backColour(), colours::untouched);
        QCOMPARE(gioco.lblmessdi->text(), QStringLiteral("Acqua..."));
        QCOMPARE(gioco.lblnu->text(), QStringLiteral("12"));
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
        QVERIFY(!gioco.tempo->isActive());
        for (const auto *cell : gioco.cmdat)
            QCOMPARE(cell->cursor().shape(), Qt::CrossCursor);
    }

    void tickHitsAShipAndNeverFiresTwiceAtACell()
    {
        frmgioco &gioco = gameAfterPlayerMiss();
        support::script().queueCells({3});
        QVERIFY(support::computerTurn());
        QCOMPARE(gioco.cmddi[3]->backColour(), colours::hit);
        QCOMPARE(gioco.cmddi[3]->picture(), gioco.pct->picture());
        QCOMPARE(gioco.lblmessdi->text(), QStringLiteral("Colpito!"));
        QCOMPARE(gioco.lblnu->text(), QStringLiteral("11"));
        QCOMPARE(gioco.colpicomputer, 1);
        support::click(gioco.cmdat[52]);
        // Cells already fired at, hit or missed, are drawn again until a fresh one comes.
        support::script().queueCells({3, 50, 3, 4});
        gioco.cmddi[50]->setBackColour(colours::miss);
        QVERIFY(support::computerTurn());
        QCOMPARE(support::script().pending(), 0);
        QCOMPARE(gioco.cmddi[4]->backColour(), colours::hit);
        QCOMPARE(gioco.colpicomputer, 2);
        QCOMPARE(gioco.lblnu->text(), QStringLiteral("10"));
    }

    void tickFiresWhateverTheCellsEnabledState()
    {
        frmgioco &gioco = gameAfterPlayerMiss();
        gioco.cmddi[70]->setEnabled(false);
        support::script().queueCells({70});
        QVERIFY(support::computerTurn());
        QCOMPARE(gioco.cmddi[70]->backColour(), colours::miss);
    }

    void lastCellLeftIsTheOneFiredAt()
    {
        frmgioco &gioco = gameAfterPlayerMiss();
        for (int i = 1; i <= 100; ++i)
            if (i != 77)
                gioco.cmddi[i]->setBackColour(colours::miss);
        support::script().queueCells({1, 2, 99, 77});
        QVERIFY(support::computerTurn());
        QCOMPARE(gioco.cmddi[77]->backColour(), colours::miss);
        QCOMPARE(support::script().pending(), 0);
    }

    // Mended: with every cell fired at, a tick fires nothing and ends.
    void tickWithNoCellLeftEnds()
    {
        frmgioco &gioco = gameAfterPlayerMiss();
        for (auto *cell : gioco.cmddi)
            cell->setBackColour(colours::miss);
        const int drawn = support::script().drawn;
        QVERIFY(support::computerTurn());
        QVERIFY(!gioco.tempo->isActive());
        QCOMPARE(support::script().drawn, drawn);
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoWait);
        for (const auto *cell : gioco.cmdat)
            QCOMPARE(cell->cursor().shape(), Qt::CrossCursor);
    }

    void twelfthHitLosesTheGame()
    {
        frmgioco &gioco = support::lostGame();
        QCOMPARE(gioco.colpicomputer, 12);
        QCOMPARE(support::cellsColoured(gioco.cmddi, colours::hit), support::playerFleet);
        QCOMPARE(gioco.lblnu->text(), QStringLiteral("0"));
        QCOMPARE(gioco.lblnc->text(), QStringLiteral("12"));
        QVERIFY(gioco.lblaiuto->text().isEmpty());
        QVERIFY(gioco.lblmessat->text().isEmpty());
        QVERIFY(gioco.lblmessdi->text().isEmpty());
        QVERIFY(!gioco.tempo->isActive());
        for (const auto *cell : gioco.cmdat)
            QCOMPARE(cell->cursor().shape(), Qt::CrossCursor);
        // Game over: the attack grid takes no more shots.
        support::click(gioco.cmdat[60]);
        QCOMPARE(gioco.cmdat[60]->backColour(), colours::untouched);
        QVERIFY(!gioco.tempo->isActive());
        QVERIFY(gioco.mnuricomincia->isEnabled());
    }
};

QTEST_MAIN(ComputerTest)
#include "tst_computer.moc"
