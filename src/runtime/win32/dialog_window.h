#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "runtime/form_description.h"
#include "runtime/win32/form_window.h"
#include "runtime/win32/owned_handles.h"

namespace rt::win32 {

// A form shown as a fixed dialog: caption, window icon and the system's own controls, with the
// dialog keys: Tab by the tab order, access keys, Enter and Space on the focused button only.
class DialogWindow final : public FormWindow {
 public:
  DialogWindow(const FormDescription& description, WindowEvents& events);

  void show() override;

 protected:
  HWND handle() const override { return window_.get(); }
  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  bool routeQueued(MSG& message) override;

 private:
  RECT frameAround(const FormDescription& description) const;
  void createControls(const FormDescription& description);
  void createControl(const FormDescription& description, std::size_t control);
  std::optional<std::size_t> controlOf(WORD id) const;
  bool routeKey(WPARAM key);
  void moveFocus(bool backwards);
  void focusFirstControl();

  OwnedIcon bigIcon_;
  OwnedIcon smallIcon_;
  // The controls' font, the runtime's default one.
  GdiObject<HFONT> font_;
  std::size_t controlCount_;
  // The controls that take the focus, in tab order; the window's children.
  std::vector<HWND> tabOrder_;
  // Last, so that it goes first: the window before the icons it shows.
  OwnedWindow window_;
};

}  // namespace rt::win32
