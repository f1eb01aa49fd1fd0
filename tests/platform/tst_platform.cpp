#include "platform/colour.h"
#include "platform/dialog.h"
#include "platform/form.h"
#include "platform/graphicbutton.h"
#include "platform/label.h"
#include "platform/random.h"
#include "platform/system.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "support.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <cmath>
#include <optional>

using namespace platform;

// A window kind of the tests' own, to drive the window model without the game.
class frmprova : public Form<frmprova, Dialog> {
public:
    QPushButton *cmdchiudi;
    QPushButton *cmdannulla;
    Label *lbltesto;
    static inline int loads = 0;
    static inline int unloads = 0;

protected:
    void load() override
    {
        ++loads;
        place(centred);
    }
    void unload() override { ++unloads; }

private:
    frmprova()
        : Form({QStringLiteral("frmprova"), QStringLiteral("Prova"), Frame::FixedDialog,
                QSize(300, 120)})
    {
        lbltesto = new Label(client(), QRect(10, 10, 200, 20), QStringLiteral("come progettato"));
        cmdchiudi = new QPushButton(QStringLiteral("&Chiudi"), client());
        cmdchiudi->setGeometry(10, 60, 80, 25);
        // Unloads its own window, then goes on using it, as handlers may.
        connect(cmdchiudi, &QPushButton::clicked, this, [this] {
            unloadForm();
            lbltesto->setText(QStringLiteral("dopo"));
        });
        cmdannulla = new QPushButton(QStringLiteral("A&nnulla"), client());
        cmdannulla->setGeometry(100, 60, 80, 25);
    }
    friend Form;
};

// Counts the moves of a window to another place.
struct MoveCount : QObject {
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Move) {
            const auto *move = static_cast<QMoveEvent *>(event);
            count += move->pos() != move->oldPos();
        }
        return false;
    }
};

class PlatformTest : public QObject {
    Q_OBJECT
    bool framed = false; // whether the window system has framed the windows, to the tests

private slots:
    void init()
    {
        support::freshStart();
        frmprova::loads = 0;
        frmprova::unloads = 0;
    }
    void cleanup() { support::releaseAll(); }

    void firstUseOfAControlLoadsTheWindowOnce()
    {
        QVERIFY(!frmprova::isLoaded());
        QCOMPARE(frmprova::get().lbltesto->text(), QStringLiteral("come progettato"));
        QVERIFY(frmprova::isLoaded());
        QCOMPARE(frmprova::loads, 1);
        QCOMPARE(&frmprova::get(), &frmprova::get());
        QCOMPARE(frmprova::loads, 1);
        QCOMPARE(FormRegistry::instance().loaded().size(), 1);
    }

    void unloadThenUseGivesAFreshWindow()
    {
        frmprova::get().lbltesto->setText(QStringLiteral("cambiato"));
        QPointer<frmprova> old = &frmprova::get();
        frmprova::unloadForm();
        QCOMPARE(frmprova::unloads, 1);
        QVERIFY(!frmprova::isLoaded());
        QVERIFY(old->isHidden());
        QCOMPARE(frmprova::get().lbltesto->text(), QStringLiteral("come progettato"));
        QVERIFY(&frmprova::get() != old.data());
        QCOMPARE(frmprova::loads, 2);
        support::settle();
        QVERIFY(old.isNull());
        // A window deleted by any other path is forgotten as well.
        delete &frmprova::get();
        QVERIFY(!frmprova::isLoaded() && FormRegistry::instance().loaded().isEmpty());
    }

    void unloadFromTheWindowsOwnHandler()
    {
        frmprova::get().showForm();
        QPointer<frmprova> old = &frmprova::get();
        support::click(old->cmdchiudi);
        QCOMPARE(frmprova::unloads, 1);
        QVERIFY(!frmprova::isLoaded());
        QVERIFY(!old.isNull());
        QCOMPARE(old->lbltesto->text(), QStringLiteral("dopo"));
        QVERIFY(!old->isVisible());
        support::settle();
        QVERIFY(old.isNull());
        QCOMPARE(frmprova::loads, 1);
    }

    void unloadingAnUnloadedWindowDoesNothing()
    {
        frmprova::unloadForm();
        QVERIFY(!frmprova::isLoaded());
        QCOMPARE(frmprova::loads, 0);
        QCOMPARE(frmprova::unloads, 0);
        frmprova::get();
        frmprova::unloadForm();
        frmprova::unloadForm();
        QCOMPARE(frmprova::unloads, 1);
    }

    void closeBoxTakesTheUnloadPath()
    {
        frmprova::get().showForm();
        QVERIFY(frmprova::get().close());
        QCOMPARE(frmprova::unloads, 1);
        QVERIFY(!frmprova::isLoaded());
    }

    void releaseRunsNoUnloadHandler()
    {
        frmprova::get().showForm();
        support::releaseAll();
        QVERIFY(!frmprova::isLoaded());
        QCOMPARE(frmprova::unloads, 0);
        QCOMPARE(FormRegistry::instance().loaded().size(), 0);
    }

