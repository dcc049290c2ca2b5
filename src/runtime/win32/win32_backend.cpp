#include "runtime/win32/win32_backend.h"

#include <cstdio>

#include "runtime/text.h"
#include "runtime/win32/dialog_window.h"
#include "runtime/win32/saver_window.h"
#include "runtime/win32/wide_text.h"
#include "runtime/win32/windows_api.h"
#include "runtime/windows_command_line.h"

namespace rt::win32 {

std::string Win32Backend::commandLine() {
  const std::u16string line = utf16FromWide(GetCommandLineW());
  return utf8FromUtf16(argumentsAfterProgramName(line));
}

std::unique_ptr<Window> Win32Backend::createWindow(const FormDescription& description,
                                                   WindowEvents& events) {
  if (description.style == WindowStyle::FullScreen) {
    return std::make_unique<SaverWindow>(description, events);
  }
  return std::make_unique<DialogWindow>(description, events);
}

void Win32Backend::reportError(const std::string& title, const std::string& message) {
  MessageBoxW(nullptr, wideFromUtf8(message).c_str(), wideFromUtf8(title).c_str(),
              MB_OK | MB_ICONERROR);
}

// Nothing runs on the way out: no further message, no window torn down by hand.
void Win32Backend::end(int exitStatus) {
  std::fflush(nullptr);
  ExitProcess(static_cast<UINT>(exitStatus));
}

}  // namespace rt::win32
