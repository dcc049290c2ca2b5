#pragma once

#include "runtime/form_description.h"

// The saver window as it is stored: black, full screen, its font, pointer and Timer1.
rt::FormDescription teskfDescription();
