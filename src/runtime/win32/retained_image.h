#pragma once

#include <string_view>

#include "runtime/colour.h"
#include "runtime/form_description.h"
#include "runtime/picture.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/win32/text_font.h"
#include "runtime/win32/windows_api.h"

namespace rt::win32 {

// A window's lasting image: what was painted and printed stays until something covers it.
class RetainedImage {
 public:
  // Filled with the background colour. Memory the platform has not got for it is
  // std::bad_alloc; any other refusal throws PlatformFailure.
  RetainedImage(int width, int height, Colour background);

  // Each returns the rectangle it touched.
  RECT paint(const Picture& picture, int x, int y);
  RECT print(std::wstring_view text, int x, int y, Colour colour, const FontDescription& font,
             int pixelHeight);

  void copyTo(HDC target, const RECT& area) const;

 private:
  MemoryDc dc_;
  GdiObject<HBITMAP> bitmap_;
  Selection bitmapSelection_;
  TextFont font_;
};

}  // namespace rt::win32
