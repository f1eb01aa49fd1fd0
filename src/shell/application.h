#pragma once

namespace shell {

// What the program sets up once its application object exists: fonts and window handling.
void prepareApplication();

} // namespace shell
