#include "computer/frmcomputer.h"
#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "resources/pictures.h"
#include "resources/texts.h"
#include "shell/frmvinto.h"
#include "support.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTimer>

using platform::twipsRect;

namespace {

bool allCells(const frmgioco &gioco,
              const std::function<bool(const platform::GraphicButton *)> &test)
{
    for (int i = 1; i <= 100; ++i)
        if (!test(gioco.cmdat[i]) || !test(gioco.cmddi[i]))
            return false;
    return true;
}

QList<int> shipFlags(const frmgioco &gioco)
{
    QList<int> flagged;
    for (int i = 1; i <= 100; ++i)
        if (gioco.cmdat[i]->shipFlag)
            flagged.append(i);
    return flagged;
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    void init() { support::freshStart(); }
    void cleanup() { support::releaseAll(); }

    // The window as designed

    void cellsAreNumberedRowByRow_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("attack");
        QTest::addColumn<QRect>("defence");
        QTest::newRow("1") << 1 << "A1" << twipsRect(960, 1920, 495, 495)
                           << twipsRect(6840, 1920, 495, 495);
        QTest::newRow("10") << 10 << "L1" << twipsRect(5280, 1920, 495, 495)
                            << twipsRect(11160, 1920, 495, 495);
        QTest::newRow("11") << 11 << "A2" << twipsRect(960, 2400, 495, 495)
                            << twipsRect(6840, 2400, 495, 495);
        QTest::newRow("91") << 91 << "A10" << twipsRect(960, 6240, 495, 495)
                            << twipsRect(6840, 6240, 495, 495);
        QTest::newRow("100") << 100 << "L10" << twipsRect(5280, 6240, 495, 495)
                             << twipsRect(11160, 6240, 495, 495);
    }
    void cellsAreNumberedRowByRow()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QRect, attack);
        QFETCH(QRect, defence);
        frmgioco &gioco = frmgioco::get();
        QCOMPARE(texts::cellName(index), name);
        QCOMPARE(gioco.cmdat[index]->accessibleName(), name);
        QCOMPARE(gioco.cmddi[index]->accessibleName(), name);
        QCOMPARE(support::placeIn(gioco.client(), gioco.cmdat[index]), attack);
        QCOMPARE(support::placeIn(gioco.client(), gioco.cmddi[index]), defence);
        QCOMPARE(attack.size(), QSize(33, 33));
    }

    void windowAsDesigned()
    {
        frmgioco &gioco = frmgioco::get();
        QCOMPARE(gioco.windowTitle(), QStringLiteral("Marolda"));
        QCOMPARE(gioco.client()->size(), QSize(792, 530));
        QCOMPARE(gioco.client()->picture(), pictures::picture(pictures::Id::seascape));
        QVERIFY(gioco.maximumSize().width() > 792); // resizable
        QCOMPARE(gioco.Image1->geometry(), twipsRect(960, 240, 2610, 600));
        QCOMPARE(gioco.Image1->picture(), pictures::picture(pictures::Id::attackTitle));
        QCOMPARE(gioco.Image2->picture(), pictures::picture(pictures::Id::defenceTitle));
        QCOMPARE(gioco.Image3->picture(), pictures::picture(pictures::Id::computerFace));
        QCOMPARE(gioco.Image4->picture(), pictures::picture(pictures::Id::playerFace));
        QCOMPARE(gioco.lblnc->geometry(), twipsRect(5040, 360, 735, 495));
        QCOMPARE(gioco.lblnu->geometry(), twipsRect(6840, 360, 735, 495));
        QCOMPARE(gioco.lblmessat->geometry(), twipsRect(960, 6840, 4815, 570));
        QCOMPARE(gioco.lblmessdi->geometry(), twipsRect(6840, 6840, 4815, 570));
        QCOMPARE(gioco.lblaiuto->geometry(), twipsRect(120, 7440, 6015, 375));
        QCOMPARE(gioco.lblaiuto->foreColour(), colours::yellow);
        QCOMPARE(gioco.lblaiuto->font().pointSizeF(), 12.0);
        QVERIFY(gioco.lblaiuto->font().italic());
        QCOMPARE(gioco.lblmessat->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(gioco.lblmessat->font().pointSizeF(), 21.75);
        QCOMPARE(gioco.lblmessdi->foreColour(), colours::cyan);
        QCOMPARE(gioco.tempo->interval(), 1500);
    }

    void headings_data()
    {
        QTest::addColumn<bool>("attack");
        QTest::newRow("attack") << true;
        QTest::newRow("defence") << false;
    }
    void headings()
    {
        QFETCH(bool, attack);
        frmgioco &gioco = frmgioco::get();
        const auto &headings = attack ? gioco.lblat : gioco.lbldi;
        const int gridLeft = attack ? 960 : 6840;
        const int numbersLeft = attack ? 360 : 6240;
        const QStringList letters = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "L"};
        for (int k = 1; k <= 20; ++k) {
            const auto *heading = headings[k];
            if (k <= 10) {
                QCOMPARE(heading->text(), letters[k - 1]);
                QCOMPARE(heading->geometry(), twipsRect(gridLeft + (k - 1) * 480, 1320, 495, 495));
            } else {
                QCOMPARE(heading->text(), QString::number(k - 10));
                QCOMPARE(heading->geometry(),
                         twipsRect(numbersLeft, 1920 + (k - 11) * 480, 495, 495));
            }
            QCOMPARE(heading->backColour(), colours::paleYellow);
            QCOMPARE(heading->foreColour(), attack ? colours::red : colours::blue);
            QVERIFY(heading->hasBorder());
            QCOMPARE(heading->alignment(), Qt::AlignCenter);
            QCOMPARE(heading->font().family(), QStringLiteral("Comic Sans MS"));
            QCOMPARE(heading->font().pointSizeF(), 15.75);
            QVERIFY(heading->font().bold());
        }
    }

    void focusSinkLiesUnderTheLastAttackCell()
    {
        frmgioco &gioco = frmgioco::get();
        QCOMPARE(gioco.pctfocus->geometry(), twipsRect(5400, 6360, 375, 375));
        QCOMPARE(gioco.pctfocus->backColour(), colours::magenta);
        QCOMPARE(gioco.pctfocus->cursor().shape(), Qt::CrossCursor);
        QVERIFY(gioco.pctfocus->isVisibleTo(&gioco) && gioco.pctfocus->isEnabled());
        QVERIFY(support::placeIn(gioco.client(), gioco.cmdat[100])
                    .contains(gioco.pctfocus->geometry()));
        QCOMPARE(gioco.client()->childAt(gioco.pctfocus->geometry().center()), gioco.cmdat[100]);
    }

    void tabOrderRunsFromTheFocusSinkThroughBothGrids()
    {
        frmgioco &gioco = frmgioco::get();
        QList<QWidget *> expected = {gioco.pctfocus};
        for (int i = 1; i <= 100; ++i)
            expected.append(gioco.cmdat[i]);
        for (int i = 1; i <= 100; ++i)
            expected.append(gioco.cmddi[i]);
        QList<QWidget *> chain;
        QWidget *widget = gioco.pctfocus;
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                chain.append(widget);
            widget = widget->nextInFocusChain();
        } while (widget != gioco.pctfocus);
        QCOMPARE(chain, expected);
    }

    void holdersKeepTheMarkings()
    {
        frmgioco &gioco = frmgioco::get();
        QVERIFY(gioco.pct->isHidden() && gioco.pct2->isHidden() && gioco.pct3->isHidden());
        QCOMPARE(gioco.pct->backColour(), colours::hit);
        QCOMPARE(gioco.pct->picture(), pictures::picture(pictures::Id::hitSymbol));
        QCOMPARE(gioco.pct2->backColour(), colours::miss);
        QCOMPARE(gioco.pct2->picture(), pictures::picture(pictures::Id::missSymbol));
        QVERIFY(gioco.pct3->picture().isNull());
    }

    void menus()
    {
        frmgioco &gioco = frmgioco::get();
        const QList<QAction *> bar = gioco.menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0]->text(), QStringLiteral("&Gioco"));
        QCOMPARE(bar[1]->text(), QStringLiteral("?"));
        struct Item {
            QAction *action;
            const char *text;
            QKeySequence shortcut;
        };
        const Item items[] = {
            {gioco.mnuimposta, "I&mposta le navi", QKeySequence(Qt::Key_F1)},
            {gioco.mnucomincia, "&Comincia", QKeySequence(Qt::Key_F2)},
            {gioco.mnuricomincia, "&Ricomincia", QKeySequence(Qt::Key_F3)},
            {gioco.mnuesci, "&Esci", QKeySequence(Qt::CTRL | Qt::Key_Q)},
            {gioco.mnuistr, "I&struzioni", QKeySequence(Qt::Key_F4)},
            {gioco.mnuinfo, "I&nformazioni", QKeySequence(Qt::Key_F5)},
        };
        for (const auto &item : items) {
            QCOMPARE(item.action->text(), QString::fromUtf8(item.text));
            QCOMPARE(item.action->shortcut(), item.shortcut);
        }
        const QList<QAction *> gioco_ = gioco.mnugioco->actions();
        QCOMPARE(gioco_, (QList<QAction *>{gioco.mnuimposta, gioco.mnucomincia, gioco.mnuricomincia,
                                           gioco.mnusepara, gioco.mnuesci}));
        QVERIFY(gioco.mnusepara->isSeparator());
        QCOMPARE(gioco.mnuhelp->actions(), (QList<QAction *>{gioco.mnuistr, gioco.mnuinfo}));
    }

    // The phase "no fleet"

    void loadLeavesThePhaseNoFleet()
    {
        frmgioco &gioco = frmgioco::get();
        QVERIFY(allCells(gioco, [](const platform::GraphicButton *cell) {
            return !cell->isEnabled() && cell->backColour() == colours::untouched &&
                   cell->picture().isNull();
        }));
        QVERIFY(shipFlags(gioco).isEmpty());
        for (int i = 1; i <= 100; ++i) {
            QCOMPARE(gioco.cmdat[i]->cursor().shape(), Qt::CrossCursor);
            QCOMPARE(gioco.cmddi[i]->cursor().shape(), Qt::ArrowCursor);
        }
        QCOMPARE(gioco.colpiutente, 0);
        QCOMPARE(gioco.colpicomputer, 0);
        QVERIFY(gioco.lblnc->text().isEmpty() && gioco.lblnu->text().isEmpty());
        QVERIFY(gioco.lblmessat->text().isEmpty() && gioco.lblmessdi->text().isEmpty());
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoNoFleet);
        QVERIFY(gioco.mnuimposta->isEnabled());
        QVERIFY(!gioco.mnucomincia->isEnabled());
        QVERIFY(!gioco.mnuricomincia->isEnabled());
        QVERIFY(!gioco.tempo->isActive());
        QVERIFY(support::isCentred(gioco));
    }

    void disabledCommandsIgnoreTheirKeys()
    {
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        support::key(&gioco, Qt::Key_F2);
        support::key(&gioco, Qt::Key_F3);
        QVERIFY(!frmcomputer::isLoaded());
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoNoFleet);
        QVERIFY(!gioco.mnuricomincia->isEnabled());
        support::key(&gioco, Qt::Key_F1);
        QVERIFY(frmimposta::isLoaded() && frmimposta::get().isVisible());
    }

    // Start

    void startCopiesBothFleets()
    {
        frmgioco &gioco = support::startedGame();
        QCOMPARE(support::cellsColoured(gioco.cmddi, colours::ownShip), support::playerFleet);
        QCOMPARE(support::cellsColoured(gioco.cmdat, colours::untouched).size(), 100);
        QCOMPARE(shipFlags(gioco), support::computerFleet);
        QVERIFY(allCells(gioco, [](const platform::GraphicButton *cell) {
            return cell->isEnabled() && cell->picture().isNull();
        }));
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
        QCOMPARE(gioco.lblnc->text(), QStringLiteral("12"));
        QCOMPARE(gioco.lblnu->text(), QStringLiteral("12"));
        QVERIFY(!gioco.mnuimposta->isEnabled());
        QVERIFY(!gioco.mnucomincia->isEnabled());
        QVERIFY(gioco.mnuricomincia->isEnabled());
        // The placement window stays loaded, hidden since its OK; the computer's never shows.
        QVERIFY(frmimposta::isLoaded() && !frmimposta::get().isVisible());
        QVERIFY(frmcomputer::isLoaded() && !frmcomputer::get().isVisible());
    }

    // The player's shot

    void shotMarksTheCellAndHandsTheTurnOver_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("afloat");
        QTest::newRow("hit") << 5 << quint32(colours::hit) << "Colpito!"
                             << "11";
        QTest::newRow("miss") << 1 << quint32(colours::miss) << "Acqua ..."
                              << "12";
    }
    void shotMarksTheCellAndHandsTheTurnOver()
    {
        QFETCH(int, cell);
        QFETCH(quint32, colour);
        QFETCH(QString, message);
        QFETCH(QString, afloat);
        frmgioco &gioco = support::startedGame();
        support::click(gioco.cmdat[cell]);
        QCOMPARE(QApplication::focusWidget(), gioco.pctfocus);
        QCOMPARE(gioco.cmdat[cell]->backColour(), colour);
        const auto *holder = colour == colours::hit ? gioco.pct : gioco.pct2;
        QCOMPARE(gioco.cmdat[cell]->picture(), holder->picture());
        QCOMPARE(gioco.lblmessat->text(), message);
        QCOMPARE(gioco.lblnc->text(), afloat);
        QCOMPARE(gioco.colpiutente, colour == colours::hit ? 1 : 0);
        QCOMPARE(gioco.lblaiuto->text(), QStringLiteral("Aspetta. Ora tocca a me."));
        QVERIFY(gioco.tempo->isActive());
        for (int i = 1; i <= 100; ++i)
            QCOMPARE(gioco.cmdat[i]->cursor().shape(), Qt::ArrowCursor);
    }

    // The timer itself, at a short interval: its tick is the computer's shot.
    void theTimerTicksTheComputersShot()
    {
        frmgioco &gioco = support::startedGame();
        gioco.tempo->setInterval(1);
        support::script().queueCells({50});
        support::click(gioco.cmdat[1]);
        QTRY_COMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
        QCOMPARE(gioco.cmddi[50]->backColour(), colours::miss);
        QVERIFY(!gioco.tempo->isActive());
    }

    void shotsOutOfTurnOrAtFiredCellsOnlyMoveTheFocus()
    {
        frmgioco &gioco = support::startedGame();
        support::click(gioco.cmdat[1]);
        // The computer's turn is pending: nothing but the focus changes.
        gioco.cmdat[2]->setFocus();
        support::click(gioco.cmdat[5]);
        QCOMPARE(QApplication::focusWidget(), gioco.pctfocus);
        QCOMPARE(gioco.cmdat[5]->backColour(), colours::untouched);
        QCOMPARE(gioco.colpiutente, 0);
        // Back in the player's turn, a cell already fired at is refused.
        support::script().queueCells({50});
        QVERIFY(support::computerTurn());
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
        support::click(gioco.cmdat[1]);
        QCOMPARE(gioco.cmdat[1]->backColour(), colours::miss);
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
        QVERIFY(!gioco.tempo->isActive());
        QCOMPARE(gioco.cmdat[1]->cursor().shape(), Qt::CrossCursor);
    }

    void defenceClickOnlyMovesTheFocus()
    {
        frmgioco &gioco = support::startedGame();
        support::click(gioco.cmddi[1]);
        QCOMPARE(QApplication::focusWidget(), gioco.pctfocus);
        QCOMPARE(gioco.cmddi[1]->backColour(), colours::ownShip);
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
        QVERIFY(!gioco.tempo->isActive());
    }

    void twelfthHitWinsTheGame()
    {
        frmgioco &gioco = support::wonGame();
        QCOMPARE(gioco.colpiutente, 12);
        QCOMPARE(gioco.lblnc->text(), QStringLiteral("0"));
        QVERIFY(gioco.lblaiuto->text().isEmpty());
        QVERIFY(gioco.lblmessat->text().isEmpty());
        QVERIFY(gioco.lblmessdi->text().isEmpty());
        QVERIFY(!gioco.tempo->isActive());
        for (const auto *cell : gioco.cmdat) {
            QVERIFY(cell->isEnabled());
            QCOMPARE(cell->cursor().shape(), Qt::ArrowCursor);
        }
        support::click(gioco.cmdat[99]);
        QCOMPARE(gioco.cmdat[99]->backColour(), colours::untouched);
        QCOMPARE(QApplication::focusWidget(), gioco.pctfocus);
    }

    // Restart

    // Whenever it comes, a restart leaves nothing of the game: not a computer turn still to
    // come (mended), nor the arrow that the last shot put over the attack grid (mended).
    void restartLeavesNothingOfTheGame_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::newRow("after the computer's answer") << "answered";
        QTest::newRow("while the computer is to play") << "pending";
        QTest::newRow("after a won game") << "won";
    }
    void restartLeavesNothingOfTheGame()
    {
        QFETCH(QString, moment);
        frmgioco &gioco =
            moment == QLatin1String("won") ? support::wonGame() : support::startedGame();
        if (moment == QLatin1String("won")) {
            frmvinto::get().close();
        } else {
            support::click(gioco.cmdat[5]);
            support::script().queueCells({1});
            QVERIFY(support::computerTurn());
            support::click(gioco.cmdat[6]);
            if (moment == QLatin1String("answered")) {
                support::script().queueCells({90});
                QVERIFY(support::computerTurn());
            }
        }
        support::key(&gioco, Qt::Key_F3);
        QVERIFY(allCells(gioco, [](const platform::GraphicButton *cell) {
            return !cell->isEnabled() && cell->backColour() == colours::untouched &&
                   cell->picture().isNull();
        }));
        QVERIFY(shipFlags(gioco).isEmpty());
        QVERIFY(!frmcomputer::isLoaded());
        QVERIFY(!frmimposta::isLoaded());
        QVERIFY(!gioco.tempo->isActive());
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoNoFleet);
        QVERIFY(gioco.lblmessat->text().isEmpty() && gioco.lblmessdi->text().isEmpty());
        QVERIFY(gioco.lblnc->text().isEmpty() && gioco.lblnu->text().isEmpty());
        QCOMPARE(gioco.colpiutente, 0);
        QCOMPARE(gioco.colpicomputer, 0);
        QCOMPARE(gioco.navicomputer, 12);
        QCOMPARE(gioco.naviutente, 12);
        QVERIFY(gioco.mnuimposta->isEnabled());
        QVERIFY(!gioco.mnucomincia->isEnabled());
        QVERIFY(!gioco.mnuricomincia->isEnabled());
        // The next game needs a new placement, and offers the cross-hair from its start.
        support::key(&gioco, Qt::Key_F1);
        QVERIFY(support::cellsColoured(frmimposta::get().lblimp, colours::ship).isEmpty());
        support::click(frmimposta::get().cmdok);
        QVERIFY(frmimposta::get().isVisible());
        support::startGame(support::playerFleet, support::computerFleet);
        QCOMPARE(support::cellsColoured(gioco.cmddi, colours::ownShip), support::playerFleet);
        QCOMPARE(shipFlags(gioco), support::computerFleet);
        for (const auto *cell : gioco.cmdat)
            QCOMPARE(cell->cursor().shape(), Qt::CrossCursor);
    }
};

QTEST_MAIN(GameTest)
#include "tst_game.moc"
