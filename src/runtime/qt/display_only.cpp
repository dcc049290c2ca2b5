#include "runtime/qt/display_only.h"

#include <QGuiApplication>
#include <QtGlobal>

namespace rt::qt {

void keepToTheDisplay() {
  // Qt's built-in theme whatever the desktop: the program's looks are its own anyway.
  QGuiApplication::setDesktopSettingsAware(false);
  // An address of no transport at all: the bridge gives up without opening a socket.
  qputenv("AT_SPI_BUS_ADDRESS", "none:");
  // Keys come straight from the display, composed in process.
  qputenv("QT_IM_MODULE", "compose");
}

}  // namespace rt::qt
