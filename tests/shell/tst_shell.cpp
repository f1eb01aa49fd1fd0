#include "computer/frmcomputer.h"
#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "platform/shapes.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "resources/pictures.h"
#include "resources/texts.h"
#include "shell/frmcaratteristiche.h"
#include "shell/frminfo.h"
#include "shell/frminizio.h"
#include "shell/frmistruzioni.h"
#include "shell/frmperso.h"
#include "shell/frmpratiche.h"
#include "shell/frmrequisiti.h"
#include "shell/frmscelta.h"
#include "shell/frmvinto.h"
#include "support.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using platform::twipsRect;

namespace {

QSize screenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

template <class Window> bool isOpen()
{
    return Window::isLoaded() && Window::get().isVisible();
}

// Records, when a window hides, whether the main window was on screen at that moment.
class MainWindowWatch : public QObject {
public:
    bool mainVisibleAtHide = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            mainVisibleAtHide = frmgioco::isLoaded() && frmgioco::get().isVisible();
        return false;
    }
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void init() { support::freshStart(); }
    void cleanup() { support::releaseAll(); }

    // Start-up

    void splashAsDesigned()
    {
        frminizio &inizio = frminizio::get();
        inizio.showForm();
        QCOMPARE(inizio.windowTitle(), QStringLiteral("Caricamento..."));
        QCOMPARE(inizio.size(), QSize(498, 541));
        QCOMPARE(inizio.client()->picture(), pictures::picture(pictures::Id::seascape));
        QCOMPARE(inizio.prg->geometry(), twipsRect(720, 6480, 6135, 255));
        QCOMPARE(inizio.prg->minimum(), 0);
        QCOMPARE(inizio.prg->maximum(), 3);
        QCOMPARE(inizio.prg->value(), 0);
        QCOMPARE(inizio.Shape1->geometry(), twipsRect(600, 6360, 6375, 495));
        QCOMPARE(inizio.Shape1->kind(), platform::Shape::Kind::RoundedRectangle);
        QCOMPARE(inizio.Shape1->border()->colour, colours::cyan);
        QCOMPARE(inizio.Shape1->border()->width, 3);
        QCOMPARE(inizio.Image1->picture(), pictures::picture(pictures::Id::largeShip));
        QCOMPARE(inizio.Image2->geometry(), twipsRect(6360, 3720, 615, 870));
        QCOMPARE(inizio.Image3->picture(), pictures::picture(pictures::Id::splashTitle));
        QCOMPARE(inizio.Image4->picture(), pictures::picture(pictures::Id::waitCaption));
        QVERIFY(inizio.tempo->isActive());
        QCOMPARE(inizio.tempo->interval(), 1000);
        // At the very top, centred across the screen only.
        const QSize outer = inizio.frameGeometry().size();
        QCOMPARE(inizio.pos(), QPoint(platform::centred(screenSize(), outer).x(), 0));
    }

    void splashCountsThreeTicksThenHandsOver()
    {
        frminizio &inizio = frminizio::get();
        inizio.showForm();
        QPointer<frminizio> splash = &inizio;
        MainWindowWatch watch;
        inizio.installEventFilter(&watch);
        QList<int> values;
        for (int tick = 1; tick <= 3; ++tick) {
            inizio.tempoTimer();
            values.append(inizio.prg->value());
            QVERIFY(!frmgioco::isLoaded());
        }
        QCOMPARE(values, (QList<int>{1, 2, 3}));
        inizio.tempoTimer();
        QVERIFY(!frminizio::isLoaded());
        QVERIFY(!splash->tempo->isActive());
        QVERIFY(watch.mainVisibleAtHide);
        QVERIFY(isOpen<frmgioco>());
        QCOMPARE(frmgioco::get().lblaiuto->text(), texts::aiutoNoFleet);
        support::settle();
        QCOMPARE(support::record().endRequests, 0);
    }

    // The timer itself, at a short interval: its ticks bring the main window.
    void theSplashTimerHandsOver()
    {
        frminizio::get().tempo->setInterval(1);
        frminizio::get().showForm();
        QTRY_VERIFY(isOpen<frmgioco>());
        QVERIFY(!frminizio::isLoaded());
    }

