#pragma once

#include <map>
#include <string>
#include <vector>

#include "runtime/win32/form_window.h"
#include "runtime/win32/gdi.h"

namespace rt {

// A form shown as a fixed dialog: caption, window icon and the system's own controls, with the
// dialog keys: Tab by tab index, access keys, Enter and Space on the focused button only.
class DialogWindow : public FormWindow {
 public:
  explicit DialogWindow(Form& form);
  // Its icons outlive the window that shows them.
  ~DialogWindow() override;

 protected:
  void showAsForm() override;
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool routeQueued(MSG& message) override;

 private:
  void createControls();
  HWND createControl(const ControlDescription& control, POINT origin, int id);
  POINT containerOrigin(const ControlDescription& control) const;
  bool routeKey(WPARAM key);
  void moveFocus(bool backwards);
  void focusFirstControl();

  OwnedIcon bigIcon_;
  OwnedIcon smallIcon_;
  GdiObject<HFONT> font_;
  // Names of the command buttons, by their window.
  std::map<HWND, std::string> buttons_;
  // The controls that take the focus, in tab order.
  std::vector<HWND> tabOrder_;
};

}  // namespace rt