    // A window centres by its outer size. With the frame that the window manager tells before
    // the window maps, or with the last frame seen round a window of its kind, it is placed
    // once, where it stays; else it moves once the window system has framed it. Shown again, it
    // stays where it was put.
    void windowsCentreByTheirOuterSize_data()
    {
        QTest::addColumn<bool>("framedWhenPlaced");
        QTest::addColumn<bool>("seenBefore");
        QTest::addColumn<int>("moves"); // once shown
        QTest::newRow("told before it maps") << true << false << 0;
        QTest::newRow("framed once shown") << false << false << 1;
        QTest::newRow("framed as the last one") << false << true << 0;
    }
    void windowsCentreByTheirOuterSize()
    {
        QFETCH(bool, framedWhenPlaced);
        QFETCH(bool, seenBefore);
        const QMargins frame(4, 30, 4, 4);
        setFrameSource([this, frame](const QWidget *) { return framed ? frame : QMargins(); });
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        if (seenBefore) {
            framed = false;
            frmprova::get();
            framed = true;
            frmprova::get().showForm();
            frmprova::unloadForm();
        }
        framed = framedWhenPlaced;
        frmprova &window = frmprova::get();
        const QPoint byOuterSize = centred(screen, window.size().grownBy(frame));
        QCOMPARE(window.pos(),
                 framedWhenPlaced || seenBefore ? byOuterSize : centred(screen, window.size()));
        MoveCount moves;
        window.installEventFilter(&moves);
        framed = true;
        window.showForm();
        QCOMPARE(window.pos(), byOuterSize);
        QTEST(moves.count, "moves");
        window.move(5, 7);
        window.hide();
        window.showForm();
        QCOMPARE(window.pos(), QPoint(5, 7));
    }

    void windowSystemIsX11WhereverADisplayIsSet_data()
    {
        QTest::addColumn<QByteArray>("chosen");  // QT_QPA_PLATFORM
        QTest::addColumn<QByteArray>("display"); // DISPLAY
        QTest::addColumn<QByteArray>("asked");
        QTest::newRow("an X display")
            << QByteArray() << QByteArray(":0") << QByteArray("xcb;wayland");
        QTest::newRow("Wayland alone") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("the user's choice")
            << QByteArray("wayland") << QByteArray(":0") << QByteArray();
    }
    void windowSystemIsX11WhereverADisplayIsSet()
    {
        QFETCH(QByteArray, chosen);
        QFETCH(QByteArray, display);
        // The environment as it was, unset variables unset, for the tests that follow.
        const auto saved = [](const char *name) {
            return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
        };
        const auto restore = [](const char *name, const std::optional<QByteArray> &value) {
            value ? qputenv(name, *value) : qunsetenv(name);
        };
        const std::optional<QByteArray> wasChosen = saved("QT_QPA_PLATFORM");
        const std::optional<QByteArray> wasDisplay = saved("DISPLAY");
        qputenv("QT_QPA_PLATFORM", chosen);
        qputenv("DISPLAY", display);
        const QByteArray asked = preferredWindowSystems();
        restore("QT_QPA_PLATFORM", wasChosen);
        restore("DISPLAY", wasDisplay);
        QTEST(asked, "asked");
    }

    void centringComputesInSinglePrecision()
    {
        QCOMPARE(centred(QSize(1280, 1024), QSize(800, 600)), QPoint(240, 212));
        // A window wider than the screen overhangs both sides alike.
        QCOMPARE(centred(QSize(640, 480), QSize(800, 600)), QPoint(-80, -60));
    }

