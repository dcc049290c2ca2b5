#pragma once

#include "runtime/form_description.h"
#include "runtime/win32/form_window.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/win32/retained_image.h"

namespace rt::win32 {

// A form shown over the whole primary screen, topmost and borderless, with its custom pointer
// and a lasting image that every repaint copies from.
class SaverWindow final : public FormWindow {
 public:
  SaverWindow(const FormDescription& description, WindowEvents& events);

  void show() override;
  void paintPicture(const Picture& picture, float x, float y) override;
  void print(const PrintedText& text) override;

 protected:
  HWND handle() const override { return window_.get(); }
  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void repaint(HWND window);

  OwnedCursor pointer_;
  RetainedImage image_;
  // Last, so that it goes first: the window before the pointer and the image it shows.
  OwnedWindow window_;
};

}  // namespace rt::win32
