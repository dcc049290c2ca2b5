#include "runtime/qt/qt_backend.h"

#include <cstdio>
#include <cstdlib>

#include "runtime/qt/application_start.h"
#include "runtime/qt/dialog_window.h"
#include "runtime/qt/leak_check.h"
#include "runtime/qt/saver_window.h"

namespace rt::qt {
namespace {

std::string joinedArguments(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return line;
}

}  // namespace

QtBackend::QtBackend(int argc, char** argv)
    : applicationArgv_{argv[0], nullptr}, commandLine_(joinedArguments(argc, argv)) {}

QtBackend::~QtBackend() = default;

std::string QtBackend::commandLine() { return commandLine_; }

std::unique_ptr<Window> QtBackend::createWindow(const FormDescription& description,
                                                WindowEvents& events) {
  if (!QApplication::instance()) {
    application_ = startApplication(applicationArgc_, applicationArgv_);
  }
  if (description.style == WindowStyle::FullScreen) {
    return std::make_unique<SaverWindow>(description, events);
  }
  return std::make_unique<DialogWindow>(description, events);
}

void QtBackend::reportError(const std::string& title, const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
  std::fflush(stderr);
}

// Nothing runs on the way out: no further event, no teardown of the application.
void QtBackend::end(int exitStatus) {
  std::fflush(nullptr);
  checkLeaks();
  std::_Exit(exitStatus);
}

}  // namespace rt::qt
