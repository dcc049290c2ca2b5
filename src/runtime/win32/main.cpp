#include "resources/stored_data.h"
#include "runtime/start.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/windows_api.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  rt::win32::Win32Backend backend;
  const rt::BackendScope scope(backend);
  rt::startProgram(resources::projectHeader);
}
