#include "support.h"

#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "platform/announcer.h"
#include "platform/form.h"
#include "platform/system.h"
#include "shell/application.h"
#include "shell/frmperso.h"
#include "shell/frmvinto.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace support {

namespace {

ScriptedRandom *installedScript = nullptr;
Record currentRecord;

// The offscreen platform cannot raise windows, among other things, and says so every time.
QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("This plugin does not support")))
        return;
    previousHandler(type, context, message);
}

float drawFor(int cell)
{
    return (float(cell) - 0.5f) / 100.0f;
}

} // namespace

void ScriptedRandom::reseed()
{
    ++reseeds;
    std::seed_seq seeds{seed_, unsigned(reseeds)};
    fallback_.seed(seeds);
}

float ScriptedRandom::next()
{
    ++drawn;
    if (!script_.isEmpty())
        return script_.takeFirst();
    return float(fallback_() >> 8) * 0x1p-24f;
}

void ScriptedRandom::queueCells(const QList<int> &cells)
{
    for (const int cell : cells)
        script_.append(drawFor(cell));
}

void ScriptedRandom::queueDraws(const QList<float> &draws)
{
    script_.append(draws);
}

void releaseAll()
{
    auto &registry = platform::FormRegistry::instance();
    registry.releaseAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
    registry.resetEndingForTests();
    platform::forgetFramesForTests();
    platform::setFrameSource(nullptr);
    // A fresh voice as well: no message waits, and it waits as long as the program's own.
    delete &platform::Announcer::instance();
}

void freshStart(unsigned seed)
{
    static bool prepared = false;
    if (!prepared) {
        shell::prepareApplication();
        previousHandler = qInstallMessageHandler(quietHandler);
        prepared = true;
    }
    releaseAll();
    auto source = std::make_unique<ScriptedRandom>(seed);
    installedScript = source.get();
    platform::setRandomSource(std::move(source));
    currentRecord = {};
    platform::setBeepHook([] { ++currentRecord.beeps; });
    platform::setEndProgramHook([] { ++currentRecord.endRequests; });
    platform::setListeningHook(nullptr);
    platform::setPlacementHook(nullptr);
}

ScriptedRandom &script()
{
    return *installedScript;
}

Record &record()
{
    return currentRecord;
}

void settle()
{
    // The window system's own events (exposures and the like) as well as the posted ones.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

bool activate(QWidget *widget)
{
    // The window that the program activates once an action is done comes first, as it does for
    // the player; then the window system activates this one when it gets round to it.
    QCoreApplication::processEvents();
    widget->activateWindow();
    return QTest::qWaitForWindowActive(widget->window());
}

void key(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QVERIFY2(activate(widget), qPrintable(widget->window()->objectName() + " is not active"));
    QTest::keyClick(widget, key, modifiers);
}

void placeFleet(const QList<int> &cells)
{
    key(&frmgioco::get(), Qt::Key_F1);
    frmimposta &imposta = frmimposta::get();
    for (const int cell : cells)
        click(imposta.lblimp[cell]);
    click(imposta.cmdok);
}

void startGame(const QList<int> &playerCells, const QList<int> &computerCells)
{
    placeFleet(playerCells);
    script().queueCells(computerCells);
    key(&frmgioco::get(), Qt::Key_F2);
}

frmgioco &startedGame(const QList<int> &player, const QList<int> &computer)
{
    frmgioco &gioco = frmgioco::get();
    gioco.showForm();
    startGame(player, computer);
    return gioco;
}

frmgioco &wonGame()
{
    frmgioco &gioco = startedGame();
    const QList<int> water = cellsOtherThan(playerFleet);
    for (int shot = 0; shot < 12; ++shot) {
        click(gioco.cmdat[computerFleet[shot]]);
        if (shot < 11) {
            script().queueCells({water[shot]});
            computerTurn();
        }
    }
    return gioco;
}

frmgioco &lostGame(const std::function<void()> &beforeTheLastAnswer)
{
    frmgioco &gioco = startedGame();
    const QList<int> water = cellsOtherThan(computerFleet);
    for (int shot = 0; shot < 12; ++shot) {
        click(gioco.cmdat[water[shot]]);
        script().queueCells({playerFleet[shot]});
        if (shot == 11 && beforeTheLastAnswer)
            beforeTheLastAnswer();
        computerTurn();
    }
    return gioco;
}

bool isCentred(const QWidget &window)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    return window.pos() == platform::centred(screen, window.frameGeometry().size());
}

void randomFleetByHandlers()
{
    frmgioco::get().mnuimpostaClick();
    frmimposta::get().cmdcasualeClick();
    frmimposta::get().cmdokClick();
}

bool playByHandlers(int offset)
{
    randomFleetByHandlers();
    frmgioco &gioco = frmgioco::get();
    gioco.mnucominciaClick();
    for (int shot = 0; shot < 100 && !frmvinto::isLoaded() && !frmperso::isLoaded(); ++shot) {
        gioco.cmdatClick((shot * 37 + offset) % 100 + 1);
        computerTurn();
    }
    return frmvinto::isLoaded() || frmperso::isLoaded();
}

QList<int> cellsOtherThan(const QList<int> &cells)
{
    QList<int> others;
    for (int cell = 1; cell <= 100; ++cell)
        if (!cells.contains(cell))
            others.append(cell);
    return others;
}

bool computerTurn()
{
    if (!frmgioco::isLoaded() || !frmgioco::get().tempo->isActive())
        return false;
    frmgioco::get().tempoTimer();
    return true;
}

} // namespace support