    // What the handler does after closing the window: nothing more; release every window, as
    // the program does once its event loop is over; or end the program, hiding every window.
    void programEndsAfterTheLastVisibleWindowCloses_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<int>("endRequests");
        QTest::newRow("nothing more") << QString() << 1;
        QTest::newRow("every window released") << QStringLiteral("release") << 0;
        QTest::newRow("the end under way") << QStringLiteral("end") << 0;
    }
    void programEndsAfterTheLastVisibleWindowCloses()
    {
        QFETCH(QString, then);
        frmprova::get().showForm();
        frmprova::get().close();
        if (then == QLatin1String("release"))
            FormRegistry::instance().releaseAll();
        else if (then == QLatin1String("end"))
            FormRegistry::instance().hideAllForEnd();
        // Never inside the handler that hid the window...
        QCOMPARE(support::record().endRequests, 0);
        support::settle();
        // ...but once that event has been handled, if nothing has made the check moot.
        QTEST(support::record().endRequests, "endRequests");
    }

    void aMomentWithoutVisibleWindowWithinOneHandlerDoesNotEnd()
    {
        frmprova::get().showForm();
        frmprova::unloadForm();
        frmprova::get().showForm();
        support::settle();
        QCOMPARE(support::record().endRequests, 0);
        frmprova::get().hide();
        support::settle();
        QCOMPARE(support::record().endRequests, 1);
    }

    void escPressesTheCancelButtonOnly()
    {
        frmprova &window = frmprova::get();
        window.showForm();
        QSignalSpy cancelled(window.cmdannulla, &QPushButton::clicked);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 0);
        QVERIFY(window.isVisible());
        window.setCancelButton(window.cmdannulla);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        window.cmdannulla->setEnabled(false);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        QVERIFY(window.isVisible());
    }

    void colourValues_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QColor>("expected");
        // The colours the windows store by name, with what they show.
        QTest::newRow("ship, red") << quint32(colours::ship) << QColor(255, 0, 0);
        QTest::newRow("blue") << quint32(colours::blue) << QColor(0, 0, 255);
        QTest::newRow("hit, light orange") << quint32(colours::hit) << QColor(255, 192, 128);
        QTest::newRow("miss, cyan") << quint32(colours::miss) << QColor(0, 255, 255);
        QTest::newRow("yellow") << quint32(colours::yellow) << QColor(255, 255, 0);
        const QPalette palette = QGuiApplication::palette();
        QTest::newRow("button face")
            << quint32(system::buttonFace) << palette.color(QPalette::Active, QPalette::Button);
        QTest::newRow("window background")
            << quint32(system::windowBackground) << palette.color(QPalette::Active, QPalette::Base);
        QTest::newRow("window text")
            << quint32(system::windowText) << palette.color(QPalette::Active, QPalette::Text);
        QTest::newRow("button text")
            << quint32(system::buttonText) << palette.color(QPalette::Active, QPalette::ButtonText);
    }
    void colourValues()
    {
        QFETCH(quint32, value);
        QFETCH(QColor, expected);
        QCOMPARE(toQColor(value), expected);
    }

    // Where the designed fonts are missing, free ones of the same kind stand in (Qt keeps the
    // names of substitutes in lower case).
    void designedFontsHaveStandIns()
    {
        QCOMPARE(QFont::substitute(QStringLiteral("Comic Sans MS")), QStringLiteral("comic neue"));
        QCOMPARE(QFont::substitute(QStringLiteral("Times New Roman")),
                 QStringLiteral("liberation serif"));
        QCOMPARE(QFont::substitute(QStringLiteral("MS Sans Serif")),
                 QStringLiteral("liberation sans"));
    }

    void systemColoursFollowThePalette()
    {
        const QPalette original = QGuiApplication::palette();
        QPalette changed = original;
        changed.setColor(QPalette::Button, QColor(1, 2, 3));
        QGuiApplication::setPalette(changed);
        const QColor face = toQColor(system::buttonFace);
        QGuiApplication::setPalette(original);
        QCOMPARE(face, QColor(1, 2, 3));
        QCOMPARE(rgbValue(255, 192, 128), ColourValue(0x80C0FF));
    }

    void twipsToPixels()
    {
        QCOMPARE(pixels(495), 33);
        QCOMPARE(pixels(480), 32);
        QCOMPARE(pixels(7), 0);
        QCOMPARE(pixels(8), 1);
        QCOMPARE(pixels(500), 33);
        QCOMPARE(pixels(-500), -33);
        QCOMPARE(twipsRect(960, 1920, 495, 495), QRect(64, 128, 33, 33));
    }

    void drawnCellsStayInTheGrid()
    {
        QCOMPARE(cellFromDraw(0.0f), 1);
        QCOMPARE(cellFromDraw(0.0099f), 1);
        QCOMPARE(cellFromDraw(0.01f), 2);
        QCOMPARE(cellFromDraw(0.995f), 100);
        QCOMPARE(cellFromDraw(std::nextafter(1.0f, 0.0f)), 100);
        // A value that rounded up to 1 must not give cell 101.
        QCOMPARE(cellFromDraw(float(0.999999999)), 100);
        QCOMPARE(cellFromDraw(1.0f), 100);
    }

    void clockSourceDrawsUniformlyAndReseedsApart()
    {
        setRandomSource(nullptr);
        RandomSource &source = platform::random();
        source.reseed();
        QList<float> first;
        for (int i = 0; i < 8; ++i)
            first.append(source.next());
        source.reseed();
        QList<float> second;
        for (int i = 0; i < 8; ++i)
            second.append(source.next());
        QVERIFY(first != second);
        QList<int> seen(101, 0);
        for (int i = 0; i < 20000; ++i) {
            const float r = source.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            ++seen[drawCell()];
        }
        QCOMPARE(seen[0], 0);
        for (int cell = 1; cell <= 100; ++cell)
            QVERIFY2(seen[cell] > 100, qPrintable(QString::number(cell)));
    }

    void graphicButtonIsARealButton()
    {
        QWidget parent;
        GraphicButton button(&parent, QRect(0, 0, 33, 33));
        button.setAccessibleName(QStringLiteral("A1"));
        parent.show();
        QSignalSpy clicks(&button, &QAbstractButton::clicked);
        button.setFocus();
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(clicks.count(), 1);
        support::click(&button);
        QCOMPARE(clicks.count(), 2);
        button.setEnabled(false);
        support::click(&button);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(button.accessibleName(), QStringLiteral("A1"));
        QCOMPARE(button.backColour(), system::buttonFace);
        button.setBackColour(0x80C0FF);
        QCOMPARE(button.backColour(), ColourValue(0x80C0FF));
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
