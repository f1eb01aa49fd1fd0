#pragma once

#include "platform/colour.h"

#include <QWidget>
#include <optional>

namespace platform {

// A shape drawn on a window under the controls created after it; it takes no input.
class Shape : public QWidget {
public:
    enum class Kind { Rectangle, RoundedRectangle, Circle };
    struct Border {
        ColourValue colour;
        int width; // pixels, drawn inside the shape's bounds
    };

    Shape(QWidget *parent, const QRect &geometry, Kind kind, std::optional<ColourValue> fill,
          std::optional<Border> border);

    Kind kind() const { return kind_; }
    std::optional<ColourValue> fill() const { return fill_; }
    std::optional<Border> border() const { return border_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind kind_;
    std::optional<ColourValue> fill_;
    std::optional<Border> border_;
};

// A straight line between two points of a window, in its colour and width.
class Line : public QWidget {
public:
    Line(QWidget *parent, QPoint from, QPoint to, ColourValue colour, int width);

    ColourValue colour() const { return colour_; }
    int lineWidth() const { return width_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint from_;
    QPoint to_;
    ColourValue colour_;
    int width_;
};

} // namespace platform
