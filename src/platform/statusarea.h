#pragma once

#include <QWidget>

namespace platform {

// Where the game's status lives for assistive technology: its labels are this area's children,
// which a screen reader's status command reads as the items of a status bar. It lies over the
// whole client area (`geometry`), since those labels stand at its top and bottom, and they keep
// their places in it; it draws nothing and lets every click through to what lies under it.
class StatusArea : public QWidget {
    Q_OBJECT
public:
    StatusArea(QWidget *parent, const QRect &geometry);
};

} // namespace platform
