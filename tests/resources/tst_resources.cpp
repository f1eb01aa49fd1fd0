#include "game/frmgioco.h"
#include "platform/twips.h"
#include "resources/pictures.h"
#include "support.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>

using pictures::Id;

namespace {

bool isDrawing(Id id)
{
    return pictures::picture(id).source().endsWith(QLatin1String(".svg"));
}

} // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { support::freshStart(); }
    void cleanup() { support::releaseAll(); }

    void everyPicture_data()
    {
        QTest::addColumn<int>("id");
        for (int i = 0; i < pictures::count; ++i)
            QTest::newRow(qPrintable(pictures::name(Id(i)))) << i;
    }
    void everyPicture()
    {
        QFETCH(int, id);
        const platform::Picture picture = pictures::picture(Id(id));
        const QSize twips = pictures::naturalTwips(Id(id));
        QVERIFY(QFile::exists(picture.source()));
        QCOMPARE(picture.size(), platform::twipsSize(twips));
        const QImage image =
            picture.pixmap(picture.size(), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), picture.size());
        int opaque = 0;
        int clear = 0;
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                opaque += qAlpha(pixel) == 255;
                clear += qAlpha(pixel) == 0;
                colours.insert(pixel);
            }
        QVERIFY2(opaque > image.width() * image.height() / 50, "hardly anything drawn");
        QVERIFY2(colours.size() > 8, "a flat picture");
        if (Id(id) == Id::seascape) {
            QCOMPARE(clear, 0);
            QVERIFY(colours.size() > 5000);
            return;
        }
        // Drawings and icons let the window show through around their subject.
        QVERIFY2(clear > image.width() * image.height() / 20, "no transparent background");

        QSvgRenderer renderer(picture.source());
        QVERIFY(renderer.isValid());
        QVERIFY(std::abs(renderer.viewBoxF().width() - twips.width() / 15.0) < 0.01);
        QVERIFY(std::abs(renderer.viewBoxF().height() - twips.height() / 15.0) < 0.01);
    }

    // Drawings keep to what every renderer draws alike: no fonts, filters, masks or styles.
    void drawingsArePlainShapes()
    {
        const QRegularExpression forbidden(
            QStringLiteral("<(text|style|filter|mask|clipPath|pattern|image|script)\\b|xlink:"));
        for (int i = 0; i < pictures::count; ++i) {
            if (!isDrawing(Id(i)))
                continue;
            QFile file(pictures::picture(Id(i)).source());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString content = QString::fromUtf8(file.readAll());
            QVERIFY2(!content.contains(forbidden), qPrintable(pictures::name(Id(i))));
            QVERIFY(content.contains(QLatin1String("baseProfile=\"tiny\"")));
        }
    }

    // What the build rendered ahead of time equals a render of the drawing as it is now.
    void prerenderedDrawingsMatchTheirSource()
    {
        const platform::Picture anchor = pictures::picture(Id::anchorIcon);
        QList<std::tuple<platform::Picture, QSize, qreal>> images = {{anchor, {16, 16}, 1},
                                                                     {anchor, {48, 48}, 1}};
        for (int i = 0; i < pictures::count; ++i)
            for (const qreal ratio : {1.0, 2.0})
                if (const platform::Picture drawing = pictures::picture(Id(i)); isDrawing(Id(i)))
                    images.append({drawing, drawing.size(), ratio});
        for (const auto &[picture, size, ratio] : images) {
            QImage live(size * ratio, QImage::Format_ARGB32_Premultiplied);
            live.fill(Qt::transparent);
            QPainter painter(&live);
            painter.setRenderHint(QPainter::Antialiasing);
            QSvgRenderer(picture.source()).render(&painter, live.rect());
            painter.end();
            const QString stored = platform::prerenderedPath(picture.source(), size, ratio);
            QVERIFY2(QImage(stored).convertToFormat(live.format()) == live, qPrintable(stored));
        }
    }

    void drawingsShrinkToSmallerBoxesKeepingTheirShape()
    {
        const platform::Picture winner = pictures::picture(Id::winner);
        QImage box(platform::twipsSize(2295, 2415), QImage::Format_ARGB32);
        box.fill(Qt::transparent);
        QPainter painter(&box);
        winner.drawInBox(painter, box.rect());
        painter.end();
        // The drawing is 251 x 253: shrunk to the box's width, its height follows.
        int lowest = 0;
        int rightmost = 0;
        for (int y = 0; y < box.height(); ++y)
            for (int x = 0; x < box.width(); ++x)
                if (qAlpha(box.pixel(x, y)) > 0) {
                    lowest = std::max(lowest, y);
                    rightmost = std::max(rightmost, x);
                }
        QVERIFY(rightmost >= box.width() - 3);
        QVERIFY(lowest < 156 && lowest > 145);
    }

    void markingsOnTheCellsAreTheHoldersPictures()
    {
        frmgioco &gioco = frmgioco::get();
        QCOMPARE(gioco.pct->picture(), pictures::picture(Id::hitSymbol));
        QCOMPARE(gioco.pct2->picture(), pictures::picture(Id::missSymbol));
        support::startedGame();
        support::click(gioco.cmdat[14]);
        support::script().queueCells({50});
        QVERIFY(support::computerTurn());
        support::click(gioco.cmdat[90]);
        support::script().queueCells({1});
        QVERIFY(support::computerTurn());
        QCOMPARE(gioco.cmdat[14]->picture(), gioco.pct->picture());
        QCOMPARE(gioco.cmdat[90]->picture(), gioco.pct2->picture());
        QCOMPARE(gioco.cmddi[1]->picture(), gioco.pct->picture());
        QCOMPARE(gioco.cmddi[50]->picture(), gioco.pct2->picture());
        // And what a cell shows is that picture over the marking's colour.
        const QImage cell = gioco.cmdat[14]->grab().toImage();
        const QImage symbol = gioco.pct->picture().pixmap(QSize(32, 32), 1.0).toImage();
        const QPoint centre = cell.rect().center();
        QCOMPARE(cell.pixelColor(centre), QColor(symbol.pixel(QPoint(16, 16))).toRgb());
    }
};

QTEST_MAIN(ResourcesTest)
#include "tst_resources.moc"
