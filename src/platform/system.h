#pragma once

#include <QByteArray>
#include <functional>

namespace platform {

// Sounds the system beep.
void beep();
// Ends the program at once: every window goes and no unload handler runs.
void endProgram();
// Whether assistive technology, such as a screen reader, is listening to the program.
bool assistiveTechnologyListens();
// The window systems to ask Qt for, in order, or none to leave the choice to Qt. The windows
// place themselves, which only X11 lets a program do: so X11 wherever a display is set (an X11
// session, or a Wayland session with Xwayland), Wayland if that display cannot be reached, and
// never against the user's own QT_QPA_PLATFORM. Read before the application object exists.
QByteArray preferredWindowSystems();
// Whether windows are placed where the program puts them: a Wayland compositor places them.
bool windowsPlaceThemselves();

// Tests put recorders in place of the real actions; an empty function restores them.
void setBeepHook(std::function<void()> hook);
void setEndProgramHook(std::function<void()> hook);
void setListeningHook(std::function<bool()> hook);
void setPlacementHook(std::function<bool()> hook);

} // namespace platform
