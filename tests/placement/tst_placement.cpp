#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "platform/shapes.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "resources/texts.h"
#include "support.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

using platform::twipsRect;

namespace {

const QList<int> fleet12 = {3, 4, 13, 14, 40, 41, 42, 77, 78, 90, 99, 100};

frmimposta &openPlacement()
{
    frmgioco::get().showForm();
    support::key(&frmgioco::get(), Qt::Key_F1);
    return frmimposta::get();
}

QList<int> ships(const frmimposta &imposta)
{
    return support::cellsColoured(imposta.lblimp, colours::ship);
}

} // namespace

class PlacementTest : public QObject {
    Q_OBJECT

private slots:
    void init() { support::freshStart(); }
    void cleanup() { support::releaseAll(); }

    void freshWindowAsDesigned()
    {
        frmimposta &imposta = openPlacement();
        QVERIFY(imposta.isVisible());
        QCOMPARE(imposta.windowTitle(), QStringLiteral("Imposta le navi"));
        QCOMPARE(imposta.size(), platform::twipsSize(5055, 6015));
        QCOMPARE(imposta.client()->backColour(), colours::lightOrange);
        QCOMPARE(imposta.navirestanti, 12);
        QCOMPARE(imposta.lblcom->text(), QStringLiteral("Ti restano 12 navi da posizionare"));
        QCOMPARE(imposta.lblcom->geometry(), twipsRect(240, 360, 4575, 495));
        QCOMPARE(imposta.lblcom->foreColour(), colours::blue);
        QCOMPARE(imposta.lblcom->font().pointSizeF(), 14.25);
        QVERIFY(ships(imposta).isEmpty());
        QCOMPARE(support::cellsColoured(imposta.lblimp, colours::noShip).size(), 100);
        QCOMPARE(support::placeIn(imposta.client(), imposta.lblimp[1]),
                 twipsRect(720, 1320, 375, 375));
        QCOMPARE(support::placeIn(imposta.client(), imposta.lblimp[100]),
                 twipsRect(720 + 9 * 360, 1320 + 9 * 360, 375, 375));
        QCOMPARE(imposta.lblimp[37]->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(imposta.Shape1->geometry(), twipsRect(600, 1200, 3855, 3855));
        QCOMPARE(imposta.Shape1->fill(), colours::lightBlue);
        QVERIFY(!imposta.Shape2->fill().has_value());
        QCOMPARE(imposta.Shape2->border()->width, 2);
        QVERIFY(!imposta.cmdok->isEnabled());
        QCOMPARE(imposta.cmdcasuale->text(), QStringLiteral("C&asuale"));
        QCOMPARE(imposta.cmdcancella->text(), QStringLiteral("&Cancella"));
        QCOMPARE(imposta.cmdannulla->text(), QStringLiteral("A&nnulla"));
        QCOMPARE(imposta.cmdok->text(), QStringLiteral("&OK"));
        QCOMPARE(imposta.cmdannulla->geometry(), twipsRect(2640, 5400, 855, 375));
        QCOMPARE(imposta.focusWidget(), imposta.cmdcasuale);
        QCOMPARE(imposta.cmdcasuale->nextInFocusChain(), imposta.cmdcancella);
        QCOMPARE(imposta.cmdcancella->nextInFocusChain(), imposta.cmdannulla);
        QCOMPARE(imposta.cmdannulla->nextInFocusChain(), imposta.cmdok);
        QVERIFY(support::isCentred(imposta));
    }

    void counterTexts_data()
    {
        QTest::addColumn<int>("placed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::newRow("1") << 1 << "Ti restano 11 navi da posizionare" << false;
        QTest::newRow("7") << 7 << "Ti restano 5 navi da posizionare" << false;
        QTest::newRow("10") << 10 << "Ti restano 2 navi da posizionare" << false;
        QTest::newRow("11") << 11 << "Ti restano 1 navi da posizionare" << false;
        QTest::newRow("12") << 12 << "Hai posizionato le tue navi" << true;
    }
    void counterTexts()
    {
        QFETCH(int, placed);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        frmimposta &imposta = openPlacement();
        for (int i = 0; i < placed; ++i)
            support::click(imposta.lblimp[fleet12[i]]);
        QCOMPARE(imposta.lblcom->text(), text);
        QCOMPARE(imposta.cmdok->isEnabled(), ok);
        QCOMPARE(imposta.navirestanti, 12 - placed);
        QCOMPARE(ships(imposta), fleet12.mid(0, placed));
        // A click leaves the keyboard focus where it was.
        QCOMPARE(imposta.focusWidget(), imposta.cmdcasuale);
    }

    void thirteenthShipIsRefusedAndAShipCanBeTakenAway()
    {
        frmimposta &imposta = openPlacement();
        for (const int cell : fleet12)
            support::click(imposta.lblimp[cell]);
        support::click(imposta.lblimp[50]);
        QCOMPARE(imposta.lblimp[50]->backColour(), colours::noShip);
        QCOMPARE(imposta.navirestanti, 0);
        QCOMPARE(imposta.lblcom->text(), texts::placementDone);
        support::click(imposta.lblimp[40]);
        QCOMPARE(imposta.lblimp[40]->backColour(), colours::noShip);
        QCOMPARE(imposta.lblcom->text(), QStringLiteral("Ti restano 1 navi da posizionare"));
        QVERIFY(!imposta.cmdok->isEnabled());
        support::click(imposta.lblimp[50]);
        support::click(imposta.lblimp[50]);
        QCOMPARE(imposta.navirestanti, 1);
        QCOMPARE(imposta.lblcom->text(), QStringLiteral("Ti restano 1 navi da posizionare"));
    }

    void cancellaClearsTheGrid()
    {
        frmimposta &imposta = openPlacement();
        for (const int cell : fleet12)
            support::click(imposta.lblimp[cell]);
        support::click(imposta.cmdcancella);
        QVERIFY(ships(imposta).isEmpty());
        QCOMPARE(imposta.navirestanti, 12);
        QCOMPARE(imposta.lblcom->text(), QStringLiteral("Ti restano 12 navi da posizionare"));
        QVERIFY(!imposta.cmdok->isEnabled());
    }

    void casualeDrawsTwelveShipsAfresh()
    {
        frmimposta &imposta = openPlacement();
        for (const int cell : {1, 2, 3, 4, 5})
            support::click(imposta.lblimp[cell]);
        const int reseeds = support::script().reseeds;
        // Draws on ships already drawn are thrown away; a cell placed by hand may come again.
        support::script().queueCells({1, 9, 9, 20, 1, 30, 31, 32, 33, 34, 35, 36, 37, 38});
        support::click(imposta.cmdcasuale);
        QCOMPARE(support::script().reseeds, reseeds + 1);
        QCOMPARE(ships(imposta), (QList<int>{1, 9, 20, 30, 31, 32, 33, 34, 35, 36, 37, 38}));
        QCOMPARE(support::script().pending(), 0);
        QCOMPARE(imposta.lblcom->text(), texts::placementDone);
        QVERIFY(imposta.cmdok->isEnabled());
        QCOMPARE(imposta.navirestanti, 0);
        // Random placement leaves the main window alone.
        QVERIFY(!frmgioco::get().mnucomincia->isEnabled());
        QCOMPARE(frmgioco::get().lblaiuto->text(), texts::aiutoNoFleet);

        support::click(imposta.cmdcasuale);
        QCOMPARE(ships(imposta).size(), 12);
        support::click(imposta.lblimp[ships(imposta).first()]);
        QCOMPARE(imposta.lblcom->text(), QStringLiteral("Ti restano 1 navi da posizionare"));
        QVERIFY(!imposta.cmdok->isEnabled());
    }

    void okHidesTheWindowAndReadiesTheFleet()
    {
        frmimposta &imposta = openPlacement();
        for (const int cell : fleet12)
            support::click(imposta.lblimp[cell]);
        support::click(imposta.cmdok);
        QVERIFY(frmimposta::isLoaded() && !imposta.isVisible());
        frmgioco &gioco = frmgioco::get();
        QVERIFY(gioco.mnucomincia->isEnabled());
        QVERIFY(!gioco.mnuricomincia->isEnabled());
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoFleetReady);
        // Opened again, it comes back as it was left.
        support::key(&gioco, Qt::Key_F1);
        QCOMPARE(&frmimposta::get(), &imposta);
        QVERIFY(imposta.isVisible());
        QCOMPARE(ships(imposta), fleet12);
        QCOMPARE(imposta.lblcom->text(), texts::placementDone);
        QVERIFY(imposta.cmdok->isEnabled());
    }

    void enterPressesOkUnlessAnotherButtonHasTheFocus()
    {
        frmimposta &imposta = openPlacement();
        support::click(imposta.cmdcasuale);
        imposta.cmdok->setFocus();
        support::key(imposta.cmdok, Qt::Key_Return);
        QVERIFY(!imposta.isVisible());
        QVERIFY(frmgioco::get().mnucomincia->isEnabled());
        support::key(&frmgioco::get(), Qt::Key_F1);
        imposta.cmdcancella->setFocus();
        support::key(imposta.cmdcancella, Qt::Key_Return);
        QVERIFY(imposta.isVisible());
        QVERIFY(ships(imposta).isEmpty());
    }

    void cancelAndEscUnloadAndShowTheMainWindow_data()
    {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("Annulla") << false;
        QTest::newRow("Esc") << true;
    }
    void cancelAndEscUnloadAndShowTheMainWindow()
    {
        QFETCH(bool, byEsc);
        frmimposta &imposta = openPlacement();
        support::click(imposta.cmdcasuale);
        support::click(imposta.cmdok);
        support::key(&frmgioco::get(), Qt::Key_F1);
        frmgioco::get().hide();
        if (byEsc)
            support::key(imposta.lblimp[5], Qt::Key_Escape);
        else
            support::click(imposta.cmdannulla);
        QVERIFY(!frmimposta::isLoaded());
        frmgioco &gioco = frmgioco::get();
        QVERIFY(gioco.isVisible());
        QVERIFY(!gioco.mnucomincia->isEnabled());
        QVERIFY(!gioco.mnuricomincia->isEnabled());
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoFleetReady); // the help line is not changed
        support::key(&gioco, Qt::Key_F1);
        QVERIFY(ships(frmimposta::get()).isEmpty());
        QCOMPARE(frmimposta::get().navirestanti, 12);
    }

