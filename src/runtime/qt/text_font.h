#pragma once

#include <QFont>

#include "runtime/form_description.h"

namespace rt::qt {

// The font a form prints with, for a surface of dotsPerInch. Like the Windows font service it
// draws whole pixel heights, one pixel at least, so zero and tiny sizes draw one pixel high.
QFont textFont(const FontDescription& description, int dotsPerInch);

}  // namespace rt::qt
