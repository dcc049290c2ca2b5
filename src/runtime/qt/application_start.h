#pragma once

#include <QApplication>
#include <memory>

#include "runtime/form.h"

namespace rt {

// The application, and with it the display, started for the first form shown. A window that
// cannot have its display, screen, threads or descriptors fails the form's Show, or is out of
// memory, before Qt could abort or wait for ever.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv, const Form& form);

}  // namespace rt
