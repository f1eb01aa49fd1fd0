#include "platform/form.h"

#include "platform/system.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <array>

namespace platform {

QPoint centred(QSize screen, QSize outer)
{
    return {qRound((float(screen.width()) - float(outer.width())) / 2.0f),
            qRound((float(screen.height()) - float(outer.height())) / 2.0f)};
}

namespace forms {

namespace {

struct Entry {
    QWidget *window;
    void (*release)();
};

struct Registry {
    QList<Entry> loaded;
    QList<QPointer<QWidget>> discarded;
    int checkGeneration = 0;
    bool checkPending = false;
    bool ending = false;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

} // namespace

void enrol(QWidget *window, void (*release)())
{
    registry().loaded.append({window, release});
}

void discard(QWidget *window)
{
    auto &r = registry();
    r.loaded.removeIf([window](const Entry &entry) { return entry.window == window; });
    r.discarded.removeIf([](const QPointer<QWidget> &gone) { return gone.isNull(); });
    r.discarded.append(window);
    window->hide();
    window->deleteLater();
}

QList<QWidget *> loaded()
{
    QList<QWidget *> windows;
    for (const auto &entry : registry().loaded)
        windows.append(entry.window);
    return windows;
}

bool anyVisible()
{
    const auto &entries = registry().loaded;
    return std::any_of(entries.begin(), entries.end(),
                       [](const Entry &entry) { return entry.window->isVisible(); });
}

void releaseAll()
{
    auto &r = registry();
    while (!r.loaded.isEmpty())
        r.loaded.takeLast().release();
    for (const auto &window : std::exchange(r.discarded, {}))
        delete window.data();
    discardPendingCheck();
}

void scheduleVisibilityCheck()
{
    auto &r = registry();
    if (r.checkPending || r.ending || !qApp)
        return;
    r.checkPending = true;
    const int generation = r.checkGeneration;
    QMetaObject::invokeMethod(
        qApp,
        [generation] {
            auto &now = registry();
            if (generation != now.checkGeneration || now.ending)
                return;
            now.checkPending = false;
            if (!anyVisible())
                endProgram();
        },
        Qt::QueuedConnection);
}

void discardPendingCheck()
{
    auto &r = registry();
    ++r.checkGeneration;
    r.checkPending = false;
    r.ending = false;
}

void hideAllForEnd()
{
    auto &r = registry();
    r.ending = true;
    for (const auto &entry : r.loaded)
        entry.window->hide();
}

} // namespace forms

Surface::Surface(QWidget *parent)
    : QWidget(parent)
{}

void Surface::setBackColour(ColourValue value)
{
    back_ = value;
    update();
}

void Surface::setPicture(const Picture &picture)
{
    picture_ = picture;
    update();
}

void Surface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(back_));
    picture_.draw(painter, QPoint(0, 0));
}

namespace {

// The frame that the window system last put around a window of each kind; a window placed
// before it is framed uses it as its best guess, corrected once its own frame is known.
std::array<QMargins, 2> knownFrames;

QMargins &knownFrame(Frame frame)
{
    return knownFrames[std::size_t(frame)];
}

QMargins frameOf(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

} // namespace

FormCore::FormCore(QWidget *window, Frame frame, QSize clientSize)
    : window_(window)
    , frame_(frame)
    , clientSize_(clientSize)
    , client_(new Surface(window))
{
    if (frame == Frame::FixedDialog) {
        window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        window->setFixedSize(clientSize);
        client_->setGeometry(QRect(QPoint(0, 0), clientSize));
    } else {
        window->resize(clientSize);
    }
}

QSize FormCore::outerSize() const
{
    const QMargins frame = frameOf(window_);
    const QMargins guess = frame.isNull() ? knownFrame(frame_) : frame;
    return window_->size().grownBy(guess);
}

void FormCore::applyPlacement()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize();
    placedOuter_ = outerSize();
    window_->move(rule_(screenSize, placedOuter_));
}

void FormCore::place(Placement rule)
{
    rule_ = rule;
    applyPlacement();
    awaitingFrame_ = frameOf(window_).isNull();
}

void FormCore::checkFrame()
{
    if (!awaitingFrame_ || !window_->isVisible())
        return;
    const QMargins frame = frameOf(window_);
    if (frame.isNull())
        return;
    awaitingFrame_ = false;
    knownFrame(frame_) = frame;
    if (window_->size().grownBy(frame) != placedOuter_)
        applyPlacement();
}

void Dialog::reject()
{
    if (cancel_ && cancel_->isEnabled() && cancel_->isVisible())
        cancel_->click();
}

} // namespace platform
