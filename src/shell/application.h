#pragma once

#include <functional>

class QWidget;

namespace shell {

// What the program sets up once its application object exists: fonts and window handling.
void prepareApplication();

// The whole program: the application object, the start-up window, the event loop, and the
// release of every window at the end. `watch`, if given, sees the start-up window before it
// shows (the start-up benchmark times its first paint).
int run(const std::function<void(QWidget *splash)> &watch = {});

} // namespace shell
