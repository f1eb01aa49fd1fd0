// The game for players who use a screen reader or no mouse: accessible names and states, the
// keyboard alone from the start-up window to the end of a game, and the arrow keys in the grids.
#include "computer/frmcomputer.h"
#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "platform/form.h"
#include "platform/gridnavigation.h"
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
#include <QMenu>
#include <QTimer>

namespace {

const QList<int> computerFleet = {3, 14, 25, 36, 47, 58, 69, 70, 81, 92, 99, 100};

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
    exposed.append(QString::number(face->childCount()));
    return exposed;
}

void keys(QWidget *widget, const QList<Qt::Key> &sequence)
{
    for (const Qt::Key key : sequence)
        support::key(QApplication::focusWidget() ? QApplication::focusWidget() : widget, key);
}

// From the focus sink after a shot: Tab reaches cell 1, the arrows go on to `cell`.
void fireWithKeys(frmgioco &gioco, int cell)
{
    QCOMPARE(QApplication::focusWidget(), gioco.pctfocus);
    keys(&gioco, {Qt::Key_Tab});
    QCOMPARE(QApplication::focusWidget(), gioco.cmdat[1]);
    for (int row = 0; row < (cell - 1) / 10; ++row)
        keys(&gioco, {Qt::Key_Down});
    for (int column = 0; column < (cell - 1) % 10; ++column)
        keys(&gioco, {Qt::Key_Right});
    QCOMPARE(QApplication::focusWidget(), gioco.cmdat[cell]);
    keys(&gioco, {Qt::Key_Space});
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT

private slots:
    void init() { support::freshStart(); }
    void cleanup() { support::releaseAll(); }

    void cellsAreNamedAndTellTheirState()
    {
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        QCOMPARE(accessible(gioco.cmdat[1])->text(QAccessible::Name), QStringLiteral("A1"));
        QCOMPARE(accessible(gioco.cmddi[100])->text(QAccessible::Name), QStringLiteral("L10"));
        QCOMPARE(accessible(gioco.cmdat[91])->role(), QAccessible::Button);
        support::startGame({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, computerFleet);
        const auto state = [](QWidget *cell) {
            return accessible(cell)->text(QAccessible::Description);
        };
        QCOMPARE(state(gioco.cmddi[1]), QStringLiteral("nave"));
        QCOMPARE(state(gioco.cmddi[50]), QStringLiteral("acqua"));
        QCOMPARE(state(gioco.cmdat[3]), QStringLiteral("non ancora colpito"));
        support::click(gioco.cmdat[3]);
        QCOMPARE(state(gioco.cmdat[3]), QStringLiteral("colpito"));
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
        QCOMPARE(state(gioco.cmdat[3]), QStringLiteral("non ancora colpito"));
        QCOMPARE(state(gioco.cmddi[1]), QStringLiteral("acqua"));
    }

    void attackGridRevealsNoShip()
    {
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        support::startGame({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, computerFleet);
        // A cell over a ship and one over water, in the same row, look the same to a reader.
        QVERIFY(gioco.cmdat[3]->shipFlag && !gioco.cmdat[4]->shipFlag);
        QStringList overShip = everythingExposed(gioco.cmdat[3]);
        QStringList overWater = everythingExposed(gioco.cmdat[4]);
        overShip.removeFirst(); // the names differ: C1 and D1
        overWater.removeFirst();
        QCOMPARE(overShip, overWater);
        // Nor does the hidden window of the computer's fleet show to assistive technology.
        QAccessibleInterface *application = accessible(qApp);
        for (int i = 0; i < application->childCount(); ++i) {
            QAccessibleInterface *window = application->child(i);
            QVERIFY(window->object() != &frmcomputer::get());
        }
        for (const auto *cell : frmcomputer::get().lblcomp)
            QVERIFY(cell->accessibleName().isEmpty() && cell->accessibleDescription().isEmpty());
    }

    void labelsExposeTheirTexts()
    {
        frmgioco &gioco = frmgioco::get();
        QCOMPARE(accessible(gioco.lblaiuto)->text(QAccessible::Name), texts::aiutoNoFleet);
        support::placeFleet({11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22});
        QCOMPARE(accessible(gioco.lblaiuto)->text(QAccessible::Name), texts::aiutoFleetReady);
        frmimposta &imposta = frmimposta::get();
        QCOMPARE(accessible(imposta.lblcom)->text(QAccessible::Name), texts::placementDone);
        QCOMPARE(accessible(imposta.lblimp[12])->text(QAccessible::Name), QStringLiteral("B2"));
        QCOMPARE(accessible(imposta.lblimp[12])->text(QAccessible::Description),
                 QStringLiteral("nave"));
        QCOMPARE(accessible(imposta.lblimp[1])->text(QAccessible::Description),
                 QStringLiteral("acqua"));
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
    }
    void arrowsMoveWithinAGridAndWrap()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        QCOMPARE(platform::GridNavigation::neighbour(from, key), to);
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        support::startGame({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, computerFleet);
        for (const bool attack : {true, false}) {
            QWidget *start = attack ? static_cast<QWidget *>(gioco.cmdat[from]) : gioco.cmddi[from];
            QWidget *end = attack ? static_cast<QWidget *>(gioco.cmdat[to]) : gioco.cmddi[to];
            start->setFocus();
            support::key(start, Qt::Key(key));
            QCOMPARE(QApplication::focusWidget(), end);
        }
        // The arrows move the focus only: nothing was fired.
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);
    }

    void aWholeGameWithTheKeyboardOnly()
    {
        frminizio &splash = frminizio::get();
        splash.showForm();
        for (int tick = 0; tick < 4; ++tick)
            splash.tempoTimer();
        frmgioco &gioco = frmgioco::get();
        QVERIFY(gioco.isVisible());
        QApplication::setActiveWindow(&gioco);
        gioco.pctfocus->setFocus();
        keys(&gioco, {Qt::Key_F1});
        frmimposta &imposta = frmimposta::get();
        QVERIFY(imposta.isVisible());
        QApplication::setActiveWindow(&imposta);
        QCOMPARE(QApplication::focusWidget(), imposta.cmdcasuale);
        support::script().queueCells({91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 90, 80});
        keys(&imposta, {Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget(), imposta.cmdok);
        keys(&imposta, {Qt::Key_Return});
        QVERIFY(!imposta.isVisible());
        QApplication::setActiveWindow(&gioco);
        support::script().queueCells(computerFleet);
        keys(&gioco, {Qt::Key_F2});
        QCOMPARE(gioco.lblaiuto->text(), texts::aiutoYourTurn);

        // The player fires at the computer's ships one after the other; the computer misses.
        for (int shot = 0; shot < 12; ++shot) {
            fireWithKeys(gioco, computerFleet[shot]);
            QCOMPARE(gioco.cmdat[computerFleet[shot]]->backColour(), colours::hit);
            if (shot < 11) {
                support::script().queueCells({shot + 1});
                QVERIFY(support::computerTurn());
            }
        }
        QVERIFY(frmvinto::isLoaded() && frmvinto::get().isVisible());
        // Enter on "Sì", which has the focus, starts over.
        QApplication::setActiveWindow(&frmvinto::get());
        QCOMPARE(QApplication::focusWidget(), frmvinto::get().cmdsi);
        keys(&frmvinto::get(), {Qt::Key_Return});
        QVERIFY(!frmvinto::isLoaded());
        QCOMPARE(frmgioco::get().lblaiuto->text(), texts::aiutoNoFleet);
        QCOMPARE(support::record().endRequests, 0);
    }
};

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
