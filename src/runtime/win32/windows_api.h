#pragma once

#include "runtime/colour.h"
// The runtime's colours come before the platform's header: the runtime's RGB is declared before
// the platform's RGB macro exists, which would rewrite the declaration. The backend itself works
// in COLORREF values and never calls the runtime's RGB.
#include <windows.h>
