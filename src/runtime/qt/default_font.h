#pragma once

#include <QFont>

namespace rt::qt {

// The runtime's default font for the screen's dots per inch, narrowed where the platform puts
// another face in its place (runtime/default_font.h).
QFont defaultFont(int dotsPerInch);

}  // namespace rt::qt
