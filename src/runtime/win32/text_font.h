#pragma once

#include "runtime/form_description.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/win32/windows_api.h"

namespace rt::win32 {

// The font selected into one device context for printing. A font is made only when the
// description or the pixel height changes; the previous one goes once it is deselected.
class TextFont {
 public:
  explicit TextFont(HDC dc) : dc_(dc) {}
  ~TextFont();
  TextFont(const TextFont&) = delete;
  TextFont& operator=(const TextFont&) = delete;

  // The font service's refusal to make the font throws PlatformFailure.
  void select(const FontDescription& description, int pixelHeight);

 private:
  bool holds(const FontDescription& description, int pixelHeight) const;

  HDC dc_;
  HGDIOBJ displaced_ = nullptr;
  GdiObject<HFONT> font_;
  FontDescription description_{};
  int pixelHeight_ = 0;
};

}  // namespace rt::win32
