#pragma once

#include <QPointer>
#include <QWidget>

class QTimer;

namespace platform {

class Notice;

// The program's one voice. It tells assistive technology what has just happened, wherever the
// keyboard focus is, through the notice of the window that tells it. A screen reader speaks it
// after what it is saying, not over it: a shot's result and the computer's answer 1.5 s later
// are each heard whole by a player who waits, while a key that the player presses still cuts
// them short, as it cuts any speech. A newer message, from any window, drops one still waiting
// in the program, so nothing is told after a newer one. Without a screen reader listening it
// does nothing at all, and no timer runs.
class Announcer : public QObject {
    Q_OBJECT
public:
    static Announcer &instance();

    // Tells `text` now; a message still waiting is dropped.
    void announce(Notice *notice, const QString &text);
    // Tells `text` once a screen reader has gone through the changes that the handler under way
    // makes to many controls: one that is flooded with changes drops what comes among them.
    void announceAfterChanges(Notice *notice, const QString &text);

    QTimer *settle; // how long a screen reader is given for a flood of changes

signals:
    void announced(const QString &text);

private:
    explicit Announcer(QObject *parent);

    QPointer<Notice> waitingNotice_; // none once its window has gone
    QString waiting_;
};

// Where a window's messages are told. From Qt 6.8 on, the window tells them as the toolkit's
// announcements; before, through accessible notifications without size, so nothing of them
// shows on screen. A screen reader speaks only a notification in a window on screen, so each
// window that tells has its own. Create it last in its window, after the controls the player
// reaches.
class Notice : public QWidget {
    Q_OBJECT
public:
    explicit Notice(QWidget *parent);

    void announce(const QString &text) { Announcer::instance().announce(this, text); }
    void announceAfterChanges(const QString &text)
    {
        Announcer::instance().announceAfterChanges(this, text);
    }

private:
    friend class Announcer;
    // Before Qt 6.8: puts `text` in the next of the two notifications and shows it.
    void tell(const QString &text);

    // The notifications, each with a label that holds its message, used in turn: a screen
    // reader reads a notification's labels when it comes to the event, which may be after the
    // next message (a busy machine's Orca lags seconds behind), and finds its own message there.
    QWidget *bulletins_[2] = {};
    int next_ = 0;
};

} // namespace platform
