#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSizeF>
#include <QString>

class QPainter;

namespace platform {

// A picture compiled into the program: a vector drawing (SVG), an icon or a photograph.
// It is rendered from its source at the device pixel ratio of whatever it is drawn on.
class Picture {
public:
    Picture() = default; // the empty picture
    Picture(QString source, QSizeF naturalSize);

    bool isNull() const { return source_.isEmpty(); }
    const QString &source() const { return source_; }
    // The natural size in whole pixels.
    QSize size() const { return natural_.toSize(); }

    // The picture rendered at `logicalSize` for a device of pixel ratio `ratio`, cached.
    QPixmap pixmap(QSize logicalSize, qreal ratio) const;
    // At natural size, with its top-left corner at `topLeft`.
    void draw(QPainter &painter, QPoint topLeft) const;
    // From the top-left corner of `box`, at natural size or shrunk to fit, keeping its shape.
    void drawInBox(QPainter &painter, const QRect &box) const;
    // At natural size, centred in `box`.
    void drawCentred(QPainter &painter, const QRect &box) const;
    // An icon of the picture rendered at each of `sizes`, for screens of pixel ratio 1 and 2.
    QIcon icon(const QList<QSize> &sizes) const;

    friend bool operator==(const Picture &, const Picture &) = default;

private:
    QString source_;
    QSizeF natural_;
};

// A drawing rendered at `logicalSize` for a device of pixel ratio `ratio`.
QImage renderDrawing(const QString &source, QSize logicalSize, qreal ratio);
// Where the build puts a drawing that it rendered ahead of time at that size and ratio.
QString prerenderedPath(const QString &source, QSize logicalSize, qreal ratio);

} // namespace platform
