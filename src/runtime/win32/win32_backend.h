#pragma once

#include <memory>
#include <string>

#include "runtime/backend.h"

namespace rt::win32 {

// The runtime's platform on the Win32 API.
class Win32Backend final : public Backend {
 public:
  std::string commandLine() override;
  std::unique_ptr<Window> createWindow(const FormDescription& description,
                                       WindowEvents& events) override;
  void reportError(const std::string& title, const std::string& message) override;
  [[noreturn]] void end(int exitStatus) override;
};

}  // namespace rt::win32
