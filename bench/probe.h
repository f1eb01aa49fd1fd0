#pragma once

#include <QObject>
#include <QWidget>

// What a start-up probe reports: on the first paint of its first window, the monotonic clock
// in nanoseconds; once the program has idled for a while, its resident memory. Then it quits.
class StartupProbe : public QObject {
public:
    explicit StartupProbe(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void painted();
    void idle();
    bool seen_ = false;
};
