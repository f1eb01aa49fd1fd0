#include "platform/picture.h"

#include <QFile>
#include <QFileInfo>
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
    // The build renders the usual sizes ahead of time, with this same code, to spare start-up.
    QImage image(prerenderedPath(source, logicalSize, ratio));
    if (image.isNull())
        image = renderDrawing(source, logicalSize, ratio);
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

qreal ratioOf(const QPainter &painter)
{
    return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

} // namespace

QImage renderDrawing(const QString &source, QSize logicalSize, qreal ratio)
{
    const QSize devicePixels(int(std::ceil(logicalSize.width() * ratio)),
                             int(std::ceil(logicalSize.height() * ratio)));
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(source);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
    painter.end();
    return image;
}

QString prerenderedPath(const QString &source, QSize logicalSize, qreal ratio)
{
    return QStringLiteral(":/prerendered/%1-%2x%3@%4x.png")
        .arg(QFileInfo(source).completeBaseName())
        .arg(logicalSize.width())
        .arg(logicalSize.height())
        .arg(ratio);
}

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

QIcon Picture::icon(const QList<QSize> &sizes) const
{
    // Pixmaps rendered ahead for screens of ratio 1 and 2: the icon picks from them whatever Qt
    // runs, and scales the nearest for any other.
    QIcon icon;
    for (const QSize &size : sizes)
        for (const qreal ratio : {1.0, 2.0})
            icon.addPixmap(pixmap(size, ratio));
    return icon;
}

} // namespace platform
