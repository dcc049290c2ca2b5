#pragma once

#include <QApplication>
#include <memory>

namespace rt::qt {

// The application, and with it the display, started for the first window. A window that cannot
// have its display, screen or descriptors is refused by the platform, one short of threads is
// out of memory, before Qt could abort or wait for ever.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

}  // namespace rt::qt
