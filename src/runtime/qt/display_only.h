#pragma once

namespace rt::qt {

// Called before the application starts: the program talks to its display and to no other service
// of the desktop. A desktop's theme plugin (GTK's), the accessibility bridge and an input-method
// plugin would each open a D-Bus connection of their own.
void keepToTheDisplay();

}  // namespace rt::qt
