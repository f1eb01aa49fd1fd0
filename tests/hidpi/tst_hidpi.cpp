// The windows on a screen of twice the usual density (run with QT_SCALE_FACTOR=2): the layout
// stays as designed, in logical pixels, and the drawings are rendered from their source at
// the device pixel ratio rather than blown up.
#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "platform/twips.h"
#include "resources/pictures.h"
#include "shell/frminizio.h"
#include "shell/frmpratiche.h"
#include "shell/frmvinto.h"
#include "support.h"

#include <QApplication>
#include <QPainter>
#include <QWindow>

using platform::twipsRect;

namespace {

// Mean squared difference between neighbouring pixels: soft, blown-up edges score low.
double sharpness(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_Grayscale8);
    double energy = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const int here = image.pixelColor(x, y).value();
            const int right = image.pixelColor(x + 1, y).value() - here;
            const int below = image.pixelColor(x, y + 1).value() - here;
            energy += right * right + below * below;
        }
    return energy / (double(image.width()) * image.height());
}

// A drawing over a plain background, as `widget` shows it at the screen's pixel ratio.
QImage shown(QWidget *widget)
{
    QImage image(widget->size() * widget->devicePixelRatioF(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(widget->devicePixelRatioF());
    image.fill(Qt::white);
    widget->render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

} // namespace

class HighDensityTest : public QObject {
    Q_OBJECT

private slots:
    void init() { support::freshStart(); }
    void cleanup() { support::releaseAll(); }

    void windowsKeepTheirLayout()
    {
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        QCOMPARE(gioco.devicePixelRatioF(), 2.0);
        QCOMPARE(gioco.client()->size(), QSize(792, 530));
        QCOMPARE(support::placeIn(gioco.client(), gioco.cmdat[1]), twipsRect(960, 1920, 495, 495));
        QCOMPARE(support::placeIn(gioco.client(), gioco.cmddi[100]),
                 twipsRect(11160, 6240, 495, 495));
        QCOMPARE(gioco.lblaiuto->geometry(), twipsRect(120, 7440, 6015, 375));
        QCOMPARE(gioco.windowHandle()->size(), gioco.size());

        support::key(&gioco, Qt::Key_F1);
        frmimposta &imposta = frmimposta::get();
        QCOMPARE(imposta.size(), platform::twipsSize(5055, 6015));
        QCOMPARE(support::placeIn(imposta.client(), imposta.lblimp[100]),
                 twipsRect(720 + 9 * 360, 1320 + 9 * 360, 375, 375));
        QCOMPARE(frminizio::get().size(), platform::twipsSize(7470, 8115));
        QCOMPARE(frmvinto::get().cmdno->geometry(), twipsRect(4560, 2160, 1215, 495));
        QCOMPARE(frmpratiche::get().pct->geometry(), twipsRect(4560, 2400, 495, 495));
    }

    void drawingsAreRenderedAtTheDevicePixelRatio()
    {
        frmgioco &gioco = frmgioco::get();
        gioco.showForm();
        const platform::Picture title = pictures::picture(pictures::Id::attackTitle);
        const QImage sharp = shown(gioco.Image1);
        QCOMPARE(sharp.size(), gioco.Image1->size() * 2);

        // The same drawing rendered for an ordinary screen and blown up to the same size.
        QImage blownUp(gioco.Image1->size(), QImage::Format_ARGB32);
        blownUp.fill(Qt::white);
        QPainter painter(&blownUp);
        painter.drawImage(0, 0, platform::renderDrawing(title.source(), title.size(), 1.0));
        painter.end();
        blownUp = blownUp.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

        const double ratio = sharpness(sharp) / sharpness(blownUp);
        QVERIFY2(ratio > 1.4, qPrintable(QString::number(ratio)));
    }

    void markingsAndIconsToo()
    {
        frmgioco &gioco = frmgioco::get();
        const QPixmap hit = gioco.pct->picture().pixmap(QSize(32, 32), 2.0);
        QCOMPARE(hit.size(), QSize(64, 64));
        QCOMPARE(hit.devicePixelRatio(), 2.0);
        // The icon's own pixels at this density, not its ordinary ones blown up.
        const QPixmap icon = pictures::windowIcon().pixmap(QSize(32, 32), 2.0);
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(icon.toImage().convertToFormat(QImage::Format_ARGB32),
                 pictures::picture(pictures::Id::anchorIcon)
                     .pixmap(QSize(32, 32), 2.0)
                     .toImage()
                     .convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(HighDensityTest)
#include "tst_hidpi.moc"
