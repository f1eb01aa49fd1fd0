#include "platform/windowplacement.h"

#include "platform/x11frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <array>
#include <utility>

namespace platform {

namespace {

FrameSource &frameSource()
{
    static FrameSource source;
    return source;
}

QMargins frameOf(const QWidget *window)
{
    if (frameSource())
        return frameSource()(window);
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// The frame last seen round a window of each kind: the guess for one not yet framed.
std::array<QMargins, 2> &framesSeen()
{
    static std::array<QMargins, 2> frames{};
    return frames;
}

QMargins &lastFrame(Frame frame)
{
    return framesSeen()[std::size_t(frame)];
}

} // namespace

QPoint centred(QSize screen, QSize outer)
{
    return {qRound((float(screen.width()) - float(outer.width())) / 2.0f),
            qRound((float(screen.height()) - float(outer.height())) / 2.0f)};
}

void setFrameSource(FrameSource source)
{
    frameSource() = std::move(source);
}

void forgetFramesForTests()
{
    framesSeen() = {};
}

WindowPlacement::WindowPlacement(QWidget *window, Frame frame)
    : window_(window)
    , frame_(frame)
{}

void WindowPlacement::applyPlacement()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize();
    const QMargins seen = frameOf(window_);
    const QMargins frame = seen.isNull() ? lastFrame(frame_) : seen;
    placedOuter_ = window_->size().grownBy(frame);
    const QPoint outer = rule_(screenSize, placedOuter_);
    // Qt puts a window's frame at the point it is moved to while the window has no native window
    // yet, and once it has one, the frame that Qt knows of. A native window created before the
    // window shows, to ask the window manager for its frame, has none known to Qt: its client
    // area goes inside the frame that the manager told.
    if (window_->testAttribute(Qt::WA_WState_Created) && !window_->isVisible())
        window_->setGeometry(QRect(outer + QPoint(frame.left(), frame.top()), window_->size()));
    else
        window_->move(outer);
}

void WindowPlacement::place(Placement rule)
{
    rule_ = rule;
    if (frameOf(window_).isNull()) {
        // Where the window manager tells the frame before the window maps, the window maps
        // where it stays; the frame is checked once the window is framed all the same.
        const QMargins told = frameBeforeMapping(window_);
        if (!told.isNull())
            lastFrame(frame_) = told;
    }
    applyPlacement();
    awaitingFrame_ = frameOf(window_).isNull();
}

void WindowPlacement::checkFrame()
{
    if (!awaitingFrame_ || !window_->isVisible())
        return;
    const QMargins frame = frameOf(window_);
    if (frame.isNull())
        return;
    awaitingFrame_ = false;
    lastFrame(frame_) = frame;
    if (window_->size().grownBy(frame) != placedOuter_)
        applyPlacement();
}

} // namespace platform
