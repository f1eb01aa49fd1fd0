// Usage: contactsheet OUTPUT.png [RATIO [NAME]]
// Draws the seventeen pictures at their natural size (times RATIO, 1 by default) on a
// checkerboard that shows their transparent parts, each with its name and size. With NAME
// (a catalogue name such as "hit symbol") it draws that picture alone, for a close look.
#include "resources/pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int margin = 16;
constexpr int captionHeight = 32;
constexpr int minimumColumn = 190;
constexpr int sheetWidth = 1700;

struct Placed {
    pictures::Id id;
    QRect box;
};

// Lays the pictures out in rows from the top-left, each in a column wide enough for its
// caption; returns the height of the sheet.
int layOut(const QList<pictures::Id> &ids, QList<Placed> &placed)
{
    int x = margin, y = margin, rowHeight = 0;
    for (const auto id : ids) {
        const QSize size = pictures::picture(id).size();
        const int column = std::max(size.width(), minimumColumn);
        if (x > margin && x + column + margin > sheetWidth) {
            x = margin;
            y += captionHeight + rowHeight + margin;
            rowHeight = 0;
        }
        placed.append({id, QRect(QPoint(x, y + captionHeight), size)});
        x += column + margin;
        rowHeight = std::max(rowHeight, size.height());
    }
    return y + captionHeight + rowHeight + margin;
}

void drawChequers(QPainter &painter, const QRect &box)
{
    for (int cy = box.top(); cy <= box.bottom(); cy += 8)
        for (int cx = box.left(); cx <= box.right(); cx += 8)
            painter.fillRect(QRect(cx, cy, 8, 8).intersected(box),
                             ((cx - box.left()) / 8 + (cy - box.top()) / 8) % 2
                                 ? QColor(200, 200, 200)
                                 : QColor(235, 235, 235));
}

void drawCaption(QPainter &painter, const Placed &item)
{
    const QSize twips = pictures::naturalTwips(item.id);
    const QRect area(item.box.left(), item.box.top() - captionHeight, minimumColumn,
                     captionHeight - 2);
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignBottom,
                     QStringLiteral("%1\n%2 x %3 px  (%4 x %5 twips)")
                         .arg(pictures::name(item.id))
                         .arg(item.box.width())
                         .arg(item.box.height())
                         .arg(twips.width())
                         .arg(twips.height()));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [RATIO [NAME]]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    const qreal ratio = argc > 2 ? QByteArray(argv[2]).toDouble() : 1.0;
    if (ratio <= 0.0) {
        std::fprintf(stderr, "bad ratio %s\n", argv[2]);
        return 2;
    }

    QList<pictures::Id> ids;
    for (int i = 0; i < pictures::count; ++i)
        if (argc < 4 || pictures::name(pictures::Id(i)) == QString::fromLocal8Bit(argv[3]))
            ids.append(pictures::Id(i));
    if (ids.isEmpty()) {
        std::fprintf(stderr, "no picture is called %s\n", argv[3]);
        return 2;
    }

    QList<Placed> placed;
    const int sheetHeight = layOut(ids, placed);
    int usedWidth = 0;
    for (const auto &item : placed)
        usedWidth = std::max(usedWidth,
                             item.box.left() + std::max(item.box.width(), minimumColumn) + margin);

    QImage sheet(QSize(usedWidth, sheetHeight) * ratio, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(QColor(250, 250, 250));
    QPainter painter(&sheet);
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    for (const auto &item : placed) {
        drawChequers(painter, item.box);
        pictures::picture(item.id).draw(painter, item.box.topLeft());
        drawCaption(painter, item);
    }
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