    void closingTheSplashEndsTheProgram()
    {
        frminizio &inizio = frminizio::get();
        inizio.showForm();
        inizio.tempoTimer();
        const QPointer<QTimer> timer = inizio.tempo;
        inizio.close();
        QVERIFY(!frminizio::isLoaded());
        QVERIFY(timer && !timer->isActive()); // no tick on a window that has gone
        support::settle();
        QCOMPARE(support::record().endRequests, 1);
        QVERIFY(!frmgioco::isLoaded());
    }

    // End of a game

    void endOfGameWindowsAsDesigned()
    {
        support::wonGame();
        QVERIFY(isOpen<frmvinto>());
        frmvinto &vinto = frmvinto::get();
        QVERIFY(support::isCentred(vinto));
        QCOMPARE(vinto.windowTitle(), QStringLiteral("Hai vinto!"));
        QCOMPARE(vinto.size(), platform::twipsSize(6615, 3150));
        QCOMPARE(vinto.client()->backColour(), colours::lightOrange);
        QCOMPARE(vinto.lblmess->text(), QStringLiteral("Complimenti, hai vinto!"));
        QCOMPARE(vinto.lblmess->foreColour(), colours::red);
        QVERIFY(vinto.lblmess->font().bold() && vinto.lblmess->font().italic());
        QCOMPARE(vinto.lblmess->font().pointSizeF(), 15.75);
        QCOMPARE(vinto.Label2->text(), QStringLiteral("Vuoi fare un'altra partita?"));
        QCOMPARE(vinto.Label2->foreColour(), colours::blue);
        QCOMPARE(vinto.cmdsi->text(), QStringLiteral("Sì"));
        QCOMPARE(vinto.cmdsi->backColour(), colours::paleYellow);
        QCOMPARE(vinto.cmdsi->geometry(), twipsRect(3000, 2160, 1215, 495));
        QCOMPARE(vinto.cmdno->geometry(), twipsRect(4560, 2160, 1215, 495));
        QCOMPARE(vinto.cmdno->font().pointSizeF(), 12.0);
        QCOMPARE(vinto.pctvincitore->geometry(), twipsRect(240, 480, 2295, 2415));
        QCOMPARE(vinto.pctvincitore->picture(), pictures::picture(pictures::Id::winner));
        QCOMPARE(vinto.focusWidget(), vinto.cmdsi);
        support::releaseAll();
        support::freshStart();

        support::lostGame();
        QVERIFY(isOpen<frmperso>());
        frmperso &perso = frmperso::get();
        QVERIFY(support::isCentred(perso));
        QCOMPARE(perso.windowTitle(), QStringLiteral("Hai perso!"));
        QCOMPARE(perso.size(), platform::twipsSize(8220, 2925));
        QCOMPARE(perso.lblmess->text(), QStringLiteral("Peccato, hai perso!"));
        QCOMPARE(perso.cmdsi->geometry(), twipsRect(4920, 1920, 1215, 495));
        QCOMPARE(perso.Label2->geometry(), twipsRect(4560, 1080, 3495, 375));
        QCOMPARE(perso.pctvincitore->picture(), pictures::picture(pictures::Id::loser));
        QVERIFY(!frmvinto::isLoaded());
    }

