#pragma once

#include <QFont>

#include "runtime/form_description.h"

namespace rt {

// The font a form prints with, for a surface of dotsPerInch. A size that would draw under one
// pixel high, zero included, draws one pixel high: the font service takes no smaller size.
QFont textFont(const FontDescription& description, int dotsPerInch);

}  // namespace rt
