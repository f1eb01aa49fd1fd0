#pragma once

#include <functional>

namespace platform {

// Sounds the system beep.
void beep();
// Ends the program at once: every window goes and no unload handler runs.
void endProgram();
// Whether assistive technology, such as a screen reader, is listening to the program.
bool assistiveTechnologyListens();

// Tests put recorders in place of the real actions; an empty function restores them.
void setBeepHook(std::function<void()> hook);
void setEndProgramHook(std::function<void()> hook);
void setListeningHook(std::function<bool()> hook);

} // namespace platform