    void closeBoxUnloadsWithoutShowingTheMainWindow()
    {
        frmimposta &imposta = openPlacement();
        support::click(imposta.cmdcasuale);
        support::click(imposta.cmdok);
        support::key(&frmgioco::get(), Qt::Key_F1);
        frmgioco::get().hide();
        imposta.close();
        QVERIFY(!frmimposta::isLoaded());
        QVERIFY(!frmgioco::get().isVisible());
        QVERIFY(!frmgioco::get().mnucomincia->isEnabled());
    }

    // Mended: a fleet with ships missing cannot be started.
    void takingAShipAwayWithdrawsTheStart()
    {
        frmimposta &imposta = openPlacement();
        support::click(imposta.cmdcasuale);
        support::click(imposta.cmdok);
        frmgioco &gioco = frmgioco::get();
        support::key(&gioco, Qt::Key_F1);
        support::click(imposta.lblimp[ships(imposta).first()]);
        QVERIFY(!gioco.mnucomincia->isEnabled());
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoFleetReady);
        support::key(&gioco, Qt::Key_F2);
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoFleetReady);
        // Completing the fleet again is not enough: OK readies it.
        support::click(imposta.lblimp[support::cellsOtherThan(ships(imposta)).first()]);
        QVERIFY(!gioco.mnucomincia->isEnabled());
        support::click(imposta.cmdok);
        QVERIFY(gioco.mnucomincia->isEnabled());
        support::key(&gioco, Qt::Key_F1);
        support::click(imposta.cmdcancella);
        QVERIFY(!gioco.mnucomincia->isEnabled());
    }

    void operationsDoNotLoadAnUnloadedMainWindow()
    {
        frmimposta &imposta = frmimposta::get();
        imposta.showForm();
        support::click(imposta.cmdcasuale);
        support::click(imposta.lblimp[ships(imposta).first()]);
        support::click(imposta.cmdcancella);
        QVERIFY(!frmgioco::isLoaded());
    }

    // Mended: the window left open into a game does not change the running game.
    void windowLeftOpenIntoAGameLeavesItAlone()
    {
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        support::startGame(fleet12, support::cellsOtherThan(fleet12).mid(0, 12));
        support::key(&gioco, Qt::Key_F1); // disabled during a game: nothing opens
        QVERIFY(!frmimposta::get().isVisible());
        frmimposta &imposta = frmimposta::get();
        imposta.showForm();
        support::click(imposta.lblimp[fleet12.first()]);
        support::click(imposta.lblimp[fleet12.first()]);
        support::click(imposta.cmdok);
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
        QVERIFY(!gioco.mnucomincia->isEnabled());
        QVERIFY(gioco.mnuricomincia->isEnabled());
        imposta.showForm();
        support::click(imposta.cmdcancella);
        QVERIFY(!gioco.mnucomincia->isEnabled());
        support::click(imposta.cmdannulla);
        QVERIFY(!frmimposta::isLoaded());
        QVERIFY(gioco.mnuricomincia->isEnabled());
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
        // The game goes on: the player can still fire.
        support::click(gioco.cmdat[1]);
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoWait);
    }
};

QTEST_MAIN(PlacementTest)
#include "tst_placement.moc"
