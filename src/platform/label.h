#pragma once

#include "platform/colour.h"
#include "platform/statetext.h"

#include <QLabel>
#include <optional>

namespace platform {

// A label: transparent unless given a back colour, with an optional single-line border,
// wrapping its text.
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
    // What the label's number counts, which assistive technology says before the number.
    void setCounts(const QString &what) { counts_ = what; }
    QString counts() const { return counts_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColourState back_;
    ColourValue fore_ = system::buttonText;
    bool border_ = false;
    QString counts_;
};

// A transparent label as designed: its text, font, colour and alignment.
Label *createLabel(QWidget *parent, const QRect &geometry, const QString &text, const QFont &font,
                   ColourValue colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

} // namespace platform