    void noAndEscEndTheProgramAtOnce_data()
    {
        QTest::addColumn<bool>("won");
        QTest::addColumn<bool>("byEsc");
        // The main window's menu open as the computer's winning shot comes: the main window's
        // timer runs on while a menu is open.
        QTest::addColumn<bool>("menuOpen");
        QTest::newRow("won, No") << true << false << false;
        QTest::newRow("won, Esc") << true << true << false;
        QTest::newRow("lost, No") << false << false << false;
        QTest::newRow("lost, Esc") << false << true << false;
        QTest::newRow("lost, Esc, the menu open") << false << true << true;
    }
    void noAndEscEndTheProgramAtOnce()
    {
        QFETCH(bool, won);
        QFETCH(bool, byEsc);
        QFETCH(bool, menuOpen);
        std::function<void()> openTheMenu;
        if (menuOpen)
            openTheMenu = [] {
                support::key(&frmgioco::get(), Qt::Key_G, Qt::AltModifier);
                QVERIFY(QApplication::activePopupWidget() == frmgioco::get().mnugioco);
            };
        won ? support::wonGame() : support::lostGame(openTheMenu);
        QDialog *window = won ? static_cast<QDialog *>(&frmvinto::get()) : &frmperso::get();
        QPushButton *no = won ? frmvinto::get().cmdno : frmperso::get().cmdno;
        if (menuOpen) {
            // The end-of-game window has closed the menu and has the keys, which reach it as the
            // keyboard's do: an open menu would take them.
            QVERIFY(!QApplication::activePopupWidget());
            support::settle();
            QCOMPARE(QApplication::activeWindow(), window);
            QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
        } else if (byEsc) {
            support::key(window->focusWidget(), Qt::Key_Escape);
        } else {
            support::click(no);
        }
        QCOMPARE(support::record().endRequests, 1);
        QCOMPARE(support::record().beeps, 0);
        QVERIFY(!frmscelta::isLoaded());
        // No unload handling ran: every window is still loaded.
        QVERIFY(frmgioco::isLoaded() && frmimposta::isLoaded() && frmcomputer::isLoaded());
    }

    void yesStartsOverFromAFreshMainWindow()
    {
        frmgioco &old = support::wonGame();
        QPointer<frmgioco> oldWindow = &old;
        support::key(&frmgioco::get(), Qt::Key_F4);
        QVERIFY(isOpen<frmistruzioni>());
        QStringList focused; // the windows that the focus goes into
        const auto watch = connect(qApp, &QApplication::focusChanged, this,
                                   [&focused](const QWidget *, const QWidget *now) {
                                       if (now)
                                           focused.append(now->window()->objectName());
                                   });
        support::key(frmvinto::get().cmdsi, Qt::Key_Return); // Enter on the focused "Sì"
        QCOMPARE(support::record().beeps, 1);
        QVERIFY(!frmvinto::isLoaded());
        QVERIFY(!frmscelta::isLoaded());
        QVERIFY(!frmimposta::isLoaded());
        QVERIFY(!frmcomputer::isLoaded());
        QVERIFY(isOpen<frmistruzioni>()); // other windows stay open
        frmgioco &gioco = frmgioco::get();
        QVERIFY(&gioco != oldWindow.data());
        QVERIFY(gioco.isVisible());
        QVERIFY(support::isCentred(gioco));
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoNoFleet);
        QCOMPARE(support::cellsColoured(gioco.cmdat, colours::untouched).size(), 100);
        QCOMPARE(support::cellsColoured(gioco.cmddi, colours::untouched).size(), 100);
        QCOMPARE(gioco.colpiutente, 0);
        QVERIFY(gioco.lblnc->text().isEmpty() && gioco.lblmessat->text().isEmpty());
        QVERIFY(!gioco.mnucomincia->isEnabled() && !gioco.mnuricomincia->isEnabled());
        support::settle();
        QVERIFY(oldWindow.isNull());
        QCOMPARE(support::record().endRequests, 0);
        // The focus ends on the new main window, and never visits the goodbye window that comes
        // and goes on the way: a screen reader would tell it, a window manager could keep it.
        disconnect(watch);
        QVERIFY2(!focused.contains(QStringLiteral("frmscelta")), qPrintable(focused.join(u' ')));
        QCOMPARE(QApplication::focusWidget(), gioco.pctfocus);

