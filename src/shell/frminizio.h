#pragma once

#include "platform/dialog.h"
#include "platform/form.h"
#include "platform/picturebox.h"

class QProgressBar;
class QTimer;
namespace platform {
class Shape;
}

// The start-up window: the title over the sea while a one-second timer fills the progress bar,
// then the main window.
class frminizio : public platform::Form<frminizio, platform::Dialog> {
public:
    platform::Shape *Shape1; // the cyan frame round the progress bar
    QProgressBar *prg;
    QTimer *tempo;
    platform::PictureBox *Image4; // "Attendi..."
    platform::PictureBox *Image3; // the title
    platform::PictureBox *Image2; // the small ship
    platform::PictureBox *Image1; // the large ship

    int contatore = 0; // ticks seen so far

    void tempoTimer();

protected:
    void load() override;

private:
    frminizio();
    friend Form;
};
