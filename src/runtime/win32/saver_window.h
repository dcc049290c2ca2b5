#pragma once

#include "runtime/backend.h"
#include "runtime/win32/form_window.h"
#include "runtime/win32/gdi.h"
#include "runtime/win32/retained_image.h"

namespace rt {

// A form shown over the whole primary screen, topmost and borderless, with its custom pointer
// and a lasting image that every repaint copies from.
class SaverWindow : public FormWindow {
 public:
  explicit SaverWindow(Form& form);

  // Positions in twips of the drawing area.
  void paintPicture(const Picture& picture, float x, float y);
  void print(const TextOut& text);

 protected:
  void showAsForm() override;
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void repaint();

  OwnedCursor pointer_;
  RetainedImage image_;
};

}  // namespace rt
