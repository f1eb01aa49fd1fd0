#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>
#include <functional>

class QWidget;

namespace platform {

// Where a window's outer rectangle goes, from the screen's size and the window's outer size.
using Placement = QPoint (*)(QSize screen, QSize outer);
// The middle of the screen, computed in single precision.
QPoint centred(QSize screen, QSize outer);

enum class Frame {
    Sizable,     // the main window: resizable, with minimise and maximise buttons
    FixedDialog, // every other window: fixed size, a close button only, no task-bar entry
};

// The frame that the window system has put round a window, none before it is framed. Tests put
// a source of their own in place to play a window manager; nullptr brings the real one back.
using FrameSource = std::function<QMargins(const QWidget *window)>;
void setFrameSource(FrameSource source);
// Forgets the frames seen round windows of each kind, as at start-up.
void forgetFramesForTests();

// A window's place on the screen by its outer size: with the frame that it has when it is
// placed, the frame that the window manager says it will give it (X11), or else the last frame
// seen round a window of its kind; placed again once the window system has framed it, if that
// frame makes another outer size.
class WindowPlacement {
public:
    WindowPlacement(QWidget *window, Frame frame);

    void place(Placement rule);
    // Looks for a frame that the window system has added since the window was placed.
    void checkFrame();

private:
    void applyPlacement();

    QWidget *window_;
    Frame frame_;
    Placement rule_ = nullptr;
    QSize placedOuter_;
    bool awaitingFrame_ = false;
};

} // namespace platform
