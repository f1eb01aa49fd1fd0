#pragma once

#include "platform/colour.h"
#include "platform/picture.h"
#include "platform/windowplacement.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <type_traits>
#include <utility>

namespace platform {

// What makes a window kind: its object name, its caption, its frame, the size of its client area
// and the back colour there. The icon is the program's, which the application gives every window.
struct FormDesign {
    QString name;
    QString caption;
    Frame frame;
    QSize clientSize;
    ColourValue back = system::buttonFace;
};

// The loaded windows of every kind. The program ends once none of them is visible, checked
// after the event that hid the last one has been handled; and every window is released before
// the application object goes.
class FormRegistry {
public:
    static FormRegistry &instance();

    void enrol(QWidget *window, void (*release)());
    // Forgets an unloaded window, hides it and deletes it once control is back in the event loop.
    void discard(QWidget *window);
    QList<QWidget *> loaded() const;
    bool anyVisible() const;
    // Deletes every window, loaded or discarded, without running unload handlers; their going
    // does not end the program, and none of them is activated.
    void releaseAll();
    // Ends the program after the event being handled if no window is visible by then.
    void scheduleVisibilityCheck();
    // Hides every window on the way out; no visibility check follows.
    void hideAllForEnd();
    // Gives `window` the focus once the event being handled is done, if no window shown after it
    // has asked for the focus in the meantime and it is still on screen then. A window that a
    // handler shows and unloads again at once never asks the window manager for the focus, which
    // could otherwise leave it with no window, or the wrong one, when the handler is done.
    void activateAfterEvent(QWidget *window);

    // Between tests, once every window is released: forgets an end under way, as at start-up.
    void resetEndingForTests();

private:
    FormRegistry();

    struct Entry {
        QPointer<QWidget> window; // null once deleted, by its unload or by any other path
        void (*release)();
    };

    QList<Entry> loaded_;
    QList<QPointer<QWidget>> discarded_;
    // Single-shot and of interval zero: each fires once, when control is back in the event loop.
    QTimer visibilityCheck_;
    QTimer activation_;
    QPointer<QWidget> toActivate_;
    bool ending_ = false;
};

// The client area of a window: its back colour and background picture, under every control.
class Surface : public QWidget {
public:
    explicit Surface(QWidget *parent);

    void setBackColour(ColourValue value);
    ColourValue backColour() const { return back_; }
    void setPicture(const Picture &picture);
    const Picture &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColourValue back_ = system::buttonFace;
    Picture picture_;
};

// What every window has whatever its Qt base: the frame, the client area and the placement on
// the screen by the window's outer size, corrected once the window system has framed it; and
// where its keyboard focus goes.
class FormCore {
public:
    FormCore(QWidget *window, const FormDesign &design);

    Surface *client() const { return client_; }
    QSize clientSize() const { return clientSize_; }
    void place(Placement rule) { placement_.place(rule); }
    // Looks for a frame that the window system has added since the window was placed.
    void checkFrame() { placement_.checkFrame(); }
    // Where the compositor places the windows, a dialog belongs to the main window, and so comes
    // up over it; elsewhere every window stays without an owner.
    void attachToMainWindow();
    // Marks the window as going; false if an unload of it is already under way.
    bool startUnloading() { return !std::exchange(unloading_, true); }

    // The control that has the focus when the window opens, and that takes it back when a
    // handler disables the control that has it.
    void setFocusHome(QWidget *control);
    // Disables controls. The toolkit hands the focus of a control that it disables to the next
    // one in the tab chain, which may be disabled next, and so on: a move, and a word from a
    // screen reader, for every control. Here the focus goes home first, in one move.
    void disableControls(const QList<QWidget *> &controls);

private:
    QWidget *window_;
    Frame frame_;
    QSize clientSize_;
    Surface *client_;
    WindowPlacement placement_;
    bool unloading_ = false;
    QPointer<QWidget> home_;
};

// One window kind with its single instance, created and loaded on first use.
template <class Derived, class Base> class Form : public Base {
    static_assert(std::is_base_of_v<QWidget, Base>);

public:
    // The window, created and loaded first if it is not loaded.
    static Derived &get()
    {
        if (!instance_) {
            instance_ = new Derived;
            FormRegistry::instance().enrol(instance_, &release);
            instance_->load();
        }
        return *instance_;
    }
    static bool isLoaded() { return instance_ != nullptr; }
    // Runs the unload handler and discards the window; the next use creates a fresh one.
    // Safe from the window's own handlers; does nothing when the window is not loaded.
    static void unloadForm()
    {
        Derived *window = instance_;
        if (!window || !window->core_.startUnloading())
            return;
        window->unload();
        instance_ = nullptr;
        FormRegistry::instance().discard(window);
    }

    // Shows the window modeless, or brings it to the front if it is open; it gets the focus
    // when the handler is done, unless another window shown after it gets it.
    void showForm()
    {
        core_.attachToMainWindow();
        // A window that comes up by itself, as the end-of-game window on the computer's winning
        // shot, may find a menu of the program open, which would keep the keys: QWidget::show
        // closes every open menu as a window that is no popup or tool shows.
        Base::show();
        Base::raise();
        FormRegistry::instance().activateAfterEvent(this);
    }
    Surface *client() const { return core_.client(); }
    // The client area's designed size.
    QSize clientSize() const { return core_.clientSize(); }

protected:
    explicit Form(const FormDesign &design)
        : core_(this, design)
    {
        Base::setObjectName(design.name);
        Base::setWindowTitle(design.caption);
        if constexpr (std::is_base_of_v<QMainWindow, Base>)
            Base::setCentralWidget(core_.client());
    }
    ~Form() override
    {
        if (instance_ == this)
            instance_ = nullptr;
    }

    virtual void load() {}
    virtual void unload() {}
    // Moves the window by `rule` using its outer size; used by load handlers.
    void place(Placement rule) { core_.place(rule); }
    void setFocusHome(QWidget *control) { core_.setFocusHome(control); }
    void disableControls(const QList<QWidget *> &controls) { core_.disableControls(controls); }
    // Sizes a main window so that its client area below the menu bar has the designed size.
    void fitToClientArea()
    {
        if constexpr (std::is_base_of_v<QMainWindow, Base>) {
            const QSize client = core_.clientSize();
            const int menu = Base::menuWidget() ? Base::menuWidget()->sizeHint().height() : 0;
            Base::resize(client.width(), client.height() + menu);
            // Lays the client area out now, so that it has its size before the first show.
            Base::layout()->activate();
        }
    }

    void closeEvent(QCloseEvent *event) override
    {
        // The close box takes the unload path; no window refuses to close.
        event->accept();
        if (instance_ == this)
            unloadForm();
    }
    void hideEvent(QHideEvent *event) override
    {
        Base::hideEvent(event);
        FormRegistry::instance().scheduleVisibilityCheck();
    }
    bool event(QEvent *event) override
    {
        const bool handled = Base::event(event);
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            core_.checkFrame();
            break;
        default:
            break;
        }
        return handled;
    }

private:
    static void release()
    {
        delete instance_;
        instance_ = nullptr;
    }

    FormCore core_;
    static inline Derived *instance_ = nullptr;
};

} // namespace platform
