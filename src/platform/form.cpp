#include "platform/form.h"

#include "platform/system.h"

#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace platform {

FormRegistry &FormRegistry::instance()
{
    static FormRegistry registry;
    return registry;
}

FormRegistry::FormRegistry()
{
    for (QTimer *timer : {&visibilityCheck_, &activation_}) {
        timer->setSingleShot(true);
        timer->setInterval(0);
    }
    QObject::connect(&visibilityCheck_, &QTimer::timeout, &visibilityCheck_, [this] {
        if (!ending_ && !anyVisible())
            endProgram();
    });
    QObject::connect(&activation_, &QTimer::timeout, &activation_, [this] {
        if (toActivate_ && toActivate_->isVisible() && !ending_)
            toActivate_->activateWindow();
    });
}

void FormRegistry::enrol(QWidget *window, void (*release)())
{
    loaded_.removeIf([](const Entry &entry) { return !entry.window; });
    loaded_.append({window, release});
}

void FormRegistry::discard(QWidget *window)
{
    loaded_.removeIf([window](const Entry &entry) { return entry.window == window; });
    discarded_.removeIf([](const QPointer<QWidget> &gone) { return gone.isNull(); });
    discarded_.append(window);
    // A timer of a window that has gone must not tick on it while it waits to be deleted.
    for (QTimer *timer : window->findChildren<QTimer *>())
        timer->stop();
    window->hide();
    window->deleteLater();
}

QList<QWidget *> FormRegistry::loaded() const
{
    QList<QWidget *> windows;
    for (const auto &entry : loaded_)
        if (entry.window)
            windows.append(entry.window);
    return windows;
}

bool FormRegistry::anyVisible() const
{
    const QList<QWidget *> windows = loaded();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QWidget *window) { return window->isVisible(); });
}

void FormRegistry::releaseAll()
{
    while (!loaded_.isEmpty())
        if (const Entry entry = loaded_.takeLast(); entry.window)
            entry.release();
    for (const auto &window : std::exchange(discarded_, {}))
        delete window.data();
    visibilityCheck_.stop();
    activation_.stop();
}

void FormRegistry::scheduleVisibilityCheck()
{
    visibilityCheck_.start();
}

void FormRegistry::hideAllForEnd()
{
    ending_ = true;
    for (QWidget *window : loaded())
        window->hide();
}

void FormRegistry::activateAfterEvent(QWidget *window)
{
    toActivate_ = window;
    activation_.start();
}

void FormRegistry::resetEndingForTests()
{
    ending_ = false;
}

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

FormCore::FormCore(QWidget *window, const FormDesign &design)
    : window_(window)
    , frame_(design.frame)
    , clientSize_(design.clientSize)
    , client_(new Surface(window))
    , placement_(window, design.frame)
{
    client_->setBackColour(design.back);
    // No window takes the focus by being mapped, as the window system and the window manager
    // would give it: the focus goes to the window that a handler shows last, once the handler is
    // done (FormRegistry::activateAfterEvent), so never to one that it shows and unloads at once.
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    if (frame_ == Frame::FixedDialog) {
        window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        window->setFixedSize(clientSize_);
        client_->setGeometry(QRect(QPoint(0, 0), clientSize_));
    } else {
        window->resize(clientSize_);
    }
}

void FormCore::attachToMainWindow()
{
    if (frame_ != Frame::FixedDialog || windowsPlaceThemselves())
        return;
    const auto windows = FormRegistry::instance().loaded();
    const auto main = std::find_if(windows.begin(), windows.end(), [](const QWidget *window) {
        return qobject_cast<const QMainWindow *>(window) != nullptr;
    });
    if (main == windows.end() || !(*main)->windowHandle())
        return;
    window_->winId(); // the native window, to which the parent is given
    window_->windowHandle()->setTransientParent((*main)->windowHandle());
}

void FormCore::setFocusHome(QWidget *control)
{
    home_ = control;
    // In a window not yet shown this names the control that the focus goes to when it opens.
    control->setFocus(Qt::OtherFocusReason);
}

void FormCore::disableControls(const QList<QWidget *> &controls)
{
    const QWidget *focus = window_->focusWidget();
    const auto holdsFocus = [focus](const QWidget *control) {
        return focus && (control == focus || control->isAncestorOf(focus));
    };
    if (home_ && !controls.contains(home_.data()) &&
        std::any_of(controls.begin(), controls.end(), holdsFocus))
        home_->setFocus(Qt::OtherFocusReason);
    for (QWidget *control : controls)
        control->setEnabled(false);
}

} // namespace platform
