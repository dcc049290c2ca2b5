#include "resources/stored_data.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/start.h"

int main(int argc, char** argv) {
  rt::qt::QtBackend backend(argc, argv);
  const rt::BackendScope platform(backend);
  rt::startProgram(resources::projectHeader);
}
