#pragma once

#include "runtime/form_description.h"

// The information dialog as it is stored: two frames of text lines, the address box and OK.
rt::FormDescription form1Description();
