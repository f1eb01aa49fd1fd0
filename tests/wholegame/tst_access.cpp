// The game for players who use a screen reader or no mouse: accessible names and states, what
// the game tells as it goes, the keyboard alone from the start-up window to the end of a game,
// and the arrow keys in the grids and on the focus sink.
#include "computer/frmcomputer.h"
#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "platform/form.h"
#include "platform/gridnavigation.h"
#include "platform/system.h"
#include "resources/colours.h"
#include "resources/texts.h"
#include "shell/frminfo.h"
#include "shell/frminizio.h"
#include "shell/frmistruzioni.h"
#include "shell/frmscelta.h"
#include "shell/frmvinto.h"
#include "support.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>

namespace {

// Each test starts afresh with a screen reader listening, which the game tells what happens.
void freshStartWithAScreenReader()
{
    support::freshStart();
    platform::setListeningHook([] { return true; });
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Everything that assistive technology can read of an object.
QStringList everythingExposed(QObject *object)
{
    QAccessibleInterface *face = accessible(object);
    QStringList exposed;
    for (int text = QAccessible::Name; text <= QAccessible::Accelerator; ++text)
        exposed.append(face->text(QAccessible::Text(text)));
    exposed.append(QString::number(int(face->role())));
    const QAccessible::State state = face->state();
    exposed.append(QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(&state), sizeof state).toHex()));
    if (QAccessibleActionInterface *actions = face->actionInterface())
        exposed.append(actions->actionNames());
    if (QAccessibleTextInterface *text = face->textInterface())
        exposed.append(text->text(0, -1));
    exposed.append(QString::number(face->childCount()));
    return exposed;
}

QStringList headerNames(const QList<QAccessibleInterface *> &headers)
{
    QStringList names;
    for (const QAccessibleInterface *header : headers)
        names.append(header->text(QAccessible::Name));
    return names;
}

// Types keys into whatever has the focus, as the keyboard gives them.
void keys(QWidget *widget, const QList<Qt::Key> &sequence)
{
    for (const Qt::Key key : sequence)
        support::key(QApplication::focusWidget() ? QApplication::focusWidget() : widget, key);
}

