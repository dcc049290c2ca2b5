#pragma once

#include "runtime/win32/owned_handles.h"

namespace rt::win32 {

// The runtime's default font for the screen's dots per inch, narrowed where the platform puts
// another face in its place (runtime/default_font.h). Null if no font can be made.
GdiObject<HFONT> createDefaultFont(int dotsPerInch);

}  // namespace rt::win32
