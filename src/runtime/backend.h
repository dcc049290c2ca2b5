#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "runtime/form_description.h"
#include "runtime/status.h"
#include "runtime/window.h"
#include "runtime/window_events.h"

namespace rt {

// What a platform gives the runtime. Everything the program relies on is built above this.
class Backend {
 public:
  virtual ~Backend() = default;

  // The command line's argument text, UTF-8.
  virtual std::string commandLine() = 0;

  // Builds the form's window and controls from its description, hidden; the window reports
  // its events to events while it lives. A window that cannot be had throws PlatformFailure.
  virtual std::unique_ptr<Window> createWindow(const FormDescription& description,
                                               WindowEvents& events) = 0;

  // The status the platform reports for a call on one of its objects.
  virtual Status callStatus(std::string_view /*object*/, std::string_view /*member*/) {
    return kOk;
  }

  virtual void reportError(const std::string& title, const std::string& message) = 0;
  // Ends the process at once: no further event, no teardown.
  [[noreturn]] virtual void end(int exitStatus) = 0;
};

// For a platform library that gives up on the spot, with no way back to its caller: the call on
// a form in progress fails with status, reported as the runtime reports its errors, and the
// program ends.
[[noreturn]] void failCallInProgress(Status status);

}  // namespace rt
