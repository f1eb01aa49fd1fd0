#pragma once

#include <QWidget>

class QTimer;

namespace platform {

// Tells assistive technology what has just happened, wherever the keyboard focus is: a screen
// reader speaks it at once. It is an accessible notification without size, so nothing of it
// shows on screen; without a screen reader listening it does nothing at all. Create it last in
// its window, after the controls the player reaches.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);

    // Tells `text` now; an announcement still waiting is dropped.
    void announce(const QString &text);
    // Tells `text` once a screen reader has gone through the changes that the handler under way
    // makes to many controls: one that is flooded with changes drops what comes among them.
    void announceAfterChanges(const QString &text);

    QTimer *settle; // how long a screen reader is given for a flood of changes

signals:
    void announced(const QString &text);

private:
    QString waiting_;
};

} // namespace platform
