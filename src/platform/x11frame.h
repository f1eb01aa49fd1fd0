#pragma once

#include <QMargins>

class QWidget;

namespace platform {

// The frame that an X11 window manager says it will put round `window`, not yet mapped, when it
// is asked (_NET_REQUEST_FRAME_EXTENTS); this creates the window's native window. None where the
// window system is not X11, the manager does not list the request, or it does not answer in a
// bounded time; a manager that has let that time pass once is not asked again.
QMargins frameBeforeMapping(QWidget *window);

} // namespace platform