// The arrow keys that lead from cell `from` to cell `to` of a grid.
QList<Qt::Key> arrowsBetween(int from, int to)
{
    QList<Qt::Key> arrows;
    const int rows = (to - 1) / 10 - (from - 1) / 10;
    const int columns = (to - 1) % 10 - (from - 1) % 10;
    arrows.fill(rows > 0 ? Qt::Key_Down : Qt::Key_Up, std::abs(rows));
    for (int i = 0; i < std::abs(columns); ++i)
        arrows.append(columns > 0 ? Qt::Key_Right : Qt::Key_Left);
    return arrows;
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT

private slots:
    void init() { freshStartWithAScreenReader(); }
    void cleanup() { support::releaseAll(); }

    // The three grids as assistive technology reads them, every cell checked: tables named for
    // their grids, each cell with its row, its column, its headers (the headings on screen; the
    // placement grid, which shows none, has headers that bear their names), its name, and its
    // state as its text, which follows the game.
    void gridsAreTablesOfNamedCells()
    {
        frmgioco &gioco = support::startedGame();
        frmimposta &imposta = frmimposta::get();
        const auto state = [](QWidget *cell) {
            return accessible(cell)->textInterface()->text(0, -1);
        };
        struct Grid {
            QList<QWidget *> cells;
            QString name;
            QWidget *title;
            const platform::ControlArray<platform::Label, 20> *headings;
            QString rowPrefix; // the grid's name, which a row's header bears in the main window
        };
        const QList<Grid> grids = {{platform::cellList(gioco.cmdat), QStringLiteral("Attacco"),
                                    gioco.Image1, &gioco.lblat, QStringLiteral("Attacco ")},
                                   {platform::cellList(gioco.cmddi), QStringLiteral("Difesa"),
                                    gioco.Image2, &gioco.lbldi, QStringLiteral("Difesa ")},
                                   {platform::cellList(imposta.lblimp),
                                    QStringLiteral("Le tue navi"),
                                    nullptr,
                                    nullptr,
                                    {}}};
        for (const Grid &grid : grids) {
            QAccessibleInterface *table = accessible(grid.cells[0])->parent();
            QCOMPARE(table->role(), QAccessible::Table);
            QCOMPARE(table->text(QAccessible::Name), grid.name);
            QAccessibleTableInterface *rows = table->tableInterface();
            QVERIFY(rows);
            QCOMPARE(QList({rows->rowCount(), rows->columnCount(), table->childCount()}),
                     QList({10, 10, 100}));
            QCOMPARE(rows->caption(), grid.title ? accessible(grid.title) : nullptr);
            QCOMPARE(rows->cellAt(10, 0), nullptr);
            QCOMPARE(rows->cellAt(0, -1), nullptr);
            for (int i = 1; i <= 100; ++i) {
                QAccessibleInterface *cell = accessible(grid.cells[i - 1]);
                const int row = (i - 1) / 10;
                const int column = (i - 1) % 10;
                QAccessibleTableCellInterface *place = cell->tableCellInterface();
                QVERIFY(place);
                QCOMPARE(cell->role(), QAccessible::Cell);
                QCOMPARE(cell->text(QAccessible::Name), texts::cellName(i));
                QCOMPARE(rows->cellAt(row, column), cell);
                QCOMPARE(table->indexOfChild(cell), i - 1);
                QCOMPARE(QList({place->rowIndex(), place->columnIndex(), place->rowExtent(),
                                place->columnExtent()}),
                         QList({row, column, 1, 1}));
                QCOMPARE(place->table(), table);
                QCOMPARE(headerNames(place->columnHeaderCells()),
                         QStringList{texts::columns[column]});
                QCOMPARE(headerNames(place->rowHeaderCells()),
                         QStringList{grid.rowPrefix + QString::number(row + 1)});
                QCOMPARE(rows->columnDescription(column), texts::columns[column]);
                // The state is the cell's text; nothing else repeats it.
                QVERIFY(cell->text(QAccessible::Description).isEmpty());
                QVERIFY(!state(grid.cells[i - 1]).isEmpty());
                QVERIFY(cell->actionInterface()->actionNames().contains(
                    QAccessibleActionInterface::pressAction()));
                if (grid.title) {
                    // The headers are the headings on screen; the grid's title labels the cell.
                    QCOMPARE(place->columnHeaderCells().first()->object(),
                             (*grid.headings)[column + 1]);
                    QCOMPARE(place->rowHeaderCells().first()->object(), (*grid.headings)[11 + row]);
                    const auto labels = cell->relations(QAccessible::Label);
                    QCOMPARE(labels.size(), 1);
                    QCOMPARE(labels.first().first, accessible(grid.title));
                }
            }
        }
        QCOMPARE(state(gioco.cmddi[1]), QStringLiteral("nave"));
        QCOMPARE(state(gioco.cmddi[50]), QStringLiteral("acqua"));
        QCOMPARE(state(gioco.cmdat[5]), QStringLiteral("non ancora colpito"));
        QCOMPARE(state(imposta.lblimp[12]), QStringLiteral("nave"));
        QCOMPARE(state(imposta.lblimp[13]), QStringLiteral("acqua"));
        support::click(gioco.cmdat[5]);
        QCOMPARE(state(gioco.cmdat[5]), QStringLiteral("colpito"));
        support::script().queueCells({1});
        QVERIFY(support::computerTurn());
        QCOMPARE(state(gioco.cmddi[1]), QStringLiteral("nave colpita"));
        support::click(gioco.cmdat[4]);
        QCOMPARE(state(gioco.cmdat[4]), QStringLiteral("acqua"));
        support::script().queueCells({50});
        QVERIFY(support::computerTurn());
        QCOMPARE(state(gioco.cmddi[50]), QStringLiteral("acqua colpita"));
        // A restart tells the cleared state again.
        support::key(&gioco, Qt::Key_F3);
        QCOMPARE(state(gioco.cmdat[5]), QStringLiteral("non ancora colpito"));
        QCOMPARE(state(gioco.cmddi[1]), QStringLiteral("acqua"));
    }

    // Nothing that assistive technology can read tells where the computer's ships lie before
    // they are fired at: not the attack cells, nor what the game tells, nor the hidden window.
    void nothingRevealsTheComputersFleet()
    {
        const QList<int> otherFleet = support::cellsOtherThan(support::computerFleet).mid(0, 12);
        // A shot that misses either fleet, answered by the computer.
        const int water = support::cellsOtherThan(support::computerFleet + otherFleet).first();
        QList<QStringList> exposures;
        for (const QList<int> &fleet : {support::computerFleet, otherFleet}) {
            support::releaseAll();
            freshStartWithAScreenReader();
            frmgioco &gioco = frmgioco::get();
            QSignalSpy told(&platform::Announcer::instance(), &platform::Announcer::announced);
            platform::Announcer::instance().settle->setInterval(0);
            support::startedGame(support::playerFleet, fleet);
            QTRY_VERIFY(!platform::Announcer::instance().settle->isActive());
            support::click(gioco.cmdat[water]);
            support::script().queueCells({50});
            QVERIFY(support::computerTurn());
            QStringList exposure;
            for (int i = 1; i <= 100; ++i)
                exposure += everythingExposed(gioco.cmdat[i]);
            exposure += everythingExposed(gioco.notice) + everythingExposed(gioco.pctfocus);
            for (const auto &announcement : told)
                exposure += announcement.first().toString();
            exposures.append(exposure);
            QAccessibleInterface *application = accessible(qApp);
            for (int i = 0; i < application->childCount(); ++i)
                QVERIFY(application->child(i)->object() != &frmcomputer::get());
            for (const auto *cell : frmcomputer::get().lblcomp)
                QVERIFY(cell->accessibleName().isEmpty() &&
                        cell->accessibleDescription().isEmpty());
        }
        QCOMPARE(exposures[0], exposures[1]);
    }

    // The labels read out their texts; the help line and the counters, as a status bar, say
    // what they count.
    void labelsExposeTheirTexts()
    {
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        QAccessibleInterface *status = accessible(gioco.lblaiuto)->parent();
        QCOMPARE(status->role(), QAccessible::StatusBar);
        const auto items = [status] {
            QStringList texts;
            for (int i = 0; i < status->childCount(); ++i)
                texts.append(status->child(i)->text(QAccessible::Name) + u'|' +
                             status->child(i)->textInterface()->text(0, -1));
            return texts;
        };
        const auto both = [](const QString &text) { return text + u'|' + text; };
        QCOMPARE(items(), (QStringList{both(texts::aiutoNoFleet), both(texts::computerShipsAfloat),
                                       both(texts::playerShipsAfloat)}));
        support::placeFleet({11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22});
        QCOMPARE(accessible(gioco.lblaiuto)->text(QAccessible::Name), texts::aiutoFleetReady);
        frmimposta &imposta = frmimposta::get();
        QCOMPARE(accessible(imposta.lblcom)->text(QAccessible::Name), texts::placementDone);
        QCOMPARE(accessible(imposta.lblcom)->role(), QAccessible::StaticText);
        support::script().queueCells(support::computerFleet);
        support::key(&gioco, Qt::Key_F2);
        support::click(gioco.cmdat[5]);
        QCOMPARE(items(), (QStringList{both(texts::aiutoWait),
                                       both(QStringLiteral("Navi del computer a galla: 11")),
                                       both(QStringLiteral("Le tue navi a galla: 12"))}));
    }

    void everyControlThatTakesTheFocusHasAName()
    {
        // Every window, opened at once: the names do not depend on the game's phase.
        frmgioco::get().showForm();
        frmimposta::get().showForm();
        frmvinto::get().showForm();
        frmscelta::get().showForm();
        frminfo::get().showForm();
        frmistruzioni::get().showForm();
        for (QWidget *window : platform::FormRegistry::instance().loaded()) {
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(window))
                    continue;
                QAccessibleInterface *face = accessible(widget);
                QVERIFY2(!face->text(QAccessible::Name).isEmpty(),
                         qPrintable(window->objectName() + QLatin1Char('/') +
                                    QString::fromLatin1(widget->metaObject()->className())));
                QVERIFY(face->role() != QAccessible::NoRole);
            }
        }
        // The menu commands are read out by their captions.
        QAccessibleInterface *menu = accessible(frmgioco::get().mnugioco);
        QStringList names;
        for (int i = 0; i < menu->childCount(); ++i)
            names.append(menu->child(i)->text(QAccessible::Name));
        QVERIFY2(names.contains(QStringLiteral("Comincia")), qPrintable(names.join('|')));
        QVERIFY(names.contains(QStringLiteral("Imposta le navi")));
    }

    void arrowsMoveWithinAGridAndWrap_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("right") << 1 << int(Qt::Key_Right) << 2;
        QTest::newRow("right edge") << 10 << int(Qt::Key_Right) << 1;
        QTest::newRow("left edge") << 11 << int(Qt::Key_Left) << 20;
        QTest::newRow("top edge") << 4 << int(Qt::Key_Up) << 94;
        QTest::newRow("bottom edge") << 95 << int(Qt::Key_Down) << 5;
        QTest::newRow("down") << 37 << int(Qt::Key_Down) << 47;
        // With NumLock off the keypad's arrows move as well; with it on, its digits do not.
        QTest::newRow("keypad, left edge")
            << 11 << (Qt::KeypadModifier | Qt::Key_Left).toCombined() << 20;
        QTest::newRow("keypad 6, NumLock on")
            << 45 << (Qt::KeypadModifier | Qt::Key_6).toCombined() << 45;
        // As in a spreadsheet: the ends of the row, and the corners of the grid.
        QTest::newRow("Home") << 45 << int(Qt::Key_Home) << 41;
        QTest::newRow("End") << 45 << int(Qt::Key_End) << 50;
        QTest::newRow("keypad End") << 91 << (Qt::KeypadModifier | Qt::Key_End).toCombined() << 100;
        QTest::newRow("Ctrl+Home") << 45 << (Qt::ControlModifier | Qt::Key_Home).toCombined() << 1;
        QTest::newRow("Ctrl+End") << 45 << (Qt::ControlModifier | Qt::Key_End).toCombined() << 100;
        QTest::newRow("Shift+End") << 45 << (Qt::ShiftModifier | Qt::Key_End).toCombined() << 45;
    }
    void arrowsMoveWithinAGridAndWrap()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        const QKeyCombination typed = QKeyCombination::fromCombined(key);
        const int moved = platform::GridNavigation::neighbour(from, typed);
        QCOMPARE(moved ? moved : from, to);
        frmgioco &gioco = support::startedGame();
        frmimposta &imposta = frmimposta::get();
        imposta.showForm();
        const QList<QList<QWidget *>> grids = {platform::cellList(gioco.cmdat),
                                               platform::cellList(gioco.cmddi),
                                               platform::cellList(imposta.lblimp)};
        for (const auto &grid : grids) {
            grid[from - 1]->setFocus();
            support::key(grid[from - 1], typed.key(), typed.keyboardModifiers());
            QCOMPARE(QApplication::focusWidget(), grid[to - 1]);
        }
        // The arrows move the focus only: nothing was fired or placed.
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
        QCOMPARE(support::cellsColoured(imposta.lblimp, colours::ship), support::playerFleet);
    }

    // F6 crosses to the same cell of the other grid. On the focus sink, where a click on a cell
    // sends the focus, the keys go on from that cell in its grid; before any, the arrows enter the
    // attack grid at A1, and the other keys go from there.
    void keysBetweenTheGridsAndOnTheFocusSink_data()
    {
        QTest::addColumn<bool>("sink"); // the keys start on the sink, else on the cell itself
        QTest::addColumn<int>("grid");  // of the cell: attack, defence, placement
        QTest::addColumn<int>("cell");  // clicked before the keys on the sink; 0: none
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("toGrid");
        QTest::addColumn<int>("to");
        const int f6 = Qt::Key_F6;
        QTest::newRow("sink, right after E5") << true << 0 << 45 << int(Qt::Key_Right) << 0 << 46;
        QTest::newRow("sink, down after L10") << true << 0 << 100 << int(Qt::Key_Down) << 0 << 10;
        QTest::newRow("sink, left after D4 of the defence")
            << true << 1 << 34 << int(Qt::Key_Left) << 1 << 33;
        QTest::newRow("sink, up before any click") << true << 0 << 0 << int(Qt::Key_Up) << 0 << 1;
        QTest::newRow("sink, keypad down after E5")
            << true << 0 << 45 << (Qt::KeypadModifier | Qt::Key_Down).toCombined() << 0 << 55;
        QTest::newRow("sink, End before any click")
            << true << 0 << 0 << int(Qt::Key_End) << 0 << 10;
        QTest::newRow("sink, Ctrl+End after D4 of the defence")
            << true << 1 << 34 << (Qt::ControlModifier | Qt::Key_End).toCombined() << 1 << 100;
        QTest::newRow("sink, F6 after E5") << true << 0 << 45 << f6 << 1 << 45;
        QTest::newRow("sink, F6 before any click") << true << 0 << 0 << f6 << 1 << 1;
        QTest::newRow("F6 on E5") << false << 0 << 45 << f6 << 1 << 45;
        QTest::newRow("Shift+F6 on E5 of the defence")
            << false << 1 << 45 << (Qt::ShiftModifier | Qt::Key_F6).toCombined() << 0 << 45;
        QTest::newRow("Ctrl+F6 on E5")
            << false << 0 << 45 << (Qt::ControlModifier | Qt::Key_F6).toCombined() << 0 << 45;
        QTest::newRow("F6 on E5 of the placement grid") << false << 2 << 45 << f6 << 2 << 45;
    }
    void keysBetweenTheGridsAndOnTheFocusSink()
    {
        QFETCH(bool, sink);
        QFETCH(int, grid);
        QFETCH(int, cell);
        QFETCH(int, key);
        QFETCH(int, toGrid);
        QFETCH(int, to);
        frmgioco &gioco = support::startedGame();
        frmimposta &imposta = frmimposta::get();
        const auto at = [&](int which, int index) -> QWidget * {
            return QList<QWidget *>{gioco.cmdat[index], gioco.cmddi[index],
                                    imposta.lblimp[index]}[which];
        };
        if (grid == 2) {
            imposta.showForm();
            support::settle(); // the placement window takes the focus once the call is done
        }
        if (sink) {
            gioco.pctfocus->setFocus();
            if (cell)
                support::click(at(grid, cell));
            QCOMPARE(QApplication::focusWidget(), gioco.pctfocus);
        } else {
            at(grid, cell)->setFocus();
        }
        const QKeyCombination typed = QKeyCombination::fromCombined(key);
        support::key(QApplication::focusWidget(), typed.key(), typed.keyboardModifiers());
        QCOMPARE(QApplication::focusWidget(), at(toGrid, to));
        // The sink keeps every other key: Tab still leads to A1.
        if (sink) {
            gioco.pctfocus->setFocus();
            support::key(gioco.pctfocus, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), gioco.cmdat[1]);
        }
    }

    // Cell 5 of each grid, pressed by Space held down and let go, or by the press action of
    // assistive technology (switch access, voice control): it does what a click does, once, and
    // Space acts on its release as on the toolkit's buttons, never on the keyboard's repeats.
    void cellsArePressedAsButtons_data()
    {
        QTest::addColumn<int>("grid"); // placement, attack, defence
        QTest::addColumn<bool>("space");
        for (const int grid : {0, 1, 2})
            for (const bool space : {true, false})
                QTest::addRow("%s, %s", QList{"placement", "attack", "defence"}[grid],
                              space ? "Space held" : "press action")
                    << grid << space;
    }
    void cellsArePressedAsButtons()
    {
        QFETCH(int, grid);
        QFETCH(bool, space);
        frmgioco &gioco = support::startedGame();
        frmimposta &imposta = frmimposta::get();
        imposta.showForm();
        support::settle(); // the placement window takes the focus once the call is done
        QWidget *cell = QList<QWidget *>{imposta.lblimp[5], gioco.cmdat[5], gioco.cmddi[5]}[grid];
        QVERIFY(support::activate(cell));
        cell->setFocus();
        const auto state = [&] {
            return QStringList{imposta.lblcom->text(), gioco.lblaiuto->text(),
                               QApplication::focusWidget()->window()->objectName() + u'/' +
                                   QApplication::focusWidget()->objectName()};
        };
        const QStringList before = state();
        if (space) {
            const auto type = [](bool press, bool repeat) {
                QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space, {},
                                QStringLiteral(" "), repeat);
                QApplication::sendEvent(QApplication::focusWidget(), &event);
            };
            type(true, false);
            for (const bool press : {false, true, false, true, false, true})
                type(press, true); // the keyboard's repeats
            QCOMPARE(state(), before);
            type(false, false);
        } else {
            accessible(cell)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        }
        // A ship taken away, and the focus left where it was; a shot; the focus alone.
        QTRY_COMPARE(state(),
                     (QStringList{grid == 0 ? texts::placementCounter(1) : texts::placementDone,
                                  grid == 1 ? texts::aiutoWait : texts::aiutoYourTurn,
                                  grid == 0 ? QStringLiteral("frmimposta/cell5")
                                            : QStringLiteral("frmgioco/pctfocus")}));
    }

    // A whole game with keys only, from the start-up window to "Sì": the fleet placed cell by
    // cell, every shot fired from the focus sink with the arrows and Space, and every step told
    // to the screen reader in the program's own words.
    void aWholeGameWithTheKeyboardOnly()
    {
        frminizio &splash = frminizio::get();
        splash.showForm();
        for (int tick = 0; tick < 4; ++tick)
            splash.tempoTimer();
        frmgioco &gioco = frmgioco::get();
        QVERIFY(gioco.isVisible());
        QSignalSpy told(&platform::Announcer::instance(), &platform::Announcer::announced);
        const auto lastTold = [&told] {
            return told.isEmpty() ? QString() : told.last()[0].toString();
        };
        platform::Announcer::instance().settle->setInterval(0);
        QVERIFY(support::activate(&gioco));
        gioco.pctfocus->setFocus();
        keys(&gioco, {Qt::Key_F1});
        frmimposta &imposta = frmimposta::get();
        QVERIFY(imposta.isVisible());
        QVERIFY(support::activate(&imposta));
        QCOMPARE(QApplication::focusWidget(), imposta.cmdcasuale);
        // Past the buttons, the grid: the first row and A2, B2, by Space and the arrows.
        keys(&imposta, {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab}); // OK is not yet enabled
        for (int cell = 1; cell <= 12; ++cell) {
            QCOMPARE(QApplication::focusWidget(), imposta.lblimp[cell]);
            keys(&imposta, {Qt::Key_Space});
            QCOMPARE(told.size(), cell);
            QCOMPARE(lastTold(),
                     texts::placementReport(cell, QStringLiteral("nave"), imposta.lblcom->text()));
            keys(&imposta, arrowsBetween(cell, cell + 1));
        }
        QCOMPARE(imposta.lblcom->text(), texts::placementDone);
        keys(&imposta, {Qt::Key_Return});
        QVERIFY(!imposta.isVisible());
        QTRY_COMPARE(lastTold(), texts::aiutoFleetReady);
        QVERIFY(support::activate(&gioco));
        support::script().queueCells(support::computerFleet);
        keys(&gioco, {Qt::Key_F2});
        QTRY_COMPARE(lastTold(), texts::aiutoYourTurn);
        QCOMPARE(support::cellsColoured(gioco.cmddi, colours::ownShip), support::playerFleet);

        // The player sinks the computer's ships one after the other, the computer misses.
        const QList<int> water = support::cellsOtherThan(support::playerFleet);
        int from = 1;
        keys(&gioco, {Qt::Key_Tab});
        for (int shot = 0; shot < 12; ++shot) {
            const int target = support::computerFleet[shot];
            keys(&gioco, arrowsBetween(from, target));
            QCOMPARE(QApplication::focusWidget(), gioco.cmdat[target]);
            keys(&gioco, {Qt::Key_Space});
            QCOMPARE(QApplication::focusWidget(), gioco.pctfocus);
            QCOMPARE(gioco.cmdat[target]->backColour(), colours::hit);
            const bool last = shot == 11;
            QCOMPARE(lastTold(), texts::shotReport(QStringLiteral("Attacco"), target,
                                                   QStringLiteral("Colpito!"),
                                                   last ? QString() : texts::aiutoWait));
            if (!last) {
                support::script().queueCells({water[shot]});
                QVERIFY(support::computerTurn());
                QCOMPARE(lastTold(),
                         texts::shotReport(QStringLiteral("Difesa"), water[shot],
                                           QStringLiteral("Acqua..."), texts::aiutoYourTurn));
            }
            from = target;
        }
        QCOMPARE(told.size(), 12 + 2 + 12 + 11);
        QVERIFY(frmvinto::isLoaded() && frmvinto::get().isVisible());
        // Enter on "Sì", which has the focus, starts over.
        QVERIFY(support::activate(&frmvinto::get()));
        QCOMPARE(QApplication::focusWidget(), frmvinto::get().cmdsi);
        keys(&frmvinto::get(), {Qt::Key_Return});
        QVERIFY(!frmvinto::isLoaded());
        QCOMPARE(frmgioco::get().lblaiuto->text(), texts::aiutoNoFleet);
        QCOMPARE(support::record().endRequests, 0);
    }

    // The computer's winning shot is told without a turn to follow. The placement window tells
    // its counter whichever button changed it; and, one voice for every window, the first of them
    // drops the main window's message that still waits for the restart's changes to pass.
    void theLostGameAndThePlacementButtonsAreTold()
    {
        platform::Announcer &announcer = platform::Announcer::instance();
        QSignalSpy told(&announcer, &platform::Announcer::announced);
        frmgioco &gioco = support::lostGame();
        QCOMPARE(told.last().first().toString(),
                 texts::shotReport(QStringLiteral("Difesa"), 12, QStringLiteral("Colpito!"), {}));
        told.clear();
        announcer.settle->setInterval(60000);
        support::key(&gioco, Qt::Key_F3);
        support::key(&gioco, Qt::Key_F1);
        frmimposta &imposta = frmimposta::get();
        support::click(imposta.cmdcasuale);
        support::click(imposta.cmdcancella);
        announcer.settle->setInterval(0); // what still waits is told now
        QTRY_VERIFY(!announcer.settle->isActive());
        QCOMPARE(told.size(), 2);
        QCOMPARE(told[0].first().toString(), texts::placementDone);
        QCOMPARE(told[1].first().toString(), texts::placementCounter(12));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        // Before the toolkit's announcements, notifications that show are what is read out, in
        // turn: the next message leaves the one before as it was, for a screen reader that lags.
        QStringList held;
        for (const QLabel *label : imposta.notice->findChildren<QLabel *>()) {
            QCOMPARE(accessible(label->parentWidget())->role(), QAccessible::Notification);
            held.append(label->text());
        }
        QVERIFY2(held.contains(texts::placementDone) && held.contains(texts::placementCounter(12)),
                 qPrintable(held.join(u'|')));
#else
        // The toolkit's announcements, polite: a screen reader speaks each after what it is
        // saying, rather than over it.
        static QList<QAccessible::AnnouncementPoliteness> sent;
        const auto bridge = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (event->type() == QAccessible::Announcement)
                sent.append(static_cast<QAccessibleAnnouncementEvent *>(event)->politeness());
        });
        support::click(imposta.cmdcasuale);
        QAccessible::installUpdateHandler(bridge);
        QCOMPARE(sent, QList{QAccessible::AnnouncementPoliteness::Polite});
#endif
    }
};

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
