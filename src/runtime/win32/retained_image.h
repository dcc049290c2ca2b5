#pragma once

#include <optional>
#include <string_view>

#include "runtime/colour.h"
#include "runtime/form_description.h"
#include "runtime/picture.h"
#include "runtime/win32/gdi.h"
#include "runtime/win32/text_font.h"
#include "runtime/win32/windows_api.h"

namespace rt {

// A window's lasting image: what was painted and printed stays until something covers it.
class RetainedImage {
 public:
  // Filled with the background colour.
  RetainedImage(int width, int height, Colour background);

  // Each returns the rectangle it touched.
  RECT paint(const Picture& picture, int x, int y);
  // Empty when the font could not be made.
  std::optional<RECT> print(std::wstring_view text, int x, int y, Colour colour,
                            const FontDescription& font, int pixelHeight);

  void copyTo(HDC target, const RECT& area) const;

 private:
  MemoryDc dc_;
  GdiObject<HBITMAP> bitmap_;
  Selection bitmapSelection_;
  TextFont font_;
};

}  // namespace rt
