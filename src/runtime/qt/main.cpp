#include "resources/stored_data.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/start.h"

int main(int argc, char** argv) {
  rt::QtBackend backend(argc, argv);
  rt::setBackend(backend);
  rt::startProgram(resources::projectHeader);
}
