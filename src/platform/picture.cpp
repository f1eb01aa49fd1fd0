#include "platform/picture.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <cmath>

namespace platform {

namespace {

bool isDrawing(const QString &source)
{
    return source.endsWith(QLatin1String(".svg"));
}

QPixmap render(const QString &source, QSize logicalSize, qreal ratio)
{
    if (!isDrawing(source)) {
        // A photograph is drawn from its own pixels; the painter scales it where needed.
        QImageReader reader(source);
        QImage image = reader.read();
        if (image.size() != logicalSize)
            image = image.scaled(logicalSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return QPixmap::fromImage(std::move(image));
    }
    const QSize devicePixels(int(std::ceil(logicalSize.width() * ratio)),
                             int(std::ceil(logicalSize.height() * ratio)));
    QPixmap pixmap(devicePixels);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(source);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

qreal ratioOf(const QPainter &painter)
{
    return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

} // namespace

Picture::Picture(QString source, QSizeF naturalSize)
    : source_(std::move(source))
    , natural_(naturalSize)
{}

QPixmap Picture::pixmap(QSize logicalSize, qreal ratio) const
{
    if (isNull() || logicalSize.isEmpty())
        return {};
    const QString key = QStringLiteral("%1|%2x%3|%4")
                            .arg(source_)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = render(source_, logicalSize, ratio);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

void Picture::draw(QPainter &painter, QPoint topLeft) const
{
    if (isNull())
        return;
    painter.drawPixmap(QRect(topLeft, size()), pixmap(size(), ratioOf(painter)));
}

void Picture::drawInBox(QPainter &painter, const QRect &box) const
{
    if (isNull())
        return;
    QSize fitted = size();
    if (fitted.width() > box.width() || fitted.height() > box.height())
        fitted = fitted.scaled(box.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(box.topLeft(), fitted), pixmap(fitted, ratioOf(painter)));
}

void Picture::drawCentred(QPainter &painter, const QRect &box) const
{
    if (isNull())
        return;
    QRect target(QPoint(0, 0), size());
    target.moveCenter(box.center());
    painter.drawPixmap(target, pixmap(size(), ratioOf(painter)));
}

QIcon Picture::icon() const
{
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(pixmap(QSize(side, side), 1.0));
    return icon;
}

} // namespace platform
