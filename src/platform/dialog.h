#pragma once

#include <QDialog>

class QKeyEvent;
class QPushButton;

namespace platform {

// A dialog whose Enter presses the button that has the focus, or else its default button if it
// has one, and whose Esc presses its cancel button if it has one; otherwise the keys do nothing.
// The toolkit's dialog would make the first auto-default button its default where none is named,
// and so press with Enter a button that the focus is not on.
class Dialog : public QDialog {
public:
    // The button that Enter presses while the focus is on no other button.
    void setDefaultButton(QPushButton *button);
    void setCancelButton(QPushButton *button) { cancel_ = button; }
    void reject() override;

protected:
    // Reached only by the keys that the control with the focus leaves: a focused button takes
    // Enter itself.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *default_ = nullptr;
    QPushButton *cancel_ = nullptr;
};

} // namespace platform
