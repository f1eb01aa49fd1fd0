#pragma once

#include "platform/colour.h"
#include "platform/statetext.h"

#include <QLabel>
#include <optional>

namespace platform {

// A label: transparent unless given a back colour, with an optional single-line border,
// wrapping its text. It reports a click, which the fleet grids use. One that takes the keyboard
// focus shows it, Space clicks it, and assistive technology sees a button: set its focus policy
// before anything else makes it accessible.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget *parent, const QRect &geometry, const QString &text = {});

    void setBackColour(ColourValue value);
    // The stored back colour; a transparent label reports none.
    std::optional<ColourValue> backColour() const { return back_.colour(); }
    void setForeColour(ColourValue value);
    ColourValue foreColour() const { return fore_; }
    void setBorder(bool single);
    bool hasBorder() const { return border_; }
    void setStateText(StateText stateText);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    ColourState back_;
    ColourValue fore_ = system::buttonText;
    bool border_ = false;
    bool pressed_ = false;
};

// A transparent label as designed: its text, font, colour and alignment.
Label *createLabel(QWidget *parent, const QRect &geometry, const QString &text, const QFont &font,
                   ColourValue colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

} // namespace platform
