// Usage: contactsheet OUTPUT.png [RATIO]
// Draws the seventeen pictures at their natural size (times RATIO, 1 by default) on a
// checkerboard that shows their transparent parts, each with its name and size.
#include "resources/pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [RATIO]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    const qreal ratio = argc > 2 ? QByteArray(argv[2]).toDouble() : 1.0;

    constexpr int margin = 16;
    constexpr int caption = 18;
    constexpr int sheetWidth = 1700;
    // Lay the pictures out in rows, the seascape on a row of its own.
    struct Placed {
        pictures::Id id;
        QRect box;
    };
    QList<Placed> placed;
    int x = margin, y = margin, rowHeight = 0;
    for (int i = 0; i < pictures::count; ++i) {
        const auto id = pictures::Id(i);
        const QSize size = pictures::picture(id).size();
        const int width = std::max(size.width(), 150);
        if (x + width + margin > sheetWidth) {
            x = margin;
            y += rowHeight + caption + margin;
            rowHeight = 0;
        }
        placed.append({id, QRect(QPoint(x, y + caption), size)});
        x += width + margin;
        rowHeight = std::max(rowHeight, size.height());
    }
    const int sheetHeight = y + rowHeight + caption + margin;

    QImage sheet(QSize(sheetWidth, sheetHeight) * ratio, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(QColor(250, 250, 250));
    QPainter painter(&sheet);
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    for (const auto &[id, box] : placed) {
        for (int cy = box.top(); cy < box.bottom(); cy += 8)
            for (int cx = box.left(); cx < box.right(); cx += 8)
                painter.fillRect(QRect(cx, cy, 8, 8).intersected(box),
                                 ((cx - box.left()) / 8 + (cy - box.top()) / 8) % 2
                                     ? QColor(200, 200, 200)
                                     : QColor(235, 235, 235));
        pictures::picture(id).draw(painter, box.topLeft());
        const QSize twips = pictures::naturalTwips(id);
        painter.setPen(Qt::black);
        painter.drawText(QRect(box.left(), box.top() - caption, 400, caption), Qt::AlignVCenter,
                         QStringLiteral("%1  %2x%3 px  (%4x%5 twips)")
                             .arg(pictures::name(id))
                             .arg(box.width())
                             .arg(box.height())
                             .arg(twips.width())
                             .arg(twips.height()));
    }
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
