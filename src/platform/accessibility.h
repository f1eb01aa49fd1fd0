#pragma once

namespace platform {

// Puts in place, once, the program's own faces for assistive technology: a board as a table
// and its cells as table cells, the status area as a status bar, a label with its text, and a
// notice's notifications. The classes that need them call it as they are created.
void installAccessibleFaces();

} // namespace platform
