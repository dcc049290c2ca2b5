#pragma once

// The platform's header, less the macros that would rename the runtime's own RGB and TextOut.
#include <windows.h>

#undef RGB
#undef TextOut
