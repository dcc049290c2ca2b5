#pragma once

#include <map>
#include <string>

#include "runtime/backend.h"
#include "runtime/win32/form_window.h"

namespace rt {

// The runtime's platform on the Win32 API.
class Win32Backend : public Backend {
 public:
  std::string commandLine() override;
  void runModal(Form& form) override;
  void endModal(Form& form) override;
  float width(const Form& form) override;
  float height(const Form& form) override;
  void paintPicture(Form& form, const Picture& picture, float x, float y) override;
  void print(Form& form, const TextOut& text) override;
  void reportError(const std::string& title, const std::string& message) override;
  [[noreturn]] void end(int exitStatus) override;

 private:
  // The window of a form while it is shown, else null.
  FormWindow* window(const Form& form) const;

  std::map<const Form*, FormWindow*> shown_;
};

}  // namespace rt
