#pragma once

#include "platform/colour.h"
#include "platform/picture.h"

#include <QWidget>
#include <optional>

namespace platform {

// A picture box: its back colour, if it has one, with its picture drawn from the top-left
// corner, shrunk to fit where the box is smaller. Without a back colour it is an image control,
// transparent around its picture, which it draws unscaled.
class PictureBox : public QWidget {
public:
    PictureBox(QWidget *parent, const QRect &geometry, const Picture &picture = {},
               std::optional<ColourValue> back = std::nullopt);

    void setPicture(const Picture &picture);
    const Picture &picture() const { return picture_; }
    void setBackColour(ColourValue value);
    std::optional<ColourValue> backColour() const { return back_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Picture picture_;
    std::optional<ColourValue> back_;
};

} // namespace platform
