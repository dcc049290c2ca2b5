#pragma once

#include <QApplication>
#include <memory>
#include <string>

#include "runtime/backend.h"

namespace rt::qt {

// The runtime's platform on Qt Widgets. The application, and with it the display, comes only
// when a window is created: a run that shows nothing needs no display.
class QtBackend : public Backend {
 public:
  QtBackend(int argc, char** argv);
  ~QtBackend() override;

  std::string commandLine() override;
  std::unique_ptr<Window> createWindow(const FormDescription& description,
                                       WindowEvents& events) override;
  void reportError(const std::string& title, const std::string& message) override;
  [[noreturn]] void end(int exitStatus) override;

 private:
  // Qt takes options of its own from the arguments it is given (-platform, -display, -style...):
  // it gets the program's name alone, and the command line stays the program's only input.
  int applicationArgc_ = 1;
  char* applicationArgv_[2];
  std::string commandLine_;
  std::unique_ptr<QApplication> application_;
};

}  // namespace rt::qt
