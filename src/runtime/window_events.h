#pragma once

#include <cstddef>
#include <optional>

namespace rt {

// What a platform window reports, raw and one at a time, from its event loop. The runtime
// decides what each means to the form; controls are their indexes in the form's description.
class WindowEvents {
 public:
  // A key was pressed; the character it yields, or none (a key that yields none is no key
  // press of the form).
  virtual void keyPressed(std::optional<char16_t> character) = 0;
  // The user or the system asks the window to close. The window stays until the runtime ends
  // the show.
  virtual void closeRequested() = 0;
  // The window became the active one, or stopped being it.
  virtual void activationChanged(bool active) = 0;
  virtual void controlClicked(std::size_t control) = 0;
  virtual void timerDue(std::size_t control) = 0;

 protected:
  ~WindowEvents() = default;
};

}  // namespace rt
