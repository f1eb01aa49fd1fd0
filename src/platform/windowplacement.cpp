#include "platform/windowplacement.h"

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

QSize WindowPlacement::outerSize() const
{
    const QMargins frame = frameOf(window_);
    return window_->size().grownBy(frame.isNull() ? lastFrame(frame_) : frame);
}

void WindowPlacement::applyPlacement()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize();
    placedOuter_ = outerSize();
    window_->move(rule_(screenSize, placedOuter_));
}

void WindowPlacement::place(Placement rule)
{
    rule_ = rule;
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
