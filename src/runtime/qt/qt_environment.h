#pragma once

namespace rt::qt {

// Called before the application starts: whatever the environment says, Qt runs on the X display
// at the screen's own pixels, with the program's options and no others, and makes no directory.
void settleQtEnvironment();

}  // namespace rt::qt