        // A new game needs a new placement and gets a new computer fleet.
        support::key(&gioco, Qt::Key_F1);
        QVERIFY(support::cellsColoured(frmimposta::get().lblimp, colours::ship).isEmpty());
        const QList<int> secondFleet = {41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52};
        support::startGame(support::playerFleet, secondFleet);
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
        support::click(gioco.cmdat[21]);
        QCOMPARE(gioco.cmdat[21]->backColour(), colours::miss);
    }

    void yesWithTheGoodbyeWindowOpenDoesNotBeepAgain()
    {
        support::lostGame();
        support::key(&frmgioco::get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(support::record().beeps, 1);
        support::click(frmperso::get().cmdsi);
        QCOMPARE(support::record().beeps, 1);
        QVERIFY(!frmscelta::isLoaded());
        QVERIFY(isOpen<frmgioco>());
    }

    void endOfGameCloseBoxLeavesTheGameOver()
    {
        support::wonGame();
        frmvinto::get().close();
        QVERIFY(!frmvinto::isLoaded());
        support::settle();
        QCOMPARE(support::record().endRequests, 0);
        frmgioco &gioco = frmgioco::get();
        QVERIFY(gioco.lblaiuto->text().isEmpty());
        support::key(&gioco, Qt::Key_F3);
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoNoFleet);
    }

    // Goodbye

    void goodbyeWindowAsDesigned()
    {
        frmgioco::get().showForm();
        support::key(&frmgioco::get(), Qt::Key_Q, Qt::ControlModifier);
        frmscelta &scelta = frmscelta::get();
        QVERIFY(scelta.isVisible());
        QVERIFY(support::isCentred(scelta));
        QCOMPARE(scelta.windowTitle(), QStringLiteral("Arrivederci"));
        QCOMPARE(scelta.size(), platform::twipsSize(3270, 1590));
        QCOMPARE(scelta.Label1->text(), QStringLiteral("Alla prossima !"));
        QCOMPARE(scelta.Label1->font().pointSizeF(), 14.25);
        QCOMPARE(scelta.cmdok->text(), QStringLiteral("&Ciao"));
        QCOMPARE(scelta.cmdok->backColour(), colours::yellow);
        QCOMPARE(scelta.cmdok->geometry(), twipsRect(1080, 960, 1095, 495));
        QCOMPARE(scelta.focusWidget(), scelta.cmdok);
    }

    void exitLeavesTheGameRunningBehindTheGoodbyeWindow()
    {
        frmgioco &gioco = support::startedGame();
        support::click(gioco.cmdat[5]);
        QVERIFY(gioco.tempo->isActive());
        support::key(&gioco, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(support::record().beeps, 1);
        QVERIFY(isOpen<frmscelta>());
        QPointer<frmscelta> scelta = &frmscelta::get();
        // Choosing it again only brings it forward: no second load, no second beep.
        support::key(&gioco, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(support::record().beeps, 1);
        QCOMPARE(&frmscelta::get(), scelta.data());
        // The game goes on behind it.
        QVERIFY(gioco.tempo->isActive());
        support::script().queueCells({50});
        QVERIFY(support::computerTurn());
        support::click(gioco.cmdat[14]);
        QCOMPARE(gioco.cmdat[14]->backColour(), colours::hit);
        // Its close box returns to the game as it was.
        frmscelta::get().close();
        support::settle();
        QVERIFY(!frmscelta::isLoaded());
        QCOMPARE(support::record().endRequests, 0);
        QCOMPARE(gioco.colpiutente, 2);
    }

    void ciaoEndsWithoutUnloading()
    {
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        support::placeFleet(support::playerFleet);
        support::key(&gioco, Qt::Key_Q, Qt::ControlModifier);
        support::click(frmscelta::get().cmdok);
        QCOMPARE(support::record().endRequests, 1);
        QCOMPARE(support::record().beeps, 1);
        // The placement window's unload would have taken "Comincia" back.
        QVERIFY(frmimposta::isLoaded() && frmgioco::isLoaded());
        QVERIFY(gioco.mnucomincia->isEnabled());
    }

    void closingTheMainWindowOpensTheGoodbyeWindow()
    {
        // While the computer is to play: its shot must not come on a window that has gone.
        frmgioco &gioco = support::startedGame();
        support::click(gioco.cmdat[21]);
        const QPointer<QTimer> timer = gioco.tempo;
        gioco.close();
        QVERIFY(!frmgioco::isLoaded());
        QVERIFY(timer && !timer->isActive());
        QVERIFY(isOpen<frmscelta>());
        QCOMPARE(support::record().beeps, 1);
        support::settle();
        QCOMPARE(support::record().endRequests, 0);
        QVERIFY(!frmgioco::isLoaded());
        // Mended: closing the goodbye window too leaves no window, and the program ends.
        frmscelta::get().close();
        support::settle();
        QCOMPARE(support::record().endRequests, 1);
    }

    // Help windows

    void helpHubAndItsPages()
    {
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        support::key(&gioco, Qt::Key_F4);
        frmistruzioni &hub = frmistruzioni::get();
        QVERIFY(hub.isVisible());
        QVERIFY(support::isCentred(hub));
        QCOMPARE(hub.windowTitle(), QStringLiteral("Istruzioni"));
        QCOMPARE(hub.size(), platform::twipsSize(6510, 5310));
        QCOMPARE(hub.cmdcaratteristiche->text(), QStringLiteral("&Caratteristiche del gioco"));
        QCOMPARE(hub.cmdcaratteristiche->backColour(), colours::cyan);
        QCOMPARE(hub.cmdistruzioni->text(), QStringLiteral("I&struzioni pratiche"));
        QCOMPARE(hub.cmdistruzioni->backColour(), colours::lightGreen);
        QCOMPARE(hub.cmdrequisiti->text(), QStringLiteral("Re&quisiti del sistema"));
        QCOMPARE(hub.cmdrequisiti->backColour(), colours::pink);
        QCOMPARE(hub.cmdrequisiti->font().family(), QStringLiteral("MS Sans Serif"));
        QVERIFY(hub.cmdrequisiti->font().bold());
        QCOMPARE(hub.cmdok->backColour(), colours::yellow);
        QCOMPARE(hub.focusWidget(), hub.cmdok);
        QCOMPARE(hub.cmdok->nextInFocusChain(), hub.cmdcaratteristiche);
        QCOMPARE(hub.cmdcaratteristiche->nextInFocusChain(), hub.cmdistruzioni);
        QCOMPARE(hub.cmdistruzioni->nextInFocusChain(), hub.cmdrequisiti);
        QCOMPARE(hub.cmdrequisiti->nextInFocusChain(), hub.Picture1);
        QCOMPARE(hub.Picture1->picture(), pictures::picture(pictures::Id::instructionsTitle));

        // F4 again: the same window, not loaded again, not moved.
        hub.move(3, 4);
        support::key(&gioco, Qt::Key_F4);
        QCOMPARE(&frmistruzioni::get(), &hub);
        QCOMPARE(hub.pos(), QPoint(3, 4));
    }

    void everyPageGoesBackToAFreshHub_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("caratteristiche") << 0;
        QTest::newRow("pratiche") << 1;
        QTest::newRow("requisiti") << 2;
    }
    void everyPageGoesBackToAFreshHub()
    {
        QFETCH(int, page);
        frmgioco::get().showForm();
        const auto openPage = [page]() -> QDialog * {
            support::key(&frmgioco::get(), Qt::Key_F4);
            frmistruzioni &hub = frmistruzioni::get();
            hub.move(3, 4);
            platform::GraphicButton *buttons[] = {hub.cmdcaratteristiche, hub.cmdistruzioni,
                                                  hub.cmdrequisiti};
            support::click(buttons[page]);
            switch (page) {
            case 0:
                return &frmcaratteristiche::get();
            case 1:
                return &frmpratiche::get();
            default:
                return &frmrequisiti::get();
            }
        };
        QDialog *pageWindow = openPage();
        QVERIFY(!frmistruzioni::isLoaded());
        QVERIFY(pageWindow->isVisible());
        QVERIFY(support::isCentred(*pageWindow));
        QCOMPARE(pageWindow->size(), platform::twipsSize(6510, 5310));
        auto *ok = static_cast<platform::GraphicButton *>(pageWindow->focusWidget());
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        QCOMPARE(ok->backColour(), colours::yellow);
        QCOMPARE(ok->geometry(), twipsRect(5400, 4800, 975, 375));
        // Enter presses the button that has the focus, OK: a fresh hub comes back, centred.
        support::key(ok, Qt::Key_Return);
        QVERIFY(isOpen<frmistruzioni>());
        QVERIFY(support::isCentred(frmistruzioni::get()));
        QVERIFY(!pageWindow->isVisible());
        support::settle();
        // Its close box, though, brings nothing back.
        pageWindow = openPage();
        pageWindow->close();
        QVERIFY(!pageWindow->isVisible());
        QVERIFY(!frmistruzioni::isLoaded());
    }

    void hubOkClosesIt()
    {
        frmgioco::get().showForm();
        support::key(&frmgioco::get(), Qt::Key_F4);
        support::click(frmistruzioni::get().cmdok);
        QVERIFY(!frmistruzioni::isLoaded());
        QVERIFY(!frmcaratteristiche::isLoaded() && !frmpratiche::isLoaded() &&
                !frmrequisiti::isLoaded());
    }

    void helpTextsVerbatim()
    {
        frmcaratteristiche &caratteristiche = frmcaratteristiche::get();
        QCOMPARE(caratteristiche.Label1->text(), texts::T1);
        QVERIFY(caratteristiche.Label2->text().startsWith(
            QStringLiteral("Il giocatore dispone di due tabelle: \"Attacco\" e \"Difesa\".")));
        QCOMPARE(caratteristiche.Label3->geometry(), twipsRect(360, 2880, 5775, 975));
        QVERIFY(caratteristiche.Label1->wordWrap());
        QCOMPARE(caratteristiche.Label1->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(caratteristiche.Label1->font().pointSizeF(), 9.75);
        QCOMPARE(caratteristiche.Label1->foreColour(), platform::system::buttonText);

        frmpratiche &pratiche = frmpratiche::get();
        QCOMPARE(pratiche.Label6->text(),
                 QStringLiteral("In caso di fallimento appare il simbolo"));
        QCOMPARE(pratiche.Label4->text(),
                 QStringLiteral("In caso di successo, invece appare il simbolo"));
        QCOMPARE(
            pratiche.Label2->text(),
            QStringLiteral("Per attaccare, bisogna cliccare sulla cella che si vuole colpire:"));
        QVERIFY(
            pratiche.Label5->text().endsWith(QStringLiteral("la freccia si trasforma in croce.")));
        QVERIFY(pratiche.Label3->text().startsWith(QStringLiteral("In basso compare ogni volta")));
        QVERIFY(
            pratiche.Label1->text().contains(QStringLiteral("può essere impostata manualmente")));
        // The examples are the very markings of the grids.
        QCOMPARE(pratiche.pct2->picture(), frmgioco::get().pct2->picture());
        QCOMPARE(pratiche.pct->picture(), frmgioco::get().pct->picture());
        QCOMPARE(pratiche.pct2->backColour(), colours::cyan);
        QCOMPARE(pratiche.pct->geometry(), twipsRect(4560, 2400, 495, 495));

        frmrequisiti &requisiti = frmrequisiti::get();
        QCOMPARE(requisiti.Label1->text(),
                 QStringLiteral("Sistema operativo Windows 95 o superiore"));
        QCOMPARE(requisiti.Label4->text(), QStringLiteral("Scheda video SVGA 16 bit o superiore"));
        QCOMPARE(requisiti.Label5->text(),
                 QStringLiteral("Monitor ottimizzato per una risoluzione 800 x 600 o superiore"));
        QCOMPARE(requisiti.Label6->text(), QStringLiteral("16 Mb RAM o superiore"));
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(requisiti.Shape1[i]->geometry(),
                     twipsRect(240, 600 + 480 * (i - 1), 135, 135));
            QCOMPARE(requisiti.Shape1[i]->fill(), colours::red);
        }
        QCOMPARE(requisiti.Picture1->picture(),
                 pictures::picture(pictures::Id::requirementsComputer));
    }

    void informationWindow()
    {
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        support::key(&gioco, Qt::Key_F5);
        frminfo &info = frminfo::get();
        QVERIFY(info.isVisible());
        QVERIFY(support::isCentred(info));
        QCOMPARE(info.windowTitle(), QStringLiteral("Informazioni"));
        QCOMPARE(info.size(), platform::twipsSize(6030, 3030));
        QCOMPARE(info.Label5->text(), QStringLiteral("1.0"));
        QCOMPARE(info.Label9->text(), QStringLiteral("luglio 2002"));
        QCOMPARE(info.Label8->text(), QStringLiteral("data: "));
        QCOMPARE(info.Label4->text(), QStringLiteral("versione: "));
        QCOMPARE(info.Label3->text(), QStringLiteral("e-mail: "));
        QCOMPARE(info.Label2->text(), QStringLiteral("autore: "));
        QCOMPARE(info.Label8->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QVERIFY(!info.Label6->text().isEmpty() && info.Label7->text().contains('@'));
        QCOMPARE(info.Label9->font().family(), QStringLiteral("MS Sans Serif"));
        QVERIFY(info.Label1->hasBorder());
        QCOMPARE(info.Image1->picture(), pictures::picture(pictures::Id::anchorIcon));
        QCOMPARE(info.Image2->picture(), pictures::picture(pictures::Id::infoTitle));
        QCOMPARE(info.Line1->lineWidth(), 3);
        QCOMPARE(info.Line1->colour(), colours::blue);
        // F5 again brings the same window forward.
        info.move(8, 9);
        support::key(&gioco, Qt::Key_F5);
        QCOMPARE(&frminfo::get(), &info);
        QCOMPARE(info.pos(), QPoint(8, 9));
        // Esc works as OK, which shows the main window.
        gioco.hide();
        support::key(info.cmdok, Qt::Key_Escape);
        QVERIFY(!frminfo::isLoaded());
        QVERIFY(gioco.isVisible());
    }

    void informationOkLoadsAMissingMainWindow()
    {
        frminfo::get().showForm();
        support::click(frminfo::get().cmdok);
        QVERIFY(isOpen<frmgioco>());
        QCOMPARE(frmgioco::get().lblaiuto->text(), texts::aiutoNoFleet);
    }

    void helpKeysWorkWhileTheComputerIsToPlay()
    {
        frmgioco &gioco = support::startedGame();
        support::click(gioco.cmdat[51]);
        QVERIFY(gioco.tempo->isActive());
        support::key(&gioco, Qt::Key_F4);
        support::key(&gioco, Qt::Key_F5);
        QVERIFY(isOpen<frmistruzioni>() && isOpen<frminfo>());
        QVERIFY(gioco.tempo->isActive());
        QVERIFY(support::computerTurn());
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
    }

    // Every window but the main one has a fixed dialog frame and the anchor icon.
    void dialogFrames()
    {
        const QList<QWidget *> dialogs = {
            &frminizio::get(),     &frmimposta::get(),         &frmvinto::get(),
            &frmperso::get(),      &frmscelta::get(),          &frminfo::get(),
            &frmistruzioni::get(), &frmcaratteristiche::get(), &frmpratiche::get(),
            &frmrequisiti::get(),  &frmcomputer::get()};
        for (QWidget *dialog : dialogs) {
            const Qt::WindowFlags flags = dialog->windowFlags();
            QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
            QCOMPARE(dialog->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
        }
        QCOMPARE(frmgioco::get().windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
        // The application's icon is the anchor, at every size the window system asks for.
        const QImage anchor =
            pictures::picture(pictures::Id::anchorIcon).pixmap({32, 32}, 1).toImage();
        QCOMPARE(QApplication::windowIcon().pixmap(QSize(32, 32), 1.0).toImage(), anchor);
        QVERIFY(frmgioco::get().windowFlags() & Qt::WindowMaximizeButtonHint);
    }

    // Where the compositor places the windows, the dialogs come up over the main window, which
    // they belong to; where the windows place themselves, none has an owner.
    void dialogsBelongToTheMainWindowWhereTheCompositorPlaces_data()
    {
        QTest::addColumn<bool>("compositorPlaces");
        QTest::newRow("X11") << false;
        QTest::newRow("Wayland") << true;
    }
    void dialogsBelongToTheMainWindowWhereTheCompositorPlaces()
    {
        QFETCH(bool, compositorPlaces);
        platform::setPlacementHook([compositorPlaces] { return !compositorPlaces; });
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        const auto shown = [](auto &window) -> QWidget * {
            window.showForm();
            return &window;
        };
        for (QWidget *dialog :
             {shown(frmimposta::get()), shown(frmvinto::get()), shown(frmperso::get()),
              shown(frmscelta::get()), shown(frminfo::get()), shown(frmrequisiti::get())}) {
            QCOMPARE(dialog->windowHandle()->transientParent(),
                     compositorPlaces ? gioco.windowHandle() : nullptr);
        }
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
